// Poll answers and the request sent at a slot for every operation code, and how each code
// moves on.

#include "StanowiskoLacza.h"

#include <QSignalSpy>
#include <QTest>

using namespace zr05;

namespace
{
using B = StanowiskoLacza;

QByteArray zadanieOdczytu(int dlugosc, int adres)
{
    return ramka::zSuma(
        B::bajty({0x37, 0xB0, dlugosc & 0xFF, dlugosc >> 8, adres & 0xFF, adres >> 8}));
}

// Sends a slot with the given operation code and returns what went out.
QByteArray zadanie(StanowiskoLacza& s, int kod)
{
    s.m.KodOperacji = Bajt(kod);
    s.odbierzWyslane();
    s.odbierz(s.poll());
    s.odbierzWyslane();
    s.odbierz(s.slot());
    return s.odbierzWyslane();
}
} // namespace

class TestZadania : public QObject
{
    Q_OBJECT
private slots:
    void odpowiedzNaPoll_data()
    {
        QTest::addColumn<bool>("onLine");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QByteArray>("odpowiedz");
        QTest::newRow("idle") << false << 0 << B::bajty({0x37, 0x00, 0xC9});
        QTest::newRow("idle on-line") << true << 0 << B::bajty({0x37, 0x20, 0xA9});
        QTest::newRow("busy on-line") << true << 5 << B::bajty({0x37, 0x28, 0xA1});
        QTest::newRow("busy") << false << 60 << B::bajty({0x37, 0x08, 0xC1});
    }
    void odpowiedzNaPoll()
    {
        QFETCH(bool, onLine);
        QFETCH(int, kod);
        QFETCH(QByteArray, odpowiedz);
        StanowiskoLacza s;
        s.m.ustawOnLine(onLine);
        s.m.KodOperacji = Bajt(kod);
        s.odbierz(s.poll());
        QCOMPARE(s.odbierzWyslane(), odpowiedz);
    }

    void wyslijLiczySumeIZeroZamiast256()
    {
        // The poll answer 0x37 0x20 must end in 0xA9; a frame summing to 0x100 ends in 0.
        StanowiskoLacza s;
        s.m.ustawOnLine(true);
        s.odbierz(s.poll());
        QCOMPARE(s.odbierzWyslane(), B::bajty({0x37, 0x20, 0xA9}));
        QCOMPARE(ramka::sumaKontrolna(B::bajty({0x37, 0xC9})), 0);
    }

    void zadaniaOdczytu_data()
    {
        QTest::addColumn<int>("kod");
        QTest::addColumn<int>("dlugosc");
        QTest::addColumn<int>("adres");
        QTest::addColumn<int>("nastepny");
        // The configuration reads are moved on by the transfer that owns them, not the link.
        for (int k = 1; k <= 20; ++k)
            QTest::addRow("%d", k) << k << 128 << 0x2000 + (k - 1) * 128 << k;
        for (int k = 21; k <= 23; ++k)
            QTest::addRow("%d", k) << k << 120 << 0x3000 + (k - 21) * 120 << k;
        QTest::newRow("24") << 24 << 72 << 0x3168 << 24;
        QTest::newRow("25") << 25 << 16 << 0x0080 << 25;
        QTest::newRow("26") << 26 << 5 << 0x1070 << 26;
        QTest::newRow("27") << 27 << 128 << 0x1300 << 27;
        QTest::newRow("28") << 28 << 96 << 0x1380 << 28;
        QTest::newRow("29") << 29 << 96 << 0x0200 << 29;
        QTest::newRow("30") << 30 << 64 << 0x0260 << 30;
        QTest::newRow("31") << 31 << 128 << 0x0D00 << 31;
        QTest::newRow("32") << 32 << 128 << 0x0D80 << 32;
        QTest::newRow("41") << 41 << 2 << 0x0757 << 0;
        QTest::newRow("42") << 42 << 5 << 0x1070 << 43;
    }
    void zadaniaOdczytu()
    {
        QFETCH(int, kod);
        QFETCH(int, dlugosc);
        QFETCH(int, adres);
        QFETCH(int, nastepny);
        StanowiskoLacza s;
        QCOMPARE(zadanie(s, kod), zadanieOdczytu(dlugosc, adres));
        // A read waits for its answer, asked again at every slot until it comes.
        QCOMPARE(s.m.KodOperacji, Bajt(kod));
        s.odbierz(s.slot());
        QCOMPARE(s.odbierzWyslane(), zadanieOdczytu(dlugosc, adres));
        QByteArray k("\x37\x6B");
        k.append(QByteArray(dlugosc, '\0'));
        s.odbierz(ramka::zSuma(k));
        QCOMPARE(s.m.KodOperacji, Bajt(nastepny));
    }

