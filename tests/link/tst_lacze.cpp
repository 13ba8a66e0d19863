// The link engine byte by byte: what the receiver makes of clean, broken, split and random
// streams, the request sent at a slot for every operation code, the one-second timer. Status
// frames and event messages show through the live view's tests.

#include "StanowiskoLacza.h"
#include "access/Logowanie.h"
#include "access/Przesylanie.h"
#include "link/SladLacza.h"
#include "link/TekstZegara.h"

#include <QRandomGenerator>
#include <QSignalSpy>

using namespace zr05;

namespace
{
const char* const Brak = "BRAK POŁĄCZENIA Z CENTRALĄ !!!!";
const char* const Pobieranie = "Pobieranie konfiguracji z centralki.";

const struct {
    const char* nazwa;
    int kod;             // the operation pending
    const char* skrypt;  // see StanowiskoLacza::graj
    const char* wyslane; // what went out after the last "|"
    int stany, dane;     // status frames stored, read answers taken
    int kodPo;
} Odbiornik[] = {
    {"poll sums to zero", 0, "37 44 85", "37 00 C9", 0, 0, 0},
    {"on-line, idle", 0, "N P", "37 20 A9", 0, 0, 0},
    {"on-line, busy", 5, "N P", "37 28 A1", 0, 0, 5},
    {"busy", 60, "P", "37 08 C1", 0, 0, 60},
    {"bad sum dropped, next poll answered", 0, "37 44 86 P", "37 00 C9", 0, 0, 0},
    {"garbage between frames", 0, "00 FF 13 P 13", "37 00 C9", 0, 0, 0},
    {"status frames stored", 0, "#A #B #C #D P", "37 00 C9", 4, 0, 0},
    {"bad status frames cost their length only", 0, "!C !C !A !B !D P", "37 00 C9", 0, 0, 0},
    {"a pause of 90 ms keeps the frame", 0, "37 44 +85 85", "37 00 C9", 0, 0, 0},
    {"a pause of 91 ms drops it", 0, "37 44 +86 85", "", 0, 0, 0},
    {"bytes after the pause start anew", 0, "41 01 02 +86 P", "37 00 C9", 0, 0, 0},
    // One lost 0x37 lines the polls up into a 12-byte 'D' frame summing to zero; the pause
    // between polls brings the receiver back.
    {"poll without its first byte", 0, "44 85 P P P 37 +300 P", "37 00 C9", 1, 0, 0},
    {"answer nobody asked for", 0, "+200 37 6B 00 P", "37 00 C9", 0, 0, 0},
    {"128-byte read, poll between", 5, "S | P K128", "37 08 C1", 0, 1, 5},
    {"5-byte read", 26, "S | K5 P", "37 08 C1", 0, 1, 26},
    {"2-byte read ends the operation", 41, "S | K2 P", "37 00 C9", 0, 1, 0},
    {"asked again after a byte lost", 3, "S K127 +300 P | S K128", "37 B0 80 00 00 21 78", 0, 1, 3},
    // After a write the address sits where a read keeps its length.
    {"no read length from a write", 44, "S | K16 +200 P", "37 00 C9", 0, 0, 0},
    {"answer longer than the buffer", 1, "S | 37 6B X5000 +200 P", "37 08 C1", 0, 0, 1},
    {"answer for an abandoned operation", 41, "S | =1 K2", "", 0, 0, 1},
};

// Requests byte for byte; that every other read asks for the right block
// shows in the download through the simulator.
const struct {
    const char* nazwa;
    int kod;
    const char* zadanie;
    int nastepny;
} Zadania[] = {
    {"5: lines 17..20", 5, "37 B0 80 00 00 22 77", 5},
    {"block flag", 41, "37 B0 02 00 57 07 B9", 0},
    {"events from 31.12.26", 45, "37 B2 01 1F 0C 1A D1", 47},
    {"alarms from 31.12.26", 46, "37 B2 02 1F 0C 1A D0", 47},
    {"next records", 47, "37 B3 16", 47},
    {"end of programming", 101, "37 DE EB", 0},
};
const struct {
    const char* nazwa;
    int port;
    const char *przed, *skrypt, *po;
    bool utracone;
} Straznik[] = {
    {"one tick after start", 1, "", "T", "", false},
    {"two ticks after start", 1, "", "T T", Brak, true},
    {"two ticks after a poll", 2, Pobieranie, "P T T", Pobieranie, false},
    {"three ticks after a poll", 2, Pobieranie, "P T T T", Brak, true},
    // The link is back with the poll; its text goes at the first tick after, not before.
    {"poll after the loss", 2, Pobieranie, "P T T T T P", Brak, false},
    {"tick after the return", 2, Pobieranie, "P T T T T P T", "", false},
    {"other texts stay", 1, Pobieranie, "P T", Pobieranie, false},
    {"no panel, no watchdog", 0, "", "T T T T T T", "", false},
};

const struct {
    const char* nazwa;
    const char* czas; // clock message: year month day hour minute second
    const char* skrypt;
    const char* pokazany;
} Zegar[] = {
    {"not known: blank", "", "T T", ":: .."},
    {"as given", "01 0C 1F 17 3B 3A", "", "23:59:58 31.12.01"},
    {"a tick", "01 0C 1F 17 3B 3A", "T", "23:59:59 31.12.01"},
    {"past midnight, the date stays", "01 0C 1F 17 3B 3A", "T T", "00:00:00 31.12.01"},
    {"seconds 75", "01 01 01 0A 14 4B", "T", "10:21:00 01.01.01"},
    {"seconds 255 shown", "01 01 01 0A 14 FF", "", "10:20:255 01.01.01"},
    {"seconds 255", "01 01 01 0A 14 FF", "T", "10:21:00 01.01.01"},
    {"minutes 99", "01 01 01 0A 63 3B", "T", "11:00:00 01.01.01"},
    {"hours 30", "01 01 01 1E 3B 3B", "T", "00:00:00 01.01.01"},
    {"hours 255", "01 01 01 FF 3B 3B", "T", "00:00:00 01.01.01"},
    {"hours 30 mid-minute", "01 01 01 1E 0A 0A", "T", "30:10:11 01.01.01"},
};

QString hex(const QByteArray& b)
{
    return QString::fromLatin1(b.toHex(' ').toUpper());
}
} // namespace

