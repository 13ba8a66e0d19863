#include "Pty.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace zr05
{

std::optional<Pty> otworzPty(QString& blad)
{
    Pty p;
    char nazwa[256] = {};
    if (openpty(&p.master, &p.slave, nazwa, nullptr, nullptr) != 0) {
        blad = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    termios t{};
    tcgetattr(p.slave, &t);
    cfmakeraw(&t);
    cfsetispeed(&t, B2400);
    cfsetospeed(&t, B2400);
    t.c_cflag |= CSTOPB | CLOCAL | CREAD;
    tcsetattr(p.slave, TCSANOW, &t);
    fcntl(p.master, F_SETFL, fcntl(p.master, F_GETFL) | O_NONBLOCK);
    p.sciezka = QString::fromLocal8Bit(nazwa);
    return p;
}

void wyczyscZalegle(const Pty& p)
{
    tcflush(p.slave, TCIFLUSH);
}

} // namespace zr05
