// Lamp colours from the stored status frames and the image, and the line hover text.

#include "StanowiskoLacza.h"
#include "link/Lampki.h"
#include "link/PodpowiedzLinii.h"
#include "tables/NazwyLinii.h"

#include <QSignalSpy>
#include <QTest>

using namespace zr05;

Q_DECLARE_METATYPE(zr05::KolorLampki)

namespace
{
using K = KolorLampki;

// A status frame: its letter, data bytes 1..10, the checksum.
QByteArray stan(char litera, std::initializer_list<std::pair<int, int>> bajty = {})
{
    QByteArray b(11, '\0');
    b[0] = litera;
    for (auto [i, v] : bajty)
        b[i] = char(v);
    return ramka::zSuma(b);
}

QByteArray wszystkieIstnieja()
{
    QByteArray b(11, char(0xFF));
    b[0] = 'D';
    return ramka::zSuma(b);
}

struct Lampy {
    StanowiskoLacza s;
    LampkiStanu l{s.m};
    Lampy() { l.polacz(s.lacze); }
    void wyslij(const QByteArray& r)
    {
        s.pauza(200);
        s.odbierz(r);
    }
    const StanLampek& st() const { return l.stan(); }
};
} // namespace

class TestLampki : public QObject
{
    Q_OBJECT
private slots:
    void naStarcieBiale();
    void linie_data();
    void linie();
    void bezRamkiDWszystkieNieIstnieja();
    void tylkoCOdswieza();
    void zlaSumaCNieOdswieza();
    void strefy_data();
    void strefy();
    void istnienieStref();
    void alarmy();
    void podpowiedz_data();
    void podpowiedz();
    void podpowiedzPozaZakresem();
};

void TestLampki::naStarcieBiale()
{
    Lampy t;
    for (auto k : t.st().linie)
        QCOMPARE(k, K::Bialy);
    for (auto k : t.st().strefy)
        QCOMPARE(k, K::Bialy);
    for (auto k : t.st().alarmy)
        QCOMPARE(k, K::Bialy);
}

void TestLampki::linie_data()
{
    QTest::addColumn<QByteArray>("A");
    QTest::addColumn<QByteArray>("B");
    QTest::addColumn<QByteArray>("D");
    QTest::addColumn<int>("linia");
    QTest::addColumn<KolorLampki>("kolor");
    const QByteArray D = wszystkieIstnieja();

    QTest::newRow("1 disarmed") << stan('A') << stan('B') << D << 1 << K::Bialy;
    QTest::newRow("1 armed") << stan('A', {{1, 1}}) << stan('B') << D << 1 << K::Zielony;
    QTest::newRow("1 tamper") << stan('A', {{6, 1}}) << stan('B') << D << 1 << K::Niebieski;
    QTest::newRow("1 alarm") << stan('A', {{1, 1}, {6, 1}}) << stan('B') << D << 1 << K::Czerwony;
    QTest::newRow("1 alarm, not existing")
        << stan('A', {{1, 1}, {6, 1}}) << stan('B') << stan('D', {{1, 0xFE}}) << 1 << K::Nieczynny;
    QTest::newRow("2 exists when only its bit")
        << stan('A', {{1, 2}}) << stan('B') << stan('D', {{1, 2}}) << 2 << K::Zielony;
    QTest::newRow("12: byte 2 bit 3")
        << stan('A', {{2, 8}, {7, 8}}) << stan('B') << D << 12 << K::Czerwony;
    QTest::newRow("40: byte 5 bit 7")
        << stan('A', {{10, 0x80}}) << stan('B') << stan('D', {{5, 0x80}}) << 40 << K::Niebieski;
    QTest::newRow("41 from frame B byte 1 bit 0")
        << stan('A', {{1, 0xFF}}) << stan('B', {{1, 1}}) << stan('D', {{6, 1}}) << 41 << K::Zielony;
    QTest::newRow("41 not existing: bit 0 of D byte 6 clear")
        << stan('A') << stan('B', {{1, 1}}) << stan('D', {{1, 0xFF}, {6, 0xFE}}) << 41
        << K::Nieczynny;
    QTest::newRow("41 ignores frame A")
        << stan('A', {{1, 1}, {6, 1}}) << stan('B') << D << 41 << K::Bialy;
    QTest::newRow("80 alarm") << stan('A') << stan('B', {{5, 0x80}, {10, 0x80}})
                              << stan('D', {{10, 0x80}}) << 80 << K::Czerwony;
}

