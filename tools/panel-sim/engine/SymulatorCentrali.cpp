#include "SymulatorCentrali.h"
#include "DemoInstalacja.h"
#include "config/MapaPamieci.h"
#include "link/Ramka.h"

#include <algorithm>

namespace zr05
{

using namespace ramka;

namespace
{

constexpr std::int64_t Ms = 1000;
// Between the end of one cycle and the next poll the line rests at least this long.
constexpr std::int64_t PrzerwaPrzedPollem = 10 * Ms;

QByteArray ramkaZ(std::initializer_list<Bajt> bajty, const QByteArray& dane = {})
{
    QByteArray b;
    for (Bajt x : bajty)
        b.append(char(x));
    return zSuma(b + dane);
}

QString nazwaTransferu(Bajt kod)
{
    switch (kod) {
    case Odczyt:
        return QStringLiteral("read");
    case Zapis:
        return QStringLiteral("write");
    case ArchStart:
    case ArchDalej:
        return QStringLiteral("archive");
    case ramka::Kod:
        return QStringLiteral("code");
    default:
        return QStringLiteral("end");
    }
}

QString poziomDostepu(Bajt dostep)
{
    switch (dostep) {
    case KodyDostepu::Uzytkownik:
        return QStringLiteral("user");
    case KodyDostepu::Nadzorca:
        return QStringLiteral("supervisor");
    case KodyDostepu::Instalator:
        return QStringLiteral("installer");
    case KodyDostepu::Odblokowanie:
        return QStringLiteral("unblock");
    default:
        return QStringLiteral("wrong");
    }
}

} // namespace

SymulatorCentrali::SymulatorCentrali(const UstawieniaSymulatora& u)
    : m_u(u), m_scenariusz(u.ziarno), m_usterki(u.usterki), m_los(u.ziarno * 31 + 7)
{
    if (!m_u.zegar.isValid())
        m_u.zegar = QDateTime(QDate(2024, 5, 13), QTime(8, 0), Qt::UTC);
    wpiszKonfiguracje(u.konfiguracja ? *u.konfiguracja : demo::instalacja());
    Losowanie losArchiwum(u.ziarno * 17 + 3);
    m_archiwum.generuj(m_u.zegar, m_u.dniArchiwum, m_pamiec.konfiguracja(), losArchiwum);
}

void SymulatorCentrali::wpiszKonfiguracje(const Konfiguracja& k)
{
    m_pamiec.wpiszKonfiguracje(k);
    m_scenariusz.ustawInstalacje(m_pamiec.konfiguracja(),
                                 m_pamiec.czytaj(adres::NazwyUzytkownika, 256));
}

QDateTime SymulatorCentrali::zegar(std::int64_t terazUs) const
{
    return m_u.zegar.addMSecs(terazUs / Ms);
}

void SymulatorCentrali::log(const QString& tekst)
{
    if (m_dziennik)
        m_dziennik(tekst);
}

std::vector<BajtNaLinii> SymulatorCentrali::pobierzWyjscie()
{
    std::vector<BajtNaLinii> w;
    w.swap(m_wyjscie);
    return w;
}

void SymulatorCentrali::sladuj(bool doCentrali, const QByteArray& bajty, LosBajtow los,
                               std::int64_t czas)
{
    if (!m_slad)
        return;
    zamknijPozaRamka();
    m_slad({czas, doCentrali, bajty, los});
}

void SymulatorCentrali::sladujPozaRamka(Bajt b, std::int64_t teraz)
{
    if (!m_slad)
        return;
    if (m_pozaRamka.isEmpty())
        m_czasPozaRamka = teraz;
    m_pozaRamka.append(char(b));
}

void SymulatorCentrali::zamknijPozaRamka()
{
    if (m_pozaRamka.isEmpty())
        return;
    const QByteArray b = m_pozaRamka;
    m_pozaRamka.clear();
    m_slad({m_czasPozaRamka, true, b, LosBajtow::PozaRamka});
}

void SymulatorCentrali::wyslij(const QByteArray& ramka, RodzajNadania rodzaj, std::int64_t teraz)
{
    const QByteArray naLinii = m_usterki.przepusc(ramka, rodzaj);
    sladuj(false, ramka, LosBajtow::Wyslane, teraz);
    if (naLinii != ramka)
        sladuj(false, naLinii, LosBajtow::ZmienioneNaLinii, teraz);
    std::int64_t t = std::max(teraz, m_liniaWolna);
    for (char c : naLinii) {
        t += m_u.czasBajtuUs;
        m_wyjscie.push_back({t, Bajt(c)});
    }
    m_liniaWolna = t;
}

void SymulatorCentrali::zamilknij(std::int64_t odUs, int ms)
{
    doCzasu(odUs);
    m_faza = Faza::Cisza;
    m_koniecCiszy = odUs + std::int64_t(std::max(ms, 0)) * Ms;
    m_odb.clear();
    m_doWyslania.clear();
    log(QStringLiteral("silent for %1 ms").arg(ms));
}

std::int64_t SymulatorCentrali::nastepneZdarzenie() const
{
    std::int64_t t = Nigdy;
    switch (m_faza) {
    case Faza::Cisza:
        t = m_koniecCiszy;
        break;
    case Faza::Przerwa:
        t = m_nastepnyPoll;
        break;
    case Faza::CzekaNaOdpowiedz:
    case Faza::CzekaNaZadanie:
        t = m_termin;
        break;
    }
    if (m_onLine && m_faza != Faza::Cisza) {
        t = std::min(t, m_nastepnyKrok);
        const qint64 teraz = m_u.zegar.toMSecsSinceEpoch() + m_teraz / Ms;
        const qint64 nastepnaMinuta = (teraz / 60000 + 1) * 60000;
        t = std::min<std::int64_t>(t, (nastepnaMinuta - m_u.zegar.toMSecsSinceEpoch()) * Ms);
    }
    return std::min(t, m_koniecBlokady);
}

void SymulatorCentrali::doCzasu(std::int64_t teraz)
{
    m_teraz = std::max(m_teraz, teraz);
    teraz = m_teraz;
    if (teraz >= m_koniecBlokady) {
        m_koniecBlokady = Nigdy;
        m_pamiec.ustawBajt(adres::Blokada, 0);
        m_pamiec.ustawBajt(adres::Blokada + 1, 0);
        log(QStringLiteral("access block ran out"));
    }
    for (bool dalej = true; dalej;) {
        dalej = false;
        switch (m_faza) {
        case Faza::Cisza:
            if (teraz >= m_koniecCiszy) {
                m_faza = Faza::Przerwa;
                m_nastepnyPoll = m_koniecCiszy;
                log(QStringLiteral("talking again"));
                dalej = true;
            }
            break;
        case Faza::Przerwa:
            if (teraz >= m_nastepnyPoll) {
                wyslijPoll(teraz);
                dalej = true;
            }
            break;
        case Faza::CzekaNaOdpowiedz:
        case Faza::CzekaNaZadanie:
            if (teraz >= m_termin) {
                if (m_faza == Faza::CzekaNaOdpowiedz) {
                    ++m_liczniki.brakOdpowiedzi;
                    if (m_przyBrakuOdpowiedzi)
                        m_przyBrakuOdpowiedzi();
                } else {
                    ++m_liczniki.brakZadania;
                }
                if (!m_odb.isEmpty()) {
                    ++m_liczniki.porzucone;
                    sladuj(true, m_odb, LosBajtow::PorzuconaPoPrzerwie, m_ostatniOdb);
                }
                m_odb.clear();
                koniecCyklu(teraz);
                dalej = true;
            }
            break;
        }
    }
    if (!m_onLine || m_faza == Faza::Cisza)
        return;
    const qint64 minuta = (m_u.zegar.toMSecsSinceEpoch() + teraz / Ms) / 60000;
    if (minuta != m_ostatniaMinuta) {
        m_ostatniaMinuta = minuta;
        m_doWyslania.push_back(ScenariuszOnLine::ramkaZegara(zegar(teraz)));
    }
    if (teraz >= m_nastepnyKrok) {
        for (auto& r : m_scenariusz.krok(zegar(teraz), m_archiwum))
            m_doWyslania.push_back(r);
        m_nastepnyKrok =
            teraz +
            std::int64_t(m_los.zakres(m_u.krokScenariuszaOdMs,
                                      std::max(m_u.krokScenariuszaOdMs, m_u.krokScenariuszaDoMs))) *
                Ms;
    }
    if (m_faza == Faza::Przerwa)
        wyslijOnLine(teraz);
}

void SymulatorCentrali::wyslijPoll(std::int64_t teraz)
{
    ++m_liczniki.polle;
    m_poczatekPolla = teraz;
    wyslij(ramkaZ({Start7, Poll}), RodzajNadania::Poll, teraz);
    m_koniecPolla = m_liniaWolna;
    m_faza = Faza::CzekaNaOdpowiedz;
    m_termin = m_koniecPolla + m_u.czasNaOdpowiedzMs * Ms;
    m_odb.clear();
    m_pierwszyBajtOdpowiedzi = false;
}

void SymulatorCentrali::koniecCyklu(std::int64_t teraz)
{
    m_faza = Faza::Przerwa;
    wyslijOnLine(teraz);
    m_nastepnyPoll = std::max(
        {m_poczatekPolla + m_u.okresPollMs * Ms, teraz, m_liniaWolna + PrzerwaPrzedPollem});
}

void SymulatorCentrali::wyslijOnLine(std::int64_t teraz)
{
    if (!m_onLine)
        return;
    for (const auto& r : m_doWyslania) {
        wyslij(r, Bajt(r[0]) == StartZdarz ? RodzajNadania::Zdarzenie : RodzajNadania::Stan, teraz);
        ++m_liczniki.ramkiOnLine;
    }
    m_doWyslania.clear();
    // Whatever comes next waits for these frames and a short rest.
    m_nastepnyPoll = std::max(m_nastepnyPoll, m_liniaWolna + PrzerwaPrzedPollem);
}

int SymulatorCentrali::dlugoscZadania(Bajt kod) const
{
    switch (kod) {
    case Odczyt:
    case ramka::Kod:
    case ArchStart:
        return 7;
    case Zapis:
        return DlugoscZapisu;
    case ArchDalej:
    case KoniecProg:
        return 3;
    default:
        return 0;
    }
}

void SymulatorCentrali::odbierz(Bajt b, std::int64_t teraz)
{
    doCzasu(teraz);
    teraz = m_teraz;
    const BajtOdPc naLinii = m_usterki.przepuscOdPc(b, m_odb.isEmpty() && b == Start7);
    if (!naLinii.smieci.isEmpty() || naLinii.zgubiony || naLinii.bajt != b) {
        QByteArray dotarlo = naLinii.smieci;
        if (!naLinii.zgubiony)
            dotarlo.append(char(naLinii.bajt));
        sladuj(true, QByteArray(1, char(b)), LosBajtow::Wyslane, teraz);
        sladuj(true, dotarlo, LosBajtow::ZmienioneNaLinii, teraz);
    }
    for (char c : naLinii.smieci)
        odbierzZLinii(Bajt(c), teraz);
    if (!naLinii.zgubiony)
        odbierzZLinii(naLinii.bajt, teraz);
}

void SymulatorCentrali::odbierzZLinii(Bajt b, std::int64_t teraz)
{
    if (m_faza == Faza::Cisza)
        return;
    if (m_faza == Faza::Przerwa) {
        ++m_liczniki.zbedne;
        sladujPozaRamka(b, teraz);
        return;
    }
    if (!m_odb.isEmpty() && teraz - m_ostatniOdb > m_u.przerwaWRamceMs * Ms) {
        ++m_liczniki.porzucone;
        sladuj(true, m_odb, LosBajtow::PorzuconaPoPrzerwie, m_ostatniOdb);
        m_odb.clear();
    }
    m_ostatniOdb = teraz;
    if (m_odb.isEmpty()) {
        if (b != Start7) {
            ++m_liczniki.zbedne;
            sladujPozaRamka(b, teraz);
            return;
        }
        if (m_faza == Faza::CzekaNaOdpowiedz && !m_pierwszyBajtOdpowiedzi) {
            m_pierwszyBajtOdpowiedzi = true;
            m_pomiary.opoznienieOdpowiedzi(std::max<std::int64_t>(0, teraz - m_koniecPolla));
        }
    }
    m_odb.append(char(b));
    // A frame that is still arriving is waited for.
    m_termin = std::max(m_termin, teraz + m_u.przerwaWRamceMs * Ms);
    if (m_odb.size() == 2) {
        m_dlugoscOdb = m_faza == Faza::CzekaNaOdpowiedz ? 3 : dlugoscZadania(b);
        if (m_dlugoscOdb == 0) {
            ++m_liczniki.nieznane;
            log(QStringLiteral("unknown request code 0x%1 dropped").arg(b, 2, 16, QChar('0')));
            sladuj(true, m_odb, LosBajtow::Nieoczekiwana, teraz);
            m_odb.clear();
            return;
        }
    }
    if (m_odb.size() >= 2 && m_odb.size() == m_dlugoscOdb) {
        const QByteArray r = m_odb;
        m_odb.clear();
        ramkaOdPc(r, teraz);
    }
}

void SymulatorCentrali::ramkaOdPc(const QByteArray& r, std::int64_t teraz)
{
    if (sumaKontrolna(r) != 0) {
        ++m_liczniki.zlaSuma;
        sladuj(true, r, LosBajtow::ZlaSuma, teraz);
        return; // as if nothing had come: the wait goes on to its end
    }
    sladuj(true, r, LosBajtow::Przyjeta, teraz);
    if (m_faza == Faza::CzekaNaOdpowiedz)
        odpowiedzNaPoll(Bajt(r[1]), teraz);
    else
        zadanie(r, teraz);
}

void SymulatorCentrali::odpowiedzNaPoll(Bajt kod, std::int64_t teraz)
{
    ++m_liczniki.odpowiedzi;
    const bool onLine = kod & BitOnLine;
    if (onLine && !m_onLine) {
        onLineWlaczony(teraz);
    } else if (!onLine && m_onLine) {
        m_onLine = false;
        m_doWyslania.clear();
        log(QStringLiteral("on-line view off"));
    }
    if (!(kod & BitOperacji)) {
        zakonczTransfer(teraz);
        koniecCyklu(teraz);
        return;
    }
    if (m_poczatekTransferu < 0) {
        m_poczatekTransferu = m_poczatekPolla;
        m_rodzajTransferu.clear();
    }
    ++m_liczniki.sloty;
    wyslij(ramkaZ({Start7, Slot}), RodzajNadania::Slot, teraz);
    m_faza = Faza::CzekaNaZadanie;
    m_termin = m_liniaWolna + m_u.czasNaOdpowiedzMs * Ms;
}

void SymulatorCentrali::zakonczTransfer(std::int64_t teraz)
{
    if (m_poczatekTransferu < 0)
        return;
    if (!m_rodzajTransferu.isEmpty()) {
        const auto czas = std::max(teraz, m_liniaWolna) - m_poczatekTransferu;
        m_pomiary.transfer(m_rodzajTransferu, czas);
        log(QStringLiteral("%1 transfer took %2 ms").arg(m_rodzajTransferu).arg(czas / Ms));
    }
    m_poczatekTransferu = -1;
}

void SymulatorCentrali::zadanie(const QByteArray& r, std::int64_t teraz)
{
    const Bajt kod = Bajt(r[1]);
    if (m_rodzajTransferu.isEmpty())
        m_rodzajTransferu = nazwaTransferu(kod);
    switch (kod) {
    case Odczyt:
        odczyt(r, teraz);
        break;
    case Zapis:
        zapis(r);
        break;
    case ramka::Kod:
        this->kod(r, teraz);
        break;
    case ArchStart:
    case ArchDalej:
        archiwumZadanie(r, teraz);
        break;
    case KoniecProg:
        koniecProgramowania();
        break;
    }
    koniecCyklu(teraz);
}

void SymulatorCentrali::odczyt(const QByteArray& r, std::int64_t teraz)
{
    const int dlugosc = Bajt(r[2]) | Bajt(r[3]) << 8;
    const int adr = Bajt(r[4]) | Bajt(r[5]) << 8;
    if (dlugosc == 0 || dlugosc > NajdluzszyOdczyt) {
        ++m_liczniki.odrzucone;
        log(QStringLiteral("read of %1 bytes at 0x%2 refused")
                .arg(dlugosc)
                .arg(adr, 4, 16, QChar('0')));
        return;
    }
    bool obcieto = false;
    const QByteArray dane = m_pamiec.czytaj(adr, dlugosc, &obcieto);
    if (obcieto) {
        ++m_liczniki.obciete;
        log(QStringLiteral("read at 0x%1 runs past 0xFFFF; the rest reads as 0")
                .arg(adr, 4, 16, QChar('0')));
    }
    ++m_liczniki.odczyty;
    wyslij(ramkaZ({Start7, DaneOdczytu}, dane), RodzajNadania::Odpowiedz, teraz);
}

void SymulatorCentrali::zapis(const QByteArray& r)
{
    const int adr = Bajt(r[2]) | Bajt(r[3]) << 8;
    int dlugosc = Bajt(r[4]);
    if (dlugosc > ObszarZapisu) {
        dlugosc = ObszarZapisu;
        ++m_liczniki.obciete;
    }
    const int zapisane = m_pamiec.zapisz(adr, r.mid(5, dlugosc));
    if (zapisane < dlugosc) {
        ++m_liczniki.obciete;
        log(QStringLiteral("write at 0x%1 runs past 0xFFFF; %2 of %3 bytes stored")
                .arg(adr, 4, 16, QChar('0'))
                .arg(zapisane)
                .arg(dlugosc));
    }
    ++m_liczniki.zapisy;
    if (adr <= adres::Blokada && adr + zapisane > adres::Blokada) {
        const Bajt flaga = m_pamiec.bajt(adres::Blokada);
        const Bajt minuty = m_pamiec.bajt(adres::Blokada + 1);
        if (flaga == 0) {
            m_koniecBlokady = Nigdy;
            log(QStringLiteral("access block lifted"));
        } else {
            m_koniecBlokady = minuty == 0 ? Nigdy : m_teraz + std::int64_t(minuty) * 60000 * Ms;
            log(QStringLiteral("access blocked for %1 min").arg(minuty));
        }
    }
}

void SymulatorCentrali::kod(const QByteArray& r, std::int64_t teraz)
{
    ++m_liczniki.kody;
    if (m_pominieteKody < m_u.pomijaneKody) {
        ++m_pominieteKody;
        log(QStringLiteral("code left unanswered"));
        return;
    }
    const bool zablokowany = m_pamiec.bajt(adres::Blokada) != 0;
    const Bajt dostep = m_u.kody.dostep(rozpakujKod(r.mid(2, 4)), zablokowany);
    log(QStringLiteral("code taken as %1%2")
            .arg(poziomDostepu(dostep), zablokowany ? " (blocked)" : ""));
    wyslij(ramkaZ({Start7, OdpKodu, 0, dostep}), RodzajNadania::Odpowiedz, teraz);
}

void SymulatorCentrali::archiwumZadanie(const QByteArray& r, std::int64_t teraz)
{
    ++m_liczniki.archiwum;
    QByteArray rekordy;
    if (Bajt(r[1]) == ArchStart) {
        log(QStringLiteral("%1 archive from %2-%3-%4")
                .arg(Bajt(r[2]) == ArchiwumCentrali::Alarmy ? "alarm" : "event")
                .arg(Bajt(r[5]), 2, 10, QChar('0'))
                .arg(Bajt(r[4]), 2, 10, QChar('0'))
                .arg(Bajt(r[3]), 2, 10, QChar('0')));
        rekordy = m_archiwum.start(Bajt(r[2]), Bajt(r[3]), Bajt(r[4]), Bajt(r[5]));
    } else {
        rekordy = m_archiwum.dalej();
    }
    wyslij(ramkaZ({Start7, Archiwum}, rekordy), RodzajNadania::Odpowiedz, teraz);
}

void SymulatorCentrali::koniecProgramowania()
{
    ++m_liczniki.koniecProgramowania;
    log(QStringLiteral("end of programming: new configuration accepted"));
    m_scenariusz.ustawInstalacje(m_pamiec.konfiguracja(),
                                 m_pamiec.czytaj(adres::NazwyUzytkownika, 256));
    if (m_onLine) {
        m_doWyslania.push_back(ScenariuszOnLine::komunikat({38, 0}));
        m_doWyslania.push_back(ScenariuszOnLine::komunikat({73, m_scenariusz.stanSystemu()}));
    }
}

void SymulatorCentrali::onLineWlaczony(std::int64_t teraz)
{
    m_onLine = true;
    log(QStringLiteral("on-line view on"));
    for (auto& r : m_scenariusz.obraz(zegar(teraz)))
        m_doWyslania.push_back(r);
    m_ostatniaMinuta = (m_u.zegar.toMSecsSinceEpoch() + teraz / Ms) / 60000;
    m_nastepnyKrok =
        teraz +
        std::int64_t(m_los.zakres(m_u.krokScenariuszaOdMs,
                                  std::max(m_u.krokScenariuszaOdMs, m_u.krokScenariuszaDoMs))) *
            Ms;
}

} // namespace zr05
