#include "PamiecCentrali.h"
#include "config/MapaPamieci.h"

#include <algorithm>

namespace zr05
{

QByteArray PamiecCentrali::czytaj(int adres, int dlugosc, bool* obcieto) const
{
    QByteArray wynik(std::max(dlugosc, 0), '\0');
    const int od = std::clamp(adres, 0, Rozmiar);
    const int ile = std::clamp(Rozmiar - od, 0, int(wynik.size()));
    std::copy(m_bajty.begin() + od, m_bajty.begin() + od + ile, wynik.begin());
    if (obcieto)
        *obcieto = ile < wynik.size() || adres < 0;
    return wynik;
}

int PamiecCentrali::zapisz(int adres, const QByteArray& dane)
{
    if (adres < 0 || adres >= Rozmiar)
        return 0;
    const int ile = std::min(int(dane.size()), Rozmiar - adres);
    std::copy(dane.begin(), dane.begin() + ile, m_bajty.begin() + adres);
    return ile;
}

void PamiecCentrali::wpiszKonfiguracje(const Konfiguracja& k)
{
    for (int krok = PierwszyKrokPrzesylania; krok <= OstatniKrokPrzesylania; ++krok)
        if (const auto blok = blokZapisu(krok))
            zapisz(blok->adres, daneKrokuPrzesylania(k, krok).left(blok->dlugosc));
    QByteArray urzadzenia;
    for (int i = 1; i <= 16; ++i)
        urzadzenia.append(char(k.Urzadzenia[i]));
    zapisz(adres::Urzadzenia, urzadzenia);
}

Konfiguracja PamiecCentrali::konfiguracja() const
{
    Konfiguracja k;
    for (int krok = PierwszyKrokPobierania; krok <= OstatniKrokPobierania; ++krok)
        if (const auto blok = blokOdczytu(krok))
            zapiszKrokPobierania(k, krok, czytaj(blok->adres, blok->dlugosc));
    return k;
}

} // namespace zr05
