#include "WydrukKonfiguracji.h"
#include "SekcjeKonfiguracji.h"

namespace zr05
{

Wydruk wydrukKonfiguracji(const Konfiguracja& obraz, const QString& nazwaPliku,
                          const QDateTime& teraz, const WyborSekcji& sekcje)
{
    Wydruk w;
    for (int i = 0; i < LiczbaSekcji; ++i) {
        if (!sekcje[i])
            continue;
        switch (SekcjaKonfiguracji(i)) {
        case SekcjaKonfiguracji::Naglowek:
            DrukNaglowek(w, nazwaPliku, teraz);
            break;
        case SekcjaKonfiguracji::KlawPodc:
            DrukKlawPodc(w, obraz);
            break;
        case SekcjaKonfiguracji::Linie:
            DrukLinii(w, obraz);
            break;
        case SekcjaKonfiguracji::WyOC:
            DrukWyOC(w, obraz);
            break;
        case SekcjaKonfiguracji::WyPk:
            DrukWyPk(w, obraz);
            break;
        case SekcjaKonfiguracji::KonStra:
            DrukKonStra(w, obraz);
            break;
        case SekcjaKonfiguracji::AutoUzbr:
            DrukAutoUzbr(w, obraz);
            break;
        case SekcjaKonfiguracji::StrZal:
            DrukStrZal(w, obraz);
            break;
        case SekcjaKonfiguracji::KlawFun:
            DrukKlawFun(w, obraz);
            break;
        }
    }
    w.koniecDokumentu();
    return w;
}

} // namespace zr05