void TestLampki::linie()
{
    QFETCH(QByteArray, A);
    QFETCH(QByteArray, B);
    QFETCH(QByteArray, D);
    QFETCH(int, linia);
    QFETCH(KolorLampki, kolor);
    Lampy t;
    for (const auto& r : {D, A, B, stan('C')})
        t.wyslij(r);
    QCOMPARE(t.st().linie[size_t(linia - 1)], kolor);
    // Every other line shows only what its own bits say.
    for (int n = 1; n <= 80; ++n) {
        if (n == linia)
            continue;
        const int i = n - 1, bajt = 1 + (i % 40) / 8, maska = 1 << (i % 8);
        const QByteArray& ramka = n <= 40 ? A : B;
        const bool istnieje = D[1 + i / 8] & maska;
        const bool a = ramka[bajt] & maska, s = ramka[bajt + 5] & maska;
        const K oczekiwany = !istnieje ? K::Nieczynny
                             : a       ? (s ? K::Czerwony : K::Zielony)
                                       : (s ? K::Niebieski : K::Bialy);
        QCOMPARE(t.st().linie[size_t(i)], oczekiwany);
    }
}

void TestLampki::bezRamkiDWszystkieNieIstnieja()
{
    Lampy t;
    t.wyslij(stan('A', {{1, 0xFF}}));
    t.wyslij(stan('C'));
    for (auto k : t.st().linie)
        QCOMPARE(k, K::Nieczynny);
}

void TestLampki::tylkoCOdswieza()
{
    Lampy t;
    QSignalSpy odswiezone(&t.l, &LampkiStanu::odswiezone);
    t.wyslij(wszystkieIstnieja());
    t.wyslij(stan('A', {{1, 1}}));
    t.wyslij(stan('B', {{1, 1}}));
    QCOMPARE(odswiezone.count(), 0);
    QCOMPARE(t.st().linie[0], K::Bialy);
    t.wyslij(stan('C'));
    QCOMPARE(odswiezone.count(), 1);
    QCOMPARE(t.st().linie[0], K::Zielony);
    QCOMPARE(t.st().linie[40], K::Zielony);
    // A newer 'A' shows only at the next 'C'; the stored 'B' still counts.
    t.wyslij(stan('A'));
    QCOMPARE(t.st().linie[0], K::Zielony);
    t.wyslij(stan('C'));
    QCOMPARE(t.st().linie[0], K::Bialy);
    QCOMPARE(t.st().linie[40], K::Zielony);
}

void TestLampki::zlaSumaCNieOdswieza()
{
    Lampy t;
    t.wyslij(wszystkieIstnieja());
    t.wyslij(stan('C', {{1, 1}}));
    QCOMPARE(t.st().strefy[0], K::Zielony);
    QSignalSpy odswiezone(&t.l, &LampkiStanu::odswiezone);
    QByteArray zla = stan('C', {{8, 0xFF}});
    zla[11] = char(zla[11] + 1);
    t.wyslij(zla);
    QCOMPARE(odswiezone.count(), 0);
    QCOMPARE(int(t.s.lacze.ramka(3)[8]), 0);
    QCOMPARE(int(t.s.lacze.ramka(3)[1]), 1);
    QCOMPARE(t.st().alarmy[0], K::Bialy);
    QCOMPARE(t.st().strefy[0], K::Zielony);
}

