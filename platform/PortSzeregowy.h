#pragma once
// The panel's serial line: 2400 bit/s, 8 data bits, no parity, 2 stop bits, no flow control.
// Received bytes are handed on in arrival order with a monotonic time in milliseconds.

#include "BladPortu.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <optional>

namespace zr05
{

class PortSzeregowy : public QObject
{
    Q_OBJECT
public:
    explicit PortSzeregowy(QObject* parent = nullptr);
    ~PortSzeregowy() override;

    // Opens the device; on failure the port stays closed and the reason is returned.
    std::optional<BladOtwarcia> otworz(const QString& sciezka);
    void zamknij();
    bool otwarty() const { return m_port.isOpen(); }
    const QString& urzadzenie() const { return m_sciezka; }

    // Queues the bytes for sending; nothing happens while the port is closed.
    void zapisz(const QByteArray& bajty);

    // Milliseconds on the same clock as the times given with received bytes.
    qint64 teraz() const { return m_zegar.elapsed(); }

signals:
    void odebrano(const QByteArray& bajty, qint64 terazMs);
    // The device went away (adapter pulled out) or failed; the port has been closed.
    void utracony(const QString& komunikat);

private:
    void czytaj();
    void obsluzBlad(QSerialPort::SerialPortError blad);

    QSerialPort m_port;
    QString m_sciezka;
    QElapsedTimer m_zegar;
};

} // namespace zr05
