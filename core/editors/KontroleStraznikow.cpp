#include "KontroleStraznikow.h"

namespace zr05
{

namespace
{
constexpr int BajtNumeru = 0;
constexpr int BajtKlawiatury = 1;
constexpr int BajtGodziny = 2;
constexpr int BajtMinuty = 3;
constexpr int BajtTolerancji = 4;
constexpr int PoczatekStraznikow = 5;
constexpr int LiczbaKlawiatur = 8;
constexpr int NajwiekszaMinuta = 59;
constexpr int NajwiekszaTolerancja = 10;

bool wZakresie(int n)
{
    return n >= 1 && n <= Konfiguracja::LiczbaKontroli;
}

// A stored 0 shows as the list's first value; anything above its last cannot be shown.
std::optional<int> pokazane(Bajt b, int najmniejsza, int najwieksza)
{
    if (b > najwieksza)
        return std::nullopt;
    return b < najmniejsza ? najmniejsza : int(b);
}

void wpisz(Bajt& b, const std::optional<int>& wartosc, int najmniejsza, int najwieksza)
{
    if (wartosc && *wartosc >= najmniejsza && *wartosc <= najwieksza)
        b = Bajt(*wartosc);
}
} // namespace

bool kontrolaZdefiniowana(const Konfiguracja& k, int n)
{
    if (!wZakresie(n))
        return false;
    const auto& r = k.Kontrole[n];
    return r[BajtGodziny] != GodzinaWolnegoRekordu && r[BajtNumeru] != 0;
}

QList<int> zdefiniowaneKontrole(const Konfiguracja& k)
{
    QList<int> n;
    for (int i = 1; i <= Konfiguracja::LiczbaKontroli; ++i)
        if (kontrolaZdefiniowana(k, i))
            n.append(i);
    return n;
}

std::optional<int> numerNowejKontroli(const QList<int>& wymienione)
{
    for (int n = 1; n <= Konfiguracja::LiczbaKontroli; ++n)
        if (!wymienione.contains(n))
            return n;
    return std::nullopt;
}

UstawieniaKontroli czytajKontrole(const Konfiguracja& k, int n)
{
    UstawieniaKontroli u;
    if (!wZakresie(n))
        return u;
    const auto& r = k.Kontrole[n];
    u.klawiatura = pokazane(r[BajtKlawiatury], 1, LiczbaKlawiatur);
    u.godzina = r[BajtGodziny] == GodzinaWolnegoRekordu
                    ? std::optional<int>(0)
                    : pokazane(r[BajtGodziny], 0, GodzinaWolnegoRekordu - 1);
    u.minuta = pokazane(r[BajtMinuty], 0, NajwiekszaMinuta);
    u.tolerancja = pokazane(r[BajtTolerancji], 1, NajwiekszaTolerancja);
    for (int g = 1; g <= LiczbaStraznikow; ++g)
        if (wZbiorze(r, PoczatekStraznikow, g))
            u.straznicy.append(g);
    return u;
}

void zapiszKontrole(Konfiguracja& k, int n, const UstawieniaKontroli& u)
{
    if (!wZakresie(n))
        return;
    auto& r = k.Kontrole[n];
    r[BajtNumeru] = Bajt(n);
    wpisz(r[BajtKlawiatury], u.klawiatura, 1, LiczbaKlawiatur);
    wpisz(r[BajtGodziny], u.godzina, 0, GodzinaWolnegoRekordu);
    wpisz(r[BajtMinuty], u.minuta, 0, NajwiekszaMinuta);
    wpisz(r[BajtTolerancji], u.tolerancja, 1, NajwiekszaTolerancja);
    r[PoczatekStraznikow] = 0;
    r[PoczatekStraznikow + 1] = 0;
    for (int g : u.straznicy)
        if (g >= 1 && g <= LiczbaStraznikow)
            ustawWZbiorze(r, PoczatekStraznikow, g, true);
}

void usunKontrole(Konfiguracja& k, int n)
{
    if (!wZakresie(n))
        return;
    k.Kontrole[n][BajtGodziny] = GodzinaWolnegoRekordu;
    k.Kontrole[n][BajtNumeru] = 0;
}

} // namespace zr05
