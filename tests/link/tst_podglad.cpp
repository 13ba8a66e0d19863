// The live view: status frames into lamps, event messages into register lines and the state
// box, the line hover text; then minutes on line against the simulated panel.

#include "DemoInstalacja.h"
#include "StanowiskoLacza.h"
#include "StanowiskoSymulatora.h"
#include "link/Lampki.h"
#include "link/PodpowiedzLinii.h"
#include "link/ZdarzeniaCentrali.h"
#include "tables/NazwyLinii.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace zr05;

namespace
{
using K = KolorLampki;
const char Kolory[] = "BZNCYX"; // white, green, blue, red, yellow, out of use: KolorLampki order

// "A1=01 D6=FE": bytes of the status frames (the rest 0, 'D' all 0xFF); "-D": no 'D' sent.
QList<QByteArray> ramkiStanu(const QString& opis)
{
    QByteArray r[4] = {QByteArray(11, 0), QByteArray(11, 0), QByteArray(11, 0),
                       QByteArray(11, char(0xFF))};
    for (int i = 0; i < 4; ++i)
        r[i][0] = "ABCD"[i];
    const QStringList kroki = opis.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& k : kroki)
        if (k != QLatin1String("-D"))
            r[k[0].toLatin1() - 'A'][k.section('=', 0, 0).mid(1).toInt()] =
                char(k.section('=', 1).toInt(nullptr, 16));
    QList<QByteArray> wynik;
    if (!kroki.contains(QLatin1String("-D")))
        wynik << ramka::zSuma(r[3]);
    for (int i = 0; i < 3; ++i)
        wynik << ramka::zSuma(r[i]);
    return wynik;
}

// Every lamp as a letter of Kolory: 80 lines, 10 zones, 10 alarms, blank-separated.
QString lampy(const StanLampek& s)
{
    QString t;
    for (K k : s.linie)
        t += QLatin1Char(Kolory[int(k)]);
    t += ' ';
    for (K k : s.strefy)
        t += QLatin1Char(Kolory[int(k)]);
    t += ' ';
    for (K k : s.alarmy)
        t += QLatin1Char(Kolory[int(k)]);
    return t;
}

// "L1=Z L3-8=X S1=Y A8=C" over all white.
QString oczekiwaneLampy(const QString& opis)
{
    QString t = QString(80, 'B') + ' ' + QString(10, 'B') + ' ' + QString(10, 'B');
    for (const QString& k : opis.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int poczatek = k[0] == 'L' ? 0 : k[0] == 'S' ? 81 : 92;
        const QString zakres = k.section('=', 0, 0).mid(1);
        for (int n = zakres.section('-', 0, 0).toInt(); n <= zakres.section('-', -1).toInt(); ++n)
            t[poczatek + n - 1] = k.section('=', 1)[0];
    }
    return t;
}

const struct {
    const char *nazwa, *ramki, *lampy;
} KoloryLampek[] = {
    {"all clear", "", ""},
    {"1 armed", "A1=01", "L1=Z"},
    {"1 tamper", "A6=01", "L1=N"},
    {"1 alarm", "A1=01 A6=01", "L1=C"},
    {"1 alarm, not existing", "A1=01 A6=01 D1=FE", "L1=X"},
    {"2 exists by its own bit", "A1=02 D1=02", "L1=X L2=Z L3-8=X"},
    {"12: byte 2 bit 3", "A2=08 A7=08", "L12=C"},
    {"40: byte 5 bit 7", "A10=80 D5=80", "L33-39=X L40=N"},
    {"41 from frame B", "A1=FF B1=01 D6=01", "L1-8=Z L41=Z L42-48=X"},
    {"41 not existing", "B1=01 D6=FE", "L41=X"},
    {"80 alarm", "B5=80 B10=80 D10=80", "L73-79=X L80=C"},
    {"no 'D': no line exists", "-D A1=FF", "L1-80=X"},
    {"zone 1 armed", "C1=01", "S1=Z"},
    {"zone 1 armed by byte 6", "C6=01", "S1=Z"},
    {"zone 1 partly armed", "C3=01", "S1=Y"},
    {"partly armed wins", "C1=01 C3=01 C6=01", "S1=Y"},
    {"zone 8", "C1=80", "S8=Z"},
    {"zone 9: byte 2 bit 0", "C2=01", "S9=Z"},
    {"zone 10: byte 7 bit 1", "C7=02", "S10=Z"},
    {"zone 10 partly: byte 4", "C4=02 C2=02", "S10=Y"},
    {"bits 2..7 of bytes 2, 4, 7 unused", "C2=FC C4=FC C7=FC", ""},
    {"bit 1 of bytes 1, 3, 6 is zone 2", "C1=02 C3=02 C6=02", "S2=Y"},
    {"alarms 1, 8, 10", "C8=81 C9=FE", "A1=C A8=C A10=C"},
    {"alarm 9", "C9=01", "A9=C"},
};

