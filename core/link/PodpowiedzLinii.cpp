#include "PodpowiedzLinii.h"

#include "link/TekstZegara.h"
#include "tables/NazwyLinii.h"

namespace zr05
{

namespace
{
QString opoznienia(const std::array<Bajt, 32>& L)
{
    return QStringLiteral("Op. We=%1[s], Op. Wy=%2[s]").arg(L[6]).arg(L[7]);
}

QString typLinii(const std::array<Bajt, 32>& L)
{
    switch (L[2] & 0x0F) {
    case 1:
        return QStringLiteral("SZYFR.: ");
    case 2:
        return L[6] != 0 ? QStringLiteral("OPÓŹN.:  ") + opoznienia(L)
                         : QStringLiteral("NATYCHMIASTOWA");
    case 4:
        return QStringLiteral("CAŁODOBOWA");
    case 8:
        return QStringLiteral("WARUN.:  ") + opoznienia(L) +
               QStringLiteral(", War. We=%1, War. Wy=%2").arg(L[4]).arg(L[5]);
    default:
        return QString();
    }
}
} // namespace

QString podpowiedzLinii(const Konfiguracja& obraz, int n)
{
    if (n < 1 || n > Konfiguracja::LiczbaLinii)
        return QString();
    const auto& L = obraz.Linie[size_t(n)];
    int strefa = 11;
    for (int z = 1; z <= Konfiguracja::LiczbaStref; ++z)
        if (L[size_t(11 + z)] != 0) {
            strefa = z;
            break;
        }
    int c = (L[2] >> 4) & 0x07;
    if (c != 0)
        c -= 1;
    const int czulosc = ((c & 0x03) + 1) * 250;

    return QStringLiteral("Linia nr:") + dwieCyfry(n) + QStringLiteral(" - ") +
           nazwaLinii(obraz, n) + QStringLiteral(" Strefa:") + dwieCyfry(strefa) +
           QLatin1Char(' ') +
           ((L[3] & 0x80) ? QStringLiteral("2-st Czuł:") : QStringLiteral("3-st Czuł:")) +
           QString::number(czulosc) + QStringLiteral("ms  Al:") + QString::number(L[3] & 0x0F) +
           QStringLiteral(" LINIA ") + typLinii(L);
}

} // namespace zr05
