#pragma once
// Entry point of the configuration file window, called by the main window's commands.

class QWidget;

namespace zr05
{

class Module1;

enum class TrybPliku { Czytaj, Zapisz };

// Opens the file window (not modal) in the given mode.
void pokazOknoPliku(Module1& m, TrybPliku tryb, QWidget* rodzic);

} // namespace zr05
