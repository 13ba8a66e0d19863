#include "MapaPamieci.h"
#include "Nazwy1250.h"

namespace zr05
{

namespace
{

// Copies `ile` records of a table, starting at record `od`, to/from a flat byte run.
template <typename Tablica>
void rekordyZDanych(Tablica& t, int od, int ile, const QByteArray& dane, int poczatek = 0)
{
    const int rozmiar = int(t[0].size());
    for (int k = 0; k < ile; ++k)
        for (int j = 0; j < rozmiar; ++j) {
            const int i = poczatek + rozmiar * k + j;
            t[od + k][j] = i < dane.size() ? Bajt(dane[i]) : 0;
        }
}

template <typename Tablica>
void rekordyDoDanych(const Tablica& t, int od, int ile, QByteArray& dane)
{
    for (int k = 0; k < ile; ++k)
        for (Bajt b : t[od + k])
            dane.append(char(b));
}

Bajt bajt(const QByteArray& dane, int i)
{
    return i < dane.size() ? Bajt(dane[i]) : 0;
}

void nazwyZDanych(Konfiguracja& k, int pierwsza, const QByteArray& dane)
{
    for (int n = 0; n < 16; ++n)
        k.NazwyLinii[pierwsza + n] = nazwaZBajtow(dane.mid(8 * n, 8).leftJustified(8, '\0'));
}

} // namespace

std::optional<BlokPamieci> blokOdczytu(int kod)
{
    if (kod >= 1 && kod <= 20)
        return BlokPamieci{quint16(adres::Linie + (kod - 1) * 128), 128};
    if (kod >= 21 && kod <= 23)
        return BlokPamieci{quint16(adres::WyjOC + (kod - 21) * 120), 120};
    switch (kod) {
    case 24:
        return BlokPamieci{0x3168, 72};
    case 25:
        return BlokPamieci{adres::Urzadzenia, 16};
    case 26:
        return BlokPamieci{adres::System, 5};
    case 27:
        return BlokPamieci{adres::Kontrole, 128};
    case 28:
        return BlokPamieci{0x1380, 96};
    case 29:
        return BlokPamieci{adres::Strefy, 96};
    case 30:
        return BlokPamieci{0x0260, 64};
    case 31:
        return BlokPamieci{adres::NazwyUzytkownika, 128};
    case 32:
        return BlokPamieci{0x0D80, 128};
    case 41:
        return BlokPamieci{adres::Blokada, 2};
    case 42:
        return BlokPamieci{adres::System, 5};
    default:
        return std::nullopt;
    }
}

std::optional<BlokPamieci> blokZapisu(int kod)
{
    if (kod >= 60 && kod <= 85)
        return BlokPamieci{quint16(adres::Linie + (kod - 60) * 96), 96};
    if (kod >= 87 && kod <= 90)
        return BlokPamieci{quint16(adres::WyjOC + (kod - 87) * 96), 96};
    if (kod == 93 || kod == 94)
        return BlokPamieci{quint16(adres::Kontrole + (kod - 93) * 96), 96};
    if (kod == 96 || kod == 97)
        return BlokPamieci{quint16(adres::Strefy + (kod - 96) * 80), 80};
    if (kod == 98 || kod == 99)
        return BlokPamieci{quint16(adres::NazwyUzytkownika + (kod - 98) * 96), 96};
    switch (kod) {
    case 43:
    case 44:
        return BlokPamieci{adres::Blokada, 2};
    case 86:
        return BlokPamieci{0x29C0, 64};
    case 91:
        return BlokPamieci{adres::WyjPk, 48};
    case 92:
        return BlokPamieci{adres::System, 5};
    case 95:
        return BlokPamieci{adres::AutoUzbr, 5};
    case 100:
        return BlokPamieci{0x0DC0, 64};
    default:
        return std::nullopt;
    }
}

void zapiszKrokPobierania(Konfiguracja& k, int krok, const QByteArray& dane)
{
    if (krok >= 1 && krok <= 20) {
        rekordyZDanych(k.Linie, 4 * (krok - 1) + 1, 4, dane);
    } else if (krok >= 21 && krok <= 23) {
        rekordyZDanych(k.WyjOC, 5 * (krok - 21) + 1, 5, dane);
    } else if (krok == 24) {
        rekordyZDanych(k.WyjOC, 16, 1, dane);
        rekordyZDanych(k.WyjPk, 1, 2, dane, 24);
    } else if (krok == 25) {
        for (int i = 1; i <= 16; ++i)
            k.Urzadzenia[i] = bajt(dane, i - 1);
    } else if (krok == 26) {
        k.Buzzery = bajt(dane, 0);
        k.KodyTajne = bajt(dane, 1);
        k.CzasKodu = bajt(dane, 2);
        k.KlawFun = bajt(dane, 3);
        k.CzasBlokady = bajt(dane, 4);
    } else if (krok == 27) {
        rekordyZDanych(k.Kontrole, 1, 16, dane);
    } else if (krok == 28) {
        rekordyZDanych(k.Kontrole, 17, 8, dane);
        for (int j = 0; j < 5; ++j)
            k.AutoUzbr[j] = bajt(dane, 80 + j);
    } else if (krok == 29) {
        rekordyZDanych(k.Strefy, 1, 6, dane);
    } else if (krok == 30) {
        rekordyZDanych(k.Strefy, 7, 4, dane);
    } else if (krok == 31) {
        nazwyZDanych(k, 224, dane);
    } else if (krok == 32) {
        nazwyZDanych(k, 240, dane);
    }
}

QByteArray daneKrokuPrzesylania(const Konfiguracja& k, int krok)
{
    QByteArray d;
    if (krok >= 60 && krok <= 85) {
        rekordyDoDanych(k.Linie, 3 * (krok - 60) + 1, 3, d);
    } else if (krok == 86) {
        rekordyDoDanych(k.Linie, 79, 2, d);
    } else if (krok >= 87 && krok <= 90) {
        rekordyDoDanych(k.WyjOC, 4 * (krok - 87) + 1, 4, d);
    } else if (krok == 91) {
        rekordyDoDanych(k.WyjPk, 1, 2, d);
    } else if (krok == 92) {
        for (Bajt b : {k.Buzzery, k.KodyTajne, k.CzasKodu, k.KlawFun, k.CzasBlokady})
            d.append(char(b));
    } else if (krok == 93 || krok == 94) {
        rekordyDoDanych(k.Kontrole, 12 * (krok - 93) + 1, 12, d);
    } else if (krok == 95) {
        for (Bajt b : k.AutoUzbr)
            d.append(char(b));
    } else if (krok == 96 || krok == 97) {
        rekordyDoDanych(k.Strefy, 5 * (krok - 96) + 1, 5, d);
    } else if (krok == 98 || krok == 99) {
        for (int n = 0; n < 12; ++n)
            d.append(nazwaNaBajty(k.NazwyLinii[224 + 12 * (krok - 98) + n]));
    } else if (krok == 100) {
        for (int n = 0; n < 8; ++n)
            d.append(nazwaNaBajty(k.NazwyLinii[248 + n]));
    }
    return d;
}

} // namespace zr05
