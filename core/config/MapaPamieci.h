#pragma once
// Where the configuration lives in the panel's memory, and how the 32 download reads and the
// 41 upload writes cut it into blocks.

#include "Konfiguracja.h"

#include <QByteArray>
#include <optional>

namespace zr05
{

struct BlokPamieci {
    quint16 adres;
    quint16 dlugosc;
};

namespace adres
{
constexpr quint16 Urzadzenia = 0x0080;
constexpr quint16 Strefy = 0x0200;
constexpr quint16 Blokada = 0x0757; // access block flag, lock time
constexpr quint16 NazwyUzytkownika = 0x0D00;
constexpr quint16 System = 0x1070; // Buzzery, KodyTajne, CzasKodu, KlawFun, CzasBlokady
constexpr quint16 Kontrole = 0x1300;
constexpr quint16 AutoUzbr = 0x13D0;
constexpr quint16 Linie = 0x2000;
constexpr quint16 WyjOC = 0x3000;
constexpr quint16 WyjPk = 0x3180;
} // namespace adres

constexpr int PierwszyKrokPobierania = 1, OstatniKrokPobierania = 32;
constexpr int PierwszyKrokPrzesylania = 60, OstatniKrokPrzesylania = 100;

// The read requested at a slot for this operation code (1..32, 41, 42), if it is a read.
std::optional<BlokPamieci> blokOdczytu(int kod);
// The write sent at a slot for this operation code (43, 44, 60..100), if it is a write.
std::optional<BlokPamieci> blokZapisu(int kod);

// Stores the data of download step 1..32 into the image.
void zapiszKrokPobierania(Konfiguracja& k, int krok, const QByteArray& dane);
// The data bytes of upload step 60..100, taken from the image.
QByteArray daneKrokuPrzesylania(const Konfiguracja& k, int krok);

} // namespace zr05
