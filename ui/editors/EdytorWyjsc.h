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
    QComboBox* Combo1;
    QGroupBox* Frame1;
    QComboBox* Combo2;
    QComboBox* Combo3;
    QGroupBox* Frame2;
    QComboBox* Combo4;
    QLabel* Label4;
    QComboBox* Combo5;
    QComboBox* Combo6;
    QListWidget* List1;
    QListWidget* List2;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    DwieListy* m_zdarzenia = nullptr;
};

// Entry point, called by the main window's "&Program" menu after its gate has let it through:
// shows the window (not modal) and sets the status.
void pokazEdytorWyjsc(Module1& m, QWidget* rodzic);

} // namespace zr05
