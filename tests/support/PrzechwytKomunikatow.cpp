#include "PrzechwytKomunikatow.h"

#include "Komunikaty.h"

namespace zr05
{

PrzechwytKomunikatow::PrzechwytKomunikatow(bool odpowiedz)
{
    Komunikaty::ustawOdpowiadacz([this, odpowiedz](const QString& tekst, bool pytanie) {
        teksty << tekst;
        pytania << pytanie;
        return odpowiedz;
    });
}

PrzechwytKomunikatow::~PrzechwytKomunikatow()
{
    Komunikaty::ustawOdpowiadacz({});
}

} // namespace zr05
