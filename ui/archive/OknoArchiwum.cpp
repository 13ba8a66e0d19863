#include "OknoArchiwum.h"
#include "Drukarka.h"
#include "Komunikaty.h"
#include "Module1.h"
#include "Sprawdzenia.h"
#include "access/PrzerwaniePrzesylania.h"
#include "archive/PobieranieArchiwum.h"
#include "archive/WidokArchiwum.h"
#include "archive/WydrukArchiwum.h"
#include "main/Klepsydra.h"
#include "main/OknaPomocnicze.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zr05
{

namespace
{
QStringList liczby(int od, int doIlu, int cyfr)
{
    QStringList l;
    for (int i = od; i <= doIlu; ++i)
        l.append(QStringLiteral("%1").arg(i, cyfr, 10, QLatin1Char('0')));
    return l;
}

QPushButton* przycisk(const QString& nazwa, const QString& napis, const QString& podpowiedz,
                      QWidget* rodzic)
{
    auto* p = new QPushButton(napis, rodzic);
    p->setObjectName(nazwa);
    p->setToolTip(podpowiedz);
    return p;
}

QStringList teksty(const std::array<QComboBox*, 5>& pola)
{
    QStringList l;
    for (const QComboBox* c : pola)
        l.append(c->currentText());
    return l;
}
} // namespace

OknoArchiwum::OknoArchiwum(Module1& modul, PobieranieArchiwum& pobieranie,
                           const Przesylanie* przesylanie, const QDateTime& teraz, QWidget* parent)
    : QWidget(parent, Qt::Window), m(modul), m_pobieranie(&pobieranie), m_przesylanie(przesylanie)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Archiwum zdarzeń i alarmów"));
    czyscStatusPoZamknieciu(this, m);

    auto* ramkaRodzaju = new QGroupBox(this);
    ramkaRodzaju->setObjectName(QStringLiteral("Frame1"));
    auto* napisArchiwum = new QLabel(QStringLiteral("Archiwum:"), ramkaRodzaju);
    napisArchiwum->setObjectName(QStringLiteral("Label5"));
    m_rodzajArchiwum[0] = new QRadioButton(QStringLiteral("Zdarzeń"), ramkaRodzaju);
    m_rodzajArchiwum[0]->setObjectName(QStringLiteral("Option1_0"));
    m_rodzajArchiwum[1] = new QRadioButton(QStringLiteral("Alarmów"), ramkaRodzaju);
    m_rodzajArchiwum[1]->setObjectName(QStringLiteral("Option1_1"));
    auto* grupa = new QButtonGroup(this);
    grupa->addButton(m_rodzajArchiwum[0], 0);
    grupa->addButton(m_rodzajArchiwum[1], 1);
    auto* ukladOpcji = new QHBoxLayout(ramkaRodzaju);
    ukladOpcji->addWidget(napisArchiwum);
    ukladOpcji->addWidget(m_rodzajArchiwum[0]);
    ukladOpcji->addWidget(m_rodzajArchiwum[1]);
    pokazOpcje(pobieranie.alarmy());
    connect(m_rodzajArchiwum[1], &QRadioButton::toggled, this, [this](bool alarmy) {
        if (m_pobieranie)
            m_pobieranie->ustawAlarmy(alarmy);
    });
    connect(&pobieranie, &PobieranieArchiwum::alarmyZmienione, this, &OknoArchiwum::pokazOpcje);
    // The answers of a running download belong to the archive it was started for.
    const auto zablokujOpcje = [this](bool trwa) {
        for (QRadioButton* opcja : m_rodzajArchiwum)
            opcja->setEnabled(!trwa);
    };
    zablokujOpcje(pobieranie.trwa());
    connect(&pobieranie, &PobieranieArchiwum::trwaZmienione, this, zablokujOpcje);

    QWidget* ramkaOd = utworzRamkeCzasu(
        QStringLiteral("Frame3"), QStringLiteral("Od:"),
        QStringLiteral("Od kiedy ma być pobierane, wyświetlane lub drukowane archiwum"), m_polaOd,
        nullptr);
    QWidget* ramkaDo = utworzRamkeCzasu(
        QStringLiteral("Frame4"), QStringLiteral("Do:"),
        QStringLiteral("Do kiedy ma być pobierane, wyświetlane lub drukowane archiwum"), m_polaDo,
        &teraz);
    for (int i = 0; i < 5; ++i) {
        m_polaOd[i]->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        m_polaDo[i]->setObjectName(QStringLiteral("Combo2_%1").arg(i));
    }

    auto* ramkaPobierania = new QGroupBox(QStringLiteral("Pobieranie archiwum z centralki:"), this);
    ramkaPobierania->setObjectName(QStringLiteral("Frame5"));
    auto* przyciskPobierz =
        przycisk(QStringLiteral("Command1"), QStringLiteral("Pobierz"),
                 QStringLiteral("Pobierz z centrali archiwum  zdarzeń lub alarmó od dnia do dnia."),
                 ramkaPobierania);
    auto* napisPobrano = new QLabel(QStringLiteral("Pobrano:"), ramkaPobierania);
    napisPobrano->setObjectName(QStringLiteral("Label4"));
    m_licznik = new QLineEdit(ramkaPobierania);
    m_licznik->setObjectName(QStringLiteral("Text2"));
    m_licznik->setReadOnly(true);
    m_licznik->setToolTip(QStringLiteral("Ilość pobranych z centralki zdarzeń lub alarmów"));
    m_licznik->setText(pobieranie.licznik());
    connect(&pobieranie, &PobieranieArchiwum::licznikZmieniony, m_licznik, &QLineEdit::setText);
    auto* przyciskPrzerwij =
        przycisk(QStringLiteral("Command4"), QStringLiteral("Przerwij"),
                 QStringLiteral("Przerwij pobieranie archiwum z centralki"), ramkaPobierania);
    auto* ukladPobierania = new QHBoxLayout(ramkaPobierania);
    ukladPobierania->addWidget(przyciskPobierz);
    ukladPobierania->addWidget(napisPobrano);
    ukladPobierania->addWidget(m_licznik);
    ukladPobierania->addWidget(przyciskPrzerwij);

    auto* przyciskWyswietl = przycisk(
        QStringLiteral("Command2"), QStringLiteral("Wyświetl"),
        QStringLiteral("Wyświetl zdarzenia lub alarmy z wyspecyfikowanego przedziału czasu"), this);
    auto* przyciskDrukuj = przycisk(
        QStringLiteral("Command3"), QStringLiteral("Drukuj"),
        QStringLiteral("Drukuj zdarzenia lub alarmy z wyspecyfikowanego przedziału czasu"), this);

    auto* ramkaTekstu = new QGroupBox(this);
    ramkaTekstu->setObjectName(QStringLiteral("Frame2"));
    m_tekstArchiwum = new QPlainTextEdit(ramkaTekstu);
    m_tekstArchiwum->setObjectName(QStringLiteral("Text1"));
    m_tekstArchiwum->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_tekstArchiwum->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_tekstArchiwum->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* ukladTekstu = new QVBoxLayout(ramkaTekstu);
    ukladTekstu->addWidget(m_tekstArchiwum);

    connect(przyciskPobierz, &QPushButton::clicked, this, &OknoArchiwum::pobierzArchiwum);
    connect(przyciskWyswietl, &QPushButton::clicked, this, &OknoArchiwum::wyswietlZakres);
    connect(przyciskDrukuj, &QPushButton::clicked, this, &OknoArchiwum::drukujZakres);
    connect(przyciskPrzerwij, &QPushButton::clicked, this, &OknoArchiwum::przerwijPobieranie);
    connect(&pobieranie, &PobieranieArchiwum::zakonczone, this, &OknoArchiwum::Wyswietl);

    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(przyciskWyswietl);
    przyciski->addWidget(przyciskDrukuj);
    przyciski->addStretch();
    auto* uklad = new QGridLayout(this);
    uklad->addWidget(ramkaRodzaju, 0, 0);
    uklad->addWidget(ramkaPobierania, 0, 1);
    uklad->addWidget(ramkaOd, 1, 0);
    uklad->addWidget(ramkaDo, 1, 1);
    uklad->addLayout(przyciski, 2, 0, 1, 2);
    uklad->addWidget(ramkaTekstu, 3, 0, 1, 2);
    uklad->setRowStretch(3, 1);
    resize(720, 480);
}

