#include "EdytorLinii.h"
#include "main/OknaPomocnicze.h"

#include "DwieListy.h"
#include "Komunikaty.h"
#include "Module1.h"
#include "editors/NazwyNietypowe.h"
#include "editors/TekstyEdytorow.h"
#include "main/Klepsydra.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace zr05
{

namespace
{
const QString Tytul = QStringLiteral("Parametry linii dozorowych");
const QString StatusOkna = QStringLiteral("Programowanie parametrów linii dozorowych.");
const QString PytanieZapisu = QStringLiteral("Czy zapisać zmiany w parametrach linii ?");

QStringList liczby(int od, int doo, int cyfry = 1)
{
    QStringList t;
    for (int i = od; i <= doo; ++i)
        t << QStringLiteral("%1").arg(i, cyfry, 10, QLatin1Char('0'));
    return t;
}

QComboBox* lista(QWidget* rodzic, const char* nazwa, const QStringList& pozycje,
                 const QString& podpowiedz = QString())
{
    auto* c = new QComboBox(rodzic);
    c->setObjectName(QLatin1String(nazwa));
    c->addItems(pozycje);
    c->setToolTip(podpowiedz);
    c->setMaxVisibleItems(20);
    return c;
}

// A stored number the list does not hold leaves the box blank (and the byte is kept on save).
void pokazLiczbe(QComboBox* c, int v)
{
    c->setCurrentIndex(v == ParametryLinii::Nieznany ? -1 : c->findText(QString::number(v)));
}

int liczbaZ(const QComboBox* c)
{
    return c->currentIndex() < 0 ? ParametryLinii::Nieznany : c->currentText().toInt();
}

QLabel* etykieta(QWidget* rodzic, const QString& tekst)
{
    return new QLabel(tekst, rodzic);
}
} // namespace

EdytorLinii::EdytorLinii(Module1& modul, QWidget* parent) : QWidget(parent, Qt::Window), m(modul)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(Tytul);
    setAttribute(Qt::WA_DeleteOnClose);
    zbuduj();
    wypelnij();
    connect(&m, &Module1::konfiguracjaWczytana, this, [this] { wypelnij(m_n); });
}

