#pragma once
// The configuration printout: the image as plain text lines, in the sections the user picks.

#include "config/Konfiguracja.h"
#include "print/Wydruk.h"

#include <QDateTime>
#include <QString>
#include <array>

namespace zr05
{

// In the order they are printed; the index is that of the section's check box.
enum class SekcjaKonfiguracji {
    Naglowek,
    KlawPodc,
    Linie,
    WyOC,
    WyPk,
    KonStra,
    AutoUzbr,
    StrZal,
    KlawFun,
};
constexpr int LiczbaSekcji = 9;
using WyborSekcji = std::array<bool, LiczbaSekcji>;
constexpr WyborSekcji WszystkieSekcje = {true, true, true, true, true, true, true, true, true};

// The whole document: the chosen sections one after another, then its end. `nazwaPliku` is the
// file last read or written (empty: none), `teraz` the computer's clock when printing starts.
Wydruk wydrukKonfiguracji(const Konfiguracja& obraz, const QString& nazwaPliku,
                          const QDateTime& teraz, const WyborSekcji& sekcje = WszystkieSekcje);

} // namespace zr05
