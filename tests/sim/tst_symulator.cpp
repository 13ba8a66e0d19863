// The simulated panel: its engine driven byte by byte (memory map, edges of reads and writes,
// codes and the block, archive answers, the on-line view), repeatable faults on the wire, the
// latency figures, and the program's command line.

#include "ArchiwumCentrali.h"
#include "DemoInstalacja.h"
#include "KodyDostepu.h"
#include "ObrazWCentrali.h"
#include "Pomiary.h"
#include "StanowiskoLacza.h"
#include "StanowiskoSymulatora.h"
#include "Usterki.h"

#include <QCoreApplication>
#include <QProcess>

using namespace zr05;

namespace
{
const QByteArray Poll = QByteArray::fromHex("374485");
const QByteArray Slot = QByteArray::fromHex("374B7E");

// Plays the PC against the engine with no byte pacing, in exact virtual time.
struct Pc {
    SymulatorCentrali sym;
    qint64 teraz = 0;
    QByteArray odebrane;

    explicit Pc(UstawieniaSymulatora u = {}) : sym((u.czasBajtuUs = 0, u)) {}

    void uplyw(qint64 ms)
    {
        const qint64 koniec = teraz + ms * 1000;
        for (;;) {
            teraz = std::min(koniec, std::max<qint64>(teraz, sym.nastepneZdarzenie()));
            sym.doCzasu(teraz);
            for (const auto& b : sym.pobierzWyjscie())
                odebrane.append(char(b.bajt));
            if (teraz == koniec)
                return;
        }
    }
    void wyslij(const QByteArray& b)
    {
        for (char c : b)
            sym.odbierz(Bajt(c), teraz);
        uplyw(0);
    }
    bool czekajNaPoll()
    {
        odebrane.clear();
        for (int i = 0; i < 2000 && !odebrane.endsWith(Poll); ++i)
            uplyw(1);
        return odebrane.endsWith(Poll);
    }
    // The next poll, an answer with an operation pending, the slot and the request; gives
    // what the panel answered to the request.
    QByteArray zadanie(const QByteArray& z)
    {
        if (!czekajNaPoll())
            return "no poll";
        odebrane.clear();
        wyslij(QByteArray::fromHex("3708C1"));
        if (odebrane != Slot)
            return "no slot";
        odebrane.clear();
        wyslij(z);
        return odebrane;
    }
    QByteArray odczyt(int adres, int dlugosc)
    {
        return zadanie(ramka::zSuma(StanowiskoLacza::bajty(
            {0x37, 0xB0, dlugosc & 0xFF, dlugosc >> 8, adres & 0xFF, adres >> 8})));
    }
    QByteArray zapis(int adres, const QByteArray& dane, int dlugosc)
    {
        return zadanie(
            ramka::zSuma(StanowiskoLacza::bajty({0x37, 0xB1, adres & 0xFF, adres >> 8, dlugosc}) +
                         dane.leftJustified(ramka::ObszarZapisu, 0, true)));
    }
    int kod(const char* cyfry)
    {
        const QByteArray odp = zadanie(ramka::zSuma("\x37\xF0" + spakujKod(QLatin1String(cyfry))));
        return odp.size() == 5 && odp[1] == 'L' && ramka::sumaKontrolna(odp) == 0 ? Bajt(odp[3])
                                                                                  : -1;
    }
};

const struct {
    const char* nazwa;
    int adres, dlugosc, zapisane, obciete;
} Zapisy[] = {
    {"5 bytes at 0x4000", 0x4000, 5, 5, 0},
    {"whole area", 0x2000, 112, 112, 0},
    {"1 byte at 0xFFFF", 0xFFFF, 1, 1, 0},
    {"past 0xFFFF", 0xFFFA, 10, 6, 1},
    {"length above the area", 0x5000, 200, 112, 1},
    {"past 0xFFFF and too long", 0xFFC0, 255, 64, 2},
};

// Arguments the program must refuse.
const char* const ZleOpcje =
    "--corrupt 1.5|--drop often|--user-code 12a4|--installer-code 123|--unblock-code 123456789|"
    "--poll-period 0|--drop-poll-byte 3|--colour|COM1|--tcp 127.0.0.1:65536|"
    "--tcp not-an-address:4001|--image /nonexistent/x.vor";
} // namespace