// Event messages as hex after the '@' (with a line name in `nazwa8`), and the line they give.
const struct {
    const char *nazwa, *nazwa8, *linia;
} Linie[] = {
    {"01 03 0C 07 05", nullptr, "07:05    ALARM z linii: 12 w strefie: 3"},
    {"01 0A 50 17 3B", nullptr, "23:59    ALARM z linii: 80 w strefie: 10"},
    {"02 01 0E 1E", nullptr, "14:30    ALARM sabotaż klawiatury nr: 1"},
    {"02 08 0E 1E", nullptr, "14:30    ALARM sabotaż klawiatury nr: 8"},
    {"02 09 0E 1E", nullptr, "14:30    ALARM sabotaż podcentrali nr: 1"},
    {"02 10 0E 1E", nullptr, "14:30    ALARM sabotaż podcentrali nr: 8"},
    {"02 23 0E 1E", nullptr, "14:30    ALARM błąd transmisji"},
    {"02 24 0E 1E", nullptr, "14:30    ALARM sabotaż centrali "},
    {"02 39 0E 1E", nullptr, "14:30    ALARM akumulator podcentrali nr: 1"},
    {"02 40 0E 1E", nullptr, "14:30    ALARM akumulator podcentrali nr: 8"},
    {"02 41 0E 1E", nullptr, "14:30    ALARM napad z klawiatury nr: 1"},
    {"02 48 0E 1E", nullptr, "14:30    ALARM napad z klawiatury nr: 8"},
    {"02 54 0E 1E", nullptr, "14:30    ALARM A-POLICJA z klawiatury nr: 4"},
    {"02 58 0E 1E", nullptr, "14:30    ALARM B-POGOTOWIE z klawiatury nr: 0"},
    {"02 67 0E 1E", nullptr, "14:30    ALARM C-STRAŻ POŻARNA z klawiatury nr: 7"},
    {"02 68 0E 1E", nullptr, "14:30    ALARM D-OCHRONA z klawiatury nr: 0"},
    {"02 81 0E 1E", nullptr, "14:30    Kontrola strażnika nr: 1"},
    {"02 A0 0E 1E", nullptr, "14:30    Kontrola strażnika nr: 32"},
    {"02 A1 0E 1E", nullptr, "14:30    ALARM sabotaż linii nr: 1"},
    {"02 FF 0E 1E", nullptr, "14:30    ALARM sabotaż linii nr: 95"},
    {"03 01 00 08 0F", "POKOJ   ", "08:15    ALARM z linii: POKOJ   1"},
    {"03 00 00 08 0F", "POKOJ   ", "08:15    ALARM z linii: POKOJ   "},
    {"03 00 05 08 0F", "HALL    ", "08:15    ALARM z linii: HALL    5"},
    {"04 02 0D 15 07", "GARAZ   ", "21:07   SABOTAŻ z linii: GARAZ   213"},
    {"04 00 00 01 02", "\xA3\xA5KA \x9C\xE6\xBF", "01:02   SABOTAŻ z linii: ŁĄKA śćż"},
    {"03 00 00 08 0F", "A\r\nB\0\x7F\x01Z", "08:15    ALARM z linii: A  B   Z"},
    // The panel clock of these rows is 08:03.
    {"25", nullptr, "08:03 Kasowanie alarmów"},
    {"28 DC", nullptr, "08:03 Zanik sieci 220V"},
    {"28 00", nullptr, "08:03 Powrót sieci 220V"},
    {"28 DD", nullptr, "08:03 Powrót sieci 220V"},
};

