#include "PobieranieArchiwum.h"
#include "link/Lacze.h"
#include "link/Ramka.h"

namespace zr05
{

PobieranieArchiwum::PobieranieArchiwum(Module1& modul, Lacze& lacze, QObject* parent)
    : QObject(parent), m(modul)
{
    connect(&lacze, &Lacze::rekordyArchiwum, this, &PobieranieArchiwum::rekordy);
}

bool PobieranieArchiwum::operacjaArchiwum(Bajt kod)
{
    return kod == StartZdarzen || kod == StartAlarmow || kod == Nastepne;
}

void PobieranieArchiwum::ustawAlarmy(bool alarmy)
{
    if (m_alarmy == alarmy)
        return;
    m_alarmy = alarmy;
    emit alarmyZmienione(alarmy);
}

void PobieranieArchiwum::ustawLicznik(const QString& tekst)
{
    m_licznik = tekst;
    emit licznikZmieniony(tekst);
}

void PobieranieArchiwum::pobierz(Bajt dzien, Bajt miesiac, Bajt rok)
{
    ustawLicznik(QString());
    m.DataArchiwum = {dzien, miesiac, rok};
    TabeleArchiwum& a = m.Archiwum;
    if (!m_alarmy) {
        m.ustawStatus(tekst::PobieranieZdarzen);
        m.KodOperacji = StartZdarzen;
        a.LicznikZda = 0;
        a.IloscZda = 0;
    } else {
        m.ustawStatus(tekst::PobieranieAlarmow);
        m.KodOperacji = StartAlarmow;
        a.LicznikAla = 0;
        a.IloscAla = 0;
    }
}

void PobieranieArchiwum::przerwij()
{
    // Only an archive transfer is stopped here; another operation started since then (an
    // upload above all) is not this window's to end.
    if (operacjaArchiwum(m.KodOperacji))
        m.KodOperacji = 0;
    TabeleArchiwum& a = m.Archiwum;
    if (!m_alarmy) {
        m.ustawStatus(tekst::KoniecZdarzen);
        a.IloscZda = a.LicznikZda;
    } else {
        m.ustawStatus(tekst::KoniecAlarmow);
        a.IloscAla = a.LicznikAla;
    }
}

void PobieranieArchiwum::oknoZamkniete()
{
    ustawAlarmy(false);
    m_licznik.clear();
}

void PobieranieArchiwum::zakoncz(qint16& ilosc, qint16 wartosc)
{
    ilosc = wartosc;
    if (operacjaArchiwum(m.KodOperacji))
        m.KodOperacji = 0;
    ustawLicznik(tekst::KoniecArchiwum);
    m.ustawStatus(m_alarmy ? tekst::KoniecAlarmow : tekst::KoniecZdarzen);
    emit zakonczone();
}

void PobieranieArchiwum::rekordy(const QByteArray& ramka)
{
    if (ramka.size() != ramka::DlugoscArchiwum)
        return;
    TabeleArchiwum& a = m.Archiwum;
    TabeleArchiwum::Rekordy& tabela = m_alarmy ? a.RekAla : a.RekZda;
    qint16& licznik = m_alarmy ? a.LicznikAla : a.LicznikZda;
    qint16& ilosc = m_alarmy ? a.IloscAla : a.IloscZda;

    for (int r = 0; r < RekordowWRamce; ++r) {
        const int poczatek = 2 + TabeleArchiwum::BajtowRekordu * r;
        if (Bajt(ramka[poczatek]) == KoniecRekordow) {
            zakoncz(ilosc, qint16(licznik + r));
            return;
        }
        const int indeks = licznik + r;
        if (indeks >= TabeleArchiwum::LiczbaRekordow) {
            // The table is full: what fits is kept and the download ends here, as at an
            // end record.
            licznik = TabeleArchiwum::LiczbaRekordow;
            zakoncz(ilosc, TabeleArchiwum::LiczbaRekordow);
            return;
        }
        for (int j = 0; j < TabeleArchiwum::BajtowRekordu; ++j)
            tabela[indeks][j] = Bajt(ramka[poczatek + j]);
    }
    licznik = qint16(licznik + RekordowWRamce);
    ustawLicznik(QString::number(licznik));
}

} // namespace zr05
