#include "Nazwy1250.h"
#include "Konfiguracja.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace zr05
{

namespace
{
constexpr const char* StronaKodowa = "windows-1250";
}

QByteArray nazwaNaBajty(const QString& nazwa)
{
    QStringEncoder enc(StronaKodowa, QStringConverter::Flag::Stateless);
    QByteArray b = enc(nazwa.left(Konfiguracja::DlugoscNazwy));
    b = b.left(Konfiguracja::DlugoscNazwy);
    b.append(QByteArray(Konfiguracja::DlugoscNazwy - b.size(), ' '));
    return b;
}

QString nazwaZBajtow(const QByteArray& bajty)
{
    QStringDecoder dec(StronaKodowa, QStringConverter::Flag::Stateless);
    return dec(bajty);
}

bool nazwaDaSieZapisac(const QString& nazwa)
{
    QStringEncoder enc(StronaKodowa, QStringConverter::Flag::Stateless);
    const QByteArray b = enc(nazwa);
    return !enc.hasError() && nazwaZBajtow(b) == nazwa;
}

} // namespace zr05
