#pragma once
// Automatic arming of zones: the time, the silent alarm time and the set of zones.

#include "config/Konfiguracja.h"

#include <QList>

namespace zr05
{

struct AutoUzbrajanie {
    Bajt godzina = 0;
    Bajt minuta = 0;
    Bajt cichyAlarm = 0; // minutes of silent alarm after arming
    QList<int> strefy;   // zones 1..10 armed automatically, ascending
};

AutoUzbrajanie czytajAutoUzbrajanie(const Konfiguracja& k);

// Writes all five bytes; the zone set becomes exactly the listed zones 1..10.
void zapiszAutoUzbrajanie(Konfiguracja& k, const AutoUzbrajanie& a);

} // namespace zr05
