#include "Aplikacja.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// The resource lives in a static library; it has to be registered from the global namespace.
static void wczytajZasobyAplikacji()
{
    Q_INIT_RESOURCE(aplikacja);
}

namespace zr05
{

QIcon ikonaProgramu()
{
    wczytajZasobyAplikacji();
    return QIcon(QStringLiteral(":/aplikacja/zr05.svg"));
}

bool przygotujAplikacje(QCoreApplication& app)
{
    QCoreApplication::setApplicationName(QStringLiteral("Program do centrali alarmowej ZR-5"));
    if (qobject_cast<QGuiApplication*>(&app)) {
        // The desktop launcher's name lets the desktop match the windows to its icon.
        QGuiApplication::setDesktopFileName(QStringLiteral("zr05"));
        QGuiApplication::setWindowIcon(ikonaProgramu());
    }
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
