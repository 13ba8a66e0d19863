#pragma once
// What the line editor shows of one detection line record, and how a record is built back from
// it. Stored values the editor's boxes do not offer read as "nieznany" (-1) and are carried
// unchanged through a save, so a record the panel wrote differently is never quietly altered.

#include "config/Konfiguracja.h"

#include <QList>
#include <QString>
#include <array>

namespace zr05
{

using RekordLinii = std::array<Bajt, 32>;

// The items of the type box, in its order.
enum TypLinii : int {
    Natychmiastowa = 0,
    Opozniona = 1,
    Calodobowa = 2,
    Warunkowa = 3,
    Szyfrujaca = 4,
};

struct ParametryLinii {
    static constexpr int Nieznany = -1;

    int nazwa = 0;                 // dictionary index 0..255
    std::array<int, 2> wartosci{}; // 0..99 shown after the name
    int strefa = Nieznany;         // 1..10
    bool dwustanowa = false;       //
    int czulosc = 0;               // item 0..3: 250 ms .. 1 sek. (codes 1..4)
    int alarmy = 1;                // 1..9 a day
    int typ = Nieznany;            // TypLinii
    int opoznienieWejscia = 1;     // 1..99 s
    int opoznienieWyjscia = 1;     // 1..99 s
    int warunekWejscia = 1;        // 1..80
    int warunekWyjscia = 0;        // 0..80
    QList<int> szyfrowane;         // lines 1..80, ascending

    bool operator==(const ParametryLinii&) const = default;
};

ParametryLinii odczytajLinie(const RekordLinii& r);

// The record of line n as saved from the boxes. `stary` supplies what a box left at Nieznany
// stood for.
RekordLinii zapiszLinie(const RekordLinii& stary, int n, const ParametryLinii& p);

// "07 - TARAS2": the line's number in two digits, then its shown name.
QString tekstWyboruLinii(const Konfiguracja& obraz, int linia);

} // namespace zr05
