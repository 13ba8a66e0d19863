// Full configuration download and upload against the simulated panel at 2400 bit/s pacing,
// on a clean line and on a noisy one. Prints, for the clean line, the wire-time lower bound of
// the traffic actually exchanged (every block read twice on download; written, then read back
// on upload) and of the traffic the same transfer would need without verification, the time on
// the virtual line, and the processor time spent; then the times on a noisy line.

#include "Module1.h"
#include "Przewod.h"
#include "SymulatorCentrali.h"
#include "access/Logowanie.h"
#include "access/Przesylanie.h"
#include "config/MapaPamieci.h"
#include "link/Lacze.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace zr05;

namespace
{

constexpr double CzasBajtuMs = 11 * 1000.0 / 2400;
// One request cycle on the wire: poll, its answer, the slot.
constexpr int BajtyCyklu = 3 + 3 + 3;

struct Stanowisko {
    Module1 m;
    Lacze lacze{m};
    SymulatorCentrali sym;
    Przewod przewod{lacze, sym};
    Przesylanie przesylanie{m, lacze};
    bool koniec = false;
    bool nieudane = false;
    double koniecZapisowMs = 0; // when the read-back began

    explicit Stanowisko(const UstawieniaSymulatora& u = {}) : sym(u)
    {
        m.WybranyPort = 1;
        m.ustawCheck1(0, true);
        m.ustawCheck1(1, true);
        QObject::connect(&przesylanie, &Przesylanie::zakonczone, [this] { koniec = true; });
        QObject::connect(&przesylanie, &Przesylanie::niepowodzenie,
                         [this](const QString&) { nieudane = true; });
        QObject::connect(&przesylanie, &Przesylanie::etykietaZmieniona, [this](const QString& e) {
            if (e == tekst::EtykietaSprawdzania && koniecZapisowMs == 0)
                koniecZapisowMs = przewod.terazUs() / 1000.0;
        });
    }
};

struct Wynik {
    int bajty = 0;
    double liniaMs = 0;
    double cpuMs = 0;
    double zapisyMs = 0; // upload: the writes alone
    bool udane = false;
};

template <typename Start> Wynik zmierz(Stanowisko& s, Start start)
{
    s.przewod.uplyw(1000);
    const int bajtyPrzed = s.przewod.bajtyDoCentrali() + s.przewod.bajtyDoPc();
    const auto odUs = s.przewod.terazUs();
    s.koniec = false;
    s.nieudane = false;
    s.koniecZapisowMs = 0;
    QElapsedTimer cpu;
    cpu.start();
    start();
    s.przewod.runUntil([&] { return s.koniec; }, 6 * 3600 * 1000);
    Wynik w;
    w.cpuMs = cpu.nsecsElapsed() / 1e6;
    w.liniaMs = (s.przewod.terazUs() - odUs) / 1000.0;
    w.bajty = s.przewod.bajtyDoCentrali() + s.przewod.bajtyDoPc() - bajtyPrzed;
    w.zapisyMs = s.koniecZapisowMs > 0 ? s.koniecZapisowMs - odUs / 1000.0 : 0;
    w.udane = s.koniec && !s.nieudane;
    return w;
}

// Bytes on the wire of the 32 reads, each once.
int bajtyPobraniaBezSprawdzania()
{
    int b = 0;
    for (int k = PierwszyKrokPobierania; k <= OstatniKrokPobierania; ++k)
        b += BajtyCyklu + 7 + blokOdczytu(k)->dlugosc + 3;
    return b;
}
// Bytes on the wire of the 41 writes and the end frame.
int bajtyPrzeslaniaBezSprawdzania()
{
    return 41 * (BajtyCyklu + 118) + BajtyCyklu + 3;
}

void drukuj(const char* nazwa, const Wynik& w, int bajtyBez)
{
    const double granica = w.bajty * CzasBajtuMs;
    const double granicaBez = bajtyBez * CzasBajtuMs;
    std::printf("%-8s verified: %5d bytes, lower bound %7.0f ms, on the line %7.0f ms (x%.2f of "
                "its bound); unverified: %5d bytes, lower bound %7.0f ms; verified/unverified "
                "bound x%.2f; cpu %.1f ms\n",
                nazwa, w.bajty, granica, w.liniaMs, w.liniaMs / granica, bajtyBez, granicaBez,
                granica / granicaBez, w.cpuMs);
}

// The image with every byte the upload writes changed, so that every write has to land.
void zmienObraz(Konfiguracja& k)
{
    auto zmien = [](auto& tabela) {
        for (auto& rekord : tabela)
            for (auto& b : rekord)
                b = Bajt(b ^ 0x5A);
    };
    zmien(k.Linie);
    zmien(k.WyjOC);
    zmien(k.WyjPk);
    zmien(k.Kontrole);
    zmien(k.Strefy);
    for (Bajt* b : {&k.Buzzery, &k.KodyTajne, &k.CzasKodu, &k.KlawFun, &k.CzasBlokady})
        *b = Bajt(*b ^ 0x5A);
    for (auto& b : k.AutoUzbr)
        b = Bajt(b ^ 0x5A);
    for (int n = 224; n < 256; ++n)
        k.NazwyLinii[n] = QStringLiteral("NAZWA%1").arg(n);
}

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("Configuration transfer at 2400 bit/s, 8N2 (%.3f ms a byte)\n", CzasBajtuMs);
    {
        Stanowisko s;
        const Wynik pobranie = zmierz(s, [&] { s.przesylanie.pobierz(); });
        zmienObraz(s.m.Obraz);
        const Wynik przeslanie = zmierz(s, [&] { s.przesylanie.przekaz(); });
        if (!pobranie.udane || !przeslanie.udane) {
            std::fprintf(stderr, "clean-line transfer failed\n");
            return 1;
        }
        std::printf("Clean line:\n");
        drukuj("download", pobranie, bajtyPobraniaBezSprawdzania());
        drukuj("upload", przeslanie, bajtyPrzeslaniaBezSprawdzania());
        std::printf("upload: writes %.0f ms, read-back and end frame %.0f ms\n",
                    przeslanie.zapisyMs, przeslanie.liniaMs - przeslanie.zapisyMs);
        std::printf("The time above each lower bound is the panel's own pacing (poll period, "
                    "request waits).\n");
    }

