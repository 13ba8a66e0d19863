// The serial adapter on a real pseudo-terminal: line settings, bytes both ways unchanged,
// the link engine answering a poll through it, and a hung-up line.

#include "Module1.h"
#include "PortSzeregowy.h"
#include "Pty.h"
#include "link/Lacze.h"

#include <QSignalSpy>
#include <QTest>

#include <termios.h>

using namespace zr05;

class TestPortSzeregowy : public QObject
{
    Q_OBJECT
private slots:
    void ustawieniaLinii();
    void odbiorWszystkichWartosciWKolejnosci();
    void zapisWszystkichWartosci();
    void pollPrzezPortILacze_data();
    void pollPrzezPortILacze();
    void zerwanieLiniiZamykaPort();
    void zapisPrzyZamknietymNicNieRobi();
    void nieistniejaceUrzadzenie();
};

void TestPortSzeregowy::ustawieniaLinii()
{
    Pty pty;
    QVERIFY(pty.gotowy());
    PortSzeregowy port;
    QVERIFY(!port.otworz(pty.sciezkaSlave()));
    QVERIFY(port.otwarty());
    QCOMPARE(port.urzadzenie(), pty.sciezkaSlave());

    termios t{};
    QCOMPARE(tcgetattr(pty.slaveFd(), &t), 0);
    QCOMPARE(cfgetospeed(&t), speed_t(B2400));
    QCOMPARE(cfgetispeed(&t), speed_t(B2400));
    QCOMPARE(t.c_cflag & CSIZE, tcflag_t(CS8));
    QVERIFY(t.c_cflag & CSTOPB);
    QVERIFY(!(t.c_cflag & PARENB));
    QVERIFY(!(t.c_cflag & CRTSCTS));
    QVERIFY(!(t.c_iflag & (IXON | IXOFF)));
    QVERIFY(!(t.c_lflag & ICANON)); // bytes, not lines
}

void TestPortSzeregowy::odbiorWszystkichWartosciWKolejnosci()
{
    Pty pty;
    PortSzeregowy port;
    QVERIFY(!port.otworz(pty.sciezkaSlave()));

    QByteArray odebrane;
    qint64 poprzedniCzas = -1;
    bool czasRosnie = true;
    connect(&port, &PortSzeregowy::odebrano, [&](const QByteArray& b, qint64 ms) {
        odebrane += b;
        czasRosnie = czasRosnie && ms >= poprzedniCzas;
        poprzedniCzas = ms;
    });
    QByteArray wszystkie;
    for (int i = 0; i < 256; ++i)
        wszystkie.append(char(i));
    pty.pisz(wszystkie);
    QTRY_COMPARE_WITH_TIMEOUT(odebrane.size(), 256, 3000);
    QCOMPARE(odebrane, wszystkie);
    QVERIFY(czasRosnie);
    QVERIFY(poprzedniCzas <= port.teraz());
}

void TestPortSzeregowy::zapisWszystkichWartosci()
{
    Pty pty;
    PortSzeregowy port;
    QVERIFY(!port.otworz(pty.sciezkaSlave()));
    QByteArray wszystkie;
    for (int i = 255; i >= 0; --i)
        wszystkie.append(char(i));
    port.zapisz(wszystkie);
    QCOMPARE(pty.czytaj(256, 3000), wszystkie);
}

void TestPortSzeregowy::pollPrzezPortILacze_data()
{
    QTest::addColumn<bool>("onLine");
    QTest::addColumn<int>("kod");
    QTest::addColumn<QByteArray>("odpowiedz");
    QTest::newRow("bezczynny") << false << 0 << QByteArray("\x37\x00\xC9", 3);
    QTest::newRow("on-line") << true << 0 << QByteArray("\x37\x20\xA9", 3);
    QTest::newRow("on-line, operacja") << true << 5 << QByteArray("\x37\x28\xA1", 3);
}

void TestPortSzeregowy::pollPrzezPortILacze()
{
    QFETCH(bool, onLine);
    QFETCH(int, kod);
    QFETCH(QByteArray, odpowiedz);

    Pty pty;
    Module1 m;
    Lacze lacze(m);
    PortSzeregowy port;
    lacze.ustawUjscie([&port](const QByteArray& b) { port.zapisz(b); });
    connect(&port, &PortSzeregowy::odebrano, &lacze, &Lacze::odbierz);
    QVERIFY(!port.otworz(pty.sciezkaSlave()));
    m.ustawOnLine(onLine);
    m.KodOperacji = Bajt(kod);

    pty.pisz(QByteArray("\x37\x44\x85", 3));
    QCOMPARE(pty.czytaj(3, 3000), odpowiedz);
    QCOMPARE(m.LicznikLacza, qint16(3));
    // Nothing more than the answer goes out.
    QCOMPARE(pty.czytaj(1, 200), QByteArray());
}

void TestPortSzeregowy::zerwanieLiniiZamykaPort()
{
    auto pty = std::make_unique<Pty>();
    PortSzeregowy port;
    QVERIFY(!port.otworz(pty->sciezkaSlave()));
    QSignalSpy utrata(&port, &PortSzeregowy::utracony);
    pty.reset(); // the other end disappears, as an unplugged USB adapter does
    QTRY_COMPARE_WITH_TIMEOUT(utrata.size(), 1, 3000);
    QVERIFY(!port.otwarty());
    const QString tekst = utrata.at(0).at(0).toString();
    QVERIFY2(tekst.contains(port.urzadzenie()), qPrintable(tekst));
    QTest::qWait(100);
    QCOMPARE(utrata.size(), 1); // told once
}

void TestPortSzeregowy::zapisPrzyZamknietymNicNieRobi()
{
    PortSzeregowy port;
    QSignalSpy utrata(&port, &PortSzeregowy::utracony);
    port.zapisz(QByteArray("\x37\x00\xC9", 3));
    QVERIFY(!port.otwarty());
    QCOMPARE(utrata.size(), 0);
}

void TestPortSzeregowy::nieistniejaceUrzadzenie()
{
    PortSzeregowy port;
    const QString sciezka = QStringLiteral("/dev/nie-ma-takiego-portu-zr05");
    const auto blad = port.otworz(sciezka);
    QVERIFY(blad.has_value());
    QCOMPARE(blad->przyczyna, PrzyczynaBledu::BrakUrzadzenia);
    QVERIFY(blad->komunikat.contains(sciezka));
    QVERIFY(!port.otwarty());
}

QTEST_GUILESS_MAIN(TestPortSzeregowy)
#include "tst_portszeregowy.moc"
