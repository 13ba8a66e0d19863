#pragma once
// One way of reaching the panel's serial line: a local device or a TCP serial server. A
// transport lives in the port's reader thread; it stamps every chunk it reads with the time it
// arrived, so the link's pause rule measures the line and not whoever handles the bytes.

#include "BladPortu.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

namespace zr05
{

class Transport : public QObject
{
    Q_OBJECT
public:
    // `zegar` is the port's monotonic clock; arrival times are its elapsed milliseconds.
    explicit Transport(QElapsedTimer zegar) : m_zegar(zegar) {}

    using WynikOtwarcia = std::function<void(const std::optional<BladOtwarcia>&)>;

    // On failure the transport stays closed and the reason is returned.
    virtual std::optional<BladOtwarcia> otworz() = 0;
    // The same without waiting in this thread's event loop: `gotowe` is called with the result
    // once it is known, at once for a transport that opens at once.
    virtual void otworzBezCzekania(WynikOtwarcia gotowe) { gotowe(otworz()); }
    virtual void zamknij() = 0;
    virtual bool otwarty() const = 0;
    // Sends at once; nothing happens while closed.
    virtual void zapisz(const QByteArray& bajty) = 0;

signals:
    void odebrano(const QByteArray& bajty, qint64 terazMs);
    // The line went away for good (device removed, connection broken); already closed.
    void utracony(const QString& komunikat);

protected:
    void przyjmij(const QByteArray& bajty)
    {
        if (!bajty.isEmpty())
            emit odebrano(bajty, m_zegar.elapsed());
    }

private:
    QElapsedTimer m_zegar;
};

// "tcp://HOST:PORT" is a TCP serial server, anything else a serial device.
std::unique_ptr<Transport> utworzTransport(const QString& adres, QElapsedTimer zegar);

} // namespace zr05
