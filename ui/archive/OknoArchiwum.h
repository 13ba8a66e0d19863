#pragma once
// Entry point of the archive window, called by "&Historia" → "&Alarmy" / "&Zdarzenia" and
// toolbar buttons 8 and 9.

class QWidget;

namespace zr05
{

class Module1;
class Lacze;

void pokazOknoArchiwum(Module1& m, Lacze& lacze, bool alarmy, QWidget* rodzic);

} // namespace zr05
