#include "WyborPortu.h"

#include "Module1.h"

namespace zr05
{

int numerPortu(int wybranyPort)
{
    if (wybranyPort == 0)
        return 0;
    return wybranyPort >= 1 && wybranyPort <= 3 ? wybranyPort : 4;
}

bool potwierdzWyborPortu(Module1& m, bool portOtwarty)
{
    const bool bezCentralki = numerPortu(m.WybranyPort) == 0;
    // A port that failed to open must not look open: no login, no menu.
    if (!bezCentralki && !portOtwarty)
        return false;

    m.ustawDostepny(Element::mnuKonf, true);
    if (bezCentralki) {
        m.ustawDostepny(Element::mnuKonfLog, false);
    } else {
        m.ustawDostepny(przycisk(1), true);
    }
    m.ustawDostepny(przycisk(2), true);
    return true;
}

} // namespace zr05
