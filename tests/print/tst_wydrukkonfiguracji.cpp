// The configuration printout: each section's lines and positions for a small known image, the
// edges of the line section and bytes no editor would write.

#include "print/SekcjeKonfiguracji.h"
#include "print/WydrukKonfiguracji.h"
#include "tables/NazwyLinii.h"

#include <QTest>

using namespace zr05;

namespace
{
using Op = OperacjaWydruku;

// The printout as rows: "@x:" where the position is set, "[b1]" "[s10]" "[f:name]" for the
// font, "[end]" for the end of the document; a row ends where the printer ends the line.
QStringList wiersze(const Wydruk& w)
{
    QStringList r;
    QString biezacy;
    for (const Op& op : w.operacje()) {
        switch (op.rodzaj) {
        case Op::Czcionka:
            biezacy += QStringLiteral("[f:%1]").arg(op.tekst);
            break;
        case Op::Rozmiar:
            biezacy += QStringLiteral("[s%1]").arg(op.liczba);
            break;
        case Op::Pogrubienie:
            biezacy += QStringLiteral("[b%1]").arg(op.liczba);
            break;
        case Op::Pozycja:
            biezacy += QStringLiteral("@%1:").arg(op.liczba);
            break;
        case Op::Tekst:
            biezacy += op.tekst;
            break;
        case Op::Linia:
            r << biezacy + op.tekst;
            biezacy.clear();
            break;
        case Op::KoniecDokumentu:
            r << biezacy + QStringLiteral("[end]");
            biezacy.clear();
            break;
        }
    }
    if (!biezacy.isEmpty())
        r << biezacy; // left unfinished: a fault the comparisons will show
    return r;
}

template <typename F> QStringList sekcja(F druk, const Konfiguracja& k)
{
    Wydruk w;
    druk(w, k);
    return wiersze(w);
}

Konfiguracja pusty()
{
    Konfiguracja k;
    WpiszNazwyLinii(k.NazwyLinii);
    return k;
}

// 1, 2, ..., n, each followed by ", ".
QString kolejne(int od, int doN)
{
    QString t;
    for (int i = od; i <= doN; ++i)
        t += QString::number(i) + QStringLiteral(", ");
    return t;
}

const QDateTime Chwila(QDate(2001, 3, 7), QTime(9, 5, 0));
const QString TytulLinii = QStringLiteral("[s10][b1]@1000:LINIE DOZOROWE:");
const QString KolumnyLinii =
    QStringLiteral("@1000:Nr:  Nazwa:@2900:Str: Stan: Czuł: Al:  TYP LINII:");
} // namespace

class TestWydrukKonfiguracji : public QObject
{
    Q_OBJECT
private slots:
    void naglowek_data();
    void naglowek();
    void tylkoNaglowek();
    void klawiaturyIPodcentrale_data();
    void klawiaturyIPodcentrale();
    void linie();
    void linieWedlugPodcentral_data();
    void linieWedlugPodcentral();
    void czulosc_data();
    void czulosc();
    void liniaSzyfrujacaWszystkieLinie();
    void nazwaZeZnakamiSterujacymi();
    void wyjsciaOC();
    void wyjsciaPk();
    void kontroleStraznikow();
    void autoUzbrajanie();
    void strefyZalezne();
    void parametrySystemowe_data();
    void parametrySystemowe();
    void kolejnoscSekcji();
    void wybraneSekcje();
    void bajtyPozaZakresemEdytorow();
};

void TestWydrukKonfiguracji::naglowek_data()
{
    QTest::addColumn<QString>("plik");
    QTest::addColumn<QDateTime>("teraz");
    QTest::addColumn<QString>("zrodlo");
    QTest::newRow("from the panel")
        << QString() << Chwila << QStringLiteral("pobrana z centralki dnia: 2001-03-07  09:05:00");
    QTest::newRow("from a file")
        << QStringLiteral("/home/jan/obiekt 1.vor")
        << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 58))
        << QStringLiteral("pobrana z pliku: </home/jan/obiekt 1.vor> dnia: 2026-12-31  23:59:58");
}

