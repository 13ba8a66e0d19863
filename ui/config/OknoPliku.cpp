#include "OknoPliku.h"
#include "Form12.h"
#include "Module1.h"
#include "main/Klepsydra.h"

#include <QPointer>

namespace zr05
{

namespace
{
const QString StatusOdczytu = QStringLiteral("Czytanie konfiguracji z pliku.");
const QString StatusZapisu = QStringLiteral("Zapisywanie konfiguracji do pliku.");
} // namespace

void pokazOknoPliku(Module1& m, TrybPliku tryb, QWidget* rodzic)
{
    // One file window: a second command takes over the open one.
    static QPointer<Form12> okno;
    if (okno && (okno->isHidden() || &okno->modul() != &m || okno->parentWidget() != rodzic))
        okno = nullptr; // closing, or another program state's
    if (!okno) {
        Klepsydra klepsydra;
        okno = new Form12(m, rodzic);
    }
    okno->ustawTryb(tryb);
    okno->show();
    okno->raise();
    okno->activateWindow();
    m.ustawStatus(tryb == TrybPliku::Zapisz ? StatusZapisu : StatusOdczytu);
}

} // namespace zr05
