#include "EdytorStref.h"
#include "DwieListy.h"
#include "Komunikaty.h"
#include "Module1.h"
#include "editors/ZaleznosciStref.h"
#include "main/OknaPomocnicze.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace zr05
{

namespace
{
const QString Status = QStringLiteral("Programowanie parametrów stref.");
const QString Pytanie = QStringLiteral("Czy zapisać zmiany w parametrach stref ?");
const QString PodpowiedzList =
    QStringLiteral("Aby dodać strefę należy ją dwukliknąć na prawej liście lub zaznaczyć  i "
                   "nacisnąć przycisk \"<=\". Aby usunąć - dwukliknąć na lewej liście");
const QString PodpowiedzZapisu =
    QStringLiteral("Zapisz wprowadzone zmiany do odpowiednich rejestrów pamięci RAM komputera.");

template <typename T> T* nazwany(T* w, const char* nazwa, const QString& podpowiedz = QString())
{
    w->setObjectName(QLatin1String(nazwa));
    w->setToolTip(podpowiedz);
    return w;
}
} // namespace

EdytorStref::EdytorStref(Module1& modul, QWidget* parent) : QWidget(parent, Qt::Window), m(modul)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Parametry stref"));

    auto* Label1 = nazwany(new QLabel(QStringLiteral("Numer wybranej strefy:"), this), "Label1");
    Combo1 = nazwany(new QComboBox(this), "Combo1", QStringLiteral("Numer wybranej strefy"));
    Combo1->setEditable(false);
    Label1->setBuddy(Combo1);

    auto* Label2 = nazwany(
        new QLabel(QStringLiteral("strefy współzależne od wybranej strefy:"), this), "Label2");
    auto* Label3 = nazwany(new QLabel(QStringLiteral("strefy niezależne:"), this), "Label3");
    List1 = nazwany(new QListWidget(this), "List1", PodpowiedzList);
    List2 = nazwany(new QListWidget(this), "List2", PodpowiedzList);

    auto* Command1 = nazwany(new QPushButton(QStringLiteral("<="), this), "Command1",
                             QStringLiteral("Aby dodać strefę należy ją zaznaczyć  i nacisnąć "
                                            "przycisk \"<=\""));
    auto* Command4 = nazwany(new QPushButton(QStringLiteral("=>"), this), "Command4",
                             QStringLiteral("Aby usunąć strefę należy ją zaznaczyć  i nacisnąć "
                                            "przycisk \"=>\""));
    auto* Command5 = nazwany(new QPushButton(QStringLiteral("ZAPISZ ZMIANY"), this), "Command5",
                             PodpowiedzZapisu);
    m_listy = new DwieListy(List1, List2, Command1, Command4, this);

    auto* przyciski = new QVBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(Command1);
    przyciski->addWidget(Command4);
    przyciski->addStretch();

    auto* uklad = new QGridLayout(this);
    uklad->addWidget(Label1, 0, 0);
    uklad->addWidget(Combo1, 0, 2);
    uklad->addWidget(Label2, 1, 0);
    uklad->addWidget(Label3, 1, 2);
    uklad->addWidget(List1, 2, 0);
    uklad->addLayout(przyciski, 2, 1);
    uklad->addWidget(List2, 2, 2);
    uklad->addWidget(Command5, 3, 0, 1, 3, Qt::AlignHCenter);

    for (int z = 1; z <= Konfiguracja::LiczbaStref; ++z)
        Combo1->addItem(DwieListy::dwieCyfry(z));
    connect(Combo1, &QComboBox::currentIndexChanged, this, &EdytorStref::NowyNumerStrefy);
    connect(Command5, &QPushButton::clicked, this, &EdytorStref::zapiszZmiany);
    Combo1->setCurrentIndex(0);
    NowyNumerStrefy();

    czyscStatusPoZamknieciu(this, m);
}

void EdytorStref::NowyNumerStrefy()
{
    bool ok = false;
    const int z = Combo1->currentText().left(2).toInt(&ok);
    Z = ok ? z : 1;
    DispListeStref();
}

void EdytorStref::DispListeStref()
{
    const ZaleznosciStrefy zaleznosci = czytajZaleznosci(m.Obraz, Z);
    QList<int> wszystkie = zaleznosci.zalezne + zaleznosci.niezalezne;
    std::sort(wszystkie.begin(), wszystkie.end());
    m_listy->wypelnij(wszystkie, [&](int k) { return zaleznosci.zalezne.contains(k); });
}

void EdytorStref::zapiszZmiany()
{
    if (!Komunikaty::pytanie(this, Pytanie))
        return;
    zapiszZaleznosci(m.Obraz, Z, m_listy->czlonkowie());
    m.zglosKonfiguracje();
}

void pokazEdytorStref(Module1& m, QWidget* rodzic)
{
    static QPointer<EdytorStref> okno;
    pokazJedno(okno, m, rodzic, Status, [&] { return new EdytorStref(m, rodzic); });
}

} // namespace zr05