    void przykladOdczytuKodu5()
    {
        StanowiskoLacza s;
        QCOMPARE(zadanie(s, 5), B::bajty({0x37, 0xB0, 0x80, 0x00, 0x00, 0x22, 0x77}));
    }

    void odpowiedzDlaPorzuconejOperacjiJestPomijana()
    {
        StanowiskoLacza s;
        QSignalSpy dane(&s.lacze, &Lacze::daneOdczytu);
        zadanie(s, 41);
        s.m.KodOperacji = 1; // the user started a download in between
        QByteArray k("\x37\x6B\x01\x05");
        s.odbierz(ramka::zSuma(k));
        QCOMPARE(dane.count(), 0);
        QCOMPARE(s.m.KodOperacji, Bajt(1));
    }

    void zapisBlokadyMa118Bajtow()
    {
        StanowiskoLacza s;
        s.m.Obraz.CzasBlokady = 15;
        // Fill the send buffer first so the unused part of the data area has something in it.
        zadanie(s, 1);
        const QByteArray z43 = zadanie(s, 43);
        QCOMPARE(z43.size(), 118);
        QCOMPARE(z43.left(7), B::bajty({0x37, 0xB1, 0x57, 0x07, 2, 1, 15}));
        QCOMPARE(ramka::sumaKontrolna(z43), 0);
        QCOMPARE(s.m.KodOperacji, Bajt(0));

        const QByteArray z44 = zadanie(s, 44);
        QCOMPARE(z44.size(), 118);
        QCOMPARE(z44.left(7), B::bajty({0x37, 0xB1, 0x57, 0x07, 2, 0, 0}));
        // Beyond the data the area keeps what the previous frame left there.
        QCOMPARE(z44.mid(7, 110), z43.mid(7, 110));
        QCOMPARE(ramka::sumaKontrolna(z44), 0);
        QCOMPARE(s.m.KodOperacji, Bajt(0));
    }

    void ramkaKodu()
    {
        StanowiskoLacza s;
        s.m.KodWprowadzony = {0x12, 0x34, 0xFF, 0xFF};
        const QByteArray ramkaKodu = ramka::zSuma(B::bajty({0x37, 0xF0, 0x12, 0x34, 0xFF, 0xFF}));
        QCOMPARE(zadanie(s, 40), ramkaKodu);
        QCOMPARE(s.m.KodOperacji, Bajt(40));
        // The send buffer keeps no copy; the code goes out again at every slot until answered.
        for (int i = 2; i < 6; ++i)
            QCOMPARE(s.lacze.buforNad()[i], Bajt(0));
        s.odbierz(s.slot());
        QCOMPARE(s.odbierzWyslane(), ramkaKodu);
        // Once another operation has replaced it, the code is forgotten.
        s.m.KodOperacji = 47;
        s.odbierz(s.poll());
        QVERIFY(s.m.KodWprowadzony == (std::array<Bajt, 4>{}));
    }

    void ramkiArchiwum()
    {
        StanowiskoLacza s;
        s.m.DataArchiwum = {31, 12, 26};
        QCOMPARE(zadanie(s, 45), ramka::zSuma(B::bajty({0x37, 0xB2, 1, 31, 12, 26})));
        QCOMPARE(s.m.KodOperacji, Bajt(47));
        QCOMPARE(zadanie(s, 46), ramka::zSuma(B::bajty({0x37, 0xB2, 2, 31, 12, 26})));
        QCOMPARE(s.m.KodOperacji, Bajt(47));
        QCOMPARE(zadanie(s, 47), B::bajty({0x37, 0xB3, 0x16}));
        QCOMPARE(s.m.KodOperacji, Bajt(47));
    }