// Message sequences ("!" before one: its sum broken) and the register, state box and last state.
const struct {
    const char *nazwa, *komunikaty, *rejestr, *pole;
    int stan, ustawienia;
} Stany[] = {
    {"no line: 39", "27 01 02 03 04 05", "", "STAN SYSTEMU", 0, 0},
    {"no line: clock", "C1 1A 01 02 03 04 05", "", "STAN SYSTEMU", 0, 0},
    {"no line: unknown 99", "63", "", "STAN SYSTEMU", 0, 0},
    {"no line: unknown 0", "00", "", "STAN SYSTEMU", 0, 0},
    {"first state 0: the box only", "49 00", "", "SYSTEM ROZBROJONY", 0, 1},
    {"armed twice: one line", "49 01|49 01", "08:03 SYSTEM UZBROJONY\r\n", "SYSTEM UZBROJONY", 1,
     2},
    {"back to 0 is a change", "49 01|49 00",
     "08:03 SYSTEM ROZBROJONY\r\n08:03 SYSTEM UZBROJONY\r\n", "SYSTEM ROZBROJONY", 0, 2},
    {"partly armed", "49 02", "08:03 SYSTEM CZĘŚCIOWO UZBR.\r\n", "SYSTEM CZĘŚĆ. UZBR.", 2, 1},
    {"configuring", "49 03", "08:03 KONFIGURACJA SYSTEMU\r\n", "KONFIGURACJA SYSTEMU", 3, 1},
    {"unknown state, once", "49 02|49 09|49 09",
     "08:03 Stan systemu nieznany, wartość: 9\r\n08:03 SYSTEM CZĘŚCIOWO UZBR.\r\n",
     "SYSTEM CZĘŚĆ. UZBR.", 9, 1},
    // The configuration message does not change the last reported state.
    {"configuration message", "26 4D", "Konfiguracja systemu\r\n", "KONFIGURACJA SYSTEMU", 0, 1},
    {"bad sums leave no trace", "!01 03 0C 07 05|!49 01", "", "STAN SYSTEMU", 0, 0},
    {"in step after a bad sum", "!49 01|01 03 0C 07 05",
     "07:05    ALARM z linii: 12 w strefie: 3\r\n", "STAN SYSTEMU", 0, 0},
};

// Line bytes ("index=hex") and the hover text they give.
const struct {
    const char* nazwa;
    int linia;
    const char *bajty, *tekst;
} Podpowiedzi[] = {
    {"7 BIURO delayed", 7, "2=22 3=03 6=1E 7=14 8=1D 13=01",
     "Linia nr:07 - BIURO Strefa:02 3-st Czuł:500ms  Al:3 LINIA OPÓŹN.:  Op. We=30[s], Op. "
     "Wy=20[s]"},
    {"12 no name, numbers, no zone, 2-state, code", 12, "2=01 3=85 9=01",
     "Linia nr:12 - <bez nazwy>1 Strefa:11 2-st Czuł:250ms  Al:5 LINIA SZYFR.: "},
    {"9 immediate, sensitivity 1", 9, "2=12 3=0F 8=1D 10=04 21=01",
     "Linia nr:09 - BIURO4 Strefa:10 3-st Czuł:250ms  Al:15 LINIA NATYCHMIASTOWA"},
    {"10 24h, sensitivity 4, first zone wins", 10, "2=44 3=01 9=02 10=03 14=01 15=01",
     "Linia nr:10 - <bez nazwy>23 Strefa:03 3-st Czuł:1000ms  Al:1 LINIA CAŁODOBOWA"},
    {"80 conditional, sensitivity 7", 80, "2=78 3=82 4=07 5=08 6=05 7=06 12=01",
     "Linia nr:80 - <bez nazwy> Strefa:01 2-st Czuł:750ms  Al:2 LINIA WARUN.:  Op. We=5[s], Op. "
     "Wy=6[s], "
     "War. We=7, War. Wy=8"},
    {"1 unknown type, bit 7 of the sensitivity byte ignored", 1, "2=83 3=70",
     "Linia nr:01 - <bez nazwy> Strefa:11 3-st Czuł:250ms  Al:0 LINIA "},
    {"5 user name with its blanks", 5, "2=02 8=E0 16=01",
     "Linia nr:05 - SALA     Strefa:05 3-st Czuł:250ms  Al:0 LINIA NATYCHMIASTOWA"},
    {"0 out of range", 0, "", ""},
    {"81 out of range", 81, "", ""},
};

