// Guard controls as the guard control editor lists, reads, writes and frees them.
#include "editors/KontroleStraznikow.h"

#include <QTest>

using namespace zr05;

namespace
{
void ustaw(Konfiguracja& k, int n, std::array<int, 8> bajty)
{
    for (int j = 0; j < 8; ++j)
        k.Kontrole[n][j] = Bajt(bajty[j]);
}
} // namespace

class TstKontroleStraznikow : public QObject
{
    Q_OBJECT

private slots:
    void ktoreSaZdefiniowane_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<int>("godzina");
        QTest::addColumn<bool>("zdefiniowana");
        QTest::newRow("number and hour") << 3 << 7 << true;
        QTest::newRow("hour 0") << 3 << 0 << true;
        QTest::newRow("hour 23") << 3 << 23 << true;
        QTest::newRow("hour 24 frees it") << 5 << 24 << false;
        QTest::newRow("number 0 frees it") << 0 << 7 << false;
        QTest::newRow("hour above 24") << 3 << 99 << true;
    }
    void ktoreSaZdefiniowane()
    {
        QFETCH(int, numer);
        QFETCH(int, godzina);
        QFETCH(bool, zdefiniowana);
        Konfiguracja k;
        ustaw(k, 3, {numer, 1, godzina, 0, 1, 0, 0, 0});
        QCOMPARE(kontrolaZdefiniowana(k, 3), zdefiniowana);
        QCOMPARE(zdefiniowaneKontrole(k), zdefiniowana ? QList<int>{3} : QList<int>{});
    }

    void listaPoNumerzeRekordu()
    {
        Konfiguracja k;
        ustaw(k, 1, {1, 1, 8, 0, 1, 0, 0, 0});
        ustaw(k, 4, {200, 1, 8, 0, 1, 0, 0, 0}); // stray number byte
        ustaw(k, 24, {24, 1, 8, 0, 1, 0, 0, 0});
        ustaw(k, 0, {7, 1, 8, 0, 1, 0, 0, 0}); // record 0 is never used
        QCOMPARE(zdefiniowaneKontrole(k), (QList<int>{1, 4, 24}));
        QVERIFY(!kontrolaZdefiniowana(k, 0));
        QVERIFY(!kontrolaZdefiniowana(k, 25));
        QVERIFY(!kontrolaZdefiniowana(k, -1));
    }

    void numerNowej_data()
    {
        QTest::addColumn<QList<int>>("wymienione");
        QTest::addColumn<int>("nowy"); // 0: none left
        QTest::newRow("none listed") << QList<int>{} << 1;
        QTest::newRow("1..3") << QList<int>{1, 2, 3} << 4;
        QTest::newRow("gap after deleting 2") << QList<int>{1, 3} << 2;
        QTest::newRow("unordered") << QList<int>{3, 1, 2, 5} << 4;
        QList<int> wszystkie;
        for (int n = 1; n <= 24; ++n)
            wszystkie << n;
        QTest::newRow("all 24") << wszystkie << 0;
        wszystkie.removeOne(24);
        QTest::newRow("only 24 free") << wszystkie << 24;
    }
    void numerNowej()
    {
        QFETCH(QList<int>, wymienione);
        QFETCH(int, nowy);
        QCOMPARE(numerNowejKontroli(wymienione).value_or(0), nowy);
    }

    void odczyt_data()
    {
        QTest::addColumn<int>("klawiaturaB");
        QTest::addColumn<int>("godzinaB");
        QTest::addColumn<int>("minutaB");
        QTest::addColumn<int>("tolerancjaB");
        QTest::addColumn<int>("klawiatura"); // -1: the list cannot show it
        QTest::addColumn<int>("godzina");
        QTest::addColumn<int>("minuta");
        QTest::addColumn<int>("tolerancja");
        QTest::newRow("7:05 tol 2 keypad 3") << 3 << 7 << 5 << 2 << 3 << 7 << 5 << 2;
        QTest::newRow("zeros") << 0 << 0 << 0 << 0 << 1 << 0 << 0 << 1;
        QTest::newRow("top values") << 8 << 23 << 59 << 10 << 8 << 23 << 59 << 10;
        QTest::newRow("hour 24 shows 0") << 1 << 24 << 0 << 1 << 1 << 0 << 0 << 1;
        QTest::newRow("beyond the lists") << 9 << 25 << 60 << 11 << -1 << -1 << -1 << -1;
        QTest::newRow("255") << 255 << 255 << 255 << 255 << -1 << -1 << -1 << -1;
    }
    void odczyt()
    {
        QFETCH(int, klawiaturaB);
        QFETCH(int, godzinaB);
        QFETCH(int, minutaB);
        QFETCH(int, tolerancjaB);
        QFETCH(int, klawiatura);
        QFETCH(int, godzina);
        QFETCH(int, minuta);
        QFETCH(int, tolerancja);
        Konfiguracja k;
        ustaw(k, 3, {3, klawiaturaB, godzinaB, minutaB, tolerancjaB, 0, 0, 0});
        const UstawieniaKontroli u = czytajKontrole(k, 3);
        QCOMPARE(u.klawiatura.value_or(-1), klawiatura);
        QCOMPARE(u.godzina.value_or(-1), godzina);
        QCOMPARE(u.minuta.value_or(-1), minuta);
        QCOMPARE(u.tolerancja.value_or(-1), tolerancja);
    }

    void nieczytelneBajtyZachowane()
    {
        Konfiguracja k;
        ustaw(k, 6, {6, 9, 30, 77, 15, 0, 0, 0x5A});
        zapiszKontrole(k, 6, czytajKontrole(k, 6));
        QCOMPARE(k.Kontrole[6][1], Bajt(9));
        QCOMPARE(k.Kontrole[6][2], Bajt(30));
        QCOMPARE(k.Kontrole[6][3], Bajt(77));
        QCOMPARE(k.Kontrole[6][4], Bajt(15));
        QCOMPARE(k.Kontrole[6][7], Bajt(0x5A));
    }

    void straznicy_data()
    {
        QTest::addColumn<QList<int>>("straznicy");
        QTest::addColumn<int>("bajt5");
        QTest::addColumn<int>("bajt6");
        QTest::newRow("none") << QList<int>{} << 0 << 0;
        QTest::newRow("1, 8, 9, 10") << QList<int>{1, 8, 9, 10} << 129 << 3;
        QTest::newRow("2 and 9") << QList<int>{2, 9} << 2 << 1;
        QTest::newRow("all") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << 255 << 3;
    }
    void straznicy()
    {
        QFETCH(QList<int>, straznicy);
        QFETCH(int, bajt5);
        QFETCH(int, bajt6);
        Konfiguracja k;
        ustaw(k, 2, {0, 0, 24, 0, 0, 0xFF, 0xFF, 0});
        UstawieniaKontroli u = czytajKontrole(k, 2);
        u.straznicy = straznicy;
        zapiszKontrole(k, 2, u);
        QCOMPARE(int(k.Kontrole[2][5]), bajt5);
        QCOMPARE(int(k.Kontrole[2][6]), bajt6);
        QCOMPARE(czytajKontrole(k, 2).straznicy, straznicy);
    }

    void straznicyPonad10NiePokazani()
    {
        Konfiguracja k;
        ustaw(k, 2, {2, 1, 1, 1, 1, 0x00, 0xFC, 0}); // guards 11..16 only
        QVERIFY(czytajKontrole(k, 2).straznicy.isEmpty());
        UstawieniaKontroli u = czytajKontrole(k, 2);
        u.straznicy << 0 << 11 << 16 << 3;
        zapiszKontrole(k, 2, u);
        QCOMPARE(k.Kontrole[2][5], Bajt(0x04));
        QCOMPARE(k.Kontrole[2][6], Bajt(0));
    }

    void zapisWpisujeWszystko()
    {
        Konfiguracja k;
        ustaw(k, 4, {0, 0, 24, 0, 0, 0, 0, 0x77});
        UstawieniaKontroli u;
        u.klawiatura = 5;
        u.godzina = 22;
        u.minuta = 45;
        u.tolerancja = 10;
        u.straznicy = {4};
        zapiszKontrole(k, 4, u);
        const std::array<Bajt, 8> oczekiwane{4, 5, 22, 45, 10, 8, 0, 0x77};
        QCOMPARE(k.Kontrole[4], oczekiwane);
        QVERIFY(kontrolaZdefiniowana(k, 4));

        // Hour 24 saved from the list frees the record from the next listing on.
        u.godzina = 24;
        zapiszKontrole(k, 4, u);
        QCOMPARE(k.Kontrole[4][2], Bajt(24));
        QVERIFY(!kontrolaZdefiniowana(k, 4));
    }

    void wartosciSpozaListOdrzucone()
    {
        Konfiguracja k;
        ustaw(k, 4, {4, 2, 3, 4, 5, 0, 0, 0});
        UstawieniaKontroli u;
        u.klawiatura = 9;
        u.godzina = 25;
        u.minuta = 60;
        u.tolerancja = 0;
        zapiszKontrole(k, 4, u);
        const std::array<Bajt, 8> oczekiwane{4, 2, 3, 4, 5, 0, 0, 0};
        QCOMPARE(k.Kontrole[4], oczekiwane);
    }

    void usuniecie()
    {
        Konfiguracja k;
        ustaw(k, 2, {2, 3, 10, 20, 4, 0x81, 0x03, 0x99});
        usunKontrole(k, 2);
        const std::array<Bajt, 8> oczekiwane{0, 3, 24, 20, 4, 0x81, 0x03, 0x99};
        QCOMPARE(k.Kontrole[2], oczekiwane);
        QVERIFY(!kontrolaZdefiniowana(k, 2));
    }

    void numerSpozaTabeliNicNieRusza()
    {
        Konfiguracja k;
        ustaw(k, 1, {1, 1, 1, 1, 1, 1, 1, 1});
        const Konfiguracja przed = k;
        UstawieniaKontroli u;
        u.godzina = 3;
        u.straznicy = {1};
        for (int n : {0, 25, -1, 1000}) {
            zapiszKontrole(k, n, u);
            usunKontrole(k, n);
            QVERIFY(!czytajKontrole(k, n).godzina);
        }
        QVERIFY(k == przed);
    }
};

QTEST_GUILESS_MAIN(TstKontroleStraznikow)
#include "tst_kontrolestraznikow.moc"
