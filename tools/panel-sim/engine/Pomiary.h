#pragma once
// Timing figures of a run: the latency of every poll answer and the duration of every
// transfer, summarised as minimum, median, 99th percentile and maximum (nearest rank).

#include <QString>
#include <cstdint>
#include <map>
#include <vector>

namespace zr05
{

struct Podsumowanie {
    int ile = 0;
    double min = 0, mediana = 0, p99 = 0, max = 0;
};

// Nearest-rank summary of the values; all zeros when there are none.
Podsumowanie podsumuj(std::vector<double> wartosci);

class Pomiary
{
public:
    void opoznienieOdpowiedzi(std::int64_t us) { m_opoznienia.push_back(us / 1000.0); }
    void transfer(const QString& rodzaj, std::int64_t us)
    {
        m_transfery[rodzaj].push_back(us / 1000.0);
    }

    const std::vector<double>& opoznieniaMs() const { return m_opoznienia; }
    const std::map<QString, std::vector<double>>& transferyMs() const { return m_transfery; }
    // A few lines for people: one for the latencies and one per kind of transfer.
    QString raport() const;

private:
    std::vector<double> m_opoznienia;
    std::map<QString, std::vector<double>> m_transfery;
};

} // namespace zr05
