#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QListWidget;
class QPushButton;

namespace zr05
{

class DwieListy;
class Module1;

// The guard control editor: pick a defined control by number, add or delete one, and save
// the shown one (its time, tolerance, keypad and guards) into the image.
class EdytorKontroli : public QWidget
{
    Q_OBJECT
public:
    EdytorKontroli(Module1& m, QWidget* parent = nullptr);
    Module1& modul() const { return m; }

private:
    void zbuduj();
    void NowyNrKon();
    void DispListeStraz();
    void ZapiszKontrole();
    void dodajNowaKontrole();
    void zapiszZmiany();
    void usunWybranaKontrole();
    void pokazRamki(bool tak);
    void wybierz(int indeks);
    QList<int> wymienione() const;

    Module1& m;
    int N = 0;      // the control shown; 0 while none is chosen
    int liczba = 0; // controls listed in the selector
    QComboBox* Combo1;
    QPushButton* Command1;
    QPushButton* Command5;
    QGroupBox* Frame1;
    QComboBox* Combo2;
    QComboBox* Combo3;
    QComboBox* Combo4;
    QGroupBox* Frame2;
    QComboBox* Combo5;
    QListWidget* List1;
    QListWidget* List2;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    DwieListy* m_straznicy = nullptr;
};

// Entry point, called by the main window's "&Program" menu after its gate has let it through:
// shows the window (not modal) and sets the status.
void pokazEdytorKontroli(Module1& m, QWidget* rodzic);

} // namespace zr05
