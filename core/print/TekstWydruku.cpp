#include "TekstWydruku.h"

namespace zr05
{

QString tekstWydruku(const Wydruk& w)
{
    QString tekst;
    QString linia;
    int kolumna = 0;
    const auto pisz = [&](const QString& t) {
        if (t.isEmpty())
            return;
        if (linia.size() < kolumna)
            linia += QString(kolumna - linia.size(), QLatin1Char(' '));
        else if (!linia.isEmpty() && !linia.endsWith(QLatin1Char(' ')) && kolumna > 0 &&
                 linia.size() > kolumna)
            linia += QLatin1Char(' ');
        linia += t;
        kolumna = int(linia.size());
    };
    for (const auto& op : w.operacje()) {
        switch (op.rodzaj) {
        case OperacjaWydruku::Pozycja:
            kolumna = std::max(0, op.liczba) / TwipyNaZnak;
            break;
        case OperacjaWydruku::Tekst:
            pisz(op.tekst);
            break;
        case OperacjaWydruku::Linia:
            pisz(op.tekst);
            // Blanks at the end of a line carry nothing on paper.
            while (linia.endsWith(QLatin1Char(' ')))
                linia.chop(1);
            tekst += linia + QLatin1Char('\n');
            linia.clear();
            kolumna = 0;
            break;
        case OperacjaWydruku::Czcionka:
        case OperacjaWydruku::Rozmiar:
        case OperacjaWydruku::Pogrubienie:
        case OperacjaWydruku::KoniecDokumentu:
            break;
        }
    }
    if (!linia.isEmpty())
        tekst += linia + QLatin1Char('\n');
    return tekst;
}

} // namespace zr05
