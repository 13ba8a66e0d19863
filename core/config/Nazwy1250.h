#pragma once
// User line names travel to the panel and to files as 8 bytes of Windows-1250, converted by a
// table of our own so that no byte value depends on the codecs a Qt build happens to carry.

#include <QByteArray>
#include <QString>

namespace zr05
{

// Exactly 8 bytes: the name's first 8 characters, padded with spaces.
QByteArray nazwaNaBajty(const QString& nazwa);
// One character per byte. Bytes undefined in Windows-1250 (0x81, 0x83, 0x88, 0x90, 0x98)
// become U+0081..., and 0 becomes NUL, so nazwaNaBajty(nazwaZBajtow(b)) == b for every 8 bytes b.
QString nazwaZBajtow(const QByteArray& bajty);
// True when every character of the text has a Windows-1250 byte.
bool nazwaDaSieZapisac(const QString& nazwa);

} // namespace zr05
