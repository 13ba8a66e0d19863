#pragma once
// Line faults, reproducible from a seed: corrupted bytes, lost bytes, garbage before frames,
// on the panel's transmissions and (unless turned off) on the PC's bytes to the panel; and
// one chosen byte of one chosen panel frame lost or changed on request.

#include "Losowanie.h"

#include <QByteArray>
#include <cstdint>
#include <optional>

namespace zr05
{

// What a frame sent by the panel is, so a chosen byte of the next frame of a kind can be hit.
enum class RodzajNadania { Poll, Slot, Odpowiedz, Stan, Zdarzenie };

struct UstawieniaUsterek {
    std::uint64_t ziarno = 1;
    double przeklamanie = 0; // probability that a byte arrives changed
    double zgubienie = 0;    // probability that a byte does not arrive at all
    double smieci = 0;       // probability of 1..3 stray bytes before a frame
    bool odPc = true;        // the same faults strike the PC's bytes on their way to the panel
};

struct LicznikiUsterek {
    // Panel to PC.
    int przeklamane = 0;
    int zgubione = 0;
    int wstawione = 0;
    // PC to panel.
    int przeklamaneOdPc = 0;
    int zgubioneOdPc = 0;
    int wstawioneOdPc = 0;
};

// What the line made of one byte the PC sent.
struct BajtOdPc {
    QByteArray smieci;     // stray bytes that arrive before it
    bool zgubiony = false; // it never arrives
    std::uint8_t bajt = 0; // as it arrives
};

class Usterki
{
public:
    explicit Usterki(const UstawieniaUsterek& u = {})
        : m_u(u), m_los(u.ziarno), m_losOdPc(u.ziarno * 0x9E3779B97F4A7C15ull + 11)
    {
    }

    // The bytes that reach the other end when the panel sends `ramka`.
    QByteArray przepusc(const QByteArray& ramka, RodzajNadania rodzaj);
    // One byte of the PC on its way to the panel; `poczatekRamki`: the panel is waiting for
    // the start of a frame, so garbage may come before it.
    BajtOdPc przepuscOdPc(std::uint8_t b, bool poczatekRamki);
    // The next frame of kind `rodzaj` loses its byte number `indeks` (0 = start byte) ...
    void upuscBajt(RodzajNadania rodzaj, int indeks) { m_celny = Celny{rodzaj, indeks, false}; }
    // ... or has it changed.
    void przeklamBajt(RodzajNadania rodzaj, int indeks) { m_celny = Celny{rodzaj, indeks, true}; }
    const LicznikiUsterek& liczniki() const { return m_liczniki; }

private:
    struct Celny {
        RodzajNadania rodzaj;
        int indeks;
        bool zmien;
    };
    UstawieniaUsterek m_u;
    Losowanie m_los;
    Losowanie m_losOdPc;
    std::optional<Celny> m_celny;
    LicznikiUsterek m_liczniki;
};

} // namespace zr05
