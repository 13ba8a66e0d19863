#pragma once
// The panel's 64 KiB memory. Every access is clipped to the address space: a read past 0xFFFF
// gives zeros for the missing part, a write past it stores only what fits.

#include "config/Konfiguracja.h"

#include <QByteArray>
#include <array>

namespace zr05
{

class PamiecCentrali
{
public:
    static constexpr int Rozmiar = 0x10000;

    // The bytes from `adres` on; the part beyond 0xFFFF reads as 0. `obcieto` tells whether
    // that happened.
    QByteArray czytaj(int adres, int dlugosc, bool* obcieto = nullptr) const;
    // Stores `dane` from `adres` on and returns how many bytes landed (the rest is past 0xFFFF).
    int zapisz(int adres, const QByteArray& dane);
    Bajt bajt(int adres) const { return m_bajty[adres & 0xFFFF]; }
    void ustawBajt(int adres, Bajt b) { m_bajty[adres & 0xFFFF] = b; }

    // Lays a configuration image where the panel keeps it (the same blocks an upload writes,
    // plus the devices, which only the download carries).
    void wpiszKonfiguracje(const Konfiguracja& k);
    // The configuration as a download would read it.
    Konfiguracja konfiguracja() const;

private:
    std::array<Bajt, Rozmiar> m_bajty{};
};

} // namespace zr05
