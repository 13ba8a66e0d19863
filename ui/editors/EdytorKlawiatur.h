#pragma once

#include <QList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QListWidget;
class QRadioButton;

namespace zr05
{

class Module1;

// The keypad and system editor: the devices present (shown only), the keypad buzzers, the
// function keys, how codes are shown while typed, and the code entry and lock times.
class EdytorKlawiatur : public QWidget
{
    Q_OBJECT
public:
    EdytorKlawiatur(Module1& m, QWidget* parent = nullptr);
    Module1& modul() const { return m; }

private:
    // Fills the window from the image, at opening and when a configuration is loaded.
    void wypelnij();
    void zapiszZmiany();
    void ZapiszSystem();

    Module1& m;
    QListWidget* m_klawiatury;
    QListWidget* m_podcentrale;
    QList<QCheckBox*> m_buzzery;
    QList<QCheckBox*> m_funkcje;
    QRadioButton* m_kodyJawne;
    QRadioButton* m_kodyTajne;
    QComboBox* m_czasKodu;
    QComboBox* m_czasBlokady;
};

// Entry point, called by the main window's "&Program" menu after its gate has let it through:
// shows the window (not modal) and sets the status.
void pokazEdytorKlawiatur(Module1& m, QWidget* rodzic);

} // namespace zr05
