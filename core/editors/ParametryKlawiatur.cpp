#include "ParametryKlawiatur.h"

namespace zr05
{

namespace
{
constexpr int N = ParametryKlawiatur::LiczbaKlawiatur;

bool numerUrzadzenia(int k)
{
    return k >= 1 && k <= N;
}
} // namespace

ParametryKlawiatur czytajParametryKlawiatur(const Konfiguracja& k)
{
    ParametryKlawiatur p;
    for (int n = 1; n <= N; ++n) {
        if (k.Urzadzenia[n] != 0)
            p.klawiatury.append(n);
        if (k.Urzadzenia[N + n] != 0)
            p.podcentrale.append(n);
    }
    for (int i = 0; i < N; ++i)
        p.buzzery[i] = (k.Buzzery >> i) & 1;
    for (int i = 0; i < ParametryKlawiatur::LiczbaFunkcji; ++i)
        p.funkcje[i] = (k.KlawFun >> i) & 1;
    p.tajne = k.KodyTajne != 0;
    p.czasKodu = k.CzasKodu;
    p.czasBlokady = k.CzasBlokady;
    return p;
}

void zapiszParametryKlawiatur(Konfiguracja& k, const ParametryKlawiatur& p)
{
    for (int n : p.klawiatury)
        if (numerUrzadzenia(n))
            k.Urzadzenia[n] = kodKlawiatury(n);
    for (int n : p.podcentrale)
        if (numerUrzadzenia(n))
            k.Urzadzenia[N + n] = kodPodcentrali(n);
    Bajt buzzery = 0;
    for (int i = 0; i < N; ++i)
        if (p.buzzery[i])
            buzzery |= Bajt(1u << i);
    k.Buzzery = buzzery;
    Bajt funkcje = 0;
    for (int i = 0; i < ParametryKlawiatur::LiczbaFunkcji; ++i)
        if (p.funkcje[i])
            funkcje |= Bajt(1u << i);
    k.KlawFun = funkcje;
    k.KodyTajne = p.tajne ? 1 : 0;
    k.CzasKodu = p.czasKodu;
    k.CzasBlokady = p.czasBlokady;
}

} // namespace zr05
