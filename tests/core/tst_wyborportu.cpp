// Confirming the port choice, without any window: what becomes available in each case.

#include "Module1.h"
#include "link/WyborPortu.h"

#include <QTest>

using namespace zr05;

class TestWyborPortu : public QObject
{
    Q_OBJECT
private slots:
    void numerPortu_data();
    void numerPortu();
    void potwierdzenie_data();
    void potwierdzenie();
};

void TestWyborPortu::numerPortu_data()
{
    QTest::addColumn<int>("opcja");
    QTest::addColumn<int>("numer");
    QTest::newRow("bez centralki") << 0 << 0;
    QTest::newRow("COM1") << 1 << 1;
    QTest::newRow("COM3") << 3 << 3;
    QTest::newRow("COM4") << 4 << 4;
    // None of 1 to 3 selected means COM4.
    QTest::newRow("poza zakresem") << 7 << 4;
    QTest::newRow("ujemna") << -2 << 4;
}

void TestWyborPortu::numerPortu()
{
    QFETCH(int, opcja);
    QFETCH(int, numer);
    QCOMPARE(zr05::numerPortu(opcja), numer);
}

void TestWyborPortu::potwierdzenie_data()
{
    QTest::addColumn<int>("opcja");
    QTest::addColumn<bool>("otwarty");
    QTest::addColumn<bool>("wynik");
    QTest::addColumn<bool>("menuKonf");
    QTest::addColumn<bool>("logowanie");
    QTest::addColumn<bool>("przycisk1");
    QTest::addColumn<bool>("przycisk2");
    QTest::newRow("bez centralki") << 0 << false << true << true << false << false << true;
    // Without a panel nothing is opened, so the flag does not matter.
    QTest::newRow("bez centralki, flaga") << 0 << true << true << true << false << false << true;
    QTest::newRow("COM2 otwarty") << 2 << true << true << true << true << true << true;
    QTest::newRow("COM2 nieotwarty") << 2 << false << false << false << true << false << false;
    QTest::newRow("COM4 nieotwarty") << 4 << false << false << false << true << false << false;
}

void TestWyborPortu::potwierdzenie()
{
    QFETCH(int, opcja);
    QFETCH(bool, otwarty);
    QFETCH(bool, wynik);
    QFETCH(bool, menuKonf);
    QFETCH(bool, logowanie);
    QFETCH(bool, przycisk1);
    QFETCH(bool, przycisk2);

    Module1 m;
    m.WybranyPort = opcja;
    QCOMPARE(potwierdzWyborPortu(m, otwarty), wynik);
    QCOMPARE(m.dostepny(Element::mnuKonf), menuKonf);
    QCOMPARE(m.dostepny(Element::mnuKonfLog), logowanie);
    QCOMPARE(m.dostepny(przycisk(1)), przycisk1);
    QCOMPARE(m.dostepny(przycisk(2)), przycisk2);
    // Nothing else is touched by the port choice.
    for (int n = 3; n <= 9; ++n)
        QVERIFY(!m.dostepny(przycisk(n)));
    QVERIFY(m.dostepny(Element::mnuKonfCzytaj));
    QVERIFY(!m.dostepny(Element::mnuHist));
}

QTEST_GUILESS_MAIN(TestWyborPortu)
#include "tst_wyborportu.moc"
