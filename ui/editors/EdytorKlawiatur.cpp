#include "EdytorKlawiatur.h"
#include "Komunikaty.h"
#include "Module1.h"
#include "editors/ListaWyboru.h"
#include "editors/ParametryKlawiatur.h"
#include "main/OknaPomocnicze.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zr05
{

namespace
{
const QString Status = QStringLiteral("Programowanie parametrów systemowych.");
const QString Pytanie = QStringLiteral("Czy zapisać zmiany w parametrach systemowych ?");
const char* const NazwyFunkcji[ParametryKlawiatur::LiczbaFunkcji] = {
    "A - POLICJA", "B - STRAŻ POŻ.", "C - POGOTOWIE", "D - OCHRONA"};

template <typename T> T* nazwany(T* w, const QString& nazwa, const QString& podpowiedz = QString())
{
    w->setObjectName(nazwa);
    w->setToolTip(podpowiedz);
    return w;
}

QGroupBox* ramka(const char* nazwa, const QString& tytul, QWidget* rodzic)
{
    return nazwany(new QGroupBox(tytul, rodzic), QLatin1String(nazwa));
}

QComboBox* pole(const char* nazwa, const QString& podpowiedz, const ListaWyboru& lista,
                QWidget* rodzic)
{
    auto* c = nazwany(new QComboBox(rodzic), QLatin1String(nazwa), podpowiedz);
    c->setEditable(false);
    c->addItems(lista.pozycje);
    c->setCurrentIndex(lista.wybrana);
    return c;
}

// Device numbers of a display list: the number formed by each item's first character.
QList<int> numeryUrzadzen(const QListWidget* l)
{
    QList<int> numery;
    for (int i = 0; i < l->count(); ++i)
        if (const auto n = liczbaPozycji(l->item(i)->text().left(1)))
            numery.append(*n);
    return numery;
}
} // namespace

EdytorKlawiatur::EdytorKlawiatur(Module1& modul, QWidget* parent)
    : QWidget(parent, Qt::Window), m(modul)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Parametry klawiatur"));

    auto* Frame1 = ramka("Frame1", QStringLiteral("Urządzenia pracujące w systemie:"), this);
    auto* Label1 =
        nazwany(new QLabel(QStringLiteral("Klawiatury:"), Frame1), QStringLiteral("Label1"));
    List1 = nazwany(new QListWidget(Frame1), QStringLiteral("List1"),
                    QStringLiteral("Wykaz numerów klawiatur pracujących w systemie"));
    auto* Label2 =
        nazwany(new QLabel(QStringLiteral("Podcentrale:"), Frame1), QStringLiteral("Label2"));
    List2 = nazwany(new QListWidget(Frame1), QStringLiteral("List2"),
                    QStringLiteral("Wykaz numerów podcentral pracujących w systemie"));
    for (QListWidget* l : {List1, List2})
        l->setSelectionMode(QAbstractItemView::NoSelection); // shown only
    auto* urzadzenia = new QGridLayout(Frame1);
    urzadzenia->addWidget(Label1, 0, 0);
    urzadzenia->addWidget(Label2, 0, 1);
    urzadzenia->addWidget(List1, 1, 0);
    urzadzenia->addWidget(List2, 1, 1);

    auto* Frame2 = ramka("Frame2", QStringLiteral("Włączone buzzery w klawiaturach:"), this);
    auto* buzzery = new QHBoxLayout(Frame2);
    for (int i = 0; i < ParametryKlawiatur::LiczbaKlawiatur; ++i) {
        Check1 << nazwany(new QCheckBox(QString::number(i + 1), Frame2),
                          QStringLiteral("Check1_%1").arg(i));
        buzzery->addWidget(Check1.last());
    }

    auto* Frame4 = ramka("Frame4", QStringLiteral("Aktywne funkcje wzywania:"), this);
    auto* funkcje = new QVBoxLayout(Frame4);
    for (int i = 0; i < ParametryKlawiatur::LiczbaFunkcji; ++i) {
        Check2 << nazwany(new QCheckBox(QString::fromUtf8(NazwyFunkcji[i]), Frame4),
                          QStringLiteral("Check2_%1").arg(i));
        funkcje->addWidget(Check2.last());
    }

    auto* Frame3 = ramka("Frame3", QStringLiteral("Wprowadzanie kodów:"), this);
    Option1_0 =
        nazwany(new QRadioButton(QStringLiteral("Jawne"), Frame3), QStringLiteral("Option1_0"),
                QStringLiteral("Wyświetlanie cyfr kodu na wyświetlaczach klawiatur"));
    Option1_1 = nazwany(
        new QRadioButton(QStringLiteral("Tajne"), Frame3), QStringLiteral("Option1_1"),
        QStringLiteral("Wyświetlanie gwiazdek zamiast cyfr kodu na wyświetlaczach klawiatur"));
    Option1_0->setChecked(true);
    auto* kody = new QVBoxLayout(Frame3);
    kody->addWidget(Option1_0);
    kody->addWidget(Option1_1);

    const ParametryKlawiatur p = czytajParametryKlawiatur(m.Obraz);
    auto* Label3 = nazwany(new QLabel(QStringLiteral("Czas wprowadzania kodu [sek]:"), this),
                           QStringLiteral("Label3"));
    Combo1 = pole("Combo1", QStringLiteral("Maksymalny czas wprowadzania kodu"),
                  listaWyboru(3, 60, Cyfry::Jedna, p.czasKodu), this);
    auto* Label4 = nazwany(new QLabel(QStringLiteral("Czas blokady klawiatury [min]:"), this),
                           QStringLiteral("Label4"));
    Combo2 = pole("Combo2", QStringLiteral("Czas blokady klawiatury po wprowadzeniu błędnego kodu"),
                  listaWyboru(1, 99, Cyfry::Jedna, p.czasBlokady), this);
    Label3->setBuddy(Combo1);
    Label4->setBuddy(Combo2);

    auto* Command1 =
        nazwany(new QPushButton(QStringLiteral("ZAPISZ ZMIANY"), this), QStringLiteral("Command1"),
                QStringLiteral("Zapisz wprowadzone zmiany do odpowiednich rejestrów "
                               "pamięci RAM komputera."));

    auto* czasy = new QGridLayout;
    czasy->addWidget(Label3, 0, 0);
    czasy->addWidget(Combo1, 0, 1);
    czasy->addWidget(Label4, 1, 0);
    czasy->addWidget(Combo2, 1, 1);

    auto* uklad = new QGridLayout(this);
    uklad->addWidget(Frame1, 0, 0, 2, 1);
    uklad->addWidget(Frame2, 0, 1);
    uklad->addWidget(Frame4, 1, 1);
    uklad->addWidget(Frame3, 2, 0);
    uklad->addLayout(czasy, 2, 1);
    uklad->addWidget(Command1, 3, 0, 1, 2, Qt::AlignHCenter);

    connect(Command1, &QPushButton::clicked, this, &EdytorKlawiatur::zapiszZmiany);
    wypelnij();
    czyscStatusPoZamknieciu(this, m);
}

