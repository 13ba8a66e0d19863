#include "Logowanie.h"
#include "link/Lacze.h"

namespace zr05
{

Logowanie::Logowanie(Module1& modul, Lacze& lacze, QObject* parent) : QObject(parent), m(modul)
{
    connect(&lacze, &Lacze::odpowiedzKodu, this, &Logowanie::odpowiedzKodu);
    connect(&lacze, &Lacze::daneOdczytu, this, &Logowanie::daneOdczytu);
}

Logowanie::OcenaKodu Logowanie::spakujKod(const QString& kod, std::array<Bajt, 4>& spakowany)
{
    spakowany = {0xFF, 0xFF, 0xFF, 0xFF};
    if (kod.size() < 4 || kod.size() > 8) {
        spakowany = {};
        return OcenaKodu::ZlaDlugosc;
    }
    for (int i = 0; i < int(kod.size()); ++i) {
        const QChar c = kod[i];
        if (c < u'0' || c > u'9') {
            spakowany = {};
            return OcenaKodu::ZlyZnak;
        }
        const Bajt cyfra = Bajt(c.unicode() - u'0');
        Bajt& b = spakowany[i / 2];
        b = i % 2 == 0 ? Bajt((cyfra << 4) | (b & 0x0F)) : Bajt((b & 0xF0) | cyfra);
    }
    return OcenaKodu::Dobry;
}

void Logowanie::oknoOtwarte()
{
    zapomnijKod(); // the code operation, if any, is replaced
    m.KodOperacji = 41;
    komunikatNaOtwarcie();
}

void Logowanie::oknoZamkniete()
{
    zapomnijKod();
    if (m.KodOperacji == 40)
        m.KodOperacji = 0;
    komunikatNaOtwarcie();
}

void Logowanie::komunikatNaOtwarcie()
{
    // A former attempt's message belongs to that attempt; only a block still holds.
    ustawKomunikat(m.BlokadaDostepu == 1 ? tekst::BlokadaDostepu : QString());
}

void Logowanie::zapomnijKod()
{
    m.KodWprowadzony = {};
}

void Logowanie::ustawKomunikat(const QString& t)
{
    if (m_komunikat == t)
        return;
    m_komunikat = t;
    emit komunikatZmieniony(t);
}

void Logowanie::zatwierdzKod(const QString& kod)
{
    ustawKomunikat(QString());
    switch (spakujKod(kod, m.KodWprowadzony)) {
    case OcenaKodu::ZlaDlugosc:
        ustawKomunikat(tekst::ZlaDlugoscKodu);
        emit wyczyscKod();
        return;
    case OcenaKodu::ZlyZnak:
        ustawKomunikat(tekst::ZlyZnakKodu);
        emit wyczyscKod();
        return;
    case OcenaKodu::Dobry:
        break;
    }
    // Sent at every request slot until the panel answers or the window closes.
    m.KodOperacji = 40;
}

void Logowanie::odpowiedzKodu(Bajt dostepny)
{
    // An answer that arrives after the code operation was replaced belongs to nobody.
    if (m.KodOperacji != 40)
        return;
    zapomnijKod();

    if (m.BlokadaDostepu == 1) {
        emit wyczyscKod();
        if (dostepny == dostep::Odblokowanie) {
            m.BlokadaDostepu = 0;
            m.ProbyKodu = 0;
            m.KodOperacji = 44;
            ustawKomunikat(QString());
        } else {
            ustawKomunikat(tekst::BlokadaDostepu);
            m.KodOperacji = 0;
        }
        return;
    }

    if (dostepny < dostep::Uzytkownik) {
        ustawKomunikat(tekst::NiepoprawnyKod);
        emit wyczyscKod();
        ++m.ProbyKodu;
        if (m.ProbyKodu < 3) {
            m.KodOperacji = 0;
        } else {
            m.KodOperacji = 42;
            m.BlokadaDostepu = 1;
            ustawKomunikat(tekst::BlokadaDostepu);
        }
        return;
    }

    if (dostepny == dostep::Uzytkownik || dostepny == dostep::Nadzorca) {
        m.ustawCheck1(0, true);
        for (Element e : {Element::mnuOn, Element::mnuHist, Element::mnuKonfWyUZYT,
                          Element::Przycisk8, Element::Przycisk9})
            m.ustawDostepny(e, true);
        if (dostepny == dostep::Nadzorca)
            m.ustawDostepny(Element::Przycisk7, true);
    }
    if (m.zalogowanyUzytkownik() && dostepny == dostep::Instalator) {
        m.ustawCheck1(1, true);
        for (Element e : {Element::mnuKonfPobierz, Element::mnuKonfWyINST, Element::Przycisk4})
            m.ustawDostepny(e, true);
    }
    m.KodOperacji = 0;
    m.ProbyKodu = 0;
    emit zamknijOkno();
}

void Logowanie::daneOdczytu(int kod, const QByteArray& dane)
{
    if (kod == 41) {
        if (dane.size() >= 2 && (dane[0] != 0 || dane[1] != 0)) {
            m.BlokadaDostepu = 1;
            ustawKomunikat(tekst::BlokadaDostepu);
        }
    } else if (kod == 42 && dane.size() >= 5) {
        m.Obraz.CzasBlokady = Bajt(dane[4]);
    }
}

void Logowanie::wylogujUzytkownika()
{
    for (Element e : {Element::mnuOn, Element::mnuHist, Element::mnuKonfWyUZYT, Element::Przycisk7,
                      Element::Przycisk8, Element::Przycisk9})
        m.ustawDostepny(e, false);
    m.ustawCheck1(0, false);
    m.ustawOnLine(false);
}

void Logowanie::wylogujInstalatora()
{
    for (Element e : {Element::mnuKonfWyINST, Element::mnuKonfPobierz, Element::mnuKonfPrzekaz,
                      Element::Przycisk4, Element::Przycisk5})
        m.ustawDostepny(e, false);
    m.ustawCheck1(1, false);
}

} // namespace zr05
