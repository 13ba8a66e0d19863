#pragma once

#include "editors/ParametryWyjsc.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace zr05
{

class DwieListy;
class Module1;

// The output editor: one OC or Pk output at a time, its times, contact or reset mode and the
// events that raise an alarm on it. The image changes only on a confirmed save.
class EdytorWyjsc : public QWidget
{
    Q_OBJECT
public:
    EdytorWyjsc(Module1& m, QWidget* parent = nullptr);
    Module1& modul() const { return m; }

private:
    void zbuduj();
    void NowyOCPk();
    void ZapiszWyj();
    void zapiszZmiany();
    QString tekstZdarzenia(int e) const;

    Module1& m;
    std::optional<WybraneWyjscie> m_wyjscie;
    QComboBox* m_wyborWyjscia;
    QGroupBox* m_ramkaOC;
    QComboBox* m_kontakt;
    QComboBox* m_opoznienieOC;
    QGroupBox* m_ramkaPk;
    QComboBox* m_kasowanie;
    QLabel* m_napisCzasuAlarmu;
    QComboBox* m_czasAlarmu;
    QComboBox* m_opoznieniePk;
    QListWidget* m_przypisaneZdarzenia;
    QListWidget* m_pozostaleZdarzenia;
    QPushButton* m_przyciskDoLewej;
    QPushButton* m_przyciskDoPrawej;
    QPushButton* m_przyciskZapisz;
    DwieListy* m_zdarzenia = nullptr;
};

// Entry point, called by the main window's "&Program" menu after its gate has let it through:
// shows the window (not modal) and sets the status.
void pokazEdytorWyjsc(Module1& m, QWidget* rodzic);

} // namespace zr05
