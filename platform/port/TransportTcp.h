#pragma once
// A TCP serial server (a device server or ser2net beside the panel) whose serial side runs at
// 2400 bit/s 8N2. Nagle's delay is off so that every answer leaves at once.

#include "Transport.h"

#include <QTcpSocket>
#include <QTimer>

namespace zr05
{

class TransportTcp : public Transport
{
    Q_OBJECT
public:
    // The system would try for minutes; a server that has not answered by then is not coming.
    static constexpr int CzasLaczeniaMs = 3000;

    TransportTcp(const QString& adres, QElapsedTimer zegar);
    ~TransportTcp() override;

    std::optional<BladOtwarcia> otworz() override;
    void otworzBezCzekania(WynikOtwarcia gotowe) override;
    void zamknij() override;
    bool otwarty() const override { return m_polaczony; }
    void zapisz(const QByteArray& bajty) override;

private:
    void polaczono();
    void przerwane();
    void nieUdaloSie(QAbstractSocket::SocketError e);
    // Why connecting failed, in the user's words; `opis` is the system's text for the rest.
    BladOtwarcia bladLaczenia(QAbstractSocket::SocketError e, const QString& opis) const;

    QTcpSocket m_gniazdo;
    QTimer m_czasLaczenia;
    WynikOtwarcia m_gotowe; // set while connecting without waiting
    QString m_adres;
    bool m_polaczony = false;
};

} // namespace zr05