    void koniecProgramowania()
    {
        StanowiskoLacza s;
        QCOMPARE(zadanie(s, 101), B::bajty({0x37, 0xDE, 0xEB}));
        QCOMPARE(s.m.KodOperacji, Bajt(0));
    }

    void kodyBezZadaniaNicNieWysylaja_data()
    {
        QTest::addColumn<int>("kod");
        for (int k : {0, 33, 39, 48, 59, 102, 255})
            QTest::addRow("%d", k) << k;
    }
    void kodyBezZadaniaNicNieWysylaja()
    {
        QFETCH(int, kod);
        StanowiskoLacza s;
        QVERIFY(zadanie(s, kod).isEmpty());
        QCOMPARE(s.m.KodOperacji, Bajt(kod));
    }

    void ramkiZapisuKonfiguracji()
    {
        StanowiskoLacza s;
        QSignalSpy wyslane(&s.lacze, &Lacze::zadanieWyslane);
        auto& k = s.m.Obraz;
        for (int n = 1; n <= 80; ++n)
            for (int j = 0; j < 32; ++j)
                k.Linie[n][j] = Bajt(n * 3 + j);
        k.WyjPk[2][0] = 0xAB;
        k.AutoUzbr = {7, 30, 2, 5, 0};
        k.NazwyLinii[224] = QStringLiteral("ABC");
        k.NazwyLinii[255] = QStringLiteral("DŁUGANAZWA");

        QMap<int, QByteArray> ramki;
        for (int kod = 60; kod <= 100; ++kod) {
            s.m.KodOperacji = Bajt(kod);
            s.odbierz(s.slot());
            ramki[kod] = s.odbierzWyslane();
            QVERIFY(ramki[kod].size() == 118);
        }
        QCOMPARE(wyslane.count(), 41);

        // Step 60 carries lines 1..3 at 0x2000, step 86 lines 79 and 80 at 0x29C0.
        QCOMPARE(ramki[60].mid(2, 3), B::bajty({0x00, 0x20, 96}));
        for (int j = 0; j < 32; ++j) {
            QCOMPARE(Bajt(ramki[60][5 + j]), k.Linie[1][j]);
            QCOMPARE(Bajt(ramki[60][5 + 64 + j]), k.Linie[3][j]);
            QCOMPARE(Bajt(ramki[85][5 + 64 + j]), k.Linie[78][j]);
            QCOMPARE(Bajt(ramki[86][5 + 32 + j]), k.Linie[80][j]);
        }
        QCOMPARE(ramki[86].mid(2, 3), B::bajty({0xC0, 0x29, 64}));
        QCOMPARE(ramki[91].mid(2, 3), B::bajty({0x80, 0x31, 48}));
        QCOMPARE(Bajt(ramki[91][5 + 24]), Bajt(0xAB));
        QCOMPARE(ramki[95].mid(2, 8), B::bajty({0xD0, 0x13, 5, 7, 30, 2, 5, 0}));
        QCOMPARE(ramki[98].mid(2, 11),
                 B::bajty({0x00, 0x0D, 96, 'A', 'B', 'C', ' ', ' ', ' ', ' ', ' '}));
        // Name 255 is the last of step 100, cut to 8 characters ("Ł" is 0xA3 in Windows-1250).
        QCOMPARE(ramki[100].mid(2, 3), B::bajty({0xC0, 0x0D, 64}));
        QCOMPARE(ramki[100].mid(5 + 56, 8), B::bajty({'D', 0xA3, 'U', 'G', 'A', 'N', 'A', 'Z'}));
    }
};

QTEST_GUILESS_MAIN(TestZadania)
#include "tst_zadania.moc"
