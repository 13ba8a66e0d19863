#pragma once
// A printout as plain text, for a terminal or a text file: the horizontal positions become
// columns of a fixed-width font, fonts and bold are dropped.

#include "print/Wydruk.h"

#include <QString>

namespace zr05
{

// Twips per character column: twelve characters to the inch, about the width of the
// printouts' 10-point text.
constexpr int TwipyNaZnak = 120;

// Every printed line ends in "\n"; a position left of text already on the line leaves one
// blank, so pieces never run together.
QString tekstWydruku(const Wydruk& w);

} // namespace zr05
