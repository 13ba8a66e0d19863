#pragma once
// The line name dictionary: 224 fixed names the panel knows by index, followed by 32 names the
// installer defines and that travel with the configuration.

#include "config/Konfiguracja.h"

#include <QString>
#include <array>

namespace zr05
{

using NazwyLiniiTablica = std::array<QString, Konfiguracja::LiczbaNazw>;

constexpr int LiczbaStalychNazw = 185;       // fixed names 1..185
constexpr int PierwszaNazwaTechniczna = 186; // "<nt N>" placeholders 186..223

// Index 0, the fixed names, then the "<nt N>" and "<nn N>" placeholders. Resets the user names.
void WpiszNazwyLinii(NazwyLiniiTablica& nazwy);

// Placeholder of a free user slot (224..255): "<nn N>".
QString nazwaWolnegoMiejsca(int indeks);
// True while a user slot holds its placeholder, i.e. no name is defined there.
bool nazwaWolna(const NazwyLiniiTablica& nazwy, int indeks);

// A name as one piece of a text line: control bytes a file or the panel put in it (a line end
// above all) become blanks, so the name keeps its places and never breaks the line.
QString bezZnakowSterujacych(QString nazwa);

// The dictionary entry of line n, control bytes blanked, followed by its two numbers when they
// are not 0, e.g. "DOKUMENT2". Empty for a line number outside 1..80.
QString nazwaLinii(const Konfiguracja& obraz, int linia);

} // namespace zr05
