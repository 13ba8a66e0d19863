// Zone dependencies: read from and written to bytes 11..15 of a zone record.

#include "editors/ZaleznosciStref.h"

#include <QTest>
#include <algorithm>

using namespace zr05;

Q_DECLARE_METATYPE(QList<int>)

class TestZaleznosciStref : public QObject
{
    Q_OBJECT
private slots:
    void odczyt_data();
    void odczyt();
    void zapis_data();
    void zapis();
    void zapisNieRuszaInnychBajtowAniStref();
    void nieznanaStrefaNicNieZmienia();
};

void TestZaleznosciStref::odczyt_data()
{
    QTest::addColumn<int>("strefa");
    QTest::addColumn<int>("bajt14");
    QTest::addColumn<int>("bajt15");
    QTest::addColumn<QList<int>>("zalezne");
    QTest::addColumn<QList<int>>("niezalezne");

    QTest::newRow("strefa 1 nigdy") << 1 << 0xFF << 0xFF << QList<int>{} << QList<int>{};
    QTest::newRow("strefa 10: 5 i 1")
        << 10 << 5 << 1 << QList<int>{1, 3, 9} << QList<int>{2, 4, 5, 6, 7, 8};
    QTest::newRow("strefa 4 widzi tylko 1..3")
        << 4 << 0xFA << 0xFF << QList<int>{2} << QList<int>{1, 3};
    QTest::newRow("strefa 9 nie czyta bajtu 15")
        << 9 << 0x80 << 0x01 << QList<int>{8} << QList<int>{1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("strefa 10 bez zaleznosci")
        << 10 << 0 << 0xFE << QList<int>{} << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9};
    QTest::newRow("strefa 2 od 1") << 2 << 1 << 0 << QList<int>{1} << QList<int>{};
}

void TestZaleznosciStref::odczyt()
{
    QFETCH(int, strefa);
    QFETCH(int, bajt14);
    QFETCH(int, bajt15);
    QFETCH(QList<int>, zalezne);
    QFETCH(QList<int>, niezalezne);

    Konfiguracja k;
    k.Strefy[strefa][14] = Bajt(bajt14);
    k.Strefy[strefa][15] = Bajt(bajt15);
    const ZaleznosciStrefy z = czytajZaleznosci(k, strefa);
    QCOMPARE(z.zalezne, zalezne);
    QCOMPARE(z.niezalezne, niezalezne);
}

void TestZaleznosciStref::zapis_data()
{
    QTest::addColumn<int>("strefa");
    QTest::addColumn<QList<int>>("zalezne");
    QTest::addColumn<int>("bajt14");
    QTest::addColumn<int>("bajt15");

    QTest::newRow("strefa 1 zeruje") << 1 << QList<int>{} << 0 << 0;
    QTest::newRow("strefa 5 od 2") << 5 << QList<int>{2} << 0x02 << 0;
    QTest::newRow("strefa 10 od 1, 8, 9") << 10 << QList<int>{1, 8, 9} << 0x81 << 0x01;
    QTest::newRow("strefa 10 od wszystkich")
        << 10 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << 0xFF << 0x01;
    QTest::newRow("strefa 4 pomija 4 i wyzsze") << 4 << QList<int>{3, 4, 9, 0, -1} << 0x04 << 0;
    QTest::newRow("strefa 1 pomija wszystko") << 1 << QList<int>{1, 2} << 0 << 0;
}

void TestZaleznosciStref::zapis()
{
    QFETCH(int, strefa);
    QFETCH(QList<int>, zalezne);
    QFETCH(int, bajt14);
    QFETCH(int, bajt15);

    Konfiguracja k;
    // Old contents of bytes 11..15, including bits the editor never shows: all cleared.
    for (int j = 11; j <= 15; ++j)
        k.Strefy[strefa][j] = 0xFF;
    zapiszZaleznosci(k, strefa, zalezne);
    QCOMPARE(int(k.Strefy[strefa][11]), 0);
    QCOMPARE(int(k.Strefy[strefa][12]), 0);
    QCOMPARE(int(k.Strefy[strefa][13]), 0);
    QCOMPARE(int(k.Strefy[strefa][14]), bajt14);
    QCOMPARE(int(k.Strefy[strefa][15]), bajt15);
    // What is written reads back as the same set.
    QList<int> oczekiwane;
    for (int z : zalezne)
        if (z >= 1 && z < strefa && !oczekiwane.contains(z))
            oczekiwane.append(z);
    std::sort(oczekiwane.begin(), oczekiwane.end());
    QCOMPARE(czytajZaleznosci(k, strefa).zalezne, oczekiwane);
}

void TestZaleznosciStref::zapisNieRuszaInnychBajtowAniStref()
{
    Konfiguracja k;
    for (int z = 0; z <= 10; ++z)
        for (int j = 0; j < 16; ++j)
            k.Strefy[z][j] = Bajt(0x11 * (j % 15) + z);
    Konfiguracja oczekiwana = k;
    for (int j = 11; j <= 15; ++j)
        oczekiwana.Strefy[6][j] = 0;
    oczekiwana.Strefy[6][14] = 0x10;

    zapiszZaleznosci(k, 6, {5});
    QVERIFY(k == oczekiwana);
}

void TestZaleznosciStref::nieznanaStrefaNicNieZmienia()
{
    Konfiguracja k;
    for (auto& r : k.Strefy)
        r.fill(0xAA);
    const Konfiguracja przed = k;
    for (int z : {-5, 0, 11, 300}) {
        const ZaleznosciStrefy zz = czytajZaleznosci(k, z);
        QVERIFY(zz.zalezne.isEmpty());
        QVERIFY(zz.niezalezne.isEmpty());
        zapiszZaleznosci(k, z, {1, 2});
    }
    QVERIFY(k == przed);
}

QTEST_GUILESS_MAIN(TestZaleznosciStref)
#include "tst_zaleznoscistref.moc"