void TestLampki::strefy_data()
{
    QTest::addColumn<QByteArray>("C");
    QTest::addColumn<int>("strefa");
    QTest::addColumn<KolorLampki>("kolor");
    QTest::newRow("1 disarmed") << stan('C') << 1 << K::Bialy;
    QTest::newRow("1 armed (byte 1)") << stan('C', {{1, 1}}) << 1 << K::Zielony;
    QTest::newRow("1 armed (byte 6)") << stan('C', {{6, 1}}) << 1 << K::Zielony;
    QTest::newRow("1 partly armed") << stan('C', {{3, 1}}) << 1 << K::Zolty;
    QTest::newRow("1 partly armed wins") << stan('C', {{1, 1}, {3, 1}, {6, 1}}) << 1 << K::Zolty;
    QTest::newRow("8 armed") << stan('C', {{1, 0x80}}) << 8 << K::Zielony;
    QTest::newRow("9 armed: byte 2 bit 0") << stan('C', {{2, 1}}) << 9 << K::Zielony;
    QTest::newRow("10 armed: byte 2 bit 1") << stan('C', {{2, 2}}) << 10 << K::Zielony;
    QTest::newRow("10 armed: byte 7 bit 1") << stan('C', {{7, 2}}) << 10 << K::Zielony;
    QTest::newRow("10 partly: byte 4 bit 1") << stan('C', {{4, 2}, {2, 2}}) << 10 << K::Zolty;
    QTest::newRow("10: bits 2..7 ignored")
        << stan('C', {{2, 0xFC}, {4, 0xFC}, {7, 0xFC}}) << 10 << K::Bialy;
    QTest::newRow("9: bits 2..7 ignored")
        << stan('C', {{2, 0xFC}, {4, 0xFC}, {7, 0xFC}}) << 9 << K::Bialy;
    QTest::newRow("10 not from byte 1 bit 1")
        << stan('C', {{1, 2}, {3, 2}, {6, 2}}) << 10 << K::Bialy;
    QTest::newRow("2 not from byte 5") << stan('C', {{5, 0xFF}, {10, 0xFF}}) << 2 << K::Bialy;
}

void TestLampki::strefy()
{
    QFETCH(QByteArray, C);
    QFETCH(int, strefa);
    QFETCH(KolorLampki, kolor);
    Lampy t;
    t.wyslij(C);
    QCOMPARE(t.st().strefy[size_t(strefa - 1)], kolor);
}

void TestLampki::istnienieStref()
{
    Lampy t;
    // Zones 1 and 10 are armed; 1 has no configuration bytes, 10 has byte 9 set.
    const QByteArray C = stan('C', {{1, 0x03}, {2, 0x02}});
    t.wyslij(C);
    QCOMPARE(t.st().strefy[0], K::Zielony);
    QCOMPARE(t.st().strefy[2], K::Bialy);

    // A configuration present but not loaded leaves the colours alone.
    t.s.m.Obraz.Strefy[10][9] = 1;
    t.s.m.Obraz.Strefy[3][10] = 5; // beyond bytes 0..9: does not make the zone used
    t.wyslij(C);
    QCOMPARE(t.st().strefy[0], K::Zielony);

    t.s.m.KonfigJest = 1;
    t.wyslij(C);
    QCOMPARE(t.st().strefy[0], K::Nieczynny);
    QCOMPARE(t.st().strefy[1], K::Nieczynny);
    QCOMPARE(t.st().strefy[2], K::Nieczynny);
    QCOMPARE(t.st().strefy[9], K::Zielony);
    t.s.m.Obraz.Strefy[1][0] = 0x40;
    t.wyslij(C);
    QCOMPARE(t.st().strefy[0], K::Zielony);
}

void TestLampki::alarmy()
{
    Lampy t;
    t.wyslij(stan('C', {{8, 0x81}, {9, 0xFE}}));
    const std::array<K, 10> oczekiwane = {K::Czerwony, K::Bialy,   K::Bialy, K::Bialy,
                                          K::Bialy,    K::Bialy,   K::Bialy, K::Czerwony,
                                          K::Bialy,    K::Czerwony};
    QCOMPARE(t.st().alarmy, oczekiwane);
    t.wyslij(stan('C', {{9, 0x01}}));
    const std::array<K, 10> po = {K::Bialy, K::Bialy, K::Bialy, K::Bialy,    K::Bialy,
                                  K::Bialy, K::Bialy, K::Bialy, K::Czerwony, K::Bialy};
    QCOMPARE(t.st().alarmy, po);
}

