// The main window's commands: each makes its own access check first, then acts.

#include "Form1.h"

#include "Form13.h"
#include "Klepsydra.h"
#include "Komunikaty.h"
#include "OknaPomocnicze.h"
#include "Sprawdzenia.h"
#include "access/Form2.h"
#include "access/Form3.h"
#include "access/PrzerwaniePrzesylania.h"
#include "archive/OknoArchiwum.h"
#include "config/OknoPliku.h"
#include "editors/OknaEdytorow.h"
#include "print/OknoWydrukuKonfiguracji.h"

#include <QApplication>

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

void Form1::mnuKonfLog_Click()
{
    if (!dozwolone(this, sprawdzPolaczenie(m)))
        return;
    if (!potwierdzPrzerwaniePrzesylania(m_przesylanie, this))
        return;
    if (!m_form3) {
        Klepsydra klepsydra;
        m_form3 = new Form3(m_logowanie, m_przesylanie, this);
        czyscStatusPoZamknieciu(m_form3, m);
    }
    m_form3->show();
    m_form3->raise();
    m_form3->activateWindow();
    m.ustawStatus(m.zalogowanyUzytkownik() ? tekst::LogowanieInstalatora
                                           : tekst::LogowanieUzytkownika);
}

void Form1::mnuKonfWyUZYT_Click()
{
    m_logowanie.wylogujUzytkownika();
}

void Form1::mnuKonfWyINST_Click()
{
    m_logowanie.wylogujInstalatora();
}

void Form1::pokazPostep(const QString& etykieta)
{
    // A window left open by an abandoned transfer serves the next one.
    if (!m_form2) {
        Klepsydra klepsydra;
        m_form2 = new Form2(m_przesylanie, this);
        czyscStatusPoZamknieciu(m_form2, m);
    }
    m_form2->ustawEtykiete(etykieta);
    m_form2->show();
    m_form2->raise();
}

void Form1::mnuKonfPobierz_Click()
{
    if (!dozwolone(this, sprawdzInstalatora(m)))
        return;
    if (!potwierdzPrzerwaniePrzesylania(m_przesylanie, this))
        return;
    m_przesylanie.pobierz();
    pokazPostep(tekst::EtykietaPobierania);
}

void Form1::mnuKonfPrzekaz_Click()
{
    if (!dozwolone(this, sprawdzInstalatora(m)))
        return;
    if (!Komunikaty::pytanie(this, tekst::PytaniePrzesylanie))
        return;
    if (!potwierdzPrzerwaniePrzesylania(m_przesylanie, this))
        return;
    m_przesylanie.przekaz();
    pokazPostep(tekst::EtykietaPrzesylania);
}

void Form1::mnuKonfCzytaj_Click()
{
    Klepsydra klepsydra;
    pokazOknoPliku(m, TrybPliku::Czytaj, this);
}

void Form1::mnuKonfZapisz_Click()
{
    Klepsydra klepsydra;
    pokazOknoPliku(m, TrybPliku::Zapisz, this);
}

void Form1::mnuKonfDruk_Click()
{
    Klepsydra klepsydra;
    pokazOknoWydrukuKonfiguracji(m, this);
}

void Form1::mnuKonfKoniec_Click()
{
    // At once, without questions; the port is closed as the window goes.
    QCoreApplication::quit();
}

void Form1::mnuOn_Click()
{
    m.ustawOnLine(!m.onLine());
}

bool Form1::bramkaEdytorow()
{
    return dozwolone(this, sprawdzKonfiguracje(m));
}

void Form1::mnuProgLinie_Click()
{
    if (!bramkaEdytorow())
        return;
    Klepsydra klepsydra;
    pokazEdytorLinii(m, this);
}

void Form1::mnuProgWyj_Click()
{
    if (!bramkaEdytorow())
        return;
    Klepsydra klepsydra;
    pokazEdytorWyjsc(m, this);
}

void Form1::mnuProgStrefy_Click()
{
    if (!bramkaEdytorow())
        return;
    Klepsydra klepsydra;
    pokazEdytorStref(m, this);
}

void Form1::mnuProgKont_Click()
{
    if (!bramkaEdytorow())
        return;
    Klepsydra klepsydra;
    pokazEdytorKontroli(m, this);
}

void Form1::mnuProgAuto_Click()
{
    if (!bramkaEdytorow())
        return;
    Klepsydra klepsydra;
    pokazEdytorAutoUzbrajania(m, this);
}

void Form1::mnuProgSys_Click()
{
    if (!bramkaEdytorow())
        return;
    Klepsydra klepsydra;
    pokazEdytorKlawiatur(m, this);
}

void Form1::mnuHistAla_Click()
{
    m.ustawStatus(tekst::HistoriaAlarmow);
    if (!dozwolone(this, sprawdzUzytkownika(m)))
        return;
    Klepsydra klepsydra;
    pokazOknoArchiwum(m, m_pobieranieArchiwum, m_przesylanie, true, this);
}

void Form1::mnuHistZda_Click()
{
    m.ustawStatus(tekst::HistoriaZdarzen);
    if (!dozwolone(this, sprawdzUzytkownika(m)))
        return;
    Klepsydra klepsydra;
    pokazOknoArchiwum(m, m_pobieranieArchiwum, m_przesylanie, false, this);
}

void Form1::mnuPomOPr_Click()
{
    // One About window at a time; a second request brings it forward.
    if (!m_form13) {
        Klepsydra klepsydra;
        m_form13 = new Form13(this);
    }
    m_form13->show();
    m_form13->raise();
    m_form13->activateWindow();
}

void Form1::Toolbar1_ButtonClick(int numer)
{
    switch (numer) {
    case 1:
        mnuKonfLog_Click();
        break;
    case 2:
        mnuKonfCzytaj_Click();
        break;
    case 3:
        mnuKonfZapisz_Click();
        break;
    case 4:
        mnuKonfPobierz_Click();
        break;
    case 5:
        mnuKonfPrzekaz_Click();
        break;
    case 6:
        mnuKonfDruk_Click();
        break;
    case 7:
        mnuOn_Click();
        break;
    case 8:
        mnuHistAla_Click();
        break;
    case 9:
        mnuHistZda_Click();
        break;
    default:
        break;
    }
}

} // namespace zr05
