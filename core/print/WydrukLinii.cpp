// The detection line section of the configuration printout.

#include "SekcjeKonfiguracji.h"
#include "tables/NazwyLinii.h"

namespace zr05
{

using namespace druk;

namespace
{
using RekordLinii = std::array<Bajt, 32>;

constexpr int KolumnaStrefy = 3000;
constexpr int KolumnaKontynuacji = 4700; // further pieces of a long encrypted-line list
constexpr int PierwszyLimit = 90;
constexpr int KolejnyLimit = 66;

// A control byte in a user name from the panel or a file would break the printed line; it
// prints as a blank and the name keeps its places.
QString nazwaDoDruku(const Konfiguracja& obraz, int n)
{
    QString t = nazwaLinii(obraz, n);
    for (QChar& c : t)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    return t;
}

// The lowest zone the line belongs to, 11 when none.
int strefaLinii(const RekordLinii& r)
{
    for (int z = 1; z <= Konfiguracja::LiczbaStref; ++z)
        if (r[11 + z] != 0)
            return z;
    return 11;
}

int czuloscMs(Bajt typ)
{
    const int c = (typ >> 4) & 7;
    const int d = c == 0 ? 0 : c - 1;
    return ((d & 3) + 1) * 250;
}

QString opoznienia(const RekordLinii& r)
{
    return QStringLiteral("Op. We=") + QString::number(r[6]) + QStringLiteral("[s]") +
           QStringLiteral(", Op. Wy=") + QString::number(r[7]) + QStringLiteral("[s]");
}

// Appends the encrypted lines to `tekst`; a piece longer than the limit is printed first and
// the list goes on further right on the next line.
void DrukLinSzyfr(Wydruk& w, QString& tekst, const RekordLinii& r)
{
    int limit = PierwszyLimit;
    for (int m = 1; m <= Konfiguracja::LiczbaLinii; ++m) {
        if (!wZbiorze(r, 22, m))
            continue;
        if (tekst.size() > limit) {
            w.linia(tekst);
            tekst.clear();
            limit = KolejnyLimit;
            w.pozycja(KolumnaKontynuacji);
        }
        tekst += QString::number(m) + QLatin1Char(',');
    }
}

void Druk1Linie(Wydruk& w, const Konfiguracja& obraz, int n)
{
    const auto& r = obraz.Linie[n];
    w.pozycja(KolumnaDanych);
    w.tekst(dwieCyfry(n) + QStringLiteral(" - ") + nazwaDoDruku(obraz, n));

    w.pozycja(KolumnaStrefy);
    QString t = dwieCyfry(strefaLinii(r)) + QStringLiteral("   ") +
                ((r[3] & 0x80) ? QStringLiteral("2-st    ") : QStringLiteral("3-st    ")) +
                QString::number(czuloscMs(r[2])) + QStringLiteral("    ") +
                QString::number(r[3] & 0x0F) + QStringLiteral("   ");
    switch (r[2] & 0x0F) {
    case 1:
        t += QStringLiteral("SZYFR.: ");
        DrukLinSzyfr(w, t, r);
        break;
    case 2:
        t += r[6] == 0 ? QStringLiteral("NATYCHMIASTOWA")
                       : QStringLiteral("OPÓŹN.:  ") + opoznienia(r);
        break;
    case 4:
        t += QStringLiteral("CAŁODOBOWA");
        break;
    case 8:
        t += QStringLiteral("WARUN.:  ") + opoznienia(r) + QStringLiteral(", War. We=") +
             QString::number(r[4]) + QStringLiteral(", War. Wy=") + QString::number(r[5]);
        break;
    default:
        break; // no type
    }
    w.linia(t);
}
} // namespace

void DrukLinii(Wydruk& w, const Konfiguracja& obraz)
{
    w.rozmiar(10);
    w.pogrubienie(true);
    w.pozycja(KolumnaDanych);
    w.linia(QStringLiteral("LINIE DOZOROWE:"));
    w.pozycja(KolumnaDanych);
    w.tekst(QStringLiteral("Nr:  Nazwa:"));
    w.pozycja(2900);
    w.linia(QStringLiteral("Str: Stan: Czuł: Al:  TYP LINII:"));
    w.pogrubienie(false);

    // The panel's own lines, then the eight lines of each subpanel present; subpanel k owns
    // lines 8k+1..8k+8, so lines 73..80 belong to none.
    for (int n = 1; n <= 8; ++n)
        Druk1Linie(w, obraz, n);
    for (int k = 1; k <= 8; ++k)
        if (obraz.Urzadzenia[8 + k] != 0)
            for (int n = 8 * k + 1; n <= 8 * k + 8; ++n)
                Druk1Linie(w, obraz, n);
}

} // namespace zr05
