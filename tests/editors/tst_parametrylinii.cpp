// Reading and writing a detection line record as the line editor does.

#include "editors/ParametryLinii.h"
#include "tables/NazwyLinii.h"

#include <QTest>

using namespace zr05;

namespace
{
constexpr int N = ParametryLinii::Nieznany;

RekordLinii rekord(std::initializer_list<std::pair<int, int>> bajty)
{
    RekordLinii r{};
    for (auto [j, v] : bajty)
        r[j] = Bajt(v);
    return r;
}

// A plain record the editor would have written: line 5, zone 2, 3-state, 250 ms, 1 alarm.
ParametryLinii zwykla(int typ)
{
    ParametryLinii p;
    p.strefa = 2;
    p.typ = typ;
    return p;
}
} // namespace

class TestParametryLinii : public QObject
{
    Q_OBJECT

private slots:
    void typZKodu_data()
    {
        QTest::addColumn<int>("bajt2");
        QTest::addColumn<int>("bajt6");
        QTest::addColumn<int>("typ");
        QTest::newRow("natychmiastowa") << 0x12 << 0 << int(Natychmiastowa);
        QTest::newRow("opozniona 5 s") << 0x12 << 5 << int(Opozniona);
        QTest::newRow("calodobowa") << 0x14 << 0 << int(Calodobowa);
        QTest::newRow("warunkowa") << 0x18 << 3 << int(Warunkowa);
        QTest::newRow("szyfrujaca") << 0x11 << 0 << int(Szyfrujaca);
        QTest::newRow("kod 0") << 0x10 << 0 << N;
        QTest::newRow("kod 3") << 0x13 << 0 << N;
        QTest::newRow("kod 15") << 0xFF << 9 << N;
    }
    void typZKodu()
    {
        QFETCH(int, bajt2);
        QFETCH(int, bajt6);
        QFETCH(int, typ);
        QCOMPARE(odczytajLinie(rekord({{2, bajt2}, {6, bajt6}})).typ, typ);
    }

    void czulosc_data()
    {
        QTest::addColumn<int>("kod");
        QTest::addColumn<int>("pozycja");
        QTest::newRow("0 nieznany") << 0 << N;
        QTest::newRow("1 = 250 ms") << 1 << 0;
        QTest::newRow("4 = 1 sek.") << 4 << 3;
        QTest::newRow("5 nieznany") << 5 << N;
        QTest::newRow("7 nieznany") << 7 << N;
    }
    void czulosc()
    {
        QFETCH(int, kod);
        QFETCH(int, pozycja);
        // Bit 7 of byte 2 is no part of the code.
        QCOMPARE(odczytajLinie(rekord({{2, kod * 16 + 2}})).czulosc, pozycja);
        QCOMPARE(odczytajLinie(rekord({{2, 0x80 | (kod * 16 + 2)}})).czulosc, pozycja);
    }

    void rodzajIAlarmy_data()
    {
        QTest::addColumn<int>("bajt3");
        QTest::addColumn<bool>("dwustanowa");
        QTest::addColumn<int>("alarmy");
        QTest::newRow("3-stanowa 4") << 0x04 << false << 4;
        QTest::newRow("obie flagi") << 0xC9 << true << 9;
        QTest::newRow("sam bit 7") << 0x83 << true << 3;
        QTest::newRow("sam bit 6") << 0x41 << false << 1;
        QTest::newRow("0 alarmow") << 0x00 << false << N;
        QTest::newRow("12 alarmow") << 0x8C << true << N;
    }
    void rodzajIAlarmy()
    {
        QFETCH(int, bajt3);
        QFETCH(bool, dwustanowa);
        QFETCH(int, alarmy);
        const auto p = odczytajLinie(rekord({{3, bajt3}}));
        QCOMPARE(p.dwustanowa, dwustanowa);
        QCOMPARE(p.alarmy, alarmy);
    }

    void strefaPierwszaNiezerowa()
    {
        QCOMPARE(odczytajLinie(rekord({{14, 3}, {18, 7}})).strefa, 3);
        QCOMPARE(odczytajLinie(rekord({{21, 10}})).strefa, 10);
        QCOMPARE(odczytajLinie(rekord({{12, 0xFF}})).strefa, 1); // any non-zero byte counts
        QCOMPARE(odczytajLinie(rekord({{11, 5}, {22, 1}})).strefa, N);
    }

