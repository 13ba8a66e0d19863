#include "WydrukRejestru.h"

#include <QRegularExpression>

namespace zr05
{

Wydruk wydrukRejestru(const QString& rejestr, const QDateTime& teraz)
{
    Wydruk w;
    w.czcionka(QStringLiteral("Times New Roman CE"));
    w.rozmiar(12);
    w.pogrubienie(true);
    w.pozycja(2000);
    w.linia(QStringLiteral("REJESTR BIEŻĄCY SYSTEMU VOR ZR-05"));
    w.pozycja(3000);
    w.linia(teraz.toString(QStringLiteral("yyyy-MM-dd  hh:mm:ss")));
    w.rozmiar(10);
    w.pogrubienie(false);
    // Each line of the register starts at the left margin; the last line end closes the
    // last line rather than opening an empty one.
    QStringList linie = rejestr.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!linie.isEmpty() && linie.last().isEmpty())
        linie.removeLast();
    for (const QString& l : linie)
        w.linia(l);
    w.koniecDokumentu();
    return w;
}

} // namespace zr05
