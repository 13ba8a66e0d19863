#include "OknoWydrukuKonfiguracji.h"

namespace zr05
{

void pokazOknoWydrukuKonfiguracji(Module1&, QWidget*) {}

} // namespace zr05
