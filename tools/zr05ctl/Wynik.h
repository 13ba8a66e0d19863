#pragma once
// How a command ended: the exit code scripts test, and what the user is told.

#include <QString>

namespace zr05::ctl
{

enum KodWyjscia {
    Ok = 0,
    Odmowa = 1,     // the panel refused: a wrong code, a block, not the installer
    ZleUzycie = 2,  // bad options or arguments, no code, no confirmation possible
    BladLacza = 3,  // the port cannot be opened, the link is lost or the panel is silent
    BladPliku = 4,  // a file cannot be read or written
    Przerwano = 130 // SIGINT or SIGTERM during a transfer
};

struct Wynik {
    int kod = Ok;
    QString komunikat;
    bool ok() const { return kod == Ok; }
};

} // namespace zr05::ctl