class TstSymulator : public QObject
{
    Q_OBJECT
private slots:
    void mapaPamieciIKrawedzie()
    {
        Pc pc;
        const Konfiguracja k = demo::instalacja();
        pc.sym.pamiec().wpiszKonfiguracje(k);
        QCOMPARE(roznicaZPamiecia(k, pc.sym.pamiec(), true), QString());
        const Konfiguracja w = pc.sym.pamiec().konfiguracja();
        QCOMPARE(roznicaZPamiecia(w, pc.sym.pamiec(), true), QString()); // and back again
        // A read past the end of memory gives zeros there.
        for (int a = 0xFFF8; a <= 0xFFFF; ++a)
            pc.sym.pamiec().ustawBajt(a, Bajt(a));
        QCOMPARE(pc.odczyt(0xFFF8, 16),
                 ramka::zSuma(QByteArray::fromHex("376BF8F9FAFBFCFDFEFF") + QByteArray(8, 0)));
        QCOMPARE(pc.sym.liczniki().obciete, 1);
        // Reads the PC could not take are not answered; the panel carries on.
        for (int dlugosc : {0, SymulatorCentrali::NajdluzszyOdczyt + 1, 0xFFFF})
            QCOMPARE(pc.odczyt(0x2000, dlugosc), QByteArray());
        QCOMPARE(pc.sym.liczniki().odrzucone, 3);
        // Addresses outside memory are ignored or read as zero.
        QCOMPARE(pc.sym.pamiec().zapisz(0x10000, "x"), 0);
        QCOMPARE(pc.sym.pamiec().zapisz(-1, "x"), 0);
        bool obciete = false;
        QCOMPARE(pc.sym.pamiec().czytaj(-5, 3, &obciete), QByteArray(3, '\0'));
        QVERIFY(obciete);
    }

    void zapisy_data() { wierszeTabeli(Zapisy); }
    void zapisy()
    {
        const auto& w = wiersz(Zapisy);
        Pc pc;
        QByteArray dane;
        for (int i = 0; i < ramka::ObszarZapisu; ++i)
            dane.append(char(0x80 + i % 100));
        pc.sym.pamiec().ustawBajt(w.adres - 1, 0x5A);
        if (w.adres + w.zapisane <= 0xFFFF)
            pc.sym.pamiec().ustawBajt(w.adres + w.zapisane, 0x5A);
        QCOMPARE(pc.zapis(w.adres, dane, w.dlugosc), QByteArray()); // writes are not answered
        QCOMPARE(pc.sym.liczniki().zapisy, 1);
        QCOMPARE(pc.sym.liczniki().obciete, w.obciete);
        QCOMPARE(pc.sym.pamiec().czytaj(w.adres, w.zapisane), dane.left(w.zapisane));
        QCOMPARE(pc.sym.pamiec().bajt(w.adres - 1), Bajt(0x5A));
        // Nothing beyond, and nothing wrapped round to the start of memory.
        QCOMPARE(pc.sym.pamiec().bajt(w.adres + w.zapisane <= 0xFFFF ? w.adres + w.zapisane : 0),
                 Bajt(w.adres + w.zapisane <= 0xFFFF ? 0x5A : 0));
    }

    void zleRamkiIMilczenie()
    {
        UstawieniaSymulatora u;
        u.okresPollMs = 50;
        u.czasNaOdpowiedzMs = 120;
        Pc pc(u);
        const QByteArray przed = pc.sym.pamiec().czytaj(0x2000, 16);
        QByteArray zapis =
            ramka::zSuma(QByteArray::fromHex("37B1002010") + QByteArray(112, '\x11'));
        zapis[10] = char(zapis[10] ^ 0x01);
        QCOMPARE(pc.zadanie(zapis), QByteArray());
        QCOMPARE(pc.sym.liczniki().zlaSuma, 1);
        QCOMPARE(pc.sym.pamiec().czytaj(0x2000, 16), przed);
        // A bad poll answer is no answer: no slot, and the next poll only after the answer
        // time-out, longer than the 90 ms after which the PC drops a half-received frame.
        QVERIFY(pc.czekajNaPoll());
        const qint64 poll = pc.teraz;
        pc.wyslij(QByteArray::fromHex("370800"));
        QVERIFY(pc.czekajNaPoll());
        QVERIFY(!pc.odebrane.contains(Slot));
        QCOMPARE(pc.sym.liczniki().zlaSuma, 2);
        QVERIFY(pc.teraz - poll >= 119 * 1000);
        // Answered, polls follow at the poll period.
        pc.wyslij(QByteArray::fromHex("3700C9"));
        const qint64 odpowiedz = pc.teraz;
        QVERIFY(pc.czekajNaPoll());
        QVERIFY(pc.teraz - odpowiedz <= 60 * 1000);
    }

