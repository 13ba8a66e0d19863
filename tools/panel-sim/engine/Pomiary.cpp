#include "Pomiary.h"

#include <algorithm>
#include <cmath>

namespace zr05
{

namespace
{

double ranga(const std::vector<double>& posortowane, double procent)
{
    const auto n = posortowane.size();
    auto k = size_t(std::ceil(procent / 100.0 * double(n)));
    k = std::clamp<size_t>(k, 1, n);
    return posortowane[k - 1];
}

QString wiersz(const QString& nazwa, const std::vector<double>& wartosci)
{
    const auto p = podsumuj(wartosci);
    return QStringLiteral("%1: n=%2 min=%3 ms median=%4 ms p99=%5 ms max=%6 ms\n")
        .arg(nazwa)
        .arg(p.ile)
        .arg(p.min, 0, 'f', 1)
        .arg(p.mediana, 0, 'f', 1)
        .arg(p.p99, 0, 'f', 1)
        .arg(p.max, 0, 'f', 1);
}

} // namespace

Podsumowanie podsumuj(std::vector<double> wartosci)
{
    if (wartosci.empty())
        return {};
    std::sort(wartosci.begin(), wartosci.end());
    return {int(wartosci.size()), wartosci.front(), ranga(wartosci, 50), ranga(wartosci, 99),
            wartosci.back()};
}

QString Pomiary::raport() const
{
    QString r = wiersz(QStringLiteral("poll answer latency"), m_opoznienia);
    for (const auto& [rodzaj, czasy] : m_transfery)
        r += wiersz(QStringLiteral("transfer %1").arg(rodzaj), czasy);
    return r;
}

} // namespace zr05
