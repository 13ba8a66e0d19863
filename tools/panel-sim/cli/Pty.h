#pragma once
// A pseudo-terminal in raw mode standing in for the panel's serial port.

#include <QString>
#include <optional>

namespace zr05
{

struct Pty {
    int master = -1;
    int slave = -1; // kept open so the line stays up while the program has it closed
    QString sciezka;
};

std::optional<Pty> otworzPty(QString& blad);
// Drops what the panel wrote and nobody has read (stale polls while no program listens).
void wyczyscZalegle(const Pty& p);

} // namespace zr05
