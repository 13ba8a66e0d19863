#pragma once
// Archive record frames ('l', 131 bytes) as the panel sends them, for the archive tests.

#include "archive/TabeleArchiwum.h"
#include "link/Ramka.h"

#include <QByteArray>

namespace zr05::ramkiArchiwum
{

// A record whose bytes tell where it came from: minute = n % 60, parameters = n / 256, n % 256.
inline TabeleArchiwum::Rekord rekordNr(int n)
{
    return {Bajt(25),     Bajt(3),   Bajt(1 + n / 1440 % 28), Bajt(n / 60 % 24),
            Bajt(n % 60), Bajt(130), Bajt(n / 256),           Bajt(n % 256)};
}

// `ile` records numbered from `pierwszy`; with `koniec` the end record follows them (and fills
// the rest with 255s).
inline QByteArray ramka(int pierwszy, int ile, bool koniec)
{
    QByteArray r("\x37\x6C");
    for (int i = 0; i < ile; ++i)
        r.append(reinterpret_cast<const char*>(rekordNr(pierwszy + i).data()), 8);
    return ramka::zSuma(r.leftJustified(130, koniec ? char(255) : char(0)));
}

// The 16 records numbered from `pierwszy`.
inline QByteArray pelna(int pierwszy)
{
    return ramka(pierwszy, 16, false);
}

// `ile` records numbered from `pierwszy`, then the end record.
inline QByteArray zKoncem(int pierwszy, int ile)
{
    return ramka(pierwszy, ile, true);
}

} // namespace zr05::ramkiArchiwum
