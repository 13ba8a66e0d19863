#pragma once
// Which system device each of the options COM1..COM4 means on this computer.

#include <QString>
#include <QStringList>
#include <optional>

namespace zr05
{

struct UrzadzeniePortu {
    // What the port opens: "COM1", "/dev/ttyUSB0", "/dev/pts/3", "tcp://192.168.1.20:4001"
    QString sciezka;
    QString opis; // for the user: "FT232R USB UART"; may be empty
};

// Orders serial port names the way the options count them: real UARTs (ttyS) first, then
// USB adapters (ttyUSB, then ttyACM), then anything else; each group by its number.
QStringList uporzadkujPorty(QStringList nazwy);

// The device of COM`numer` (1..4), resolved now. On Linux the variable ZR05_COM`numer` wins;
// it may name a device or a TCP serial server. Otherwise the n-th present port in the order above.
// Empty when there is no such port.
std::optional<UrzadzeniePortu> urzadzenieCom(int numer);

// "/dev/ttyUSB0, FT232R USB UART", or a note that the system has no such port.
QString opisUrzadzeniaCom(int numer);

} // namespace zr05
