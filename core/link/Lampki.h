#pragma once
// The status lamps: colours of the 80 line lamps, 10 zone lamps and 10 alarm lamps, computed
// from the last stored status frames and the configuration image after every 'C' frame.

#include "Module1.h"

#include <QObject>
#include <array>
#include <cstdint>

namespace zr05
{

class Lacze;

enum class KolorLampki : std::uint8_t {
    Bialy,     // disarmed line or zone, alarm off
    Zielony,   // armed
    Niebieski, // line tamper
    Czerwony,  // line alarm, alarm on
    Zolty,     // zone partly armed
    Nieczynny, // line that does not exist, zone not used (button face)
};

struct StanLampek {
    std::array<KolorLampki, 80> linie{};  // Text4
    std::array<KolorLampki, 10> strefy{}; // Text2 0..9
    std::array<KolorLampki, 10> alarmy{}; // Text3
    bool operator==(const StanLampek&) const = default;
};

// Line lamps of frame kind IL1 (1 or 2), byte group IL2 (1..5).
void Lampki(StanLampek& s, const Lacze& l, int IL1, int IL2);
// Zone lamps 1..8 (IL2 = 1) or 9..10 (IL2 = 2) from frame kind 3.
void LampkiStref(StanLampek& s, const Lacze& l, int IL1, int IL2);
// Zones with configuration bytes 0..9 all 0 go grey; only with a configuration loaded.
void IstnienieStref(StanLampek& s, const Module1& m);
// Alarm lamps 0..7 (IL2 = 1) or 8..9 (IL2 = 2) from bytes 8 and 9 of frame kind 3.
void LampkiAlarmow(StanLampek& s, const Lacze& l, int IL1, int IL2);

class LampkiStanu : public QObject
{
    Q_OBJECT
public:
    explicit LampkiStanu(const Module1& m, QObject* parent = nullptr);

    // Repaints after every valid 'C' frame of this link.
    void polacz(const Lacze& lacze);
    const StanLampek& stan() const { return m_stan; }
    // The whole refresh, in the order the lamps depend on.
    void odswiez(const Lacze& lacze);

signals:
    void odswiezone();

private:
    const Module1& m;
    StanLampek m_stan;
};

} // namespace zr05
