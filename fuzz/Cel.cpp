// One libFuzzer program per property; ZR05_WLASNOSC names the property.

#include "Wlasnosci.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    const QString blad = zr05::wlasnosci::ZR05_WLASNOSC(
        QByteArrayView(reinterpret_cast<const char*>(dane), qsizetype(rozmiar)));
    if (!blad.isEmpty()) {
        std::fprintf(stderr, "property broken: %s\n", qPrintable(blad));
        std::abort();
    }
    return 0;
}