void TestWydrukKonfiguracji::naglowek()
{
    QFETCH(QString, plik);
    QFETCH(QDateTime, teraz);
    QFETCH(QString, zrodlo);
    Wydruk w;
    DrukNaglowek(w, plik, teraz);
    const int dwukropek = int(zrodlo.indexOf(QStringLiteral("dnia: "))) + 6;
    const QList<Op> oczekiwane = {
        {Op::Czcionka, QStringLiteral("Times New Roman CE"), 0},
        {Op::Rozmiar, {}, 12},
        {Op::Pogrubienie, {}, 1},
        {Op::Pozycja, {}, 2000},
        {Op::Linia, QStringLiteral("KONFIGURACJA SYSTEMU VOR ZR-05"), 0},
        {Op::Pozycja, {}, 2000},
        {Op::Tekst, zrodlo.left(dwukropek), 0},
        {Op::Linia, zrodlo.mid(dwukropek), 0},
        {Op::Linia, {}, 0},
    };
    QCOMPARE(w.operacje(), oczekiwane);
}

void TestWydrukKonfiguracji::tylkoNaglowek()
{
    WyborSekcji tylko{};
    tylko[0] = true;
    const QStringList r = wiersze(wydrukKonfiguracji(pusty(), QString(), Chwila, tylko));
    const QStringList oczekiwane = {
        QStringLiteral("[f:Times New Roman CE][s12][b1]@2000:KONFIGURACJA SYSTEMU VOR ZR-05"),
        QStringLiteral("@2000:pobrana z centralki dnia: 2001-03-07  09:05:00"),
        QString(),
        QStringLiteral("[end]"),
    };
    QCOMPARE(r, oczekiwane);
}

void TestWydrukKonfiguracji::klawiaturyIPodcentrale_data()
{
    QTest::addColumn<QList<int>>("obecne"); // Urzadzenia items not 0
    QTest::addColumn<QString>("wiersz");
    QTest::newRow("none") << QList<int>{} << QStringLiteral("Klawiatury:   Podcentrale: ");
    QTest::newRow("keypads 1, 3, subpanel 2")
        << QList<int>{1, 3, 10} << QStringLiteral("Klawiatury: 1, 3,   Podcentrale: 2, ");
    QTest::newRow("all") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}
                         << QStringLiteral("Klawiatury: 1, 2, 3, 4, 5, 6, 7, 8,   Podcentrale: "
                                           "1, 2, 3, 4, 5, 6, 7, 8, ");
    QTest::newRow("subpanel 8 only")
        << QList<int>{16} << QStringLiteral("Klawiatury:   Podcentrale: 8, ");
}

void TestWydrukKonfiguracji::klawiaturyIPodcentrale()
{
    QFETCH(QList<int>, obecne);
    QFETCH(QString, wiersz);
    Konfiguracja k = pusty();
    for (int i : obecne)
        k.Urzadzenia[i] = Bajt(i == 1 ? 0xFF : 0x2F + i); // any value but 0 is present
    k.Urzadzenia[0] = 1;                                  // item 0 is never used
    const QStringList oczekiwane = {
        QStringLiteral("[s10][b1]@1000:KLAWIATURY I PODCENTRALE:"),
        QStringLiteral("[b0]@1000:") + wiersz,
    };
    QCOMPARE(sekcja(DrukKlawPodc, k), oczekiwane);
}

