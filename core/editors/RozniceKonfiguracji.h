#pragma once
// What differs between two configurations, said in the editors' words, one line per changed
// setting: "Linia 07: typ Natychmiastowa -> Opóźniona". Bytes no editor shows are still
// reported, by their place in the record, so no difference goes unsaid.

#include "config/Konfiguracja.h"

#include <QStringList>

namespace zr05
{

// Lines, outputs, guard controls, automatic arming, zones, keypads and system parameters,
// then the atypical line names, each in record order. Empty when the two are the same.
QStringList rozniceKonfiguracji(const Konfiguracja& a, const Konfiguracja& b);

} // namespace zr05