void TestLampki::podpowiedz_data()
{
    QTest::addColumn<int>("linia");
    QTest::addColumn<QList<int>>("bajty"); // pairs: index, value
    QTest::addColumn<QString>("tekst");

    QTest::newRow("7 BIURO delayed")
        << 7 << QList<int>{2, 0x22, 3, 3, 6, 30, 7, 20, 8, 29, 13, 1}
        << QStringLiteral("Linia nr:07 - BIURO Strefa:02 3-st Czuł:500ms  Al:3 LINIA OPÓŹN.:  "
                          "Op. We=30[s], Op. Wy=20[s]");
    QTest::newRow("12 no name, numbers, no zone, 2-state, code")
        << 12 << QList<int>{2, 0x01, 3, 0x85, 9, 1}
        << QStringLiteral("Linia nr:12 - <bez nazwy>1 Strefa:11 2-st Czuł:250ms  Al:5 LINIA "
                          "SZYFR.: ");
    QTest::newRow("9 immediate, sensitivity 1")
        << 9 << QList<int>{2, 0x12, 3, 0x0F, 8, 29, 10, 4, 21, 1}
        << QStringLiteral("Linia nr:09 - BIURO4 Strefa:10 3-st Czuł:250ms  Al:15 LINIA "
                          "NATYCHMIASTOWA");
    QTest::newRow("10 24h, sensitivity 4, first zone wins")
        << 10 << QList<int>{2, 0x44, 3, 0x01, 9, 2, 10, 3, 14, 1, 15, 1}
        << QStringLiteral("Linia nr:10 - <bez nazwy>23 Strefa:03 3-st Czuł:1000ms  Al:1 LINIA "
                          "CAŁODOBOWA");
    QTest::newRow("80 conditional, sensitivity 7")
        << 80 << QList<int>{2, 0x78, 3, 0x82, 4, 7, 5, 8, 6, 5, 7, 6, 12, 1}
        << QStringLiteral("Linia nr:80 - <bez nazwy> Strefa:01 2-st Czuł:750ms  Al:2 LINIA "
                          "WARUN.:  Op. We=5[s], Op. Wy=6[s], War. We=7, War. Wy=8");
    QTest::newRow("1 unknown type, bit 7 of sensitivity byte ignored")
        << 1 << QList<int>{2, 0x83, 3, 0x70}
        << QStringLiteral("Linia nr:01 - <bez nazwy> Strefa:11 3-st Czuł:250ms  Al:0 LINIA ");
    QTest::newRow("5 user name with its blanks")
        << 5 << QList<int>{2, 0x02, 8, 224, 16, 1}
        << QStringLiteral("Linia nr:05 - SALA     Strefa:05 3-st Czuł:250ms  Al:0 LINIA "
                          "NATYCHMIASTOWA");
}

void TestLampki::podpowiedz()
{
    QFETCH(int, linia);
    QFETCH(QList<int>, bajty);
    QFETCH(QString, tekst);
    Konfiguracja k;
    WpiszNazwyLinii(k.NazwyLinii);
    QCOMPARE(k.NazwyLinii[29], QStringLiteral("BIURO"));
    k.NazwyLinii[224] = QStringLiteral("SALA    ");
    for (int i = 0; i + 1 < bajty.size(); i += 2)
        k.Linie[size_t(linia)][size_t(bajty[i])] = Bajt(bajty[i + 1]);
    QCOMPARE(podpowiedzLinii(k, linia), tekst);
}

void TestLampki::podpowiedzPozaZakresem()
{
    Konfiguracja k;
    QVERIFY(podpowiedzLinii(k, 0).isEmpty());
    QVERIFY(podpowiedzLinii(k, 81).isEmpty());
}

QTEST_GUILESS_MAIN(TestLampki)
#include "tst_lampki.moc"
