#pragma once
// Drives the simulated panel in real time: the monotonic clock is the panel's clock, received
// bytes go in as they come, and each sent byte is written when the line would carry it.

#include "SymulatorCentrali.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

namespace zr05
{

class PetlaCentrali : public QObject
{
    Q_OBJECT
public:
    using Pisz = std::function<void(const QByteArray&)>;
    // `uartPaces`: the port itself takes a byte time per byte (a real serial port), so each
    // byte is handed over when its transmission begins; a pseudo-terminal delivers at once,
    // so there bytes are handed over when they would have fully arrived.
    PetlaCentrali(SymulatorCentrali& sym, Pisz pisz, bool uartPaces, QObject* parent = nullptr);

    void start();
    void odebrano(const QByteArray& bajty);
    // Runs `akcja` once, `poMs` after start.
    void zaplanuj(std::int64_t poMs, std::function<void()> akcja);
    std::int64_t terazUs() const { return m_zegar.nsecsElapsed() / 1000; }

private:
    void obsluz();

    SymulatorCentrali& m_sym;
    Pisz m_pisz;
    std::int64_t m_wyprzedzenie;
    QElapsedTimer m_zegar;
    QTimer m_budzik;
    std::deque<BajtNaLinii> m_kolejka;
    std::vector<std::pair<std::int64_t, std::function<void()>>> m_akcje;
};

} // namespace zr05
