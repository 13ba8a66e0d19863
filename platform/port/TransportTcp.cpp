#include "TransportTcp.h"

#include "AdresTcp.h"

#include <utility>

namespace zr05
{

namespace
{
BladOtwarcia blad(PrzyczynaBledu p, const QString& adres, const QString& tekst)
{
    BladOtwarcia b;
    b.przyczyna = p;
    b.komunikat = QStringLiteral("Nie można połączyć się z serwerem portu %1: ").arg(adres) + tekst;
    return b;
}
} // namespace

TransportTcp::TransportTcp(const QString& adres, QElapsedTimer zegar)
    : Transport(zegar), m_gniazdo(this), m_czasLaczenia(this), m_adres(adres)
{
    m_czasLaczenia.setSingleShot(true);
    m_czasLaczenia.setInterval(CzasLaczeniaMs);
    connect(&m_czasLaczenia, &QTimer::timeout, this,
            [this] { nieUdaloSie(QAbstractSocket::SocketTimeoutError); });
    connect(&m_gniazdo, &QTcpSocket::connected, this, [this] {
        if (m_gotowe)
            polaczono();
    });
    connect(&m_gniazdo, &QTcpSocket::readyRead, this, [this] { przyjmij(m_gniazdo.readAll()); });
    connect(&m_gniazdo, &QTcpSocket::disconnected, this, &TransportTcp::przerwane);
    connect(&m_gniazdo, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        if (m_gotowe)
            nieUdaloSie(e);
        else
            przerwane();
    });
}

TransportTcp::~TransportTcp()
{
    zamknij();
}

std::optional<BladOtwarcia> TransportTcp::otworz()
{
    zamknij();
    const auto adres = czytajAdresTcp(m_adres);
    if (!adres)
        return bladLaczenia(QAbstractSocket::UnknownSocketError, QString());
    m_gniazdo.connectToHost(adres->host, adres->port);
    if (!m_gniazdo.waitForConnected(CzasLaczeniaMs)) {
        const auto e = m_gniazdo.error();
        const QString opis = m_gniazdo.errorString();
        m_gniazdo.abort();
        return bladLaczenia(e, opis);
    }
    polaczono();
    return std::nullopt;
}

void TransportTcp::otworzBezCzekania(WynikOtwarcia gotowe)
{
    zamknij();
    const auto adres = czytajAdresTcp(m_adres);
    if (!adres) {
        gotowe(bladLaczenia(QAbstractSocket::UnknownSocketError, QString()));
        return;
    }
    m_gotowe = std::move(gotowe);
    m_czasLaczenia.start();
    m_gniazdo.connectToHost(adres->host, adres->port);
}

void TransportTcp::polaczono()
{
    m_czasLaczenia.stop();
    m_gniazdo.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // A server that vanished without a word is noticed even while the line is quiet.
    m_gniazdo.setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    m_polaczony = true;
    if (m_gotowe)
        std::exchange(m_gotowe, {})(std::nullopt);
}

void TransportTcp::nieUdaloSie(QAbstractSocket::SocketError e)
{
    m_czasLaczenia.stop();
    const QString opis = m_gniazdo.errorString();
    const auto gotowe = std::exchange(m_gotowe, {});
    m_gniazdo.abort();
    gotowe(bladLaczenia(e, opis));
}

BladOtwarcia TransportTcp::bladLaczenia(QAbstractSocket::SocketError e, const QString& opis) const
{
    const auto adres = czytajAdresTcp(m_adres);
    if (!adres)
        return blad(PrzyczynaBledu::Inna, m_adres,
                    QStringLiteral("niepoprawny adres. Adres serwera podaje się w postaci "
                                   "tcp://komputer:port, na przykład tcp://192.168.1.20:4001 "
                                   "albo tcp://[fd00::20]:4001."));
    switch (e) {
    case QAbstractSocket::ConnectionRefusedError:
        return blad(PrzyczynaBledu::OdmowaPolaczenia, m_adres,
                    QStringLiteral("komputer %1 odmówił połączenia na porcie %2. Sprawdź "
                                   "numer portu i czy serwer portu szeregowego działa.")
                        .arg(adres->host)
                        .arg(adres->port));
    case QAbstractSocket::HostNotFoundError:
        return blad(PrzyczynaBledu::NieznanyKomputer, m_adres,
                    QStringLiteral("nie znaleziono komputera o nazwie %1. Sprawdź nazwę "
                                   "albo podaj adres IP.")
                        .arg(adres->host));
    case QAbstractSocket::NetworkError:
        return blad(PrzyczynaBledu::BrakDrogi, m_adres,
                    QStringLiteral("brak drogi do komputera %1 (sieć nieosiągalna). "
                                   "Sprawdź połączenie z siecią albo VPN.")
                        .arg(adres->host));
    case QAbstractSocket::SocketTimeoutError:
        return blad(PrzyczynaBledu::UplynalCzas, m_adres,
                    QStringLiteral("komputer %1 nie odpowiedział w ciągu %2 s. Sprawdź "
                                   "adres, połączenie z siecią albo VPN.")
                        .arg(adres->host)
                        .arg(CzasLaczeniaMs / 1000));
    default:
        return blad(PrzyczynaBledu::Inna, m_adres, opis + QLatin1Char('.'));
    }
}

void TransportTcp::zamknij()
{
    // Given up while connecting: nobody waits for the result any more.
    m_gotowe = {};
    m_czasLaczenia.stop();
    m_polaczony = false;
    m_gniazdo.abort();
}

void TransportTcp::zapisz(const QByteArray& bajty)
{
    if (!m_polaczony)
        return;
    m_gniazdo.write(bajty);
    m_gniazdo.flush();
}

void TransportTcp::przerwane()
{
    // Failures while connecting are reported by the opening.
    if (!m_polaczony)
        return;
    m_polaczony = false;
    // Bytes that came with the end of the connection still belong to the line.
    przyjmij(m_gniazdo.readAll());
    m_gniazdo.abort();
    emit utracony(QStringLiteral("Połączenie z serwerem portu %1 zostało przerwane (serwer "
                                 "zamknął połączenie albo sieć zawiodła) i port został "
                                 "zamknięty. Sprawdź serwer i sieć, wybierz port i naciśnij "
                                 "OK, aby połączyć się ponownie.")
                      .arg(m_adres));
}

} // namespace zr05
