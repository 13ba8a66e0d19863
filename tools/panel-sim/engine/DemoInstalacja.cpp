#include "DemoInstalacja.h"
#include "config/Nazwy1250.h"
#include "tables/NazwyLinii.h"

#include <QString>

namespace zr05::demo
{

namespace
{

enum Typ : Bajt { Szyfrujaca = 1, Natychmiastowa = 2, Calodobowa = 4, Warunkowa = 8 };

struct OpisLinii {
    int numer;
    Bajt typ;
    int strefa;
    int nazwa;
    int pierwsza;
    int wejscie;
    int wyjscie;
    bool dwustanowa;
};

constexpr OpisLinii Linie[] = {
    {1, Natychmiastowa, 1, 178, 0, 20, 30, false}, // delayed: entry door
    {2, Natychmiastowa, 1, 83, 1, 0, 0, false},
    {3, Natychmiastowa, 2, 29, 1, 0, 0, false},
    {4, Natychmiastowa, 2, 29, 2, 0, 0, false},
    {5, Natychmiastowa, 2, 77, 0, 0, 0, true},
    {6, Calodobowa, 3, 146, 0, 0, 0, false},
    {7, Natychmiastowa, 2, 224, 0, 0, 0, false},
    {8, Natychmiastowa, 3, 225, 0, 0, 0, false},
    {9, Warunkowa, 3, 144, 0, 10, 10, false},
    {10, Szyfrujaca, 1, 78, 0, 0, 0, true},
    {11, Natychmiastowa, 3, 114, 1, 0, 0, false}, // subpanel 1
    {12, Natychmiastowa, 3, 184, 0, 15, 15, false},
};

void linia(Konfiguracja& k, const OpisLinii& o)
{
    auto& r = k.Linie[o.numer];
    const Bajt czulosc = Bajt(1 + o.numer % 3); // 250..750 ms
    r[2] = Bajt(czulosc << 4 | o.typ);
    r[3] = Bajt((o.dwustanowa ? 0xC0 : 0) | 3);
    if (o.typ == Warunkowa) {
        r[4] = 1; // follows the entry door
        r[5] = 0;
    }
    r[6] = Bajt(o.wejscie);
    r[7] = Bajt(o.wyjscie);
    r[8] = Bajt(o.nazwa);
    r[9] = Bajt(o.pierwsza);
    r[11 + o.strefa] = Bajt(o.strefa);
    auto& s = k.Strefy[o.strefa];
    ustawWZbiorze(s, 0, o.numer, true);
}

void wyjscie(std::array<Bajt, 24>& r, std::initializer_list<int> zdarzenia)
{
    for (int z : zdarzenia)
        ustawWZbiorze(r, 14, z, true);
}

} // namespace

Konfiguracja instalacja()
{
    Konfiguracja k;
    for (int n = 1; n <= Konfiguracja::LiczbaLinii; ++n)
        k.Linie[n][0] = Bajt(n);
    for (const auto& o : Linie)
        linia(k, o);
    // The key switch arms and disarms the entry door, the corridor and the offices.
    for (int n : {1, 2, 3, 4, 5})
        ustawWZbiorze(k.Linie[10], 22, n, true);
    // The server room may be armed only after the entrance zone.
    ustawWZbiorze(k.Strefy[3], 14, 1, true);

    k.Urzadzenia[1] = 0x30; // keypads 1 and 2
    k.Urzadzenia[2] = 0x31;
    k.Urzadzenia[9] = 0x38; // subpanel 1

    k.Buzzery = 0x03;
    k.KodyTajne = 1;
    k.CzasKodu = 30;
    k.KlawFun = 0x05; // A and C
    k.CzasBlokady = 5;

    for (int n = 1; n <= Konfiguracja::LiczbaWyjOC; ++n) {
        k.WyjOC[n][0] = Bajt(n);
        k.WyjOC[n][2] = 0x80;
    }
    k.WyjOC[1][2] = 0xC0; // siren: any alarm, panel tamper
    wyjscie(k.WyjOC[1], {1, 23});
    k.WyjOC[2][3] = 1; // mains monitor
    wyjscie(k.WyjOC[2], {42, 43});
    k.WyjOC[3][2] = 0xC0; // armed indicator
    wyjscie(k.WyjOC[3], {47, 48});
    k.WyjPk[1][1] = 1;
    k.WyjPk[1][2] = 3;
    wyjscie(k.WyjPk[1], {1, 21, 24});
    k.WyjPk[2][1] = 2;
    k.WyjPk[2][2] = 5;
    k.WyjPk[2][3] = 1;
    wyjscie(k.WyjPk[2], {2, 27});

    for (int c = 1; c <= Konfiguracja::LiczbaKontroli; ++c)
        k.Kontrole[c][2] = 24; // free
    k.Kontrole[1] = {1, 1, 22, 0, 5, 0x03, 0, 0};
    k.Kontrole[2] = {2, 2, 2, 30, 10, 0x04, 0, 0};

    k.AutoUzbr = {21, 30, 2, 0x03, 0};

    for (int i = 0; i < 32; ++i)
        k.NazwyLinii[Konfiguracja::PierwszaNazwaUzytkownika + i] = QString(8, QChar(' '));
    k.NazwyLinii[224] = QStringLiteral("KUCHNIA ");
    k.NazwyLinii[225] = QStringLiteral("ŚWIETLIK");
    return k;
}

QByteArray nazwaLinii(int indeks, const QByteArray& nazwyUzytkownika)
{
    if (indeks >= Konfiguracja::PierwszaNazwaUzytkownika && indeks < Konfiguracja::LiczbaNazw)
        return nazwyUzytkownika.mid(8 * (indeks - Konfiguracja::PierwszaNazwaUzytkownika), 8)
            .leftJustified(8, ' ', true);
    static const NazwyLiniiTablica slownik = [] {
        NazwyLiniiTablica n;
        WpiszNazwyLinii(n);
        return n;
    }();
    return nazwaNaBajty(indeks > 0 && indeks < Konfiguracja::LiczbaNazw ? slownik[size_t(indeks)]
                                                                        : QStringLiteral("LINIA"));
}

} // namespace zr05::demo