    void liczbyPozaListami()
    {
        const auto p =
            odczytajLinie(rekord({{4, 0}, {5, 0}, {6, 0}, {7, 99}, {8, 255}, {9, 99}, {10, 100}}));
        QCOMPARE(p.warunekWejscia, 1); // a stored 0 shows as the first item
        QCOMPARE(p.warunekWyjscia, 0);
        QCOMPARE(p.opoznienieWejscia, 1);
        QCOMPARE(p.opoznienieWyjscia, 99);
        QCOMPARE(p.nazwa, 255);
        QCOMPARE(p.wartosci, (std::array<int, 2>{99, N}));

        const auto q = odczytajLinie(rekord({{4, 81}, {5, 80}, {6, 100}, {7, 255}}));
        QCOMPARE(q.warunekWejscia, N);
        QCOMPARE(q.warunekWyjscia, 80);
        QCOMPARE(q.opoznienieWejscia, N);
        QCOMPARE(q.opoznienieWyjscia, N);
        QCOMPARE(odczytajLinie(rekord({{5, 81}})).warunekWyjscia, N);
    }

    void zbiorSzyfrowanych()
    {
        const auto p = odczytajLinie(rekord({{22, 129}, {23, 1}, {31, 0x80}}));
        QCOMPARE(p.szyfrowane, (QList<int>{1, 8, 9, 80}));
    }

