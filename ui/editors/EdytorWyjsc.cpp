#include "EdytorWyjsc.h"
#include "DwieListy.h"
#include "Komunikaty.h"
#include "Module1.h"
#include "Nazwany.h"
#include "editors/TekstyEdytorow.h"
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

    m_zdarzenia = new DwieListy(m_przypisaneZdarzenia, m_pozostaleZdarzenia, m_przyciskDoLewej,
                                m_przyciskDoPrawej, this);
    connect(m_wyborWyjscia, &QComboBox::currentIndexChanged, this, &EdytorWyjsc::NowyOCPk);
    connect(m_wyborWyjscia, &QComboBox::activated, this, &EdytorWyjsc::NowyOCPk);
    connect(m_przyciskZapisz, &QPushButton::clicked, this, &EdytorWyjsc::zapiszZmiany);
    // A configuration loaded while the window is open: the same output, from the new image.
    connect(&m, &Module1::konfiguracjaWczytana, this, &EdytorWyjsc::NowyOCPk);

    // Load: every opening starts on OC-01.
    {
        const QSignalBlocker cisza(m_wyborWyjscia);
        m_wyborWyjscia->addItems(pozycjeWyboruWyjscia());
        m_wyborWyjscia->setCurrentIndex(0);
    }
    NowyOCPk();
}

void EdytorWyjsc::zbuduj()
{
    m_wyborWyjscia =
        lista("Combo1", {},
              QStringLiteral("Wybór wyjścia OC lub Pk dla którego wyświetlane są parametry "
                             "na tym ekranie"),
              this);

    m_ramkaOC = nazwany(new QGroupBox(QStringLiteral("OC:"), this), "Frame1");
    m_kontakt = lista("Combo2", tekst::Kontakty, QStringLiteral("Typ wyjścia OC"), m_ramkaOC);
    m_opoznienieOC =
        lista("Combo3", cyfry(), QStringLiteral("Opóźnienie pojawienia się alarmu na wyjściu OC"),
              m_ramkaOC);
    auto* oc = new QGridLayout(m_ramkaOC);
    oc->addWidget(etykieta("Label1", QStringLiteral("NC/NO:"), m_ramkaOC), 0, 0);
    oc->addWidget(m_kontakt, 0, 1);
    oc->addWidget(etykieta("Label2", QStringLiteral("Opóźnienie [min]:"), m_ramkaOC), 1, 0);
    oc->addWidget(m_opoznienieOC, 1, 1);

    m_ramkaPk = nazwany(new QGroupBox(QStringLiteral("Pk:"), this), "Frame2");
    m_kasowanie = lista("Combo4", tekst::Kasowania,
                        QStringLiteral("Wybór sposobu kasowania alarmu na wyjściu Pk"), m_ramkaPk);
    m_napisCzasuAlarmu = etykieta("Label4", QStringLiteral("Czas trwania [min]:"), m_ramkaPk);
    m_czasAlarmu =
        lista("Combo5", cyfry(), QStringLiteral("Czas trwania alarmu na wyjściu Pk"), m_ramkaPk);
    m_opoznieniePk =
        lista("Combo6", cyfry(), QStringLiteral("Opóźnienie pojawienia się alarmu na wyjściu Pk"),
              m_ramkaPk);
    auto* pk = new QGridLayout(m_ramkaPk);
    pk->addWidget(etykieta("Label3", QStringLiteral("Kasowanie:"), m_ramkaPk), 0, 0);
    pk->addWidget(m_kasowanie, 0, 1);
    pk->addWidget(m_napisCzasuAlarmu, 1, 0);
    pk->addWidget(m_czasAlarmu, 1, 1);
    pk->addWidget(etykieta("Label5", QStringLiteral("Opóźnienie [min]:"), m_ramkaPk), 2, 0);
    pk->addWidget(m_opoznieniePk, 2, 1);

    auto* ramkaZdarzen = nazwany(new QGroupBox(this), "Frame3");
    auto* napisZdarzen =
        etykieta("Label6", QStringLiteral("Przyporządkowane zdarzenia:"), ramkaZdarzen);
    napisZdarzen->setToolTip(QStringLiteral("Zdarzenia wywołujące alarm na wybranym wyjściu"));
    m_przypisaneZdarzenia = nazwany(new QListWidget(ramkaZdarzen), "List1");
    m_pozostaleZdarzenia = nazwany(new QListWidget(ramkaZdarzen), "List2");
    m_przyciskDoLewej = nazwany(new QPushButton(QStringLiteral("<="), ramkaZdarzen), "Command1");
    m_przyciskDoPrawej = nazwany(new QPushButton(QStringLiteral("=>"), ramkaZdarzen), "Command2");
    auto* przyciski = new QVBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(m_przyciskDoLewej);
    przyciski->addWidget(m_przyciskDoPrawej);
    przyciski->addStretch(1);
    auto* zdarzenia = new QGridLayout(ramkaZdarzen);
    zdarzenia->addWidget(napisZdarzen, 0, 0);
    zdarzenia->addWidget(m_przypisaneZdarzenia, 1, 0);
    zdarzenia->addLayout(przyciski, 1, 1);
    zdarzenia->addWidget(m_pozostaleZdarzenia, 1, 2);

    m_przyciskZapisz = nazwany(new QPushButton(QStringLiteral("ZAPISZ ZMIANY"), this), "Command3",
                               QStringLiteral("Zapisz wprowadzone zmiany do odpowiednich rejestrów "
                                              "pamięci RAM komputera."));

    auto* gora = new QHBoxLayout;
    gora->addWidget(m_wyborWyjscia);
    gora->addWidget(m_ramkaOC);
    gora->addWidget(m_ramkaPk);
    gora->addStretch(1);
    gora->addWidget(m_przyciskZapisz);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addWidget(ramkaZdarzen, 1);
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
    m_wyjscie = wyjscieZTekstu(m_wyborWyjscia->currentText());
    if (!m_wyjscie)
        return;
    const UstawieniaWyjscia u = czytajWyjscie(m.Obraz, *m_wyjscie);
    if (!m_wyjscie->pk) {
        m_ramkaPk->hide();
        m_ramkaOC->show();
        m_kontakt->setCurrentIndex(u.kontaktNO ? 0 : 1);
        pokazMinuty(m_opoznienieOC, u.opoznienie);
    } else {
        m_ramkaOC->hide();
        m_ramkaPk->show();
        m_kasowanie->setCurrentIndex(u.kasowanieAutomatyczne ? 0 : 1);
        m_napisCzasuAlarmu->setVisible(u.kasowanieAutomatyczne);
        m_czasAlarmu->setVisible(u.kasowanieAutomatyczne);
        pokazMinuty(m_czasAlarmu, u.czasAlarmu);
        pokazMinuty(m_opoznieniePk, u.opoznienie);
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
    u.kontaktNO = m_kontakt->currentText().endsWith(QLatin1Char('O'));
    u.kasowanieAutomatyczne = m_kasowanie->currentText().startsWith(QLatin1Char('A'));
    u.opoznienie = wybraneMinuty(m_wyjscie->pk ? m_opoznieniePk : m_opoznienieOC);
    u.czasAlarmu = wybraneMinuty(m_czasAlarmu);
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
