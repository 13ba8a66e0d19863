#pragma once
// Program-wide set-up of the application object: its title (message boxes carry it), its icon,
// and Qt's own texts in Polish, so standard buttons read "Anuluj" and dialogs speak Polish.

class QCoreApplication;
class QIcon;

namespace zr05
{

// The program's own icon, the one the desktop launcher shows.
QIcon ikonaProgramu();

// False when Qt's Polish translations are not installed; the program still runs.
bool przygotujAplikacje(QCoreApplication& app);

} // namespace zr05
