#pragma once

#include "print/WydrukKonfiguracji.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QPushButton;

namespace zr05
{

class Module1;

// The configuration printout window: pick the sections, then print them or give up. Either
// button closes the window.
class OknoWydrukuKonfiguracji : public QWidget
{
    Q_OBJECT
public:
    OknoWydrukuKonfiguracji(Module1& m, QWidget* parent = nullptr);

    Module1& modul() const { return m; }
    // The sections whose boxes are checked.
    WyborSekcji wybraneSekcje() const;

private:
    void drukujIZamknij();
    void DrukujKonfiguracje();

    Module1& m;
    std::array<QCheckBox*, LiczbaSekcji> m_sekcje{};
    QPushButton* m_przyciskOk;
    QPushButton* m_przyciskAnuluj;
};

// Entry point of the window, called by "&Drukuj" and toolbar button 6.
void pokazOknoWydrukuKonfiguracji(Module1& m, QWidget* rodzic);

} // namespace zr05
