#include "ZaleznosciStref.h"

namespace zr05
{

namespace
{
constexpr int PoczatekZbioru = 14;

bool znanaStrefa(int strefa)
{
    return strefa >= 1 && strefa <= Konfiguracja::LiczbaStref;
}
} // namespace

ZaleznosciStrefy czytajZaleznosci(const Konfiguracja& k, int strefa)
{
    ZaleznosciStrefy wynik;
    if (!znanaStrefa(strefa))
        return wynik;
    const auto& rekord = k.Strefy[strefa];
    for (int z = 1; z < strefa; ++z)
        (wZbiorze(rekord, PoczatekZbioru, z) ? wynik.zalezne : wynik.niezalezne).append(z);
    return wynik;
}

void zapiszZaleznosci(Konfiguracja& k, int strefa, const QList<int>& zalezne)
{
    if (!znanaStrefa(strefa))
        return;
    auto& rekord = k.Strefy[strefa];
    for (int j = 11; j <= 15; ++j)
        rekord[j] = 0;
    for (int z : zalezne)
        if (z >= 1 && z < strefa)
            ustawWZbiorze(rekord, PoczatekZbioru, z, true);
}

} // namespace zr05
