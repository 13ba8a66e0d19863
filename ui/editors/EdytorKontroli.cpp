#include "EdytorKontroli.h"
#include "DwieListy.h"
#include "Komunikaty.h"
#include "Module1.h"
#include "Nazwany.h"
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

    m_straznicy = new DwieListy(m_wybraniStraznicy, m_pozostaliStraznicy, m_przyciskDoLewej,
                                m_przyciskDoPrawej, this);
    connect(m_przyciskDodaj, &QPushButton::clicked, this, &EdytorKontroli::dodajNowaKontrole);
    connect(m_przyciskZapisz, &QPushButton::clicked, this, &EdytorKontroli::zapiszZmiany);
    connect(m_przyciskUsun, &QPushButton::clicked, this, &EdytorKontroli::usunWybranaKontrole);

    m_godzina->addItems(liczby(0, GodzinaWolnegoRekordu, true));
    m_minuta->addItems(liczby(0, 59, true));
    m_tolerancja->addItems(liczby(1, 10, true));
    m_klawiatura->addItems(liczby(1, 8, false));
    wypiszKontrole();

    connect(m_wyborKontroli, &QComboBox::currentIndexChanged, this, &EdytorKontroli::NowyNrKon);
    connect(m_wyborKontroli, &QComboBox::activated, this, &EdytorKontroli::NowyNrKon);
    // A configuration loaded while the window is open: its controls, as at opening, so no
    // number is handed out that the new image already uses.
    connect(&m, &Module1::konfiguracjaWczytana, this, &EdytorKontroli::wypiszKontrole);
}

void EdytorKontroli::wypiszKontrole()
{
    // The defined controls are listed, none is chosen.
    {
        const QSignalBlocker cisza(m_wyborKontroli);
        m_wyborKontroli->clear();
        liczba = 0;
        for (int n : zdefiniowaneKontrole(m.Obraz)) {
            m_wyborKontroli->addItem(QString::number(n));
            ++liczba;
        }
    }
    pokazRamki(liczba > 0);
    wybierz(-1);
}

void EdytorKontroli::zbuduj()
{
    m_wyborKontroli = lista("Combo1", this, QStringLiteral("Wybór numeru kontroli"));
    // Wide enough to read "24" beside the arrow in any style.
    m_wyborKontroli->setMinimumContentsLength(4);
    m_wyborKontroli->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* napisNumeru = nazwany(new QLabel(QStringLiteral("Numer kontroli"), this), "Label1");
    m_przyciskDodaj =
        nazwany(new QPushButton(QStringLiteral("Dodaj nową kontrolę"), this), "Command1");
    m_przyciskUsun = nazwany(new QPushButton(QStringLiteral("Usuń tę kontrolę"), this), "Command5");

    m_ramkaCzasu = nazwany(new QGroupBox(QStringLiteral("Czas kontroli:"), this), "Frame1");
    m_godzina = lista("Combo2", m_ramkaCzasu);
    m_minuta = lista("Combo3", m_ramkaCzasu);
    m_tolerancja = lista("Combo4", m_ramkaCzasu);
    auto* czas = new QGridLayout(m_ramkaCzasu);
    czas->addWidget(nazwany(new QLabel(QStringLiteral("Godzina:"), m_ramkaCzasu), "Label2"), 0, 0);
    czas->addWidget(nazwany(new QLabel(QStringLiteral("Minuta:"), m_ramkaCzasu), "Label3"), 0, 2);
    czas->addWidget(nazwany(new QLabel(QStringLiteral("Tolerancja:"), m_ramkaCzasu), "Label4"), 0,
                    4);
    czas->addWidget(m_godzina, 1, 0);
    czas->addWidget(nazwany(new QLabel(QStringLiteral(":"), m_ramkaCzasu), "Label5"), 1, 1);
    czas->addWidget(m_minuta, 1, 2);
    czas->addWidget(m_tolerancja, 1, 4);
    czas->addWidget(nazwany(new QLabel(QStringLiteral("[min]"), m_ramkaCzasu), "Label6"), 1, 5);

    m_ramkaWykonujacych =
        nazwany(new QGroupBox(QStringLiteral("Wykonujący kontrole:"), this), "Frame2");
    m_klawiatura = lista("Combo5", m_ramkaWykonujacych);
    m_wybraniStraznicy = nazwany(new QListWidget(m_ramkaWykonujacych), "List1");
    m_pozostaliStraznicy = nazwany(new QListWidget(m_ramkaWykonujacych), "List2");
    m_przyciskDoLewej =
        nazwany(new QPushButton(QStringLiteral("<="), m_ramkaWykonujacych), "Command2");
    m_przyciskDoPrawej =
        nazwany(new QPushButton(QStringLiteral("=>"), m_ramkaWykonujacych), "Command3");
    auto* przyciski = new QVBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(m_przyciskDoLewej);
    przyciski->addWidget(m_przyciskDoPrawej);
    przyciski->addStretch(1);
    auto* wykonujacy = new QGridLayout(m_ramkaWykonujacych);
    wykonujacy->addWidget(
        nazwany(new QLabel(QStringLiteral("Z klawiatury numer:"), m_ramkaWykonujacych), "Label7"),
        0, 0);
    wykonujacy->addWidget(m_klawiatura, 0, 1);
    wykonujacy->addWidget(
        nazwany(new QLabel(QStringLiteral("Strażnicy:"), m_ramkaWykonujacych), "Label8"), 1, 0);
    wykonujacy->addWidget(m_wybraniStraznicy, 2, 0);
    wykonujacy->addLayout(przyciski, 2, 1);
    wykonujacy->addWidget(m_pozostaliStraznicy, 2, 2);

    m_przyciskZapisz = nazwany(new QPushButton(QStringLiteral("ZAPISZ  ZMIANY"), this), "Command4",
                               QStringLiteral("Zapisz wprowadzone zmiany do odpowiednich rejestrów "
                                              "pamięci RAM komputera."));

    auto* wybor = new QHBoxLayout;
    wybor->addWidget(napisNumeru);
    wybor->addWidget(m_wyborKontroli);
    wybor->addStretch(1);
    wybor->addWidget(m_przyciskDodaj);
    wybor->addWidget(m_przyciskUsun);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(wybor);
    uklad->addWidget(m_ramkaCzasu);
    uklad->addWidget(m_ramkaWykonujacych, 1);
    uklad->addWidget(m_przyciskZapisz, 0, Qt::AlignRight);
    resize(460, 420);
}

