// Poll answer latency on a real line, as the simulator program measures it (--stats), while
// the program watches on line and prints a 20,000-line register: painted in the window's
// thread as printing used to be, and in the background; then over TCP on 127.0.0.1.

#include "Drukarka.h"
#include "Komunikaty.h"
#include "Module1.h"
#include "PortSzeregowy.h"
#include "PrzykladowyRejestr.h"
#include "link/Lacze.h"
#include "link/WyborPortu.h"
#include "print/WydrukRejestru.h"

#include <QApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>

using namespace zr05;
using zr05::bench::rejestr;

namespace
{

enum class Druk { Brak, WOknie, WTle };

void petla(int ms)
{
    QElapsedTimer czas;
    czas.start();
    while (czas.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

bool przebieg(const char* opis, bool tcp, Druk druk, const QString& tekst, const QString& pdf)
{
    QProcess sym;
    QStringList argumenty = {QStringLiteral("--stats"), QStringLiteral("--quiet")};
    if (tcp)
        argumenty << QStringLiteral("--tcp") << QStringLiteral("127.0.0.1:0");
    sym.start(QCoreApplication::applicationDirPath() +
                  QStringLiteral("/../tools/panel-sim/zr05-panel-sim"),
              argumenty);
    QString adres;
    QDeadlineTimer termin(10000);
    while (adres.isEmpty() && !termin.hasExpired() && sym.waitForReadyRead(200))
        while (sym.canReadLine()) {
            const QString linia = QString::fromLocal8Bit(sym.readLine()).trimmed();
            if (linia.startsWith(QLatin1String("ZR05_COM1=")))
                adres = linia.mid(10);
        }
    if (adres.isEmpty()) {
        std::fprintf(stderr, "the simulator did not start\n");
        return false;
    }

    Module1 m;
    Lacze lacze(m);
    PortSzeregowy port;
    lacze.ustawUjscie([&port](const QByteArray& b) { port.zapisz(b); });
    QObject::connect(&port, &PortSzeregowy::odebrano, &lacze, &Lacze::odbierz);
    m.WybranyPort = 1;
    if (port.otworz(adres) || !potwierdzWyborPortu(m, true)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(adres));
        return false;
    }
    m.ustawOnLine(true);
    petla(3000);
    QElapsedTimer druku;
    druku.start();
    const QDateTime teraz = QDateTime::currentDateTime();
    if (druk == Druk::WOknie) {
        Drukarka::doPdf(wydrukRejestru(tekst, teraz), pdf);
    } else if (druk == Druk::WTle) {
        Drukarka::drukuj([tekst, teraz] { return wydrukRejestru(tekst, teraz); }, nullptr,
                         QStringLiteral("rejestr"));
        while (Drukarka::wToku() > 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    const qint64 drukMs = druku.elapsed();
    petla(2000);
    port.zamknij();
    sym.terminate();
    sym.waitForFinished(5000);
    const QString wynik = QString::fromLocal8Bit(sym.readAllStandardOutput());
    static const QRegularExpression opoznienie(QStringLiteral("poll answer latency: ([^\\n]*)"));
    static const QRegularExpression bez(
        QStringLiteral("polls=(\\d+) answered=\\d+ unanswered=(\\d+)"));
    const auto o = opoznienie.match(wynik);
    const auto b = bez.match(wynik);
    std::printf("%-44s %s; polls %s, unanswered %s", opis, qPrintable(o.captured(1)),
                qPrintable(b.captured(1)), qPrintable(b.captured(2)));
    if (druk != Druk::Brak)
        std::printf(" (printing took %lld ms)", drukMs);
    std::printf("\n");
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir katalog;
    Drukarka::ustawKatalogPdf(katalog.path());
    Komunikaty::ustawOdpowiadacz([](const QString&, bool) { return true; });
    const QString tekst = rejestr(20000);
    // Fonts and the PDF engine warm up once, outside the figures.
    Drukarka::doPdf(wydrukRejestru(rejestr(10), QDateTime::currentDateTime()),
                    katalog.filePath(QStringLiteral("0.pdf")));

    std::printf("Poll answer latency at 2400 bit/s, on line, 5 s each (the simulator's figures)\n");
    const QString pdf = katalog.filePath(QStringLiteral("1.pdf"));
    bool ok =
        przebieg("pseudo-terminal, idle", false, Druk::Brak, tekst, pdf) &&
        przebieg("pseudo-terminal, register printed in window", false, Druk::WOknie, tekst, pdf) &&
        przebieg("pseudo-terminal, register printed in background", false, Druk::WTle, tekst,
                 pdf) &&
        przebieg("TCP 127.0.0.1, idle", true, Druk::Brak, tekst, pdf) &&
        przebieg("TCP 127.0.0.1, register printed in background", true, Druk::WTle, tekst, pdf);
    return ok ? 0 : 1;
}
