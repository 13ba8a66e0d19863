#include "OknoWydrukuKonfiguracji.h"
#include "Drukarka.h"
#include "Module1.h"
#include "main/OknaPomocnicze.h"

#include <QCheckBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace zr05
{

namespace
{
const char* const TekstySekcji[LiczbaSekcji] = {
    "Nagłówek",
    "Istniejące klawiatury i podcentrale",
    "Linie dozorowe",
    "Wyjścia OC",
    "Wyjścia PK",
    "Kontrole strażnika",
    "Automatyczne Uzbrajanie",
    "Strefy zależne",
    "Klawiatury",
};
const QString StatusDrukowania = QStringLiteral("Drukowanie konfiguracji.");
} // namespace

OknoWydrukuKonfiguracji::OknoWydrukuKonfiguracji(Module1& modul, QWidget* parent)
    : QWidget(parent, Qt::Window), m(modul)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Drukowanie konfiguracji systemu"));
    czyscStatusPoZamknieciu(this, m);

    auto* uklad = new QVBoxLayout(this);
    for (int i = 0; i < LiczbaSekcji; ++i) {
        Check1[i] = new QCheckBox(QString::fromUtf8(TekstySekcji[i]), this);
        Check1[i]->setObjectName(QStringLiteral("Check1_%1").arg(i));
        Check1[i]->setChecked(true);
        uklad->addWidget(Check1[i]);
    }

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(
        QStringLiteral("Rozpocznij drukowanie wyszczególnionych elementów konfiguracji"));
    Command1->setDefault(true);
    Command2 = new QPushButton(QStringLiteral("ANULUJ"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setToolTip(QStringLiteral("Porzuć drukowanie"));
    connect(Command1, &QPushButton::clicked, this, &OknoWydrukuKonfiguracji::drukujIZamknij);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);

    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(Command1);
    przyciski->addWidget(Command2);
    uklad->addSpacing(8);
    uklad->addLayout(przyciski);
    setFixedSize(sizeHint());
}

WyborSekcji OknoWydrukuKonfiguracji::wybraneSekcje() const
{
    WyborSekcji w{};
    for (int i = 0; i < LiczbaSekcji; ++i)
        w[i] = Check1[i]->isChecked();
    return w;
}

void OknoWydrukuKonfiguracji::drukujIZamknij()
{
    DrukujKonfiguracje();
    close();
}

void OknoWydrukuKonfiguracji::DrukujKonfiguracje()
{
    setCursor(Qt::WaitCursor);
    const Wydruk w =
        wydrukKonfiguracji(m.Obraz, m.NazwaPliku, QDateTime::currentDateTime(), wybraneSekcje());
    Drukarka::drukuj(w, this, QStringLiteral("konfiguracja"));
    unsetCursor();
}

void pokazOknoWydrukuKonfiguracji(Module1& m, QWidget* rodzic)
{
    static QPointer<OknoWydrukuKonfiguracji> okno;
    pokazJedno(okno, m, rodzic, StatusDrukowania,
               [&] { return new OknoWydrukuKonfiguracji(m, rodzic); });
}

} // namespace zr05
