#pragma once
// Turning an archived alarm or event record into its text: the table entry for the code, its
// "xx" placeholders filled from record bytes 6 and 7, and for line alarms the line's own name.

#include "TekstyZdarzen.h"
#include "config/Konfiguracja.h"

#include <QString>

namespace zr05
{

// The value in at least two digits ("07", "12", "100").
QString parametrDwucyfrowy(Bajt wartosc);

// Fills the first "xx" from byte 6 and any later one from byte 7. A three-digit value shows its
// first and last digit, as the panel's two-character field does.
QString wypelnijParametry(const QString& szablon, Bajt bajt6, Bajt bajt7);

// Text of an alarm record (code = byte 5). Codes 0 and 14 name the line when it has a name in
// the loaded image. A code outside the table gives "kod N".
QString tekstAlarmu(const TabeleTekstow& tabele, const Konfiguracja& obraz, Bajt kod, Bajt bajt6,
                    Bajt bajt7);

// Text of an event record (code = byte 5, 128..168 in the table); other codes give "kod N".
QString tekstZdarzenia(const TabeleTekstow& tabele, Bajt kod, Bajt bajt6, Bajt bajt7);

} // namespace zr05
