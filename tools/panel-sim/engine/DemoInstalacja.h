#pragma once
// The installation the simulator starts with when no configuration file is given: a small
// office with twelve lines in three zones, two keypads, one subpanel, outputs, guard controls
// and automatic arming.

#include "config/Konfiguracja.h"

#include <QByteArray>

namespace zr05::demo
{

Konfiguracja instalacja();

// The 8-byte name the panel shows for a line: the dictionary entry (or user name 224..255
// from `nazwyUzytkownika`, the 256 bytes at 0x0D00) padded with blanks.
QByteArray nazwaLinii(int indeks, const QByteArray& nazwyUzytkownika);

} // namespace zr05::demo
