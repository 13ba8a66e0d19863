#include "TekstZegara.h"

namespace zr05
{

QString dwieCyfry(int wartosc)
{
    return wartosc < 10 && wartosc >= 0 ? QStringLiteral("0%1").arg(wartosc)
                                        : QString::number(wartosc);
}

QString tekstZegara(const Module1& m, int indeks)
{
    if (!m.ZegarZnany || indeks < 0 || indeks >= int(m.Zegar.size()))
        return QString();
    return dwieCyfry(m.Zegar[size_t(indeks)]);
}

QString czasZegara(const Module1& m)
{
    return tekstZegara(m, 2) + QLatin1Char(':') + tekstZegara(m, 1);
}

} // namespace zr05