void EdytorLinii::zbuduj()
{
    m_wyborLinii = lista(this, "Combo1", {},
                         QStringLiteral("Numer i nazwa wybranej z listy linii któej parametry "
                                        "przedstawione są na tym ekranie"));
    m_poleNazwy =
        lista(this, "Combo2", {},
              QStringLiteral("Nazwa wybranej linii. Aby ją zmienić należy wybrać dowolną z "
                             "listy."));
    m_poleNazwy->setEditable(true);
    m_poleNazwy->setInsertPolicy(QComboBox::NoInsert);
    m_poleNazwy->setCompleter(nullptr); // names are compared exactly; no case-blind completion
    const QString wartosc = QStringLiteral("Wartość wyświetlana po wybranej nazwie.");
    m_wartosci = {lista(this, "Combo3_0", liczby(0, 99), wartosc),
                  lista(this, "Combo3_1", liczby(0, 99), wartosc)};
    m_przyciskDodajNazwe = new QPushButton(QStringLiteral("Dodaj do listy"), this);
    m_przyciskDodajNazwe->setObjectName(QStringLiteral("Command2"));
    m_przyciskDodajNazwe->setToolTip(
        QStringLiteral("Dodanie do listy nazw nazwy z okna wyżej. Nazwa ta "
                       "zostanie umieszczona na jednej z 32 ostatnich pozycji "
                       "listy."));
    m_przyciskUsunNazwe = new QPushButton(QStringLiteral("Usuń z listy"), this);
    m_przyciskUsunNazwe->setObjectName(QStringLiteral("Command3"));
    m_przyciskUsunNazwe->setToolTip(
        QStringLiteral("Usunięcie z listy wybranej powyżej nazwy. Uwaga: Można "
                       "usunąć tylko jedną z ostatnich 32 nazw."));
    m_strefa =
        lista(this, "Combo4", liczby(1, 10, 2), QStringLiteral("Numer strefy dla wybranej linii."));
    m_rodzaj = lista(this, "Combo5", tekst::RodzajeLinii, QStringLiteral("Rodzaj wybranej linii."));
    m_czulosc = lista(this, "Combo6", tekst::Czulosci, QStringLiteral("Czułość wybranej linii."));
    m_liczbaAlarmow =
        lista(this, "Combo7", liczby(1, 9),
              QStringLiteral("Ilość alarmów na dobę sygnalizowanych przez wybraną linię."));
    m_typ = lista(this, "Combo8", tekst::TypyLinii, QStringLiteral("Typ wybranej linii"));

    m_ramkaCzasow = new QGroupBox(this);
    m_ramkaCzasow->setObjectName(QStringLiteral("Frame1"));
    m_ramkaOpoznien = new QGroupBox(QStringLiteral("Czasy opóźnienia:"), m_ramkaCzasow);
    m_ramkaOpoznien->setObjectName(QStringLiteral("Frame2"));
    m_ramkaWarunku = new QGroupBox(QStringLiteral("Warunek"), m_ramkaCzasow);
    m_ramkaWarunku->setObjectName(QStringLiteral("Frame3"));
    m_opoznienieWejscia = lista(m_ramkaOpoznien, "Combo9", liczby(1, 99));
    m_opoznienieWyjscia = lista(m_ramkaOpoznien, "Combo10", liczby(1, 99));
    m_warunekWejscia = lista(m_ramkaWarunku, "Combo11", liczby(1, 80));
    m_warunekWyjscia = lista(m_ramkaWarunku, "Combo12", liczby(0, 80));
    for (auto [ramka, gora, dol] :
         {std::tuple{m_ramkaOpoznien, m_opoznienieWejscia, m_opoznienieWyjscia},
          std::tuple{m_ramkaWarunku, m_warunekWejscia, m_warunekWyjscia}}) {
        auto* s = new QGridLayout(ramka);
        s->addWidget(etykieta(ramka, QStringLiteral("wejścia:")), 0, 0);
        s->addWidget(gora, 0, 1);
        s->addWidget(etykieta(ramka, QStringLiteral("wyjścia:")), 1, 0);
        s->addWidget(dol, 1, 1);
    }
    auto* s1 = new QVBoxLayout(m_ramkaCzasow);
    s1->addWidget(m_ramkaOpoznien);
    s1->addWidget(m_ramkaWarunku);
    s1->addStretch();

    m_ramkaSzyfrowania = new QGroupBox(this);
    m_ramkaSzyfrowania->setObjectName(QStringLiteral("Frame4"));
    m_szyfrowane = new QListWidget(m_ramkaSzyfrowania);
    m_szyfrowane->setObjectName(QStringLiteral("List1"));
    m_pozostaleLinie = new QListWidget(m_ramkaSzyfrowania);
    m_pozostaleLinie->setObjectName(QStringLiteral("List2"));
    m_przyciskDoLewej = new QPushButton(QStringLiteral("<="), m_ramkaSzyfrowania);
    m_przyciskDoLewej->setObjectName(QStringLiteral("Command1"));
    m_przyciskDoPrawej = new QPushButton(QStringLiteral("=>"), m_ramkaSzyfrowania);
    m_przyciskDoPrawej->setObjectName(QStringLiteral("Command4"));
    for (QListWidget* l : {m_szyfrowane, m_pozostaleLinie})
        l->setMinimumSize(180, 160);
    m_listy =
        new DwieListy(m_szyfrowane, m_pozostaleLinie, m_przyciskDoLewej, m_przyciskDoPrawej, this);
    auto* s4 = new QGridLayout(m_ramkaSzyfrowania);
    s4->addWidget(etykieta(m_ramkaSzyfrowania, QStringLiteral("następujące linie szyfrowane:")), 0,
                  0);
    s4->addWidget(m_szyfrowane, 1, 0, 2, 1);
    s4->addWidget(m_przyciskDoLewej, 1, 1, Qt::AlignBottom);
    s4->addWidget(m_przyciskDoPrawej, 2, 1, Qt::AlignTop);
    s4->addWidget(m_pozostaleLinie, 1, 2, 2, 1);

    m_przyciskZapisz = new QPushButton(QStringLiteral("ZAPISZ  ZMIANY"), this);
    m_przyciskZapisz->setObjectName(QStringLiteral("Command5"));
    m_przyciskZapisz->setToolTip(
        QStringLiteral("Zapisz wprowadzone zmiany do odpowiednich rejestrów "
                       "pamięci RAM komputera."));

    auto* g = new QGridLayout(this);
    int w = 0;
    g->addWidget(etykieta(this, QStringLiteral("Numer i nazwa wybranej linii:")), w, 0);
    g->addWidget(m_wyborLinii, w++, 1, 1, 3);
    g->addWidget(etykieta(this, QStringLiteral("Nazwa:")), w, 0);
    g->addWidget(m_poleNazwy, w, 1);
    g->addWidget(m_przyciskDodajNazwe, w++, 2, 1, 2);
    g->addWidget(etykieta(this, QStringLiteral("Wartość:")), w, 0);
    g->addWidget(m_wartosci[0], w, 1);
    g->addWidget(m_wartosci[1], w, 2);
    g->addWidget(m_przyciskUsunNazwe, w++, 3);
    const std::pair<const char*, QComboBox*> pola[] = {{"Nr. strefy:", m_strefa},
                                                       {"Linia:", m_rodzaj},
                                                       {"Czułość:", m_czulosc},
                                                       {"Ilość alarmów:", m_liczbaAlarmow},
                                                       {"Linia:", m_typ}};
    for (auto [tekst, c] : pola) {
        g->addWidget(etykieta(this, QString::fromUtf8(tekst)), w, 0);
        g->addWidget(c, w++, 1);
    }
    // The encrypted-line frame shares the delay frame's place: only one of them is ever shown.
    g->addWidget(m_ramkaCzasow, w, 0, 1, 4);
    g->addWidget(m_ramkaSzyfrowania, w, 0, 1, 4);
    // The place keeps the size of the larger frame whichever is shown, so the window does not
    // jump from one line type to another.
    const QSize miejsce = m_ramkaCzasow->sizeHint().expandedTo(m_ramkaSzyfrowania->sizeHint());
    g->addItem(new QSpacerItem(miejsce.width(), miejsce.height()), w++, 0, 1, 4);
    g->setRowStretch(w, 1);
    g->addWidget(m_przyciskZapisz, ++w, 0, 1, 4, Qt::AlignHCenter);

    connect(m_wyborLinii, &QComboBox::currentIndexChanged, this, &EdytorLinii::NowyNumerLinii);
    connect(m_wyborLinii, &QComboBox::activated, this, &EdytorLinii::NowyNumerLinii);
    connect(m_typ, &QComboBox::activated, this, &EdytorLinii::NowyTypLinii);
    connect(m_przyciskDodajNazwe, &QPushButton::clicked, this, &EdytorLinii::dodajNazwe);
    connect(m_przyciskUsunNazwe, &QPushButton::clicked, this, &EdytorLinii::usunNazwe);
    connect(m_przyciskZapisz, &QPushButton::clicked, this, &EdytorLinii::zapiszZmiany);
}

