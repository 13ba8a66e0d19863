#pragma once

#include <QWidget>

class QComboBox;
class QListWidget;
class QPushButton;

namespace zr05
{

class DwieListy;
class Module1;

// The zone editor: the zones each zone depends on, chosen from the zones numbered below it.
class EdytorStref : public QWidget
{
    Q_OBJECT
public:
    EdytorStref(Module1& m, QWidget* parent = nullptr);
    Module1& modul() const { return m; }
    int wybranaStrefa() const { return Z; }

private:
    void NowyNumerStrefy();
    void DispListeStref();
    void zapiszZmiany();

    Module1& m;
    int Z = 1;
    QComboBox* m_wyborStrefy;
    QListWidget* m_zalezne;
    QListWidget* m_niezalezne;
    DwieListy* m_listy;
};

// Entry point, called by the main window's "&Program" menu after its gate has let it through:
// shows the window (not modal) and sets the status.
void pokazEdytorStref(Module1& m, QWidget* rodzic);

} // namespace zr05
