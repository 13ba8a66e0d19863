#include "OknoGlowne.h"

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
      m_timer1(new QTimer(this)), m_logowanie(modul, lacze), m_przesylanie(modul, lacze),
      m_pobieranieArchiwum(modul, lacze), m_zdarzenia(modul), m_lampki(modul)
{
    zaladujIkony();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Program do centrali alarmowej ZR-5  VOR-electronics.  "));
    setContextMenuPolicy(Qt::NoContextMenu);

    utworzMenu();
    utworzPasekNarzedzi();
    utworzUklad();

    auto* pasek = new QStatusBar(this);
    pasek->setObjectName(QStringLiteral("StatusBar1"));
    m_status = new QLabel(pasek);
    m_status->setObjectName(QStringLiteral("StatusBar1_Tekst"));
    pasek->addWidget(m_status, 1);
    setStatusBar(pasek);

    polaczZRdzeniem();
    // Room for the on-line view's register without resizing the window.
    resize(1000, 720);

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, &m_lacze, &Lacze::tick);
    m_timer1->start();
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

    m_frame3 = new QGroupBox(QStringLiteral("Zalogowany:"), srodek);
    m_frame3->setObjectName(QStringLiteral("Frame3"));
    auto* ukladLog = new QVBoxLayout(m_frame3);
    const QString podpisy[2] = {QStringLiteral("Użytk./Nadzorca"), QStringLiteral("Instalator")};
    for (int i = 0; i < 2; ++i) {
        auto* c = new PoleWyswietlane(podpisy[i], m_frame3);
        c->setObjectName(QStringLiteral("Check1_%1").arg(i));
        // Display only: who is logged in is decided by the panel's answer to a code.
        c->setAttribute(Qt::WA_TransparentForMouseEvents);
        c->setFocusPolicy(Qt::NoFocus);
        ukladLog->addWidget(c);
        m_check1[i] = c;
    }

    auto* frame1 = nowaRamkaLinii(srodek);
    auto* frame2 = nowaRamkaRejestru(srodek);
    auto* frame4 = nowaRamkaZegara(srodek);
    auto* frame5 = nowaRamkaStref(srodek);
    auto* frame6 = nowaRamkaAlarmow(srodek);
    m_ramkiOnLine = {frame1, frame2, frame4, frame5, frame6};
    for (int i = 0; i < 6; ++i)
        m_text1[i] = frame4->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i));

    auto* picture1 = new ObrazStartowy(QStringLiteral(":/ikony/start.svg"), srodek);
    picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1 = picture1;

    auto* lewa = new QVBoxLayout;
    lewa->addWidget(m_frame7);
    lewa->addWidget(m_frame3);
    lewa->addWidget(frame4);
    lewa->addStretch();

    auto* strefyIAlarmy = new QHBoxLayout;
    strefyIAlarmy->addWidget(frame5);
    strefyIAlarmy->addWidget(frame6, 1);

    auto* prawa = new QVBoxLayout;
    prawa->addWidget(picture1, 1);
    prawa->addWidget(frame1);
    prawa->addLayout(strefyIAlarmy);
    prawa->addWidget(frame2, 1);

    auto* uklad = new QHBoxLayout(srodek);
    uklad->addLayout(lewa);
    uklad->addLayout(prawa, 1);
    setCentralWidget(srodek);
}

void OknoGlowne::polaczZRdzeniem()
{
    for (int i = 0; i < int(Element::Liczba); ++i)
        pokazDostepnosc(Element(i), m.dostepny(Element(i)));
    connect(&m, &Module1::dostepnoscZmieniona, this, &OknoGlowne::pokazDostepnosc);

    m_status->setText(m.status());
    connect(&m, &Module1::statusZmieniony, m_status, &QLabel::setText);

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
}

void OknoGlowne::pokazZalogowanie()
{
    m_check1[0]->setChecked(m.zalogowanyUzytkownik());
    m_check1[1]->setChecked(m.zalogowanyInstalator());
}

void OknoGlowne::pokazZegar()
{
    for (int i = 0; i < 6; ++i)
        m_text1[i]->setText(tekstZegara(m, i));
}

} // namespace zr05
