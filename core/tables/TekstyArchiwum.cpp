#include "TekstyArchiwum.h"
#include "NazwyLinii.h"

#include <algorithm>

namespace zr05
{

namespace
{
// The panel's display line: a placeholder starting in the last column cannot be filled.
constexpr int OstatniaPozycjaSzablonu = 15;

constexpr Bajt KodAlarmuLinii = 0;
constexpr Bajt KodSabotazuLinii = 14;

QString kodPozaTabela(Bajt kod)
{
    return QStringLiteral("kod %1").arg(kod);
}
} // namespace

QString parametrDwucyfrowy(Bajt wartosc)
{
    return wartosc < 10 ? QStringLiteral("0%1").arg(wartosc) : QString::number(wartosc);
}

QString wypelnijParametry(const QString& szablon, Bajt bajt6, Bajt bajt7)
{
    QString tekst = szablon;
    QString parametr = parametrDwucyfrowy(bajt6);
    const int koniec = std::min<int>(OstatniaPozycjaSzablonu, tekst.size() - 1);
    for (int p = 0; p < koniec; ++p) {
        if (tekst[p] != u'x')
            continue;
        tekst[p] = parametr.front();
        tekst[p + 1] = parametr.back();
        ++p;
        parametr = parametrDwucyfrowy(bajt7);
    }
    return tekst;
}

QString tekstAlarmu(const TabeleTekstow& tabele, const Konfiguracja& obraz, Bajt kod, Bajt bajt6,
                    Bajt bajt7)
{
    if (kod >= TabeleTekstow::LiczbaAlarmow)
        return kodPozaTabela(kod);
    const QString wypelniony = wypelnijParametry(tabele.NazwyAla[kod], bajt6, bajt7);
    if (kod != KodAlarmuLinii && kod != KodSabotazuLinii)
        return wypelniony;

    const int linia = kod == KodAlarmuLinii ? bajt7 : bajt6;
    // A line the image does not hold keeps the filled template.
    if (linia < 1 || linia > Konfiguracja::LiczbaLinii)
        return wypelniony;
    if (obraz.Linie[linia][8] == 0)
        return wypelniony;
    const QString przedrostek =
        kod == KodAlarmuLinii ? QStringLiteral("Linia: ") : QStringLiteral("SAB.: Linia: ");
    return przedrostek + nazwaLinii(obraz, linia);
}

QString tekstZdarzenia(const TabeleTekstow& tabele, Bajt kod, Bajt bajt6, Bajt bajt7)
{
    const int indeks = kod - TabeleTekstow::PierwszyKodZdarzenia;
    if (indeks < 0 || indeks >= TabeleTekstow::LiczbaZdarzen)
        return kodPozaTabela(kod);
    return wypelnijParametry(tabele.NazwyZda[indeks], bajt6, bajt7);
}

} // namespace zr05