void EdytorLinii::wypelnij(int linia)
{
    m_nazwy = m.Obraz.NazwyLinii;
    m_nazwyPrzed = m_nazwy;
    {
        const QSignalBlocker cisza(m_poleNazwy);
        m_poleNazwy->clear();
        for (const QString& n : m_nazwy)
            m_poleNazwy->addItem(n);
    }
    const QSignalBlocker cisza(m_wyborLinii);
    m_wyborLinii->clear();
    for (int k = 1; k <= Konfiguracja::LiczbaLinii; ++k)
        m_wyborLinii->addItem(tekstWyboruLinii(m.Obraz, k));
    m_wyborLinii->setCurrentIndex(linia - 1);
    NowyNumerLinii();
}

void EdytorLinii::NowyNumerLinii()
{
    bool ok = false;
    const int n = m_wyborLinii->currentText().left(2).toInt(&ok);
    if (!ok || n < 1 || n > Konfiguracja::LiczbaLinii)
        return;
    m_n = n;
    const ParametryLinii p = odczytajLinie(m.Obraz.Linie[n]);
    m_poleNazwy->setCurrentIndex(p.nazwa);
    m_poleNazwy->setEditText(m_nazwy[p.nazwa]);
    pokazLiczbe(m_wartosci[0], p.wartosci[0]);
    pokazLiczbe(m_wartosci[1], p.wartosci[1]);
    m_strefa->setCurrentIndex(p.strefa == ParametryLinii::Nieznany ? -1 : p.strefa - 1);
    m_rodzaj->setCurrentIndex(p.dwustanowa ? 1 : 0);
    m_czulosc->setCurrentIndex(p.czulosc);
    pokazLiczbe(m_liczbaAlarmow, p.alarmy);
    // A type code the editor does not know shows no type, rather than the former line's.
    m_typ->setCurrentIndex(p.typ);
    NowyTypLinii();
}

