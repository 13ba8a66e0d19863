#pragma once
// The in-memory image of the panel configuration. Records are numbered from 1 as the user
// sees them; record 0 exists and is never used. Every byte is carried as the panel sent it.

#include <QString>
#include <array>
#include <cstdint>

namespace zr05
{

using Bajt = std::uint8_t;

template <int Rekordy, int Bajty>
using TablicaRekordow = std::array<std::array<Bajt, Bajty>, Rekordy>;

struct Konfiguracja {
    static constexpr int LiczbaLinii = 80;
    static constexpr int LiczbaWyjOC = 16;
    static constexpr int LiczbaWyjPk = 2;
    static constexpr int LiczbaKontroli = 24;
    static constexpr int LiczbaStref = 10;
    static constexpr int PierwszaNazwaUzytkownika = 224;
    static constexpr int LiczbaNazw = 256;
    static constexpr int DlugoscNazwy = 8;

    TablicaRekordow<81, 32> Linie{};
    TablicaRekordow<17, 24> WyjOC{};
    TablicaRekordow<3, 24> WyjPk{};
    std::array<Bajt, 17> Urzadzenia{};
    Bajt KodyTajne = 0;
    Bajt Buzzery = 0;
    Bajt CzasKodu = 0;
    Bajt KlawFun = 0;
    Bajt CzasBlokady = 0;
    TablicaRekordow<25, 8> Kontrole{};
    std::array<Bajt, 5> AutoUzbr{};
    TablicaRekordow<11, 16> Strefy{};
    // Entries 0..223 are the fixed dictionary, 224..255 the user names that belong to the
    // configuration (always 8 characters once read from the panel or a file).
    std::array<QString, LiczbaNazw> NazwyLinii{};

    bool operator==(const Konfiguracja&) const = default;
};

// Member m (counted from 1) of a bit set stored from byte s: bit (m-1) mod 8 of byte s+(m-1)/8.
template <typename Rekord> bool wZbiorze(const Rekord& r, int start, int m)
{
    return (r[start + (m - 1) / 8] >> ((m - 1) % 8)) & 1;
}
template <typename Rekord> void ustawWZbiorze(Rekord& r, int start, int m, bool jest)
{
    const Bajt maska = Bajt(1u << ((m - 1) % 8));
    auto& b = r[start + (m - 1) / 8];
    b = jest ? Bajt(b | maska) : Bajt(b & ~maska);
}

} // namespace zr05
