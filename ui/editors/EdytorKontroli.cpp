#include "EdytorKontroli.h"
#include "DwieListy.h"
#include "Komunikaty.h"
#include "Module1.h"
#include "editors/KontroleStraznikow.h"
#include "main/OknaPomocnicze.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace zr05
{

namespace
{
const QString Tytul = QStringLiteral("Parametry kontroli strażników");
const QString Status = QStringLiteral("Programowanie parametrów kontroli strażników.");
const QString Pytanie = QStringLiteral("Czy zapisać zmiany w parametrach kontroli strażników ?");
const QString Maksimum =
    QStringLiteral("Maksymalna ilość kontroli wynosi 24. Nie można już dodać nowej kontroli");

template <typename T> T* nazwany(T* w, const char* nazwa, const QString& podpowiedz = {})
{
    w->setObjectName(QLatin1String(nazwa));
    if (!podpowiedz.isEmpty())
        w->setToolTip(podpowiedz);
    return w;
}

QStringList liczby(int od, int doLiczby, bool dwieCyfry)
{
    QStringList l;
    for (int i = od; i <= doLiczby; ++i)
        l << (dwieCyfry ? DwieListy::dwieCyfry(i) : QString::number(i));
    return l;
}

QComboBox* lista(const char* nazwa, QWidget* rodzic, const QString& podpowiedz = {})
{
    return nazwany(new QComboBox(rodzic), nazwa, podpowiedz);
}

// The box shows the value as its item `wartosc - pierwsza`; a value it has no item for
// leaves it blank, and saving then keeps the stored byte.
void pokaz(QComboBox* c, const std::optional<int>& wartosc, int pierwsza)
{
    c->setCurrentIndex(wartosc ? *wartosc - pierwsza : -1);
}

std::optional<int> wybrane(const QComboBox* c, int pierwsza)
{
    if (c->currentIndex() < 0)
        return std::nullopt;
    return c->currentIndex() + pierwsza;
}
} // namespace

EdytorKontroli::EdytorKontroli(Module1& modul, QWidget* parent)
    : QWidget(parent, Qt::Window), m(modul)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(Tytul);
    zbuduj();

    m_straznicy = new DwieListy(List1, List2, Command2, Command3, this);
    connect(Command1, &QPushButton::clicked, this, &EdytorKontroli::dodajNowaKontrole);
    connect(Command4, &QPushButton::clicked, this, &EdytorKontroli::zapiszZmiany);
    connect(Command5, &QPushButton::clicked, this, &EdytorKontroli::usunWybranaKontrole);

    // Load: the defined controls are listed, none is chosen.
    for (int n : zdefiniowaneKontrole(m.Obraz)) {
        Combo1->addItem(QString::number(n));
        ++liczba;
    }
    pokazRamki(liczba > 0);
    Combo2->addItems(liczby(0, GodzinaWolnegoRekordu, true));
    Combo3->addItems(liczby(0, 59, true));
    Combo4->addItems(liczby(1, 10, true));
    Combo5->addItems(liczby(1, 8, false));
    for (QComboBox* c : {Combo1, Combo2, Combo3, Combo4, Combo5})
        c->setCurrentIndex(-1);

    connect(Combo1, &QComboBox::currentIndexChanged, this, &EdytorKontroli::NowyNrKon);
    connect(Combo1, &QComboBox::activated, this, &EdytorKontroli::NowyNrKon);
}

void EdytorKontroli::zbuduj()
{
    Combo1 = lista("Combo1", this, QStringLiteral("Wybór numeru kontroli"));
    auto* Label1 = nazwany(new QLabel(QStringLiteral("Numer kontroli"), this), "Label1");
    Command1 = nazwany(new QPushButton(QStringLiteral("Dodaj nową kontrolę"), this), "Command1");
    Command5 = nazwany(new QPushButton(QStringLiteral("Usuń tę kontrolę"), this), "Command5");

    Frame1 = nazwany(new QGroupBox(QStringLiteral("Czas kontroli:"), this), "Frame1");
    Combo2 = lista("Combo2", Frame1);
    Combo3 = lista("Combo3", Frame1);
    Combo4 = lista("Combo4", Frame1);
    auto* czas = new QGridLayout(Frame1);
    czas->addWidget(nazwany(new QLabel(QStringLiteral("Godzina:"), Frame1), "Label2"), 0, 0);
    czas->addWidget(nazwany(new QLabel(QStringLiteral("Minuta:"), Frame1), "Label3"), 0, 2);
    czas->addWidget(nazwany(new QLabel(QStringLiteral("Tolerancja:"), Frame1), "Label4"), 0, 4);
    czas->addWidget(Combo2, 1, 0);
    czas->addWidget(nazwany(new QLabel(QStringLiteral(":"), Frame1), "Label5"), 1, 1);
    czas->addWidget(Combo3, 1, 2);
    czas->addWidget(Combo4, 1, 4);
    czas->addWidget(nazwany(new QLabel(QStringLiteral("[min]"), Frame1), "Label6"), 1, 5);

    Frame2 = nazwany(new QGroupBox(QStringLiteral("Wykonujący kontrole:"), this), "Frame2");
    Combo5 = lista("Combo5", Frame2);
    List1 = nazwany(new QListWidget(Frame2), "List1");
    List2 = nazwany(new QListWidget(Frame2), "List2");
    Command2 = nazwany(new QPushButton(QStringLiteral("<="), Frame2), "Command2");
    Command3 = nazwany(new QPushButton(QStringLiteral("=>"), Frame2), "Command3");
    auto* przyciski = new QVBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(Command2);
    przyciski->addWidget(Command3);
    przyciski->addStretch(1);
    auto* wykonujacy = new QGridLayout(Frame2);
    wykonujacy->addWidget(
        nazwany(new QLabel(QStringLiteral("Z klawiatury numer:"), Frame2), "Label7"), 0, 0);
    wykonujacy->addWidget(Combo5, 0, 1);
    wykonujacy->addWidget(nazwany(new QLabel(QStringLiteral("Strażnicy:"), Frame2), "Label8"), 1,
                          0);
    wykonujacy->addWidget(List1, 2, 0);
    wykonujacy->addLayout(przyciski, 2, 1);
    wykonujacy->addWidget(List2, 2, 2);

    Command4 = nazwany(new QPushButton(QStringLiteral("ZAPISZ  ZMIANY"), this), "Command4",
                       QStringLiteral("Zapisz wprowadzone zmiany do odpowiednich rejestrów "
                                      "pamięci RAM komputera."));

    auto* wybor = new QHBoxLayout;
    wybor->addWidget(Label1);
    wybor->addWidget(Combo1);
    wybor->addStretch(1);
    wybor->addWidget(Command1);
    wybor->addWidget(Command5);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(wybor);
    uklad->addWidget(Frame1);
    uklad->addWidget(Frame2, 1);
    uklad->addWidget(Command4, 0, Qt::AlignRight);
    resize(460, 420);
}

