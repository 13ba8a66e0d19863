#include "NazwyNietypowe.h"

#include "config/Nazwy1250.h"

namespace zr05
{

namespace
{
constexpr int Pierwsza = Konfiguracja::PierwszaNazwaUzytkownika;
} // namespace

QString WynikNazwy::komunikat() const
{
    const QString n = QStringLiteral("Nazwa: <") + nazwa + QStringLiteral(">");
    switch (rodzaj) {
    case Dopisana:
        return n + QStringLiteral(" została dopisana na pozycji: %1").arg(pozycja);
    case BrakMiejsca:
        return QStringLiteral("Wszystkie nietypowe nazwy (32) są używane. Aby wpisać nową usuń "
                              "najpierw jedną z nich.");
    case ZleZnaki:
        return n + QStringLiteral(" zawiera znaki, których nie można zapisać w centralce "
                                  "(strona kodowa Windows-1250). Nazwa nie została dopisana.");
    case Usunieta:
        return n + QStringLiteral(" została usunięta z pozycji: %1 listy.").arg(pozycja);
    case Typowa:
        return n + QStringLiteral(" występuje na liście nazw typowych. Usunięcie jej jest "
                                  "niemożliwe. Można usunąć tylko nazwy nietypowe (pozycje "
                                  "listy>223).");
    case NieMaNaLiscie:
        return n + QStringLiteral(" nie występuje na liście nazw nietypowych. Usunięcie jej "
                                  "jest niemożliwe.");
    }
    return QString();
}

WynikNazwy dodajNazweNietypowa(NazwyLiniiTablica& nazwy, const QString& wpisana)
{
    const QString nazwa = wpisana.left(Konfiguracja::DlugoscNazwy);
    if (!nazwaDaSieZapisac(nazwa))
        return {WynikNazwy::ZleZnaki, nazwa};
    for (int i = Pierwsza; i < Konfiguracja::LiczbaNazw; ++i) {
        if (nazwaWolna(nazwy, i)) {
            nazwy[i] = nazwa;
            return {WynikNazwy::Dopisana, nazwa, i};
        }
    }
    return {WynikNazwy::BrakMiejsca, nazwa};
}

WynikNazwy usunNazweNietypowa(NazwyLiniiTablica& nazwy, const QString& nazwa)
{
    for (int i = Pierwsza; i < Konfiguracja::LiczbaNazw; ++i) {
        if (nazwy[i] == nazwa) {
            nazwy[i] = nazwaWolnegoMiejsca(i);
            return {WynikNazwy::Usunieta, nazwa, i};
        }
    }
    for (int i = 0; i < Pierwsza; ++i)
        if (nazwy[i] == nazwa)
            return {WynikNazwy::Typowa, nazwa, i};
    return {WynikNazwy::NieMaNaLiscie, nazwa};
}

int pozycjaNazwy(const NazwyLiniiTablica& nazwy, const QString& tekst)
{
    for (int i = 0; i < Konfiguracja::LiczbaNazw; ++i)
        if (nazwy[i] == tekst)
            return i;
    return -1;
}

int pozycjaNazwy(const NazwyLiniiTablica& nazwy, const QString& tekst, int pokazana)
{
    if (pokazana >= 0 && pokazana < Konfiguracja::LiczbaNazw && nazwy[pokazana] == tekst)
        return pokazana;
    return pozycjaNazwy(nazwy, tekst);
}

} // namespace zr05
