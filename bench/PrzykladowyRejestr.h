#pragma once
// Register text as the panel's alarms fill it, for the benchmarks.

#include <QString>

namespace zr05::bench
{

// Line i: a time and an alarm of one of the 80 lines in one of the 10 zones.
inline QString linijkaRejestru(int i)
{
    return QStringLiteral("%1:%2    ALARM z linii: %3 w strefie: %4\r\n")
        .arg(i / 60 % 24, 2, 10, QLatin1Char('0'))
        .arg(i % 60, 2, 10, QLatin1Char('0'))
        .arg(i % 80 + 1)
        .arg(i % 10 + 1);
}

inline QString rejestr(int linie)
{
    QString t;
    for (int i = 0; i < linie; ++i)
        t += linijkaRejestru(i);
    return t;
}

} // namespace zr05::bench
