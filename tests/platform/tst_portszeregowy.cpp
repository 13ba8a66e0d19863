// The panel's port on a real pseudo-terminal and over TCP on 127.0.0.1: line settings, bytes
// both ways unchanged with their arrival times, the link engine answering a poll through it,
// a line lost mid-session, addresses, and ports that cannot be opened.

#include "AdresTcp.h"
#include "Module1.h"
#include "PortSzeregowy.h"
#include "Pty.h"
#include "TransportTcp.h"
#include "link/Lacze.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>

#include <memory>
#include <termios.h>

using namespace zr05;

namespace
{
// The far end of the port: the panel side of a pseudo-terminal, or a TCP serial server.
class DrugiKoniec
{
public:
    explicit DrugiKoniec(bool tcp)
    {
        if (tcp) {
            m_serwer = std::make_unique<QTcpServer>();
            m_serwer->listen(QHostAddress::LocalHost);
            m_adres = QStringLiteral("tcp://127.0.0.1:%1").arg(m_serwer->serverPort());
        } else {
            m_pty = std::make_unique<Pty>();
            m_adres = m_pty->sciezkaSlave();
        }
    }
    const QString& adres() const { return m_adres; }
    // After the port has opened.
    bool przyjmij()
    {
        if (!m_serwer)
            return true;
        if (!m_serwer->hasPendingConnections() && !m_serwer->waitForNewConnection(3000))
            return false;
        m_klient = m_serwer->nextPendingConnection();
        return m_klient != nullptr;
    }
    void pisz(const QByteArray& b)
    {
        if (m_pty)
            m_pty->pisz(b);
        else {
            m_klient->write(b);
            m_klient->flush();
        }
    }
    QByteArray czytaj(int ile, int limitMs)
    {
        if (m_pty)
            return m_pty->czytaj(ile, limitMs);
        QByteArray wynik;
        QElapsedTimer czas;
        czas.start();
        while (m_klient && wynik.size() < ile && czas.elapsed() < limitMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            m_klient->waitForReadyRead(5);
            wynik += m_klient->read(ile - wynik.size());
        }
        return wynik;
    }
    // Hangs up, as an unplugged adapter or a server going away does.
    void zerwij()
    {
        m_pty.reset();
        if (m_klient)
            m_klient->close();
    }
    int slaveFd() const { return m_pty ? m_pty->slaveFd() : -1; }

private:
    std::unique_ptr<Pty> m_pty;
    std::unique_ptr<QTcpServer> m_serwer;
    QPointer<QTcpSocket> m_klient;
    QString m_adres;
};
} // namespace

