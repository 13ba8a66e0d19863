#include "OknoArchiwum.h"
#include "Form9.h"

#include <QDateTime>

namespace zr05
{

Form9* pokazOknoArchiwum(Module1& m, PobieranieArchiwum& pobieranie, const Przesylanie& przesylanie,
                         bool alarmy, QWidget* rodzic)
{
    Form9* okno = nullptr;
    // A closed window may still wait for its deletion; it does not count.
    if (rodzic)
        for (Form9* f : rodzic->findChildren<Form9*>(QString(), Qt::FindDirectChildrenOnly))
            if (f->isVisible())
                okno = f;
    if (!okno)
        okno = new Form9(m, pobieranie, &przesylanie, QDateTime::currentDateTime(), rodzic);
    okno->show();
    okno->raise();
    okno->activateWindow();
    if (alarmy)
        okno->pokazAlarmy();
    return okno;
}

} // namespace zr05
