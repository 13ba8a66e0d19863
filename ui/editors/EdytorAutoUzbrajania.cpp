#include "EdytorAutoUzbrajania.h"
#include "DwieListy.h"
#include "Komunikaty.h"
#include "Module1.h"
#include "Nazwany.h"
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

QComboBox* pole(const char* nazwa, const QString& podpowiedz, const ListaWyboru& lista,
                QWidget* rodzic)
{
    auto* c = nazwany(new QComboBox(rodzic), nazwa, podpowiedz);
    c->setEditable(false);
    c->addItems(lista.pozycje);
    c->setCurrentIndex(lista.wybrana);
    return c;
}

void ustawPole(QComboBox* c, const ListaWyboru& lista)
{
    c->clear();
    c->addItems(lista.pozycje);
    c->setCurrentIndex(lista.wybrana);
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
    auto* napisGodziny = nazwany(new QLabel(QStringLiteral("Godzina:"), this), "Label1");
    m_godzina = pole("Combo1", QStringLiteral("Godzina automatycznego uzbrojenia stref"),
                     listaWyboru(0, 24, Cyfry::Dwie, a.godzina), this);
    auto* napisMinuty = nazwany(new QLabel(QStringLiteral("Minuta:"), this), "Label2");
    m_minuta = pole("Combo2", QStringLiteral("Minuta automatycznego uzbrojenia stref"),
                    listaWyboru(0, 59, Cyfry::Dwie, a.minuta), this);
    auto* napisCichegoAlarmu =
        nazwany(new QLabel(QStringLiteral("Czas cichego alarmu:"), this), "Label3");
    m_cichyAlarm = pole("Combo3", QStringLiteral("Czas cichego alarmu po automatycznym uzbrojeniu"),
                        listaWyboru(0, 10, Cyfry::Jedna, a.cichyAlarm), this);
    napisGodziny->setBuddy(m_godzina);
    napisMinuty->setBuddy(m_minuta);
    napisCichegoAlarmu->setBuddy(m_cichyAlarm);

    auto* napisUzbrajanych =
        nazwany(new QLabel(QStringLiteral("Strefy uzbrajane automatycznie:"), this), "Label4_0");
    auto* napisPozostalych =
        nazwany(new QLabel(QStringLiteral("Pozostałe strefy:"), this), "Label4_1");
    m_uzbrajane = nazwany(new QListWidget(this), "List1");
    m_pozostale = nazwany(new QListWidget(this), "List2");
    auto* przyciskDoLewej = nazwany(new QPushButton(QStringLiteral("<="), this), "Command1");
    auto* przyciskDoPrawej = nazwany(new QPushButton(QStringLiteral("=>"), this), "Command2");
    auto* przyciskZapisz =
        nazwany(new QPushButton(QStringLiteral("ZAPISZ ZMIANY"), this), "Command3",
                QStringLiteral("Zapisz wprowadzone zmiany do odpowiednich rejestrów "
                               "pamięci RAM komputera."));
    m_listy = new DwieListy(m_uzbrajane, m_pozostale, przyciskDoLewej, przyciskDoPrawej, this);

    auto* czas = new QGridLayout;
    czas->addWidget(napisGodziny, 0, 0);
    czas->addWidget(m_godzina, 0, 1);
    czas->addWidget(napisMinuty, 0, 2);
    czas->addWidget(m_minuta, 0, 3);
    czas->addWidget(napisCichegoAlarmu, 1, 0, 1, 3, Qt::AlignRight);
    czas->addWidget(m_cichyAlarm, 1, 3);

    auto* przyciski = new QVBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(przyciskDoLewej);
    przyciski->addWidget(przyciskDoPrawej);
    przyciski->addStretch();

    auto* uklad = new QGridLayout(this);
    uklad->addLayout(czas, 0, 0, 1, 3);
    uklad->addWidget(napisUzbrajanych, 1, 0);
    uklad->addWidget(napisPozostalych, 1, 2);
    uklad->addWidget(m_uzbrajane, 2, 0);
    uklad->addLayout(przyciski, 2, 1);
    uklad->addWidget(m_pozostale, 2, 2);
    uklad->addWidget(przyciskZapisz, 3, 0, 1, 3, Qt::AlignHCenter);

    connect(przyciskZapisz, &QPushButton::clicked, this, &EdytorAutoUzbrajania::zapiszZmiany);
    connect(&m, &Module1::konfiguracjaWczytana, this, &EdytorAutoUzbrajania::wczytajPonownie);
    DispListeStref();
    czyscStatusPoZamknieciu(this, m);
}

void EdytorAutoUzbrajania::wczytajPonownie()
{
    const AutoUzbrajanie a = czytajAutoUzbrajanie(m.Obraz);
    ustawPole(m_godzina, listaWyboru(0, 24, Cyfry::Dwie, a.godzina));
    ustawPole(m_minuta, listaWyboru(0, 59, Cyfry::Dwie, a.minuta));
    ustawPole(m_cichyAlarm, listaWyboru(0, 10, Cyfry::Jedna, a.cichyAlarm));
    DispListeStref();
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
    a.godzina = liczbaPola(m_godzina);
    a.minuta = liczbaPola(m_minuta);
    a.cichyAlarm = liczbaPola(m_cichyAlarm);
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
