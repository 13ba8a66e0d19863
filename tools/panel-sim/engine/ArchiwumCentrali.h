#pragma once
// The panel's two archives (events and alarms), served 16 records at a time from a requested
// day on. Records are 8 bytes: year (two digits), month, day, hour, minute, code, two
// parameters; an answer ends with a record whose first byte is 255.

#include "Losowanie.h"
#include "config/Konfiguracja.h"

#include <QByteArray>
#include <QDateTime>
#include <array>
#include <vector>

namespace zr05
{

using RekordArchiwum = std::array<Bajt, 8>;

class ArchiwumCentrali
{
public:
    static constexpr int Zdarzenia = 1, Alarmy = 2;
    static constexpr int Pojemnosc = 1000; // the oldest records give way beyond this
    static constexpr int RekordowWRamce = 16;
    static constexpr Bajt Koniec = 255;

    // Fills both archives with the plausible life of the installation over `dni` days
    // before `teraz`, in time order.
    void generuj(const QDateTime& teraz, int dni, const Konfiguracja& k, Losowanie& los);
    void dodaj(int typ, const QDateTime& kiedy, Bajt kod, Bajt p1 = 0, Bajt p2 = 0);
    const std::vector<RekordArchiwum>& rekordy(int typ) const;

    // 0xB2: positions the reading at the first record of that day or later and gives the
    // first 128 bytes. An unknown type gives just the end record.
    QByteArray start(int typ, int dzien, int miesiac, int rok);
    // 0xB3: the next 128 bytes; after the end only end records.
    QByteArray dalej();

private:
    QByteArray porcja();

    std::vector<RekordArchiwum> m_zdarzenia;
    std::vector<RekordArchiwum> m_alarmy;
    int m_typ = 0;
    size_t m_pozycja = 0;
};

} // namespace zr05
