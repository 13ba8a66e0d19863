#include "PortSzeregowy.h"

#include "AdresTcp.h"
#include "Transport.h"
#include "TransportSzeregowy.h"
#include "TransportTcp.h"

namespace zr05
{

std::unique_ptr<Transport> utworzTransport(const QString& adres, QElapsedTimer zegar)
{
    if (jestAdresemTcp(adres))
        return std::make_unique<TransportTcp>(adres, zegar);
    return std::make_unique<TransportSzeregowy>(adres, zegar);
}

PortSzeregowy::PortSzeregowy(QObject* parent) : QObject(parent), m_wWatku(new QObject)
{
    m_zegar.start();
    m_watek.setObjectName(QStringLiteral("port"));
    m_wWatku->moveToThread(&m_watek);
    m_watek.start();
}

PortSzeregowy::~PortSzeregowy()
{
    zamknij();
    m_watek.quit();
    m_watek.wait();
    delete m_wWatku;
}

std::optional<BladOtwarcia> PortSzeregowy::otworz(const QString& adres)
{
    zamknij();
    m_adres = adres;
    std::optional<BladOtwarcia> blad;
    Transport* t = nullptr;
    const quint64 sesja = ++m_sesja;
    // Connected before it opens, so that no byte arriving at once is missed; nothing is
    // handed on before m_transport is set, as this thread is busy here until then.
    QMetaObject::invokeMethod(
        m_wWatku,
        [&] {
            auto nowy = utworzTransport(adres, m_zegar);
            connect(nowy.get(), &Transport::odebrano, this,
                    [this, sesja](const QByteArray& b, qint64 ms) {
                        if (sesja == m_sesja && m_transport)
                            emit odebrano(b, ms);
                    });
            connect(nowy.get(), &Transport::utracony, this, [this, sesja](const QString& tekst) {
                if (sesja != m_sesja || !m_transport)
                    return;
                zwolnijTransport();
                emit utracony(tekst);
            });
            blad = nowy->otworz();
            if (!blad)
                t = nowy.release();
        },
        Qt::BlockingQueuedConnection);
    m_transport = t;
    if (blad)
        return blad;
    return std::nullopt;
}

void PortSzeregowy::zamknij()
{
    zwolnijTransport();
}

void PortSzeregowy::zwolnijTransport()
{
    Transport* t = m_transport;
    if (!t)
        return;
    m_transport = nullptr;
    ++m_sesja;
    QMetaObject::invokeMethod(
        m_wWatku, [t] { delete t; }, Qt::BlockingQueuedConnection);
}

void PortSzeregowy::zapisz(const QByteArray& bajty)
{
    if (Transport* t = m_transport)
        QMetaObject::invokeMethod(
            t, [t, bajty] { t->zapisz(bajty); }, Qt::QueuedConnection);
}

} // namespace zr05
