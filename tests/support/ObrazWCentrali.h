#pragma once
// Comparing a configuration image with the simulated panel's memory, and random images to
// send it.

#include "PamiecCentrali.h"
#include "config/Konfiguracja.h"

#include <QString>

namespace zr05
{

// Where the image and the memory first differ ("record 3 byte 7 at 0x2047"), empty when they
// hold the same configuration. The devices are compared only when asked: an upload never
// writes them.
QString roznicaZPamiecia(const Konfiguracja& k, const PamiecCentrali& pamiec, bool zUrzadzeniami);
// `baza` with every table the upload writes filled from the seed, and names of every length.
Konfiguracja losowyObraz(const Konfiguracja& baza, quint32 ziarno);

} // namespace zr05
