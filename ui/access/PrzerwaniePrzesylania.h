#pragma once

class QWidget;

namespace zr05
{

class Przesylanie;

// A command that would replace a running upload asks first: an abandoned upload leaves the
// panel with a partly written configuration. True when the command may go on.
bool potwierdzPrzerwaniePrzesylania(const Przesylanie& przesylanie, QWidget* rodzic);

} // namespace zr05
