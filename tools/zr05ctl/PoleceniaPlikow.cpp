// The commands on configuration files: show, print and diff.

#include "Polecenia.h"

#include "Konsola.h"
#include "Opcje.h"

#include "Drukarka.h"
#include "config/PlikKonfiguracji.h"
#include "editors/RozniceKonfiguracji.h"
#include "print/TekstWydruku.h"
#include "tables/NazwyLinii.h"

#include <QDateTime>
#include <QSaveFile>

namespace zr05::ctl
{

namespace
{
// A file image with the program's dictionary under its user names, as the program holds one.
std::optional<Konfiguracja> czytaj(const QString& sciezka, Wynik& blad)
{
    Konfiguracja k;
    WpiszNazwyLinii(k.NazwyLinii);
    if (const auto w = CzytajKonfig(sciezka, k); !w) {
        blad = {BladPliku, w.komunikat};
        return std::nullopt;
    }
    return k;
}

QCommandLineOption opcjaSekcji()
{
    return {QStringLiteral("sections"),
            QStringLiteral("Tylko te części wydruku, po przecinku, w kolejności wydruku: %1 "
                           "(domyślnie wszystkie).")
                .arg(nazwySekcji()),
            QStringLiteral("lista")};
}

// The printout of a file as the print window makes it, or the reason it cannot be made.
std::optional<Wydruk> wydrukPliku(const Opcje& o, Wynik& blad)
{
    const auto sekcje = czytajSekcje(o.p().values(QStringLiteral("sections")));
    if (!sekcje) {
        blad = {ZleUzycie, QStringLiteral("--sections: znane części to %1.").arg(nazwySekcji())};
        return std::nullopt;
    }
    const QString plik = o.pozycyjne().first();
    const auto k = czytaj(plik, blad);
    if (!k)
        return std::nullopt;
    return wydrukKonfiguracji(*k, plik, QDateTime::currentDateTime(), *sekcje);
}
} // namespace

Wynik pokaz(const QStringList& argumenty)
{
    Opcje o(QStringLiteral("show"), QStringLiteral("Wydruk konfiguracji z pliku .vor jako tekst."),
            QStringLiteral("PLIK.vor"));
    o.dodaj(opcjaSekcji());
    if (auto koniec = o.przetworz(argumenty, 1))
        return *koniec;
    Wynik blad;
    const auto w = wydrukPliku(o, blad);
    if (!w)
        return blad;
    wypisz(tekstWydruku(*w));
    return {};
}

Wynik drukuj(const QStringList& argumenty)
{
    Opcje o(QStringLiteral("print"),
            QStringLiteral("Wydruk konfiguracji z pliku .vor do pliku PDF."),
            QStringLiteral("PLIK.vor"));
    o.dodaj(opcjaSekcji());
    o.dodaj({QStringLiteral("pdf"), QStringLiteral("Plik PDF, zapisywany w całości albo wcale."),
             QStringLiteral("WYDRUK.pdf")});
    if (auto koniec = o.przetworz(argumenty, 1))
        return *koniec;
    const QString pdf = o.wartosc(QStringLiteral("pdf"));
    if (pdf.isEmpty())
        return {ZleUzycie, QStringLiteral("Brak opcji --pdf.\nOpis: zr05ctl print --help")};
    Wynik blad;
    const auto w = wydrukPliku(o, blad);
    if (!w)
        return blad;
    if (!Drukarka::doPdf(*w, pdf))
        return {BladPliku, QStringLiteral("Nie można zapisać wydruku do pliku \"%1\".").arg(pdf)};
    return {};
}

Wynik porownaj(const QStringList& argumenty)
{
    Opcje o(QStringLiteral("diff"),
            QStringLiteral("Różnice między dwiema konfiguracjami, słowami edytorów: co trzeba "
                           "zmienić w pierwszej, aby otrzymać drugą."),
            QStringLiteral("A.vor B.vor"));
    if (auto koniec = o.przetworz(argumenty, 2))
        return *koniec;
    Wynik blad;
    const auto a = czytaj(o.pozycyjne()[0], blad);
    if (!a)
        return blad;
    const auto b = czytaj(o.pozycyjne()[1], blad);
    if (!b)
        return blad;
    for (const QString& linia : rozniceKonfiguracji(*a, *b))
        wypisz(linia + u'\n');
    return {};
}

} // namespace zr05::ctl
