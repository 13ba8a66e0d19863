#pragma once

#include <QWidget>

class QComboBox;
class QListWidget;

namespace zr05
{

class DwieListy;
class Module1;

// The automatic arming editor: the time of day, the silent alarm time and the zones armed.
class EdytorAutoUzbrajania : public QWidget
{
    Q_OBJECT
public:
    EdytorAutoUzbrajania(Module1& m, QWidget* parent = nullptr);
    Module1& modul() const { return m; }

private:
    // A configuration loaded while the window is open replaces what it shows.
    void wczytajPonownie();
    void DispListeStref();
    void zapiszZmiany();
    void ZapiszAuto();

    Module1& m;
    QComboBox* m_godzina;
    QComboBox* m_minuta;
    QComboBox* m_cichyAlarm;
    QListWidget* m_uzbrajane;
    QListWidget* m_pozostale;
    DwieListy* m_listy;
};

// Entry point, called by the main window's "&Program" menu after its gate has let it through:
// shows the window (not modal) and sets the status.
void pokazEdytorAutoUzbrajania(Module1& m, QWidget* rodzic);

} // namespace zr05
