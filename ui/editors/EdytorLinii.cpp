#include "EdytorLinii.h"
#include "main/OknaPomocnicze.h"

#include "DwieListy.h"
#include "Komunikaty.h"
#include "Module1.h"
#include "editors/NazwyNietypowe.h"
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
const QStringList Typy = {QStringLiteral("Natychmiastowa"), QStringLiteral("Opóźniona"),
                          QStringLiteral("Całodobowa"), QStringLiteral("Warunkowa"),
                          QStringLiteral("Szyfrująca")};

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
}

void EdytorLinii::zbuduj()
{
    Combo1 = lista(this, "Combo1", {},
                   QStringLiteral("Numer i nazwa wybranej z listy linii któej parametry "
                                  "przedstawione są na tym ekranie"));
    Combo2 = lista(this, "Combo2", {},
                   QStringLiteral("Nazwa wybranej linii. Aby ją zmienić należy wybrać dowolną z "
                                  "listy."));
    Combo2->setEditable(true);
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    Combo2->setCompleter(nullptr); // names are compared exactly; no case-blind completion
    const QString wartosc = QStringLiteral("Wartość wyświetlana po wybranej nazwie.");
    Combo3 = {lista(this, "Combo3_0", liczby(0, 99), wartosc),
              lista(this, "Combo3_1", liczby(0, 99), wartosc)};
    Command2 = new QPushButton(QStringLiteral("Dodaj do listy"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setToolTip(QStringLiteral("Dodanie do listy nazw nazwy z okna wyżej. Nazwa ta "
                                        "zostanie umieszczona na jednej z 32 ostatnich pozycji "
                                        "listy."));
    Command3 = new QPushButton(QStringLiteral("Usuń z listy"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setToolTip(QStringLiteral("Usunięcie z listy wybranej powyżej nazwy. Uwaga: Można "
                                        "usunąć tylko jedną z ostatnich 32 nazw."));
    Combo4 =
        lista(this, "Combo4", liczby(1, 10, 2), QStringLiteral("Numer strefy dla wybranej linii."));
    Combo5 = lista(this, "Combo5", {QStringLiteral("3-stanowa"), QStringLiteral("2-stanowa")},
                   QStringLiteral("Rodzaj wybranej linii."));
    Combo6 = lista(this, "Combo6",
                   {QStringLiteral("250 ms"), QStringLiteral("500 ms"), QStringLiteral("750 ms"),
                    QStringLiteral("1 sek.")},
                   QStringLiteral("Czułość wybranej linii."));
    Combo7 = lista(this, "Combo7", liczby(1, 9),
                   QStringLiteral("Ilość alarmów na dobę sygnalizowanych przez wybraną linię."));
    Combo8 = lista(this, "Combo8", Typy, QStringLiteral("Typ wybranej linii"));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame2 = new QGroupBox(QStringLiteral("Czasy opóźnienia:"), Frame1);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame3 = new QGroupBox(QStringLiteral("Warunek"), Frame1);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Combo9 = lista(Frame2, "Combo9", liczby(1, 99));
    Combo10 = lista(Frame2, "Combo10", liczby(1, 99));
    Combo11 = lista(Frame3, "Combo11", liczby(1, 80));
    Combo12 = lista(Frame3, "Combo12", liczby(0, 80));
    for (auto [ramka, gora, dol] :
         {std::tuple{Frame2, Combo9, Combo10}, std::tuple{Frame3, Combo11, Combo12}}) {
        auto* s = new QGridLayout(ramka);
        s->addWidget(etykieta(ramka, QStringLiteral("wejścia:")), 0, 0);
        s->addWidget(gora, 0, 1);
        s->addWidget(etykieta(ramka, QStringLiteral("wyjścia:")), 1, 0);
        s->addWidget(dol, 1, 1);
    }
    auto* s1 = new QVBoxLayout(Frame1);
    s1->addWidget(Frame2);
    s1->addWidget(Frame3);
    s1->addStretch();

    Frame4 = new QGroupBox(this);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    List1 = new QListWidget(Frame4);
    List1->setObjectName(QStringLiteral("List1"));
    List2 = new QListWidget(Frame4);
    List2->setObjectName(QStringLiteral("List2"));
    Command1 = new QPushButton(QStringLiteral("<="), Frame4);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command4 = new QPushButton(QStringLiteral("=>"), Frame4);
    Command4->setObjectName(QStringLiteral("Command4"));
    for (QListWidget* l : {List1, List2})
        l->setMinimumSize(180, 160);
    m_listy = new DwieListy(List1, List2, Command1, Command4, this);
    auto* s4 = new QGridLayout(Frame4);
    s4->addWidget(etykieta(Frame4, QStringLiteral("następujące linie szyfrowane:")), 0, 0);
    s4->addWidget(List1, 1, 0, 2, 1);
    s4->addWidget(Command1, 1, 1, Qt::AlignBottom);
    s4->addWidget(Command4, 2, 1, Qt::AlignTop);
    s4->addWidget(List2, 1, 2, 2, 1);

    Command5 = new QPushButton(QStringLiteral("ZAPISZ  ZMIANY"), this);
    Command5->setObjectName(QStringLiteral("Command5"));
    Command5->setToolTip(QStringLiteral("Zapisz wprowadzone zmiany do odpowiednich rejestrów "
                                        "pamięci RAM komputera."));

    auto* g = new QGridLayout(this);
    int w = 0;
    g->addWidget(etykieta(this, QStringLiteral("Numer i nazwa wybranej linii:")), w, 0);
    g->addWidget(Combo1, w++, 1, 1, 3);
    g->addWidget(etykieta(this, QStringLiteral("Nazwa:")), w, 0);
    g->addWidget(Combo2, w, 1);
    g->addWidget(Command2, w++, 2, 1, 2);
    g->addWidget(etykieta(this, QStringLiteral("Wartość:")), w, 0);
    g->addWidget(Combo3[0], w, 1);
    g->addWidget(Combo3[1], w, 2);
    g->addWidget(Command3, w++, 3);
    const std::pair<const char*, QComboBox*> pola[] = {{"Nr. strefy:", Combo4},
                                                       {"Linia:", Combo5},
                                                       {"Czułość:", Combo6},
                                                       {"Ilość alarmów:", Combo7},
                                                       {"Linia:", Combo8}};
    for (auto [tekst, c] : pola) {
        g->addWidget(etykieta(this, QString::fromUtf8(tekst)), w, 0);
        g->addWidget(c, w++, 1);
    }
    // Frame4 shares Frame1's place: only one of them is ever shown.
    g->addWidget(Frame1, w, 0, 1, 4);
    g->addWidget(Frame4, w++, 0, 1, 4);
    g->setRowStretch(w, 1);
    g->addWidget(Command5, ++w, 0, 1, 4, Qt::AlignHCenter);

    connect(Combo1, &QComboBox::currentIndexChanged, this, &EdytorLinii::NowyNumerLinii);
    connect(Combo1, &QComboBox::activated, this, &EdytorLinii::NowyNumerLinii);
    connect(Combo8, &QComboBox::activated, this, &EdytorLinii::NowyTypLinii);
    connect(Command2, &QPushButton::clicked, this, &EdytorLinii::dodajNazwe);
    connect(Command3, &QPushButton::clicked, this, &EdytorLinii::usunNazwe);
    connect(Command5, &QPushButton::clicked, this, &EdytorLinii::zapiszZmiany);
}

void EdytorLinii::wypelnij()
{
    m_nazwy = m.Obraz.NazwyLinii;
    m_nazwyPrzed = m_nazwy;
    for (const QString& n : m_nazwy)
        Combo2->addItem(n);
    const QSignalBlocker cisza(Combo1);
    for (int k = 1; k <= Konfiguracja::LiczbaLinii; ++k)
        Combo1->addItem(tekstWyboruLinii(m.Obraz, k));
    Combo1->setCurrentIndex(0);
    NowyNumerLinii();
}

void EdytorLinii::NowyNumerLinii()
{
    bool ok = false;
    const int n = Combo1->currentText().left(2).toInt(&ok);
    if (!ok || n < 1 || n > Konfiguracja::LiczbaLinii)
        return;
    m_n = n;
    const ParametryLinii p = odczytajLinie(m.Obraz.Linie[n]);
    Combo2->setCurrentIndex(p.nazwa);
    Combo2->setEditText(m_nazwy[p.nazwa]);
    pokazLiczbe(Combo3[0], p.wartosci[0]);
    pokazLiczbe(Combo3[1], p.wartosci[1]);
    Combo4->setCurrentIndex(p.strefa == ParametryLinii::Nieznany ? -1 : p.strefa - 1);
    Combo5->setCurrentIndex(p.dwustanowa ? 1 : 0);
    Combo6->setCurrentIndex(p.czulosc);
    pokazLiczbe(Combo7, p.alarmy);
    // A type code the editor does not know shows no type, rather than the former line's.
    Combo8->setCurrentIndex(p.typ);
    NowyTypLinii();
}

void EdytorLinii::NowyTypLinii()
{
    const int typ = Combo8->currentIndex();
    const bool czasy = typ == Opozniona || typ == Warunkowa;
    Frame1->setVisible(czasy);
    Frame4->setVisible(typ == Szyfrujaca);
    if (czasy) {
        Frame1->setTitle(QStringLiteral("Linia ") + Combo8->currentText());
        Frame2->setVisible(true);
        Frame3->setVisible(typ == Warunkowa);
        DispOpo();
        if (typ == Warunkowa)
            DispWar();
    } else if (typ == Szyfrujaca) {
        Frame4->setTitle(QStringLiteral("Linia ") + Combo8->currentText());
        DispListe();
    }
}

void EdytorLinii::DispOpo()
{
    const ParametryLinii p = odczytajLinie(m.Obraz.Linie[m_n]);
    pokazLiczbe(Combo9, p.opoznienieWejscia);
    pokazLiczbe(Combo10, p.opoznienieWyjscia);
}

void EdytorLinii::DispWar()
{
    const ParametryLinii p = odczytajLinie(m.Obraz.Linie[m_n]);
    pokazLiczbe(Combo11, p.warunekWejscia);
    pokazLiczbe(Combo12, p.warunekWyjscia);
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
    p.nazwa = pozycjaNazwy(m_nazwy, Combo2->currentText());
    p.wartosci = {liczbaZ(Combo3[0]), liczbaZ(Combo3[1])};
    p.strefa = liczbaZ(Combo4);
    p.dwustanowa = Combo5->currentText().startsWith(QLatin1Char('2'));
    p.czulosc = Combo6->currentIndex();
    p.alarmy = liczbaZ(Combo7);
    p.typ = Combo8->currentIndex();
    p.opoznienieWejscia = liczbaZ(Combo9);
    p.opoznienieWyjscia = liczbaZ(Combo10);
    p.warunekWejscia = liczbaZ(Combo11);
    p.warunekWyjscia = liczbaZ(Combo12);
    p.szyfrowane = m_listy->czlonkowie();
    return p;
}

void EdytorLinii::ZapiszLinie()
{
    auto& rekord = m.Obraz.Linie[m_n];
    rekord = zapiszLinie(rekord, m_n, zBoksow());
    m.zglosKonfiguracje();
}

void EdytorLinii::dodajNazwe()
{
    const WynikNazwy w = dodajNazweNietypowa(m_nazwy, Combo2->currentText());
    if (w.rodzaj == WynikNazwy::Dopisana) {
        Combo2->setItemText(w.pozycja, w.nazwa);
        Combo2->setCurrentIndex(w.pozycja);
    }
    if (w.rodzaj != WynikNazwy::ZleZnaki)
        Combo2->setEditText(w.nazwa);
    Komunikaty::info(this, w.komunikat());
}

void EdytorLinii::usunNazwe()
{
    const WynikNazwy w = usunNazweNietypowa(m_nazwy, Combo2->currentText());
    if (w.rodzaj == WynikNazwy::Usunieta) {
        const QSignalBlocker cisza(Combo2);
        Combo2->setItemText(w.pozycja, m_nazwy[w.pozycja]);
        Combo2->setEditText(w.nazwa);
    }
    Komunikaty::info(this, w.komunikat());
}

void EdytorLinii::zapiszZmiany()
{
    const QString nazwa = Combo2->currentText();
    if (pozycjaNazwy(m_nazwy, nazwa) < 0) {
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
    // Only the slots changed here go back: a configuration read while the window was open
    // keeps its own names.
    for (int i = Konfiguracja::PierwszaNazwaUzytkownika; i < Konfiguracja::LiczbaNazw; ++i)
        if (m_nazwy[i] != m_nazwyPrzed[i])
            m.Obraz.NazwyLinii[i] = m_nazwy[i];
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
