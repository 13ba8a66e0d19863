#include "Lampka.h"

#include <QLineEdit>

namespace zr05
{

QLineEdit* nowaLampka(const QString& nazwa, const QString& tekst, const QColor& tlo,
                      QWidget* rodzic)
{
    auto* lampka = new QLineEdit(tekst, rodzic);
    lampka->setObjectName(nazwa);
    lampka->setReadOnly(true);
    lampka->setFocusPolicy(Qt::NoFocus);
    lampka->setAlignment(Qt::AlignCenter);
    lampka->setContextMenuPolicy(Qt::NoContextMenu);
    ustawKolorLampki(lampka, tlo);
    return lampka;
}

void ustawKolorLampki(QLineEdit* lampka, const QColor& tlo)
{
    QPalette p = lampka->palette();
    p.setColor(QPalette::Base, tlo);
    p.setColor(QPalette::Text, Qt::black);
    lampka->setPalette(p);
}

} // namespace zr05
