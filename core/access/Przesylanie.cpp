#include "Przesylanie.h"
#include "Sprawdzenia.h"
#include "config/MapaPamieci.h"
#include "link/Lacze.h"

namespace zr05
{

Przesylanie::Przesylanie(Module1& modul, Lacze& lacze, QObject* parent) : QObject(parent), m(modul)
{
    connect(&lacze, &Lacze::daneOdczytu, this, &Przesylanie::daneOdczytu);
    connect(&lacze, &Lacze::zadanieWyslane, this, &Przesylanie::zadanieWyslane);
}

std::optional<QString> Przesylanie::zacznij(Bajt pierwszyKrok, const QString& status)
{
    if (auto odmowa = sprawdzInstalatora(m))
        return odmowa;
    m.KodOperacji = pierwszyKrok;
    // A new transfer replaces whatever was running, a pending end frame included.
    m.OdliczanieKonca = 0;
    ustawPostep(0);
    m.ustawStatus(status);
    return std::nullopt;
}

std::optional<QString> Przesylanie::pobierz()
{
    return zacznij(PierwszyKrokPobierania, tekst::StatusPobierania);
}

std::optional<QString> Przesylanie::przekaz()
{
    return zacznij(PierwszyKrokPrzesylania, tekst::StatusPrzesylania);
}

bool Przesylanie::przesylanieTrwa() const
{
    return (m.KodOperacji >= PierwszyKrokPrzesylania && m.KodOperacji <= 101) ||
           m.OdliczanieKonca > 0;
}

void Przesylanie::ustawPostep(double p)
{
    m_postep = p;
    emit postepZmieniony(p);
}

void Przesylanie::daneOdczytu(int kod, const QByteArray& dane)
{
    if (kod < PierwszyKrokPobierania || kod > OstatniKrokPobierania)
        return;
    zapiszKrokPobierania(m.Obraz, kod, dane);
    ustawPostep(kod * 100.0 / 32);
    if (kod == OstatniKrokPobierania) {
        m.KodOperacji = 0;
        m.PlikObrazu.clear();
        emit zakonczone();
        m.WpisKonfig();
    }
}

void Przesylanie::zadanieWyslane(int kod)
{
    if (kod >= PierwszyKrokPrzesylania && kod <= OstatniKrokPrzesylania) {
        if (kod != 95)
            ustawPostep((kod - 60) * 100.0 / 41);
    } else if (kod == 101) {
        emit zakonczone();
    }
}

} // namespace zr05
