#pragma once
// A local serial device: 2400 bit/s, 8 data bits, no parity, 2 stop bits, no flow control.

#include "Transport.h"

#include <QSerialPort>

namespace zr05
{

class TransportSzeregowy : public Transport
{
    Q_OBJECT
public:
    TransportSzeregowy(const QString& sciezka, QElapsedTimer zegar);
    ~TransportSzeregowy() override;

    std::optional<BladOtwarcia> otworz() override;
    void zamknij() override;
    bool otwarty() const override { return m_port.isOpen(); }
    void zapisz(const QByteArray& bajty) override;

private:
    void obsluzBlad(QSerialPort::SerialPortError blad);

    QSerialPort m_port;
    QString m_sciezka;
};

} // namespace zr05
