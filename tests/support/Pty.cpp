#include "Pty.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace zr05
{

Pty::Pty()
{
    char nazwa[256] = {};
    termios surowy{};
    cfmakeraw(&surowy);
    if (openpty(&m_master, &m_slave, nazwa, &surowy, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    m_sciezka = QString::fromLocal8Bit(nazwa);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
}

Pty::~Pty()
{
    zamknijMaster();
    if (m_slave >= 0)
        ::close(m_slave);
}

void Pty::pisz(const QByteArray& bajty)
{
    qsizetype wyslane = 0;
    while (m_master >= 0 && wyslane < bajty.size()) {
        const ssize_t n = ::write(m_master, bajty.constData() + wyslane, bajty.size() - wyslane);
        if (n <= 0)
            break;
        wyslane += n;
    }
}

QByteArray Pty::czytaj(int ile, int limitMs)
{
    QByteArray wynik;
    QDeadlineTimer koniec(limitMs);
    while (m_master >= 0 && wynik.size() < ile && !koniec.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        pollfd p{m_master, POLLIN, 0};
        if (::poll(&p, 1, 5) > 0 && (p.revents & POLLIN)) {
            char bufor[256];
            const ssize_t n = ::read(m_master, bufor, sizeof bufor);
            if (n > 0)
                wynik.append(bufor, n);
        }
    }
    return wynik;
}

void Pty::zamknijMaster()
{
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}

} // namespace zr05
