#include "EdytorWyjsc.h"
#include "DwieListy.h"
#include "Komunikaty.h"
#include "Module1.h"
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
const QString Tytul = QStringLiteral("Parametry wyjść OC i Pk");
const QString Status = QStringLiteral("Programowanie parametrów wyjść OC i Pk.");
const QString Pytanie = QStringLiteral("Czy zapisać zmiany w parametrach wyjść OC i Pk ?");
const QString Automatyczne = QStringLiteral("Automatyczne");
const QString Reczne = QStringLiteral("Ręczne");

template <typename T> T* nazwany(T* w, const char* nazwa, const QString& podpowiedz = {})
{
    w->setObjectName(QLatin1String(nazwa));
    if (!podpowiedz.isEmpty())
        w->setToolTip(podpowiedz);
    return w;
}

QComboBox* lista(const char* nazwa, const QStringList& pozycje, const QString& podpowiedz,
                 QWidget* rodzic)
{
    auto* c = nazwany(new QComboBox(rodzic), nazwa, podpowiedz);
    c->addItems(pozycje);
    return c;
}

QStringList cyfry()
{
    QStringList c;
    for (int i = 0; i <= NajwiekszaLiczbaMinut; ++i)
        c << QString::number(i);
    return c;
}

QLabel* etykieta(const char* nazwa, const QString& tekst, QWidget* rodzic)
{
    return nazwany(new QLabel(tekst, rodzic), nazwa);
}

// A number the list cannot show leaves the box blank; saving then keeps the stored byte.
void pokazMinuty(QComboBox* c, const std::optional<int>& minuty)
{
    c->setCurrentIndex(minuty ? *minuty : -1);
}

std::optional<int> wybraneMinuty(const QComboBox* c)
{
    if (c->currentIndex() < 0)
        return std::nullopt;
    return c->currentIndex();
}
} // namespace

EdytorWyjsc::EdytorWyjsc(Module1& modul, QWidget* parent) : QWidget(parent, Qt::Window), m(modul)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(Tytul);
    zbuduj();

    m_zdarzenia = new DwieListy(List1, List2, Command1, Command2, this);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &EdytorWyjsc::NowyOCPk);
    connect(Combo1, &QComboBox::activated, this, &EdytorWyjsc::NowyOCPk);
    connect(Command3, &QPushButton::clicked, this, &EdytorWyjsc::zapiszZmiany);

    // Load: every opening starts on OC-01.
    {
        const QSignalBlocker cisza(Combo1);
        Combo1->addItems(pozycjeWyboruWyjscia());
        Combo1->setCurrentIndex(0);
    }
    NowyOCPk();
}

