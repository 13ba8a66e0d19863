#include "OknoPliku.h"
#include "Komunikaty.h"
#include "ListaDyskow.h"
#include "ListaKatalogow.h"
#include "ListaPlikow.h"
#include "Module1.h"
#include "access/Przesylanie.h"
#include "config/PlikKonfiguracji.h"
#include "config/RegulyPliku.h"
#include "main/Klepsydra.h"
#include "main/OknaPomocnicze.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace zr05
{

namespace
{
const QString TytulOdczytu = QStringLiteral("Czytanie konfiguracji z pliku");
const QString TytulZapisu = QStringLiteral("Zapisywanie konfiguracji do pliku.");
const QString StatusOdczytu = QStringLiteral("Czytanie konfiguracji z pliku.");
const QString StatusZapisu = QStringLiteral("Zapisywanie konfiguracji do pliku.");

QPushButton* przycisk(const char* nazwa, const QString& tekst, const QString& podpowiedz,
                      QWidget* rodzic)
{
    auto* p = new QPushButton(tekst, rodzic);
    p->setObjectName(QLatin1String(nazwa));
    p->setToolTip(podpowiedz);
    return p;
}

// The folder of the configuration last read or saved; the documents folder before that.
QString folderStartowy(const Module1& m)
{
    if (!m.NazwaPliku.isEmpty()) {
        const QFileInfo ostatni(QDir::fromNativeSeparators(m.NazwaPliku));
        if (ostatni.absoluteDir().exists())
            return ostatni.absolutePath();
    }
    const QString dokumenty = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!dokumenty.isEmpty() && QFileInfo(dokumenty).isDir())
        return dokumenty;
    return QDir::homePath();
}
} // namespace

