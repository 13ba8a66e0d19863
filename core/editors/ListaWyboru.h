#pragma once
// The items of an editor's pick-only number box and which of them shows a stored byte.

#include "config/Konfiguracja.h"

#include <QStringList>
#include <optional>

namespace zr05
{

enum class Cyfry { Jedna, Dwie };

struct ListaWyboru {
    QStringList pozycje;
    int wybrana = -1;
};

// Items od..doWlacznie, in two digits ("07") or plain ("7"), with the stored value chosen.
// A value the box does not offer (from the panel or a file) is added after the last item, so
// the window shows what is stored and a save keeps it until the user picks another.
ListaWyboru listaWyboru(int od, int doWlacznie, Cyfry cyfry, Bajt wartosc);

// The number an item text stands for; nothing for a text that is no byte value.
std::optional<Bajt> liczbaPozycji(const QString& tekst);

} // namespace zr05
