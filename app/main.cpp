#include "Aplikacja.h"
#include "Module1.h"
#include "link/Lacze.h"
#include "link/SladLacza.h"
#include "main/OknoGlowne.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    zr05::przygotujAplikacje(app);

    zr05::Module1 modul;
    // ZR05_TRACE=<file>: a hex trace of the line, for finding out why a transfer failed.
    zr05::PlikSladu slad;
    zr05::Lacze lacze(modul);
    const QString plikSladu = qEnvironmentVariable("ZR05_TRACE");
    if (!plikSladu.isEmpty()) {
        QString blad;
        if (slad.otworz(plikSladu, QStringLiteral("# ZR-05 programmer line trace"), blad))
            lacze.ustawSlad([&slad](const zr05::WpisSladu& w) { slad.zapisz(w); });
        else
            qWarning("ZR05_TRACE: cannot open %s: %s", qPrintable(plikSladu), qPrintable(blad));
    }
    zr05::OknoGlowne okno(modul, lacze);
    okno.show();
    return app.exec();
}
