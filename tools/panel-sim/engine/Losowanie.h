#pragma once
// A small seeded generator whose sequence is the same on every platform and library, so a
// scenario or a fault pattern replays exactly from its seed.

#include <cstdint>

namespace zr05
{

class Losowanie
{
public:
    explicit Losowanie(std::uint64_t ziarno = 1) : m_stan(ziarno) {}

    std::uint64_t nastepna()
    {
        // splitmix64
        std::uint64_t z = (m_stan += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [od, do_] (both included); od <= do_.
    int zakres(int od, int do_)
    {
        const std::uint64_t n = std::uint64_t(do_ - od) + 1;
        return od + int(nastepna() % n);
    }
    // True with probability p (0..1).
    bool szansa(double p)
    {
        if (p <= 0.0)
            return false;
        return double(nastepna() >> 11) * (1.0 / 9007199254740992.0) < p;
    }

private:
    std::uint64_t m_stan;
};

} // namespace zr05