    const int ziarna = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    for (double przeklamanie : {0.002, 0.005, 0.01}) {
        const double zgubienie = przeklamanie / 2;
        std::vector<double> pobrania, przeslania;
        int pobraneDobrze = 0, przeslaneDobrze = 0;
        for (int z = 1; z <= ziarna; ++z) {
            UstawieniaSymulatora u;
            u.usterki = {quint64(z), przeklamanie, zgubienie, 0.02, true};
            Stanowisko s(u);
            const Wynik p = zmierz(s, [&] { s.przesylanie.pobierz(); });
            zmienObraz(s.m.Obraz);
            const Wynik w = zmierz(s, [&] { s.przesylanie.przekaz(); });
            pobrania.push_back(p.liniaMs / 1000);
            przeslania.push_back(w.liniaMs / 1000);
            pobraneDobrze += p.udane;
            przeslaneDobrze += w.udane;
        }
        std::printf("Noisy line, %.1f %% corrupted, %.2f %% lost, 2 %% garbage, both directions, "
                    "%d seeds: download done %d, median %.0f s, max %.0f s; upload done %d, "
                    "median %.0f s, max %.0f s\n",
                    100 * przeklamanie, 100 * zgubienie, ziarna, pobraneDobrze, mediana(pobrania),
                    *std::max_element(pobrania.begin(), pobrania.end()), przeslaneDobrze,
                    mediana(przeslania), *std::max_element(przeslania.begin(), przeslania.end()));
    }
    return 0;
}
