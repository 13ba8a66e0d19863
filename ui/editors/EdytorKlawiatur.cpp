#include "EdytorKlawiatur.h"
#include "Komunikaty.h"
#include "Module1.h"
#include "Nazwany.h"
#include "editors/ListaWyboru.h"
#include "editors/ParametryKlawiatur.h"
#include "editors/TekstyEdytorow.h"
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

void ustawPole(QComboBox* c, const ListaWyboru& lista)
{
    c->clear();
    c->addItems(lista.pozycje);
    c->setCurrentIndex(lista.wybrana);
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

    auto* ramkaUrzadzen = ramka("Frame1", QStringLiteral("Urządzenia pracujące w systemie:"), this);
    auto* napisKlawiatur =
        nazwany(new QLabel(QStringLiteral("Klawiatury:"), ramkaUrzadzen), QStringLiteral("Label1"));
    m_klawiatury = nazwany(new QListWidget(ramkaUrzadzen), QStringLiteral("List1"),
                           QStringLiteral("Wykaz numerów klawiatur pracujących w systemie"));
    auto* napisPodcentral = nazwany(new QLabel(QStringLiteral("Podcentrale:"), ramkaUrzadzen),
                                    QStringLiteral("Label2"));
    m_podcentrale = nazwany(new QListWidget(ramkaUrzadzen), QStringLiteral("List2"),
                            QStringLiteral("Wykaz numerów podcentral pracujących w systemie"));
    for (QListWidget* l : {m_klawiatury, m_podcentrale})
        l->setSelectionMode(QAbstractItemView::NoSelection); // shown only
    auto* urzadzenia = new QGridLayout(ramkaUrzadzen);
    urzadzenia->addWidget(napisKlawiatur, 0, 0);
    urzadzenia->addWidget(napisPodcentral, 0, 1);
    urzadzenia->addWidget(m_klawiatury, 1, 0);
    urzadzenia->addWidget(m_podcentrale, 1, 1);

    auto* ramkaBuzzerow = ramka("Frame2", QStringLiteral("Włączone buzzery w klawiaturach:"), this);
    auto* buzzery = new QHBoxLayout(ramkaBuzzerow);
    for (int i = 0; i < ParametryKlawiatur::LiczbaKlawiatur; ++i) {
        m_buzzery << nazwany(new QCheckBox(QString::number(i + 1), ramkaBuzzerow),
                             QStringLiteral("Check1_%1").arg(i));
        buzzery->addWidget(m_buzzery.last());
    }

    auto* ramkaFunkcji = ramka("Frame4", QStringLiteral("Aktywne funkcje wzywania:"), this);
    auto* funkcje = new QVBoxLayout(ramkaFunkcji);
    for (int i = 0; i < ParametryKlawiatur::LiczbaFunkcji; ++i) {
        m_funkcje << nazwany(new QCheckBox(tekst::FunkcjeWzywania[i], ramkaFunkcji),
                             QStringLiteral("Check2_%1").arg(i));
        funkcje->addWidget(m_funkcje.last());
    }

    auto* ramkaKodow = ramka("Frame3", QStringLiteral("Wprowadzanie kodów:"), this);
    m_kodyJawne = nazwany(new QRadioButton(tekst::WprowadzanieKodow[0], ramkaKodow),
                          QStringLiteral("Option1_0"),
                          QStringLiteral("Wyświetlanie cyfr kodu na wyświetlaczach klawiatur"));
    m_kodyTajne = nazwany(
        new QRadioButton(tekst::WprowadzanieKodow[1], ramkaKodow), QStringLiteral("Option1_1"),
        QStringLiteral("Wyświetlanie gwiazdek zamiast cyfr kodu na wyświetlaczach klawiatur"));
    m_kodyJawne->setChecked(true);
    auto* kody = new QVBoxLayout(ramkaKodow);
    kody->addWidget(m_kodyJawne);
    kody->addWidget(m_kodyTajne);

    const ParametryKlawiatur p = czytajParametryKlawiatur(m.Obraz);
    auto* napisCzasuKodu =
        nazwany(new QLabel(QStringLiteral("Czas wprowadzania kodu [sek]:"), this),
                QStringLiteral("Label3"));
    m_czasKodu = pole("Combo1", QStringLiteral("Maksymalny czas wprowadzania kodu"),
                      listaWyboru(3, 60, Cyfry::Jedna, p.czasKodu), this);
    auto* napisCzasuBlokady =
        nazwany(new QLabel(QStringLiteral("Czas blokady klawiatury [min]:"), this),
                QStringLiteral("Label4"));
    m_czasBlokady =
        pole("Combo2", QStringLiteral("Czas blokady klawiatury po wprowadzeniu błędnego kodu"),
             listaWyboru(1, 99, Cyfry::Jedna, p.czasBlokady), this);
    napisCzasuKodu->setBuddy(m_czasKodu);
    napisCzasuBlokady->setBuddy(m_czasBlokady);

    auto* przyciskZapisz =
        nazwany(new QPushButton(QStringLiteral("ZAPISZ ZMIANY"), this), QStringLiteral("Command1"),
                QStringLiteral("Zapisz wprowadzone zmiany do odpowiednich rejestrów "
                               "pamięci RAM komputera."));

    auto* czasy = new QGridLayout;
    czasy->addWidget(napisCzasuKodu, 0, 0);
    czasy->addWidget(m_czasKodu, 0, 1);
    czasy->addWidget(napisCzasuBlokady, 1, 0);
    czasy->addWidget(m_czasBlokady, 1, 1);

    auto* uklad = new QGridLayout(this);
    uklad->addWidget(ramkaUrzadzen, 0, 0, 2, 1);
    uklad->addWidget(ramkaBuzzerow, 0, 1);
    uklad->addWidget(ramkaFunkcji, 1, 1);
    uklad->addWidget(ramkaKodow, 2, 0);
    uklad->addLayout(czasy, 2, 1);
    uklad->addWidget(przyciskZapisz, 3, 0, 1, 2, Qt::AlignHCenter);

    connect(przyciskZapisz, &QPushButton::clicked, this, &EdytorKlawiatur::zapiszZmiany);
    connect(&m, &Module1::konfiguracjaWczytana, this, &EdytorKlawiatur::wypelnij);
    wypelnij();
    czyscStatusPoZamknieciu(this, m);
}

