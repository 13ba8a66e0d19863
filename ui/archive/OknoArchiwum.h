#pragma once
// Entry point of the archive window, called by "&Historia" → "&Alarmy" / "&Zdarzenia" and
// toolbar buttons 8 and 9 after the login check.

class QWidget;

namespace zr05
{

class Form9;
class Module1;
class PobieranieArchiwum;
class Przesylanie;

// Shows the one archive window under `rodzic` (creating it when none is open). For alarms
// it selects "Alarmów" and its caption says so; for events an open window keeps its state.
Form9* pokazOknoArchiwum(Module1& m, PobieranieArchiwum& pobieranie, const Przesylanie& przesylanie,
                         bool alarmy, QWidget* rodzic);

} // namespace zr05
