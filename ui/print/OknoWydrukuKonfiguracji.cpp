#include "OknoWydrukuKonfiguracji.h"
#include "Form11.h"
#include "Module1.h"

#include <QPointer>

namespace zr05
{

namespace
{
const QString StatusDrukowania = QStringLiteral("Drukowanie konfiguracji.");
} // namespace

void pokazOknoWydrukuKonfiguracji(Module1& m, QWidget* rodzic)
{
    // One printout window: the command again brings the open one to the front.
    static QPointer<Form11> okno;
    if (okno && (okno->isHidden() || &okno->modul() != &m || okno->parentWidget() != rodzic))
        okno = nullptr; // closing, or another program state's
    if (!okno)
        okno = new Form11(m, rodzic);
    okno->show();
    okno->raise();
    okno->activateWindow();
    m.ustawStatus(StatusDrukowania);
}

} // namespace zr05
