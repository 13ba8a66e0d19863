#pragma once
// Adding and removing the 32 atypical line names (dictionary slots 224..255) in the line
// editor's working copy of the dictionary.

#include "tables/NazwyLinii.h"

#include <QString>

namespace zr05
{

struct WynikNazwy {
    enum Rodzaj {
        Dopisana,      // placed in the first free slot
        BrakMiejsca,   // all 32 slots taken
        ZleZnaki,      // a character with no Windows-1250 byte: the panel cannot hold it
        Usunieta,      // its slot is free again
        Typowa,        // found only among 0..223, which cannot be removed
        NieMaNaLiscie, // not in the dictionary at all
    };
    Rodzaj rodzaj;
    QString nazwa;    // the name as handled (cut to 8 characters on adding)
    int pozycja = -1; // the slot concerned, or -1

    QString komunikat() const;
};

// The typed name, cut to its first 8 characters, goes into the first free slot from 224 up.
WynikNazwy dodajNazweNietypowa(NazwyLiniiTablica& nazwy, const QString& wpisana);
// The slot holding exactly this name (224..255) gets its placeholder back.
WynikNazwy usunNazweNietypowa(NazwyLiniiTablica& nazwy, const QString& nazwa);

// Position of the first entry equal to the text, compared exactly; -1 when there is none.
int pozycjaNazwy(const NazwyLiniiTablica& nazwy, const QString& tekst);
// The same, but the entry the box shows wins while the box still shows its text: a name that
// stands twice in the dictionary keeps the position it was stored with.
int pozycjaNazwy(const NazwyLiniiTablica& nazwy, const QString& tekst, int pokazana);

} // namespace zr05
