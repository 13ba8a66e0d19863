#include "Aplikacja.h"
#include "Module1.h"
#include "link/Lacze.h"
#include "main/OknoGlowne.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    zr05::przygotujAplikacje(app);

    zr05::Module1 modul;
    zr05::Lacze lacze(modul);
    zr05::OknoGlowne okno(modul, lacze);
    okno.show();
    return app.exec();
}
