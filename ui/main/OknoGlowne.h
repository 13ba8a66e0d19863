#pragma once
// The main window: port choice, menus, toolbar, status bar and the on-line view. It shows
// the program state held by Module1 and forwards the user's commands; the link engine
// gets the serial bytes and the one-second tick from here.

#include "Elementy.h"
#include "Module1.h"
#include "access/Logowanie.h"
#include "access/Przesylanie.h"
#include "archive/PobieranieArchiwum.h"
#include "link/Lampki.h"
#include "link/ZdarzeniaCentrali.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>

class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace zr05
{

namespace tekst
{
inline const QString StatusDrukowania = QStringLiteral("Drukowanie.");
inline const QString StatusLaczenia = QStringLiteral("Łączenie z serwerem portu %1.");
inline const QString StatusKoncaDrukowania =
    QStringLiteral("Oczekiwanie na zakończenie drukowania.");
inline const QString PytanieKoniecPodczasDrukowania =
    QStringLiteral("Trwa drukowanie. Program zostanie zakończony, gdy drukowanie się "
                   "skończy.\nCzy zakończyć program?");
} // namespace tekst

class OknoOProgramie;
class OknoPostepu;
class OknoKodu;
class Lacze;
class PortSzeregowy;
class WidokMonitora;

class OknoGlowne : public QMainWindow
{
    Q_OBJECT
public:
    OknoGlowne(Module1& m, Lacze& lacze, QWidget* parent = nullptr);
    ~OknoGlowne() override;

    // The menu item or toolbar button whose availability the core keeps.
    QAction* akcja(Element e) const { return m_akcje[int(e)]; }
    PortSzeregowy& port() { return *m_port; }
    Logowanie& logowanie() { return m_logowanie; }
    Przesylanie& przesylanie() { return m_przesylanie; }
    // The archive download; it stores records whether or not its window is open.
    PobieranieArchiwum& pobieranieArchiwum() { return m_pobieranieArchiwum; }
    QString tekstStatusu() const;
    // The monitoring state shown in the on-line frames.
    ZdarzeniaCentrali& zdarzenia() { return m_zdarzenia; }
    LampkiStanu& lampki() { return m_lampki; }
    WidokMonitora& monitor() { return *m_monitor; }

public slots:
    // Menu "&Konfiguracja"
    void zaloguj();
    void wylogujUzytkownika();
    void wylogujInstalatora();
    void pobierzKonfiguracje();
    void przekazKonfiguracje();
    void czytajKonfiguracjeZPliku();
    void zapiszKonfiguracjeDoPliku();
    void drukujKonfiguracje();
    void zakoncz();
    // "On&Line"
    void przelaczOnLine();
    // Menu "&Program": the editors
    void edytujLinie();
    void edytujWyjscia();
    void edytujStrefy();
    void edytujKontrole();
    void edytujAutoUzbrajanie();
    void edytujKlawiatury();
    // Menu "&Historia"
    void pokazArchiwumAlarmow();
    void pokazArchiwumZdarzen();
    // Menu "P&omoc"
    void pokazOProgramie();
    // Toolbar button 1..9: the command of its menu item; other numbers do nothing.
    void wykonajPrzyciskPaska(int numer);
    // Port choice confirmed.
    void potwierdzPort();

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void utworzMenu();
    void utworzPasekNarzedzi();
    void utworzRamkePortu();
    void utworzUklad();
    void polaczZRdzeniem();

    bool bramkaEdytorow();
    void pokazPostep();
    // Asks when a transfer would be cut short or a printout is under way; on OK waits for the
    // printouts and closes the port.
    bool moznaZakonczyc();
    void pokazDostepnosc(Element e, bool dostepny);
    void pokazZegar();
    void pokazZalogowanie();
    void pokazOnLine(bool wlaczony);
    void odswiezPodpowiedzPortu(int numer);
    void portUtracony(const QString& komunikat);
    // Gives up a server still being connected to, and its status text.
    void przestanLaczyc();
    void zakonczWyborPortu(bool otwarty);

    Module1& m;
    Lacze& m_lacze;
    PortSzeregowy* m_port;
    QTimer* m_taktSekundowy;

    std::array<QAction*, int(Element::Liczba)> m_akcje{};
    QLabel* m_status = nullptr;
    QGroupBox* m_ramkaPortu = nullptr;
    QButtonGroup* m_wyborPortu = nullptr;
    std::array<QRadioButton*, 5> m_opcjePortu{};
    QWidget* m_obrazStartowy = nullptr;
    QGroupBox* m_ramkaZalogowania = nullptr;
    std::array<QCheckBox*, 2> m_zalogowani{};
    std::array<QGroupBox*, 5> m_ramkiOnLine{}; // Frame1, Frame2, Frame4, Frame5, Frame6
    std::array<QLineEdit*, 6> m_polaZegara{};
    QPointer<OknoOProgramie> m_oknoOProgramie;
    QPointer<OknoKodu> m_oknoKodu;
    QPointer<OknoPostepu> m_oknoPostepu;
    Logowanie m_logowanie;
    Przesylanie m_przesylanie;
    PobieranieArchiwum m_pobieranieArchiwum;
    ZdarzeniaCentrali m_zdarzenia;
    LampkiStanu m_lampki;
    WidokMonitora* m_monitor = nullptr;
    QString m_statusPrzedDrukiem;
    QString m_statusLaczenia; // shown while a server is being connected to
    QString m_statusPrzedLaczeniem;
    bool m_konczenie = false; // waiting for printouts before the program ends
};

} // namespace zr05
