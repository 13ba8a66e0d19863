#pragma once
// The printout of the current register: title, the computer's date and time, the register.

#include "print/Wydruk.h"

#include <QDateTime>
#include <QString>

namespace zr05
{

// `rejestr` with any line ends; `teraz` the computer's clock at the moment of printing.
Wydruk wydrukRejestru(const QString& rejestr, const QDateTime& teraz);

} // namespace zr05
