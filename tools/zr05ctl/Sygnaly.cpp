#include "Sygnaly.h"

#include <fcntl.h>
#include <unistd.h>

namespace zr05::ctl
{

namespace
{
int g_potok[2] = {-1, -1};

void przySygnale(int numer)
{
    const char b = char(numer);
    [[maybe_unused]] const auto n = ::write(g_potok[1], &b, 1);
}
} // namespace

Sygnaly::Sygnaly(std::initializer_list<int> numery, QObject* parent) : QObject(parent)
{
    if (g_potok[0] < 0 && ::pipe2(g_potok, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_czytnik = std::make_unique<QSocketNotifier>(g_potok[0], QSocketNotifier::Read);
    connect(m_czytnik.get(), &QSocketNotifier::activated, this, [this] {
        char b = 0;
        while (::read(g_potok[0], &b, 1) == 1)
            emit odebrano(int(b));
    });
    for (int numer : numery) {
        struct sigaction nowa {
        };
        struct sigaction stara {
        };
        nowa.sa_handler = przySygnale;
        sigemptyset(&nowa.sa_mask);
        // A signal must not cut a read or write short in the middle of a line.
        nowa.sa_flags = SA_RESTART;
        if (::sigaction(numer, &nowa, &stara) == 0)
            m_poprzednie.emplace_back(numer, stara);
    }
}

Sygnaly::~Sygnaly()
{
    for (auto& [numer, stara] : m_poprzednie)
        ::sigaction(numer, &stara, nullptr);
}

} // namespace zr05::ctl
