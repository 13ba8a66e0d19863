#pragma once

class QWidget;

namespace zr05
{

class Przesylanie;

// A command that would replace a running upload asks first: an abandoned upload leaves the
// panel with a partly written configuration (a download replaced leaves the image as it was,
// an owed end frame waits for the command's operation). True when the command may go on.
bool potwierdzPrzerwaniePrzesylania(const Przesylanie& przesylanie, QWidget* rodzic);

} // namespace zr05
