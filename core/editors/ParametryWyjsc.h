#pragma once
// What the output editor shows of an OC or Pk output and how its answers go back into the
// image. Numbers the lists cannot show come back as "none" and are kept as stored on saving.

#include "config/Konfiguracja.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace zr05
{

struct WybraneWyjscie {
    bool pk = false; // false: an OC output
    int numer = 1;   // 1..16 for OC, 1..2 for Pk
    bool operator==(const WybraneWyjscie&) const = default;
};

// "OC-01" .. "OC-16", "Pk-01", "Pk-02", in the selector's order.
QStringList pozycjeWyboruWyjscia();
// The output named by a selector text: kind by its first character, number by its last two.
// Nothing for a text that names no output of the image.
std::optional<WybraneWyjscie> wyjscieZTekstu(const QString& tekst);

// Events with a description, the only ones the editor lists: 1, 2 and 11..56.
QList<int> zdarzeniaWyjsc();

// Minutes offered by the delay and alarm time lists.
constexpr int NajwiekszaLiczbaMinut = 9;

struct UstawieniaWyjscia {
    bool kontaktNO = false;             // OC byte 2: 192 is NO, anything else NC
    bool kasowanieAutomatyczne = false; // Pk byte 1: 1 is automatic, anything else manual
    std::optional<int> czasAlarmu;      // Pk byte 2
    std::optional<int> opoznienie;      // byte 3 of both
    QList<int> zdarzenia;               // listed events whose bit is set, ascending
};

UstawieniaWyjscia czytajWyjscie(const Konfiguracja& k, WybraneWyjscie w);
// Writes the fields the editor owns; bytes 14..23 are cleared first, so events 3..10 and
// the unused bytes 21..23 end up 0. A time with no value keeps its stored byte.
void zapiszWyjscie(Konfiguracja& k, WybraneWyjscie w, const UstawieniaWyjscia& u);

} // namespace zr05
