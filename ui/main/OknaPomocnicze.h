#pragma once
// Shared rules of the secondary windows opened from the main window.

class QWidget;

namespace zr05
{

class Module1;

// The window is destroyed when it closes, and its closing empties the status bar, which the
// command that opened it filled.
void czyscStatusPoZamknieciu(QWidget* okno, Module1& m);

} // namespace zr05
