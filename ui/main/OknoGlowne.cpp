#include "OknoGlowne.h"
#include "OknaPomocnicze.h"

#include "Drukarka.h"
#include "Komunikaty.h"
#include "ObrazStartowy.h"
#include "PoleWyswietlane.h"
#include "PortSzeregowy.h"
#include "RamkiOnLine.h"
#include "WidokMonitora.h"
#include "link/Lacze.h"
#include "link/TekstZegara.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QVBoxLayout>

// Resources of a static library are registered by hand.
static void zaladujIkony()
{
    Q_INIT_RESOURCE(ikony);
}

namespace zr05
{

OknoGlowne::OknoGlowne(Module1& modul, Lacze& lacze, QWidget* parent)
    : QMainWindow(parent), m(modul), m_lacze(lacze), m_port(new PortSzeregowy(this)),
      m_taktSekundowy(new QTimer(this)), m_logowanie(modul, lacze), m_przesylanie(modul, lacze),
      m_pobieranieArchiwum(modul, lacze), m_zdarzenia(modul), m_lampki(modul)
{
    zaladujIkony();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Program do centrali alarmowej ZR-5  VOR-electronics.  "));
    setContextMenuPolicy(Qt::NoContextMenu);

    utworzMenu();
    utworzPasekNarzedzi();
    utworzUklad();
    ustawKolejnoscTabulacji(centralWidget());

    auto* pasek = new QStatusBar(this);
    pasek->setObjectName(QStringLiteral("StatusBar1"));
    m_status = new QLabel(pasek);
    m_status->setObjectName(QStringLiteral("StatusBar1_Tekst"));
    pasek->addWidget(m_status, 1);
    setStatusBar(pasek);

    polaczZRdzeniem();
    // Room for the on-line view's register without resizing the window.
    resize(1000, 720);

    m_taktSekundowy->setObjectName(QStringLiteral("Timer1"));
    m_taktSekundowy->setInterval(1000);
    connect(m_taktSekundowy, &QTimer::timeout, &m_lacze, &Lacze::tick);
    m_taktSekundowy->start();
}

OknoGlowne::~OknoGlowne()
{
    // The link outlives the window: it must not write to a port that is gone.
    m_lacze.ustawUjscie({});
    m_port->zamknij();
}

QString OknoGlowne::tekstStatusu() const
{
    return m_status->text();
}

void OknoGlowne::utworzUklad()
{
    auto* srodek = new QWidget(this);
    srodek->setObjectName(QStringLiteral("Obszar"));

    utworzRamkePortu();

    m_ramkaZalogowania = new QGroupBox(QStringLiteral("Zalogowany:"), srodek);
    m_ramkaZalogowania->setObjectName(QStringLiteral("Frame3"));
    auto* ukladLog = new QVBoxLayout(m_ramkaZalogowania);
    const QString podpisy[2] = {QStringLiteral("Użytk./Nadzorca"), QStringLiteral("Instalator")};
    for (int i = 0; i < 2; ++i) {
        auto* c = new PoleWyswietlane(podpisy[i], m_ramkaZalogowania);
        c->setObjectName(QStringLiteral("Check1_%1").arg(i));
        // Display only: who is logged in is decided by the panel's answer to a code.
        c->setAttribute(Qt::WA_TransparentForMouseEvents);
        c->setFocusPolicy(Qt::NoFocus);
        ukladLog->addWidget(c);
        m_zalogowani[i] = c;
    }

    auto* ramkaLinii = nowaRamkaLinii(srodek);
    auto* ramkaRejestru = nowaRamkaRejestru(srodek);
    auto* ramkaZegara = nowaRamkaZegara(srodek);
    auto* ramkaStref = nowaRamkaStref(srodek);
    auto* ramkaAlarmow = nowaRamkaAlarmow(srodek);
    m_ramkiOnLine = {ramkaLinii, ramkaRejestru, ramkaZegara, ramkaStref, ramkaAlarmow};
    for (int i = 0; i < 6; ++i)
        m_polaZegara[i] = ramkaZegara->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i));

    auto* obraz = new ObrazStartowy(QStringLiteral(":/ikony/start.svg"), srodek);
    obraz->setObjectName(QStringLiteral("Picture1"));
    m_obrazStartowy = obraz;

    auto* lewa = new QVBoxLayout;
    lewa->addWidget(m_ramkaPortu);
    lewa->addWidget(m_ramkaZalogowania);
    lewa->addWidget(ramkaZegara);
    lewa->addStretch();

    auto* strefyIAlarmy = new QHBoxLayout;
    strefyIAlarmy->addWidget(ramkaStref);
    strefyIAlarmy->addWidget(ramkaAlarmow, 1);

    auto* prawa = new QVBoxLayout;
    prawa->addWidget(obraz, 1);
    prawa->addWidget(ramkaLinii);
    prawa->addLayout(strefyIAlarmy);
    prawa->addWidget(ramkaRejestru, 1);

    auto* uklad = new QHBoxLayout(srodek);
    uklad->addLayout(lewa);
    uklad->addLayout(prawa, 1);
    // With the start-up picture gone and the on-line view off the right column is empty; the
    // port choice and the login boxes keep their own width all the same.
    uklad->setAlignment(lewa, Qt::AlignLeft);
    setCentralWidget(srodek);
}

