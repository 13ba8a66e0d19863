#pragma once
// The sections of the configuration printout, each appended to a printout in the making.

#include "config/Konfiguracja.h"
#include "print/Wydruk.h"

#include <QDateTime>
#include <QString>

namespace zr05
{

void DrukNaglowek(Wydruk& w, const QString& nazwaPliku, const QDateTime& teraz);
void DrukKlawPodc(Wydruk& w, const Konfiguracja& obraz);
void DrukLinii(Wydruk& w, const Konfiguracja& obraz);
void DrukWyOC(Wydruk& w, const Konfiguracja& obraz);
void DrukWyPk(Wydruk& w, const Konfiguracja& obraz);
void DrukKonStra(Wydruk& w, const Konfiguracja& obraz);
void DrukAutoUzbr(Wydruk& w, const Konfiguracja& obraz);
void DrukStrZal(Wydruk& w, const Konfiguracja& obraz);
void DrukKlawFun(Wydruk& w, const Konfiguracja& obraz);

// Pieces shared by the sections.
namespace druk
{
constexpr int KolumnaDanych = 1000; // x of every data line, in twips

// The numbers ii + bit for the set bits of `bajt`, each followed by ", ".
QString listaBitow(Bajt bajt, int ii);
// A set of `bajty` bytes starting at `start`, member numbers from 1.
template <typename Rekord> QString listaZbioru(const Rekord& r, int start, int bajty)
{
    QString t;
    for (int i = 0; i < bajty; ++i)
        t += listaBitow(r[start + i], 1 + 8 * i);
    return t;
}
// A leading "0" for values below 10, never a blank.
QString dwieCyfry(int liczba);
// Title in bold at the data column, then the column header (bold) when there is one.
void poczatekSekcji(Wydruk& w, const QString& tytul, const QString& naglowekKolumn = QString());
} // namespace druk

} // namespace zr05
