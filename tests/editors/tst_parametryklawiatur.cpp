// Keypad and system parameters: devices, buzzers, function keys and code entry bytes.

#include "editors/ParametryKlawiatur.h"

#include <QTest>

using namespace zr05;

Q_DECLARE_METATYPE(QList<int>)

class TestParametryKlawiatur : public QObject
{
    Q_OBJECT
private slots:
    void odczytUrzadzen();
    void bity_data();
    void bity();
    void kodyTajne_data();
    void kodyTajne();
    void zapisUrzadzenWlasnymiKodami();
    void zapisBajtowSystemowych();
    void odczytPoZapisieTenSam();
};

void TestParametryKlawiatur::odczytUrzadzen()
{
    Konfiguracja k;
    k.Urzadzenia[0] = 0x99; // record 0 is never used
    k.Urzadzenia[1] = 0x30;
    k.Urzadzenia[3] = 0x01; // any value but 0 is present
    k.Urzadzenia[8] = 0xFF;
    k.Urzadzenia[9] = 0x38;
    k.Urzadzenia[16] = 0x40;
    const ParametryKlawiatur p = czytajParametryKlawiatur(k);
    QCOMPARE(p.klawiatury, (QList<int>{1, 3, 8}));
    QCOMPARE(p.podcentrale, (QList<int>{1, 8}));
}

void TestParametryKlawiatur::bity_data()
{
    QTest::addColumn<int>("buzzery");
    QTest::addColumn<int>("klawFun");
    QTest::addColumn<QList<int>>("wlaczoneBuzzery"); // keypad numbers
    QTest::addColumn<QList<int>>("aktywneFunkcje");  // bit numbers

    QTest::newRow("0x81 to 1 i 8") << 0x81 << 0 << QList<int>{1, 8} << QList<int>{};
    QTest::newRow("wszystko") << 0xFF << 0x0F << QList<int>{1, 2, 3, 4, 5, 6, 7, 8}
                              << QList<int>{0, 1, 2, 3};
    QTest::newRow("B i C") << 0 << 0x06 << QList<int>{} << QList<int>{1, 2};
    QTest::newRow("wyzsze bity KlawFun pominiete")
        << 0x02 << 0xF1 << QList<int>{2} << QList<int>{0};
}

void TestParametryKlawiatur::bity()
{
    QFETCH(int, buzzery);
    QFETCH(int, klawFun);
    QFETCH(QList<int>, wlaczoneBuzzery);
    QFETCH(QList<int>, aktywneFunkcje);
    Konfiguracja k;
    k.Buzzery = Bajt(buzzery);
    k.KlawFun = Bajt(klawFun);
    const ParametryKlawiatur p = czytajParametryKlawiatur(k);
    for (int n = 1; n <= 8; ++n)
        QCOMPARE(p.buzzery[n - 1], wlaczoneBuzzery.contains(n));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(p.funkcje[i], aktywneFunkcje.contains(i));
}

void TestParametryKlawiatur::kodyTajne_data()
{
    QTest::addColumn<int>("bajt");
    QTest::addColumn<bool>("tajne");
    QTest::newRow("0 jawne") << 0 << false;
    QTest::newRow("1 tajne") << 1 << true;
    QTest::newRow("5 tajne") << 5 << true;
    QTest::newRow("255 tajne") << 255 << true;
}

void TestParametryKlawiatur::kodyTajne()
{
    QFETCH(int, bajt);
    QFETCH(bool, tajne);
    Konfiguracja k;
    k.KodyTajne = Bajt(bajt);
    const ParametryKlawiatur p = czytajParametryKlawiatur(k);
    QCOMPARE(p.tajne, tajne);
    zapiszParametryKlawiatur(k, p);
    QCOMPARE(int(k.KodyTajne), tajne ? 1 : 0);
}

void TestParametryKlawiatur::zapisUrzadzenWlasnymiKodami()
{
    Konfiguracja k;
    k.Urzadzenia[3] = 0x77; // keypad 3 with a foreign code
    k.Urzadzenia[8] = 0x30;
    k.Urzadzenia[10] = 0x01; // subpanel 2
    zapiszParametryKlawiatur(k, czytajParametryKlawiatur(k));

    std::array<Bajt, 17> oczekiwane{};
    oczekiwane[3] = 0x32;
    oczekiwane[8] = 0x37;
    oczekiwane[10] = 0x39;
    QCOMPARE(k.Urzadzenia, oczekiwane);

    // Numbers outside 1..8 write nothing; unlisted devices keep their bytes.
    ParametryKlawiatur p;
    p.klawiatury = {0, 9, -1};
    p.podcentrale = {9, 100};
    zapiszParametryKlawiatur(k, p);
    QCOMPARE(k.Urzadzenia, oczekiwane);
}

void TestParametryKlawiatur::zapisBajtowSystemowych()
{
    Konfiguracja k;
    k.KlawFun = 0xF0;
    k.Buzzery = 0xFF;
    k.Linie[5][3] = 0x42;
    Konfiguracja oczekiwana = k;
    oczekiwana.Buzzery = 0x81;
    oczekiwana.KlawFun = 0x0A;
    oczekiwana.KodyTajne = 1;
    oczekiwana.CzasKodu = 60;
    oczekiwana.CzasBlokady = 1;

    ParametryKlawiatur p;
    p.buzzery[0] = p.buzzery[7] = true;
    p.funkcje[1] = p.funkcje[3] = true;
    p.tajne = true;
    p.czasKodu = 60;
    p.czasBlokady = 1;
    zapiszParametryKlawiatur(k, p);
    QVERIFY(k == oczekiwana);
}

void TestParametryKlawiatur::odczytPoZapisieTenSam()
{
    for (int b = 0; b < 256; b += 17) {
        Konfiguracja k;
        k.Buzzery = Bajt(b);
        k.KlawFun = Bajt(b & 0x0F);
        k.KodyTajne = Bajt(b & 1);
        k.CzasKodu = Bajt(b);
        k.CzasBlokady = Bajt(255 - b);
        for (int n = 1; n <= 8; ++n) {
            if (b & (1 << (n - 1)))
                k.Urzadzenia[n] = kodKlawiatury(n);
            if (b & (1 << (8 - n)))
                k.Urzadzenia[8 + n] = kodPodcentrali(n);
        }
        const Konfiguracja przed = k;
        zapiszParametryKlawiatur(k, czytajParametryKlawiatur(k));
        QVERIFY2(k == przed, qPrintable(QString::number(b)));
    }
}

QTEST_GUILESS_MAIN(TestParametryKlawiatur)
#include "tst_parametryklawiatur.moc"
