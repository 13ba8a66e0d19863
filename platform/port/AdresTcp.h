#pragma once
// The address of a TCP serial server as a port setting: "tcp://HOST:PORT", where HOST is a
// name, an IPv4 address or an IPv6 address in brackets ("tcp://[fd00::5]:4001").

#include <QString>
#include <optional>

namespace zr05
{

struct AdresTcp {
    QString host;
    quint16 port = 0;
};

// Whether the setting means a TCP server at all (then it is parsed, well-formed or not).
bool jestAdresemTcp(const QString& ustawienie);
std::optional<AdresTcp> czytajAdresTcp(const QString& ustawienie);

} // namespace zr05
