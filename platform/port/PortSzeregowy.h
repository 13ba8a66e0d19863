#pragma once
// The panel's port as the program and the tools see it: a local serial device or a TCP serial
// server ("tcp://HOST:PORT"), read in a thread of its own. Received bytes come in arrival order
// with the monotonic time they arrived, queued to the thread that owns the port, so a busy
// window delays their handling but not their times. Writes go out through the reader thread.

#include "BladPortu.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QThread>
#include <functional>
#include <optional>

namespace zr05
{

class Transport;

class PortSzeregowy : public QObject
{
    Q_OBJECT
public:
    using WynikOtwarcia = std::function<void(const std::optional<BladOtwarcia>&)>;

    explicit PortSzeregowy(QObject* parent = nullptr);
    ~PortSzeregowy() override;

    // Opens a device path or a TCP server address; on failure the port stays closed and the
    // reason is returned. A server is given a few seconds to answer, and the caller waits.
    std::optional<BladOtwarcia> otworz(const QString& adres);
    // The same for a window that must not wait: `gotowe` gets the result in this object's
    // thread, at once for a device (it opens in an instant), later for a server. Closing or
    // opening again meanwhile gives the connection up, and `gotowe` is never called.
    void otworzBezCzekania(const QString& adres, WynikOtwarcia gotowe);
    bool laczy() const { return m_otwierany != nullptr; }
    void zamknij();
    bool otwarty() const { return m_transport != nullptr; }
    const QString& urzadzenie() const { return m_adres; }

    // Queues the bytes for sending; nothing happens while the port is closed.
    void zapisz(const QByteArray& bajty);

    // Milliseconds on the same clock as the times given with received bytes.
    qint64 teraz() const { return m_zegar.elapsed(); }

signals:
    void odebrano(const QByteArray& bajty, qint64 terazMs);
    // The device went away (adapter pulled out, connection broken) or failed; the port has
    // been closed.
    void utracony(const QString& komunikat);

private:
    Transport* nowyTransport(const QString& adres);
    void polaczono(Transport* t, quint64 sesja, const std::optional<BladOtwarcia>& blad);
    void usun(Transport* t);
    void zwolnijTransport();

    QThread m_watek;
    QObject* m_wWatku; // runs calls in the reader thread
    Transport* m_transport = nullptr;
    Transport* m_otwierany = nullptr; // a server being connected to
    WynikOtwarcia m_gotowe;
    quint64 m_sesja = 0; // bytes of an earlier opening are not handed on
    QString m_adres;
    QElapsedTimer m_zegar;
};

} // namespace zr05
