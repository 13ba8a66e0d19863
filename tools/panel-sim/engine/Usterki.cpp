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
    int doUpuszczenia = -1;
    if (m_upusc && m_upusc->rodzaj == rodzaj) {
        doUpuszczenia = m_upusc->indeks;
        m_upusc.reset();
    }
    for (int i = 0; i < ramka.size(); ++i) {
        if (i == doUpuszczenia || m_los.szansa(m_u.zgubienie)) {
            ++m_liczniki.zgubione;
            continue;
        }
        char b = ramka[i];
        if (m_los.szansa(m_u.przeklamanie)) {
            b = char(b ^ char(m_los.zakres(1, 255)));
            ++m_liczniki.przeklamane;
        }
        wynik.append(b);
    }
    return wynik;
}

} // namespace zr05
