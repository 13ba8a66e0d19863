#include "AutoUzbrajanie.h"

namespace zr05
{

namespace
{
constexpr int PoczatekZbioru = 3;
}

AutoUzbrajanie czytajAutoUzbrajanie(const Konfiguracja& k)
{
    AutoUzbrajanie a;
    a.godzina = k.AutoUzbr[0];
    a.minuta = k.AutoUzbr[1];
    a.cichyAlarm = k.AutoUzbr[2];
    for (int z = 1; z <= Konfiguracja::LiczbaStref; ++z)
        if (wZbiorze(k.AutoUzbr, PoczatekZbioru, z))
            a.strefy.append(z);
    return a;
}

void zapiszAutoUzbrajanie(Konfiguracja& k, const AutoUzbrajanie& a)
{
    k.AutoUzbr[0] = a.godzina;
    k.AutoUzbr[1] = a.minuta;
    k.AutoUzbr[2] = a.cichyAlarm;
    k.AutoUzbr[3] = 0;
    k.AutoUzbr[4] = 0;
    for (int z : a.strefy)
        if (z >= 1 && z <= Konfiguracja::LiczbaStref)
            ustawWZbiorze(k.AutoUzbr, PoczatekZbioru, z, true);
}

} // namespace zr05
