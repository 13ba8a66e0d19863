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
    void wypelnij();
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
    NazwyLiniiTablica m_nazwy;      // working copy of the dictionary, item i of Combo2
    NazwyLiniiTablica m_nazwyPrzed; // the dictionary as the window found it

    QComboBox* Combo1;
    QComboBox* Combo2;
    std::array<QComboBox*, 2> Combo3;
    QComboBox* Combo4;
    QComboBox* Combo5;
    QComboBox* Combo6;
    QComboBox* Combo7;
    QComboBox* Combo8;
    QComboBox* Combo9;
    QComboBox* Combo10;
    QComboBox* Combo11;
    QComboBox* Combo12;
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QGroupBox* Frame3;
    QGroupBox* Frame4;
    QListWidget* List1;
    QListWidget* List2;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    DwieListy* m_listy;
};

// Entry point, called by the main window's "&Program" menu after its gate has let it through:
// shows the window (not modal) and sets the status.
void pokazEdytorLinii(Module1& m, QWidget* rodzic);

} // namespace zr05
