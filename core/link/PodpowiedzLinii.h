#pragma once
// The tooltip of a line lamp: the line's configured name, zone, sensitivity and type.

#include "config/Konfiguracja.h"

#include <QString>

namespace zr05
{

// Line n (1..80) of the image; empty for another number.
QString podpowiedzLinii(const Konfiguracja& obraz, int n);

} // namespace zr05
