#include "Form1.h"

namespace zr05
{

Form1::Form1(Module1& modul, QWidget* parent) : QMainWindow(parent), m(modul)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Program do centrali alarmowej ZR-5  VOR-electronics.  "));
}

} // namespace zr05