void OknoGlowne::polaczZRdzeniem()
{
    for (int i = 0; i < int(Element::Liczba); ++i)
        pokazDostepnosc(Element(i), m.dostepny(Element(i)));
    connect(&m, &Module1::dostepnoscZmieniona, this, &OknoGlowne::pokazDostepnosc);

    m_status->setText(m.status());
    connect(&m, &Module1::statusZmieniony, m_status, &QLabel::setText);
    // The status bar tells that a printout is being made; when it is done the bar shows again
    // what it showed before, unless something else has put its own text there meanwhile.
    Drukarka::przyZmianie(this, [this](bool trwa) {
        if (trwa) {
            m_statusPrzedDrukiem = m.status();
            m.ustawStatus(tekst::StatusDrukowania);
        } else if (m.status() == tekst::StatusDrukowania ||
                   m.status() == tekst::StatusKoncaDrukowania) {
            m.ustawStatus(m_statusPrzedDrukiem);
        }
    });
    // A window closed while a printout is made clears the bar: it goes on saying so, and the
    // closed window's text does not come back afterwards.
    connect(&m, &Module1::statusZmieniony, this, [this](const QString& tekst) {
        if (tekst.isEmpty() && Drukarka::wToku() > 0) {
            m_statusPrzedDrukiem.clear();
            m.ustawStatus(tekst::StatusDrukowania);
        }
    });

    pokazZalogowanie();
    connect(&m, &Module1::zalogowanieZmienione, this, &OknoGlowne::pokazZalogowanie);

    pokazOnLine(m.onLine());
    connect(&m, &Module1::onLineZmieniony, this, &OknoGlowne::pokazOnLine);

    pokazZegar();
    connect(&m, &Module1::zegarZmieniony, this, &OknoGlowne::pokazZegar);

    m_zdarzenia.polacz(m_lacze);
    m_lampki.polacz(m_lacze);
    m_monitor = new WidokMonitora(m, m_zdarzenia, m_lampki, this);

    m_lacze.ustawUjscie([this](const QByteArray& bajty) { m_port->zapisz(bajty); });
    connect(m_port, &PortSzeregowy::odebrano, &m_lacze, &Lacze::odbierz);
    connect(m_port, &PortSzeregowy::utracony, this, &OknoGlowne::portUtracony);
    // A transfer that the line defeated says what stayed as it was and what may be wrong.
    connect(&m_przesylanie, &Przesylanie::niepowodzenie, this,
            [this](const QString& komunikat) { Komunikaty::info(this, komunikat); });
}

void OknoGlowne::pokazZalogowanie()
{
    m_zalogowani[0]->setChecked(m.zalogowanyUzytkownik());
    m_zalogowani[1]->setChecked(m.zalogowanyInstalator());
}

void OknoGlowne::pokazZegar()
{
    for (int i = 0; i < 6; ++i)
        m_polaZegara[i]->setText(tekstZegara(m, i));
}

} // namespace zr05
