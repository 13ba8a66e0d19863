#pragma once
// The ".vor" configuration file: a raw dump of the image in a fixed order, 3626 bytes, no
// header. Reading never changes the image unless the whole configuration was read; saving goes
// through a temporary file so a failed save leaves the previous file as it was.

#include "Konfiguracja.h"

#include <QByteArray>
#include <QString>

class QIODevice;

namespace zr05
{

class Module1;

constexpr int DlugoscPlikuKonfiguracji = 3626;

struct WynikPliku {
    bool ok = true;
    QString komunikat; // for the user when ok is false: what failed and why
    explicit operator bool() const { return ok; }
};

// The image in file order. Fails when a user name holds a character without a Windows-1250 byte.
WynikPliku obrazDoBajtow(const Konfiguracja& obraz, QByteArray& dane);
// Takes the first 3626 bytes of dane (which must hold them) into the image.
void obrazZBajtow(const QByteArray& dane, Konfiguracja& obraz);

// On an open device. The message gives the reason only; the caller names the file.
WynikPliku ZapiszKonfig(const Konfiguracja& obraz, QIODevice& urzadzenie);
WynikPliku CzytajKonfig(QIODevice& urzadzenie, Konfiguracja& obraz);

// On a file. The message names the file and the reason.
WynikPliku ZapiszKonfig(const Konfiguracja& obraz, const QString& sciezka);
WynikPliku CzytajKonfig(const QString& sciezka, Konfiguracja& obraz);

// The program's own: on success NazwaPliku := sciezka, and a read marks the image present
// (WpisKonfig). On failure the program state is left exactly as it was.
WynikPliku ZapiszKonfig(Module1& m, const QString& sciezka);
WynikPliku CzytajKonfig(Module1& m, const QString& sciezka);

} // namespace zr05
