// The port choice: "Wybierz port komputera:" with its options and the OK button.

#include "OknoGlowne.h"

#include "Komunikaty.h"
#include "PortSzeregowy.h"
#include "UrzadzeniaPortow.h"
#include "link/WyborPortu.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

namespace zr05
{

namespace
{
const QString PodpowiedzCom =
    QStringLiteral("Wybór portu szeregowego komputera do którego podłączona jest centralka.");
}

void OknoGlowne::utworzRamkePortu()
{
    m_ramkaPortu = new QGroupBox(QStringLiteral("Wybierz port komputera:"), this);
    m_ramkaPortu->setObjectName(QStringLiteral("Frame7"));
    m_wyborPortu = new QButtonGroup(m_ramkaPortu);

    for (int i = 0; i <= 4; ++i) {
        auto* opcja = new QRadioButton(i == 0 ? QStringLiteral("Praca bez podłączonej centralki")
                                              : QStringLiteral("COM%1").arg(i),
                                       m_ramkaPortu);
        opcja->setObjectName(QStringLiteral("Option1_%1").arg(i));
        m_wyborPortu->addButton(opcja, i);
        m_opcjePortu[i] = opcja;
        if (i == 0) {
            opcja->setToolTip(QStringLiteral("Praca bez centralki umożliwia tylko zmianę "
                                             "konfiguracji zapisanej na dysku komputera."));
        } else {
            // The device is named when the tooltip is about to show (looking the ports up
            // takes a while, and adapters come and go).
            opcja->setToolTip(PodpowiedzCom);
            opcja->installEventFilter(this);
        }
    }
    m_opcjePortu[0]->setChecked(true);
    m.WybranyPort = 0;
    // The link watchdog reads the selected option, confirmed or not.
    connect(m_wyborPortu, &QButtonGroup::idToggled, this, [this](int id, bool zaznaczony) {
        if (!zaznaczony)
            return;
        m.WybranyPort = id;
        odswiezPodpowiedzPortu(id);
    });

    auto* napis = new QLabel(QStringLiteral("Centralka podłączona do szeregowego portu komputera:"),
                             m_ramkaPortu);
    napis->setObjectName(QStringLiteral("Label1"));
    napis->setWordWrap(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), m_ramkaPortu);
    ok->setObjectName(QStringLiteral("Command5"));
    ok->setToolTip(QStringLiteral("Zatwierdzenie wyboru portu komputera."));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &OknoGlowne::potwierdzPort);

    auto* uklad = new QGridLayout(m_ramkaPortu);
    uklad->addWidget(m_opcjePortu[0], 0, 0, 1, 2);
    uklad->addWidget(napis, 1, 0, 1, 2);
    for (int i = 1; i <= 4; ++i)
        uklad->addWidget(m_opcjePortu[i], 2 + (i - 1) / 2, (i - 1) % 2);
    uklad->addWidget(ok, 4, 0, 1, 2, Qt::AlignRight);
}

void OknoGlowne::odswiezPodpowiedzPortu(int numer)
{
    if (numer >= 1 && numer <= 4)
        m_opcjePortu[numer]->setToolTip(PodpowiedzCom + QLatin1Char('\n') +
                                        opisUrzadzeniaCom(numer));
}

bool OknoGlowne::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (zdarzenie->type() == QEvent::ToolTip) {
        for (int i = 1; i <= 4; ++i)
            if (obiekt == m_opcjePortu[i])
                odswiezPodpowiedzPortu(i);
    }
    return QMainWindow::eventFilter(obiekt, zdarzenie);
}

void OknoGlowne::potwierdzPort()
{
    // Confirming again while a server is still being reached replaces that choice.
    przestanLaczyc();
    const int wybrany = m.WybranyPort;
    const int numer = numerPortu(wybrany);
    if (numer == 0) {
        zakonczWyborPortu(false);
        return;
    }
    // Adapters come and go: the device is looked up again at the moment of choice.
    const auto urzadzenie = urzadzenieCom(numer);
    if (!urzadzenie) {
        Komunikaty::info(this, QStringLiteral("Port COM%1: w komputerze nie ma takiego portu "
                                              "szeregowego. Sprawdź, czy przejściówka jest "
                                              "podłączona, albo wybierz inny port.")
                                   .arg(numer));
        return;
    }
    m_port->otworzBezCzekania(
        urzadzenie->sciezka, [this, wybrany, numer](const std::optional<BladOtwarcia>& blad) {
            przestanLaczyc();
            if (blad) {
                Komunikaty::info(this,
                                 QStringLiteral("Port COM%1: %2").arg(numer).arg(blad->komunikat));
                return;
            }
            // The option shown is the one opened, whatever was clicked while waiting.
            if (m.WybranyPort != wybrany && wybrany >= 0 && wybrany <= 4)
                m_opcjePortu[wybrany]->setChecked(true);
            zakonczWyborPortu(true);
        });
    // A server takes a while to answer; the window goes on meanwhile.
    if (m_port->laczy()) {
        m_statusLaczenia = tekst::StatusLaczenia.arg(urzadzenie->sciezka);
        m_statusPrzedLaczeniem = m.status();
        m.ustawStatus(m_statusLaczenia);
    }
}

void OknoGlowne::przestanLaczyc()
{
    if (m_port->laczy())
        m_port->zamknij();
    if (!m_statusLaczenia.isEmpty() && m.status() == m_statusLaczenia)
        m.ustawStatus(m_statusPrzedLaczeniem);
    m_statusLaczenia.clear();
}

void OknoGlowne::zakonczWyborPortu(bool otwarty)
{
    if (!potwierdzWyborPortu(m, otwarty))
        return;
    m_obrazStartowy->hide();
    // The port is chosen once; choosing again is offered only if the device is lost.
    m_ramkaPortu->setEnabled(false);
}

void OknoGlowne::portUtracony(const QString& komunikat)
{
    m_ramkaPortu->setEnabled(true);
    Komunikaty::info(this, komunikat);
}

} // namespace zr05
