#pragma once
// Why the panel's port could not be opened, told apart so the user knows what to do about it.

#include <QSerialPort>
#include <QString>
#include <QStringList>

namespace zr05
{

enum class PrzyczynaBledu {
    BrakUrzadzenia, // no such device
    BrakUprawnien,  // the device node's group is not ours
    Zajety,         // held by another program
    StaraBlokada,   // a lock file left behind by a program that has gone
    // A TCP serial server:
    OdmowaPolaczenia, // nothing listens on that port
    NieznanyKomputer, // the name does not resolve
    BrakDrogi,        // no route to the network
    UplynalCzas,      // no answer within the connect time-out
    Inna
};

struct BladOtwarcia {
    PrzyczynaBledu przyczyna = PrzyczynaBledu::Inna;
    QString komunikat; // a whole sentence naming the device, for a message box
    QString grupa;     // owning group of the device node, for BrakUprawnien
    QString plikBlokady;
};

// Where other programs leave their lock files LCK..<device name>.
QStringList domyslneKatalogiBlokad();

// Looks at the device after a failed open. `blad` and `opisQt` are what the serial port
// reported; they are used only where the system says nothing more specific.
BladOtwarcia zbadajBladOtwarcia(const QString& sciezka, QSerialPort::SerialPortError blad,
                                const QString& opisQt,
                                const QStringList& katalogiBlokad = domyslneKatalogiBlokad());

} // namespace zr05
