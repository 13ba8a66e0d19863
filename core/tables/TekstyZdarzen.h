#pragma once
// Texts of archived alarms and events (16 characters, the width of the panel's display, trailing
// blanks included) and the descriptions of the numbered events that can drive an output.

#include <QString>
#include <array>

namespace zr05
{

struct TabeleTekstow {
    static constexpr int LiczbaAlarmow = 41; // alarm codes 0..40
    static constexpr int LiczbaZdarzen = 41; // event codes 128..168
    static constexpr int PierwszyKodZdarzenia = 128;
    static constexpr int LiczbaZdarzenWyjsc = 61; // event numbers 0..60, 1..56 used

    std::array<QString, LiczbaAlarmow> NazwyAla{};
    std::array<QString, LiczbaZdarzen> NazwyZda{};
    std::array<QString, LiczbaZdarzenWyjsc> TabZdarz{};
};

void WpiszTabZdarz(TabeleTekstow& t);
void WpiszNazwyAla(TabeleTekstow& t);
void WpiszNazwyZda(TabeleTekstow& t);
// All three, in the order the program fills them at start.
void WpiszTabele(TabeleTekstow& t);

} // namespace zr05
