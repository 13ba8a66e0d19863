// The longest event-loop stall of the commands that work on a whole configuration: opening
// each editor and the printout window with their lists filled, and saving and reading a
// configuration file while all of them are open (a read refills them all); and choosing a
// port that is a TCP server which never answers.

#include "DemoInstalacja.h"
#include "Komunikaty.h"
#include "Module1.h"
#include "PortSzeregowy.h"
#include "PrzestojPetli.h"
#include "config/PlikKonfiguracji.h"
#include "link/Lacze.h"
#include "main/OknoGlowne.h"

#include <QApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <cstdio>

using namespace zr05;
using zr05::bench::przestoj;

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Komunikaty::ustawOdpowiadacz([](const QString&, bool) { return true; });
    Module1 m;
    Lacze lacze(m);
    OknoGlowne okno(m, lacze);
    m.Obraz = demo::instalacja();
    m.WpisKonfig();
    okno.show();
    QCoreApplication::processEvents();
    const auto raz = [](const std::function<void()>& f) {
        return przestoj(f, [] { return true; });
    };

    std::printf("Longest event-loop stall of window commands\n");
    std::printf("%-44s %8.1f ms (what this machine's load alone costs)\n", "nothing", raz([] {}));
    const std::pair<const char*, void (OknoGlowne::*)()> polecenia[] = {
        {"line editor opened", &OknoGlowne::edytujLinie},
        {"output editor opened", &OknoGlowne::edytujWyjscia},
        {"zone editor opened", &OknoGlowne::edytujStrefy},
        {"guard control editor opened", &OknoGlowne::edytujKontrole},
        {"automatic arming editor opened", &OknoGlowne::edytujAutoUzbrajanie},
        {"keypad editor opened", &OknoGlowne::edytujKlawiatury},
        {"printout window opened", &OknoGlowne::drukujKonfiguracje},
    };
    for (const auto& para : polecenia) {
        const auto polecenie = para.second; // a structured binding cannot be captured by clang 14
        std::printf("%-44s %8.1f ms\n", para.first,
                    raz([&okno, polecenie] { (okno.*polecenie)(); }));
    }

    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("biuro.vor"));
    double zapis = 0, odczyt = 0;
    for (int i = 0; i < 5; ++i) {
        zapis = std::max(zapis, raz([&] { ZapiszKonfig(m, plik); }));
        odczyt = std::max(odczyt, raz([&] { CzytajKonfig(m, plik); }));
    }
    std::printf("%-44s %8.1f ms\n", "file saved (all windows open; worst of 5)", zapis);
    std::printf("%-44s %8.1f ms\n", "file read, windows refilled (worst of 5)", odczyt);

    // A listener whose only queue place is taken leaves further attempts unanswered, as a
    // server that is switched off or filtered does.
    QTcpServer zapchany;
    zapchany.setListenBacklogSize(0);
    zapchany.listen(QHostAddress::LocalHost);
    zapchany.pauseAccepting();
    QTcpSocket pierwszy;
    pierwszy.connectToHost(QHostAddress::LocalHost, zapchany.serverPort());
    pierwszy.waitForConnected(1000);
    qputenv("ZR05_COM1",
            QByteArray("tcp://127.0.0.1:") + QByteArray::number(zapchany.serverPort()));
    m.WybranyPort = 1;
    std::printf("%-44s %8.1f ms\n", "TCP server not answering chosen",
                przestoj([&] { okno.potwierdzPort(); }, [&] { return !okno.port().laczy(); }));
    return 0;
}