struct Podglad {
    StanowiskoLacza s;
    LampkiStanu lampki{s.m};
    ZdarzeniaCentrali z{s.m};
    Podglad()
    {
        lampki.polacz(s.lacze);
        z.polacz(s.lacze);
    }
    void wyslij(const QByteArray& r)
    {
        s.pauza(200);
        s.odbierz(r);
    }
    QString rejestr() const { return z.rejestr().tekst(); }
};

QByteArray komunikat(const QByteArray& tresc)
{
    return ramka::zSuma(QByteArray("@") + tresc);
}
} // namespace

class TestPodglad : public QObject
{
    Q_OBJECT
private slots:
    void lampki_data() { wierszeTabeli(KoloryLampek); }
    void lampki()
    {
        const auto& w = wiersz(KoloryLampek);
        Podglad p;
        QCOMPARE(lampy(p.lampki.stan()), oczekiwaneLampy(QString()));
        for (const QByteArray& r : ramkiStanu(QLatin1String(w.ramki)))
            p.wyslij(r);
        QCOMPARE(lampy(p.lampki.stan()), oczekiwaneLampy(QLatin1String(w.lampy)));
    }

    void tylkoDobraRamkaCOdswieza()
    {
        Podglad p;
        QSignalSpy odswiezone(&p.lampki, &LampkiStanu::odswiezone);
        const QList<QByteArray> r = ramkiStanu(QStringLiteral("A1=01 B1=01 C1=01"));
        for (int i = 0; i < 3; ++i)
            p.wyslij(r[i]);
        QCOMPARE(odswiezone.count(), 0);
        QCOMPARE(lampy(p.lampki.stan()), oczekiwaneLampy(QString()));
        p.wyslij(r[3]);
        QCOMPARE(lampy(p.lampki.stan()), oczekiwaneLampy(QStringLiteral("L1=Z L41=Z S1=Z")));
        // A newer 'A' shows at the next 'C' only, with the stored 'B'; bad frames are not kept.
        p.wyslij(ramkiStanu(QString())[1]);
        p.wyslij(StanowiskoLacza::ramkaStanu('A', true, char(0xFF)));
        p.wyslij(StanowiskoLacza::ramkaStanu('C', true, char(0xFF)));
        QCOMPARE(odswiezone.count(), 1);
        p.wyslij(r[3]);
        QCOMPARE(lampy(p.lampki.stan()), oczekiwaneLampy(QStringLiteral("L41=Z S1=Z")));
    }

    void strefyBezKonfiguracji()
    {
        Podglad p;
        // Zones 1 and 10 are armed; 1 has no configuration bytes, 10 has byte 9 set.
        const QByteArray c = ramkiStanu(QStringLiteral("C1=03 C2=02"))[3];
        p.s.m.Obraz.Strefy[10][9] = 1;
        p.s.m.Obraz.Strefy[3][10] = 5; // beyond bytes 0..9: does not make the zone used
        p.wyslij(c);
        // A configuration present but not loaded leaves the colours alone.
        QCOMPARE(lampy(p.lampki.stan()).mid(81, 10), QStringLiteral("ZZBBBBBBBZ"));
        p.s.m.KonfigJest = 1;
        p.wyslij(c);
        QCOMPARE(lampy(p.lampki.stan()).mid(81, 10), QStringLiteral("XXXXXXXXXZ"));
        p.s.m.Obraz.Strefy[1][0] = 0x40;
        p.wyslij(c);
        QCOMPARE(lampy(p.lampki.stan()).mid(81, 10), QStringLiteral("ZXXXXXXXXZ"));
    }