void EdytorKontroli::pokazRamki(bool tak)
{
    Frame1->setVisible(tak);
    Frame2->setVisible(tak);
}

QList<int> EdytorKontroli::wymienione() const
{
    QList<int> n;
    for (int i = 0; i < Combo1->count(); ++i)
        n << Combo1->itemText(i).toInt();
    return n;
}

void EdytorKontroli::wybierz(int indeks)
{
    {
        const QSignalBlocker cisza(Combo1);
        Combo1->setCurrentIndex(indeks);
    }
    NowyNrKon();
}

void EdytorKontroli::NowyNrKon()
{
    bool ok = false;
    const int n = Combo1->currentText().toInt(&ok);
    N = ok && n >= 1 && n <= Konfiguracja::LiczbaKontroli ? n : 0;
    if (N == 0) {
        for (QComboBox* c : {Combo2, Combo3, Combo4, Combo5})
            c->setCurrentIndex(-1);
        m_straznicy->wyczysc();
        return;
    }
    const UstawieniaKontroli u = czytajKontrole(m.Obraz, N);
    pokaz(Combo5, u.klawiatura, 1);
    pokaz(Combo2, u.godzina, 0);
    pokaz(Combo3, u.minuta, 0);
    pokaz(Combo4, u.tolerancja, 1);
    DispListeStraz();
}

void EdytorKontroli::DispListeStraz()
{
    const QList<int> straznicy = czytajKontrole(m.Obraz, N).straznicy;
    QList<int> wszyscy;
    for (int g = 1; g <= LiczbaStraznikow; ++g)
        wszyscy << g;
    m_straznicy->wypelnij(wszyscy, [&straznicy](int g) { return straznicy.contains(g); });
}

void EdytorKontroli::ZapiszKontrole()
{
    UstawieniaKontroli u;
    u.klawiatura = wybrane(Combo5, 1);
    u.godzina = wybrane(Combo2, 0);
    u.minuta = wybrane(Combo3, 0);
    u.tolerancja = wybrane(Combo4, 1);
    u.straznicy = m_straznicy->czlonkowie();
    zapiszKontrole(m.Obraz, N, u);
}

void EdytorKontroli::dodajNowaKontrole()
{
    const std::optional<int> nowy = numerNowejKontroli(wymienione());
    if (liczba >= Konfiguracja::LiczbaKontroli || !nowy) {
        Komunikaty::info(this, Maksimum);
        return;
    }
    ++liczba;
    Combo1->addItem(QString::number(*nowy));
    wybierz(Combo1->count() - 1);
    pokazRamki(true);
}

void EdytorKontroli::usunWybranaKontrole()
{
    // Nothing is deleted while no control is chosen.
    const int indeks = Combo1->currentIndex();
    if (liczba <= 0 || N == 0 || indeks < 0)
        return;
    usunKontrole(m.Obraz, N);
    {
        const QSignalBlocker cisza(Combo1);
        Combo1->removeItem(indeks);
    }
    --liczba;
    if (Combo1->count() > 0) {
        // The control now at the removed one's place, or the new last one.
        wybierz(qMin(indeks, Combo1->count() - 1));
    } else {
        wybierz(-1);
        pokazRamki(false);
    }
}

void EdytorKontroli::zapiszZmiany()
{
    // With no control chosen there is nothing to save.
    if (N == 0)
        return;
    if (Komunikaty::pytanie(this, Pytanie))
        ZapiszKontrole();
}

void pokazEdytorKontroli(Module1& m, QWidget* rodzic)
{
    static QPointer<EdytorKontroli> okno;
    pokazJedno(okno, m, rodzic, Status, [&] {
        auto* nowe = new EdytorKontroli(m, rodzic);
        czyscStatusPoZamknieciu(nowe, m);
        return nowe;
    });
}

} // namespace zr05
