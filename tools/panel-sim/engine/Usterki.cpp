#include "Usterki.h"

namespace zr05
{

QByteArray Usterki::przepusc(const QByteArray& ramka, RodzajNadania rodzaj)
{
    QByteArray wynik;
    if (m_los.szansa(m_u.smieci)) {
        const int ile = m_los.zakres(1, 3);
        for (int i = 0; i < ile; ++i)
            wynik.append(char(m_los.zakres(0, 255)));
        m_liczniki.wstawione += ile;
    }
    std::optional<Celny> celny;
    if (m_celny && m_celny->rodzaj == rodzaj) {
        celny = m_celny;
        m_celny.reset();
    }
    for (int i = 0; i < ramka.size(); ++i) {
        const bool trafiony = celny && celny->indeks == i;
        if ((trafiony && !celny->zmien) || m_los.szansa(m_u.zgubienie)) {
            ++m_liczniki.zgubione;
            continue;
        }
        char b = ramka[i];
        if ((trafiony && celny->zmien) || m_los.szansa(m_u.przeklamanie)) {
            b = char(b ^ char(m_los.zakres(1, 255)));
            ++m_liczniki.przeklamane;
        }
        wynik.append(b);
    }
    return wynik;
}

BajtOdPc Usterki::przepuscOdPc(std::uint8_t b, bool poczatekRamki)
{
    BajtOdPc w;
    w.bajt = b;
    if (!m_u.odPc)
        return w;
    if (poczatekRamki && m_losOdPc.szansa(m_u.smieci)) {
        const int ile = m_losOdPc.zakres(1, 3);
        for (int i = 0; i < ile; ++i)
            w.smieci.append(char(m_losOdPc.zakres(0, 255)));
        m_liczniki.wstawioneOdPc += ile;
    }
    if (m_losOdPc.szansa(m_u.zgubienie)) {
        w.zgubiony = true;
        ++m_liczniki.zgubioneOdPc;
    } else if (m_losOdPc.szansa(m_u.przeklamanie)) {
        w.bajt = std::uint8_t(b ^ std::uint8_t(m_losOdPc.zakres(1, 255)));
        ++m_liczniki.przeklamaneOdPc;
    }
    return w;
}

} // namespace zr05
