// The receiver under arbitrary bytes and timing, with every part that listens to the link.

#include "Czytnik.h"
#include "Wlasnosci.h"

#include "Module1.h"
#include "access/Logowanie.h"
#include "access/Przesylanie.h"
#include "archive/PobieranieArchiwum.h"
#include "config/MapaPamieci.h"
#include "link/Lacze.h"
#include "link/Ramka.h"
#include "link/ZdarzeniaCentrali.h"

namespace zr05::wlasnosci
{

namespace
{
using namespace ramka;

constexpr qint64 OdstepBajtu = 5; // ms, one byte at 2400 bit/s 8N2 and a little

// What the PC may send: a frame with the start byte, the length its code calls for and a
// valid checksum. Anything that is no request must be the answer to a poll.
QString sprawdzRamke(const QByteArray& r, Bajt bajtOdpowiedzi)
{
    const QString hex = QString::fromLatin1(r.toHex(' '));
    if (r.size() < 3)
        return "frame too short: " + hex;
    if (Bajt(r[0]) != Start7)
        return "frame without the start byte: " + hex;
    if (sumaKontrolna(r) != 0)
        return "frame with a wrong checksum: " + hex;
    int dlugosc = 3;
    switch (Bajt(r[1])) {
    case Odczyt:
    case Kod:
    case ArchStart:
        dlugosc = 7;
        break;
    case Zapis:
        dlugosc = DlugoscZapisu;
        if (Bajt(r[4]) > ObszarZapisu)
            return "write longer than its area: " + hex;
        break;
    case ArchDalej:
    case KoniecProg:
        break;
    default:
        if (Bajt(r[1]) != bajtOdpowiedzi && Bajt(r[1]) != (bajtOdpowiedzi | BitOperacji))
            return "unknown frame: " + hex;
    }
    if (r.size() != dlugosc)
        return QStringLiteral("frame of %1 bytes instead of %2: ").arg(r.size()).arg(dlugosc) + hex;
    if (Bajt(r[1]) == Odczyt) {
        const int ile = Bajt(r[2]) | Bajt(r[3]) << 8;
        if (ile < 1 || ile + 3 > RozmiarBufora)
            return "read the receiver cannot take: " + hex;
    }
    return QString();
}

bool kodOperacjiZnany(int k)
{
    return k == 0 || (k >= PierwszyKrokPobierania && k <= OstatniKrokPobierania) ||
           (k >= 40 && k <= 47) || (k >= PierwszyKrokPrzesylania && k <= 101);
}

template <typename T> bool w(T v, int od, int doKonca)
{
    return v >= od && v <= doKonca;
}

QString sprawdzLiczniki(const Module1& m, const Lacze& lacze, const Przesylanie& przesylanie)
{
    const TabeleArchiwum& a = m.Archiwum;
    const int rekordy = TabeleArchiwum::LiczbaRekordow;
    if (!kodOperacjiZnany(m.KodOperacji))
        return QStringLiteral("operation code %1").arg(m.KodOperacji);
    if (!w(m.LicznikLacza, 0, 3) || !w(m.OdliczanieKonca, 0, 3))
        return QStringLiteral("link counter %1, end countdown %2")
            .arg(m.LicznikLacza)
            .arg(m.OdliczanieKonca);
    if (!w(a.IloscAla, 0, rekordy) || !w(a.IloscZda, 0, rekordy) || !w(a.LicznikAla, 0, rekordy) ||
        !w(a.LicznikZda, 0, rekordy))
        return QStringLiteral("archive counts %1 %2 %3 %4")
            .arg(a.IloscAla)
            .arg(a.IloscZda)
            .arg(a.LicznikAla)
            .arg(a.LicznikZda);
    if (!(przesylanie.postep() >= 0 && przesylanie.postep() <= 100))
        return QStringLiteral("progress %1").arg(przesylanie.postep());
    if (!w(lacze.oczekiwanyOdczyt(), 0, RozmiarBufora - 3))
        return QStringLiteral("awaited read of %1 bytes").arg(lacze.oczekiwanyOdczyt());
    return QString();
}
} // namespace

// Input: the first byte starts a command, the second chooses the answer byte; then items:
//   00xxxxxx b      byte b one byte time after the last
//   01xxxxxx b      byte b after a pause of 4*x ms (the receiver gives up a frame at 90 ms)
//   10xxxxxx ...    x+1 bytes (x = 63: a 16-bit length follows) and their checksum, back to back
//   11xxxxxx        x < 8: command x (0 = one timer tick), otherwise a tick
QString odbiornik(QByteArrayView wejscie)
{
    Module1 m;
    m.WybranyPort = 1;
    m.ustawCheck1(0, true);
    m.ustawCheck1(1, true);
    Lacze lacze(m);
    Przesylanie przesylanie(m, lacze);
    PobieranieArchiwum archiwum(m, lacze);
    Logowanie logowanie(m, lacze);
    ZdarzeniaCentrali zdarzenia(m);
    zdarzenia.polacz(lacze);

    QString blad;
    int wyslane = 0;
    lacze.ustawUjscie([&](const QByteArray& r) {
        ++wyslane;
        if (blad.isEmpty())
            blad = sprawdzRamke(r, m.BajtOdpowiedzi);
    });

    qint64 czas = 1000;
    auto polecenie = [&](int p) {
        switch (p % 8) {
        case 0: {
            const int przed = wyslane;
            czas += 1000;
            lacze.tick();
            if (wyslane != przed && blad.isEmpty())
                blad = "the timer sent a frame";
            if (m.ZegarZnany && m.Zegar[0] >= 60 && blad.isEmpty())
                blad = QStringLiteral("clock seconds %1 after a tick").arg(m.Zegar[0]);
            break;
        }
        case 1:
            przesylanie.pobierz();
            break;
        case 2:
            przesylanie.przekaz();
            break;
        case 3:
            logowanie.zatwierdzKod(QStringLiteral("1234"));
            break;
        case 4:
        case 5:
            archiwum.ustawAlarmy(p % 8 == 5);
            archiwum.pobierz(1, 1, 20);
            break;
        case 6:
            archiwum.przerwij();
            break;
        case 7:
            logowanie.oknoOtwarte();
            break;
        }
    };

    Czytnik c(wejscie);
    polecenie(c.bajt());
    m.BajtOdpowiedzi = (c.bajt() & 1) ? BitOnLine : 0;

    auto odbierz = [&](Bajt b, qint64 pauza) {
        czas += pauza;
        const int przed = wyslane;
        lacze.Inter(b, czas);
        if (wyslane - przed > 1 && blad.isEmpty())
            blad = QStringLiteral("%1 frames sent for one byte").arg(wyslane - przed);
    };

    while (!c.koniec() && blad.isEmpty()) {
        const Bajt k = c.bajt();
        const int x = k & 0x3F;
        switch (k >> 6) {
        case 0:
            odbierz(c.bajt(), OdstepBajtu);
            break;
        case 1:
            odbierz(c.bajt(), qint64(x) * 4);
            break;
        case 2: {
            int ile = x + 1;
            if (x == 63) {
                ile = c.bajt();
                ile |= c.bajt() << 8;
                ile = std::min(ile, 2 * RozmiarBufora);
            }
            for (Bajt b : zSuma(c.bajty(ile)))
                odbierz(b, OdstepBajtu);
            break;
        }
        case 3:
            polecenie(x < 8 ? x : 0);
            break;
        }
        if (blad.isEmpty())
            blad = sprawdzLiczniki(m, lacze, przesylanie);
    }
    return blad;
}

} // namespace zr05::wlasnosci
