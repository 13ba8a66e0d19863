// Event messages into register lines and archive records into view lines.

#include "Czytnik.h"
#include "Wlasnosci.h"

#include "Module1.h"
#include "archive/WidokArchiwum.h"
#include "config/Nazwy1250.h"
#include "link/ZdarzeniaCentrali.h"

namespace zr05::wlasnosci
{

namespace
{
// One text line: "\r\n" at its end and no control character before it.
QString sprawdzLinie(const QString& linia)
{
    if (!linia.endsWith(QLatin1String("\r\n")))
        return "a line without its end: " + linia;
    for (qsizetype i = 0; i + 2 < linia.size(); ++i)
        if (linia[i].unicode() < 0x20 || linia[i].unicode() == 0x7F)
            return QStringLiteral("control character %1 at %2 in: ")
                       .arg(linia[i].unicode())
                       .arg(i) +
                   linia;
    return QString();
}
} // namespace

// Input: messages, each a length byte and that many bytes after the '@'.
QString komunikat(QByteArrayView wejscie)
{
    Module1 m;
    ZdarzeniaCentrali zdarzenia(m);
    const QStringList stany = {QStringLiteral("STAN SYSTEMU"), ZdarzeniaCentrali::tekstStanu(0),
                               ZdarzeniaCentrali::tekstStanu(1), ZdarzeniaCentrali::tekstStanu(2),
                               ZdarzeniaCentrali::tekstStanu(3)};
    Czytnik c(wejscie);
    while (!c.koniec()) {
        const QByteArray ramka = '@' + c.bajty(c.bajt());
        const QString przed = zdarzenia.rejestr().tekst();
        zdarzenia.Komunikat(ramka);
        const QString linia = zdarzenia.LinijkaRejestru();
        if (!linia.isEmpty())
            if (const QString b = sprawdzLinie(linia); !b.isEmpty())
                return b;
        if (zdarzenia.rejestr().tekst() != linia + przed)
            return "the register is not the new line in front of the old text";
        if (!stany.contains(zdarzenia.stanSystemu()))
            return "system state text: " + zdarzenia.stanSystemu();
    }
    return QString();
}

// Input: a record (8 bytes), the line it names (byte 7 or 6 picks it), that line's name index
// and numbers (3 bytes) with the name's 8 bytes; then the range keys (2 x 5 bytes), a record
// count (2 bytes) and the event records (8 bytes each).
QString rekordArchiwum(QByteArrayView wejscie)
{
    Module1 m;
    Czytnik c(wejscie);
    TabeleArchiwum::Rekord r{};
    for (Bajt& b : r)
        b = c.bajt();
    const int linia = c.bajt() % (Konfiguracja::LiczbaLinii + 2); // 0 and 81 are no line
    Bajt indeks = c.bajt();
    const Bajt numer1 = c.bajt(), numer2 = c.bajt();
    const QString nazwa = nazwaZBajtow(c.bajty(Konfiguracja::DlugoscNazwy));
    if (linia >= 1 && linia <= Konfiguracja::LiczbaLinii) {
        m.Obraz.Linie[linia][8] = indeks;
        m.Obraz.Linie[linia][9] = numer1;
        m.Obraz.Linie[linia][10] = numer2;
    }
    m.Obraz.NazwyLinii[indeks] = nazwa;

    for (const QString& l : {liniaAlarmu(m.Tabele, m.Obraz, r), liniaZdarzenia(m.Tabele, r)})
        if (const QString b = sprawdzLinie(l); !b.isEmpty())
            return b;

    KluczCzasu od{}, doKiedy{};
    for (int& k : od)
        k = c.bajt();
    for (int& k : doKiedy)
        k = c.bajt();
    const qint16 ilosc = qint16(c.bajt() | c.bajt() << 8);
    TabeleArchiwum& a = m.Archiwum;
    for (int i = 0; i < TabeleArchiwum::LiczbaRekordow && !c.koniec(); ++i)
        for (Bajt& b : a.RekZda[i])
            b = c.bajt();
    a.IloscZda = ilosc;
    const int zapisane = std::clamp<int>(ilosc, 0, TabeleArchiwum::LiczbaRekordow);
    const int pierwszy = poczatekZakresu(a.RekZda, ilosc, od);
    const int koniec = koniecZakresu(a.RekZda, ilosc, pierwszy, doKiedy);
    if (pierwszy < 0 || pierwszy > koniec || koniec > zapisane)
        return QStringLiteral("range %1..%2 of %3 records").arg(pierwszy).arg(koniec).arg(zapisane);
    const QStringList linie = linieZakresu(m, false, od, doKiedy);
    if (linie.size() != koniec - pierwszy)
        return QStringLiteral("%1 lines for a range of %2")
            .arg(linie.size())
            .arg(koniec - pierwszy);
    for (int i = 0; i < linie.size(); ++i)
        if (linie[i] != liniaZdarzenia(m.Tabele, a.RekZda[pierwszy + i]))
            return QStringLiteral("line %1 is not its record's").arg(i);
    return QString();
}

} // namespace zr05::wlasnosci
