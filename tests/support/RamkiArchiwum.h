#pragma once
// Archive record frames ('l', 131 bytes) as the panel sends them, for the archive tests.

#include "archive/TabeleArchiwum.h"
#include "link/Ramka.h"

#include <QByteArray>
#include <vector>

namespace zr05
{

namespace ramkiArchiwum
{

// A record whose bytes tell where it came from: minute = n % 60, parameters = n / 256, n % 256.
inline TabeleArchiwum::Rekord rekordNr(int n)
{
    return {Bajt(25),     Bajt(3),   Bajt(1 + n / 1440 % 28), Bajt(n / 60 % 24),
            Bajt(n % 60), Bajt(130), Bajt(n / 256),           Bajt(n % 256)};
}

// Up to 16 records; with `koniec` an end record follows them (and fills the rest with 255s).
inline QByteArray ramka(const std::vector<TabeleArchiwum::Rekord>& rekordy, bool koniec)
{
    QByteArray r;
    r.append(char(ramka::Start7));
    r.append(char(ramka::Archiwum));
    for (const auto& rek : rekordy)
        for (Bajt b : rek)
            r.append(char(b));
    if (koniec)
        r.append(QByteArray(130 - r.size(), char(255)));
    else
        r.append(QByteArray(130 - r.size(), char(0)));
    return ramka::zSuma(r);
}

// The 16 records numbered from `pierwszy`.
inline QByteArray pelna(int pierwszy)
{
    std::vector<TabeleArchiwum::Rekord> rek;
    for (int i = 0; i < 16; ++i)
        rek.push_back(rekordNr(pierwszy + i));
    return ramka(rek, false);
}

// `ile` records numbered from `pierwszy`, then the end record.
inline QByteArray zKoncem(int pierwszy, int ile)
{
    std::vector<TabeleArchiwum::Rekord> rek;
    for (int i = 0; i < ile; ++i)
        rek.push_back(rekordNr(pierwszy + i));
    return ramka(rek, true);
}

} // namespace ramkiArchiwum

} // namespace zr05
