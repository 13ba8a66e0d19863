#include "Lampki.h"

#include "link/Lacze.h"

#include <algorithm>

namespace zr05
{

namespace
{
Bajt R(const Lacze& l, int rodzaj, int bajt)
{
    return l.ramka(rodzaj)[size_t(bajt)];
}
int bityGrupy(int IL2)
{
    return IL2 == 1 ? 8 : 2;
}
bool grupaStrefWZakresie(int IL1, int IL2)
{
    return IL1 == 3 && (IL2 == 1 || IL2 == 2);
}
} // namespace

void Lampki(StanLampek& s, const Lacze& l, int IL1, int IL2)
{
    if (IL1 < 1 || IL1 > 2 || IL2 < 1 || IL2 > 5)
        return;
    const Bajt A = R(l, IL1, IL2), B = R(l, IL1, IL2 + 5), E = R(l, 6, (IL1 - 1) * 5 + IL2);
    for (int b = 0; b < 8; ++b) {
        const int maska = 1 << b;
        auto& lampka = s.linie[size_t((IL1 - 1) * 40 + (IL2 - 1) * 8 + b)];
        if (!(E & maska)) {
            lampka = KolorLampki::Nieczynny;
            continue;
        }
        const bool a = A & maska, sab = B & maska;
        lampka = a ? (sab ? KolorLampki::Czerwony : KolorLampki::Zielony)
                   : (sab ? KolorLampki::Niebieski : KolorLampki::Bialy);
    }
}

void LampkiStref(StanLampek& s, const Lacze& l, int IL1, int IL2)
{
    if (!grupaStrefWZakresie(IL1, IL2))
        return;
    const Bajt A = R(l, 3, IL2), B = R(l, 3, IL2 + 5), P = R(l, 3, IL2 + 2);
    for (int b = 0; b < bityGrupy(IL2); ++b) {
        const int maska = 1 << b;
        s.strefy[size_t((IL2 - 1) * 8 + b)] = (P & maska)              ? KolorLampki::Zolty
                                              : ((A | B) & maska) != 0 ? KolorLampki::Zielony
                                                                       : KolorLampki::Bialy;
    }
}

void IstnienieStref(StanLampek& s, const Module1& m)
{
    if (m.KonfigJest < 1)
        return;
    for (int z = 1; z <= Konfiguracja::LiczbaStref; ++z) {
        const auto& r = m.Obraz.Strefy[size_t(z)];
        if (std::all_of(r.begin(), r.begin() + 10, [](Bajt b) { return b == 0; }))
            s.strefy[size_t(z - 1)] = KolorLampki::Nieczynny;
    }
}

void LampkiAlarmow(StanLampek& s, const Lacze& l, int IL1, int IL2)
{
    if (!grupaStrefWZakresie(IL1, IL2))
        return;
    const Bajt C = R(l, 3, IL2 + 7);
    for (int b = 0; b < bityGrupy(IL2); ++b)
        s.alarmy[size_t((IL2 - 1) * 8 + b)] =
            (C >> b) & 1 ? KolorLampki::Czerwony : KolorLampki::Bialy;
}

LampkiStanu::LampkiStanu(const Module1& modul, QObject* parent) : QObject(parent), m(modul) {}

void LampkiStanu::polacz(const Lacze& lacze)
{
    connect(&lacze, &Lacze::ramkaStanu, this, [this, &lacze](int rodzaj) {
        if (rodzaj == 3)
            odswiez(lacze);
    });
}

void LampkiStanu::odswiez(const Lacze& lacze)
{
    for (int IL1 = 1; IL1 <= 2; ++IL1)
        for (int IL2 = 1; IL2 <= 5; ++IL2)
            Lampki(m_stan, lacze, IL1, IL2);
    LampkiStref(m_stan, lacze, 3, 1);
    LampkiStref(m_stan, lacze, 3, 2);
    IstnienieStref(m_stan, m);
    LampkiAlarmow(m_stan, lacze, 3, 1);
    LampkiAlarmow(m_stan, lacze, 3, 2);
    emit odswiezone();
}

} // namespace zr05
