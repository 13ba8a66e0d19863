#include "ParametryWyjsc.h"

namespace zr05
{

namespace
{
constexpr int BajtKontaktu = 2;
constexpr int BajtKasowania = 1;
constexpr int BajtCzasuAlarmu = 2;
constexpr int BajtOpoznienia = 3;
constexpr int PoczatekZdarzen = 14;
constexpr int KoniecRekordu = 23;
constexpr Bajt KontaktNO = 192;
constexpr Bajt KontaktNC = 128;
constexpr Bajt KasowanieAutomatyczne = 1;
constexpr Bajt KasowanieReczne = 2;

std::optional<int> minuty(Bajt b)
{
    if (b > NajwiekszaLiczbaMinut)
        return std::nullopt;
    return int(b);
}

void wpiszMinuty(Bajt& b, const std::optional<int>& wartosc)
{
    if (wartosc && *wartosc >= 0 && *wartosc <= NajwiekszaLiczbaMinut)
        b = Bajt(*wartosc);
}

template <typename Rekord> QList<int> czytajZdarzenia(const Rekord& r)
{
    QList<int> z;
    for (int e : zdarzeniaWyjsc())
        if (wZbiorze(r, PoczatekZdarzen, e))
            z.append(e);
    return z;
}

template <typename Rekord> void zapiszZdarzenia(Rekord& r, const QList<int>& zdarzenia)
{
    for (int j = PoczatekZdarzen; j <= KoniecRekordu; ++j)
        r[j] = 0;
    const QList<int> dozwolone = zdarzeniaWyjsc();
    for (int e : zdarzenia)
        if (dozwolone.contains(e))
            ustawWZbiorze(r, PoczatekZdarzen, e, true);
}

bool wZakresie(WybraneWyjscie w)
{
    return w.numer >= 1 &&
           w.numer <= (w.pk ? Konfiguracja::LiczbaWyjPk : Konfiguracja::LiczbaWyjOC);
}
} // namespace

QStringList pozycjeWyboruWyjscia()
{
    QStringList p;
    for (int n = 1; n <= Konfiguracja::LiczbaWyjOC; ++n)
        p << QStringLiteral("OC-%1").arg(n, 2, 10, QLatin1Char('0'));
    for (int n = 1; n <= Konfiguracja::LiczbaWyjPk; ++n)
        p << QStringLiteral("Pk-%1").arg(n, 2, 10, QLatin1Char('0'));
    return p;
}

std::optional<WybraneWyjscie> wyjscieZTekstu(const QString& tekst)
{
    if (tekst.size() < 3)
        return std::nullopt;
    bool ok = false;
    WybraneWyjscie w;
    w.numer = tekst.right(2).toInt(&ok);
    w.pk = !tekst.startsWith(QLatin1Char('O'));
    if (!ok || !wZakresie(w))
        return std::nullopt;
    return w;
}

QList<int> zdarzeniaWyjsc()
{
    QList<int> z{1, 2};
    for (int e = 11; e <= 56; ++e)
        z.append(e);
    return z;
}

UstawieniaWyjscia czytajWyjscie(const Konfiguracja& k, WybraneWyjscie w)
{
    UstawieniaWyjscia u;
    if (!wZakresie(w))
        return u;
    if (w.pk) {
        const auto& r = k.WyjPk[w.numer];
        u.kasowanieAutomatyczne = r[BajtKasowania] == KasowanieAutomatyczne;
        u.czasAlarmu = minuty(r[BajtCzasuAlarmu]);
        u.opoznienie = minuty(r[BajtOpoznienia]);
        u.zdarzenia = czytajZdarzenia(r);
    } else {
        const auto& r = k.WyjOC[w.numer];
        u.kontaktNO = r[BajtKontaktu] == KontaktNO;
        u.opoznienie = minuty(r[BajtOpoznienia]);
        u.zdarzenia = czytajZdarzenia(r);
    }
    return u;
}

void zapiszWyjscie(Konfiguracja& k, WybraneWyjscie w, const UstawieniaWyjscia& u)
{
    if (!wZakresie(w))
        return;
    if (w.pk) {
        auto& r = k.WyjPk[w.numer];
        r[BajtKasowania] = u.kasowanieAutomatyczne ? KasowanieAutomatyczne : KasowanieReczne;
        wpiszMinuty(r[BajtCzasuAlarmu], u.czasAlarmu);
        wpiszMinuty(r[BajtOpoznienia], u.opoznienie);
        zapiszZdarzenia(r, u.zdarzenia);
    } else {
        auto& r = k.WyjOC[w.numer];
        r[BajtKontaktu] = u.kontaktNO ? KontaktNO : KontaktNC;
        wpiszMinuty(r[BajtOpoznienia], u.opoznienie);
        zapiszZdarzenia(r, u.zdarzenia);
    }
}

} // namespace zr05
