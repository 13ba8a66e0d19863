#pragma once
// Which lower-numbered zones a zone depends on: bytes 14 and 15 of its zone record.

#include "config/Konfiguracja.h"

#include <QList>

namespace zr05
{

struct ZaleznosciStrefy {
    QList<int> zalezne;    // zones the chosen zone depends on, ascending
    QList<int> niezalezne; // the other zones below it, ascending
};

// A zone can only depend on the zones numbered below it; an unknown zone number has none.
ZaleznosciStrefy czytajZaleznosci(const Konfiguracja& k, int strefa);

// Bytes 11..15 of the zone become 0, then the bit of every listed zone below it is set.
// Numbers the zone cannot depend on are left out rather than written past its set.
void zapiszZaleznosci(Konfiguracja& k, int strefa, const QList<int>& zalezne);

} // namespace zr05
