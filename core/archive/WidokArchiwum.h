#pragma once
// Showing the downloaded archives: the range of records between two moments and the text line
// of each record.

#include "Module1.h"
#include "archive/TabeleArchiwum.h"

#include <QString>
#include <QStringList>
#include <array>

namespace zr05
{

// A moment as the records hold it: year (two digits), month, day, hour, minute.
using KluczCzasu = std::array<int, 5>;

// The key from the five date fields (year, month, day, hour, minute); the year counts by its
// last two characters. Fields that are not numbers count as 0.
KluczCzasu kluczZPol(const QStringList& pola);

// First index 0..ilosc whose record is at or after `od` (ilosc when none is).
int poczatekZakresu(const TabeleArchiwum::Rekordy& rekordy, int ilosc, const KluczCzasu& od);
// First index from `pierwszy` on whose record is after `doKiedy` (ilosc when none is): records
// pierwszy .. result-1 make the range.
int koniecZakresu(const TabeleArchiwum::Rekordy& rekordy, int ilosc, int pierwszy,
                  const KluczCzasu& doKiedy);

// The line of one record, "\r\n" at its end.
QString liniaAlarmu(const TabeleTekstow& tabele, const Konfiguracja& obraz,
                    const TabeleArchiwum::Rekord& r);
QString liniaZdarzenia(const TabeleTekstow& tabele, const TabeleArchiwum::Rekord& r);

// The records of the range in the chosen archive, in index order.
QList<TabeleArchiwum::Rekord> rekordyZakresu(const Module1& m, bool alarmy, const KluczCzasu& od,
                                             const KluczCzasu& doKiedy);
// The lines of the range in the chosen archive, in index order.
QStringList linieZakresu(const Module1& m, bool alarmy, const KluczCzasu& od,
                         const KluczCzasu& doKiedy);

} // namespace zr05