    void linie_data() { wierszeTabeli(Linie); }
    void linie()
    {
        const auto& w = wiersz(Linie);
        Podglad p;
        p.wyslij(komunikat(QByteArray::fromHex("C1 1A 0C 06 08 03 00")));
        p.z.rejestr().dodaj(QStringLiteral("starsza\r\n"));
        QByteArray k = QByteArray::fromHex(w.nazwa);
        if (w.nazwa8)
            k += QByteArray(w.nazwa8, 8);
        p.wyslij(komunikat(k));
        const QString linia = QString::fromUtf8(w.linia) + QStringLiteral("\r\n");
        QCOMPARE(p.z.LinijkaRejestru(), linia);
        QCOMPARE(p.rejestr(), linia + QStringLiteral("starsza\r\n"));
    }
    void nieznaneZrodla()
    {
        // Sources outside the table still give one whole line.
        for (int zrodlo : {0, 17, 34, 37, 56, 73, 79, 112, 128}) {
            Podglad p;
            p.wyslij(komunikat(StanowiskoLacza::bajty({2, zrodlo, 14, 30})));
            QCOMPARE(p.rejestr(),
                     QStringLiteral("14:30    Zdarzenie nieznane, kod źródła: %1\r\n").arg(zrodlo));
        }
    }

    void stany_data() { wierszeTabeli(Stany); }
    void stany()
    {
        const auto& w = wiersz(Stany);
        Podglad p;
        p.wyslij(komunikat(QByteArray::fromHex("C1 1A 0C 06 08 03 00")));
        p.z.rejestr().dodaj(QStringLiteral("starsza\r\n"));
        QSignalSpy ustawienia(&p.z, &ZdarzeniaCentrali::stanSystemuUstawiony);
        for (const QString& k : QString::fromLatin1(w.komunikaty).split('|')) {
            QByteArray r = komunikat(QByteArray::fromHex(k.toLatin1()));
            if (k.startsWith('!'))
                r.back() = char(r.back() ^ 0x40);
            p.s.odbierz(r); // back to back: each message ends where its code says
        }
        p.s.graj(QStringLiteral("| P"));
        QCOMPARE(p.s.wyslane, QByteArray::fromHex("3700C9"));
        QCOMPARE(p.rejestr(), QString::fromUtf8(w.rejestr) + QStringLiteral("starsza\r\n"));
        if (!*w.rejestr)
            QCOMPARE(p.z.LinijkaRejestru(), QString());
        QCOMPARE(p.z.stanSystemu(), QString::fromUtf8(w.pole));
        QCOMPARE(p.s.m.OstatniStan, Bajt(w.stan));
        QCOMPARE(ustawienia.count(), w.ustawienia);
    }

    void rejestrBezZegaraIEdycja()
    {
        Podglad p;
        p.wyslij(komunikat("\x25"));
        QCOMPARE(p.rejestr(), QStringLiteral(": Kasowanie alarmów\r\n"));
        // The box gives its text with its own line ends; the register keeps "\r\n".
        p.z.rejestr().ustawTekst(QStringLiteral("uwaga\n10:00 X\r\n\rY"));
        QCOMPARE(p.rejestr(), QStringLiteral("uwaga\r\n10:00 X\r\n\r\nY"));
        p.wyslij(komunikat(QByteArray::fromHex("01 01 03 0A 01")));
        QVERIFY(p.rejestr().startsWith(
            QStringLiteral("10:01    ALARM z linii: 3 w strefie: 1\r\nuwaga\r\n")));
        // Frames too short for their code never reach the register.
        for (const QByteArray& krotki : {QByteArray("@\x03\x01\x00\x08", 5), QByteArray("@\x49"),
                                         QByteArray("@\x01\x03"), QByteArray("@"), QByteArray()})
            p.z.Komunikat(krotki);
        QVERIFY(p.rejestr().startsWith(QStringLiteral("10:01")));
        QCOMPARE(p.z.stanSystemu(), QStringLiteral("STAN SYSTEMU"));
    }

    void podpowiedz_data() { wierszeTabeli(Podpowiedzi); }
    void podpowiedz()
    {
        const auto& w = wiersz(Podpowiedzi);
        Konfiguracja k;
        WpiszNazwyLinii(k.NazwyLinii);
        k.NazwyLinii[224] = QStringLiteral("SALA    ");
        for (const QString& b : QString::fromLatin1(w.bajty).split(' ', Qt::SkipEmptyParts))
            k.Linie[size_t(w.linia)][b.section('=', 0, 0).toUInt()] =
                Bajt(b.section('=', 1).toUInt(nullptr, 16));
        QCOMPARE(podpowiedzLinii(k, w.linia), QString::fromUtf8(w.tekst));
    }

