#include "PobieranieArchiwum.h"
#include "Sprawdzenia.h"
#include "link/Lacze.h"
#include "link/Ramka.h"

namespace zr05
{

PobieranieArchiwum::PobieranieArchiwum(Module1& modul, Lacze& lacze, QObject* parent)
    : QObject(parent), m(modul)
{
    connect(&lacze, &Lacze::rekordyArchiwum, this, &PobieranieArchiwum::rekordy);
    // Another command may take the link over at any time; the download has ended then.
    connect(&lacze, &Lacze::odpytany, this, &PobieranieArchiwum::sprawdzOperacje);
    connect(&lacze, &Lacze::zadanieWyslane, this, &PobieranieArchiwum::sprawdzOperacje);
}

bool PobieranieArchiwum::operacjaArchiwum(Bajt kod)
{
    return kod == StartZdarzen || kod == StartAlarmow || kod == Nastepne;
}

bool PobieranieArchiwum::ustawAlarmy(bool alarmy)
{
    if (m_alarmy == alarmy)
        return true;
    if (m_trwa)
        return false;
    m_alarmy = alarmy;
    emit alarmyZmienione(alarmy);
    return true;
}

void PobieranieArchiwum::ustawLicznik(const QString& tekst)
{
    m_licznik = tekst;
    emit licznikZmieniony(tekst);
}

void PobieranieArchiwum::ustawTrwa(bool trwa)
{
    if (m_trwa == trwa)
        return;
    m_trwa = trwa;
    emit trwaZmienione(trwa);
}

void PobieranieArchiwum::sprawdzOperacje()
{
    if (m_trwa && !operacjaArchiwum(m.KodOperacji))
        ustawTrwa(false);
}

std::optional<QString> PobieranieArchiwum::pobierz(Bajt dzien, Bajt miesiac, Bajt rok)
{
    if (auto odmowa = sprawdzUzytkownika(m))
        return odmowa;
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
    m_alarmyPobierane = m_alarmy;
    ustawTrwa(true);
    return std::nullopt;
}

void PobieranieArchiwum::przerwij()
{
    sprawdzOperacje();
    TabeleArchiwum& a = m.Archiwum;
    if (m_trwa) {
        // The option cannot have left the running archive: it is held while a download runs.
        m.KodOperacji = 0;
        if (m_alarmyPobierane)
            a.IloscAla = a.LicznikAla;
        else
            a.IloscZda = a.LicznikZda;
        ustawTrwa(false);
    }
    m.ustawStatus(m_alarmy ? tekst::KoniecAlarmow : tekst::KoniecZdarzen);
}

void PobieranieArchiwum::oknoZamkniete()
{
    if (m_trwa)
        przerwij();
    ustawAlarmy(false);
    m_licznik.clear();
}

void PobieranieArchiwum::zakoncz(qint16& ilosc, qint16 wartosc, const QString& status)
{
    ilosc = wartosc;
    // A late end record keeps its records, but the status line belongs to whatever has taken
    // the link over since.
    const bool naszeLacze = m.KodOperacji == 0 || operacjaArchiwum(m.KodOperacji);
    if (operacjaArchiwum(m.KodOperacji))
        m.KodOperacji = 0;
    ustawTrwa(false);
    ustawLicznik(tekst::KoniecArchiwum);
    if (naszeLacze)
        m.ustawStatus(status);
    emit zakonczone();
}

void PobieranieArchiwum::rekordy(const QByteArray& ramka)
{
    if (ramka.size() != ramka::DlugoscArchiwum)
        return;
    sprawdzOperacje();
    // While a download runs this is also the archive the option shows.
    const bool alarmy = m_alarmyPobierane;
    TabeleArchiwum& a = m.Archiwum;
    TabeleArchiwum::Rekordy& tabela = alarmy ? a.RekAla : a.RekZda;
    qint16& licznik = alarmy ? a.LicznikAla : a.LicznikZda;
    qint16& ilosc = alarmy ? a.IloscAla : a.IloscZda;

    for (int r = 0; r < RekordowWRamce; ++r) {
        const int poczatek = 2 + TabeleArchiwum::BajtowRekordu * r;
        if (Bajt(ramka[poczatek]) == KoniecRekordow) {
            zakoncz(ilosc, qint16(licznik + r),
                    alarmy ? tekst::KoniecAlarmow : tekst::KoniecZdarzen);
            return;
        }
        const int indeks = licznik + r;
        if (indeks >= TabeleArchiwum::LiczbaRekordow) {
            // The table is full: what fits is kept and the download ends here, saying why.
            licznik = TabeleArchiwum::LiczbaRekordow;
            zakoncz(ilosc, TabeleArchiwum::LiczbaRekordow,
                    alarmy ? tekst::PelnaTabelaAlarmow : tekst::PelnaTabelaZdarzen);
            return;
        }
        for (int j = 0; j < TabeleArchiwum::BajtowRekordu; ++j)
            tabela[indeks][j] = Bajt(ramka[poczatek + j]);
    }
    licznik = qint16(licznik + RekordowWRamce);
    ustawLicznik(QString::number(licznik));
}

} // namespace zr05
