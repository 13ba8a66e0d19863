#include "Przesylanie.h"
#include "Sprawdzenia.h"
#include "access/CzesciKonfiguracji.h"
#include "config/MapaPamieci.h"
#include "link/Lacze.h"

namespace zr05
{

namespace
{
constexpr int KoniecProgramowania = 101;
constexpr int RozmiarPamieci = 0x4000; // every configuration block lies below

bool odczytKonfiguracji(int kod)
{
    return kod >= PierwszyKrokPobierania && kod <= OstatniKrokPobierania;
}
bool zapisKonfiguracji(int kod)
{
    return kod >= PierwszyKrokPrzesylania && kod <= OstatniKrokPrzesylania;
}
bool nachodza(const BlokPamieci& a, const BlokPamieci& b)
{
    return a.adres < b.adres + b.dlugosc && b.adres < a.adres + a.dlugosc;
}
QList<int> wszystkieZapisy()
{
    QList<int> kroki;
    for (int k = PierwszyKrokPrzesylania; k <= OstatniKrokPrzesylania; ++k)
        kroki << k;
    return kroki;
}
// The reads that cover these writes, in download order.
QList<int> odczytyDla(const QList<int>& zapisy)
{
    QList<int> odczyty;
    for (int r = PierwszyKrokPobierania; r <= OstatniKrokPobierania; ++r)
        for (int z : zapisy)
            if (nachodza(*blokOdczytu(r), *blokZapisu(z))) {
                odczyty << r;
                break;
            }
    return odczyty;
}
} // namespace

Przesylanie::Przesylanie(Module1& modul, Lacze& lacze, QObject* parent)
    : QObject(parent), m(modul), m_lacze(lacze), m_odczytane(RozmiarPamieci, '\0')
{
    connect(&lacze, &Lacze::daneOdczytu, this, &Przesylanie::daneOdczytu);
    connect(&lacze, &Lacze::zadanieWyslane, this, &Przesylanie::zadanieWyslane);
    connect(&lacze, &Lacze::sekunda, this, &Przesylanie::sekunda);
    connect(&lacze, &Lacze::przedOdpowiedzia, this, &Przesylanie::przedOdpowiedzia);
    // The writes carry the snapshot taken when the upload started, whatever the image
    // holds by the time each one goes out.
    lacze.ustawDaneZapisu([this](int kod) {
        if (zapisKonfiguracji(kod) && !m_doZapisu[kod - PierwszyKrokPrzesylania].isEmpty())
            return m_doZapisu[kod - PierwszyKrokPrzesylania];
        return daneKrokuPrzesylania(m.Obraz, kod);
    });
}

Przesylanie::~Przesylanie()
{
    m_lacze.ustawDaneZapisu({});
}

std::optional<QString> Przesylanie::zacznij(Etap etap, Bajt pierwszyKrok, const QString& status,
                                            const QString& etykieta)
{
    if (auto odmowa = sprawdzInstalatora(m))
        return odmowa;
    m_etap = etap;
    m_zgodne.nowyOdczyt();
    m.KodWprowadzony = {}; // kept only while the code operation is current
    m.KodOperacji = pierwszyKrok;
    ustawEtykiete(etykieta);
    ustawPostep(0);
    m.ustawStatus(status);
    return std::nullopt;
}

std::optional<QString> Przesylanie::pobierz()
{
    auto odmowa = zacznij(Etap::Pobieranie, PierwszyKrokPobierania, tekst::StatusPobierania,
                          tekst::EtykietaPobierania);
    if (!odmowa)
        m_pobierany = m.Obraz;
    return odmowa;
}

void Przesylanie::migawka()
{
    for (int krok = PierwszyKrokPrzesylania; krok <= OstatniKrokPrzesylania; ++krok)
        m_doZapisu[krok - PierwszyKrokPrzesylania] = daneKrokuPrzesylania(m.Obraz, krok);
    // This upload sends its own end frame; one still owed by an earlier upload is replaced.
    m.OdliczanieKonca = 0;
    m_koniecZalegly = false;
    m_potwierdzone.clear();
    m_runda = 0;
    m_odczytane = QByteArray(RozmiarPamieci, '\0');
    m_etap = Etap::Zapis;
}

std::optional<QString> Przesylanie::przekaz()
{
    if (auto odmowa = sprawdzInstalatora(m))
        return odmowa;
    migawka();
    return zacznij(Etap::Zapis, PierwszyKrokPrzesylania, tekst::StatusPrzesylania,
                   tekst::EtykietaPrzesylania);
}

Przesylanie::Etap Przesylanie::etap() const
{
    // The operation code says what runs; the stage tells a download read from a read-back
    // and a write from a rewrite.
    if (odczytKonfiguracji(m.KodOperacji))
        return m_etap == Etap::Sprawdzanie ? Etap::Sprawdzanie : Etap::Pobieranie;
    if (zapisKonfiguracji(m.KodOperacji))
        return m_etap == Etap::Poprawianie ? Etap::Poprawianie : Etap::Zapis;
    return Etap::Brak;
}

bool Przesylanie::przesylanieTrwa() const
{
    const Etap e = etap();
    return e == Etap::Zapis || e == Etap::Sprawdzanie || e == Etap::Poprawianie;
}

std::optional<QString> Przesylanie::pytanie(Zamiar z) const
{
    if (przesylanieTrwa()) {
        switch (z) {
        case Zamiar::Polecenie:
        case Zamiar::Koniec:
            return tekst::PytaniePrzerwanie;
        case Zamiar::CzytaniePliku:
        case Zamiar::ZapisPliku:
            return tekst::PytaniePlikPodczasPrzesylania;
        }
    }
    if (etap() == Etap::Pobieranie) {
        switch (z) {
        case Zamiar::Polecenie:
            // Nothing is lost: the image stays as it was until a download is complete.
            return std::nullopt;
        case Zamiar::ZapisPliku:
            return tekst::PytanieZapisPodczasPobierania;
        case Zamiar::CzytaniePliku:
            return tekst::PytanieCzytaniePodczasPobierania;
        case Zamiar::Koniec:
            return tekst::PytaniePrzerwaniePobierania;
        }
    }
    // An owed end frame is held back while other operations run, so only ending the
    // program loses it.
    if (z == Zamiar::Koniec && koniecZalegly())
        return tekst::PytanieBezKoncaProgramowania;
    return std::nullopt;
}

bool Przesylanie::zgoda(Zamiar z, const std::function<bool(const QString&)>& zapytaj)
{
    const auto q = pytanie(z);
    if (!q)
        return true;
    if (!zapytaj(*q))
        return false;
    if (z == Zamiar::Koniec)
        porzuc(true);
    else if (z == Zamiar::CzytaniePliku && etap() == Etap::Pobieranie)
        porzuc(false);
    return true;
}

void Przesylanie::porzuc(bool zKoncemProgramowania)
{
    if (etap() != Etap::Brak)
        m.KodOperacji = 0;
    m_etap = Etap::Brak;
    if (zKoncemProgramowania) {
        m.OdliczanieKonca = 0;
        m_koniecZalegly = false;
        if (m.KodOperacji == KoniecProgramowania)
            m.KodOperacji = 0;
    }
}

void Przesylanie::ustawPostep(double p)
{
    m_postep = p;
    emit postepZmieniony(p);
}

void Przesylanie::ustawEtykiete(const QString& t)
{
    if (m_etykieta == t)
        return;
    m_etykieta = t;
    emit etykietaZmieniona(t);
}

void Przesylanie::nieUdaloSie(const QString& komunikat)
{
    if (etap() != Etap::Brak)
        m.KodOperacji = 0;
    m_etap = Etap::Brak;
    emit zakonczone();
    emit niepowodzenie(komunikat);
}

void Przesylanie::daneOdczytu(int kod, const QByteArray& dane)
{
    if (!odczytKonfiguracji(kod))
        return;
    if (m_etap == Etap::Sprawdzanie) {
        odczytSprawdzania(kod, dane);
        return;
    }
    if (m_etap != Etap::Pobieranie) { // a download set up without the command
        m_etap = Etap::Pobieranie;
        m_pobierany = m.Obraz;
        m_zgodne.nowyOdczyt();
    }
    odczytPobierania(kod, dane);
}

void Przesylanie::odczytPobierania(int kod, const QByteArray& dane)
{
    const auto zgodne = m_zgodne.odpowiedz(dane);
    if (!zgodne) {
        if (m_zgodne.wyczerpane())
            nieUdaloSie(tekst::PobieranieZaklocone);
        return; // the same read goes out again at the next slot
    }
    zapiszKrokPobierania(m_pobierany, kod, *zgodne);
    ustawPostep(kod * 100.0 / 32);
    if (kod < OstatniKrokPobierania) {
        m.KodOperacji = Bajt(kod + 1);
        return;
    }
    m.KodOperacji = 0;
    m_etap = Etap::Brak;
    m.Obraz = m_pobierany;
    m.PlikObrazu.clear(); // what is held now comes from the panel, not from a file
    emit zakonczone();
    m.WpisKonfig();
}

void Przesylanie::zacznijSprawdzanie(const QList<int>& odczyty)
{
    m_etap = Etap::Sprawdzanie;
    m_odczyty = odczyty;
    m_wszystkichOdczytow = int(odczyty.size());
    m_zgodne.nowyOdczyt();
    ustawEtykiete(tekst::EtykietaSprawdzania);
    ustawPostep(0);
    m.KodOperacji = Bajt(m_odczyty.front());
}

bool Przesylanie::jakZapisane(const BlokPamieci& odczyt, const QByteArray& dane) const
{
    for (int k = PierwszyKrokPrzesylania; k <= OstatniKrokPrzesylania; ++k) {
        const BlokPamieci zapis = *blokZapisu(k);
        if (!nachodza(odczyt, zapis))
            continue;
        const QByteArray& wyslane = m_doZapisu[k - PierwszyKrokPrzesylania];
        const int od = std::max(odczyt.adres, zapis.adres);
        const int do_ = std::min(odczyt.adres + odczyt.dlugosc, zapis.adres + zapis.dlugosc);
        if (dane.mid(od - odczyt.adres, do_ - od) != wyslane.mid(od - zapis.adres, do_ - od))
            return false;
    }
    return true;
}

void Przesylanie::odczytSprawdzania(int kod, const QByteArray& dane)
{
    const BlokPamieci blok = *blokOdczytu(kod);
    // An answer equal to what was written agrees with an independent copy already; an answer
    // that differs counts only when a second one says the same.
    std::optional<QByteArray> zgodne;
    if (jakZapisane(blok, dane)) {
        zgodne = dane;
        m_zgodne.nowyOdczyt();
    } else {
        zgodne = m_zgodne.odpowiedz(dane);
    }
    if (!zgodne) {
        if (m_zgodne.wyczerpane()) {
            QList<int> niepewne = wszystkieZapisy();
            niepewne.removeIf([this](int k) { return m_potwierdzone.contains(k); });
            nieUdaloSie(tekst::PrzesylanieNiepotwierdzone.arg(listaCzesci(niepewne)));
        }
        return;
    }
    m_odczytane.replace(blok.adres, zgodne->size(), *zgodne);
    m_odczyty.removeOne(kod);
    ustawPostep((m_wszystkichOdczytow - m_odczyty.size()) * 100.0 / m_wszystkichOdczytow);
    if (!m_odczyty.isEmpty())
        m.KodOperacji = Bajt(m_odczyty.front());
    else
        porownaj();
}

void Przesylanie::porownaj()
{
    // Every block, confirmed ones too: what was read again also shows what a stray write
    // may have spoiled.
    QList<int> rozne;
    for (int k = PierwszyKrokPrzesylania; k <= OstatniKrokPrzesylania; ++k) {
        const BlokPamieci blok = *blokZapisu(k);
        if (m_odczytane.mid(blok.adres, blok.dlugosc) == m_doZapisu[k - PierwszyKrokPrzesylania]) {
            m_potwierdzone.insert(k);
        } else {
            m_potwierdzone.remove(k);
            rozne << k;
        }
    }
    if (rozne.isEmpty()) {
        // Everything is in place: the end frame follows two ticks later, as after the writes.
        m_etap = Etap::Brak;
        m.KodOperacji = 0;
        m.OdliczanieKonca = 3;
        return;
    }
    if (m_runda >= LimitPoprawek) {
        nieUdaloSie(tekst::PrzesylanieNiepotwierdzone.arg(listaCzesci(rozne)));
        return;
    }
    ++m_runda;
    // Writes are not acknowledged; on a line that lost one, sending it three times costs far less
    // than another read-back.
    m_poprawki.clear();
    for (int k : rozne)
        m_poprawki << k << k << k;
    m_przepisane = rozne;
    m_etap = Etap::Poprawianie;
    ustawEtykiete(tekst::EtykietaPoprawiania);
    ustawPostep(0);
    m.KodOperacji = Bajt(m_poprawki.front());
}

void Przesylanie::zadanieWyslane(int kod)
{
    if (kod == KoniecProgramowania) {
        m.KodOperacji = 0;
        m_koniecZalegly = false;
        emit zakonczone();
        return;
    }
    if (!zapisKonfiguracji(kod))
        return;
    if (m_etap != Etap::Zapis && m_etap != Etap::Poprawianie)
        migawka(); // an upload set up without the command: this write came from the image
    if (m_etap == Etap::Zapis) {
        if (kod != 95)
            ustawPostep((kod - 60) * 100.0 / 41);
        if (kod < OstatniKrokPrzesylania)
            m.KodOperacji = Bajt(kod + 1);
        else
            zacznijSprawdzanie(odczytyDla(wszystkieZapisy()));
    } else if (m_etap == Etap::Poprawianie && !m_poprawki.isEmpty() && m_poprawki.front() == kod) {
        m_poprawki.removeFirst();
        const int wszystkie = 3 * int(m_przepisane.size());
        ustawPostep((wszystkie - m_poprawki.size()) * 100.0 / wszystkie);
        if (!m_poprawki.isEmpty())
            m.KodOperacji = Bajt(m_poprawki.front());
        else
            zacznijSprawdzanie(odczytyDla(m_przepisane));
    }
}

void Przesylanie::sekunda()
{
    if (m.OdliczanieKonca > 0) {
        --m.OdliczanieKonca;
        if (m.OdliczanieKonca == 1) {
            m.OdliczanieKonca = 0;
            m_koniecZalegly = true;
        }
    }
    przedOdpowiedzia();
}

void Przesylanie::przedOdpowiedzia()
{
    // The end frame waits for whatever other operation the user started meanwhile.
    if (m_koniecZalegly && m.KodOperacji == 0)
        m.KodOperacji = KoniecProgramowania;
}

} // namespace zr05