QWidget* OknoArchiwum::utworzRamkeCzasu(const QString& nazwa, const QString& tytul,
                                        const QString& podpowiedz, std::array<QComboBox*, 5>& pola,
                                        const QDateTime* poczatkowo)
{
    auto* ramka = new QGroupBox(tytul, this);
    ramka->setObjectName(nazwa);
    ramka->setToolTip(podpowiedz);
    const std::array<QStringList, 5> listy = {liczby(2000, 2099, 4), liczby(1, 12, 2),
                                              liczby(1, 31, 2), liczby(0, 23, 2), liczby(0, 59, 2)};
    for (int i = 0; i < 5; ++i) {
        pola[i] = new QComboBox(ramka);
        pola[i]->addItems(listy[i]);
        pola[i]->setEditable(false);
    }
    if (poczatkowo) {
        const QDate d = poczatkowo->date();
        const QTime t = poczatkowo->time();
        const std::array<int, 5> wartosci = {d.year(), d.month(), d.day(), t.hour(), t.minute()};
        for (int i = 0; i < 5; ++i) {
            // A clock outside the lists keeps the first item.
            const int indeks = pola[i]->findText(
                QStringLiteral("%1").arg(wartosci[i], i == 0 ? 4 : 2, 10, QLatin1Char('0')));
            if (indeks >= 0)
                pola[i]->setCurrentIndex(indeks);
        }
    }
    auto* uklad = new QHBoxLayout(ramka);
    uklad->addWidget(new QLabel(QStringLiteral("Dnia:"), ramka));
    uklad->addWidget(pola[0]);
    uklad->addWidget(pola[1]);
    uklad->addWidget(pola[2]);
    uklad->addWidget(new QLabel(QStringLiteral("Godziny:"), ramka));
    uklad->addWidget(pola[3]);
    uklad->addWidget(new QLabel(QStringLiteral(":"), ramka));
    uklad->addWidget(pola[4]);
    return ramka;
}