void EdytorLinii::NowyTypLinii()
{
    const int typ = m_typ->currentIndex();
    const bool czasy = typ == Opozniona || typ == Warunkowa;
    m_ramkaCzasow->setVisible(czasy);
    m_ramkaSzyfrowania->setVisible(typ == Szyfrujaca);
    if (czasy) {
        m_ramkaCzasow->setTitle(QStringLiteral("Linia ") + m_typ->currentText());
        m_ramkaOpoznien->setVisible(true);
        m_ramkaWarunku->setVisible(typ == Warunkowa);
        DispOpo();
        if (typ == Warunkowa)
            DispWar();
    } else if (typ == Szyfrujaca) {
        m_ramkaSzyfrowania->setTitle(QStringLiteral("Linia ") + m_typ->currentText());
        DispListe();
    }
}

void EdytorLinii::DispOpo()
{
    const ParametryLinii p = odczytajLinie(m.Obraz.Linie[m_n]);
    pokazLiczbe(m_opoznienieWejscia, p.opoznienieWejscia);
    pokazLiczbe(m_opoznienieWyjscia, p.opoznienieWyjscia);
}

void EdytorLinii::DispWar()
{
    const ParametryLinii p = odczytajLinie(m.Obraz.Linie[m_n]);
    pokazLiczbe(m_warunekWejscia, p.warunekWejscia);
    pokazLiczbe(m_warunekWyjscia, p.warunekWyjscia);
}

void EdytorLinii::DispListe()
{
    const ParametryLinii p = odczytajLinie(m.Obraz.Linie[m_n]);
    QList<int> wszystkie;
    for (int k = 1; k <= Konfiguracja::LiczbaLinii; ++k)
        wszystkie.append(k);
    m_listy->wypelnij(
        wszystkie, [&](int k) { return p.szyfrowane.contains(k); },
        [this](int k) { return tekstWyboruLinii(m.Obraz, k); });
}

