// The port choice of the main window: without a panel, with a COM port on a real
// pseudo-terminal, and with a port that cannot be opened.

#include "Module1.h"
#include "PortSzeregowy.h"
#include "PrzechwytKomunikatow.h"
#include "Pty.h"
#include "link/Lacze.h"
#include "main/OknoGlowne.h"

#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace zr05;

namespace
{
struct Program {
    Module1 m;
    Lacze lacze{m};
    OknoGlowne okno{m, lacze};

    template <typename T> T* widget(const QString& nazwa) { return okno.findChild<T*>(nazwa); }
    void wybierz(int opcja)
    {
        widget<QRadioButton>(QStringLiteral("Option1_%1").arg(opcja))->click();
    }
    void ok()
    {
        QTest::mouseClick(widget<QPushButton>(QStringLiteral("Command5")), Qt::LeftButton);
    }
    bool obrazWidoczny() { return !widget<QWidget>(QStringLiteral("Picture1"))->isHidden(); }
    QList<int> czynnePrzyciski()
    {
        QList<int> czynne;
        for (int n = 1; n <= 9; ++n)
            if (okno.akcja(przycisk(n))->isEnabled())
                czynne << n;
        return czynne;
    }
};

// Keeps a variable set for one test only.
struct Zmienna {
    QByteArray nazwa;
    Zmienna(const char* n, const QString& wartosc) : nazwa(n) { qputenv(n, wartosc.toLocal8Bit()); }
    ~Zmienna() { qunsetenv(nazwa.constData()); }
};
} // namespace

class TestOknoGlownePort : public QObject
{
    Q_OBJECT
private slots:
    void bezCentralki();
    void portComNaPseudoterminalu_data();
    void portComNaPseudoterminalu();
    void wybranaOpcjaUstawiaPortDlaStraznika();
    void portNieDajacySieOtworzyc();
    void podpowiedzNazywaBiezaceUrzadzenie_data();
    void podpowiedzNazywaBiezaceUrzadzenie();
    void utrataUrzadzeniaPozwalaWybracPonownie();
};

void TestOknoGlownePort::bezCentralki()
{
    Program p;
    PrzechwytKomunikatow k;
    p.ok();
    QVERIFY(k.teksty.isEmpty());
    QVERIFY(p.okno.akcja(Element::mnuKonf)->isEnabled());
    QVERIFY(!p.okno.akcja(Element::mnuKonfLog)->isEnabled());
    QVERIFY(p.okno.akcja(Element::mnuKonfCzytaj)->isEnabled());
    QCOMPARE(p.czynnePrzyciski(), QList<int>{2});
    QVERIFY(!p.okno.port().otwarty());
    QVERIFY(!p.obrazWidoczny());
    QVERIFY(!p.widget<QGroupBox>(QStringLiteral("Frame7"))->isEnabled());
}

void TestOknoGlownePort::portComNaPseudoterminalu_data()
{
    QTest::addColumn<int>("opcja");
    QTest::newRow("COM1") << 1;
    QTest::newRow("COM4") << 4;
}

void TestOknoGlownePort::portComNaPseudoterminalu()
{
    QFETCH(int, opcja);
    Pty pty;
    QVERIFY(pty.gotowy());
    Zmienna z(qPrintable(QStringLiteral("ZR05_COM%1").arg(opcja)), pty.sciezkaSlave());
    Program p;
    PrzechwytKomunikatow k;
    p.wybierz(opcja);
    p.ok();
    QVERIFY2(k.teksty.isEmpty(), qPrintable(k.teksty.join('\n')));
    QVERIFY(p.okno.port().otwarty());
    QCOMPARE(p.okno.port().urzadzenie(), pty.sciezkaSlave());
    QCOMPARE(p.czynnePrzyciski(), (QList<int>{1, 2}));
    QVERIFY(p.okno.akcja(Element::mnuKonf)->isEnabled());
    QVERIFY(p.okno.akcja(Element::mnuKonfLog)->isEnabled());
    QVERIFY(!p.obrazWidoczny());

    // The panel polls; the window's link answers through the port.
    pty.pisz(QByteArray("\x37\x44\x85", 3));
    QCOMPARE(pty.czytaj(3, 3000), QByteArray("\x37\x00\xC9", 3));
}

