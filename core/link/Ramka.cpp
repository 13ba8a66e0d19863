#include "Ramka.h"

namespace zr05::ramka
{

int dlugoscKomunikatu(std::uint8_t kod)
{
    switch (kod) {
    case 1:
        return 7;
    case 2:
        return 6;
    case 3:
    case 4:
        return 15;
    case 193:
        return 9;
    case 38:
    case 40:
    case 73:
        return 4;
    case 39:
        return 8;
    default:
        return 3; // 37 and every unlisted code
    }
}

} // namespace zr05::ramka
