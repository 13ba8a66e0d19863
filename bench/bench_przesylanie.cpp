// Full configuration download and upload against the simulated panel at 2400 bit/s pacing.
// Prints the wire-time lower bound for the bytes exchanged, the transfer time on the virtual
// line, and the processor time the program and the panel model needed for it.

#include "Module1.h"
#include "Przewod.h"
#include "SymulatorCentrali.h"
#include "access/Logowanie.h"
#include "access/Przesylanie.h"
#include "link/Lacze.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

using namespace zr05;

namespace
{

constexpr double CzasBajtuMs = 11 * 1000.0 / 2400;

struct Stanowisko {
    Module1 m;
    Lacze lacze{m};
    SymulatorCentrali sym;
    Przewod przewod{lacze, sym};
    Logowanie logowanie{m, lacze};
    Przesylanie przesylanie{m, lacze};

    Stanowisko() { m.WybranyPort = 1; }
    bool doKonca()
    {
        return przewod.runUntil([this] { return m.KodOperacji == 0; }, 600000);
    }
    void zaloguj(const QString& kod)
    {
        logowanie.oknoOtwarte();
        doKonca();
        logowanie.zatwierdzKod(kod);
        doKonca();
    }
};

struct Wynik {
    int bajty = 0;
    double liniaMs = 0;
    double cpuMs = 0;
};

template <typename Start, typename Koniec> Wynik zmierz(Stanowisko& s, Start start, Koniec koniec)
{
    s.przewod.uplyw(1000);
    const int bajtyPrzed = s.przewod.bajtyDoCentrali() + s.przewod.bajtyDoPc();
    const auto odUs = s.przewod.terazUs();
    QElapsedTimer cpu;
    cpu.start();
    start();
    s.przewod.runUntil(koniec, 600000);
    Wynik w;
    w.cpuMs = cpu.nsecsElapsed() / 1e6;
    w.liniaMs = (s.przewod.terazUs() - odUs) / 1000.0;
    w.bajty = s.przewod.bajtyDoCentrali() + s.przewod.bajtyDoPc() - bajtyPrzed;
    return w;
}

void drukuj(const char* nazwa, const Wynik& w)
{
    const double dolnaGranica = w.bajty * CzasBajtuMs;
    std::printf("%-9s bytes %5d  wire lower bound %8.0f ms  on the line %8.0f ms (x%.2f)  "
                "cpu %7.2f ms (%.3f%% of wire time)\n",
                nazwa, w.bajty, dolnaGranica, w.liniaMs, w.liniaMs / dolnaGranica, w.cpuMs,
                100.0 * w.cpuMs / dolnaGranica);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Stanowisko s;
    s.zaloguj(s.sym.ustawienia().kody.uzytkownik);
    s.zaloguj(s.sym.ustawienia().kody.instalator);
    if (!s.m.zalogowanyInstalator()) {
        std::fprintf(stderr, "login failed\n");
        return 1;
    }

    const Wynik pobranie = zmierz(
        s, [&] { s.przesylanie.pobierz(); }, [&] { return s.m.KodOperacji == 0; });
    bool koniec = false;
    QObject::connect(&s.przesylanie, &Przesylanie::zakonczone, [&] { koniec = true; });
    const Wynik przeslanie = zmierz(
        s, [&] { s.przesylanie.przekaz(); }, [&] { return koniec; });

    std::printf("Configuration transfer at 2400 bit/s, 8N2 (%.3f ms a byte)\n", CzasBajtuMs);
    drukuj("download", pobranie);
    drukuj("upload", przeslanie);
    std::printf("The time on the line above the lower bound is the panel's own pacing (poll "
                "period, request waits); the program answers within the same byte time.\n");
    std::printf("Panel-side figures:\n%s\n", qPrintable(s.sym.pomiary().raport()));
    return 0;
}
