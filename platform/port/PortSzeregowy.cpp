#include "PortSzeregowy.h"

#include "AdresTcp.h"
#include "Transport.h"
#include "TransportSzeregowy.h"
#include "TransportTcp.h"

#include <utility>

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

Transport* PortSzeregowy::nowyTransport(const QString& adres)
{
    auto* t = utworzTransport(adres, m_zegar).release();
    const quint64 sesja = m_sesja;
    // Connected before it opens, so that no byte arriving at once is missed; bytes are handed
    // on only once the opening has been taken here, which was queued before them.
    connect(t, &Transport::odebrano, this, [this, sesja](const QByteArray& b, qint64 ms) {
        if (sesja == m_sesja && m_transport)
            emit odebrano(b, ms);
    });
    connect(t, &Transport::utracony, this, [this, sesja](const QString& tekst) {
        if (sesja != m_sesja || !m_transport)
            return;
        zwolnijTransport();
        emit utracony(tekst);
    });
    t->moveToThread(&m_watek);
    return t;
}

std::optional<BladOtwarcia> PortSzeregowy::otworz(const QString& adres)
{
    zamknij();
    m_adres = adres;
    ++m_sesja;
    Transport* t = nowyTransport(adres);
    std::optional<BladOtwarcia> blad;
    QMetaObject::invokeMethod(
        t, [&] { blad = t->otworz(); }, Qt::BlockingQueuedConnection);
    if (blad) {
        usun(t);
        return blad;
    }
    m_transport = t;
    return std::nullopt;
}

void PortSzeregowy::otworzBezCzekania(const QString& adres, WynikOtwarcia gotowe)
{
    if (!jestAdresemTcp(adres)) {
        gotowe(otworz(adres));
        return;
    }
    zamknij();
    m_adres = adres;
    const quint64 sesja = ++m_sesja;
    Transport* t = nowyTransport(adres);
    m_otwierany = t;
    m_gotowe = std::move(gotowe);
    QMetaObject::invokeMethod(
        t,
        [this, t, sesja] {
            t->otworzBezCzekania([this, t, sesja](const std::optional<BladOtwarcia>& blad) {
                QMetaObject::invokeMethod(
                    this, [this, t, sesja, blad] { polaczono(t, sesja, blad); },
                    Qt::QueuedConnection);
            });
        },
        Qt::QueuedConnection);
}

void PortSzeregowy::polaczono(Transport* t, quint64 sesja, const std::optional<BladOtwarcia>& blad)
{
    // Given up meanwhile: that transport has already been let go.
    if (sesja != m_sesja || t != m_otwierany)
        return;
    m_otwierany = nullptr;
    if (blad)
        usun(t);
    else
        m_transport = t;
    std::exchange(m_gotowe, {})(blad);
}

void PortSzeregowy::zamknij()
{
    if (Transport* t = std::exchange(m_otwierany, nullptr)) {
        m_gotowe = {};
        ++m_sesja;
        usun(t);
    }
    zwolnijTransport();
}

void PortSzeregowy::usun(Transport* t)
{
    QMetaObject::invokeMethod(
        m_wWatku, [t] { delete t; }, Qt::BlockingQueuedConnection);
}

void PortSzeregowy::zwolnijTransport()
{
    Transport* t = m_transport;
    if (!t)
        return;
    m_transport = nullptr;
    ++m_sesja;
    usun(t);
}

void PortSzeregowy::zapisz(const QByteArray& bajty)
{
    if (Transport* t = m_transport)
        QMetaObject::invokeMethod(
            t, [t, bajty] { t->zapisz(bajty); }, Qt::QueuedConnection);
}

} // namespace zr05