    // Minutes on line against the simulated panel: every poll answered, the register and the
    // lamps follow what the panel reports.
    void naZywoZSymulatorem_data()
    {
        QTest::addColumn<bool>("szybko");
        QTest::newRow("2400 bit/s") << false;
        QTest::newRow("no byte pacing") << true;
    }
    void naZywoZSymulatorem()
    {
        QFETCH(bool, szybko);
        UstawieniaSymulatora u;
        u.ziarno = 7;
        StanowiskoSymulatora st(u, szybko);
        ZdarzeniaCentrali zdarzenia(st.m);
        zdarzenia.polacz(st.lacze);
        LampkiStanu lampki(st.m);
        lampki.polacz(st.lacze);
        const Konfiguracja k = st.sym.ustawienia().konfiguracja.value_or(demo::instalacja());

        // What the messages should add, counted on the side from the messages themselves.
        int oczekiwaneLinie = 0, ostatniStan = 0, zmianyStanu = 0;
        QObject::connect(&st.lacze, &Lacze::komunikat, [&](const QByteArray& r) {
            const int kod = Bajt(r[1]);
            oczekiwaneLinie += QList<int>{1, 2, 3, 4, 37, 38, 40}.contains(kod);
            if (kod == 73 && Bajt(r[2]) != ostatniStan) {
                ostatniStan = Bajt(r[2]);
                ++oczekiwaneLinie;
                ++zmianyStanu;
            }
        });
        // At every 'C' frame the lamps show the building as the panel has it now.
        int ramkiC = 0, niezgodne = 0;
        QObject::connect(&lampki, &LampkiStanu::odswiezone, [&] {
            ++ramkiC;
            const auto& sc = st.sym.scenariusz();
            for (int n = 1; n <= 80; ++n) {
                const K kolor = (k.Linie[size_t(n)][2] & 0x0F) == 0
                                    ? K::Nieczynny
                                    : QList<K>{K::Bialy, K::Zielony, K::Niebieski,
                                               K::Czerwony}[sc.stanLinii(n) & 3];
                niezgodne += lampki.stan().linie[size_t(n - 1)] != kolor;
            }
            for (int z = 1; z <= 10; ++z)
                niezgodne += lampki.stan().strefy[size_t(z - 1)] !=
                             (sc.strefaUzbrojona(z) ? K::Zielony : K::Bialy);
        });

        st.m.ustawOnLine(true);
        st.uplyw(5 * 60 * 1000);

        const auto& l = st.sym.liczniki();
        QVERIFY2(l.polle > 400, qPrintable(QString::number(l.polle)));
        QCOMPARE(l.brakOdpowiedzi, 0);
        QCOMPARE(l.zlaSuma, 0);
        QVERIFY(l.polle - st.pollOdpowiedziane <= 1); // the last poll may be on its way
        QVERIFY(st.sym.onLine());
        QVERIFY2(ramkiC >= 20, qPrintable(QString::number(ramkiC)));
        QCOMPARE(niezgodne, 0);

        QStringList linie = zdarzenia.rejestr().tekst().split(QStringLiteral("\r\n"));
        QCOMPARE(linie.takeLast(), QString());
        QVERIFY2(linie.size() >= 10, qPrintable(linie.join('\n')));
        QCOMPARE(linie.size(), oczekiwaneLinie);
        const QRegularExpression wzor(QStringLiteral(
            "^\\d\\d:\\d\\d(    ALARM z linii: |   SABOTAŻ z linii: |    ALARM |    Kontrola "
            "strażnika nr: \\d+$| Kasowanie alarmów$| Zanik sieci 220V$| Powrót sieci 220V$| "
            "SYSTEM "
            "(ROZBROJONY|UZBROJONY|CZĘŚCIOWO UZBR\\.)$)"));
        for (const QString& l : linie)
            QVERIFY2(wzor.match(l).hasMatch(), qPrintable(l));
        QCOMPARE(int(st.m.OstatniStan), st.sym.scenariusz().stanSystemu());
        QCOMPARE(zdarzenia.stanSystemu(),
                 ZdarzeniaCentrali::tekstStanu(st.sym.scenariusz().stanSystemu()));
        QVERIFY(zmianyStanu >= 1);
    }
};

QTEST_GUILESS_MAIN(TestPodglad)
#include "tst_podglad.moc"
