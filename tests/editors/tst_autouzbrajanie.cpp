// Automatic arming of zones: the five bytes read and written.

#include "editors/AutoUzbrajanie.h"

#include <QTest>

using namespace zr05;

Q_DECLARE_METATYPE(QList<int>)

class TestAutoUzbrajanie : public QObject
{
    Q_OBJECT
private slots:
    void odczytStref_data();
    void odczytStref();
    void zapis_data();
    void zapis();
    void odczytPoZapisieTenSam();
};

void TestAutoUzbrajanie::odczytStref_data()
{
    QTest::addColumn<int>("bajt3");
    QTest::addColumn<int>("bajt4");
    QTest::addColumn<QList<int>>("strefy");

    QTest::newRow("zadnej") << 0 << 0 << QList<int>{};
    QTest::newRow("1 i 8") << 0x81 << 0 << QList<int>{1, 8};
    QTest::newRow("9 i 10") << 0 << 0x03 << QList<int>{9, 10};
    QTest::newRow("tylko 10") << 0 << 0x02 << QList<int>{10};
    QTest::newRow("wyzsze bity bajtu 4 pominiete") << 0x04 << 0xFC << QList<int>{3};
    QTest::newRow("wszystkie") << 0xFF << 0xFF << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
}

void TestAutoUzbrajanie::odczytStref()
{
    QFETCH(int, bajt3);
    QFETCH(int, bajt4);
    QFETCH(QList<int>, strefy);
    Konfiguracja k;
    k.AutoUzbr = {7, 5, 3, Bajt(bajt3), Bajt(bajt4)};
    const AutoUzbrajanie a = czytajAutoUzbrajanie(k);
    QCOMPARE(int(a.godzina), 7);
    QCOMPARE(int(a.minuta), 5);
    QCOMPARE(int(a.cichyAlarm), 3);
    QCOMPARE(a.strefy, strefy);
}

void TestAutoUzbrajanie::zapis_data()
{
    QTest::addColumn<QList<int>>("strefy");
    QTest::addColumn<int>("bajt3");
    QTest::addColumn<int>("bajt4");

    QTest::newRow("pusto zeruje") << QList<int>{} << 0 << 0;
    QTest::newRow("strefa 10") << QList<int>{10} << 0 << 0x02;
    QTest::newRow("10 i 2") << QList<int>{2, 10} << 0x02 << 0x02;
    QTest::newRow("9") << QList<int>{9} << 0 << 0x01;
    QTest::newRow("poza 1..10 pominiete") << QList<int>{0, 11, 16, -3, 4} << 0x08 << 0;
}

void TestAutoUzbrajanie::zapis()
{
    QFETCH(QList<int>, strefy);
    QFETCH(int, bajt3);
    QFETCH(int, bajt4);
    Konfiguracja k;
    k.AutoUzbr = {1, 2, 3, 0xFF, 0xFF};
    Konfiguracja oczekiwana = k;
    oczekiwana.AutoUzbr = {24, 59, 10, Bajt(bajt3), Bajt(bajt4)};

    AutoUzbrajanie a;
    a.godzina = 24;
    a.minuta = 59;
    a.cichyAlarm = 10;
    a.strefy = strefy;
    zapiszAutoUzbrajanie(k, a);
    QVERIFY(k == oczekiwana); // nothing outside the five bytes moves
}

void TestAutoUzbrajanie::odczytPoZapisieTenSam()
{
    Konfiguracja k;
    for (int maska = 0; maska < (1 << 10); maska += 37) {
        AutoUzbrajanie a;
        a.godzina = Bajt(maska % 25);
        a.minuta = Bajt(maska % 60);
        a.cichyAlarm = Bajt(maska % 11);
        for (int z = 1; z <= 10; ++z)
            if (maska & (1 << (z - 1)))
                a.strefy.append(z);
        zapiszAutoUzbrajanie(k, a);
        const AutoUzbrajanie b = czytajAutoUzbrajanie(k);
        QCOMPARE(b.godzina, a.godzina);
        QCOMPARE(b.minuta, a.minuta);
        QCOMPARE(b.cichyAlarm, a.cichyAlarm);
        QCOMPARE(b.strefy, a.strefy);
    }
}

QTEST_GUILESS_MAIN(TestAutoUzbrajanie)
#include "tst_autouzbrajanie.moc"