void EdytorKontroli::pokazRamki(bool tak)
{
    m_ramkaCzasu->setVisible(tak);
    m_ramkaWykonujacych->setVisible(tak);
}

QList<int> EdytorKontroli::wymienione() const
{
    QList<int> n;
    for (int i = 0; i < m_wyborKontroli->count(); ++i)
        n << m_wyborKontroli->itemText(i).toInt();
    return n;
}

void EdytorKontroli::wybierz(int indeks)
{
    {
        const QSignalBlocker cisza(m_wyborKontroli);
        m_wyborKontroli->setCurrentIndex(indeks);
    }
    NowyNrKon();
}

void EdytorKontroli::NowyNrKon()
{
    bool ok = false;
    const int n = m_wyborKontroli->currentText().toInt(&ok);
    N = ok && n >= 1 && n <= Konfiguracja::LiczbaKontroli ? n : 0;
    if (N == 0) {
        for (QComboBox* c : {m_godzina, m_minuta, m_tolerancja, m_klawiatura})
            c->setCurrentIndex(-1);
        m_straznicy->wyczysc();
        return;
    }
    const UstawieniaKontroli u = czytajKontrole(m.Obraz, N);
    pokaz(m_klawiatura, u.klawiatura, 1);
    pokaz(m_godzina, u.godzina, 0);
    pokaz(m_minuta, u.minuta, 0);
    pokaz(m_tolerancja, u.tolerancja, 1);
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
    u.klawiatura = wybrane(m_klawiatura, 1);
    u.godzina = wybrane(m_godzina, 0);
    u.minuta = wybrane(m_minuta, 0);
    u.tolerancja = wybrane(m_tolerancja, 1);
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
    m_wyborKontroli->addItem(QString::number(*nowy));
    wybierz(m_wyborKontroli->count() - 1);
    pokazRamki(true);
}

void EdytorKontroli::usunWybranaKontrole()
{
    // Nothing is deleted while no control is chosen.
    const int indeks = m_wyborKontroli->currentIndex();
    if (liczba <= 0 || N == 0 || indeks < 0)
        return;
    usunKontrole(m.Obraz, N);
    {
        const QSignalBlocker cisza(m_wyborKontroli);
        m_wyborKontroli->removeItem(indeks);
    }
    --liczba;
    if (m_wyborKontroli->count() > 0) {
        // The control now at the removed one's place, or the new last one.
        wybierz(qMin(indeks, m_wyborKontroli->count() - 1));
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
