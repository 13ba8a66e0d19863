// Output parameters as the output editor reads and writes them in the image.
#include "editors/ParametryWyjsc.h"

#include <QTest>

using namespace zr05;

Q_DECLARE_METATYPE(zr05::WybraneWyjscie)

namespace
{
const WybraneWyjscie OC1{false, 1};
const WybraneWyjscie OC3{false, 3};
const WybraneWyjscie Pk2{true, 2};
} // namespace

class TstParametryWyjsc : public QObject
{
    Q_OBJECT

private slots:
    void pozycjeWyboru()
    {
        const QStringList p = pozycjeWyboruWyjscia();
        QCOMPARE(p.size(), 18);
        QCOMPARE(p.first(), QStringLiteral("OC-01"));
        QCOMPARE(p[8], QStringLiteral("OC-09"));
        QCOMPARE(p[9], QStringLiteral("OC-10"));
        QCOMPARE(p[15], QStringLiteral("OC-16"));
        QCOMPARE(p[16], QStringLiteral("Pk-01"));
        QCOMPARE(p[17], QStringLiteral("Pk-02"));
    }

    void wyjscieZTekstu_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("jest");
        QTest::addColumn<WybraneWyjscie>("wyjscie");
        QTest::newRow("OC-01") << "OC-01" << true << WybraneWyjscie{false, 1};
        QTest::newRow("OC-16") << "OC-16" << true << WybraneWyjscie{false, 16};
        QTest::newRow("Pk-02") << "Pk-02" << true << WybraneWyjscie{true, 2};
        QTest::newRow("Pk-03 beyond the Pk outputs") << "Pk-03" << false << WybraneWyjscie{};
        QTest::newRow("OC-17 beyond the OC outputs") << "OC-17" << false << WybraneWyjscie{};
        QTest::newRow("OC-00") << "OC-00" << false << WybraneWyjscie{};
        QTest::newRow("empty") << "" << false << WybraneWyjscie{};
        QTest::newRow("no number") << "OC-xy" << false << WybraneWyjscie{};
    }
    void wyjscieZTekstu()
    {
        QFETCH(QString, tekst);
        QFETCH(bool, jest);
        QFETCH(WybraneWyjscie, wyjscie);
        const auto w = zr05::wyjscieZTekstu(tekst);
        QCOMPARE(w.has_value(), jest);
        if (jest)
            QCOMPARE(*w, wyjscie);
    }

    void listowaneZdarzenia()
    {
        const QList<int> z = zdarzeniaWyjsc();
        QCOMPARE(z.size(), 48);
        QCOMPARE(z.mid(0, 3), (QList<int>{1, 2, 11}));
        QCOMPARE(z.last(), 56);
        for (int e = 3; e <= 10; ++e)
            QVERIFY(!z.contains(e));
    }

    void kontaktOC_data()
    {
        QTest::addColumn<int>("bajt");
        QTest::addColumn<bool>("no");
        QTest::newRow("192 NO") << 192 << true;
        QTest::newRow("128 NC") << 128 << false;
        QTest::newRow("0 never configured") << 0 << false;
        QTest::newRow("193") << 193 << false;
        QTest::newRow("255") << 255 << false;
    }
    void kontaktOC()
    {
        QFETCH(int, bajt);
        QFETCH(bool, no);
        Konfiguracja k;
        k.WyjOC[1][2] = Bajt(bajt);
        QCOMPARE(czytajWyjscie(k, OC1).kontaktNO, no);
    }

    void nieskonfigurowaneZapisujeNC()
    {
        Konfiguracja k;
        UstawieniaWyjscia u = czytajWyjscie(k, OC1);
        zapiszWyjscie(k, OC1, u);
        QCOMPARE(k.WyjOC[1][2], Bajt(128));
        u.kontaktNO = true;
        zapiszWyjscie(k, OC1, u);
        QCOMPARE(k.WyjOC[1][2], Bajt(192));
    }

    void kasowaniePk_data()
    {
        QTest::addColumn<int>("bajt");
        QTest::addColumn<bool>("automatyczne");
        QTest::newRow("1 automatic") << 1 << true;
        QTest::newRow("2 manual") << 2 << false;
        QTest::newRow("0 manual") << 0 << false;
        QTest::newRow("7 manual") << 7 << false;
    }
    void kasowaniePk()
    {
        QFETCH(int, bajt);
        QFETCH(bool, automatyczne);
        Konfiguracja k;
        k.WyjPk[2][1] = Bajt(bajt);
        QCOMPARE(czytajWyjscie(k, Pk2).kasowanieAutomatyczne, automatyczne);
        zapiszWyjscie(k, Pk2, czytajWyjscie(k, Pk2));
        QCOMPARE(k.WyjPk[2][1], Bajt(automatyczne ? 1 : 2));
    }

    void minutyPozaLista_data()
    {
        QTest::addColumn<int>("bajt");
        QTest::addColumn<int>("pokazane"); // -1: the list cannot show it
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("9") << 9 << 9;
        QTest::newRow("10") << 10 << -1;
        QTest::newRow("255") << 255 << -1;
    }
    void minutyPozaLista()
    {
        QFETCH(int, bajt);
        QFETCH(int, pokazane);
        Konfiguracja k;
        k.WyjOC[3][3] = Bajt(bajt);
        k.WyjPk[2][2] = Bajt(bajt);
        k.WyjPk[2][3] = Bajt(bajt);
        const auto oc = czytajWyjscie(k, OC3);
        const auto pk = czytajWyjscie(k, Pk2);
        QCOMPARE(oc.opoznienie.value_or(-1), pokazane);
        QCOMPARE(pk.czasAlarmu.value_or(-1), pokazane);
        QCOMPARE(pk.opoznienie.value_or(-1), pokazane);

        // Saving what was read keeps every time byte as stored.
        zapiszWyjscie(k, OC3, oc);
        zapiszWyjscie(k, Pk2, pk);
        QCOMPARE(k.WyjOC[3][3], Bajt(bajt));
        QCOMPARE(k.WyjPk[2][2], Bajt(bajt));
        QCOMPARE(k.WyjPk[2][3], Bajt(bajt));
    }

    void nowyCzasZastepujeNieczytelny()
    {
        Konfiguracja k;
        k.WyjOC[3][3] = 200;
        UstawieniaWyjscia u = czytajWyjscie(k, OC3);
        u.opoznienie = 4;
        zapiszWyjscie(k, OC3, u);
        QCOMPARE(k.WyjOC[3][3], Bajt(4));
        u.opoznienie = 10; // not offered: refused, the stored byte stays
        zapiszWyjscie(k, OC3, u);
        QCOMPARE(k.WyjOC[3][3], Bajt(4));
    }

    void bityZdarzen_data()
    {
        QTest::addColumn<int>("zdarzenie");
        QTest::addColumn<int>("bajt");
        QTest::addColumn<int>("wartosc");
        QTest::newRow("1") << 1 << 14 << 0x01;
        QTest::newRow("2") << 2 << 14 << 0x02;
        QTest::newRow("11") << 11 << 15 << 0x04;
        QTest::newRow("16") << 16 << 15 << 0x80;
        QTest::newRow("17") << 17 << 16 << 0x01;
        QTest::newRow("30") << 30 << 17 << 0x20;
        QTest::newRow("44") << 44 << 19 << 0x08;
        QTest::newRow("56") << 56 << 20 << 0x80;
    }
    void bityZdarzen()
    {
        QFETCH(int, zdarzenie);
        QFETCH(int, bajt);
        QFETCH(int, wartosc);
        for (const WybraneWyjscie w : {OC3, Pk2}) {
            Konfiguracja k;
            UstawieniaWyjscia u = czytajWyjscie(k, w);
            u.zdarzenia = {zdarzenie};
            zapiszWyjscie(k, w, u);
            const auto& r = w.pk ? k.WyjPk[w.numer] : k.WyjOC[w.numer];
            for (int j = 14; j <= 23; ++j)
                QCOMPARE(int(r[j]), j == bajt ? wartosc : 0);
            QCOMPARE(czytajWyjscie(k, w).zdarzenia, QList<int>{zdarzenie});
        }
    }

    void zdarzenia3do10ZnikajaPrzyZapisie()
    {
        Konfiguracja k;
        k.WyjOC[3][14] = 0xFF; // events 1..8
        k.WyjOC[3][15] = 0xFF; // events 9..16
        const UstawieniaWyjscia u = czytajWyjscie(k, OC3);
        QCOMPARE(u.zdarzenia, (QList<int>{1, 2, 11, 12, 13, 14, 15, 16}));
        zapiszWyjscie(k, OC3, u);
        QCOMPARE(k.WyjOC[3][14], Bajt(0x03));
        QCOMPARE(k.WyjOC[3][15], Bajt(0xFC));

        // Event 5 alone (bit 4 of byte 14) shows nothing and is dropped.
        k.WyjOC[3][14] = 0x10;
        k.WyjOC[3][15] = 0;
        QVERIFY(czytajWyjscie(k, OC3).zdarzenia.isEmpty());
        zapiszWyjscie(k, OC3, czytajWyjscie(k, OC3));
        QCOMPARE(k.WyjOC[3][14], Bajt(0));
    }

    void zdarzeniaSpozaListyOdrzucone()
    {
        Konfiguracja k;
        UstawieniaWyjscia u = czytajWyjscie(k, OC1);
        u.zdarzenia = {0, 5, 57, 60, -3, 200, 2};
        zapiszWyjscie(k, OC1, u);
        QCOMPARE(k.WyjOC[1][14], Bajt(0x02));
        for (int j = 15; j <= 23; ++j)
            QCOMPARE(k.WyjOC[1][j], Bajt(0));
    }

    void pozostaleBajtyOC()
    {
        Konfiguracja k;
        for (int j = 0; j < 24; ++j)
            k.WyjOC[3][j] = Bajt(0xA0 + j);
        const Konfiguracja przed = k;
        zapiszWyjscie(k, OC3, czytajWyjscie(k, OC3));
        for (int j : {0, 1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13})
            QCOMPARE(k.WyjOC[3][j], przed.WyjOC[3][j]);
        for (int j : {21, 22, 23})
            QCOMPARE(k.WyjOC[3][j], Bajt(0));
        // Nothing outside the output's record moves.
        k.WyjOC[3] = przed.WyjOC[3];
        QVERIFY(k == przed);
    }

    void pozostaleBajtyPk()
    {
        Konfiguracja k;
        for (int j = 0; j < 24; ++j)
            k.WyjPk[2][j] = Bajt(0x50 + j);
        k.WyjPk[2][1] = 2;
        k.WyjPk[2][2] = 7; // alarm time kept although manual reset hides its box
        const Konfiguracja przed = k;
        zapiszWyjscie(k, Pk2, czytajWyjscie(k, Pk2));
        QCOMPARE(k.WyjPk[2][1], Bajt(2));
        QCOMPARE(k.WyjPk[2][2], Bajt(7));
        for (int j : {0, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13})
            QCOMPARE(k.WyjPk[2][j], przed.WyjPk[2][j]);
        for (int j : {21, 22, 23})
            QCOMPARE(k.WyjPk[2][j], Bajt(0));
        k.WyjPk[2] = przed.WyjPk[2];
        QVERIFY(k == przed);
    }

    void wyjscieSpozaObrazuNicNieRusza()
    {
        Konfiguracja k;
        k.WyjOC[1][2] = 192;
        const Konfiguracja przed = k;
        UstawieniaWyjscia u;
        u.zdarzenia = {1};
        for (const WybraneWyjscie w : {WybraneWyjscie{false, 0}, WybraneWyjscie{false, 17},
                                       WybraneWyjscie{true, 3}, WybraneWyjscie{true, -1}}) {
            zapiszWyjscie(k, w, u);
            QVERIFY(czytajWyjscie(k, w).zdarzenia.isEmpty());
        }
        QVERIFY(k == przed);
    }
};

QTEST_GUILESS_MAIN(TstParametryWyjsc)
#include "tst_parametrywyjsc.moc"
