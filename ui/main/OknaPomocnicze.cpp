#include "OknaPomocnicze.h"

#include "Module1.h"

#include <QWidget>

namespace zr05
{

void czyscStatusPoZamknieciu(QWidget* okno, Module1& m)
{
    okno->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(okno, &QObject::destroyed, &m, &Module1::wyczyscStatus);
}

} // namespace zr05
