#include "WidokArchiwum.h"
#include "tables/TekstyArchiwum.h"

#include <algorithm>

namespace zr05
{

namespace
{
KluczCzasu kluczRekordu(const TabeleArchiwum::Rekord& r)
{
    return {r[0], r[1], r[2], r[3], r[4]};
}

QString dwieCyfry(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

QString czasRekordu(const TabeleArchiwum::Rekord& r)
{
    return dwieCyfry(r[0]) + u'-' + dwieCyfry(r[1]) + u'-' + dwieCyfry(r[2]) +
           QStringLiteral("  ") + dwieCyfry(r[3]) + u':' + dwieCyfry(r[4]) + QStringLiteral("  ");
}

// A count outside the table (never stored so) is held to the table.
int wTabeli(int ilosc)
{
    return std::clamp(ilosc, 0, TabeleArchiwum::LiczbaRekordow);
}
} // namespace

KluczCzasu kluczZPol(const QStringList& pola)
{
    KluczCzasu k{};
    for (int i = 0; i < int(k.size()) && i < pola.size(); ++i) {
        const QString pole = i == 0 ? pola[i].right(2) : pola[i];
        k[i] = pole.toInt();
    }
    return k;
}

int poczatekZakresu(const TabeleArchiwum::Rekordy& rekordy, int ilosc, const KluczCzasu& od)
{
    ilosc = wTabeli(ilosc);
    for (int i = 0; i < ilosc; ++i)
        if (kluczRekordu(rekordy[i]) >= od)
            return i;
    return ilosc;
}

int koniecZakresu(const TabeleArchiwum::Rekordy& rekordy, int ilosc, int pierwszy,
                  const KluczCzasu& doKiedy)
{
    ilosc = wTabeli(ilosc);
    for (int i = std::max(pierwszy, 0); i < ilosc; ++i)
        if (kluczRekordu(rekordy[i]) > doKiedy)
            return i;
    return std::max(ilosc, pierwszy);
}

QString liniaAlarmu(const TabeleTekstow& tabele, const Konfiguracja& obraz,
                    const TabeleArchiwum::Rekord& r)
{
    return czasRekordu(r) + QStringLiteral("ALARM: ") +
           tekstAlarmu(tabele, obraz, r[5], r[6], r[7]) + QStringLiteral("\r\n");
}

QString liniaZdarzenia(const TabeleTekstow& tabele, const TabeleArchiwum::Rekord& r)
{
    return czasRekordu(r) + QStringLiteral("ZDARZENIE: ") +
           tekstZdarzenia(tabele, r[5], r[6], r[7]) + QStringLiteral("\r\n");
}

QList<TabeleArchiwum::Rekord> rekordyZakresu(const Module1& m, bool alarmy, const KluczCzasu& od,
                                             const KluczCzasu& doKiedy)
{
    const TabeleArchiwum& a = m.Archiwum;
    const TabeleArchiwum::Rekordy& rekordy = alarmy ? a.RekAla : a.RekZda;
    const int ilosc = alarmy ? a.IloscAla : a.IloscZda;
    const int pierwszy = poczatekZakresu(rekordy, ilosc, od);
    const int koniec = koniecZakresu(rekordy, ilosc, pierwszy, doKiedy);
    return QList<TabeleArchiwum::Rekord>(rekordy.begin() + pierwszy, rekordy.begin() + koniec);
}

QStringList linieZakresu(const Module1& m, bool alarmy, const KluczCzasu& od,
                         const KluczCzasu& doKiedy)
{
    QStringList linie;
    for (const auto& r : rekordyZakresu(m, alarmy, od, doKiedy))
        linie.append(alarmy ? liniaAlarmu(m.Tabele, m.Obraz, r) : liniaZdarzenia(m.Tabele, r));
    return linie;
}

} // namespace zr05