    void wlasneKodyIBlokada()
    {
        UstawieniaSymulatora u;
        u.kody.uzytkownik = QStringLiteral("12345678");
        u.kody.instalator = QStringLiteral("1111");
        Pc wlasne(u);
        QCOMPARE(wlasne.kod("3333"), 0); // the default no more
        QCOMPARE(wlasne.kod("12345678"), 0x20);
        QCOMPARE(wlasne.kod("1111"), 0x80);
        Pc pc;
        for (const char* zly : {"1234", "11111", "12345678"}) // a digit more is another code
            QCOMPARE(pc.kod(zly), 0);
        // A half-byte that is no digit makes a code unusable, as does a short frame.
        QCOMPARE(rozpakujKod(QByteArray::fromHex("1A34FFFF")), QString());
        QCOMPARE(rozpakujKod(QByteArray::fromHex("12")), QString());
        // The program sets the block: flag 1 and the lock time in minutes.
        pc.zapis(0x0757, QByteArray::fromHex("0101"), 2);
        QCOMPARE(pc.kod("1111"), 0);
        QCOMPARE(pc.kod("9999"), 4);
        pc.uplyw(61 * 1000); // after the lock time the panel lifts the block itself
        QCOMPARE(pc.sym.pamiec().bajt(0x0757), Bajt(0));
        QCOMPARE(pc.kod("1111"), 0x20);
    }

    // Edges a download from the simulated panel never meets: an answer filled exactly, a day
    // with nothing after it, an archive the panel does not know.
    void archiwum()
    {
        ArchiwumCentrali a;
        const QDateTime t(QDate(2024, 2, 29), QTime(10, 5), Qt::UTC);
        for (int i = 0; i < 16; ++i)
            a.dodaj(ArchiwumCentrali::Alarmy, t.addSecs(60 * i), 8, Bajt(i), 0);
        a.dodaj(ArchiwumCentrali::Zdarzenia, t, 128);
        QCOMPARE(a.start(ArchiwumCentrali::Alarmy, 29, 2, 24).right(8),
                 QByteArray::fromHex("1802 1D0A 1408 0F00"));
        QCOMPARE(a.dalej(), QByteArray(128, char(255)));
        QCOMPARE(a.dalej(), QByteArray(128, char(255)));
        QCOMPARE(a.start(ArchiwumCentrali::Alarmy, 1, 3, 24), QByteArray(128, char(255)));
        QCOMPARE(a.start(7, 1, 1, 0), QByteArray(128, char(255)));
    }

    // Switched on, the panel first sends its clock to the second; switched off, polls only.
    void onLineWlaczIWylacz()
    {
        UstawieniaSymulatora u;
        u.zegar = QDateTime(QDate(2025, 12, 31), QTime(23, 59, 58), Qt::UTC);
        Pc pc(u);
        QVERIFY(pc.czekajNaPoll());
        pc.odebrane.clear();
        pc.wyslij(QByteArray::fromHex("3720A9"));
        pc.uplyw(1);
        QVERIFY(pc.sym.onLine());
        QCOMPARE(pc.odebrane.left(9), ramka::zSuma(QByteArray::fromHex("40C1190C1F173B3A")));
        QVERIFY(pc.czekajNaPoll());
        pc.wyslij(QByteArray::fromHex("3700C9"));
        pc.odebrane.clear();
        pc.uplyw(70 * 1000);
        QVERIFY(!pc.sym.onLine());
        QCOMPARE(pc.odebrane, Poll.repeated(pc.odebrane.size() / 3));
    }

