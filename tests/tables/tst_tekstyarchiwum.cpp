// Placeholder fill and the line-name rule of archived alarm and event texts.
#include "tables/NazwyLinii.h"
#include "tables/TekstyArchiwum.h"

#include <QTest>

using namespace zr05;

class TstTekstyArchiwum : public QObject
{
    Q_OBJECT
    TabeleTekstow t;
    Konfiguracja obraz;

    void ustawLinie(int linia, int nazwa, int liczba1, int liczba2)
    {
        obraz.Linie[linia][8] = Bajt(nazwa);
        obraz.Linie[linia][9] = Bajt(liczba1);
        obraz.Linie[linia][10] = Bajt(liczba2);
    }

private slots:
    void initTestCase() { WpiszTabele(t); }
    void init()
    {
        obraz = Konfiguracja{};
        WpiszNazwyLinii(obraz.NazwyLinii);
    }

    void parametr_data()
    {
        QTest::addColumn<int>("wartosc");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("0") << 0 << "00";
        QTest::newRow("3") << 3 << "03";
        QTest::newRow("9") << 9 << "09";
        QTest::newRow("10") << 10 << "10";
        QTest::newRow("99") << 99 << "99";
        QTest::newRow("100") << 100 << "100";
        QTest::newRow("255") << 255 << "255";
    }
    void parametr()
    {
        QFETCH(int, wartosc);
        QFETCH(QString, tekst);
        QCOMPARE(parametrDwucyfrowy(Bajt(wartosc)), tekst);
    }

    void wypelnienie_data()
    {
        QTest::addColumn<QString>("szablon");
        QTest::addColumn<int>("b6");
        QTest::addColumn<int>("b7");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("3 and 12") << "P.BRON K-xx U-xx" << 3 << 12 << "P.BRON K-03 U-12";
        QTest::newRow("100: first and last digit")
            << "P.BRON K-xx U-xx" << 100 << 7 << "P.BRON K-10 U-07";
        QTest::newRow("255 and 123") << "P.BRON K-xx U-xx" << 255 << 123 << "P.BRON K-25 U-13";
        QTest::newRow("one placeholder shows byte 6")
            << "SABOTAZ-Klaw-xx " << 4 << 99 << "SABOTAZ-Klaw-04 ";
        QTest::newRow("placeholder in columns 15-16")
            << "KONTR. STRAZ.-xx" << 7 << 0 << "KONTR. STRAZ.-07";
        QTest::newRow("no placeholder") << "KONIEC          " << 1 << 2 << "KONIEC          ";
        QTest::newRow("x alone in column 16") << "ABCDEFGHIJKLMNOx" << 1 << 2 << "ABCDEFGHIJKLMNOx";
        QTest::newRow("placeholder before text")
            << "UZBR. Ln-xxSZYFR" << 5 << 0 << "UZBR. Ln-05SZYFR";
        QTest::newRow("third placeholder from byte 7") << "xxxxxx" << 1 << 2 << "010202";
        QTest::newRow("upper-case X is text") << "XX-xx" << 1 << 2 << "XX-01";
        QTest::newRow("short text") << "x" << 1 << 2 << "x";
        QTest::newRow("empty") << "" << 1 << 2 << "";
    }
    void wypelnienie()
    {
        QFETCH(QString, szablon);
        QFETCH(int, b6);
        QFETCH(int, b7);
        QFETCH(QString, tekst);
        QCOMPARE(wypelnijParametry(szablon, Bajt(b6), Bajt(b7)), tekst);
    }