void EdytorWyjsc::zbuduj()
{
    Combo1 = lista("Combo1", {},
                   QStringLiteral("Wybór wyjścia OC lub Pk dla którego wyświetlane są parametry "
                                  "na tym ekranie"),
                   this);

    Frame1 = nazwany(new QGroupBox(QStringLiteral("OC:"), this), "Frame1");
    Combo2 = lista("Combo2", {QStringLiteral("NO"), QStringLiteral("NC")},
                   QStringLiteral("Typ wyjścia OC"), Frame1);
    Combo3 = lista("Combo3", cyfry(),
                   QStringLiteral("Opóźnienie pojawienia się alarmu na wyjściu OC"), Frame1);
    auto* oc = new QGridLayout(Frame1);
    oc->addWidget(etykieta("Label1", QStringLiteral("NC/NO:"), Frame1), 0, 0);
    oc->addWidget(Combo2, 0, 1);
    oc->addWidget(etykieta("Label2", QStringLiteral("Opóźnienie [min]:"), Frame1), 1, 0);
    oc->addWidget(Combo3, 1, 1);

    Frame2 = nazwany(new QGroupBox(QStringLiteral("Pk:"), this), "Frame2");
    Combo4 = lista("Combo4", {Automatyczne, Reczne},
                   QStringLiteral("Wybór sposobu kasowania alarmu na wyjściu Pk"), Frame2);
    Label4 = etykieta("Label4", QStringLiteral("Czas trwania [min]:"), Frame2);
    Combo5 = lista("Combo5", cyfry(), QStringLiteral("Czas trwania alarmu na wyjściu Pk"), Frame2);
    Combo6 = lista("Combo6", cyfry(),
                   QStringLiteral("Opóźnienie pojawienia się alarmu na wyjściu Pk"), Frame2);
    auto* pk = new QGridLayout(Frame2);
    pk->addWidget(etykieta("Label3", QStringLiteral("Kasowanie:"), Frame2), 0, 0);
    pk->addWidget(Combo4, 0, 1);
    pk->addWidget(Label4, 1, 0);
    pk->addWidget(Combo5, 1, 1);
    pk->addWidget(etykieta("Label5", QStringLiteral("Opóźnienie [min]:"), Frame2), 2, 0);
    pk->addWidget(Combo6, 2, 1);

    auto* Frame3 = nazwany(new QGroupBox(this), "Frame3");
    auto* Label6 = etykieta("Label6", QStringLiteral("Przyporządkowane zdarzenia:"), Frame3);
    Label6->setToolTip(QStringLiteral("Zdarzenia wywołujące alarm na wybranym wyjściu"));
    List1 = nazwany(new QListWidget(Frame3), "List1");
    List2 = nazwany(new QListWidget(Frame3), "List2");
    Command1 = nazwany(new QPushButton(QStringLiteral("<="), Frame3), "Command1");
    Command2 = nazwany(new QPushButton(QStringLiteral("=>"), Frame3), "Command2");
    auto* przyciski = new QVBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(Command1);
    przyciski->addWidget(Command2);
    przyciski->addStretch(1);
    auto* zdarzenia = new QGridLayout(Frame3);
    zdarzenia->addWidget(Label6, 0, 0);
    zdarzenia->addWidget(List1, 1, 0);
    zdarzenia->addLayout(przyciski, 1, 1);
    zdarzenia->addWidget(List2, 1, 2);

    Command3 = nazwany(new QPushButton(QStringLiteral("ZAPISZ ZMIANY"), this), "Command3",
                       QStringLiteral("Zapisz wprowadzone zmiany do odpowiednich rejestrów "
                                      "pamięci RAM komputera."));

    auto* gora = new QHBoxLayout;
    gora->addWidget(Combo1);
    gora->addWidget(Frame1);
    gora->addWidget(Frame2);
    gora->addStretch(1);
    gora->addWidget(Command3);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addWidget(Frame3, 1);
    resize(760, 420);
}

QString EdytorWyjsc::tekstZdarzenia(int e) const
{
    const QString& t = m.Tabele.TabZdarz[e];
    // The lists read the event number back from the first two characters.
    return t.isEmpty() ? DwieListy::dwieCyfry(e) : t;
}

void EdytorWyjsc::NowyOCPk()
{
    m_zdarzenia->wyczysc();
    m_wyjscie = wyjscieZTekstu(Combo1->currentText());
    if (!m_wyjscie)
        return;
    const UstawieniaWyjscia u = czytajWyjscie(m.Obraz, *m_wyjscie);
    if (!m_wyjscie->pk) {
        Frame2->hide();
        Frame1->show();
        Combo2->setCurrentIndex(u.kontaktNO ? 0 : 1);
        pokazMinuty(Combo3, u.opoznienie);
    } else {
        Frame1->hide();
        Frame2->show();
        Combo4->setCurrentIndex(u.kasowanieAutomatyczne ? 0 : 1);
        Label4->setVisible(u.kasowanieAutomatyczne);
        Combo5->setVisible(u.kasowanieAutomatyczne);
        pokazMinuty(Combo5, u.czasAlarmu);
        pokazMinuty(Combo6, u.opoznienie);
    }
    m_zdarzenia->wypelnij(
        zdarzeniaWyjsc(), [&u](int e) { return u.zdarzenia.contains(e); },
        [this](int e) { return tekstZdarzenia(e); });
}

void EdytorWyjsc::ZapiszWyj()
{
    if (!m_wyjscie)
        return;
    UstawieniaWyjscia u;
    u.kontaktNO = Combo2->currentText().endsWith(QLatin1Char('O'));
    u.kasowanieAutomatyczne = Combo4->currentText().startsWith(QLatin1Char('A'));
    u.opoznienie = wybraneMinuty(m_wyjscie->pk ? Combo6 : Combo3);
    u.czasAlarmu = wybraneMinuty(Combo5);
    u.zdarzenia = m_zdarzenia->czlonkowie();
    zapiszWyjscie(m.Obraz, *m_wyjscie, u);
}

void EdytorWyjsc::zapiszZmiany()
{
    if (Komunikaty::pytanie(this, Pytanie))
        ZapiszWyj();
}

void pokazEdytorWyjsc(Module1& m, QWidget* rodzic)
{
    static QPointer<EdytorWyjsc> okno;
    pokazJedno(okno, m, rodzic, Status, [&] {
        auto* nowe = new EdytorWyjsc(m, rodzic);
        czyscStatusPoZamknieciu(nowe, m);
        return nowe;
    });
}

} // namespace zr05
