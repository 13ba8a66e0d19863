// The main window's commands: each makes its own access check first, then acts.

#include "Drukarka.h"
#include "OknoGlowne.h"

#include "Klepsydra.h"
#include "Komunikaty.h"
#include "OknaPomocnicze.h"
#include "OknoOProgramie.h"
#include "PortSzeregowy.h"
#include "Sprawdzenia.h"
#include "access/OknoKodu.h"
#include "access/OknoPostepu.h"
#include "access/PrzerwaniePrzesylania.h"
#include "archive/OknoArchiwum.h"
#include "config/OknoPliku.h"
#include "editors/EdytorAutoUzbrajania.h"
#include "editors/EdytorKlawiatur.h"
#include "editors/EdytorKontroli.h"
#include "editors/EdytorLinii.h"
#include "editors/EdytorStref.h"
#include "editors/EdytorWyjsc.h"
#include "link/Lacze.h"
#include "print/OknoWydrukuKonfiguracji.h"

#include <QApplication>
#include <QCloseEvent>

namespace zr05
{

namespace
{
// Shows the refusal, if any; true when the command may go on.
bool dozwolone(QWidget* okno, const std::optional<QString>& odmowa)
{
    if (!odmowa)
        return true;
    Komunikaty::info(okno, *odmowa);
    return false;
}
} // namespace

void OknoGlowne::zaloguj()
{
    if (!dozwolone(this, sprawdzPolaczenie(m)))
        return;
    if (!potwierdzPrzerwaniePrzesylania(m_przesylanie, this))
        return;
    if (!m_oknoKodu) {
        Klepsydra klepsydra;
        m_oknoKodu = new OknoKodu(m_logowanie, m_przesylanie, this);
        czyscStatusPoZamknieciu(m_oknoKodu, m);
        urzadzOknoPomocnicze(m_oknoKodu);
    }
    m_oknoKodu->show();
    m_oknoKodu->raise();
    m_oknoKodu->activateWindow();
    m.ustawStatus(m.zalogowanyUzytkownik() ? tekst::LogowanieInstalatora
                                           : tekst::LogowanieUzytkownika);
}

void OknoGlowne::wylogujUzytkownika()
{
    m_logowanie.wylogujUzytkownika();
}

void OknoGlowne::wylogujInstalatora()
{
    m_logowanie.wylogujInstalatora();
}

void OknoGlowne::pokazPostep()
{
    // A window left open by an abandoned transfer serves the next one.
    if (!m_oknoPostepu) {
        Klepsydra klepsydra;
        m_oknoPostepu = new OknoPostepu(m_przesylanie, this);
        czyscStatusPoZamknieciu(m_oknoPostepu, m);
    }
    m_oknoPostepu->show();
    m_oknoPostepu->raise();
}

void OknoGlowne::pobierzKonfiguracje()
{
    if (!dozwolone(this, sprawdzInstalatora(m)))
        return;
    if (!potwierdzPrzerwaniePrzesylania(m_przesylanie, this))
        return;
    m_przesylanie.pobierz();
    pokazPostep();
}

void OknoGlowne::przekazKonfiguracje()
{
    if (!dozwolone(this, sprawdzInstalatora(m)))
        return;
    if (!Komunikaty::pytanie(this, tekst::PytaniePrzesylanie))
        return;
    if (!potwierdzPrzerwaniePrzesylania(m_przesylanie, this))
        return;
    m_przesylanie.przekaz();
    pokazPostep();
}

void OknoGlowne::czytajKonfiguracjeZPliku()
{
    Klepsydra klepsydra;
    pokazOknoPliku(m, TrybPliku::Czytaj, this, &m_przesylanie);
}

void OknoGlowne::zapiszKonfiguracjeDoPliku()
{
    Klepsydra klepsydra;
    pokazOknoPliku(m, TrybPliku::Zapisz, this, &m_przesylanie);
}

void OknoGlowne::drukujKonfiguracje()
{
    Klepsydra klepsydra;
    pokazOknoWydrukuKonfiguracji(m, this);
}

bool OknoGlowne::moznaZakonczyc()
{
    if (m_konczenie)
        return false;
    // A printout cannot be taken back half-painted: the program goes when it is done.
    if (Drukarka::wToku() > 0 && !Komunikaty::pytanie(this, tekst::PytanieKoniecPodczasDrukowania))
        return false;
    // A transfer cut short leaves the panel half-programmed or without its end frame: the
    // user decides, and on OK the port is closed before the program goes.
    if (!m_przesylanie.zgoda(Przesylanie::Zamiar::Koniec,
                             [this](const QString& q) { return Komunikaty::pytanie(this, q); }))
        return false;
    if (Drukarka::wToku() > 0) {
        // The line is still served meanwhile, so the panel does not see the PC go silent.
        m_konczenie = true;
        m.ustawStatus(tekst::StatusKoncaDrukowania);
        Drukarka::zaczekaj();
        m_konczenie = false;
    }
    m_lacze.ustawUjscie({});
    m_port->zamknij();
    return true;
}

void OknoGlowne::zakoncz()
{
    if (moznaZakonczyc())
        QCoreApplication::quit();
}

void OknoGlowne::closeEvent(QCloseEvent* e)
{
    if (!moznaZakonczyc()) {
        e->ignore();
        return;
    }
    QMainWindow::closeEvent(e);
}

void OknoGlowne::przelaczOnLine()
{
    m.ustawOnLine(!m.onLine());
}

bool OknoGlowne::bramkaEdytorow()
{
    return dozwolone(this, sprawdzKonfiguracje(m));
}

void OknoGlowne::edytujLinie()
{
    if (!bramkaEdytorow())
        return;
    Klepsydra klepsydra;
    pokazEdytorLinii(m, this);
}

void OknoGlowne::edytujWyjscia()
{
    if (!bramkaEdytorow())
        return;
    Klepsydra klepsydra;
    pokazEdytorWyjsc(m, this);
}

void OknoGlowne::edytujStrefy()
{
    if (!bramkaEdytorow())
        return;
    Klepsydra klepsydra;
    pokazEdytorStref(m, this);
}

void OknoGlowne::edytujKontrole()
{
    if (!bramkaEdytorow())
        return;
    Klepsydra klepsydra;
    pokazEdytorKontroli(m, this);
}

void OknoGlowne::edytujAutoUzbrajanie()
{
    if (!bramkaEdytorow())
        return;
    Klepsydra klepsydra;
    pokazEdytorAutoUzbrajania(m, this);
}

void OknoGlowne::edytujKlawiatury()
{
    if (!bramkaEdytorow())
        return;
    Klepsydra klepsydra;
    pokazEdytorKlawiatur(m, this);
}

void OknoGlowne::pokazArchiwumAlarmow()
{
    m.ustawStatus(tekst::HistoriaAlarmow);
    if (!dozwolone(this, sprawdzUzytkownika(m)))
        return;
    Klepsydra klepsydra;
    pokazOknoArchiwum(m, m_pobieranieArchiwum, m_przesylanie, true, this);
}

void OknoGlowne::pokazArchiwumZdarzen()
{
    m.ustawStatus(tekst::HistoriaZdarzen);
    if (!dozwolone(this, sprawdzUzytkownika(m)))
        return;
    Klepsydra klepsydra;
    pokazOknoArchiwum(m, m_pobieranieArchiwum, m_przesylanie, false, this);
}

void OknoGlowne::pokazOProgramie()
{
    // One About window at a time; a second request brings it forward.
    if (!m_oknoOProgramie) {
        Klepsydra klepsydra;
        m_oknoOProgramie = new OknoOProgramie(this);
    }
    m_oknoOProgramie->show();
    m_oknoOProgramie->raise();
    m_oknoOProgramie->activateWindow();
}

void OknoGlowne::wykonajPrzyciskPaska(int numer)
{
    switch (numer) {
    case 1:
        zaloguj();
        break;
    case 2:
        czytajKonfiguracjeZPliku();
        break;
    case 3:
        zapiszKonfiguracjeDoPliku();
        break;
    case 4:
        pobierzKonfiguracje();
        break;
    case 5:
        przekazKonfiguracje();
        break;
    case 6:
        drukujKonfiguracje();
        break;
    case 7:
        przelaczOnLine();
        break;
    case 8:
        pokazArchiwumAlarmow();
        break;
    case 9:
        pokazArchiwumZdarzen();
        break;
    default:
        break;
    }
}

} // namespace zr05