class TestLacze : public QObject
{
    Q_OBJECT
private slots:
    void odbiornik_data() { wierszeTabeli(Odbiornik); }
    void odbiornik()
    {
        const auto& w = wiersz(Odbiornik);
        StanowiskoLacza s;
        QSignalSpy stany(&s.lacze, &Lacze::ramkaStanu);
        QSignalSpy dane(&s.lacze, &Lacze::daneOdczytu);
        s.m.KodOperacji = Bajt(w.kod);
        s.graj(QString::fromLatin1(w.skrypt));
        QCOMPARE(hex(s.wyslane), QLatin1String(w.wyslane));
        QCOMPARE(stany.count(), w.stany);
        QCOMPARE(dane.count(), w.dane);
        QCOMPARE(s.m.KodOperacji, Bajt(w.kodPo));
        // Read data arrive whole and unshifted.
        for (const auto& d : dane) {
            const QByteArray b = d.at(1).toByteArray();
            QCOMPARE(b, s.odczytK(int(b.size())).mid(2, b.size()));
        }
    }

    void slad()
    {
        StanowiskoLacza s;
        QStringList slad;
        s.lacze.ustawSlad(
            [&](const WpisSladu& w) { slad << tekstWpisu(w).simplified().section(' ', 1); });
        s.graj(QStringLiteral("00 FF 13 P 37 44 86 43 01 02 +200 37 6B 00 P"));
        QCOMPARE(slad, QStringList({"panel->PC 00 FF 13 outside a frame, ignored",
                                    "panel->PC 37 44 85 accepted", "PC->panel 37 00 C9 sent",
                                    "panel->PC 37 44 86 checksum wrong, dropped",
                                    "panel->PC 43 01 02 dropped after a pause",
                                    "panel->PC 37 6B unexpected, dropped",
                                    "panel->PC 00 outside a frame, ignored",
                                    "panel->PC 37 44 85 accepted", "PC->panel 37 00 C9 sent"}));
        QCOMPARE(tekstWpisu({12345678, true, QByteArray("\x37\xDE\xEB"), LosBajtow::Wyslane}),
                 QStringLiteral("     12.346  PC->panel  37 DE EB  sent"));
    }

