#include "AdresTcp.h"

#include <QHostAddress>

namespace zr05
{

namespace
{
const QLatin1String Przedrostek("tcp://");
}

bool jestAdresemTcp(const QString& ustawienie)
{
    return ustawienie.startsWith(Przedrostek, Qt::CaseInsensitive);
}

std::optional<AdresTcp> czytajAdresTcp(const QString& ustawienie)
{
    if (!jestAdresemTcp(ustawienie))
        return std::nullopt;
    const QString reszta = ustawienie.mid(Przedrostek.size());
    QString host, port;
    if (reszta.startsWith(QLatin1Char('['))) {
        const auto koniec = reszta.indexOf(QLatin1Char(']'));
        if (koniec < 0 || reszta.mid(koniec + 1, 1) != QLatin1String(":"))
            return std::nullopt;
        host = reszta.mid(1, koniec - 1);
        port = reszta.mid(koniec + 2);
        if (QHostAddress(host).protocol() != QAbstractSocket::IPv6Protocol)
            return std::nullopt;
    } else {
        const auto dwukropek = reszta.lastIndexOf(QLatin1Char(':'));
        if (dwukropek < 0)
            return std::nullopt;
        host = reszta.left(dwukropek);
        port = reszta.mid(dwukropek + 1);
        // A name or an IPv4 address; an IPv6 address needs its brackets.
        for (const QChar c : host)
            if (!(c.isLetterOrNumber() || c == QLatin1Char('.') || c == QLatin1Char('-') ||
                  c == QLatin1Char('_')))
                return std::nullopt;
    }
    bool ok = false;
    const uint numer = port.toUInt(&ok);
    if (host.isEmpty() || !ok || numer < 1 || numer > 65535 || port.startsWith(QLatin1Char('+')))
        return std::nullopt;
    return AdresTcp{host, quint16(numer)};
}

} // namespace zr05
