// How long the window's event loop stops while a printout is made: the longest lateness of a
// 1 ms timer while printing a 20,000-line register, a full archive of 1025 records and the
// whole configuration to PDF. "in the window" paints on the event loop's thread, as printing
// used to; "in the background" is Drukarka::drukuj, which builds and paints in its own thread.

#include "DemoInstalacja.h"
#include "Drukarka.h"
#include "Komunikaty.h"
#include "Module1.h"
#include "PrzestojPetli.h"
#include "PrzykladowyRejestr.h"
#include "archive/WidokArchiwum.h"
#include "archive/WydrukArchiwum.h"
#include "print/WydrukKonfiguracji.h"
#include "print/WydrukRejestru.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

using namespace zr05;
using zr05::bench::przestoj;
using zr05::bench::rejestr;

namespace
{

void pelneArchiwum(Module1& m)
{
    auto& a = m.Archiwum;
    for (int n = 0; n < TabeleArchiwum::LiczbaRekordow; ++n) {
        a.RekAla[n] = {Bajt(25),     Bajt(3), Bajt(1 + n / 1440 % 28), Bajt(n / 60 % 24),
                       Bajt(n % 60), Bajt(1), Bajt(1 + n % 80),        Bajt(1 + n % 10)};
        a.RekZda[n] = a.RekAla[n];
    }
    a.IloscAla = a.IloscZda = TabeleArchiwum::LiczbaRekordow;
}

void wiersz(const char* co, double przed, double po)
{
    std::printf("%-40s in the window %8.1f ms   in the background %6.1f ms\n", co, przed, po);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir katalog;
    Drukarka::ustawKatalogPdf(katalog.path());
    Komunikaty::ustawOdpowiadacz([](const QString&, bool) { return true; });
    const QDateTime teraz = QDateTime::currentDateTime();
    int numer = 0;
    auto pdf = [&] { return katalog.filePath(QStringLiteral("w%1.pdf").arg(++numer)); };
    // `zbuduj` gives what the printing thread gets: the printout or a builder of it.
    auto wTle = [](std::function<std::function<Wydruk()>()> zbuduj) {
        return przestoj([zbuduj] { Drukarka::drukuj(zbuduj(), nullptr, QStringLiteral("b")); },
                        [] { return Drukarka::wToku() == 0; });
    };
    auto wOknie = [&](std::function<Wydruk()> zbuduj) {
        return przestoj([&, zbuduj] { Drukarka::doPdf(zbuduj(), pdf()); }, [] { return true; });
    };

    // Fonts and the PDF engine warm up once, outside the figures.
    Drukarka::doPdf(wydrukRejestru(rejestr(10), teraz), pdf());

    std::printf("Longest event-loop stall while printing to PDF\n");
    QElapsedTimer spoczynek;
    std::printf("%-40s %8.1f ms (what this machine's load alone costs)\n", "nothing, for 2 s",
                przestoj([&] { spoczynek.start(); }, [&] { return spoczynek.elapsed() > 2000; }));
    const QString tekst = rejestr(20000);
    auto rej = [tekst, teraz] { return wydrukRejestru(tekst, teraz); };
    wiersz("register, 20,000 lines", wOknie(rej), wTle([rej] { return rej; }));

    Module1 m;
    pelneArchiwum(m);
    const KluczCzasu od{0, 0, 0, 0, 0}, doKiedy{99, 99, 99, 99, 99};
    // The window takes the record lines (they are what it shows); the rest moves.
    auto arch = [&] { return wydrukArchiwum(true, linieZakresu(m, true, od, doKiedy)); };
    wiersz("alarm archive, 1025 records", wOknie(arch), wTle([&]() -> std::function<Wydruk()> {
               const QStringList linie = linieZakresu(m, true, od, doKiedy);
               return [linie] { return wydrukArchiwum(true, linie); };
           }));

    const Konfiguracja k = demo::instalacja();
    auto konf = [k, teraz] {
        return wydrukKonfiguracji(k, QStringLiteral("/dane/biuro.vor"), teraz);
    };
    wiersz("configuration, all sections", wOknie(konf), wTle([konf] { return konf; }));
    return 0;
}
