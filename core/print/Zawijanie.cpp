#include "Zawijanie.h"

namespace zr05
{

namespace
{
// Blanks at the end print nothing, so they may hang past the margin.
QString bezKoncowychSpacji(const QString& t)
{
    qsizetype n = t.size();
    while (n > 0 && t[n - 1] == QLatin1Char(' '))
        --n;
    return t.left(n);
}

// Characters of the longest piece of `t` that fits in `dostepne`, ending after a run of blanks;
// 0 when even the first word does not fit.
qsizetype dlugoscDoSpacji(const QString& t, double dostepne, const MiaraTekstu& szerokosc)
{
    qsizetype najdluzszy = 0;
    for (qsizetype i = 1; i < t.size(); ++i) {
        if (t[i - 1] != QLatin1Char(' ') || t[i] == QLatin1Char(' '))
            continue;
        if (szerokosc(bezKoncowychSpacji(t.left(i))) > dostepne)
            break;
        najdluzszy = i;
    }
    return najdluzszy;
}

// At least one character, so that every line takes something.
qsizetype dlugoscZnakami(const QString& t, double dostepne, const MiaraTekstu& szerokosc)
{
    qsizetype n = 1;
    while (n < t.size() && szerokosc(t.left(n + 1)) <= dostepne)
        ++n;
    return n;
}
} // namespace

QStringList zawijaj(const QString& tekst, double x, double wciecie, double prawyBrzeg,
                    const MiaraTekstu& szerokosc)
{
    QStringList kawalki;
    QString reszta = tekst;
    double poczatek = x;
    while (!reszta.isEmpty()) {
        const double dostepne = prawyBrzeg - poczatek;
        if (szerokosc(bezKoncowychSpacji(reszta)) <= dostepne) {
            kawalki.append(reszta);
            break;
        }
        qsizetype n = dlugoscDoSpacji(reszta, dostepne, szerokosc);
        if (n == 0 && poczatek > wciecie) {
            // Something stands before it on this line: the next line has more room.
            kawalki.append(QString());
            poczatek = wciecie;
            continue;
        }
        if (n == 0)
            n = dlugoscZnakami(reszta, dostepne, szerokosc);
        kawalki.append(reszta.left(n));
        reszta.remove(0, n);
        poczatek = wciecie;
    }
    return kawalki;
}

} // namespace zr05
