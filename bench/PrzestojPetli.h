#pragma once
// The longest time the window's event loop did not run while something happened in it, as a
// 1 ms timer sees it.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace zr05::bench
{

class Czujnik
{
public:
    Czujnik()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 teraz = m_zegar.nsecsElapsed();
            m_maks = std::max(m_maks, teraz - m_ostatnio);
            m_ostatnio = teraz;
        });
        m_zegar.start();
        m_ostatnio = 0;
        m_timer.start();
    }
    double przestojMs() const { return m_maks / 1e6; }

private:
    QTimer m_timer;
    QElapsedTimer m_zegar;
    qint64 m_ostatnio = 0;
    qint64 m_maks = 0;
};

// Runs `start` from the event loop and keeps the loop going until `gotowe` holds.
inline double przestoj(const std::function<void()>& start, const std::function<bool()>& gotowe)
{
    Czujnik c;
    bool wystartowalo = false;
    QTimer::singleShot(20, [&] {
        start();
        wystartowalo = true;
    });
    QElapsedTimer czas;
    czas.start();
    while (!(wystartowalo && gotowe()) && czas.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    // A little more, so a stall at the very end is seen too.
    QElapsedTimer dalej;
    dalej.start();
    while (dalej.elapsed() < 50)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return c.przestojMs();
}

} // namespace zr05::bench
