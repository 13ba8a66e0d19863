#pragma once
// The panel clock as its boxes show it: two digits each, empty until the panel has sent it.

#include "Module1.h"

#include <QString>

namespace zr05
{

// A number in two digits, "0" in front of values below 10.
QString dwieCyfry(int wartosc);
// Box `indeks` (0 seconds, 1 minutes, 2 hours, 3 day, 4 month, 5 year) of the clock.
QString tekstZegara(const Module1& m, int indeks);
// Hours box, ":", minutes box: the time of the lines that carry no time of their own.
QString czasZegara(const Module1& m);

} // namespace zr05
