#include "EdytorStref.h"
#include "DwieListy.h"
#include "Komunikaty.h"
#include "Module1.h"
#include "Nazwany.h"
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

} // namespace

EdytorStref::EdytorStref(Module1& modul, QWidget* parent) : QWidget(parent, Qt::Window), m(modul)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Parametry stref"));

    auto* napisNumeru =
        nazwany(new QLabel(QStringLiteral("Numer wybranej strefy:"), this), "Label1");
    m_wyborStrefy = nazwany(new QComboBox(this), "Combo1", QStringLiteral("Numer wybranej strefy"));
    m_wyborStrefy->setEditable(false);
    napisNumeru->setBuddy(m_wyborStrefy);

    auto* napisZaleznych = nazwany(
        new QLabel(QStringLiteral("strefy współzależne od wybranej strefy:"), this), "Label2");
    auto* napisNiezaleznych =
        nazwany(new QLabel(QStringLiteral("strefy niezależne:"), this), "Label3");
    m_zalezne = nazwany(new QListWidget(this), "List1", PodpowiedzList);
    m_niezalezne = nazwany(new QListWidget(this), "List2", PodpowiedzList);

    auto* przyciskDoLewej =
        nazwany(new QPushButton(QStringLiteral("<="), this), "Command1",
                QStringLiteral("Aby dodać strefę należy ją zaznaczyć  i nacisnąć "
                               "przycisk \"<=\""));
    auto* przyciskDoPrawej =
        nazwany(new QPushButton(QStringLiteral("=>"), this), "Command4",
                QStringLiteral("Aby usunąć strefę należy ją zaznaczyć  i nacisnąć "
                               "przycisk \"=>\""));
    auto* przyciskZapisz = nazwany(new QPushButton(QStringLiteral("ZAPISZ ZMIANY"), this),
                                   "Command5", PodpowiedzZapisu);
    m_listy = new DwieListy(m_zalezne, m_niezalezne, przyciskDoLewej, przyciskDoPrawej, this);

    auto* przyciski = new QVBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(przyciskDoLewej);
    przyciski->addWidget(przyciskDoPrawej);
    przyciski->addStretch();

    auto* uklad = new QGridLayout(this);
    uklad->addWidget(napisNumeru, 0, 0);
    uklad->addWidget(m_wyborStrefy, 0, 2);
    uklad->addWidget(napisZaleznych, 1, 0);
    uklad->addWidget(napisNiezaleznych, 1, 2);
    uklad->addWidget(m_zalezne, 2, 0);
    uklad->addLayout(przyciski, 2, 1);
    uklad->addWidget(m_niezalezne, 2, 2);
    uklad->addWidget(przyciskZapisz, 3, 0, 1, 3, Qt::AlignHCenter);

    for (int z = 1; z <= Konfiguracja::LiczbaStref; ++z)
        m_wyborStrefy->addItem(DwieListy::dwieCyfry(z));
    connect(m_wyborStrefy, &QComboBox::currentIndexChanged, this, &EdytorStref::NowyNumerStrefy);
    connect(przyciskZapisz, &QPushButton::clicked, this, &EdytorStref::zapiszZmiany);
    // A configuration loaded while the window is open: the same zone, from the new image.
    connect(&m, &Module1::konfiguracjaWczytana, this, &EdytorStref::DispListeStref);
    m_wyborStrefy->setCurrentIndex(0);
    NowyNumerStrefy();

    czyscStatusPoZamknieciu(this, m);
}

void EdytorStref::NowyNumerStrefy()
{
    bool ok = false;
    const int z = m_wyborStrefy->currentText().left(2).toInt(&ok);
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
