// zr05ctl: configuration transfers, archives, an event monitor and configuration files from
// the command line, on the same core as the windowed program.

#include "Polecenia.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

int main(int argc, char* argv[])
{
    // Only the PDF printout needs fonts, hence a GUI application; it draws on no screen.
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && qstrcmp(argv[1], "print") == 0) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("zr05ctl"));
    return zr05::ctl::wykonaj(QCoreApplication::arguments());
}
