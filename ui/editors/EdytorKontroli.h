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
    void wypiszKontrole();
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
    QComboBox* m_wyborKontroli;
    QPushButton* m_przyciskDodaj;
    QPushButton* m_przyciskUsun;
    QGroupBox* m_ramkaCzasu;
    QComboBox* m_godzina;
    QComboBox* m_minuta;
    QComboBox* m_tolerancja;
    QGroupBox* m_ramkaWykonujacych;
    QComboBox* m_klawiatura;
    QListWidget* m_wybraniStraznicy;
    QListWidget* m_pozostaliStraznicy;
    QPushButton* m_przyciskDoLewej;
    QPushButton* m_przyciskDoPrawej;
    QPushButton* m_przyciskZapisz;
    DwieListy* m_straznicy = nullptr;
};

// Entry point, called by the main window's "&Program" menu after its gate has let it through:
// shows the window (not modal) and sets the status.
void pokazEdytorKontroli(Module1& m, QWidget* rodzic);

} // namespace zr05
