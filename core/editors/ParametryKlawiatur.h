#pragma once
// The keypad and system parameters: devices present, buzzers, function keys, code entry.

#include "config/Konfiguracja.h"

#include <QList>
#include <array>

namespace zr05
{

struct ParametryKlawiatur {
    static constexpr int LiczbaKlawiatur = 8;
    static constexpr int LiczbaFunkcji = 4; // keys A..D

    QList<int> klawiatury;  // keypads 1..8 present, ascending
    QList<int> podcentrale; // subpanels 1..8 present, ascending
    std::array<bool, LiczbaKlawiatur> buzzery{};
    std::array<bool, LiczbaFunkcji> funkcje{};
    bool tajne = false; // keypads show stars while a code is typed
    Bajt czasKodu = 0;
    Bajt czasBlokady = 0;
};

ParametryKlawiatur czytajParametryKlawiatur(const Konfiguracja& k);

// Every listed device gets the editor's own device code; devices not listed are left as they
// are. The buzzer, function key and code entry bytes are written whole.
void zapiszParametryKlawiatur(Konfiguracja& k, const ParametryKlawiatur& p);

// Device codes written for keypad and subpanel k (1..8).
constexpr Bajt kodKlawiatury(int k)
{
    return Bajt(0x30 + (k - 1));
}
constexpr Bajt kodPodcentrali(int k)
{
    return Bajt(0x38 + (k - 1));
}

} // namespace zr05