    void zadania_data()
    {
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("zadanie");
        QTest::addColumn<int>("odczyt"); // the answer length of a read, 0 for other requests
        QTest::addColumn<int>("nastepny");
        for (const auto& z : Zadania)
            QTest::newRow(z.nazwa) << z.kod << QString::fromLatin1(z.zadanie)
                                   << (z.kod == 5    ? 128
                                       : z.kod == 41 ? 2
                                                     : 0)
                                   << z.nastepny;
        for (int k : {0, 33, 39, 48, 59, 102, 255})
            QTest::addRow("%d sends nothing", k) << k << QString() << 0 << k;
    }
    void zadania()
    {
        QFETCH(int, kod);
        QFETCH(QString, zadanie);
        QFETCH(int, odczyt);
        QFETCH(int, nastepny);
        StanowiskoLacza s;
        s.m.DataArchiwum = {31, 12, 26};
        s.graj(QStringLiteral("=%1 P | S").arg(kod));
        QCOMPARE(hex(s.odbierzWyslane()), zadanie);
        if (odczyt) {
            // A read waits for its answer, asked again at every slot until it comes.
            QCOMPARE(s.m.KodOperacji, Bajt(kod));
            s.graj(QStringLiteral("S"));
            QCOMPARE(hex(s.odbierzWyslane()), zadanie);
            QCOMPARE(s.lacze.oczekiwanyOdczyt(), odczyt);
            s.graj(QStringLiteral("K%1").arg(odczyt));
        }
        QCOMPARE(s.m.KodOperacji, Bajt(nastepny));
    }

    void straznik_data() { wierszeTabeli(Straznik); }
    void straznik()
    {
        const auto& w = wiersz(Straznik);
        StanowiskoLacza s;
        s.m.WybranyPort = w.port;
        s.m.ustawStatus(QString::fromUtf8(w.przed));
        s.graj(QString::fromLatin1(w.skrypt));
        QCOMPARE(s.m.status(), QString::fromUtf8(w.po));
        QCOMPARE(s.m.LaczeUtracone, w.utracone);
    }

    void zegar_data() { wierszeTabeli(Zegar); }
    void zegar()
    {
        const auto& w = wiersz(Zegar);
        StanowiskoLacza s;
        if (*w.czas)
            s.odbierz(ramka::zSuma("\x40\xC1" + QByteArray::fromHex(w.czas)));
        s.graj(QString::fromLatin1(w.skrypt));
        QCOMPARE(s.m.ZegarZnany, *w.czas != 0);
        QStringList t;
        for (int i : {2, 1, 0, 3, 4, 5})
            t << tekstZegara(s.m, i);
        QCOMPARE(QStringLiteral("%1:%2:%3 %4.%5.%6").arg(t[0], t[1], t[2], t[3], t[4], t[5]),
                 QLatin1String(w.pokazany));
    }

    // Random and hostile streams: the receiver stays inside its buffers, never stalls for good
    // and answers the next clean poll after a pause.
    void losoweStrumienie_data()
    {
        QTest::addColumn<quint32>("ziarno");
        for (quint32 z = 1; z <= 8; ++z)
            QTest::addRow("seed %u", z) << z;
    }
    void losoweStrumienie()
    {
        QFETCH(quint32, ziarno);
        QRandomGenerator los(ziarno);
        StanowiskoLacza s;
        Logowanie logowanie(s.m, s.lacze);
        Przesylanie przesylanie(s.m, s.lacze);
        s.m.WybranyPort = 1;
        s.m.ustawCheck1(0, true);
        s.m.ustawCheck1(1, true);
        // Biased towards start and code bytes, so that frames of every kind begin often, and
        // now and then the user starts something, so that reads of every length are pending.
        const QByteArray czeste = QByteArray::fromHex("3740414243444B6B4C6CC10103");
        const QByteArray kody = QByteArray::fromHex("000105181A20282A2B2C2D2F3C5F6465");
        for (int i = 0; i < 60000; ++i) {
            if (los.bounded(500) == 0)
                s.m.KodOperacji = Bajt(kody[los.bounded(int(kody.size()))]);
            if (los.bounded(200) == 0)
                s.lacze.tick();
            s.pauza(los.bounded(8) == 0 ? los.bounded(300) : 0);
            s.odbierz(QByteArray(1, los.bounded(3) ? char(los.bounded(256))
                                                   : czeste[los.bounded(int(czeste.size()))]));
            QVERIFY(s.lacze.rodzajRamki() >= 0 && s.lacze.rodzajRamki() <= 6);
            QVERIFY(s.lacze.oczekiwanyOdczyt() <= 128);
        }
        s.m.KodOperacji = 0;
        s.m.ustawOnLine(false);
        s.graj(QStringLiteral("| +500 P"));
        QCOMPARE(hex(s.wyslane), QStringLiteral("37 00 C9"));
    }
};

QTEST_GUILESS_MAIN(TestLacze)
#include "tst_lacze.moc"
