#pragma once
// Properties checked on arbitrary input, shared by the libFuzzer targets and by the replay of
// saved inputs in the ordinary tests. Each returns an empty text when every property held,
// otherwise what was broken.

#include <QByteArrayView>
#include <QString>

namespace zr05::wlasnosci
{

// Bytes from the panel with arbitrary pauses and timer ticks, while a download, an upload, a
// code or an archive transfer is under way: every frame the PC sends is well formed, at most one
// goes out for a byte received and none on a timer tick, and every counter stays in its range.
QString odbiornik(QByteArrayView wejscie);

// A configuration file of any contents: a complete one reads and saves back byte for byte,
// a failed read (short file, failing device) leaves the program's configuration as it was.
QString plikKonfiguracji(QByteArrayView wejscie);

// An event message of any bytes: it gives at most one register line, which ends in "\r\n"
// and holds no other control character.
QString komunikat(QByteArrayView wejscie);

// An archive record with any bytes and any line name: one line ending in "\r\n", no other
// control character, and a range never outside the downloaded records.
QString rekordArchiwum(QByteArrayView wejscie);

} // namespace zr05::wlasnosci
