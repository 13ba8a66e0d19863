#pragma once
// Line faults on the panel's transmissions, reproducible from a seed: corrupted bytes, lost
// bytes, garbage between frames, and one chosen byte of one chosen frame dropped on request.

#include "Losowanie.h"

#include <QByteArray>
#include <cstdint>
#include <optional>

namespace zr05
{

// What a frame sent by the panel is, so a chosen byte of the next frame of a kind can be lost.
enum class RodzajNadania { Poll, Slot, Odpowiedz, Stan, Zdarzenie };

struct UstawieniaUsterek {
    std::uint64_t ziarno = 1;
    double przeklamanie = 0; // probability that a byte arrives changed
    double zgubienie = 0;    // probability that a byte does not arrive at all
    double smieci = 0;       // probability of 1..3 stray bytes before a frame
};

struct LicznikiUsterek {
    int przeklamane = 0;
    int zgubione = 0;
    int wstawione = 0;
};

class Usterki
{
public:
    explicit Usterki(const UstawieniaUsterek& u = {}) : m_u(u), m_los(u.ziarno) {}

    // The bytes that reach the other end when the panel sends `ramka`.
    QByteArray przepusc(const QByteArray& ramka, RodzajNadania rodzaj);
    // The next frame of kind `rodzaj` loses its byte number `indeks` (0 = start byte).
    void upuscBajt(RodzajNadania rodzaj, int indeks) { m_upusc = Upuszczenie{rodzaj, indeks}; }
    const LicznikiUsterek& liczniki() const { return m_liczniki; }

private:
    struct Upuszczenie {
        RodzajNadania rodzaj;
        int indeks;
    };
    UstawieniaUsterek m_u;
    Losowanie m_los;
    std::optional<Upuszczenie> m_upusc;
    LicznikiUsterek m_liczniki;
};

} // namespace zr05