void EdytorKlawiatur::wypelnij()
{
    const ParametryKlawiatur p = czytajParametryKlawiatur(m.Obraz);
    m_klawiatury->clear();
    m_podcentrale->clear();
    for (int n : p.klawiatury)
        m_klawiatury->addItem(QString::number(n));
    for (int n : p.podcentrale)
        m_podcentrale->addItem(QString::number(n));
    for (int i = 0; i < m_buzzery.size(); ++i)
        m_buzzery[i]->setChecked(p.buzzery[i]);
    for (int i = 0; i < m_funkcje.size(); ++i)
        m_funkcje[i]->setChecked(p.funkcje[i]);
    (p.tajne ? m_kodyTajne : m_kodyJawne)->setChecked(true);
    ustawPole(m_czasKodu, listaWyboru(3, 60, Cyfry::Jedna, p.czasKodu));
    ustawPole(m_czasBlokady, listaWyboru(1, 99, Cyfry::Jedna, p.czasBlokady));
}

void EdytorKlawiatur::zapiszZmiany()
{
    if (Komunikaty::pytanie(this, Pytanie))
        ZapiszSystem();
}

void EdytorKlawiatur::ZapiszSystem()
{
    ParametryKlawiatur p;
    p.klawiatury = numeryUrzadzen(m_klawiatury);
    p.podcentrale = numeryUrzadzen(m_podcentrale);
    for (int i = 0; i < m_buzzery.size(); ++i)
        p.buzzery[i] = m_buzzery[i]->isChecked();
    for (int i = 0; i < m_funkcje.size(); ++i)
        p.funkcje[i] = m_funkcje[i]->isChecked();
    p.tajne = m_kodyTajne->isChecked();
    p.czasKodu = liczbaPozycji(m_czasKodu->currentText()).value_or(m.Obraz.CzasKodu);
    p.czasBlokady = liczbaPozycji(m_czasBlokady->currentText()).value_or(m.Obraz.CzasBlokady);
    zapiszParametryKlawiatur(m.Obraz, p);
    m.zglosKonfiguracje();
}

void pokazEdytorKlawiatur(Module1& m, QWidget* rodzic)
{
    static QPointer<EdytorKlawiatur> okno;
    pokazJedno(okno, m, rodzic, Status, [&] { return new EdytorKlawiatur(m, rodzic); });
}

} // namespace zr05
