#include "RozniceKonfiguracji.h"

#include "editors/AutoUzbrajanie.h"
#include "editors/KontroleStraznikow.h"
#include "editors/ParametryLinii.h"
#include "editors/ParametryWyjsc.h"
#include "editors/TekstyEdytorow.h"
#include "editors/ZaleznosciStref.h"
#include "tables/NazwyLinii.h"

#include <QSet>
#include <functional>

namespace zr05
{

namespace
{

using Bajty = QList<int>;
using Wartosc = std::function<QString(const Konfiguracja&, int n)>;

// One setting of a record as an editor shows it, and the record bytes it is made of.
struct Pole {
    QString nazwa;
    Bajty miejsca;
    Wartosc wartosc;
};

// A kind of record: its numbers, its bytes and the settings the editor shows of it.
struct RodzajRekordu {
    std::function<QString(int n)> etykieta;
    int od, doo;
    std::function<Bajty(const Konfiguracja&, int n)> bajty;
    QList<Pole> pola;
    // Records unused in both configurations are not compared (their bytes mean nothing).
    std::function<bool(const Konfiguracja&, int n)> uzywany = {};
    std::function<QString(int j)> nazwaBajtu = [](int j) {
        return QStringLiteral("bajt %1").arg(j);
    };
};

template <typename Rekord> Bajty bajtyRekordu(const Rekord& r)
{
    return Bajty(r.begin(), r.end());
}

Bajty zakres(int od, int doo)
{
    Bajty b;
    for (int j = od; j <= doo; ++j)
        b.append(j);
    return b;
}

QString dwieCyfry(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

QString lista(const QList<int>& elementy)
{
    if (elementy.isEmpty())
        return QStringLiteral("brak");
    QStringList t;
    for (int e : elementy)
        t.append(QString::number(e));
    return t.join(QStringLiteral(", "));
}

template <typename Rekord> QList<int> zbior(const Rekord& r, int start, int ile)
{
    QList<int> z;
    for (int e = 1; e <= ile; ++e)
        if (wZbiorze(r, start, e))
            z.append(e);
    return z;
}

QString wCudzyslowie(const QString& t)
{
    return QLatin1Char('"') + t + QLatin1Char('"');
}

QString pozycja(const QStringList& pozycje, int i, int kod)
{
    if (i < 0 || i >= pozycje.size())
        return QStringLiteral("nieznana (%1)").arg(kod);
    return pozycje[i];
}

Wartosc bajtLinii(int j)
{
    return [j](const Konfiguracja& k, int n) { return QString::number(k.Linie[n][j]); };
}

RodzajRekordu linie()
{
    return {
        [](int n) { return QStringLiteral("Linia %1").arg(dwieCyfry(n)); },
        1,
        Konfiguracja::LiczbaLinii,
        [](const Konfiguracja& k, int n) { return bajtyRekordu(k.Linie[n]); },
        {
            {QStringLiteral("nazwa"),
             {8, 9, 10},
             [](const Konfiguracja& k, int n) { return wCudzyslowie(nazwaLinii(k, n)); }},
            {QStringLiteral("nr strefy"), zakres(12, 21),
             [](const Konfiguracja& k, int n) {
                 const int z = odczytajLinie(k.Linie[n]).strefa;
                 return z == ParametryLinii::Nieznany ? QStringLiteral("brak") : dwieCyfry(z);
             }},
            {QStringLiteral("rodzaj"),
             {3},
             [](const Konfiguracja& k, int n) {
                 return tekst::RodzajeLinii[(k.Linie[n][3] & 0x80) ? 1 : 0];
             }},
            {QStringLiteral("czułość"),
             {2},
             [](const Konfiguracja& k, int n) {
                 const int c = (k.Linie[n][2] >> 4) & 0x07;
                 return c == 0 ? pozycja(tekst::Czulosci, -1, 0) : tekst::Czulosci[(c - 1) % 4];
             }},
            {QStringLiteral("ilość alarmów"),
             {3},
             [](const Konfiguracja& k, int n) { return QString::number(k.Linie[n][3] & 0x0F); }},
            {QStringLiteral("typ"),
             {2, 6},
             [](const Konfiguracja& k, int n) {
                 return pozycja(tekst::TypyLinii, odczytajLinie(k.Linie[n]).typ,
                                k.Linie[n][2] & 0x0F);
             }},
            {QStringLiteral("opóźnienie wejścia"), {6}, bajtLinii(6)},
            {QStringLiteral("opóźnienie wyjścia"), {7}, bajtLinii(7)},
            {QStringLiteral("warunek wejścia"), {4}, bajtLinii(4)},
            {QStringLiteral("warunek wyjścia"), {5}, bajtLinii(5)},
            {QStringLiteral("linie szyfrowane"), zakres(22, 31),
             [](const Konfiguracja& k, int n) {
                 return lista(zbior(k.Linie[n], 22, Konfiguracja::LiczbaLinii));
             }},
        }};
}

Pole zdarzeniaWyjscia(bool pk)
{
    return {QStringLiteral("zdarzenia"), zakres(14, 20), [pk](const Konfiguracja& k, int n) {
                return lista(czytajWyjscie(k, {pk, n}).zdarzenia);
            }};
}

RodzajRekordu wyjsciaOC()
{
    return {[](int n) { return QStringLiteral("Wyjście OC-%1").arg(dwieCyfry(n)); },
            1,
            Konfiguracja::LiczbaWyjOC,
            [](const Konfiguracja& k, int n) { return bajtyRekordu(k.WyjOC[n]); },
            {
                {QStringLiteral("NC/NO"),
                 {2},
                 [](const Konfiguracja& k, int n) {
                     return tekst::Kontakty[czytajWyjscie(k, {false, n}).kontaktNO ? 0 : 1];
                 }},
                {QStringLiteral("opóźnienie [min]"),
                 {3},
                 [](const Konfiguracja& k, int n) { return QString::number(k.WyjOC[n][3]); }},
                zdarzeniaWyjscia(false),
            }};
}

RodzajRekordu wyjsciaPk()
{
    return {
        [](int n) { return QStringLiteral("Wyjście Pk-%1").arg(dwieCyfry(n)); },
        1,
        Konfiguracja::LiczbaWyjPk,
        [](const Konfiguracja& k, int n) { return bajtyRekordu(k.WyjPk[n]); },
        {
            {QStringLiteral("kasowanie"),
             {1},
             [](const Konfiguracja& k, int n) {
                 return tekst::Kasowania[czytajWyjscie(k, {true, n}).kasowanieAutomatyczne ? 0 : 1];
             }},
            {QStringLiteral("czas trwania [min]"),
             {2},
             [](const Konfiguracja& k, int n) { return QString::number(k.WyjPk[n][2]); }},
            {QStringLiteral("opóźnienie [min]"),
             {3},
             [](const Konfiguracja& k, int n) { return QString::number(k.WyjPk[n][3]); }},
            zdarzeniaWyjscia(true),
        }};
}

RodzajRekordu kontrole()
{
    RodzajRekordu r{
        [](int n) { return QStringLiteral("Kontrola %1").arg(n); },
        1,
        Konfiguracja::LiczbaKontroli,
        [](const Konfiguracja& k, int n) { return bajtyRekordu(k.Kontrole[n]); },
        {
            {QStringLiteral("kontrola"),
             {0, 2},
             [](const Konfiguracja& k, int n) {
                 return kontrolaZdefiniowana(k, n) ? QStringLiteral("jest")
                                                   : QStringLiteral("brak");
             }},
            {QStringLiteral("czas kontroli"),
             {2, 3},
             [](const Konfiguracja& k, int n) {
                 return dwieCyfry(k.Kontrole[n][2]) + u':' + dwieCyfry(k.Kontrole[n][3]);
             }},
            {QStringLiteral("tolerancja [min]"),
             {4},
             [](const Konfiguracja& k, int n) { return QString::number(k.Kontrole[n][4]); }},
            {QStringLiteral("z klawiatury numer"),
             {1},
             [](const Konfiguracja& k, int n) { return QString::number(k.Kontrole[n][1]); }},
            {QStringLiteral("strażnicy"),
             {5, 6},
             [](const Konfiguracja& k, int n) { return lista(czytajKontrole(k, n).straznicy); }},
        }};
    r.uzywany = [](const Konfiguracja& k, int n) { return kontrolaZdefiniowana(k, n); };
    return r;
}

RodzajRekordu autoUzbrajanie()
{
    return {[](int) { return QStringLiteral("Automatyczne uzbrajanie"); },
            1,
            1,
            [](const Konfiguracja& k, int) { return bajtyRekordu(k.AutoUzbr); },
            {
                {QStringLiteral("godzina"),
                 {0, 1},
                 [](const Konfiguracja& k, int) {
                     return dwieCyfry(k.AutoUzbr[0]) + u':' + dwieCyfry(k.AutoUzbr[1]);
                 }},
                {QStringLiteral("czas cichego alarmu"),
                 {2},
                 [](const Konfiguracja& k, int) { return QString::number(k.AutoUzbr[2]); }},
                {QStringLiteral("strefy uzbrajane automatycznie"),
                 {3, 4},
                 [](const Konfiguracja& k, int) { return lista(czytajAutoUzbrajanie(k).strefy); }},
            }};
}

RodzajRekordu strefy()
{
    return {
        [](int n) { return QStringLiteral("Strefa %1").arg(dwieCyfry(n)); },
        1,
        Konfiguracja::LiczbaStref,
        [](const Konfiguracja& k, int n) { return bajtyRekordu(k.Strefy[n]); },
        {
            {QStringLiteral("strefy współzależne"),
             {14, 15},
             [](const Konfiguracja& k, int n) { return lista(czytajZaleznosci(k, n).zalezne); }},
        }};
}

// The keypad editor's bytes as one record: devices 1..16, then the five system bytes.
Bajty bajtySystemu(const Konfiguracja& k)
{
    Bajty b(k.Urzadzenia.begin() + 1, k.Urzadzenia.end());
    b << k.Buzzery << k.KodyTajne << k.CzasKodu << k.KlawFun << k.CzasBlokady;
    return b;
}

QList<int> obecne(const Konfiguracja& k, int pierwsze)
{
    QList<int> n;
    for (int i = 1; i <= 8; ++i)
        if (k.Urzadzenia[pierwsze + i - 1] != 0)
            n.append(i);
    return n;
}

RodzajRekordu klawiatury()
{
    RodzajRekordu r{
        [](int) { return QStringLiteral("Klawiatury"); },
        1,
        1,
        [](const Konfiguracja& k, int) { return bajtySystemu(k); },
        {
            {QStringLiteral("klawiatury"), zakres(0, 7),
             [](const Konfiguracja& k, int) { return lista(obecne(k, 1)); }},
            {QStringLiteral("podcentrale"), zakres(8, 15),
             [](const Konfiguracja& k, int) { return lista(obecne(k, 9)); }},
            {QStringLiteral("buzzery w klawiaturach"),
             {16},
             [](const Konfiguracja& k, int) { return lista(zbior(std::array{k.Buzzery}, 0, 8)); }},
            {QStringLiteral("wprowadzanie kodów"),
             {17},
             [](const Konfiguracja& k, int) {
                 return tekst::WprowadzanieKodow[k.KodyTajne != 0 ? 1 : 0];
             }},
            {QStringLiteral("czas wprowadzania kodu [sek]"),
             {18},
             [](const Konfiguracja& k, int) { return QString::number(k.CzasKodu); }},
            {QStringLiteral("aktywne funkcje wzywania"),
             {19},
             [](const Konfiguracja& k, int) {
                 QStringList f;
                 for (int i = 0; i < tekst::FunkcjeWzywania.size(); ++i)
                     if ((k.KlawFun >> i) & 1)
                         f.append(tekst::FunkcjeWzywania[i]);
                 return f.isEmpty() ? QStringLiteral("brak") : f.join(QStringLiteral(", "));
             }},
            {QStringLiteral("czas blokady klawiatury [min]"),
             {20},
             [](const Konfiguracja& k, int) { return QString::number(k.CzasBlokady); }},
        }};
    r.nazwaBajtu = [](int j) {
        if (j < 16)
            return QStringLiteral("kod urządzenia %1").arg(j + 1);
        static const QStringList Nazwy = {QStringLiteral("Buzzery"), QStringLiteral("KodyTajne"),
                                          QStringLiteral("CzasKodu"), QStringLiteral("KlawFun"),
                                          QStringLiteral("CzasBlokady")};
        return QStringLiteral("bajt %1").arg(Nazwy.value(j - 16));
    };
    return r;
}

void porownaj(const RodzajRekordu& rodzaj, const Konfiguracja& a, const Konfiguracja& b,
              QStringList& wynik)
{
    for (int n = rodzaj.od; n <= rodzaj.doo; ++n) {
        if (rodzaj.uzywany && !rodzaj.uzywany(a, n) && !rodzaj.uzywany(b, n))
            continue;
        QStringList zmiany;
        QSet<int> wyjasnione;
        for (const Pole& p : rodzaj.pola) {
            const QString va = p.wartosc(a, n);
            const QString vb = p.wartosc(b, n);
            if (va == vb)
                continue;
            zmiany.append(p.nazwa + u' ' + va + QStringLiteral(" -> ") + vb);
            for (int j : p.miejsca)
                wyjasnione.insert(j);
        }
        const Bajty ba = rodzaj.bajty(a, n);
        const Bajty bb = rodzaj.bajty(b, n);
        for (int j = 0; j < ba.size(); ++j)
            if (ba[j] != bb[j] && !wyjasnione.contains(j))
                zmiany.append(rodzaj.nazwaBajtu(j) + u' ' + QString::number(ba[j]) +
                              QStringLiteral(" -> ") + QString::number(bb[j]));
        for (const QString& z : zmiany)
            wynik.append(rodzaj.etykieta(n) + QStringLiteral(": ") + z);
    }
}

} // namespace

QStringList rozniceKonfiguracji(const Konfiguracja& a, const Konfiguracja& b)
{
    QStringList wynik;
    for (const RodzajRekordu& r :
         {linie(), wyjsciaOC(), wyjsciaPk(), kontrole(), autoUzbrajanie(), strefy(), klawiatury()})
        porownaj(r, a, b, wynik);
    for (int i = Konfiguracja::PierwszaNazwaUzytkownika; i < Konfiguracja::LiczbaNazw; ++i)
        if (a.NazwyLinii[i] != b.NazwyLinii[i])
            wynik.append(QStringLiteral("Nazwa nietypowa %1: ").arg(i) +
                         wCudzyslowie(a.NazwyLinii[i]) + QStringLiteral(" -> ") +
                         wCudzyslowie(b.NazwyLinii[i]));
    return wynik;
}

} // namespace zr05