    void usterkiPowtarzalne()
    {
        // The same seeds give the same run over the wire, byte for byte and to the microsecond.
        auto przebieg = [](quint64 ziarno) {
            UstawieniaSymulatora u;
            u.ziarno = ziarno;
            u.usterki = {9, 0.01, 0.01, 0.02};
            StanowiskoSymulatora s(u);
            s.m.ustawOnLine(true);
            QByteArray b;
            s.przewod.ustawPodsluchPc(
                [&](Bajt x, qint64 t) { b += char(x) + QByteArray::number(t); });
            s.uplyw(60000);
            return b;
        };
        const QByteArray a = przebieg(5);
        QVERIFY(a.size() > 1000);
        QCOMPARE(przebieg(5), a);
        QVERIFY(przebieg(6) != a);
        // 6000 bytes at 5 %: some 300 lost and 285 changed; 2000 frames at 10 %: some 200 with
        // stray bytes before them.
        Usterki x({42, 0.05, 0.05, 0.1});
        for (int i = 0; i < 2000; ++i)
            x.przepusc(Poll, RodzajNadania::Poll);
        QVERIFY2(x.liczniki().zgubione > 220 && x.liczniki().zgubione < 380,
                 qPrintable(QString::number(x.liczniki().zgubione)));
        QVERIFY2(x.liczniki().przeklamane > 200 && x.liczniki().przeklamane < 370,
                 qPrintable(QString::number(x.liczniki().przeklamane)));
        QVERIFY2(x.liczniki().wstawione > 250 && x.liczniki().wstawione < 550,
                 qPrintable(QString::number(x.liczniki().wstawione)));
        QCOMPARE(Usterki().przepusc(Poll, RodzajNadania::Poll), Poll);
    }

    void zgubionyBajtPolla_data()
    {
        QTest::addColumn<int>("indeks");
        QTest::newRow("start byte") << 0;
        QTest::newRow("code byte") << 1;
        QTest::newRow("checksum") << 2;
    }
    void zgubionyBajtPolla()
    {
        QFETCH(int, indeks);
        StanowiskoSymulatora s;
        s.uplyw(2000);
        const int przed = s.pollOdpowiedziane;
        s.sym.usterki().upuscBajt(RodzajNadania::Poll, indeks);
        s.uplyw(3000);
        // One poll lost, every later one answered again, and reads still served.
        QCOMPARE(s.sym.liczniki().brakOdpowiedzi, 1);
        QVERIFY(s.pollOdpowiedziane >= przed + 9);
        QVERIFY(s.sym.liczniki().polle - s.pollOdpowiedziane <= 2);
        QCOMPARE(s.m.status(), QString());
        s.m.KodOperacji = 25;
        QVERIFY(
            s.czekaj([&] { return s.m.KodOperacji == 25 && s.sym.liczniki().odczyty == 1; }, 2000));
    }

    void pomiary()
    {
        std::vector<double> v;
        for (int i = 100; i >= 1; --i)
            v.push_back(i);
        const auto p = podsumuj(v);
        QCOMPARE(std::make_tuple(p.ile, p.min, p.mediana, p.p99, p.max),
                 std::make_tuple(100, 1.0, 50.0, 99.0, 100.0));
        QCOMPARE(podsumuj({7.5}).p99, 7.5);
        QCOMPARE(podsumuj({}).max, 0.0);
        Pc pc; // the engine measures every answered poll
        for (int i = 0; i < 5; ++i) {
            QVERIFY(pc.czekajNaPoll());
            pc.wyslij(QByteArray::fromHex("3700C9"));
        }
        QVERIFY(pc.sym.pomiary().raport().startsWith(QLatin1String("poll answer latency: n=5 ")));
    }

    void wierszPolecen()
    {
        const QString program =
            QCoreApplication::applicationDirPath() + "/../tools/panel-sim/zr05-panel-sim";
        QProcess p;
        p.start(program, {QStringLiteral("--help")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        const QString pomoc = QString::fromLocal8Bit(p.readAllStandardOutput());
        // Every option, and the default codes.
        const QString opcje = QStringLiteral(
            "--device --tcp --poll-period --answer-timeout --user-code --supervisor-code "
            "--installer-code --unblock-code --seed --fault-seed --corrupt --drop --garbage "
            "--no-pc-faults --trace --silence --silence-after --drop-poll-byte --drop-after "
            "--image --archive-days --fast --stats --quiet 1111 2222 3333 9999");
        for (const QString& s : opcje.split(' '))
            QVERIFY2(pomoc.contains(s), qPrintable(s));
        for (const QString& opcja : QString::fromLatin1(ZleOpcje).split('|')) {
            p.start(program, opcja.split(' '));
            QVERIFY(p.waitForFinished(10000));
            QVERIFY2(p.exitCode() != 0 && !p.readAllStandardError().isEmpty(), qPrintable(opcja));
            QVERIFY(!p.readAllStandardOutput().contains("ZR05_COM1="));
        }
    }
};

QTEST_GUILESS_MAIN(TstSymulator)
#include "tst_symulator.moc"