void TestWydrukKonfiguracji::linie()
{
    Konfiguracja k = pusty();
    k.Urzadzenia[10] = 0x39; // subpanel 2: lines 17..24
    auto& l1 = k.Linie[1];   // 24-hour, 2-state, 500 ms, 3 alarms, zones 3 and 7
    l1 = {1, 0, 0x24, 0xC3};
    l1[8] = 48, l1[9] = 2, l1[14] = 3, l1[18] = 7;
    auto& l2 = k.Linie[2]; // delayed, 1 s, no zone
    l2 = {2, 0, 0x42, 0x01, 0, 0, 30, 15};
    auto& l3 = k.Linie[3]; // immediate, sensitivity code 5, zone 10, exit delay ignored
    l3 = {3, 0, 0x52, 0x09, 0, 0, 0, 20};
    l3[21] = 10;
    auto& l4 = k.Linie[4]; // conditional, user name with its blanks
    l4 = {4, 0, 0x38, 0x82, 12, 0, 5, 7};
    l4[8] = 224, l4[12] = 1;
    k.NazwyLinii[224] = QStringLiteral("ABC     ");
    auto& l5 = k.Linie[5]; // encrypting lines 1, 9 and 80
    l5 = {5, 0, 0x11, 0x02};
    l5[13] = 2;
    ustawWZbiorze(l5, 22, 1, true), ustawWZbiorze(l5, 22, 9, true), ustawWZbiorze(l5, 22, 80, true);
    k.Linie[6][2] = 0x0F; // a type code no editor writes
    k.Linie[6][10] = 7;   // second number without the first
    auto& l17 = k.Linie[17];
    l17[8] = 110, l17[9] = 1, l17[10] = 5, l17[2] = 0x14;
    k.Linie[25][2] = 0x04; // subpanel 3 absent: never printed

    const QString puste = QStringLiteral("@3000:11   3-st    250    0   ");
    QStringList oczekiwane = {
        TytulLinii,
        KolumnyLinii,
        QStringLiteral("[b0]@1000:01 - DOKUMENT2@3000:03   2-st    500    3   CAŁODOBOWA"),
        QStringLiteral("@1000:02 - <bez nazwy>@3000:11   3-st    1000    1   OPÓŹN.:  Op. "
                       "We=30[s], Op. Wy=15[s]"),
        QStringLiteral("@1000:03 - <bez nazwy>@3000:10   3-st    250    9   NATYCHMIASTOWA"),
        QStringLiteral("@1000:04 - ABC     @3000:01   2-st    750    2   WARUN.:  Op. We=5[s], "
                       "Op. Wy=7[s], War. We=12, War. Wy=0"),
        QStringLiteral("@1000:05 - <bez nazwy>@3000:02   3-st    250    2   SZYFR.: 1,9,80,"),
        QStringLiteral("@1000:06 - <bez nazwy>7") + puste,
        QStringLiteral("@1000:07 - <bez nazwy>") + puste,
        QStringLiteral("@1000:08 - <bez nazwy>") + puste,
        QStringLiteral("@1000:17 - Panel15@3000:11   3-st    250    0   CAŁODOBOWA"),
    };
    for (int n = 18; n <= 24; ++n)
        oczekiwane << QStringLiteral("@1000:%1 - <bez nazwy>").arg(n) + puste;
    QCOMPARE(sekcja(DrukLinii, k), oczekiwane);
}

