#include "ParametryLinii.h"

#include "tables/NazwyLinii.h"

namespace zr05
{

namespace
{
constexpr int BajtZbioru = 22;
constexpr int PierwszaStrefa = 12;

int wZakresie(int v, int od, int doo)
{
    return v >= od && v <= doo ? v : ParametryLinii::Nieznany;
}

// A delay or an entry condition stored as 0 shows as the first item, "1".
int zeroJakoJeden(int v, int doo)
{
    return v == 0 ? 1 : wZakresie(v, 1, doo);
}

Bajt lubStary(int v, Bajt stary)
{
    return v == ParametryLinii::Nieznany ? stary : Bajt(v);
}

int typZKodu(const RekordLinii& r)
{
    switch (r[2] & 0x0F) {
    case 1:
        return Szyfrujaca;
    case 2:
        return r[6] != 0 ? Opozniona : Natychmiastowa;
    case 4:
        return Calodobowa;
    case 8:
        return Warunkowa;
    default:
        return ParametryLinii::Nieznany;
    }
}
} // namespace

ParametryLinii odczytajLinie(const RekordLinii& r)
{
    ParametryLinii p;
    p.nazwa = r[8];
    p.wartosci = {wZakresie(r[9], 0, 99), wZakresie(r[10], 0, 99)};
    for (int z = 1; z <= Konfiguracja::LiczbaStref; ++z) {
        if (r[11 + z] != 0) {
            p.strefa = z;
            break;
        }
    }
    p.dwustanowa = (r[3] & 0x80) != 0;
    // Codes 1..4 are the four items; 0 and 5..7 show an empty box and stay as stored.
    p.czulosc = wZakresie((r[2] >> 4) & 0x07, 1, 4);
    if (p.czulosc != ParametryLinii::Nieznany)
        p.czulosc -= 1;
    p.alarmy = wZakresie(r[3] & 0x0F, 1, 9);
    p.typ = typZKodu(r);
    p.opoznienieWejscia = zeroJakoJeden(r[6], 99);
    p.opoznienieWyjscia = zeroJakoJeden(r[7], 99);
    p.warunekWejscia = zeroJakoJeden(r[4], Konfiguracja::LiczbaLinii);
    p.warunekWyjscia = wZakresie(r[5], 0, Konfiguracja::LiczbaLinii);
    for (int k = 1; k <= Konfiguracja::LiczbaLinii; ++k)
        if (wZbiorze(r, BajtZbioru, k))
            p.szyfrowane.append(k);
    return p;
}

RekordLinii zapiszLinie(const RekordLinii& stary, int n, const ParametryLinii& p)
{
    RekordLinii r{};
    r[0] = Bajt(n);
    r[3] = lubStary(p.alarmy, stary[3] & 0x0F);
    if (p.dwustanowa)
        r[3] |= 0xC0;
    r[8] = p.nazwa >= 0 && p.nazwa < Konfiguracja::LiczbaNazw ? Bajt(p.nazwa) : stary[8];
    r[9] = lubStary(p.wartosci[0], stary[9]);
    r[10] = lubStary(p.wartosci[1], stary[10]);
    r[2] = p.czulosc >= 0 && p.czulosc <= 3 ? Bajt((p.czulosc + 1) * 16) : Bajt(stary[2] & 0x70);
    if (p.strefa >= 1 && p.strefa <= Konfiguracja::LiczbaStref)
        r[11 + p.strefa] = Bajt(p.strefa);
    else
        for (int j = PierwszaStrefa; j < PierwszaStrefa + Konfiguracja::LiczbaStref; ++j)
            r[j] = stary[j];

    const auto opoznienia = [&] {
        r[6] = lubStary(p.opoznienieWejscia, stary[6]);
        r[7] = lubStary(p.opoznienieWyjscia, stary[7]);
    };
    switch (p.typ) {
    case Natychmiastowa:
        r[2] |= 2;
        break;
    case Opozniona:
        r[2] |= 2;
        opoznienia();
        break;
    case Calodobowa:
        r[2] |= 4;
        break;
    case Warunkowa:
        r[2] |= 8;
        opoznienia();
        r[4] = lubStary(p.warunekWejscia, stary[4]);
        r[5] = lubStary(p.warunekWyjscia, stary[5]);
        break;
    case Szyfrujaca:
        r[2] |= 1;
        for (int k : p.szyfrowane)
            if (k >= 1 && k <= Konfiguracja::LiczbaLinii)
                ustawWZbiorze(r, BajtZbioru, k, true);
        break;
    default:
        // A type code the editor does not know: keep it and everything that belongs to it.
        r[2] |= stary[2] & 0x0F;
        for (int j = 4; j <= 7; ++j)
            r[j] = stary[j];
        for (int j = BajtZbioru; j < 32; ++j)
            r[j] = stary[j];
        break;
    }
    return r;
}

QString tekstWyboruLinii(const Konfiguracja& obraz, int linia)
{
    return QStringLiteral("%1 - ").arg(linia, 2, 10, QLatin1Char('0')) + nazwaLinii(obraz, linia);
}

} // namespace zr05
