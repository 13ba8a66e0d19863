// The line name dictionary and the shown name of a line.
#include "config/Konfiguracja.h"
#include "tables/NazwyLinii.h"

#include <QSet>
#include <QTest>

using namespace zr05;

class TstNazwyLinii : public QObject
{
    Q_OBJECT
    NazwyLiniiTablica nazwy;

private slots:
    void init() { WpiszNazwyLinii(nazwy); }

    void wpisEdge_data()
    {
        QTest::addColumn<int>("indeks");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("0") << 0 << "<bez nazwy>";
        QTest::newRow("1") << 1 << "24 GODZ";
        QTest::newRow("2") << 2 << "ADMIN.";
        QTest::newRow("41 mixed case") << 41 << "Czas";
        QTest::newRow("48") << 48 << "DOKUMENT";
        QTest::newRow("61") << 61 << "GL.KSIEGOWY";
        QTest::newRow("110 mixed case") << 110 << "Panel";
        QTest::newRow("184") << 184 << "WYJSCIE";
        QTest::newRow("185 last fixed") << 185 << "ZAKLAD";
        QTest::newRow("186 first nt") << 186 << "<nt 186>";
        QTest::newRow("223 last nt") << 223 << "<nt 223>";
        QTest::newRow("224 first nn") << 224 << "<nn 224>";
        QTest::newRow("255 last nn") << 255 << "<nn 255>";
    }
    void wpisEdge()
    {
        QFETCH(int, indeks);
        QFETCH(QString, tekst);
        QCOMPARE(nazwy[indeks], tekst);
    }

    void staleNazwySaAlfabetyczneIRozne()
    {
        QSet<QString> widziane;
        for (int i = 1; i <= 185; ++i) {
            QVERIFY2(!nazwy[i].isEmpty(), qPrintable(QString::number(i)));
            QVERIFY2(!widziane.contains(nazwy[i]), qPrintable(nazwy[i]));
            widziane.insert(nazwy[i]);
            if (i > 1)
                QVERIFY2(QString::compare(nazwy[i - 1], nazwy[i], Qt::CaseInsensitive) < 0,
                         qPrintable(nazwy[i - 1] + " / " + nazwy[i]));
        }
    }

    void tylkoDwieNazwyMajaMaleLitery()
    {
        QList<int> zMalymi;
        for (int i = 1; i <= 185; ++i) {
            for (QChar c : nazwy[i])
                QVERIFY2(c.unicode() < 0x80, qPrintable(nazwy[i]));
            if (nazwy[i] != nazwy[i].toUpper())
                zMalymi << i;
        }
        QCOMPARE(zMalymi, (QList<int>{41, 110}));
    }

    void wpisUsuwaNazwyUzytkownika()
    {
        nazwy[230] = "MAGAZYN2";
        nazwy[5] = "zepsute";
        WpiszNazwyLinii(nazwy);
        QCOMPARE(nazwy[230], QString("<nn 230>"));
        QCOMPARE(nazwy[5], QString("AKUMULATOR"));
    }

    void wolneMiejsca()
    {
        QVERIFY(nazwaWolna(nazwy, 224));
        QVERIFY(nazwaWolna(nazwy, 255));
        QVERIFY(!nazwaWolna(nazwy, 223)); // a fixed placeholder is not a user slot
        QVERIFY(!nazwaWolna(nazwy, 0));
        QVERIFY(!nazwaWolna(nazwy, 256));
        QVERIFY(!nazwaWolna(nazwy, -1));
        nazwy[240] = "SKLEP 2 ";
        QVERIFY(!nazwaWolna(nazwy, 240));
        nazwy[241] = "<nn 240>"; // another slot's placeholder is a real name here
        QVERIFY(!nazwaWolna(nazwy, 241));
    }

    void nazwaLinii_data()
    {
        QTest::addColumn<int>("indeks");
        QTest::addColumn<int>("liczba1");
        QTest::addColumn<int>("liczba2");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("no name") << 0 << 0 << 0 << "<bez nazwy>";
        QTest::newRow("no name, numbers") << 0 << 3 << 0 << "<bez nazwy>3";
        QTest::newRow("DOKUMENT2") << 48 << 2 << 0 << "DOKUMENT2";
        QTest::newRow("both numbers") << 2 << 12 << 99 << "ADMIN.1299";
        QTest::newRow("second only") << 2 << 0 << 7 << "ADMIN.7";
        QTest::newRow("user name keeps blanks") << 224 << 3 << 0 << "AB      3";
        QTest::newRow("placeholder") << 255 << 0 << 0 << "<nn 255>";
    }
    void nazwaLinii()
    {
        QFETCH(int, indeks);
        QFETCH(int, liczba1);
        QFETCH(int, liczba2);
        QFETCH(QString, tekst);
        Konfiguracja obraz;
        WpiszNazwyLinii(obraz.NazwyLinii);
        obraz.NazwyLinii[224] = "AB      ";
        for (int linia : {1, 80}) {
            obraz.Linie[linia][8] = Bajt(indeks);
            obraz.Linie[linia][9] = Bajt(liczba1);
            obraz.Linie[linia][10] = Bajt(liczba2);
            QCOMPARE(zr05::nazwaLinii(obraz, linia), tekst);
        }
    }

    void nazwaLiniiPozaZakresem()
    {
        Konfiguracja obraz;
        WpiszNazwyLinii(obraz.NazwyLinii);
        obraz.Linie[0][8] = 5;
        QCOMPARE(zr05::nazwaLinii(obraz, 0), QString());
        QCOMPARE(zr05::nazwaLinii(obraz, 81), QString());
        QCOMPARE(zr05::nazwaLinii(obraz, -1), QString());
        QCOMPARE(zr05::nazwaLinii(obraz, 1000), QString());
    }
};

QTEST_GUILESS_MAIN(TstNazwyLinii)
#include "tst_nazwylinii.moc"
