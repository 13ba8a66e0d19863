#include "OknoWydrukuKonfiguracji.h"
#include "Form11.h"
#include "Module1.h"
#include "main/OknaPomocnicze.h"

#include <QPointer>

namespace zr05
{

namespace
{
const QString StatusDrukowania = QStringLiteral("Drukowanie konfiguracji.");
} // namespace

void pokazOknoWydrukuKonfiguracji(Module1& m, QWidget* rodzic)
{
    static QPointer<Form11> okno;
    pokazJedno(okno, m, rodzic, StatusDrukowania, [&] { return new Form11(m, rodzic); });
}

} // namespace zr05
