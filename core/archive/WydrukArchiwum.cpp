#include "WydrukArchiwum.h"

namespace zr05
{

Wydruk wydrukArchiwum(bool alarmy, const QStringList& linie)
{
    Wydruk w;
    w.czcionka(QStringLiteral("Times New Roman CE"));
    w.rozmiar(12);
    w.pogrubienie(true);
    w.pozycja(1000);
    w.linia(alarmy ? QStringLiteral("WYDRUK ARCHIWUM ALARMÓW Z CENTRALI VOR ZR-05")
                   : QStringLiteral("WYDRUK ARCHIWUM ZDARZEŃ Z CENTRALI VOR ZR-05"));
    w.rozmiar(10);
    w.pogrubienie(false);
    w.linia();
    for (QString l : linie) {
        // The record's own line end ends the printed line.
        if (l.endsWith(QStringLiteral("\r\n")))
            l.chop(2);
        w.pozycja(2000);
        w.linia(l);
    }
    w.koniecDokumentu();
    return w;
}

} // namespace zr05
