#include "OknoPliku.h"

namespace zr05 {

void pokazOknoPliku(Module1&, TrybPliku, QWidget*) {}

} // namespace zr05
