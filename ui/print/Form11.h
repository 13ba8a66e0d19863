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
class Form11 : public QWidget
{
    Q_OBJECT
public:
    Form11(Module1& m, QWidget* parent = nullptr);

    Module1& modul() const { return m; }
    // The sections whose boxes are checked.
    WyborSekcji wybraneSekcje() const;

private:
    void Command1_Click();
    void DrukujKonfiguracje();

    Module1& m;
    std::array<QCheckBox*, LiczbaSekcji> Check1{};
    QPushButton* Command1;
    QPushButton* Command2;
};

} // namespace zr05
