#pragma once
// Shared rules of the secondary windows opened from the main window.

#include "Module1.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace zr05
{

// The window is destroyed when it closes, and its closing empties the status bar, which the
// command that opened it filled.
void czyscStatusPoZamknieciu(QWidget* okno, Module1& m);

// Tab moves through the controls as the layouts place them: row by row, left to right, into
// frames on the way. Controls outside any layout keep their place.
void ustawKolejnoscTabulacji(QWidget* okno);

// What every secondary window does: Escape closes it, Tab follows its layout, and it is wide
// enough for its whole caption.
void urzadzOknoPomocnicze(QWidget* okno);

// One window of a kind: a second command brings the open one forward unchanged. `utworz`
// builds a new one when none is open, or when the open one is closing or belongs to another
// program state or parent. Then the command's status text is shown.
template <typename Okno, typename Utworz>
Okno* pokazJedno(QPointer<Okno>& okno, Module1& m, QWidget* rodzic, const QString& status,
                 Utworz&& utworz)
{
    if (okno && (okno->isHidden() || &okno->modul() != &m || okno->parentWidget() != rodzic))
        okno = nullptr;
    if (!okno) {
        okno = utworz();
        urzadzOknoPomocnicze(okno);
    }
    okno->show();
    okno->raise();
    okno->activateWindow();
    m.ustawStatus(status);
    return okno;
}

} // namespace zr05
