// The on-line register as the main window keeps it: the time to put one line in front (the
// core's text and the window's box together) with 100, 10,000 and 100,000 lines held, the
// memory each 10,000 lines take, and the time the archive view needs to show 1025 records.

#include "Module1.h"
#include "archive/WidokArchiwum.h"
#include "link/Lacze.h"
#include "main/OknoGlowne.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <cstdio>
#include <malloc.h>

using namespace zr05;

namespace
{

QString linijka(int i)
{
    return QStringLiteral("%1:%2    ALARM z linii: %3 w strefie: %4\r\n")
        .arg(i / 60 % 24, 2, 10, QLatin1Char('0'))
        .arg(i % 60, 2, 10, QLatin1Char('0'))
        .arg(i % 80 + 1)
        .arg(i % 10 + 1);
}

size_t zajete()
{
    return mallinfo2().uordblks;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Module1 m;
    Lacze lacze(m);
    OknoGlowne okno(m, lacze);
    okno.show();
    Rejestr& rejestr = okno.zdarzenia().rejestr();

    std::printf("Register: one line put in front (core text and the window's box)\n");
    int dodane = 0;
    size_t przed = zajete();
    size_t na10000 = 0;
    for (int cel : {100, 10000, 100000}) {
        while (dodane < cel - 100) {
            rejestr.dodaj(linijka(dodane++));
            if (dodane == 20000)
                na10000 = (zajete() - przed) / 2;
        }
        QCoreApplication::processEvents();
        QElapsedTimer czas;
        qint64 najdluzej = 0, razem = 0;
        for (int i = 0; i < 100; ++i) {
            czas.start();
            rejestr.dodaj(linijka(dodane++));
            QCoreApplication::processEvents(); // the box lays out and paints what changed
            const qint64 ns = czas.nsecsElapsed();
            razem += ns;
            najdluzej = std::max(najdluzej, ns);
        }
        std::printf("  %6d lines held: %7.3f ms a line on average, %7.3f ms at most\n", cel,
                    razem / 100 / 1e6, najdluzej / 1e6);
    }
    std::printf("  memory: %.2f MB per 10,000 lines (text %d chars a line)\n", na10000 / 1e6,
                int(linijka(0).size()));

    for (int n = 0; n < TabeleArchiwum::LiczbaRekordow; ++n)
        m.Archiwum.RekZda[n] = {Bajt(25),     Bajt(3), Bajt(1 + n / 1440 % 28), Bajt(n / 60 % 24),
                                Bajt(n % 60), Bajt(1), Bajt(1 + n % 80),        Bajt(1 + n % 10)};
    m.Archiwum.IloscZda = TabeleArchiwum::LiczbaRekordow;
    QPlainTextEdit widok;
    widok.show();
    QElapsedTimer czas;
    czas.start();
    QString tekst = linieZakresu(m, false, {0, 0, 0, 0, 0}, {99, 99, 99, 99, 99}).join(QString());
    const double linieMs = czas.nsecsElapsed() / 1e6;
    tekst.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    widok.setPlainText(tekst);
    QCoreApplication::processEvents();
    std::printf("Archive view, 1025 records: %.1f ms (lines %.1f ms, the box the rest)\n",
                czas.nsecsElapsed() / 1e6, linieMs);
    return 0;
}
