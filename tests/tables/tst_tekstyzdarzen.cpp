// The alarm, event and output event tables: exact texts (trailing blanks included), empty
// entries.
#include "tables/TekstyZdarzen.h"

#include <QTest>

using namespace zr05;

class TstTekstyZdarzen : public QObject
{
    Q_OBJECT
    TabeleTekstow t;

private slots:
    void initTestCase() { WpiszTabele(t); }

    void alarmy_data()
    {
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("0") << 0 << "Str-xx Linia-xx ";
        QTest::newRow("1") << 1 << "AKUM. - Centr.  ";
        QTest::newRow("2") << 2 << "AKUM. - Podc-xx ";
        QTest::newRow("4") << 4 << "AC-220V-Cent.-OK";
        QTest::newRow("9") << 9 << "P.BRON K-xx U-xx";
        QTest::newRow("11") << 11 << "KONIEC          ";
        QTest::newRow("13") << 13 << "BRAK TRANSMISJI ";
        QTest::newRow("14") << 14 << "SABOTAZ Linia-xx";
        QTest::newRow("17") << 17 << "STRAZ POZ Kl-xx ";
        QTest::newRow("21 last") << 21 << "P.BRON K-xx Stxx";
        QTest::newRow("22 empty") << 22 << "";
        QTest::newRow("40 empty") << 40 << "";
    }
    void alarmy()
    {
        QFETCH(int, kod);
        QFETCH(QString, tekst);
        QCOMPARE(t.NazwyAla[kod], tekst);
    }

    void zdarzenia_data()
    {
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("128") << 128 << "INSTALATOR      ";
        QTest::newRow("135") << 135 << "Odblok. Klaw-xx ";
        QTest::newRow("145") << 145 << "Zm. kodu Instal.";
        QTest::newRow("148") << 148 << "Zm. kodu S-xx   ";
        QTest::newRow("154") << 154 << "UZBR. Ln-xxSZYFR";
        QTest::newRow("160") << 160 << "RESET CENTRALI  ";
        QTest::newRow("164") << 164 << "Kont. Straz. -xx";
        QTest::newRow("165 last") << 165 << "Zmiana Czasu    ";
        QTest::newRow("166 empty") << 166 << "";
        QTest::newRow("168 empty") << 168 << "";
    }
    void zdarzenia()
    {
        QFETCH(int, kod);
        QFETCH(QString, tekst);
        QCOMPARE(t.NazwyZda[kod - 128], tekst);
    }

    void tekstyMajaSzesnascieZnakow()
    {
        for (int i = 0; i <= 21; ++i)
            QCOMPARE(t.NazwyAla[i].size(), 16);
        for (int i = 0; i <= 37; ++i)
            QCOMPARE(t.NazwyZda[i].size(), 16);
    }

    void zdarzeniaWyjsc_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("1") << 1 << "01 - alarm w dowolnej linii";
        QTest::newRow("2") << 2 << "02 - sabotaż w dowolnej linii";
        QTest::newRow("11") << 11 << "11 - alarm w strefie nr. 1";
        QTest::newRow("20") << 20 << "20 - alarm w strefie nr. 10";
        QTest::newRow("26 two blanks") << 26 << "26 - awaria  akumulatora (< 12V)";
        QTest::newRow("30 bare number") << 30 << "30";
        QTest::newRow("44 bare dash") << 44 << "44 -";
        QTest::newRow("48 Polish") << 48 << "48 - SYSTEM CZĘŚCIOWO UZBROJONY";
        QTest::newRow("55") << 55 << "55 - STRAŻ POŻ.";
        QTest::newRow("56 last") << 56 << "56 - OCHRONA";
    }
    void zdarzeniaWyjsc()
    {
        QFETCH(int, numer);
        QFETCH(QString, tekst);
        QCOMPARE(t.TabZdarz[numer], tekst);
    }

    void pusteZdarzeniaWyjsc()
    {
        for (int n : {0, 3, 4, 5, 6, 7, 8, 9, 10, 57, 58, 59, 60})
            QVERIFY2(t.TabZdarz[n].isEmpty(), qPrintable(QString::number(n)));
    }

    void zdarzeniaWyjscZaczynajaSieNumerem()
    {
        for (int n = 1; n <= 56; ++n) {
            if (n >= 3 && n <= 10)
                continue;
            const QString numer = QString::number(n).rightJustified(2, u'0');
            QVERIFY2(t.TabZdarz[n] == numer || t.TabZdarz[n].startsWith(numer + " -"),
                     qPrintable(t.TabZdarz[n]));
        }
    }

    void ponownyWpisNieZostawiaSmieci()
    {
        TabeleTekstow u;
        u.NazwyAla[30] = "x";
        u.NazwyZda[40] = "x";
        u.TabZdarz[5] = "x";
        WpiszTabele(u);
        QVERIFY(u.NazwyAla[30].isEmpty());
        QVERIFY(u.NazwyZda[40].isEmpty());
        QVERIFY(u.TabZdarz[5].isEmpty());
        QCOMPARE(u.NazwyAla, t.NazwyAla);
    }
};

QTEST_GUILESS_MAIN(TstTekstyZdarzen)
#include "tst_tekstyzdarzen.moc"
