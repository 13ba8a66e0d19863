#pragma once
// The frames of the on-line view: lamps, panel clock and the current register. They are
// built here with their design texts and colours; the link fills them while on line.

class QGroupBox;
class QWidget;

namespace zr05
{

QGroupBox* nowaRamkaLinii(QWidget* rodzic);    // Frame1 "STANY LINII:"
QGroupBox* nowaRamkaStref(QWidget* rodzic);    // Frame5 "STANY STREF:"
QGroupBox* nowaRamkaAlarmow(QWidget* rodzic);  // Frame6 "Wybrane alarmy:"
QGroupBox* nowaRamkaZegara(QWidget* rodzic);   // Frame4 "Data i czas centralki:"
QGroupBox* nowaRamkaRejestru(QWidget* rodzic); // Frame2 register

} // namespace zr05
