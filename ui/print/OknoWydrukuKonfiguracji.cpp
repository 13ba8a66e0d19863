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
        m_sekcje[i] = new QCheckBox(QString::fromUtf8(TekstySekcji[i]), this);
        m_sekcje[i]->setObjectName(QStringLiteral("Check1_%1").arg(i));
        m_sekcje[i]->setChecked(true);
        uklad->addWidget(m_sekcje[i]);
    }

    m_przyciskOk = new QPushButton(QStringLiteral("OK"), this);
    m_przyciskOk->setObjectName(QStringLiteral("Command1"));
    m_przyciskOk->setToolTip(
        QStringLiteral("Rozpocznij drukowanie wyszczególnionych elementów konfiguracji"));
    m_przyciskOk->setDefault(true);
    m_przyciskAnuluj = new QPushButton(QStringLiteral("ANULUJ"), this);
    m_przyciskAnuluj->setObjectName(QStringLiteral("Command2"));
    m_przyciskAnuluj->setToolTip(QStringLiteral("Porzuć drukowanie"));
    connect(m_przyciskOk, &QPushButton::clicked, this, &OknoWydrukuKonfiguracji::drukujIZamknij);
    connect(m_przyciskAnuluj, &QPushButton::clicked, this, &QWidget::close);

    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(m_przyciskOk);
    przyciski->addWidget(m_przyciskAnuluj);
    uklad->addSpacing(8);
    uklad->addLayout(przyciski);
    setFixedSize(sizeHint());
}

WyborSekcji OknoWydrukuKonfiguracji::wybraneSekcje() const
{
    WyborSekcji w{};
    for (int i = 0; i < LiczbaSekcji; ++i)
        w[i] = m_sekcje[i]->isChecked();
    return w;
}

void OknoWydrukuKonfiguracji::drukujIZamknij()
{
    DrukujKonfiguracje();
    close();
}

void OknoWydrukuKonfiguracji::DrukujKonfiguracje()
{
    // The configuration as it is now, printed while the user goes on working.
    Drukarka::drukuj(
        [obraz = m.Obraz, plik = m.PlikObrazu, teraz = QDateTime::currentDateTime(),
         sekcje = wybraneSekcje()] { return wydrukKonfiguracji(obraz, plik, teraz, sekcje); },
        this, QStringLiteral("konfiguracja"));
}

void pokazOknoWydrukuKonfiguracji(Module1& m, QWidget* rodzic)
{
    static QPointer<OknoWydrukuKonfiguracji> okno;
    pokazJedno(okno, m, rodzic, StatusDrukowania,
               [&] { return new OknoWydrukuKonfiguracji(m, rodzic); });
}

} // namespace zr05
