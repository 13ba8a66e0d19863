#include "Polecenia.h"

#include "Konsola.h"

namespace zr05::ctl
{

namespace
{
struct Polecenie {
    const char* nazwa;
    const char* opis;
    Wynik (*wykonaj)(const QStringList&);
};

constexpr Polecenie Polecenia[] = {
    {"download", "pobranie konfiguracji z centralki do pliku .vor", pobierz},
    {"upload", "przesłanie konfiguracji z pliku .vor do centralki", przekaz},
    {"archive", "archiwum zdarzeń lub alarmów, jako tekst albo CSV", archiwum},
    {"monitor", "bieżący rejestr zdarzeń i alarmów, do przerwania", monitor},
    {"show", "wydruk konfiguracji z pliku jako tekst", pokaz},
    {"print", "wydruk konfiguracji z pliku do PDF", drukuj},
    {"diff", "różnice między dwiema konfiguracjami", porownaj},
};

QString pomoc()
{
    QString t =
        QStringLiteral("Użycie: zr05ctl POLECENIE [opcje] [argumenty]\n\n"
                       "Programowanie i podgląd centrali ZR-05 z wiersza poleceń.\n\nPolecenia:\n");
    for (const auto& p : Polecenia)
        t += QStringLiteral("  %1%2\n")
                 .arg(QString::fromUtf8(p.nazwa).leftJustified(10), QString::fromUtf8(p.opis));
    t += QStringLiteral(
        "\nOpis polecenia: zr05ctl POLECENIE --help\n\n"
        "Kody: zmienne ZR05_CODE i ZR05_INSTALLER_CODE (opcje --code i --installer-code widać "
        "na liście procesów); bez nich program pyta o kod na terminalu, bez echa.\n\n"
        "Kody wyjścia: 0 wykonane, 1 odmowa centralki (albo użytkownika), 2 złe użycie, "
        "3 błąd portu lub łącza, 4 błąd pliku, 130 przerwane sygnałem.\n");
    return t;
}
} // namespace

int wykonaj(const QStringList& argumenty)
{
    const QString nazwa = argumenty.value(1);
    if (nazwa == QLatin1String("--help") || nazwa == QLatin1String("-h") ||
        nazwa == QLatin1String("help")) {
        wypisz(pomoc());
        return Ok;
    }
    for (const auto& p : Polecenia) {
        if (nazwa != QLatin1String(p.nazwa))
            continue;
        const Wynik w = p.wykonaj(argumenty.mid(2));
        if (!w.komunikat.isEmpty())
            wypiszBlad(QStringLiteral("zr05ctl %1: %2\n").arg(nazwa, w.komunikat));
        return w.kod;
    }
    wypiszBlad(
        (nazwa.isEmpty() ? QString() : QStringLiteral("Nieznane polecenie: %1\n\n").arg(nazwa)) +
        pomoc());
    return ZleUzycie;
}

} // namespace zr05::ctl