void TestOknoGlownePort::wybranaOpcjaUstawiaPortDlaStraznika()
{
    Program p;
    for (int i : {3, 1, 4, 0, 2}) {
        p.wybierz(i);
        QCOMPARE(p.m.WybranyPort, i);
    }
}

void TestOknoGlownePort::portNieDajacySieOtworzyc()
{
    const QString sciezka = QStringLiteral("/dev/zr05-nie-ma-takiego-portu");
    Zmienna z("ZR05_COM2", sciezka);
    Program p;
    {
        PrzechwytKomunikatow k;
        p.wybierz(2);
        p.ok();
        QCOMPARE(k.teksty.size(), 1);
        QVERIFY2(k.teksty[0].contains(sciezka), qPrintable(k.teksty[0]));
        QVERIFY(k.teksty[0].contains(QStringLiteral("COM2")));
        QVERIFY(k.teksty[0].contains(QStringLiteral("nie ma takiego urządzenia")));
        QCOMPARE(k.pytania, QList<bool>{false});
    }
    // Nothing looks open, and the choice can be made again.
    QVERIFY(p.czynnePrzyciski().isEmpty());
    QVERIFY(!p.okno.akcja(Element::mnuKonf)->isEnabled());
    QVERIFY(!p.okno.port().otwarty());
    QVERIFY(p.obrazWidoczny());
    QVERIFY(p.widget<QGroupBox>(QStringLiteral("Frame7"))->isEnabled());

    Pty pty;
    Zmienna z3("ZR05_COM3", pty.sciezkaSlave());
    PrzechwytKomunikatow k;
    p.wybierz(3);
    p.ok();
    QVERIFY(k.teksty.isEmpty());
    QVERIFY(p.okno.port().otwarty());
    QCOMPARE(p.czynnePrzyciski(), (QList<int>{1, 2}));
}

void TestOknoGlownePort::podpowiedzNazywaBiezaceUrzadzenie_data()
{
    QTest::addColumn<bool>("tcp");
    QTest::newRow("pseudoterminal") << false;
    QTest::newRow("serwer TCP") << true;
}

void TestOknoGlownePort::podpowiedzNazywaBiezaceUrzadzenie()
{
    QFETCH(bool, tcp);
    Program p;
    auto* com1 = p.widget<QRadioButton>(QStringLiteral("Option1_1"));
    Pty pty;
    const QString adres = tcp ? QStringLiteral("tcp://[fd00::20]:4001") : pty.sciezkaSlave();
    Zmienna z("ZR05_COM1", adres);
    QVERIFY(!com1->toolTip().contains(adres));
    // The tooltip is looked up again when it is about to show.
    QEvent podpowiedz(QEvent::ToolTip);
    QApplication::sendEvent(com1, &podpowiedz);
    QVERIFY2(com1->toolTip().contains(adres), qPrintable(com1->toolTip()));
}

void TestOknoGlownePort::utrataUrzadzeniaPozwalaWybracPonownie()
{
    auto pty = std::make_unique<Pty>();
    Zmienna z("ZR05_COM1", pty->sciezkaSlave());
    Program p;
    PrzechwytKomunikatow k;
    p.wybierz(1);
    p.ok();
    QVERIFY(p.okno.port().otwarty());
    QVERIFY(!p.widget<QGroupBox>(QStringLiteral("Frame7"))->isEnabled());
    const QString sciezka = pty->sciezkaSlave();
    pty.reset();
    QTRY_COMPARE_WITH_TIMEOUT(k.teksty.size(), 1, 3000);
    QVERIFY(k.teksty[0].contains(sciezka));
    QVERIFY(!p.okno.port().otwarty());
    QVERIFY(p.widget<QGroupBox>(QStringLiteral("Frame7"))->isEnabled());
}

QTEST_MAIN(TestOknoGlownePort)
#include "tst_oknoglowneport.moc"
