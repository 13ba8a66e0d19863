#pragma once
// Reads a ".vor" configuration file (3626 bytes, the image in file order) so the simulated
// panel can start from an installer's real configuration.

#include "config/Konfiguracja.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace zr05
{

// The configuration held in the first 3626 bytes; nothing when there are fewer.
std::optional<Konfiguracja> konfiguracjaZBajtowPliku(const QByteArray& dane);
// As above from a file; `blad` gets the reason when nothing can be read.
std::optional<Konfiguracja> konfiguracjaZPliku(const QString& sciezka, QString* blad = nullptr);

} // namespace zr05
