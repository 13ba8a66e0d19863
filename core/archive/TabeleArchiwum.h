#pragma once
// The downloaded alarm and event archives: records in arrival order and their counts. They
// live for the whole run, so a closed archive window loses nothing.

#include "config/Konfiguracja.h"

#include <QtGlobal>
#include <array>

namespace zr05
{

struct TabeleArchiwum {
    static constexpr int LiczbaRekordow = 1025; // indices 0..1024
    static constexpr int BajtowRekordu = 8;
    using Rekord = std::array<Bajt, BajtowRekordu>;
    using Rekordy = std::array<Rekord, LiczbaRekordow>;

    Rekordy RekZda{};
    Rekordy RekAla{};
    qint16 LicznikZda = 0; // stored so far in full answers of the running download
    qint16 LicznikAla = 0;
    qint16 IloscZda = 0; // valid records of the last finished download
    qint16 IloscAla = 0;
};

} // namespace zr05
