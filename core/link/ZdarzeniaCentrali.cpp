#include "ZdarzeniaCentrali.h"

#include "config/Nazwy1250.h"
#include "link/Lacze.h"
#include "link/TekstZegara.h"
#include "tables/NazwyLinii.h"

namespace zr05
{

namespace
{

const QString KoniecLinii = QStringLiteral("\r\n");

struct Zrodlo {
    int od, doKonca;
    const char16_t* tekst;
    int przesuniecie; // the number shown is the source minus this; -1: no number
};

// Sources of message 2.
constexpr Zrodlo Zrodla[] = {
    {1, 8, u"    ALARM sabotaż klawiatury nr: ", 0},
    {9, 16, u"    ALARM sabotaż podcentrali nr: ", 8},
    {35, 35, u"    ALARM błąd transmisji", -1},
    {36, 36, u"    ALARM sabotaż centrali ", -1},
    {57, 64, u"    ALARM akumulator podcentrali nr: ", 56},
    {65, 72, u"    ALARM napad z klawiatury nr: ", 64},
    {80, 87, u"    ALARM A-POLICJA z klawiatury nr: ", 80},
    {88, 95, u"    ALARM B-POGOTOWIE z klawiatury nr: ", 88},
    {96, 103, u"    ALARM C-STRAŻ POŻARNA z klawiatury nr: ", 96},
    {104, 111, u"    ALARM D-OCHRONA z klawiatury nr: ", 104},
    {129, 160, u"    Kontrola strażnika nr: ", 128},
    {161, 255, u"    ALARM sabotaż linii nr: ", 160},
};

QString tekstZrodla(int s)
{
    for (const auto& z : Zrodla)
        if (s >= z.od && s <= z.doKonca) {
            QString t = QString::fromUtf16(z.tekst);
            if (z.przesuniecie >= 0)
                t += QString::number(s - z.przesuniecie);
            return t;
        }
    // Not a source the panel is known to send: still a whole line, with the raw value.
    return QStringLiteral("    Zdarzenie nieznane, kod źródła: %1").arg(s);
}

QString tekstStanuWRejestrze(int v)
{
    switch (v) {
    case 0:
        return QStringLiteral(" SYSTEM ROZBROJONY");
    case 1:
        return QStringLiteral(" SYSTEM UZBROJONY");
    case 2:
        return QStringLiteral(" SYSTEM CZĘŚCIOWO UZBR.");
    case 3:
        return QStringLiteral(" KONFIGURACJA SYSTEMU");
    default:
        return QStringLiteral(" Stan systemu nieznany, wartość: %1").arg(v);
    }
}

QString czas(int godzina, int minuta)
{
    return dwieCyfry(godzina) + QLatin1Char(':') + dwieCyfry(minuta);
}

// Name bytes 6..13, then the two numbers when they are not 0.
QString nazwaZNumerami(const QByteArray& r)
{
    QString t = bezZnakowSterujacych(nazwaZBajtow(r.mid(6, 8)));
    for (int i : {2, 3})
        if (Bajt(r[i]) != 0)
            t += QString::number(Bajt(r[i]));
    return t;
}

} // namespace

ZdarzeniaCentrali::ZdarzeniaCentrali(Module1& modul, QObject* parent)
    : QObject(parent), m(modul), m_stanSystemu(QStringLiteral("STAN SYSTEMU"))
{
}

void ZdarzeniaCentrali::polacz(const Lacze& lacze)
{
    connect(&lacze, &Lacze::komunikat, this, &ZdarzeniaCentrali::Komunikat);
}

QString ZdarzeniaCentrali::tekstStanu(int stan)
{
    switch (stan) {
    case 0:
        return QStringLiteral("SYSTEM ROZBROJONY");
    case 1:
        return QStringLiteral("SYSTEM UZBROJONY");
    case 2:
        return QStringLiteral("SYSTEM CZĘŚĆ. UZBR.");
    case 3:
        return QStringLiteral("KONFIGURACJA SYSTEMU");
    default:
        return QString();
    }
}

QString ZdarzeniaCentrali::linijkaKomunikatu(const QByteArray& ramka, const QString& czasZegara)
{
    if (ramka.size() < 2 || ramka.size() < ramka::dlugoscKomunikatu(Bajt(ramka[1])))
        return QString();
    auto b = [&ramka](int i) { return int(Bajt(ramka[i])); };
    switch (b(1)) {
    case 1:
        return czas(b(4), b(5)) + QStringLiteral("    ALARM z linii: ") + QString::number(b(3)) +
               QStringLiteral(" w strefie: ") + QString::number(b(2)) + KoniecLinii;
    case 2:
        return czas(b(3), b(4)) + tekstZrodla(b(2)) + KoniecLinii;
    case 3:
        return czas(b(4), b(5)) + QStringLiteral("    ALARM z linii: ") + nazwaZNumerami(ramka) +
               KoniecLinii;
    case 4:
        return czas(b(4), b(5)) + QStringLiteral("   SABOTAŻ z linii: ") + nazwaZNumerami(ramka) +
               KoniecLinii;
    case 37:
        return czasZegara + QStringLiteral(" Kasowanie alarmów") + KoniecLinii;
    case 38:
        return QStringLiteral("Konfiguracja systemu") + KoniecLinii;
    case 40:
        return czasZegara +
               (b(2) == 220 ? QStringLiteral(" Zanik sieci 220V")
                            : QStringLiteral(" Powrót sieci 220V")) +
               KoniecLinii;
    case 73:
        return czasZegara + tekstStanuWRejestrze(b(2)) + KoniecLinii;
    default:
        return QString();
    }
}

void ZdarzeniaCentrali::Komunikat(const QByteArray& ramka)
{
    m_linijka.clear();
    if (ramka.size() < 2 || ramka.size() < ramka::dlugoscKomunikatu(Bajt(ramka[1])))
        return;
    const int kod = Bajt(ramka[1]);
    if (kod == 38)
        ustawStan(tekstStanu(3));
    if (kod == 73) {
        const Bajt stan = Bajt(ramka[2]);
        if (stan <= 3)
            ustawStan(tekstStanu(stan));
        if (stan == m.OstatniStan)
            return;
        m.OstatniStan = stan;
    }
    m_linijka = linijkaKomunikatu(ramka, czasZegara(m));
    m_rejestr.dodaj(m_linijka);
}

void ZdarzeniaCentrali::ustawStan(const QString& tekst)
{
    m_stanSystemu = tekst;
    emit stanSystemuUstawiony(tekst);
}

} // namespace zr05
