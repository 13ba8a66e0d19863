#pragma once
// The printout of a range of the alarm or event archive.

#include "print/Wydruk.h"

#include <QStringList>

namespace zr05
{

// `linie` as linieZakresu gives them, each with its own line end.
Wydruk wydrukArchiwum(bool alarmy, const QStringList& linie);

} // namespace zr05
