#pragma once
// What the guard control editor shows of a control and how its answers go back into the
// image. Bytes the lists cannot show come back as "none" and are kept as stored on saving.

#include "config/Konfiguracja.h"

#include <QList>
#include <optional>

namespace zr05
{

constexpr int GodzinaWolnegoRekordu = 24;
constexpr int LiczbaStraznikow = 10;

// A record holds a control when its number byte is not 0 and its hour is not 24.
bool kontrolaZdefiniowana(const Konfiguracja& k, int n);
// The records holding a control, ascending. A record is listed under its own number, so a
// stray number byte can neither point outside the table nor make two entries alike.
QList<int> zdefiniowaneKontrole(const Konfiguracja& k);
// The lowest number in 1..24 not yet listed; nothing when all 24 are.
std::optional<int> numerNowejKontroli(const QList<int>& wymienione);

struct UstawieniaKontroli {
    std::optional<int> klawiatura; // 1..8, a stored 0 shows as 1
    std::optional<int> godzina;    // 0..24, a stored 24 shows as 0
    std::optional<int> minuta;     // 0..59
    std::optional<int> tolerancja; // 1..10, a stored 0 shows as 1
    QList<int> straznicy;          // guards 1..10 who perform it, ascending
};

UstawieniaKontroli czytajKontrole(const Konfiguracja& k, int n);
// Writes control n: its number, the boxes (a box with no value keeps its byte) and the
// guards (bytes 5 and 6 cleared first). Byte 7 is never touched; n outside 1..24 is ignored.
void zapiszKontrole(Konfiguracja& k, int n, const UstawieniaKontroli& u);
// Frees record n at once: hour 24, number 0; the other bytes stay.
void usunKontrole(Konfiguracja& k, int n);

} // namespace zr05
