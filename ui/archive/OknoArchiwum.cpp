#include "OknoArchiwum.h"
#include "Drukarka.h"
#include "Module1.h"
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

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* Label5 = new QLabel(QStringLiteral("Archiwum:"), Frame1);
    Label5->setObjectName(QStringLiteral("Label5"));
    Option1[0] = new QRadioButton(QStringLiteral("Zdarzeń"), Frame1);
    Option1[0]->setObjectName(QStringLiteral("Option1_0"));
    Option1[1] = new QRadioButton(QStringLiteral("Alarmów"), Frame1);
    Option1[1]->setObjectName(QStringLiteral("Option1_1"));
    auto* grupa = new QButtonGroup(this);
    grupa->addButton(Option1[0], 0);
    grupa->addButton(Option1[1], 1);
    auto* ukladOpcji = new QHBoxLayout(Frame1);
    ukladOpcji->addWidget(Label5);
    ukladOpcji->addWidget(Option1[0]);
    ukladOpcji->addWidget(Option1[1]);
    pokazOpcje(pobieranie.alarmy());
    connect(Option1[1], &QRadioButton::toggled, this, [this](bool alarmy) {
        if (m_pobieranie)
            m_pobieranie->ustawAlarmy(alarmy);
    });
    connect(&pobieranie, &PobieranieArchiwum::alarmyZmienione, this, &OknoArchiwum::pokazOpcje);

    QWidget* Frame3 = utworzRamkeCzasu(
        QStringLiteral("Frame3"), QStringLiteral("Od:"),
        QStringLiteral("Od kiedy ma być pobierane, wyświetlane lub drukowane archiwum"), Combo1,
        nullptr);
    QWidget* Frame4 = utworzRamkeCzasu(
        QStringLiteral("Frame4"), QStringLiteral("Do:"),
        QStringLiteral("Do kiedy ma być pobierane, wyświetlane lub drukowane archiwum"), Combo2,
        &teraz);
    for (int i = 0; i < 5; ++i) {
        Combo1[i]->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        Combo2[i]->setObjectName(QStringLiteral("Combo2_%1").arg(i));
    }

    auto* Frame5 = new QGroupBox(QStringLiteral("Pobieranie archiwum z centralki:"), this);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    auto* Command1 = przycisk(
        QStringLiteral("Command1"), QStringLiteral("Pobierz"),
        QStringLiteral("Pobierz z centrali archiwum  zdarzeń lub alarmó od dnia do dnia."), Frame5);
    auto* Label4 = new QLabel(QStringLiteral("Pobrano:"), Frame5);
    Label4->setObjectName(QStringLiteral("Label4"));
    Text2 = new QLineEdit(Frame5);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setReadOnly(true);
    Text2->setToolTip(QStringLiteral("Ilość pobranych z centralki zdarzeń lub alarmów"));
    Text2->setText(pobieranie.licznik());
    connect(&pobieranie, &PobieranieArchiwum::licznikZmieniony, Text2, &QLineEdit::setText);
    auto* Command4 = przycisk(QStringLiteral("Command4"), QStringLiteral("Przerwij"),
                              QStringLiteral("Przerwij pobieranie archiwum z centralki"), Frame5);
    auto* ukladPobierania = new QHBoxLayout(Frame5);
    ukladPobierania->addWidget(Command1);
    ukladPobierania->addWidget(Label4);
    ukladPobierania->addWidget(Text2);
    ukladPobierania->addWidget(Command4);

    auto* Command2 = przycisk(
        QStringLiteral("Command2"), QStringLiteral("Wyświetl"),
        QStringLiteral("Wyświetl zdarzenia lub alarmy z wyspecyfikowanego przedziału czasu"), this);
    auto* Command3 = przycisk(
        QStringLiteral("Command3"), QStringLiteral("Drukuj"),
        QStringLiteral("Drukuj zdarzenia lub alarmy z wyspecyfikowanego przedziału czasu"), this);

    auto* Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Text1 = new QPlainTextEdit(Frame2);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* ukladTekstu = new QVBoxLayout(Frame2);
    ukladTekstu->addWidget(Text1);

    connect(Command1, &QPushButton::clicked, this, &OknoArchiwum::pobierzArchiwum);
    connect(Command2, &QPushButton::clicked, this, &OknoArchiwum::wyswietlZakres);
    connect(Command3, &QPushButton::clicked, this, &OknoArchiwum::drukujZakres);
    connect(Command4, &QPushButton::clicked, this, &OknoArchiwum::przerwijPobieranie);
    connect(&pobieranie, &PobieranieArchiwum::zakonczone, this, &OknoArchiwum::Wyswietl);

    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(Command2);
    przyciski->addWidget(Command3);
    przyciski->addStretch();
    auto* uklad = new QGridLayout(this);
    uklad->addWidget(Frame1, 0, 0);
    uklad->addWidget(Frame5, 0, 1);
    uklad->addWidget(Frame3, 1, 0);
    uklad->addWidget(Frame4, 1, 1);
    uklad->addLayout(przyciski, 2, 0, 1, 2);
    uklad->addWidget(Frame2, 3, 0, 1, 2);
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
    Option1[alarmy ? 1 : 0]->setChecked(true);
}

void OknoArchiwum::pokazAlarmy()
{
    setWindowTitle(QStringLiteral("Historia alarmów"));
    if (m_pobieranie)
        m_pobieranie->ustawAlarmy(true);
}

QStringList OknoArchiwum::polaOd() const
{
    return teksty(Combo1);
}

QStringList OknoArchiwum::polaDo() const
{
    return teksty(Combo2);
}

void OknoArchiwum::pobierzArchiwum()
{
    if (!m_pobieranie)
        return;
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
    Text1->setPlainText(tekst);
}

void OknoArchiwum::drukujZakres()
{
    Klepsydra klepsydra;
    const bool alarmy = m_pobieranie && m_pobieranie->alarmy();
    Drukarka::drukuj(
        wydrukArchiwum(alarmy, linieZakresu(m, alarmy, kluczZPol(polaOd()), kluczZPol(polaDo()))),
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
    if (!okno)
        okno = new OknoArchiwum(m, pobieranie, &przesylanie, QDateTime::currentDateTime(), rodzic);
    okno->show();
    okno->raise();
    okno->activateWindow();
    if (alarmy)
        okno->pokazAlarmy();
    return okno;
}

} // namespace zr05
