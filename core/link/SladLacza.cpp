#include "SladLacza.h"

namespace zr05
{

namespace
{
const char* opis(LosBajtow los)
{
    switch (los) {
    case LosBajtow::Wyslane:
        return "sent";
    case LosBajtow::Przyjeta:
        return "accepted";
    case LosBajtow::ZlaSuma:
        return "checksum wrong, dropped";
    case LosBajtow::PorzuconaPoPrzerwie:
        return "dropped after a pause";
    case LosBajtow::PozaRamka:
        return "outside a frame, ignored";
    case LosBajtow::Nieoczekiwana:
        return "unexpected, dropped";
    case LosBajtow::ZmienioneNaLinii:
        return "as the line delivered it";
    }
    return "";
}
} // namespace

QString tekstWpisu(const WpisSladu& w)
{
    return QStringLiteral("%1  %2  %3  %4")
        .arg(double(w.czasUs) / 1e6, 11, 'f', 3)
        .arg(w.doCentrali ? QStringLiteral("PC->panel") : QStringLiteral("panel->PC"))
        .arg(QString::fromLatin1(w.bajty.toHex(' ').toUpper()))
        .arg(QLatin1String(opis(w.los)));
}

bool PlikSladu::otworz(const QString& sciezka, const QString& naglowek, QString& blad)
{
    m_plik.setFileName(sciezka);
    if (!m_plik.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        blad = m_plik.errorString();
        return false;
    }
    m_plik.write(naglowek.toUtf8() + '\n');
    m_plik.flush();
    return true;
}

void PlikSladu::zapisz(const WpisSladu& w)
{
    if (!m_plik.isOpen())
        return;
    m_plik.write(tekstWpisu(w).toUtf8() + '\n');
    m_plik.flush();
}

} // namespace zr05
