#pragma once
// Frame constants and the additive checksum shared by both ends of the line.

#include <QByteArray>
#include <cstdint>

namespace zr05::ramka
{

constexpr std::uint8_t Start7 = 0x37;      // '7': polls, requests, answers
constexpr std::uint8_t StartZdarz = 0x40;  // '@': event messages
constexpr std::uint8_t Poll = 0x44;        // 'D'
constexpr std::uint8_t Slot = 0x4B;        // 'K'
constexpr std::uint8_t DaneOdczytu = 0x6B; // 'k'
constexpr std::uint8_t OdpKodu = 0x4C;     // 'L'
constexpr std::uint8_t Archiwum = 0x6C;    // 'l'
constexpr std::uint8_t Odczyt = 0xB0;
constexpr std::uint8_t Zapis = 0xB1;
constexpr std::uint8_t ArchStart = 0xB2;
constexpr std::uint8_t ArchDalej = 0xB3;
constexpr std::uint8_t Kod = 0xF0;
constexpr std::uint8_t KoniecProg = 0xDE;
constexpr std::uint8_t BitOperacji = 0x08;
constexpr std::uint8_t BitOnLine = 0x20;

constexpr int RozmiarBufora = 1101;
constexpr int DlugoscStanu = 12;
constexpr int DlugoscArchiwum = 131;
constexpr int DlugoscOdpKodu = 5;
constexpr int DlugoscZapisu = 118;
constexpr int ObszarZapisu = 112;

// The byte that makes the sum of all bytes 0 modulo 256.
inline std::uint8_t sumaKontrolna(const std::uint8_t* b, int n)
{
    unsigned s = 0;
    for (int i = 0; i < n; ++i)
        s += b[i];
    return std::uint8_t((256 - s % 256) % 256);
}
inline std::uint8_t sumaKontrolna(const QByteArray& b)
{
    return sumaKontrolna(reinterpret_cast<const std::uint8_t*>(b.constData()), int(b.size()));
}
// The frame with its checksum appended.
inline QByteArray zSuma(QByteArray b)
{
    b.append(char(sumaKontrolna(b)));
    return b;
}

// Length of an '@' message by its code byte, checksum included.
int dlugoscKomunikatu(std::uint8_t kod);

} // namespace zr05::ramka
