#include "Komunikaty.h"

#include <QApplication>
#include <QMessageBox>

namespace zr05
{

namespace
{
Komunikaty::Odpowiadacz& odpowiadacz()
{
    static Komunikaty::Odpowiadacz o;
    return o;
}

bool pokaz(QWidget* rodzic, const QString& tekst, bool pytanie)
{
    if (odpowiadacz())
        return odpowiadacz()(tekst, pytanie);
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), tekst,
                    pytanie ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, rodzic);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}
} // namespace

void Komunikaty::info(QWidget* rodzic, const QString& tekst)
{
    pokaz(rodzic, tekst, false);
}

bool Komunikaty::pytanie(QWidget* rodzic, const QString& tekst)
{
    return pokaz(rodzic, tekst, true);
}

void Komunikaty::ustawOdpowiadacz(Odpowiadacz o)
{
    odpowiadacz() = std::move(o);
}

} // namespace zr05
