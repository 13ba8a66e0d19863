#include "ListaWyboru.h"

namespace zr05
{

namespace
{
QString tekstLiczby(int n, Cyfry cyfry)
{
    return cyfry == Cyfry::Dwie ? QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'))
                                : QString::number(n);
}
} // namespace

ListaWyboru listaWyboru(int od, int doWlacznie, Cyfry cyfry, Bajt wartosc)
{
    ListaWyboru lista;
    for (int n = od; n <= doWlacznie; ++n)
        lista.pozycje << tekstLiczby(n, cyfry);
    if (wartosc >= od && wartosc <= doWlacznie) {
        lista.wybrana = wartosc - od;
    } else {
        lista.pozycje << tekstLiczby(wartosc, cyfry);
        lista.wybrana = int(lista.pozycje.size()) - 1;
    }
    return lista;
}

std::optional<Bajt> liczbaPozycji(const QString& tekst)
{
    bool ok = false;
    const int n = tekst.trimmed().toInt(&ok);
    if (!ok || n < 0 || n > 255)
        return std::nullopt;
    return Bajt(n);
}

} // namespace zr05
