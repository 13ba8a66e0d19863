#include "Rejestr.h"

namespace zr05
{

void Rejestr::dodaj(const QString& linijka)
{
    if (linijka.isEmpty())
        return;
    m_tekst.prepend(linijka);
    emit dodano(linijka);
}

void Rejestr::wyczysc()
{
    m_tekst.clear();
    emit wyczyszczony();
}

void Rejestr::ustawTekst(const QString& tekstOkna)
{
    QString t = tekstOkna;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    t.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    m_tekst = t;
}

} // namespace zr05
