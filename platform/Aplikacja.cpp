#include "Aplikacja.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zr05
{

bool przygotujAplikacje(QCoreApplication& app)
{
    QCoreApplication::setApplicationName(QStringLiteral("Program do centrali alarmowej ZR-5"));
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));

    auto* qt = new QTranslator(&app);
    if (!qt->load(QStringLiteral("qtbase_pl"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    return QCoreApplication::installTranslator(qt);
}

} // namespace zr05
