#include "Konsola.h"

#include <cstdio>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace zr05::ctl
{

namespace
{
void pisz(FILE* f, const QString& tekst)
{
    const QByteArray b = tekst.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), f);
    std::fflush(f);
}

// The line typed on the terminal, without its line end; nothing at end of input.
std::optional<QByteArray> czytajLinie(int fd)
{
    QByteArray linia;
    char c = 0;
    for (;;) {
        const auto n = ::read(fd, &c, 1);
        if (n <= 0)
            return linia.isEmpty() ? std::nullopt : std::optional(linia);
        if (c == '\n' || c == '\r')
            return linia;
        linia.append(c);
    }
}

std::optional<QString> zTerminala(const QString& zacheta, bool ukryte)
{
    const int fd = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    const QByteArray z = zacheta.toUtf8();
    [[maybe_unused]] auto n = ::write(fd, z.constData(), size_t(z.size()));
    termios przed{};
    const bool terminal = ::tcgetattr(fd, &przed) == 0;
    if (ukryte && terminal) {
        termios bezEcha = przed;
        bezEcha.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(fd, TCSAFLUSH, &bezEcha);
    }
    std::optional<QByteArray> linia = czytajLinie(fd);
    if (ukryte && terminal) {
        ::tcsetattr(fd, TCSAFLUSH, &przed);
        n = ::write(fd, "\n", 1);
    }
    ::close(fd);
    if (!linia)
        return std::nullopt;
    QString wynik = QString::fromUtf8(*linia);
    linia->fill('\0');
    return wynik;
}
} // namespace

void wypisz(const QString& tekst)
{
    pisz(stdout, tekst);
}

void wypiszBlad(const QString& tekst)
{
    pisz(stderr, tekst);
}

std::optional<QString> czytajUkryte(const QString& zacheta)
{
    return zTerminala(zacheta, true);
}

std::optional<bool> zapytaj(const QString& pytanie)
{
    const auto odpowiedz = zTerminala(pytanie + QStringLiteral(" [t/N] "), false);
    if (!odpowiedz)
        return std::nullopt;
    const QString o = odpowiedz->trimmed().toLower();
    return o == QLatin1String("t") || o == QLatin1String("tak");
}

PasekPostepu::PasekPostepu(const QString& opis) : m_opis(opis), m_aktywny(::isatty(STDERR_FILENO))
{
}

PasekPostepu::~PasekPostepu()
{
    zakoncz();
}

void PasekPostepu::rysuj(const QString& stan)
{
    if (!m_aktywny)
        return;
    wypiszBlad(QStringLiteral("\r\033[K") + m_opis + u' ' + stan);
    m_narysowany = true;
}

void PasekPostepu::procent(double p)
{
    constexpr int Szerokosc = 30;
    const int pelne = std::clamp(int(p * Szerokosc / 100), 0, Szerokosc);
    rysuj(u'[' + QString(pelne, u'#') + QString(Szerokosc - pelne, u'.') + QStringLiteral("] ") +
          QString::number(int(p)).rightJustified(3) + u'%');
}

void PasekPostepu::stan(const QString& tekst)
{
    rysuj(tekst);
}

void PasekPostepu::zakoncz()
{
    if (m_narysowany)
        wypiszBlad(QStringLiteral("\n"));
    m_narysowany = false;
}

} // namespace zr05::ctl
