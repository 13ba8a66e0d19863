#include "PrzerwaniePrzesylania.h"
#include "Komunikaty.h"
#include "access/Przesylanie.h"

namespace zr05
{

bool potwierdzPrzerwaniePrzesylania(const Przesylanie& przesylanie, QWidget* rodzic)
{
    const auto pytanie = przesylanie.pytanie(Przesylanie::Zamiar::Polecenie);
    return !pytanie || Komunikaty::pytanie(rodzic, *pytanie);
}

} // namespace zr05
