#pragma once

#include "editors/ParametryLinii.h"
#include "tables/NazwyLinii.h"

#include <QWidget>
#include <array>

class QComboBox;
class QGroupBox;
class QListWidget;
class QPushButton;

namespace zr05
{

class DwieListy;
class Module1;

// The detection line editor: one line at a time, written into the image only on a confirmed
// save; the atypical names go back into the dictionary when the window closes.
class EdytorLinii : public QWidget
{
    Q_OBJECT
public:
    EdytorLinii(Module1& m, QWidget* parent = nullptr);
    Module1& modul() const { return m; }
    int numerLinii() const { return m_n; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void zbuduj();
    // Fills the boxes from the image and shows the line; a configuration loaded while the
    // window is open does the same on the line shown, and the window's unsaved names go.
    void wypelnij(int linia = 1);
    void oddajNazwy();
    void NowyNumerLinii();
    void NowyTypLinii();
    void DispOpo();
    void DispWar();
    void DispListe();
    void ZapiszLinie();
    void dodajNazwe();
    void usunNazwe();
    void zapiszZmiany();
    ParametryLinii zBoksow() const;

    Module1& m;
    int m_n = 1;
    NazwyLiniiTablica m_nazwy;      // working copy of the dictionary, item i of m_poleNazwy
    NazwyLiniiTablica m_nazwyPrzed; // the dictionary as the window found it

    QComboBox* m_wyborLinii;
    QComboBox* m_poleNazwy;
    std::array<QComboBox*, 2> m_wartosci;
    QComboBox* m_strefa;
    QComboBox* m_rodzaj;
    QComboBox* m_czulosc;
    QComboBox* m_liczbaAlarmow;
    QComboBox* m_typ;
    QComboBox* m_opoznienieWejscia;
    QComboBox* m_opoznienieWyjscia;
    QComboBox* m_warunekWejscia;
    QComboBox* m_warunekWyjscia;
    QGroupBox* m_ramkaCzasow;
    QGroupBox* m_ramkaOpoznien;
    QGroupBox* m_ramkaWarunku;
    QGroupBox* m_ramkaSzyfrowania;
    QListWidget* m_szyfrowane;
    QListWidget* m_pozostaleLinie;
    QPushButton* m_przyciskDoLewej;
    QPushButton* m_przyciskDodajNazwe;
    QPushButton* m_przyciskUsunNazwe;
    QPushButton* m_przyciskDoPrawej;
    QPushButton* m_przyciskZapisz;
    DwieListy* m_listy;
};

// Entry point, called by the main window's "&Program" menu after its gate has let it through:
// shows the window (not modal) and sets the status.
void pokazEdytorLinii(Module1& m, QWidget* rodzic);

} // namespace zr05