class TestPortSzeregowy : public QObject
{
    Q_OBJECT
private slots:
    void ustawieniaLinii();
    void bajtyWObieStrony_data();
    void bajtyWObieStrony();
    void czasPrzybyciaNieCzekaNaOkno();
    void pollPrzezPortILacze_data();
    void pollPrzezPortILacze();
    void zerwanieLiniiZamykaPort_data();
    void zerwanieLiniiZamykaPort();
    void adresyTcp_data();
    void adresyTcp();
    void portyNieDajaceSieOtworzyc_data();
    void portyNieDajaceSieOtworzyc();
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

void TestPortSzeregowy::bajtyWObieStrony_data()
{
    QTest::addColumn<bool>("tcp");
    QTest::newRow("pseudoterminal") << false;
    QTest::newRow("tcp") << true;
}

void TestPortSzeregowy::bajtyWObieStrony()
{
    QFETCH(bool, tcp);
    DrugiKoniec koniec(tcp);
    PortSzeregowy port;
    port.zapisz(QByteArray("\x37\x00\xC9", 3)); // closed: goes nowhere
    QVERIFY(!port.otworz(koniec.adres()));
    QVERIFY(koniec.przyjmij());

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
    koniec.pisz(wszystkie);
    QTRY_COMPARE_WITH_TIMEOUT(odebrane.size(), 256, 3000);
    QCOMPARE(odebrane, wszystkie);
    QVERIFY(czasRosnie);
    QVERIFY(poprzedniCzas <= port.teraz());

    std::reverse(wszystkie.begin(), wszystkie.end());
    port.zapisz(wszystkie.left(100));
    port.zapisz(wszystkie.mid(100));
    QCOMPARE(koniec.czytaj(256, 3000), wszystkie);
}

void TestPortSzeregowy::czasPrzybyciaNieCzekaNaOkno()
{
    // Bytes arriving while this thread is busy carry the time they came, not the time they
    // were handled.
    Pty pty;
    PortSzeregowy port;
    QVERIFY(!port.otworz(pty.sciezkaSlave()));
    QList<qint64> czasy;
    connect(&port, &PortSzeregowy::odebrano, [&](const QByteArray&, qint64 ms) { czasy << ms; });
    const qint64 przed = port.teraz();
    pty.pisz("A");
    QThread::msleep(300);
    QTRY_VERIFY_WITH_TIMEOUT(!czasy.isEmpty(), 3000);
    QVERIFY2(czasy.front() - przed < 150, qPrintable(QString::number(czasy.front() - przed)));
}

void TestPortSzeregowy::pollPrzezPortILacze_data()
{
    QTest::addColumn<bool>("tcp");
    QTest::addColumn<bool>("onLine");
    QTest::addColumn<int>("kod");
    QTest::addColumn<QByteArray>("odpowiedz");
    QTest::newRow("bezczynny") << false << false << 0 << QByteArray("\x37\x00\xC9", 3);
    QTest::newRow("on-line") << false << true << 0 << QByteArray("\x37\x20\xA9", 3);
    QTest::newRow("on-line, operacja, tcp") << true << true << 5 << QByteArray("\x37\x28\xA1", 3);
}

void TestPortSzeregowy::pollPrzezPortILacze()
{
    QFETCH(bool, tcp);
    QFETCH(bool, onLine);
    QFETCH(int, kod);
    QFETCH(QByteArray, odpowiedz);

    DrugiKoniec koniec(tcp);
    Module1 m;
    Lacze lacze(m);
    PortSzeregowy port;
    lacze.ustawUjscie([&port](const QByteArray& b) { port.zapisz(b); });
    connect(&port, &PortSzeregowy::odebrano, &lacze, &Lacze::odbierz);
    QVERIFY(!port.otworz(koniec.adres()));
    QVERIFY(koniec.przyjmij());
    m.ustawOnLine(onLine);
    m.KodOperacji = Bajt(kod);

    koniec.pisz(QByteArray("\x37\x44\x85", 3));
    QCOMPARE(koniec.czytaj(3, 3000), odpowiedz);
    QCOMPARE(m.LicznikLacza, qint16(3));
    // Nothing more than the answer goes out.
    QCOMPARE(koniec.czytaj(1, 200), QByteArray());
}

void TestPortSzeregowy::zerwanieLiniiZamykaPort_data()
{
    bajtyWObieStrony_data();
}

void TestPortSzeregowy::zerwanieLiniiZamykaPort()
{
    QFETCH(bool, tcp);
    DrugiKoniec koniec(tcp);
    PortSzeregowy port;
    QVERIFY(!port.otworz(koniec.adres()));
    QVERIFY(koniec.przyjmij());
    QSignalSpy utrata(&port, &PortSzeregowy::utracony);
    koniec.zerwij();
    QTRY_COMPARE_WITH_TIMEOUT(utrata.size(), 1, 3000);
    QVERIFY(!port.otwarty());
    const QString tekst = utrata.at(0).at(0).toString();
    QVERIFY2(tekst.contains(koniec.adres()), qPrintable(tekst));
    QVERIFY(tekst.contains(QStringLiteral("przerwane")));
    QTest::qWait(100);
    QCOMPARE(utrata.size(), 1); // told once
}

void TestPortSzeregowy::adresyTcp_data()
{
    QTest::addColumn<QString>("ustawienie");
    QTest::addColumn<QString>("host"); // empty: not a valid address
    QTest::addColumn<int>("numer");
    QTest::newRow("IPv4") << "tcp://192.168.1.20:4001"
                          << "192.168.1.20" << 4001;
    QTest::newRow("nazwa") << "TCP://serwer-1.biuro.lan:65535"
                           << "serwer-1.biuro.lan" << 65535;
    QTest::newRow("IPv6") << "tcp://[fd00::5]:1"
                          << "fd00::5" << 1;
    QTest::newRow("IPv6 bez nawiasów") << "tcp://fd00::5:4001"
                                       << "" << 0;
    QTest::newRow("IPv6 niepoprawny") << "tcp://[serwer]:4001"
                                      << "" << 0;
    QTest::newRow("bez portu") << "tcp://serwer"
                               << "" << 0;
    QTest::newRow("port 0") << "tcp://serwer:0"
                            << "" << 0;
    QTest::newRow("port za duży") << "tcp://serwer:65536"
                                  << "" << 0;
    QTest::newRow("port ze znakiem") << "tcp://serwer:+40"
                                     << "" << 0;
    QTest::newRow("bez komputera") << "tcp://:4001"
                                   << "" << 0;
    QTest::newRow("ścieżka") << "tcp://serwer:4001/x"
                             << "" << 0;
}

void TestPortSzeregowy::adresyTcp()
{
    QFETCH(QString, ustawienie);
    QFETCH(QString, host);
    QFETCH(int, numer);
    QVERIFY(jestAdresemTcp(ustawienie));
    const auto adres = czytajAdresTcp(ustawienie);
    QCOMPARE(adres.has_value(), !host.isEmpty());
    if (adres) {
        QCOMPARE(adres->host, host);
        QCOMPARE(int(adres->port), numer);
    }
}

void TestPortSzeregowy::portyNieDajaceSieOtworzyc_data()
{
    QTest::addColumn<QString>("adres");
    QTest::addColumn<QList<int>>("przyczyny"); // either is right
    QTest::addColumn<QString>("tekst");
    QTcpServer zamkniety;
    zamkniety.listen(QHostAddress::LocalHost);
    const auto wolny = zamkniety.serverPort();
    zamkniety.close();
    QTest::newRow("brak urządzenia")
        << "/dev/nie-ma-takiego-portu-zr05" << QList<int>{int(PrzyczynaBledu::BrakUrzadzenia)}
        << "nie ma takiego urządzenia";
    QTest::newRow("odmowa") << QStringLiteral("tcp://127.0.0.1:%1").arg(wolny)
                            << QList<int>{int(PrzyczynaBledu::OdmowaPolaczenia)}
                            << "odmówił połączenia";
    QTest::newRow("odmowa IPv6") << QStringLiteral("tcp://[::1]:%1").arg(wolny)
                                 << QList<int>{int(PrzyczynaBledu::OdmowaPolaczenia),
                                               int(PrzyczynaBledu::BrakDrogi)}
                                 << "::1";
    QTest::newRow("nieznany komputer")
        << "tcp://nie-ma-takiego-komputera.invalid:4001"
        << QList<int>{int(PrzyczynaBledu::NieznanyKomputer)} << "nie znaleziono komputera";
    QTest::newRow("nie odpowiada")
        << QString() // a server that never answers, see below
        << QList<int>{int(PrzyczynaBledu::UplynalCzas)} << "nie odpowiedział w ciągu";
    QTest::newRow("zły adres") << "tcp://192.0.2.1" << QList<int>{int(PrzyczynaBledu::Inna)}
                               << "niepoprawny adres";
}

void TestPortSzeregowy::portyNieDajaceSieOtworzyc()
{
    QFETCH(QString, adres);
    QFETCH(QList<int>, przyczyny);
    QFETCH(QString, tekst);
    // A listener whose only queue place is taken drops further connection attempts unanswered,
    // as a host that is switched off or filtered does.
    QTcpServer zapchany;
    std::unique_ptr<QTcpSocket> pierwszy;
    if (adres.isEmpty()) {
        zapchany.setListenBacklogSize(0);
        QVERIFY(zapchany.listen(QHostAddress::LocalHost));
        zapchany.pauseAccepting();
        pierwszy = std::make_unique<QTcpSocket>();
        pierwszy->connectToHost(QHostAddress::LocalHost, zapchany.serverPort());
        QVERIFY(pierwszy->waitForConnected(1000));
        adres = QStringLiteral("tcp://127.0.0.1:%1").arg(zapchany.serverPort());
    }
    PortSzeregowy port;
    QElapsedTimer czas;
    czas.start();
    const auto blad = port.otworz(adres);
    QVERIFY(czas.elapsed() < TransportTcp::CzasLaczeniaMs + 1500);
    QVERIFY(blad.has_value());
    QVERIFY2(przyczyny.contains(int(blad->przyczyna)), qPrintable(blad->komunikat));
    QVERIFY2(blad->komunikat.contains(adres), qPrintable(blad->komunikat));
    QVERIFY2(blad->komunikat.contains(tekst), qPrintable(blad->komunikat));
    QVERIFY(!port.otwarty());
}

QTEST_GUILESS_MAIN(TestPortSzeregowy)
#include "tst_portszeregowy.moc"