OknoPliku::OknoPliku(Module1& modul, QWidget* parent) : QWidget(parent, Qt::Window), m(modul)
{
    setObjectName(QStringLiteral("Form12"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(TytulOdczytu);

    auto* ramkaWyboru = new QGroupBox(QStringLiteral("Wybór pliku:"), this);
    ramkaWyboru->setObjectName(QStringLiteral("Frame1"));
    m_dyski = new ListaDyskow(ramkaWyboru);
    m_dyski->setObjectName(QStringLiteral("Drive1"));
    m_dyski->setToolTip(QStringLiteral("Wybór dysku"));
    m_katalogi = new ListaKatalogow(ramkaWyboru);
    m_katalogi->setObjectName(QStringLiteral("Dir1"));
    m_katalogi->setToolTip(QStringLiteral("Wybór katalogu ścieżki dostępu"));
    m_pliki = new ListaPlikow(WzorPlikowKonfiguracji, ramkaWyboru);
    m_pliki->setObjectName(QStringLiteral("File1"));
    m_pliki->setToolTip(QStringLiteral("Wybór pliku do odczytu."));

    auto* napis = new QLabel(QStringLiteral("Wybrano plik:"), this);
    napis->setObjectName(QStringLiteral("Label1"));
    m_nazwaPliku = new QLineEdit(this);
    m_nazwaPliku->setObjectName(QStringLiteral("Text1"));
    m_nazwaPliku->setToolTip(
        QStringLiteral("Wybrany plik. W przypadku zapisu można zmieniać jego nazwę "
                       "pozostawiając jednak rozszerzenie .vor"));
    napis->setBuddy(m_nazwaPliku);

    m_przyciskZapisz =
        przycisk("Command1", QStringLiteral("&Zapisz"),
                 QStringLiteral("Zapisanie konfiguracji w pliku o nazwie xxxxx.vor "
                                "(wpisanej w oknie obok) na dysku i w katalogu jak w "
                                "poniższych oknach."),
                 this);
    m_przyciskCzytaj = przycisk("Command2", QStringLiteral("&Czytaj"),
                                QStringLiteral("Czytaj wybrany w oknie obok plik."), this);
    m_przyciskOk = przycisk("Command3", QStringLiteral("&OK"), QString(), this);
    m_przyciskAnuluj = przycisk("Command4", QStringLiteral("&Anuluj"),
                                QStringLiteral("Anuluj odczyt/zapis konfiguracji do pliku."), this);

    auto* wybor = new QGridLayout(ramkaWyboru);
    wybor->addWidget(m_dyski, 0, 0);
    wybor->addWidget(m_katalogi, 1, 0);
    wybor->addWidget(m_pliki, 0, 1, 2, 1);

    auto* nazwa = new QHBoxLayout;
    nazwa->addWidget(napis);
    nazwa->addWidget(m_nazwaPliku, 1);
    nazwa->addWidget(m_przyciskZapisz);
    nazwa->addWidget(m_przyciskCzytaj);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(m_przyciskOk);
    przyciski->addWidget(m_przyciskAnuluj);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(nazwa);
    uklad->addWidget(ramkaWyboru, 1);
    uklad->addLayout(przyciski);
    resize(520, 340);

    connect(m_dyski, &ListaDyskow::dyskZmieniony, m_katalogi, &ListaKatalogow::ustawSciezke);
    connect(m_katalogi, &ListaKatalogow::sciezkaZmieniona, m_pliki, &ListaPlikow::ustawSciezke);
    connect(m_pliki, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { wybierzPlik(item->text()); });
    connect(m_pliki, &QListWidget::currentItemChanged, this, &OknoPliku::plikZKlawiatury);
    connect(m_nazwaPliku, &QLineEdit::textChanged, this, &OknoPliku::nazwaZmieniona);
    connect(m_nazwaPliku, &QLineEdit::returnPressed, this, [this] {
        // Enter runs the button the window shows, when it may be pressed.
        QPushButton* widoczny = m_tryb == TrybPliku::Zapisz ? m_przyciskZapisz : m_przyciskCzytaj;
        if (widoczny->isEnabled())
            widoczny->click();
    });
    connect(m_przyciskZapisz, &QPushButton::clicked, this, &OknoPliku::zapiszPlik);
    connect(m_przyciskCzytaj, &QPushButton::clicked, this, &OknoPliku::czytajPlik);
    connect(m_przyciskOk, &QPushButton::clicked, this, &OknoPliku::zamknij);
    connect(m_przyciskAnuluj, &QPushButton::clicked, this, &OknoPliku::zamknij);

    // Load: where the last configuration was read or saved, never the program's own folder.
    const QString start = folderStartowy(m);
    {
        const QSignalBlocker cisza(m_dyski);
        m_dyski->ustawDyskDla(start);
    }
    m_katalogi->ustawSciezke(start);
    ustawTryb(TrybPliku::Czytaj);
}

void OknoPliku::ustawTryb(TrybPliku tryb)
{
    m_tryb = tryb;
    const bool zapis = tryb == TrybPliku::Zapisz;
    setWindowTitle(zapis ? TytulZapisu : TytulOdczytu);
    m_nazwaPliku->clear();
    m_nazwaPliku->setReadOnly(!zapis);
    m_przyciskZapisz->setVisible(zapis);
    m_przyciskZapisz->setEnabled(false);
    m_przyciskCzytaj->setVisible(!zapis);
    m_przyciskCzytaj->setEnabled(false);
    m_pliki->odswiez(); // a file saved since the last opening shows up
}

void OknoPliku::wybierzPlik(const QString& nazwa)
{
    const bool dobra = maRozszerzenieVor(nazwa);
    if (!dobra)
        Komunikaty::info(this, QStringLiteral("Wybrany zbiór: <%1> jest nieprawidłowy").arg(nazwa));
    if (m_tryb == TrybPliku::Czytaj) {
        if (dobra)
            m_nazwaPliku->setText(nazwa);
        m_przyciskCzytaj->setEnabled(dobra);
    } else if (dobra) {
        m_nazwaPliku->setText(nazwa);
        m_przyciskZapisz->setEnabled(true);
    }
}

void OknoPliku::plikZKlawiatury(QListWidgetItem* biezacy, QListWidgetItem* poprzedni)
{
    // Arrow keys choose a file as a click does; a name the list cannot take is passed over
    // without a message at every key. A list refilled, or first entered, in the save window
    // does not replace the name typed there.
    if (!biezacy || !m_pliki->hasFocus() || !maRozszerzenieVor(biezacy->text()))
        return;
    if (m_tryb == TrybPliku::Zapisz && !poprzedni)
        return;
    wybierzPlik(biezacy->text());
}

void OknoPliku::nazwaZmieniona(const QString& tekst)
{
    m_przyciskZapisz->setEnabled(maRozszerzenieVor(tekst));
}

QString OknoPliku::sciezka() const
{
    return sciezkaPliku(m_pliki->sciezka(), m_nazwaPliku->text());
}

bool OknoPliku::zgodaPrzesylania(bool zapis)
{
    return !m_przesylanie ||
           m_przesylanie->zgoda(zapis ? Przesylanie::Zamiar::ZapisPliku
                                      : Przesylanie::Zamiar::CzytaniePliku,
                                [this](const QString& q) { return Komunikaty::pytanie(this, q); });
}

void OknoPliku::zapiszPlik()
{
    // The button is enabled only for a proper name; a stale enable must not save elsewhere.
    if (!maRozszerzenieVor(m_nazwaPliku->text()))
        return;
    if (const auto blad = bladNazwyPliku(m_nazwaPliku->text())) {
        Komunikaty::info(this, *blad);
        return;
    }
    if (!zgodaPrzesylania(true))
        return;
    const auto w = ZapiszKonfig(m, sciezka());
    if (!w) {
        // The window stays where it was, so another name or folder can be tried.
        Komunikaty::info(this, w.komunikat);
        return;
    }
    zamknij();
}

void OknoPliku::czytajPlik()
{
    if (!maRozszerzenieVor(m_nazwaPliku->text()))
        return;
    if (!zgodaPrzesylania(false))
        return;
    if (const auto pytanie = pytanieODlugosc(sciezka());
        pytanie && !Komunikaty::pytanie(this, *pytanie))
        return;
    const auto w = CzytajKonfig(m, sciezka());
    if (!w) {
        // The window stays where it was, so another file can be picked.
        Komunikaty::info(this, w.komunikat);
        return;
    }
    zamknij();
}

void OknoPliku::zamknij()
{
    QWidget* glowne = parentWidget();
    close();
    if (glowne) {
        glowne->raise();
        glowne->activateWindow();
    }
}

void OknoPliku::closeEvent(QCloseEvent* e)
{
    m.wyczyscStatus();
    QWidget::closeEvent(e);
}

void pokazOknoPliku(Module1& m, TrybPliku tryb, QWidget* rodzic, Przesylanie* przesylanie)
{
    // One file window: a second command takes over the open one.
    static QPointer<OknoPliku> okno;
    if (okno && (okno->isHidden() || &okno->modul() != &m || okno->parentWidget() != rodzic))
        okno = nullptr; // closing, or another program state's
    if (!okno) {
        Klepsydra klepsydra;
        okno = new OknoPliku(m, rodzic);
        urzadzOknoPomocnicze(okno);
    }
    okno->ustawTryb(tryb);
    okno->ustawPrzesylanie(przesylanie);
    okno->show();
    okno->raise();
    okno->activateWindow();
    m.ustawStatus(tryb == TrybPliku::Zapisz ? StatusZapisu : StatusOdczytu);
}

} // namespace zr05
