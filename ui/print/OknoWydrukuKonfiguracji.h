#pragma once
// Entry point of the configuration printout window, called by "&Drukuj" and toolbar button 6.

class QWidget;

namespace zr05
{

class Module1;

void pokazOknoWydrukuKonfiguracji(Module1& m, QWidget* rodzic);

} // namespace zr05
