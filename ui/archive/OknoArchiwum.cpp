#include "OknoArchiwum.h"

namespace zr05
{

void pokazOknoArchiwum(Module1&, Lacze&, bool, QWidget*) {}

} // namespace zr05