void EdytorKlawiatur::wypelnij()
{
    const ParametryKlawiatur p = czytajParametryKlawiatur(m.Obraz);
    for (int n : p.klawiatury)
        List1->addItem(QString::number(n));
    for (int n : p.podcentrale)
        List2->addItem(QString::number(n));
    for (int i = 0; i < Check1.size(); ++i)
        Check1[i]->setChecked(p.buzzery[i]);
    for (int i = 0; i < Check2.size(); ++i)
        Check2[i]->setChecked(p.funkcje[i]);
    if (p.tajne)
        Option1_1->setChecked(true);
}

void EdytorKlawiatur::zapiszZmiany()
{
    if (Komunikaty::pytanie(this, Pytanie))
        ZapiszSystem();
}

void EdytorKlawiatur::ZapiszSystem()
{
    ParametryKlawiatur p;
    p.klawiatury = numeryUrzadzen(List1);
    p.podcentrale = numeryUrzadzen(List2);
    for (int i = 0; i < Check1.size(); ++i)
        p.buzzery[i] = Check1[i]->isChecked();
    for (int i = 0; i < Check2.size(); ++i)
        p.funkcje[i] = Check2[i]->isChecked();
    p.tajne = Option1_1->isChecked();
    p.czasKodu = liczbaPozycji(Combo1->currentText()).value_or(m.Obraz.CzasKodu);
    p.czasBlokady = liczbaPozycji(Combo2->currentText()).value_or(m.Obraz.CzasBlokady);
    zapiszParametryKlawiatur(m.Obraz, p);
    m.zglosKonfiguracje();
}

void pokazEdytorKlawiatur(Module1& m, QWidget* rodzic)
{
    static QPointer<EdytorKlawiatur> okno;
    pokazJedno(okno, m, rodzic, Status, [&] { return new EdytorKlawiatur(m, rodzic); });
}

} // namespace zr05