    void alarmy_data()
    {
        QTest::addColumn<int>("kod");
        QTest::addColumn<int>("b6");
        QTest::addColumn<int>("b7");
        QTest::addColumn<QString>("tekst");
        // lines: 5 without a name, 6 = ADMIN. 1, 7 = DOKUMENT 2, 8 = user name, 80 = ZAKLAD 12 34
        QTest::newRow("0, line without name") << 0 << 3 << 5 << "Str-03 Linia-05 ";
        QTest::newRow("0, named line") << 0 << 3 << 6 << "Linia: ADMIN.1";
        QTest::newRow("0, user name as stored") << 0 << 1 << 8 << "Linia: AB      ";
        QTest::newRow("0, line 80 both numbers") << 0 << 1 << 80 << "Linia: ZAKLAD1234";
        QTest::newRow("0, line 81 outside image") << 0 << 3 << 81 << "Str-03 Linia-81 ";
        QTest::newRow("0, line 200") << 0 << 3 << 200 << "Str-03 Linia-20 ";
        QTest::newRow("0, line 0 is no line") << 0 << 3 << 0 << "Str-03 Linia-00 ";
        QTest::newRow("14, named line from byte 6") << 14 << 7 << 6 << "SAB.: Linia: DOKUMENT2";
        QTest::newRow("14, line without name") << 14 << 5 << 6 << "SABOTAZ Linia-05";
        QTest::newRow("14, line 255") << 14 << 255 << 0 << "SABOTAZ Linia-25";
        QTest::newRow("9 ignores lines") << 9 << 6 << 7 << "P.BRON K-06 U-07";
        QTest::newRow("2 ignores lines") << 2 << 6 << 0 << "AKUM. - Podc-06 ";
        QTest::newRow("22 empty entry") << 22 << 1 << 1 << "";
        QTest::newRow("40 empty entry") << 40 << 1 << 1 << "";
        QTest::newRow("41 outside") << 41 << 1 << 1 << "kod 41";
        QTest::newRow("255 outside") << 255 << 6 << 6 << "kod 255";
    }
    void alarmy()
    {
        QFETCH(int, kod);
        QFETCH(int, b6);
        QFETCH(int, b7);
        QFETCH(QString, tekst);
        ustawLinie(6, 2, 1, 0);
        ustawLinie(7, 48, 2, 0);
        obraz.NazwyLinii[224] = "AB      ";
        ustawLinie(8, 224, 0, 0);
        ustawLinie(80, 185, 12, 34);
        ustawLinie(0, 3, 0, 0); // record 0 is never a line
        QCOMPARE(tekstAlarmu(t, obraz, Bajt(kod), Bajt(b6), Bajt(b7)), tekst);
    }

    void zdarzenia_data()
    {
        QTest::addColumn<int>("kod");
        QTest::addColumn<int>("b6");
        QTest::addColumn<int>("b7");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("128") << 128 << 0 << 0 << "INSTALATOR      ";
        QTest::newRow("129 two") << 129 << 4 << 11 << "Uzbr. Ln-04 U-11";
        QTest::newRow("148 one") << 148 << 2 << 9 << "Zm. kodu S-02   ";
        QTest::newRow("165 last") << 165 << 1 << 1 << "Zmiana Czasu    ";
        QTest::newRow("166 empty") << 166 << 1 << 1 << "";
        QTest::newRow("168 empty") << 168 << 1 << 1 << "";
        QTest::newRow("169 outside") << 169 << 1 << 1 << "kod 169";
        QTest::newRow("127 outside") << 127 << 1 << 1 << "kod 127";
        QTest::newRow("0 outside") << 0 << 1 << 1 << "kod 0";
    }
    void zdarzenia()
    {
        QFETCH(int, kod);
        QFETCH(int, b6);
        QFETCH(int, b7);
        QFETCH(QString, tekst);
        QCOMPARE(tekstZdarzenia(t, Bajt(kod), Bajt(b6), Bajt(b7)), tekst);
    }

    void kazdyKodDajeTekst()
    {
        // every byte value is safe for both tables
        for (int kod = 0; kod < 256; ++kod)
            for (int b : {0, 1, 80, 81, 255}) {
                QVERIFY(tekstAlarmu(t, obraz, Bajt(kod), Bajt(b), Bajt(b)).size() <= 40);
                QVERIFY(tekstZdarzenia(t, Bajt(kod), Bajt(b), Bajt(b)).size() <= 16);
            }
    }
};

QTEST_GUILESS_MAIN(TstTekstyArchiwum)
#include "tst_tekstyarchiwum.moc"
