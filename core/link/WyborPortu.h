#pragma once
// Confirming the port choice (OK under "Wybierz port komputera:"): what becomes available
// depends on the mode chosen and on whether the serial port really opened.

namespace zr05
{

class Module1;

// The COM number meant by the option index held in Module1::WybranyPort (1..4); 0 when the
// program works without a panel.
int numerPortu(int wybranyPort);

// Applies the confirmation to the program state. `portOtwarty` tells whether the COM port
// opened; it is ignored without a panel. Returns false when nothing changed because the
// port could not be opened, so the user may choose again.
bool potwierdzWyborPortu(Module1& m, bool portOtwarty);

} // namespace zr05
