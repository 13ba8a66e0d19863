#include "EdytorAutoUzbrajania.h"
#include "DwieListy.h"
#include "Komunikaty.h"
#include "Module1.h"
#include "editors/AutoUzbrajanie.h"
#include "editors/ListaWyboru.h"
#include "main/OknaPomocnicze.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace zr05
{

namespace
{
const QString Status = QStringLiteral("Programowanie parametrów automatycznego uzbrajania stref.");
const QString Pytanie =
    QStringLiteral("Czy zapisać zmiany w parametrach automatycznego uzbrajania ?");

template <typename T> T* nazwany(T* w, const char* nazwa, const QString& podpowiedz = QString())
{
    w->setObjectName(QLatin1String(nazwa));
    w->setToolTip(podpowiedz);
    return w;
}

QComboBox* pole(const char* nazwa, const QString& podpowiedz, const ListaWyboru& lista,
                QWidget* rodzic)
{
    auto* c = nazwany(new QComboBox(rodzic), nazwa, podpowiedz);
    c->setEditable(false);
    c->addItems(lista.pozycje);
    c->setCurrentIndex(lista.wybrana);
    return c;
}

Bajt liczbaPola(const QComboBox* c)
{
    return liczbaPozycji(c->currentText()).value_or(0);
}
} // namespace

EdytorAutoUzbrajania::EdytorAutoUzbrajania(Module1& modul, QWidget* parent)
    : QWidget(parent, Qt::Window), m(modul)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Parametry automatycznego uzbrajania stref"));

    const AutoUzbrajanie a = czytajAutoUzbrajanie(m.Obraz);
    auto* Label1 = nazwany(new QLabel(QStringLiteral("Godzina:"), this), "Label1");
    Combo1 = pole("Combo1", QStringLiteral("Godzina automatycznego uzbrojenia stref"),
                  listaWyboru(0, 24, Cyfry::Dwie, a.godzina), this);
    auto* Label2 = nazwany(new QLabel(QStringLiteral("Minuta:"), this), "Label2");
    Combo2 = pole("Combo2", QStringLiteral("Minuta automatycznego uzbrojenia stref"),
                  listaWyboru(0, 59, Cyfry::Dwie, a.minuta), this);
    auto* Label3 = nazwany(new QLabel(QStringLiteral("Czas cichego alarmu:"), this), "Label3");
    Combo3 = pole("Combo3", QStringLiteral("Czas cichego alarmu po automatycznym uzbrojeniu"),
                  listaWyboru(0, 10, Cyfry::Jedna, a.cichyAlarm), this);
    Label1->setBuddy(Combo1);
    Label2->setBuddy(Combo2);
    Label3->setBuddy(Combo3);

    auto* Label4_0 =
        nazwany(new QLabel(QStringLiteral("Strefy uzbrajane automatycznie:"), this), "Label4_0");
    auto* Label4_1 = nazwany(new QLabel(QStringLiteral("Pozostałe strefy:"), this), "Label4_1");
    List1 = nazwany(new QListWidget(this), "List1");
    List2 = nazwany(new QListWidget(this), "List2");
    auto* Command1 = nazwany(new QPushButton(QStringLiteral("<="), this), "Command1");
    auto* Command2 = nazwany(new QPushButton(QStringLiteral("=>"), this), "Command2");
    auto* Command3 = nazwany(new QPushButton(QStringLiteral("ZAPISZ ZMIANY"), this), "Command3",
                             QStringLiteral("Zapisz wprowadzone zmiany do odpowiednich rejestrów "
                                            "pamięci RAM komputera."));
    m_listy = new DwieListy(List1, List2, Command1, Command2, this);

    auto* czas = new QGridLayout;
    czas->addWidget(Label1, 0, 0);
    czas->addWidget(Combo1, 0, 1);
    czas->addWidget(Label2, 0, 2);
    czas->addWidget(Combo2, 0, 3);
    czas->addWidget(Label3, 1, 0, 1, 3, Qt::AlignRight);
    czas->addWidget(Combo3, 1, 3);

    auto* przyciski = new QVBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(Command1);
    przyciski->addWidget(Command2);
    przyciski->addStretch();

    auto* uklad = new QGridLayout(this);
    uklad->addLayout(czas, 0, 0, 1, 3);
    uklad->addWidget(Label4_0, 1, 0);
    uklad->addWidget(Label4_1, 1, 2);
    uklad->addWidget(List1, 2, 0);
    uklad->addLayout(przyciski, 2, 1);
    uklad->addWidget(List2, 2, 2);
    uklad->addWidget(Command3, 3, 0, 1, 3, Qt::AlignHCenter);

    connect(Command3, &QPushButton::clicked, this, &EdytorAutoUzbrajania::zapiszZmiany);
    DispListeStref();
    czyscStatusPoZamknieciu(this, m);
}

void EdytorAutoUzbrajania::DispListeStref()
{
    const QList<int> uzbrajane = czytajAutoUzbrajanie(m.Obraz).strefy;
    QList<int> wszystkie;
    for (int z = 1; z <= Konfiguracja::LiczbaStref; ++z)
        wszystkie.append(z);
    m_listy->wypelnij(wszystkie, [&](int z) { return uzbrajane.contains(z); });
}

void EdytorAutoUzbrajania::zapiszZmiany()
{
    if (Komunikaty::pytanie(this, Pytanie))
        ZapiszAuto();
}

void EdytorAutoUzbrajania::ZapiszAuto()
{
    AutoUzbrajanie a;
    a.godzina = liczbaPola(Combo1);
    a.minuta = liczbaPola(Combo2);
    a.cichyAlarm = liczbaPola(Combo3);
    a.strefy = m_listy->czlonkowie();
    zapiszAutoUzbrajanie(m.Obraz, a);
    m.zglosKonfiguracje();
}

void pokazEdytorAutoUzbrajania(Module1& m, QWidget* rodzic)
{
    static QPointer<EdytorAutoUzbrajania> okno;
    pokazJedno(okno, m, rodzic, Status, [&] { return new EdytorAutoUzbrajania(m, rodzic); });
}

} // namespace zr05
