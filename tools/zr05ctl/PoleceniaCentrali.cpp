// The commands that talk to the panel: download, upload and archive.

#include "Polecenia.h"

#include "Konsola.h"
#include "Opcje.h"
#include "SesjaCentrali.h"
#include "Sygnaly.h"

#include "archive/WidokArchiwum.h"
#include "config/PlikKonfiguracji.h"
#include "tables/TekstyArchiwum.h"

#include <QDateTime>
#include <QSaveFile>
#include <functional>

namespace zr05::ctl
{

namespace
{
// An existing file may only be replaced, and only a writable place written: found out
// before a transfer, not after it.
Wynik sprawdzZapis(const QString& sciezka)
{
    QSaveFile proba(sciezka);
    if (!proba.open(QIODevice::WriteOnly))
        return {BladPliku, QStringLiteral("Nie można zapisać konfiguracji do pliku \"%1\": %2.")
                               .arg(sciezka, proba.errorString())};
    proba.cancelWriting();
    return {};
}

// Runs the transfer `start` begins, with its progress bar, until its progress window would
// close; `co` names it when the panel stops answering.
Wynik przeslij(SesjaCentrali& s, const QString& opis,
               const std::function<std::optional<QString>()>& start, const QString& co)
{
    PasekPostepu pasek(opis);
    QObject::connect(&s.przesylanie, &Przesylanie::postepZmieniony, &pasek,
                     [&](double p) { pasek.procent(p); });
    bool koniec = false;
    QObject::connect(&s.przesylanie, &Przesylanie::zakonczone, &pasek, [&] { koniec = true; });
    // A line too noisy for a verified transfer: the reason, and nothing is taken as done.
    QString niepowodzenie;
    QObject::connect(&s.przesylanie, &Przesylanie::niepowodzenie, &pasek,
                     [&](const QString& komunikat) { niepowodzenie = komunikat; });
    if (const auto odmowa = start())
        return {Odmowa, *odmowa};
    Wynik w = s.czekaj([&] { return koniec; }, co);
    if (w.ok() && !niepowodzenie.isEmpty())
        w = {BladLacza, niepowodzenie};
    return w;
}

QString poleCsv(const QString& t)
{
    QString w = t;
    w.replace(u'"', QStringLiteral("\"\""));
    return u'"' + w + u'"';
}

QString dwieCyfry(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

QString wierszCsv(const Module1& m, bool alarmy, const TabeleArchiwum::Rekord& r)
{
    const QString opis = alarmy ? tekstAlarmu(m.Tabele, m.Obraz, r[5], r[6], r[7])
                                : tekstZdarzenia(m.Tabele, r[5], r[6], r[7]);
    return QStringLiteral("20%1-%2-%3,%4:%5,%6,%7,%8\n")
        .arg(dwieCyfry(r[0]), dwieCyfry(r[1]), dwieCyfry(r[2]), dwieCyfry(r[3]), dwieCyfry(r[4]),
             poleCsv(alarmy ? QStringLiteral("ALARM") : QStringLiteral("ZDARZENIE")),
             QString::number(r[5]), poleCsv(opis));
}
} // namespace

Wynik pobierz(const QStringList& argumenty)
{
    Opcje o(QStringLiteral("download"),
            QStringLiteral("Pobiera konfigurację z centralki (logowanie użytkownika, potem "
                           "instalatora) i zapisuje ją do pliku .vor; istniejący plik jest "
                           "zastępowany dopiero po pobraniu całości."));
    o.dodajLacze(true);
    o.dodaj({{QStringLiteral("o"), QStringLiteral("output")},
             QStringLiteral("Plik .vor na pobraną konfigurację."),
             QStringLiteral("PLIK.vor")});
    if (auto koniec = o.przetworz(argumenty, 0))
        return *koniec;
    const QString plik = o.wartosc(QStringLiteral("output"));
    if (plik.isEmpty())
        return {ZleUzycie,
                QStringLiteral("Brak opcji -o PLIK.vor.\nOpis: zr05ctl download --help")};
    if (auto w = sprawdzZapis(plik); !w.ok())
        return w;

    SesjaCentrali s(o.limit());
    Sygnaly sygnaly({SIGINT, SIGTERM});
    QObject::connect(&sygnaly, &Sygnaly::odebrano, &s, [&s] { s.przerwij(); });
    if (auto w = zacznij(s, o, true); !w.ok())
        return w;

    if (auto w = przeslij(
            s, tekst::StatusPobierania, [&] { return s.przesylanie.pobierz(); },
            QStringLiteral("pobieranie konfiguracji"));
        !w.ok())
        return w;
    if (const auto w = ZapiszKonfig(s.m.Obraz, plik); !w)
        return {BladPliku, w.komunikat};
    return {};
}

Wynik przekaz(const QStringList& argumenty)
{
    Opcje o(QStringLiteral("upload"),
            QStringLiteral("Przesyła konfigurację z pliku .vor do centralki (logowanie "
                           "użytkownika, potem instalatora). Plik jest czytany raz, na początku."),
            QStringLiteral("PLIK.vor"));
    o.dodajLacze(true);
    o.dodaj({QStringLiteral("yes"), QStringLiteral("Bez pytania o potwierdzenie.")});
    if (auto koniec = o.przetworz(argumenty, 1))
        return *koniec;

    SesjaCentrali s(o.limit());
    const QString plik = o.pozycyjne().first();
    if (const auto w = CzytajKonfig(plik, s.m.Obraz); !w)
        return {BladPliku, w.komunikat};
    if (!o.jest(QStringLiteral("yes"))) {
        const auto tak = zapytaj(tekst::PytaniePrzesylanie + QStringLiteral(" (%1)").arg(plik));
        if (!tak)
            return {ZleUzycie, QStringLiteral("Nie ma kogo zapytać o potwierdzenie: użyj --yes.")};
        if (!*tak)
            return {Odmowa, QStringLiteral("Przesyłanie anulowane; nic nie zostało wysłane.")};
    }

    Sygnaly sygnaly({SIGINT, SIGTERM});
    QObject::connect(&sygnaly, &Sygnaly::odebrano, &s, [&s] { s.przerwij(); });
    if (auto w = zacznij(s, o, true); !w.ok())
        return w;

    Wynik w = przeslij(
        s, tekst::StatusPrzesylania, [&] { return s.przesylanie.przekaz(); },
        QStringLiteral("przesyłanie konfiguracji"));
    if (w.ok())
        w = s.nastepnyPoll();
    if (!w.ok() && s.przesylanie.przesylanieTrwa())
        w.komunikat += QStringLiteral("\nPrzesyłanie nie zostało zakończone: centralka może mieć "
                                      "częściowo zapisaną konfigurację.");
    return w;
}

Wynik archiwum(const QStringList& argumenty)
{
    Opcje o(QStringLiteral("archive"),
            QStringLiteral("Pobiera archiwum zdarzeń albo alarmów od dnia --from i wypisuje "
                           "rekordy z przedziału --from .. --to tak jak okno archiwum, albo jako "
                           "CSV (data, godzina, rodzaj, kod, opis)."));
    o.dodajLacze(false);
    o.dodaj({QStringLiteral("events"), QStringLiteral("Archiwum zdarzeń.")});
    o.dodaj({QStringLiteral("alarms"), QStringLiteral("Archiwum alarmów.")});
    o.dodaj({QStringLiteral("from"),
             QStringLiteral("Początek: RRRR-MM-DD albo \"RRRR-MM-DD GG:MM\"; od tego dnia "
                            "centralka wysyła archiwum."),
             QStringLiteral("data")});
    o.dodaj({QStringLiteral("to"), QStringLiteral("Koniec, włącznie (domyślnie teraz)."),
             QStringLiteral("data")});
    o.dodaj({QStringLiteral("csv"), QStringLiteral("Wypisuje CSV (UTF-8) z nagłówkiem.")});
    o.dodaj({QStringLiteral("config"),
             QStringLiteral("Konfiguracja, z której alarmy linii biorą nazwy linii, jak w oknie "
                            "archiwum po pobraniu konfiguracji."),
             QStringLiteral("PLIK.vor")});
    if (auto koniec = o.przetworz(argumenty, 0))
        return *koniec;
    const bool alarmy = o.jest(QStringLiteral("alarms"));
    if (alarmy == o.jest(QStringLiteral("events")))
        return {ZleUzycie, QStringLiteral("Podaj jedno z: --events, --alarms.")};
    const auto od = czytajDate(o.wartosc(QStringLiteral("from")));
    if (!od)
        return {ZleUzycie, QStringLiteral("--from: data RRRR-MM-DD [GG:MM] z lat 2000..2099.")};
    const QDateTime teraz = QDateTime::currentDateTime();
    const auto doKiedy = o.jest(QStringLiteral("to"))
                             ? czytajDate(o.wartosc(QStringLiteral("to")))
                             : std::optional(KluczCzasu{
                                   teraz.date().year() % 100, teraz.date().month(),
                                   teraz.date().day(), teraz.time().hour(), teraz.time().minute()});
    if (!doKiedy)
        return {ZleUzycie, QStringLiteral("--to: data RRRR-MM-DD [GG:MM] z lat 2000..2099.")};

    SesjaCentrali s(o.limit());
    if (o.jest(QStringLiteral("config")))
        if (const auto w = CzytajKonfig(o.wartosc(QStringLiteral("config")), s.m.Obraz); !w)
            return {BladPliku, w.komunikat};
    Sygnaly sygnaly({SIGINT, SIGTERM});
    QObject::connect(&sygnaly, &Sygnaly::odebrano, &s, [&s] { s.przerwij(); });
    if (auto w = zacznij(s, o, false); !w.ok())
        return w;

    PasekPostepu pasek(alarmy ? tekst::PobieranieAlarmow : tekst::PobieranieZdarzen);
    QObject::connect(&s.archiwum, &PobieranieArchiwum::licznikZmieniony, &s,
                     [&](const QString& t) { pasek.stan(t); });
    bool koniec = false;
    QObject::connect(&s.archiwum, &PobieranieArchiwum::zakonczone, &s, [&] { koniec = true; });
    s.archiwum.ustawAlarmy(alarmy);
    if (const auto odmowa = s.archiwum.pobierz(Bajt((*od)[2]), Bajt((*od)[1]), Bajt((*od)[0])))
        return {Odmowa, *odmowa};
    if (auto w = s.czekaj([&] { return koniec; }, QStringLiteral("pobieranie archiwum")); !w.ok())
        return w;
    pasek.zakoncz();

    if (o.jest(QStringLiteral("csv"))) {
        QString csv = QStringLiteral("data,godzina,rodzaj,kod,opis\n");
        for (const auto& r : rekordyZakresu(s.m, alarmy, *od, *doKiedy))
            csv += wierszCsv(s.m, alarmy, r);
        wypisz(csv);
    } else {
        QString tekst;
        for (QString l : linieZakresu(s.m, alarmy, *od, *doKiedy))
            tekst += l.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        wypisz(tekst);
    }
    return {};
}

} // namespace zr05::ctl
