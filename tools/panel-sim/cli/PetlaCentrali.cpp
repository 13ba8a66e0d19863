#include "PetlaCentrali.h"

#include <algorithm>

namespace zr05
{

PetlaCentrali::PetlaCentrali(SymulatorCentrali& sym, Pisz pisz, bool uartPaces, QObject* parent)
    : QObject(parent), m_sym(sym), m_pisz(std::move(pisz)),
      m_wyprzedzenie(uartPaces ? sym.ustawienia().czasBajtuUs : 0)
{
    m_budzik.setSingleShot(true);
    m_budzik.setTimerType(Qt::PreciseTimer);
    connect(&m_budzik, &QTimer::timeout, this, &PetlaCentrali::obsluz);
}

void PetlaCentrali::start()
{
    m_zegar.start();
    obsluz();
}

void PetlaCentrali::zaplanuj(std::int64_t poMs, std::function<void()> akcja)
{
    m_akcje.push_back({poMs * 1000, std::move(akcja)});
}

void PetlaCentrali::odebrano(const QByteArray& bajty)
{
    const auto teraz = terazUs();
    for (char c : bajty)
        m_sym.odbierz(Bajt(c), teraz);
    obsluz();
}

void PetlaCentrali::obsluz()
{
    const auto teraz = terazUs();
    for (size_t i = 0; i < m_akcje.size();) {
        if (m_akcje[i].first <= teraz) {
            auto akcja = std::move(m_akcje[i].second);
            m_akcje.erase(m_akcje.begin() + std::ptrdiff_t(i));
            akcja();
        } else {
            ++i;
        }
    }
    m_sym.doCzasu(teraz);
    for (const auto& b : m_sym.pobierzWyjscie())
        m_kolejka.push_back(b);

    const auto czasBajtu = m_wyprzedzenie;
    QByteArray doWyslania;
    while (!m_kolejka.empty() && m_kolejka.front().czasUs - czasBajtu <= teraz) {
        doWyslania.append(char(m_kolejka.front().bajt));
        m_kolejka.pop_front();
    }
    if (!doWyslania.isEmpty())
        m_pisz(doWyslania);

    std::int64_t nastepne = m_sym.nastepneZdarzenie();
    if (!m_kolejka.empty())
        nastepne = std::min(nastepne, m_kolejka.front().czasUs - czasBajtu);
    for (const auto& a : m_akcje)
        nastepne = std::min(nastepne, a.first);
    if (nastepne == SymulatorCentrali::Nigdy)
        return;
    const auto za = std::max<std::int64_t>(0, (nastepne - terazUs() + 999) / 1000);
    m_budzik.start(int(std::min<std::int64_t>(za, 60000)));
}

} // namespace zr05
