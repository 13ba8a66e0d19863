#pragma once
// Takes the fuzzer's bytes one decision at a time; past the end every read gives 0.

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace zr05::wlasnosci
{

class Czytnik
{
public:
    explicit Czytnik(QByteArrayView dane) : m_dane(dane) {}

    bool koniec() const { return m_poz >= m_dane.size(); }
    std::uint8_t bajt() { return koniec() ? 0 : std::uint8_t(m_dane[m_poz++]); }
    QByteArray bajty(qsizetype ile)
    {
        const qsizetype n = std::min(ile, m_dane.size() - m_poz);
        const QByteArray b = m_dane.sliced(m_poz, std::max<qsizetype>(n, 0)).toByteArray();
        m_poz += std::max<qsizetype>(n, 0);
        return b;
    }
    QByteArray reszta() { return bajty(m_dane.size() - m_poz); }

private:
    QByteArrayView m_dane;
    qsizetype m_poz = 0;
};

} // namespace zr05::wlasnosci
