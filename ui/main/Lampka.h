#pragma once
// A lamp: a small text box with a fixed text that shows a state by its background colour.

#include <QColor>
#include <QString>

class QLineEdit;
class QWidget;

namespace zr05
{

QLineEdit* nowaLampka(const QString& nazwa, const QString& tekst, const QColor& tlo,
                      QWidget* rodzic);
void ustawKolorLampki(QLineEdit* lampka, const QColor& tlo);

// A line or zone that does not exist: a button-face grey dark enough to tell it at a glance
// from a disarmed (white) lamp in any desktop style.
inline const QColor KolorNieistniejacej(160, 160, 160);

} // namespace zr05
