#pragma once
// An in-process serial line with a virtual clock between the program's link engine and the
// simulated panel. The PC's bytes are paced like the panel's (2400 bit/s, 11 bits a byte, or
// instantly in fast mode), the link's one-second timer ticks every virtual second, and
// everything happens in time order, so a run is fast and the same every time.

#include "SymulatorCentrali.h"
#include "link/Lacze.h"

#include <QByteArray>
#include <cstdint>
#include <deque>
#include <functional>

namespace zr05
{

class Przewod
{
public:
    // Takes over the link's sink. In fast mode the panel must have been built with
    // czasBajtuUs = 0 as well, or its bytes keep their pacing.
    Przewod(Lacze& lacze, SymulatorCentrali& symulator, bool szybko = false);
    ~Przewod();
    Przewod(const Przewod&) = delete;
    Przewod& operator=(const Przewod&) = delete;

    std::int64_t terazUs() const { return m_teraz; }
    std::int64_t terazMs() const { return m_teraz / 1000; }

    // Runs until the condition holds (checked after every event) or `maksMs` of virtual time
    // have passed; tells whether the condition was met.
    bool runUntil(const std::function<bool()>& warunek, std::int64_t maksMs);
    void uplyw(std::int64_t ms)
    {
        runUntil([] { return false; }, ms);
    }

    // What the PC side has sent and received, for tests that look at the bytes.
    int bajtyDoCentrali() const { return m_doCentrali; }
    int bajtyDoPc() const { return m_doPc; }
    // Called with every byte delivered to the PC (after the panel's faults).
    void ustawPodsluchPc(std::function<void(Bajt, std::int64_t)> f) { m_podsluch = std::move(f); }

private:
    // Processes everything due at the earliest pending time not after `granica`; false when
    // nothing is pending before it.
    bool krok(std::int64_t granica);

    Lacze& m_lacze;
    SymulatorCentrali& m_sym;
    std::int64_t m_czasBajtu;
    std::int64_t m_teraz = 0;
    std::int64_t m_nastepnyTick = 1000000;
    std::deque<BajtNaLinii> m_doPcKolejka;
    std::deque<BajtNaLinii> m_doCentraliKolejka;
    std::int64_t m_liniaPcWolna = 0;
    int m_doCentrali = 0;
    int m_doPc = 0;
    std::function<void(Bajt, std::int64_t)> m_podsluch;
};

} // namespace zr05
