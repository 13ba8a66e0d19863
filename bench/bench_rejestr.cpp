// The on-line register as the main window keeps it, with 100, 10,000 and 100,000 lines held:
// the time to put one line in front (the core's text and the window's box, painted), the
// longest event-loop stall while lines come at the panel's fastest rate, and the memory each
// 10,000 lines take once shown. Then the archive window showing 1025 records. With "--ukryty"
// the on-line view is off and the register box is not painted.

#include "Module1.h"
#include "PrzestojPetli.h"
#include "PrzykladowyRejestr.h"
#include "archive/OknoArchiwum.h"
#include "link/Lacze.h"
#include "main/OknoGlowne.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <cstdio>
#include <malloc.h>

using namespace zr05;
using zr05::bench::linijkaRejestru;
using zr05::bench::przestoj;

namespace
{

// An '@' message of 7 bytes at 2400 bit/s 8N2 takes this long on the line.
constexpr int NajczesciejMs = 33;

// Small blocks and the large ones the allocator maps on their own.
double zajeteMb()
{
    const auto m = mallinfo2();
    return double(m.uordblks + m.hblkhd) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Module1 m;
    Lacze lacze(m);
    OknoGlowne okno(m, lacze);
    // "--ukryty": the on-line view off, so the box is not shown and nothing paints.
    const bool ukryty = argc > 1 && QByteArray(argv[1]) == "--ukryty";
    m.ustawOnLine(!ukryty);
    okno.show();
    QCoreApplication::processEvents();
    Rejestr& rejestr = okno.zdarzenia().rejestr();

    std::printf("Register: one line put in front (core text and the window's box, %s)\n",
                ukryty ? "hidden" : "painted");
    int dodane = 0;
    // Memory: lines shown one by one, as they come, with the view at the top.
    constexpr int Pokazane = 2000;
    const double przed = zajeteMb();
    for (; dodane < Pokazane; ++dodane) {
        rejestr.dodaj(linijkaRejestru(dodane));
        QCoreApplication::processEvents();
    }
    const double na10000 = (zajeteMb() - przed) * 10000 / Pokazane;
    double naPelny10000 = 0;
    for (int cel : {100, 10000, 100000}) {
        // Lines that come while nothing paints: how much a long register holds.
        const double przedDopelnieniem = zajeteMb();
        const int bylo = dodane;
        while (dodane < cel - 100)
            rejestr.dodaj(linijkaRejestru(dodane++));
        if (cel == 100000)
            naPelny10000 = (zajeteMb() - przedDopelnieniem) * 10000 / (dodane - bylo);
        QCoreApplication::processEvents();
        QElapsedTimer czas;
        qint64 najdluzej = 0, razem = 0;
        for (int i = 0; i < 100; ++i) {
            czas.start();
            rejestr.dodaj(linijkaRejestru(dodane++));
            QCoreApplication::processEvents(); // the box lays out and paints what changed
            const qint64 ns = czas.nsecsElapsed();
            razem += ns;
            najdluzej = std::max(najdluzej, ns);
        }
        // Lines at the panel's fastest rate for two seconds.
        QTimer co;
        QObject::connect(&co, &QTimer::timeout, [&] { rejestr.dodaj(linijkaRejestru(dodane++)); });
        QElapsedTimer dwieSekundy;
        const double przestojMs = przestoj(
            [&] {
                co.start(NajczesciejMs);
                dwieSekundy.start();
            },
            [&] { return dwieSekundy.elapsed() > 2000; });
        co.stop();
        std::printf("  %6d lines held: %7.3f ms a line on average, %7.3f ms at most; "
                    "longest stall at one line per %d ms: %6.1f ms\n",
                    cel, razem / 100 / 1e6, najdluzej / 1e6, NajczesciejMs, przestojMs);
    }
    std::printf("  memory: %.2f MB per 10,000 lines shown one by one, %.2f MB per 10,000 lines "
                "added unpainted (text %d chars a line)\n",
                na10000, naPelny10000, int(linijkaRejestru(0).size()));

    for (int n = 0; n < TabeleArchiwum::LiczbaRekordow; ++n)
        m.Archiwum.RekZda[n] = {Bajt(25),     Bajt(3), Bajt(1 + n / 1440 % 28), Bajt(n / 60 % 24),
                                Bajt(n % 60), Bajt(1), Bajt(1 + n % 80),        Bajt(1 + n % 10)};
    m.Archiwum.IloscZda = TabeleArchiwum::LiczbaRekordow;
    OknoArchiwum* archiwum =
        pokazOknoArchiwum(m, okno.pobieranieArchiwum(), okno.przesylanie(), false, &okno);
    QCoreApplication::processEvents();
    auto* tekst = archiwum->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    double najdluzej = 0;
    for (int i = 0; i < 5; ++i) {
        tekst->clear();
        QCoreApplication::processEvents();
        najdluzej = std::max(najdluzej, przestoj([&] { archiwum->wyswietlZakres(); },
                                                 [&] {
                                                     return tekst->document()->blockCount() >
                                                            TabeleArchiwum::LiczbaRekordow;
                                                 }));
    }
    std::printf("Archive view, 1025 records: longest event-loop stall %.1f ms (%d lines shown)\n",
                najdluzej, tekst->document()->blockCount() - 1);
    return 0;
}
