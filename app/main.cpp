#include "Module1.h"
#include "link/Lacze.h"
#include "main/Form1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Message boxes carry the program's title.
    QApplication::setApplicationName(QStringLiteral("Program do centrali alarmowej ZR-5"));
    QApplication::setApplicationDisplayName(QStringLiteral("Program do centrali alarmowej ZR-5"));

    // The interface is Polish, Qt's own buttons and dialogs too ("Anuluj").
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QTranslator tlumaczenieQt;
    if (tlumaczenieQt.load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&tlumaczenieQt);

    zr05::Module1 modul;
    zr05::Lacze lacze(modul);
    zr05::Form1 okno(modul, lacze);
    okno.show();
    return app.exec();
}
