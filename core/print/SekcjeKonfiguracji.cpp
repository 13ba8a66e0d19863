#include "SekcjeKonfiguracji.h"

namespace zr05
{

namespace druk
{
QString listaBitow(Bajt bajt, int ii)
{
    QString t;
    for (int bit = 0; bit < 8; ++bit)
        if ((bajt >> bit) & 1)
            t += QString::number(ii + bit) + QStringLiteral(", ");
    return t;
}

QString dwieCyfry(int liczba)
{
    return (liczba < 10 ? QStringLiteral("0") : QString()) + QString::number(liczba);
}

void poczatekSekcji(Wydruk& w, const QString& tytul, const QString& naglowekKolumn)
{
    w.rozmiar(10);
    w.pogrubienie(true);
    w.pozycja(KolumnaDanych);
    w.linia(tytul);
    if (!naglowekKolumn.isEmpty()) {
        w.pozycja(KolumnaDanych);
        w.linia(naglowekKolumn);
    }
    w.pogrubienie(false);
}
} // namespace druk

using namespace druk;

namespace
{
void wierszDanych(Wydruk& w, const QString& tekst)
{
    w.pozycja(KolumnaDanych);
    w.linia(tekst);
}
QString liczba(int n)
{
    return QString::number(n);
}
} // namespace

void DrukNaglowek(Wydruk& w, const QString& nazwaPliku, const QDateTime& teraz)
{
    w.czcionka(QStringLiteral("Times New Roman CE"));
    w.rozmiar(12);
    w.pogrubienie(true);
    w.pozycja(2000);
    w.linia(QStringLiteral("KONFIGURACJA SYSTEMU VOR ZR-05"));
    w.pozycja(2000);
    w.tekst(nazwaPliku.isEmpty()
                ? QStringLiteral("pobrana z centralki dnia: ")
                : QStringLiteral("pobrana z pliku: <") + nazwaPliku + QStringLiteral("> dnia: "));
    w.linia(teraz.toString(QStringLiteral("yyyy-MM-dd  hh:mm:ss")));
    w.linia(); // bold stays on
}

void DrukKlawPodc(Wydruk& w, const Konfiguracja& obraz)
{
    poczatekSekcji(w, QStringLiteral("KLAWIATURY I PODCENTRALE:"));
    QString t = QStringLiteral("Klawiatury: ");
    for (int k = 1; k <= 8; ++k)
        if (obraz.Urzadzenia[k] != 0)
            t += liczba(k) + QStringLiteral(", ");
    t += QStringLiteral("  Podcentrale: ");
    for (int k = 1; k <= 8; ++k)
        if (obraz.Urzadzenia[8 + k] != 0)
            t += liczba(k) + QStringLiteral(", ");
    wierszDanych(w, t);
}

void DrukWyOC(Wydruk& w, const Konfiguracja& obraz)
{
    poczatekSekcji(w, QStringLiteral("WYJŚCIA OC:"),
                   QStringLiteral("Nr:  TYP:  Opóźn.:  Zdarzenia:"));
    for (int n = 1; n <= Konfiguracja::LiczbaWyjOC; ++n) {
        const auto& r = obraz.WyjOC[n];
        wierszDanych(w,
                     dwieCyfry(n) + QStringLiteral("    ") +
                         (r[2] == 192 ? QStringLiteral(" NO     ") : QStringLiteral(" NC     ")) +
                         liczba(r[3]) + QStringLiteral("[min]   ") + listaZbioru(r, 14, 7));
    }
}

void DrukWyPk(Wydruk& w, const Konfiguracja& obraz)
{
    poczatekSekcji(w, QStringLiteral("WYJŚCIA PK:"),
                   QStringLiteral("Nr:  Kas:    Czas al:  Opóźn.:  Zdarzenia:"));
    for (int n = 1; n <= Konfiguracja::LiczbaWyjPk; ++n) {
        const auto& r = obraz.WyjPk[n];
        wierszDanych(w,
                     dwieCyfry(n) + QStringLiteral("    ") +
                         (r[1] == 1 ? QStringLiteral("autom.   ") : QStringLiteral("ręczne   ")) +
                         liczba(r[2]) + QStringLiteral("[min]   ") + liczba(r[3]) +
                         QStringLiteral("[min]   ") + listaZbioru(r, 14, 7));
    }
}

void DrukKonStra(Wydruk& w, const Konfiguracja& obraz)
{
    poczatekSekcji(w, QStringLiteral("KONTROLE STRAŻNIKÓW:"),
                   QStringLiteral("Nr:  Klaw:   Czas:     Tol.:     Nr strażników:"));
    for (int n = 1; n <= Konfiguracja::LiczbaKontroli; ++n) {
        const auto& r = obraz.Kontrole[n];
        if (r[0] == 0)
            continue; // a free record
        wierszDanych(w, dwieCyfry(r[0]) + QStringLiteral("       ") + liczba(r[1]) +
                            QStringLiteral("        ") + dwieCyfry(r[2]) + QStringLiteral(":") +
                            dwieCyfry(r[3]) + QStringLiteral("      ") + liczba(r[4]) +
                            QStringLiteral("min    ") + listaZbioru(r, 5, 2));
    }
}

void DrukAutoUzbr(Wydruk& w, const Konfiguracja& obraz)
{
    poczatekSekcji(w, QStringLiteral("AUTOMATYCZNE UZBRAJANIE STREF:"),
                   QStringLiteral("Czas uzbr:  Cichy Al:  Nr uzbr. stref:"));
    const auto& a = obraz.AutoUzbr;
    wierszDanych(w, QStringLiteral("       ") + dwieCyfry(a[0]) + QStringLiteral(":") +
                        dwieCyfry(a[1]) + QStringLiteral("        ") + liczba(a[2]) +
                        QStringLiteral("min       ") + listaZbioru(a, 3, 2));
}

void DrukStrZal(Wydruk& w, const Konfiguracja& obraz)
{
    poczatekSekcji(w, QStringLiteral("STREFY ZALEŻNE:"));
    // Zone 1 can depend on no other zone, so it is not listed.
    for (int z = 2; z <= Konfiguracja::LiczbaStref; ++z) {
        const auto& r = obraz.Strefy[z];
        if (r[14] == 0 && r[15] == 0)
            continue;
        wierszDanych(w, QStringLiteral("Strefa: ") + dwieCyfry(z) +
                            QStringLiteral("  zależna od stref: ") + listaZbioru(r, 14, 2));
    }
}

void DrukKlawFun(Wydruk& w, const Konfiguracja& obraz)
{
    poczatekSekcji(w, QStringLiteral("PARAMETRY SYSTEMOWE:"),
                   QStringLiteral("Klawisze funkcyjne:"));
    static const QString Klawisze[4] = {
        QStringLiteral("A - POLICJA                - "),
        QStringLiteral("B - POGOTOWIE         - "),
        QStringLiteral("C - STRAŻ POŻARNA - "),
        QStringLiteral("D - OCHRONA             - "),
    };
    for (int k = 0; k < 4; ++k)
        wierszDanych(w, Klawisze[k] + ((obraz.KlawFun >> k) & 1 ? QStringLiteral("AKTYWNA")
                                                                : QStringLiteral("NIEAKTYWNA")));
    wierszDanych(w, obraz.KodyTajne != 0 ? QStringLiteral("KODY - TAJNE")
                                         : QStringLiteral("KODY - JAWNE"));
    wierszDanych(w, QStringLiteral("Maksymalny czas wprowadzania kodu: ") + liczba(obraz.CzasKodu) +
                        QStringLiteral(" [s]"));
    wierszDanych(w, QStringLiteral("Czas blokowania klawiatury: ") + liczba(obraz.CzasBlokady) +
                        QStringLiteral(" [min]"));
    wierszDanych(w,
                 QStringLiteral("Buzzer aktywny w klawiaturach: ") + listaBitow(obraz.Buzzery, 1));
}

} // namespace zr05
