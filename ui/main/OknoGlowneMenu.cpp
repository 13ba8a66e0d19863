// The main window's menus and toolbar, and how they follow the core's availability state.

#include "OknoGlowne.h"

#include <QAction>
#include <QGroupBox>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace zr05
{

namespace
{
QIcon obrazek(int numer)
{
    return QIcon(QStringLiteral(":/ikony/p%1.svg").arg(numer));
}

QMenu* nowyMenu(QMenuBar* pasek, const char* nazwa, const QString& tytul)
{
    QMenu* menu = pasek->addMenu(tytul);
    menu->setObjectName(QLatin1String(nazwa));
    menu->menuAction()->setObjectName(QLatin1String(nazwa));
    return menu;
}

void kreska(QMenu* menu, const char* nazwa)
{
    menu->addSeparator()->setObjectName(QLatin1String(nazwa));
}
} // namespace

void OknoGlowne::utworzMenu()
{
    QMenuBar* pasek = menuBar();
    pasek->setObjectName(QStringLiteral("MenuBar1"));

    auto pozycja = [this](QWidget* gdzie, const char* nazwa, const QString& tytul,
                          void (OknoGlowne::*polecenie)()) {
        auto* a = new QAction(tytul, gdzie);
        a->setObjectName(QLatin1String(nazwa));
        gdzie->addAction(a);
        connect(a, &QAction::triggered, this, polecenie);
        return a;
    };

    QMenu* konf = nowyMenu(pasek, "mnuKonf", QStringLiteral("&Konfiguracja"));
    m_akcje[int(Element::mnuKonf)] = konf->menuAction();
    m_akcje[int(Element::mnuKonfLog)] =
        pozycja(konf, "mnuKonfLog", QStringLiteral("Za&loguj się"), &OknoGlowne::zaloguj);
    m_akcje[int(Element::mnuKonfWyUZYT)] =
        pozycja(konf, "mnuKonfWyUZYT", QStringLiteral("Wyloguj &Użytkownika"),
                &OknoGlowne::wylogujUzytkownika);
    m_akcje[int(Element::mnuKonfWyINST)] =
        pozycja(konf, "mnuKonfWyINST", QStringLiteral("Wyloguj &Instalatora"),
                &OknoGlowne::wylogujInstalatora);
    kreska(konf, "mnuKonfKreska1");
    m_akcje[int(Element::mnuKonfPobierz)] =
        pozycja(konf, "mnuKonfPobierz", QStringLiteral("Pobierz &z cenralki"),
                &OknoGlowne::pobierzKonfiguracje);
    m_akcje[int(Element::mnuKonfPrzekaz)] =
        pozycja(konf, "mnuKonfPrzekaz", QStringLiteral("Przekaż do &centralki"),
                &OknoGlowne::przekazKonfiguracje);
    kreska(konf, "mnuKonfKreska2");
    m_akcje[int(Element::mnuKonfCzytaj)] =
        pozycja(konf, "mnuKonfCzytaj", QStringLiteral("&Czytaj z pliku"),
                &OknoGlowne::czytajKonfiguracjeZPliku);
    m_akcje[int(Element::mnuKonfZapisz)] =
        pozycja(konf, "mnuKonfZapisz", QStringLiteral("Z&apisz do pliku"),
                &OknoGlowne::zapiszKonfiguracjeDoPliku);
    kreska(konf, "mnuKonfKreska3");
    m_akcje[int(Element::mnuKonfDruk)] =
        pozycja(konf, "mnuKonfDruk", QStringLiteral("&Drukuj"), &OknoGlowne::drukujKonfiguracje);
    kreska(konf, "mnuKonfKreska4");
    m_akcje[int(Element::mnuKonfKoniec)] =
        pozycja(konf, "mnuKonfKoniec", QStringLiteral("K&oniec"), &OknoGlowne::zakoncz);

    // "On&Line" is a command of its own on the menu bar, not a menu.
    m_akcje[int(Element::mnuOn)] =
        pozycja(pasek, "mnuOn", QStringLiteral("On&Line"), &OknoGlowne::przelaczOnLine);

    QMenu* prog = nowyMenu(pasek, "mnuProg", QStringLiteral("&Program"));
    m_akcje[int(Element::mnuProg)] = prog->menuAction();
    pozycja(prog, "mnuProgLinie", QStringLiteral("&Linie"), &OknoGlowne::edytujLinie);
    pozycja(prog, "mnuProgWyj", QStringLiteral("&Wyjścia"), &OknoGlowne::edytujWyjscia);
    pozycja(prog, "mnuProgStrefy", QStringLiteral("&Strefy"), &OknoGlowne::edytujStrefy);
    pozycja(prog, "mnuProgKont", QStringLiteral("&Kontrola Straż."), &OknoGlowne::edytujKontrole);
    pozycja(prog, "mnuProgAuto", QStringLiteral("&Autom. Uzbrajanie"),
            &OknoGlowne::edytujAutoUzbrajanie);
    pozycja(prog, "mnuProgSys", QStringLiteral("Klawia&tury"), &OknoGlowne::edytujKlawiatury);

    QMenu* hist = nowyMenu(pasek, "mnuHist", QStringLiteral("&Historia"));
    m_akcje[int(Element::mnuHist)] = hist->menuAction();
    pozycja(hist, "mnuHistAla", QStringLiteral("&Alarmy"), &OknoGlowne::pokazArchiwumAlarmow);
    pozycja(hist, "mnuHistZda", QStringLiteral("&Zdarzenia"), &OknoGlowne::pokazArchiwumZdarzen);

    QMenu* pom = nowyMenu(pasek, "mnuPom", QStringLiteral("P&omoc"));
    m_akcje[int(Element::mnuPom)] = pom->menuAction();
    pozycja(pom, "mnuPomOPr", QStringLiteral("&O programie"), &OknoGlowne::pokazOProgramie);
}

void OknoGlowne::utworzPasekNarzedzi()
{
    static const char* const podpowiedzi[9] = {"Logowanie się (podanie kodu urzytk., nadz, instal.",
                                               "Czytanie konfiguracji z pliku",
                                               "Zapis konfiguracji do pliku",
                                               "Pobranie konfiguracji z centralki",
                                               "Wpisanie konfiguracji do centralki",
                                               "Wydruk konfiguracji na drukarce",
                                               "Włączenie/wyłączenie pracy OnLine",
                                               "Pobranie i wyświetlenie archiwum alarmów",
                                               "Pobranie i wyświetlenie archiwum zdarzeń"};

    auto* pasek = new QToolBar(QStringLiteral("Toolbar1"), this);
    pasek->setObjectName(QStringLiteral("Toolbar1"));
    pasek->setMovable(false);
    pasek->setFloatable(false);
    pasek->setIconSize(QSize(32, 32));
    pasek->toggleViewAction()->setEnabled(false);
    addToolBar(Qt::TopToolBarArea, pasek);

    for (int n = 1; n <= 9; ++n) {
        auto* a = new QAction(obrazek(n), QString(), pasek);
        a->setObjectName(QStringLiteral("Przycisk%1").arg(n));
        a->setToolTip(QString::fromUtf8(podpowiedzi[n - 1]));
        pasek->addAction(a);
        connect(a, &QAction::triggered, this, [this, n] { wykonajPrzyciskPaska(n); });
        m_akcje[int(przycisk(n))] = a;
        // Two gaps group the buttons: file and panel transfers, print, the live view.
        if (n == 5 || n == 6)
            pasek->addSeparator();
    }
}

void OknoGlowne::pokazDostepnosc(Element e, bool dostepny)
{
    if (QAction* a = akcja(e))
        a->setEnabled(dostepny);
}

void OknoGlowne::pokazOnLine(bool wlaczony)
{
    for (QGroupBox* ramka : m_ramkiOnLine)
        ramka->setVisible(wlaczony);
    // Picture 10 while the view is on, 7 while it is off, whichever command switched it.
    akcja(przycisk(7))->setIcon(obrazek(wlaczony ? 10 : 7));
    akcja(przycisk(7))->setProperty("obrazek", wlaczony ? 10 : 7);
}

} // namespace zr05