    void zapisKazdegoTypu_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("bajt2");
        QTest::addColumn<QList<int>>("bajty4do7");
        QTest::newRow("natychmiastowa") << int(Natychmiastowa) << 0x12 << QList<int>{0, 0, 0, 0};
        QTest::newRow("opozniona") << int(Opozniona) << 0x12 << QList<int>{0, 0, 30, 45};
        QTest::newRow("calodobowa") << int(Calodobowa) << 0x14 << QList<int>{0, 0, 0, 0};
        QTest::newRow("warunkowa") << int(Warunkowa) << 0x18 << QList<int>{12, 0, 30, 45};
        QTest::newRow("szyfrujaca") << int(Szyfrujaca) << 0x11 << QList<int>{0, 0, 0, 0};
    }
    void zapisKazdegoTypu()
    {
        QFETCH(int, typ);
        QFETCH(int, bajt2);
        QFETCH(QList<int>, bajty4do7);
        ParametryLinii p = zwykla(typ);
        p.opoznienieWejscia = 30;
        p.opoznienieWyjscia = 45;
        p.warunekWejscia = 12;
        p.warunekWyjscia = 0;
        p.szyfrowane = {2};
        // The former record had everything set: a save starts from zero.
        RekordLinii stary;
        stary.fill(0xFF);
        const RekordLinii r = zapiszLinie(stary, 5, p);
        QCOMPARE(int(r[0]), 5);
        QCOMPARE(int(r[1]), 0);
        QCOMPARE(int(r[2]), bajt2);
        QCOMPARE(int(r[3]), 1);
        for (int j = 4; j <= 7; ++j)
            QCOMPARE(int(r[j]), bajty4do7[j - 4]);
        QCOMPARE(int(r[11]), 0);
        QCOMPARE(int(r[13]), 2);
        QCOMPARE(int(r[22]), typ == Szyfrujaca ? 2 : 0);
        for (int j = 23; j < 32; ++j)
            QCOMPARE(int(r[j]), 0);
        // What was written reads back as what was chosen.
        QCOMPARE(odczytajLinie(r).typ, typ);
    }

    void dwustanowaUstawiaObaBity()
    {
        ParametryLinii p = zwykla(Natychmiastowa);
        p.dwustanowa = true;
        p.alarmy = 9;
        QCOMPARE(int(zapiszLinie({}, 1, p)[3]), 0xC9);
        p.dwustanowa = false;
        QCOMPARE(int(zapiszLinie(rekord({{3, 0xC9}}), 1, p)[3]), 9);
    }

    void strefa10()
    {
        ParametryLinii p = zwykla(Calodobowa);
        p.strefa = 10;
        const RekordLinii r = zapiszLinie(rekord({{12, 1}, {15, 4}, {20, 9}}), 3, p);
        QCOMPARE(int(r[21]), 10);
        for (int j = 12; j <= 20; ++j)
            QCOMPARE(int(r[j]), 0);
    }

    void jednaSekunda()
    {
        ParametryLinii p = zwykla(Calodobowa);
        p.czulosc = 3;
        QCOMPARE(int(zapiszLinie({}, 1, p)[2]), 64 + 4);
    }

    void zbiorLinii1i8i9()
    {
        ParametryLinii p = zwykla(Szyfrujaca);
        p.szyfrowane = {1, 8, 9};
        const RekordLinii r = zapiszLinie({}, 1, p);
        QCOMPARE(int(r[22]), 129);
        QCOMPARE(int(r[23]), 1);
        // Numbers outside 1..80 never reach a byte beyond the set.
        p.szyfrowane = {0, 80, 81, -3};
        const RekordLinii q = zapiszLinie({}, 1, p);
        QCOMPARE(int(q[31]), 0x80);
        QCOMPARE(int(q[22]), 0);
    }

    void warunekWyjscia0()
    {
        const RekordLinii stary = rekord({{2, 0x18}, {4, 7}, {5, 0}, {6, 3}, {7, 4}, {14, 3}});
        ParametryLinii p = odczytajLinie(stary);
        QCOMPARE(p.warunekWyjscia, 0);
        const RekordLinii r = zapiszLinie(stary, 9, p);
        QCOMPARE(int(r[5]), 0);
        QCOMPARE(int(r[4]), 7);
    }

    void zOpoznionejNaNatychmiastowa()
    {
        const RekordLinii stary = rekord({{2, 0x12}, {3, 1}, {6, 20}, {7, 30}, {13, 1}});
        ParametryLinii p = odczytajLinie(stary);
        QCOMPARE(p.typ, int(Opozniona));
        p.typ = Natychmiastowa;
        const RekordLinii r = zapiszLinie(stary, 4, p);
        QCOMPARE(int(r[6]), 0);
        QCOMPARE(int(r[7]), 0);
        QCOMPARE(odczytajLinie(r).typ, int(Natychmiastowa));
    }

    // Boxes left blank for stored values the editor cannot show keep those bytes.
    void nieznaneZostajaBezZmian()
    {
        const RekordLinii stary = rekord({{0, 7},
                                          {2, 0x03},
                                          {3, 0x8C},
                                          {4, 200},
                                          {5, 90},
                                          {6, 150},
                                          {7, 120},
                                          {8, 40},
                                          {9, 250},
                                          {10, 101},
                                          {25, 0x5A}});
        const ParametryLinii p = odczytajLinie(stary);
        QCOMPARE(p.typ, N);
        QCOMPARE(p.strefa, N);
        const RekordLinii r = zapiszLinie(stary, 7, p);
        QCOMPARE(int(r[2]), 0x03); // sensitivity code 0 and the type code stay
        QCOMPARE(int(r[3]), 0xCC); // the alarm count stays 12
        for (int j : {4, 5, 6, 7, 9, 10, 25})
            QCOMPARE(int(r[j]), int(stary[j]));
        for (int j = 12; j <= 21; ++j)
            QCOMPARE(int(r[j]), 0);

        // The same for a known type whose boxes are blank.
        ParametryLinii w = p;
        w.typ = Warunkowa;
        const RekordLinii q = zapiszLinie(stary, 7, w);
        QCOMPARE(int(q[2]), 0x08);
        for (int j : {4, 5, 6, 7})
            QCOMPARE(int(q[j]), int(stary[j]));
        QCOMPARE(int(q[25]), 0);
    }

    void nazwaPozaZakresemNieWychodziPozaBajt()
    {
        ParametryLinii p = zwykla(Natychmiastowa);
        p.nazwa = -1;
        QCOMPARE(int(zapiszLinie(rekord({{8, 77}}), 1, p)[8]), 77);
        p.nazwa = 256;
        QCOMPARE(int(zapiszLinie(rekord({{8, 77}}), 1, p)[8]), 77);
        p.nazwa = 255;
        QCOMPARE(int(zapiszLinie(rekord({{8, 77}}), 1, p)[8]), 255);
    }

    void tekstWyboru()
    {
        Konfiguracja k;
        WpiszNazwyLinii(k.NazwyLinii);
        k.Linie[7][8] = 169; // TARAS
        k.Linie[7][9] = 2;
        QCOMPARE(tekstWyboruLinii(k, 7), QStringLiteral("07 - TARAS2"));
        k.Linie[80][8] = 48; // DOKUMENT
        k.Linie[80][9] = 1;
        k.Linie[80][10] = 12;
        QCOMPARE(tekstWyboruLinii(k, 80), QStringLiteral("80 - DOKUMENT112"));
        QCOMPARE(tekstWyboruLinii(k, 10), QStringLiteral("10 - <bez nazwy>"));
    }
};

QTEST_APPLESS_MAIN(TestParametryLinii)
#include "tst_parametrylinii.moc"
