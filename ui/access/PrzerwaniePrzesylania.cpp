#include "PrzerwaniePrzesylania.h"
#include "Komunikaty.h"
#include "access/Przesylanie.h"

namespace zr05
{

bool potwierdzPrzerwaniePrzesylania(const Przesylanie& przesylanie, QWidget* rodzic)
{
    return !przesylanie.przesylanieTrwa() || Komunikaty::pytanie(rodzic, tekst::PytaniePrzerwanie);
}

} // namespace zr05
