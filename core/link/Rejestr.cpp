#include "Rejestr.h"

namespace zr05
{

namespace
{
QString zKoncamiLinii(QString t)
{
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    t.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return t;
}
} // namespace

QString Rejestr::tekst() const
{
    if (m_tekstOkna)
        return zKoncamiLinii(m_tekstOkna());
    qsizetype dlugosc = 0;
    for (const QString& l : m_linie)
        dlugosc += l.size();
    QString t;
    t.reserve(dlugosc);
    for (auto l = m_linie.rbegin(); l != m_linie.rend(); ++l)
        t += *l;
    return t;
}

void Rejestr::dodaj(const QString& linijka)
{
    if (linijka.isEmpty())
        return;
    if (!m_tekstOkna)
        m_linie.push_back(linijka);
    emit dodano(linijka);
}

void Rejestr::wyczysc()
{
    m_linie.clear();
    m_tekstOkna = {};
    emit wyczyszczony();
}

void Rejestr::ustawTekst(const QString& tekst)
{
    m_tekstOkna = {};
    m_linie.clear();
    if (!tekst.isEmpty())
        m_linie.push_back(zKoncamiLinii(tekst));
}

void Rejestr::ustawOkno(std::function<QString()> tekstOkna)
{
    m_linie.clear();
    m_tekstOkna = std::move(tekstOkna);
}

} // namespace zr05
