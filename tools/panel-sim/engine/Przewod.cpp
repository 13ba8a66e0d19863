#include "Przewod.h"

#include <algorithm>

namespace zr05
{

Przewod::Przewod(Lacze& lacze, SymulatorCentrali& symulator, bool szybko)
    : m_lacze(lacze), m_sym(symulator), m_czasBajtu(szybko ? 0 : symulator.ustawienia().czasBajtuUs)
{
    // The link sends from inside Inter(); its bytes are queued, never delivered re-entrantly.
    m_lacze.ustawUjscie([this](const QByteArray& bajty) {
        for (char c : bajty) {
            m_liniaPcWolna = std::max(m_liniaPcWolna, m_teraz) + m_czasBajtu;
            m_doCentraliKolejka.push_back({m_liniaPcWolna, Bajt(c)});
        }
    });
}

Przewod::~Przewod()
{
    m_lacze.ustawUjscie({});
}

bool Przewod::krok(std::int64_t granica)
{
    std::int64_t t = std::min({m_sym.nastepneZdarzenie(), m_nastepnyTick});
    if (!m_doPcKolejka.empty())
        t = std::min(t, m_doPcKolejka.front().czasUs);
    if (!m_doCentraliKolejka.empty())
        t = std::min(t, m_doCentraliKolejka.front().czasUs);
    if (t > granica)
        return false;
    m_teraz = std::max(m_teraz, t);

    // One thing at a time, in a fixed order, so runs are reproducible.
    if (!m_doCentraliKolejka.empty() && m_doCentraliKolejka.front().czasUs <= m_teraz) {
        const Bajt b = m_doCentraliKolejka.front().bajt;
        m_doCentraliKolejka.pop_front();
        ++m_doCentrali;
        m_sym.odbierz(b, m_teraz);
    } else if (!m_doPcKolejka.empty() && m_doPcKolejka.front().czasUs <= m_teraz) {
        const Bajt b = m_doPcKolejka.front().bajt;
        m_doPcKolejka.pop_front();
        ++m_doPc;
        if (m_podsluch)
            m_podsluch(b, m_teraz);
        m_lacze.Inter(b, m_teraz / 1000);
    } else if (m_nastepnyTick <= m_teraz) {
        m_nastepnyTick += 1000000;
        m_lacze.tick();
    } else {
        m_sym.doCzasu(m_teraz);
    }
    for (const auto& b : m_sym.pobierzWyjscie())
        m_doPcKolejka.push_back(b);
    return true;
}

bool Przewod::runUntil(const std::function<bool()>& warunek, std::int64_t maksMs)
{
    const std::int64_t granica = m_teraz + maksMs * 1000;
    if (warunek())
        return true;
    while (krok(granica))
        if (warunek())
            return true;
    m_teraz = std::max(m_teraz, granica);
    return warunek();
}

} // namespace zr05