void TestWydrukKonfiguracji::linieWedlugPodcentral_data()
{
    QTest::addColumn<QList<int>>("podcentrale");
    QTest::addColumn<QList<int>>("linie");
    QList<int> wlasne = {1, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("no subpanel") << QList<int>{} << wlasne;
    QTest::newRow("subpanel 1") << QList<int>{1}
                                << wlasne + QList<int>{9, 10, 11, 12, 13, 14, 15, 16};
    QTest::newRow("subpanel 8: never 73..80")
        << QList<int>{8} << wlasne + QList<int>{65, 66, 67, 68, 69, 70, 71, 72};
    QTest::newRow("subpanels 7 and 2 in line order")
        << QList<int>{7, 2}
        << wlasne + QList<int>{17, 18, 19, 20, 21, 22, 23, 24, 57, 58, 59, 60, 61, 62, 63, 64};
}

void TestWydrukKonfiguracji::linieWedlugPodcentral()
{
    QFETCH(QList<int>, podcentrale);
    QFETCH(QList<int>, linie);
    Konfiguracja k = pusty();
    for (int p : podcentrale)
        k.Urzadzenia[8 + p] = 0x37 + p;
    for (int n = 1; n <= 8; ++n)
        k.Urzadzenia[n] = 0x30; // keypads decide nothing here
    const QStringList r = sekcja(DrukLinii, k);
    QCOMPARE(r.size(), 2 + linie.size());
    for (int i = 0; i < linie.size(); ++i)
        QVERIFY2(r[2 + i].contains(QStringLiteral("@1000:%1 - ")
                                       .arg(linie[i] < 10 ? QStringLiteral("0%1").arg(linie[i])
                                                          : QString::number(linie[i]))),
                 qPrintable(r[2 + i]));
}

void TestWydrukKonfiguracji::czulosc_data()
{
    QTest::addColumn<int>("kod");
    QTest::addColumn<QString>("ms");
    const char* ms[8] = {"250", "250", "500", "750", "1000", "250", "500", "750"};
    for (int c = 0; c < 8; ++c)
        QTest::addRow("code %d", c) << c << QString::fromLatin1(ms[c]);
}

void TestWydrukKonfiguracji::czulosc()
{
    QFETCH(int, kod);
    QFETCH(QString, ms);
    Konfiguracja k = pusty();
    k.Linie[1][2] = Bajt(kod << 4 | 4);
    k.Linie[1][3] = 0x80 | 5; // bit 6 clear: only bit 7 makes a 2-state line
    QCOMPARE(sekcja(DrukLinii, k)[2],
             QStringLiteral("[b0]@1000:01 - <bez nazwy>@3000:11   2-st    %1    5   CAŁODOBOWA")
                 .arg(ms));
}

void TestWydrukKonfiguracji::liniaSzyfrujacaWszystkieLinie()
{
    Konfiguracja k = pusty();
    auto& l = k.Linie[1];
    l[2] = 0x21, l[3] = 1, l[12] = 1;
    for (int b = 22; b < 32; ++b)
        l[b] = 0xFF;
    Wydruk w;
    DrukLinii(w, k);
    const QStringList r = wiersze(w);
    // Line 1 in pieces, then lines 2..8 of one row each.
    const int kawalki = int(r.size()) - 2 - 7;
    QVERIFY(kawalki >= 3);
    const QString pierwszy = QStringLiteral("[b0]@1000:01 - <bez nazwy>@3000:");
    QVERIFY(r[2].startsWith(pierwszy + QStringLiteral("01   3-st    500    1   SZYFR.: 1,2,3,")));
    QString numery;
    for (int i = 0; i < kawalki; ++i) {
        QString t = r[2 + i];
        const QString poczatek = i == 0 ? pierwszy : QStringLiteral("@4700:");
        QVERIFY2(t.startsWith(poczatek), qPrintable(t));
        t = t.mid(poczatek.size());
        QVERIFY(t.endsWith(QLatin1Char(',')));
        if (i + 1 < kawalki) {
            // Broken once it passed the limit, not before: without its last entry it fits.
            const int limit = i == 0 ? 90 : 66;
            QVERIFY2(t.size() > limit, qPrintable(t));
            const QString bezOstatniego = t.left(t.lastIndexOf(QLatin1Char(','), -2) + 1);
            QVERIFY2(bezOstatniego.size() <= limit, qPrintable(t));
        }
        numery += i == 0 ? t.mid(t.indexOf(QStringLiteral("SZYFR.: ")) + 8) : t;
    }
    QString wszystkie;
    for (int m = 1; m <= 80; ++m)
        wszystkie += QString::number(m) + QLatin1Char(',');
    QCOMPARE(numery, wszystkie);
    QVERIFY(r[2 + kawalki].startsWith(QStringLiteral("@1000:02 - ")));
    // The first piece as a reader counts it: 32 characters of columns, then the numbers up to
    // the first one that takes the text past 90.
    QCOMPARE(r[2].mid(pierwszy.size()),
             QStringLiteral("01   3-st    500    1   SZYFR.: 1,2,3,4,5,6,7,8,9,10,11,12,13,14,"
                            "15,16,17,18,19,20,21,22,23,"));
}

void TestWydrukKonfiguracji::nazwaZeZnakamiSterujacymi()
{
    Konfiguracja k = pusty();
    k.NazwyLinii[230] = QStringLiteral("A\r\nB\tC") + QChar(0x7F) + QStringLiteral("Ż");
    k.Linie[2][8] = 230;
    QCOMPARE(sekcja(DrukLinii, k)[3],
             QStringLiteral("@1000:02 - A  B C Ż@3000:11   3-st    250    0   "));
}

void TestWydrukKonfiguracji::wyjsciaOC()
{
    Konfiguracja k = pusty();
    k.WyjOC[1][2] = 192, k.WyjOC[1][3] = 3;
    k.WyjOC[1][14] = 1, k.WyjOC[1][15] = 1; // events 1 and 9
    k.WyjOC[2][2] = 128, k.WyjOC[2][3] = 9;
    k.WyjOC[3][2] = 0xC1; // neither value: closed
    for (int b = 14; b <= 20; ++b)
        k.WyjOC[16][b] = 0xFF;
    k.WyjOC[16][21] = 0xFF; // bytes after the set are not events
    k.WyjOC[0][2] = 192;    // record 0 is never printed
    QStringList oczekiwane = {
        QStringLiteral("[s10][b1]@1000:WYJŚCIA OC:"),
        QStringLiteral("@1000:Nr:  TYP:  Opóźn.:  Zdarzenia:"),
        QStringLiteral("[b0]@1000:01     NO     3[min]   1, 9, "),
        QStringLiteral("@1000:02     NC     9[min]   "),
        QStringLiteral("@1000:03     NC     0[min]   "),
    };
    for (int n = 4; n <= 9; ++n)
        oczekiwane << QStringLiteral("@1000:0%1     NC     0[min]   ").arg(n);
    for (int n = 10; n <= 15; ++n)
        oczekiwane << QStringLiteral("@1000:%1     NC     0[min]   ").arg(n);
    oczekiwane << QStringLiteral("@1000:16     NC     0[min]   ") + kolejne(1, 56);
    QCOMPARE(sekcja(DrukWyOC, k), oczekiwane);
}

void TestWydrukKonfiguracji::wyjsciaPk()
{
    Konfiguracja k = pusty();
    k.WyjPk[1] = {0, 1, 4, 2};
    k.WyjPk[1][20] = 0x80; // event 56
    k.WyjPk[2] = {0, 2, 0, 9};
    k.WyjPk[2][16] = 0x05; // events 17 and 19
    const QStringList oczekiwane = {
        QStringLiteral("[s10][b1]@1000:WYJŚCIA PK:"),
        QStringLiteral("@1000:Nr:  Kas:    Czas al:  Opóźn.:  Zdarzenia:"),
        QStringLiteral("[b0]@1000:01    autom.   4[min]   2[min]   56, "),
        QStringLiteral("@1000:02    ręczne   0[min]   9[min]   17, 19, "),
    };
    QCOMPARE(sekcja(DrukWyPk, k), oczekiwane);
    k.WyjPk[1][1] = 0; // neither value: manual
    QVERIFY(sekcja(DrukWyPk, k)[2].contains(QStringLiteral("01    ręczne   4[min]")));
}

void TestWydrukKonfiguracji::kontroleStraznikow()
{
    Konfiguracja k = pusty();
    k.Kontrole[1] = {1, 2, 7, 5, 5, 0x01, 0x02};   // guards 1 and 10
    k.Kontrole[3] = {0, 4, 12, 30, 3, 0xFF, 0xFF}; // free: its other bytes do not count
    k.Kontrole[5] = {5, 8, 24, 0, 10, 0, 0};       // hour 24 still printed
    k.Kontrole[24] = {24, 1, 23, 59, 1, 0x80, 0x80};
    const QStringList oczekiwane = {
        QStringLiteral("[s10][b1]@1000:KONTROLE STRAŻNIKÓW:"),
        QStringLiteral("@1000:Nr:  Klaw:   Czas:     Tol.:     Nr strażników:"),
        QStringLiteral("[b0]@1000:01       2        07:05      5min    1, 10, "),
        QStringLiteral("@1000:05       8        24:00      10min    "),
        QStringLiteral("@1000:24       1        23:59      1min    8, 16, "),
    };
    QCOMPARE(sekcja(DrukKonStra, k), oczekiwane);
    // No control: the titles only.
    QCOMPARE(sekcja(DrukKonStra, pusty()),
             oczekiwane.mid(0, 2) + QStringList{QStringLiteral("[b0]")});
}

void TestWydrukKonfiguracji::autoUzbrajanie()
{
    Konfiguracja k = pusty();
    k.AutoUzbr = {6, 0, 10, 0x81, 0x02}; // zones 1, 8, 10
    QStringList oczekiwane = {
        QStringLiteral("[s10][b1]@1000:AUTOMATYCZNE UZBRAJANIE STREF:"),
        QStringLiteral("@1000:Czas uzbr:  Cichy Al:  Nr uzbr. stref:"),
        QStringLiteral("[b0]@1000:       06:00        10min       1, 8, 10, "),
    };
    QCOMPARE(sekcja(DrukAutoUzbr, k), oczekiwane);
    oczekiwane[2] = QStringLiteral("[b0]@1000:       00:00        0min       ");
    QCOMPARE(sekcja(DrukAutoUzbr, pusty()), oczekiwane);
}

void TestWydrukKonfiguracji::strefyZalezne()
{
    Konfiguracja k = pusty();
    k.Strefy[1][14] = 0x02; // zone 1 can depend on none: not printed
    k.Strefy[2][14] = 0x01;
    k.Strefy[5][14] = 0x0B;  // zones 1, 2, 4
    k.Strefy[10][15] = 0x01; // zone 9 only, in the second byte
    k.Strefy[7][0] = 0xFF;   // contents alone are no dependency
    const QStringList oczekiwane = {
        QStringLiteral("[s10][b1]@1000:STREFY ZALEŻNE:"),
        QStringLiteral("[b0]@1000:Strefa: 02  zależna od stref: 1, "),
        QStringLiteral("@1000:Strefa: 05  zależna od stref: 1, 2, 4, "),
        QStringLiteral("@1000:Strefa: 10  zależna od stref: 9, "),
    };
    QCOMPARE(sekcja(DrukStrZal, k), oczekiwane);
}

void TestWydrukKonfiguracji::parametrySystemowe_data()
{
    QTest::addColumn<int>("klawisze");
    QTest::addColumn<int>("tajne");
    QTest::addColumn<QStringList>("stany"); // A, B, C, D
    QTest::addColumn<QString>("kody");
    const QString a = QStringLiteral("AKTYWNA"), n = QStringLiteral("NIEAKTYWNA");
    QTest::newRow("none, open") << 0 << 0 << QStringList{n, n, n, n}
                                << QStringLiteral("KODY - JAWNE");
    QTest::newRow("A and C, secret")
        << 0x05 << 1 << QStringList{a, n, a, n} << QStringLiteral("KODY - TAJNE");
    QTest::newRow("B and D, odd secret value")
        << 0x0A << 0x80 << QStringList{n, a, n, a} << QStringLiteral("KODY - TAJNE");
    QTest::newRow("high bits ignored")
        << 0xF0 << 0 << QStringList{n, n, n, n} << QStringLiteral("KODY - JAWNE");
}

void TestWydrukKonfiguracji::parametrySystemowe()
{
    QFETCH(int, klawisze);
    QFETCH(int, tajne);
    QFETCH(QStringList, stany);
    QFETCH(QString, kody);
    Konfiguracja k = pusty();
    k.KlawFun = Bajt(klawisze);
    k.KodyTajne = Bajt(tajne);
    k.CzasKodu = 30;
    k.CzasBlokady = 5;
    k.Buzzery = 0x85; // keypads 1, 3, 8
    const QStringList oczekiwane = {
        QStringLiteral("[s10][b1]@1000:PARAMETRY SYSTEMOWE:"),
        QStringLiteral("@1000:Klawisze funkcyjne:"),
        QStringLiteral("[b0]@1000:A - POLICJA                - ") + stany[0],
        QStringLiteral("@1000:B - POGOTOWIE         - ") + stany[1],
        QStringLiteral("@1000:C - STRAŻ POŻARNA - ") + stany[2],
        QStringLiteral("@1000:D - OCHRONA             - ") + stany[3],
        QStringLiteral("@1000:") + kody,
        QStringLiteral("@1000:Maksymalny czas wprowadzania kodu: 30 [s]"),
        QStringLiteral("@1000:Czas blokowania klawiatury: 5 [min]"),
        QStringLiteral("@1000:Buzzer aktywny w klawiaturach: 1, 3, 8, "),
    };
    QCOMPARE(sekcja(DrukKlawFun, k), oczekiwane);
}

void TestWydrukKonfiguracji::kolejnoscSekcji()
{
    const QStringList r = wiersze(wydrukKonfiguracji(pusty(), QString(), Chwila));
    const QStringList tytuly = {
        QStringLiteral("KONFIGURACJA SYSTEMU VOR ZR-05"),
        QStringLiteral("KLAWIATURY I PODCENTRALE:"),
        QStringLiteral("LINIE DOZOROWE:"),
        QStringLiteral("WYJŚCIA OC:"),
        QStringLiteral("WYJŚCIA PK:"),
        QStringLiteral("KONTROLE STRAŻNIKÓW:"),
        QStringLiteral("AUTOMATYCZNE UZBRAJANIE STREF:"),
        QStringLiteral("STREFY ZALEŻNE:"),
        QStringLiteral("PARAMETRY SYSTEMOWE:"),
    };
    int poprzedni = -1;
    for (const QString& t : tytuly) {
        int i = -1;
        for (int j = 0; j < r.size() && i < 0; ++j)
            if (r[j].endsWith(QLatin1Char(':') + t))
                i = j;
        QVERIFY2(i > poprzedni, qPrintable(t));
        poprzedni = i;
    }
    // One empty line, after the header; the document ends once, at the end.
    QCOMPARE(r.count(QString()), 1);
    QCOMPARE(r.indexOf(QString()), 2);
    QCOMPARE(r.last(), QStringLiteral("[end]"));
    QCOMPARE(r.filter(QStringLiteral("[end]")).size(), 1);
    // The font name is set by the header alone.
    QCOMPARE(r.filter(QStringLiteral("[f:")).size(), 1);
}

void TestWydrukKonfiguracji::wybraneSekcje()
{
    Konfiguracja k = pusty();
    k.Strefy[3][14] = 1;
    WyborSekcji wybor{};
    const QList<Op> nic = {{Op::KoniecDokumentu, {}, 0}};
    QCOMPARE(wydrukKonfiguracji(k, QString(), Chwila, wybor).operacje(), nic);

    wybor[int(SekcjaKonfiguracji::StrZal)] = true;
    wybor[int(SekcjaKonfiguracji::KlawPodc)] = true;
    Wydruk oczekiwany;
    DrukKlawPodc(oczekiwany, k);
    DrukStrZal(oczekiwany, k);
    oczekiwany.koniecDokumentu();
    QCOMPARE(wydrukKonfiguracji(k, QStringLiteral("x.vor"), Chwila, wybor).operacje(),
             oczekiwany.operacje());
}

void TestWydrukKonfiguracji::bajtyPozaZakresemEdytorow()
{
    Konfiguracja k;
    for (auto& r : k.Linie)
        r.fill(0xFF);
    for (auto& r : k.WyjOC)
        r.fill(0xFF);
    for (auto& r : k.WyjPk)
        r.fill(0xFF);
    for (auto& r : k.Kontrole)
        r.fill(0xFF);
    for (auto& r : k.Strefy)
        r.fill(0xFF);
    k.Urzadzenia.fill(0xFF);
    k.AutoUzbr.fill(0xFF);
    k.KodyTajne = k.Buzzery = k.CzasKodu = k.KlawFun = k.CzasBlokady = 0xFF;
    // The dictionary left empty: the names print as nothing.
    const QStringList r = wiersze(wydrukKonfiguracji(k, QString(), Chwila));
    QVERIFY(r.contains(QStringLiteral("[b0]@1000:Klawiatury: 1, 2, 3, 4, 5, 6, 7, 8,   "
                                      "Podcentrale: 1, 2, 3, 4, 5, 6, 7, 8, ")));
    // 8 own lines and 8 subpanels' 64; sensitivity code 7 reads as 750; type code 15 is no type.
    QCOMPARE(r.filter(QStringLiteral("@3000:01   2-st    750    15   ")).size(), 72);
    QVERIFY(r.contains(QStringLiteral("@1000:72 - 255255@3000:01   2-st    750    15   ")));
    QVERIFY(r.filter(QStringLiteral("@1000:73 - ")).isEmpty());
    QVERIFY(r.contains(QStringLiteral("@1000:16     NC     255[min]   ") + kolejne(1, 56)));
    QVERIFY(
        r.contains(QStringLiteral("@1000:02    ręczne   255[min]   255[min]   ") + kolejne(1, 56)));
    QVERIFY(r.contains(QStringLiteral("@1000:255       255        255:255      255min    ") +
                       kolejne(1, 16)));
    QVERIFY(r.contains(QStringLiteral("[b0]@1000:       255:255        255min       ") +
                       kolejne(1, 16)));
    QVERIFY(r.contains(QStringLiteral("@1000:Strefa: 10  zależna od stref: ") + kolejne(1, 16)));
    QVERIFY(r.contains(QStringLiteral("@1000:Czas blokowania klawiatury: 255 [min]")));
}

QTEST_MAIN(TestWydrukKonfiguracji)
#include "tst_wydrukkonfiguracji.moc"
