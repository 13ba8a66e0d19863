#include "TransportSzeregowy.h"

namespace zr05
{

TransportSzeregowy::TransportSzeregowy(const QString& sciezka, QElapsedTimer zegar)
    : Transport(zegar), m_port(this), m_sciezka(sciezka)
{
    connect(&m_port, &QSerialPort::readyRead, this, [this] { przyjmij(m_port.readAll()); });
    connect(&m_port, &QSerialPort::errorOccurred, this, &TransportSzeregowy::obsluzBlad);
}

TransportSzeregowy::~TransportSzeregowy()
{
    zamknij();
}

std::optional<BladOtwarcia> TransportSzeregowy::otworz()
{
    zamknij();
    m_port.setPortName(m_sciezka);
    m_port.setBaudRate(QSerialPort::Baud2400);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::TwoStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (m_port.open(QIODevice::ReadWrite)) {
        // Bytes the device held from before belong to no frame of ours.
        m_port.clear();
        return std::nullopt;
    }
    const auto blad = m_port.error();
    const QString opis = m_port.errorString();
    m_port.clearError();
    return zbadajBladOtwarcia(m_sciezka, blad, opis);
}

void TransportSzeregowy::zamknij()
{
    if (!m_port.isOpen())
        return;
    // A frame only half handed to the device would reach the panel cut short.
    if (m_port.bytesToWrite() > 0)
        m_port.waitForBytesWritten(1000);
    m_port.close();
}

void TransportSzeregowy::zapisz(const QByteArray& bajty)
{
    if (m_port.isOpen())
        m_port.write(bajty);
}

void TransportSzeregowy::obsluzBlad(QSerialPort::SerialPortError blad)
{
    // Open failures are reported by otworz(); here only errors of an open port count.
    if (blad == QSerialPort::NoError || !m_port.isOpen())
        return;
    // A removed adapter reports a resource error; a line hung up at the other end (a
    // pseudo-terminal whose owner quit) reads end-of-file, which comes as a read error and
    // would come again at every read. Either way the line is gone for good.
    if (blad == QSerialPort::ResourceError || blad == QSerialPort::ReadError) {
        m_port.close();
        emit utracony(QStringLiteral("Połączenie z portem %1 zostało przerwane (urządzenie "
                                     "odłączone albo uszkodzone) i port został zamknięty. "
                                     "Podłącz urządzenie, wybierz port i naciśnij OK, aby "
                                     "połączyć się ponownie.")
                          .arg(m_sciezka));
    }
    // Timeouts and single write errors are left to the link watchdog: a lost frame is
    // covered by the panel's next poll.
}

} // namespace zr05