ParametryLinii EdytorLinii::zBoksow() const
{
    ParametryLinii p;
    p.nazwa = pozycjaNazwy(m_nazwy, m_poleNazwy->currentText(), m_poleNazwy->currentIndex());
    p.wartosci = {liczbaZ(m_wartosci[0]), liczbaZ(m_wartosci[1])};
    p.strefa = liczbaZ(m_strefa);
    p.dwustanowa = m_rodzaj->currentText().startsWith(QLatin1Char('2'));
    p.czulosc = m_czulosc->currentIndex();
    p.alarmy = liczbaZ(m_liczbaAlarmow);
    p.typ = m_typ->currentIndex();
    p.opoznienieWejscia = liczbaZ(m_opoznienieWejscia);
    p.opoznienieWyjscia = liczbaZ(m_opoznienieWyjscia);
    p.warunekWejscia = liczbaZ(m_warunekWejscia);
    p.warunekWyjscia = liczbaZ(m_warunekWyjscia);
    p.szyfrowane = m_listy->czlonkowie();
    return p;
}

void EdytorLinii::ZapiszLinie()
{
    auto& rekord = m.Obraz.Linie[m_n];
    rekord = zapiszLinie(rekord, m_n, zBoksow());
    // A name added here must be in the image with the line that uses it, or a file saved or
    // an upload made before the window closes would hold the free slot's text.
    oddajNazwy();
    m.zglosKonfiguracje();
}

void EdytorLinii::oddajNazwy()
{
    // Only the slots changed here go back, so no other name is touched.
    for (int i = Konfiguracja::PierwszaNazwaUzytkownika; i < Konfiguracja::LiczbaNazw; ++i)
        if (m_nazwy[i] != m_nazwyPrzed[i])
            m.Obraz.NazwyLinii[i] = m_nazwyPrzed[i] = m_nazwy[i];
}

void EdytorLinii::dodajNazwe()
{
    const WynikNazwy w = dodajNazweNietypowa(m_nazwy, m_poleNazwy->currentText());
    if (w.rodzaj == WynikNazwy::Dopisana) {
        m_poleNazwy->setItemText(w.pozycja, w.nazwa);
        m_poleNazwy->setCurrentIndex(w.pozycja);
    }
    if (w.rodzaj != WynikNazwy::ZleZnaki)
        m_poleNazwy->setEditText(w.nazwa);
    Komunikaty::info(this, w.komunikat());
}

void EdytorLinii::usunNazwe()
{
    const WynikNazwy w = usunNazweNietypowa(m_nazwy, m_poleNazwy->currentText());
    if (w.rodzaj == WynikNazwy::Usunieta) {
        const QSignalBlocker cisza(m_poleNazwy);
        m_poleNazwy->setItemText(w.pozycja, m_nazwy[w.pozycja]);
        m_poleNazwy->setEditText(w.nazwa);
    }
    Komunikaty::info(this, w.komunikat());
}

void EdytorLinii::zapiszZmiany()
{
    const QString nazwa = m_poleNazwy->currentText();
    if (pozycjaNazwy(m_nazwy, nazwa, m_poleNazwy->currentIndex()) < 0) {
        // Byte 8 can only hold a dictionary position: a typed name must be added first.
        Komunikaty::info(this, QStringLiteral("Nazwa: <") + nazwa +
                                   QStringLiteral("> nie występuje na liście nazw. Wybierz ją z "
                                                  "listy lub dopisz przyciskiem \"Dodaj do "
                                                  "listy\". Zmiany nie zostały zapisane."));
        return;
    }
    if (Komunikaty::pytanie(this, PytanieZapisu))
        ZapiszLinie();
}

void EdytorLinii::closeEvent(QCloseEvent* e)
{
    oddajNazwy();
    m.zglosKonfiguracje();
    m.wyczyscStatus();
    e->accept();
}

void pokazEdytorLinii(Module1& m, QWidget* rodzic)
{
    static QPointer<EdytorLinii> okno;
    pokazJedno(okno, m, rodzic, StatusOkna, [&] {
        Klepsydra klepsydra;
        auto* nowe = new EdytorLinii(m, rodzic);
        return nowe;
    });
}

} // namespace zr05