void OknoArchiwum::pokazOpcje(bool alarmy)
{
    m_rodzajArchiwum[alarmy ? 1 : 0]->setChecked(true);
}

void OknoArchiwum::pokazAlarmy()
{
    setWindowTitle(QStringLiteral("Historia alarmów"));
    if (m_pobieranie)
        m_pobieranie->ustawAlarmy(true);
}

QStringList OknoArchiwum::polaOd() const
{
    return teksty(m_polaOd);
}

QStringList OknoArchiwum::polaDo() const
{
    return teksty(m_polaDo);
}

void OknoArchiwum::pobierzArchiwum()
{
    if (!m_pobieranie)
        return;
    // The window may have stayed open after the user logged out.
    if (const auto odmowa = sprawdzUzytkownika(m)) {
        Komunikaty::info(this, *odmowa);
        return;
    }
    if (m_przesylanie && !potwierdzPrzerwaniePrzesylania(*m_przesylanie, this))
        return;
    Klepsydra klepsydra;
    const KluczCzasu od = kluczZPol(polaOd());
    m_pobieranie->pobierz(Bajt(od[2]), Bajt(od[1]), Bajt(od[0]));
}

void OknoArchiwum::przerwijPobieranie()
{
    if (!m_pobieranie)
        return;
    Klepsydra klepsydra;
    m_pobieranie->przerwij();
}

void OknoArchiwum::wyswietlZakres()
{
    Klepsydra klepsydra;
    Wyswietl();
}

void OknoArchiwum::Wyswietl()
{
    const bool alarmy = m_pobieranie && m_pobieranie->alarmy();
    QString tekst =
        linieZakresu(m, alarmy, kluczZPol(polaOd()), kluczZPol(polaDo())).join(QString());
    tekst.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_tekstArchiwum->setPlainText(tekst);
}

void OknoArchiwum::drukujZakres()
{
    const bool alarmy = m_pobieranie && m_pobieranie->alarmy();
    Drukarka::drukuj(
        [alarmy, linie = linieZakresu(m, alarmy, kluczZPol(polaOd()), kluczZPol(polaDo()))] {
            return wydrukArchiwum(alarmy, linie);
        },
        this, alarmy ? QStringLiteral("archiwum-alarmow") : QStringLiteral("archiwum-zdarzen"));
}

void OknoArchiwum::closeEvent(QCloseEvent* e)
{
    if (m_pobieranie)
        m_pobieranie->oknoZamkniete();
    QWidget::closeEvent(e);
}

OknoArchiwum* pokazOknoArchiwum(Module1& m, PobieranieArchiwum& pobieranie,
                                const Przesylanie& przesylanie, bool alarmy, QWidget* rodzic)
{
    OknoArchiwum* okno = nullptr;
    // A closed window may still wait for its deletion; it does not count.
    if (rodzic)
        for (OknoArchiwum* f :
             rodzic->findChildren<OknoArchiwum*>(QString(), Qt::FindDirectChildrenOnly))
            if (f->isVisible())
                okno = f;
    if (!okno) {
        okno = new OknoArchiwum(m, pobieranie, &przesylanie, QDateTime::currentDateTime(), rodzic);
        urzadzOknoPomocnicze(okno);
    }
    okno->show();
    okno->raise();
    okno->activateWindow();
    if (alarmy)
        okno->pokazAlarmy();
    return okno;
}

} // namespace zr05
