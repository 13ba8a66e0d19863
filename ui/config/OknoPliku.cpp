#include "OknoPliku.h"
#include "Komunikaty.h"
#include "ListaDyskow.h"
#include "ListaKatalogow.h"
#include "ListaPlikow.h"
#include "Module1.h"
#include "config/PlikKonfiguracji.h"
#include "config/RegulyPliku.h"
#include "main/Klepsydra.h"

#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
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
} // namespace

OknoPliku::OknoPliku(Module1& modul, QWidget* parent) : QWidget(parent, Qt::Window), m(modul)
{
    setObjectName(QStringLiteral("Form12"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(TytulOdczytu);

    auto* Frame1 = new QGroupBox(QStringLiteral("Wybór pliku:"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Drive1 = new ListaDyskow(Frame1);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setToolTip(QStringLiteral("Wybór dysku"));
    Dir1 = new ListaKatalogow(Frame1);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setToolTip(QStringLiteral("Wybór katalogu ścieżki dostępu"));
    File1 = new ListaPlikow(WzorPlikowKonfiguracji, Frame1);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setToolTip(QStringLiteral("Wybór pliku do odczytu."));

    auto* Label1 = new QLabel(QStringLiteral("Wybrano plik:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setToolTip(QStringLiteral("Wybrany plik. W przypadku zapisu można zmieniać jego nazwę "
                                     "pozostawiając jednak rozszerzenie .vor"));
    Label1->setBuddy(Text1);

    Command1 = przycisk("Command1", QStringLiteral("&Zapisz"),
                        QStringLiteral("Zapisanie konfiguracji w pliku o nazwie xxxxx.vor "
                                       "(wpisanej w oknie obok) na dysku i w katalogu jak w "
                                       "poniższych oknach."),
                        this);
    Command2 = przycisk("Command2", QStringLiteral("&Czytaj"),
                        QStringLiteral("Czytaj wybrany w oknie obok plik."), this);
    Command3 = przycisk("Command3", QStringLiteral("&OK"), QString(), this);
    Command4 = przycisk("Command4", QStringLiteral("&Anuluj"),
                        QStringLiteral("Anuluj odczyt/zapis konfiguracji do pliku."), this);

    auto* wybor = new QGridLayout(Frame1);
    wybor->addWidget(Drive1, 0, 0);
    wybor->addWidget(Dir1, 1, 0);
    wybor->addWidget(File1, 0, 1, 2, 1);

    auto* nazwa = new QHBoxLayout;
    nazwa->addWidget(Label1);
    nazwa->addWidget(Text1, 1);
    nazwa->addWidget(Command1);
    nazwa->addWidget(Command2);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(Command3);
    przyciski->addWidget(Command4);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(nazwa);
    uklad->addWidget(Frame1, 1);
    uklad->addLayout(przyciski);
    resize(520, 340);

    connect(Drive1, &ListaDyskow::dyskZmieniony, Dir1, &ListaKatalogow::ustawSciezke);
    connect(Dir1, &ListaKatalogow::sciezkaZmieniona, File1, &ListaPlikow::ustawSciezke);
    connect(File1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { wybierzPlik(item->text()); });
    connect(Text1, &QLineEdit::textChanged, this, &OknoPliku::nazwaZmieniona);
    connect(Command1, &QPushButton::clicked, this, &OknoPliku::zapiszPlik);
    connect(Command2, &QPushButton::clicked, this, &OknoPliku::czytajPlik);
    connect(Command3, &QPushButton::clicked, this, &OknoPliku::zamknij);
    connect(Command4, &QPushButton::clicked, this, &OknoPliku::zamknij);

    // Load: the current drive, opened at the current directory.
    {
        const QSignalBlocker cisza(Drive1);
        Drive1->ustawDyskDla(QDir::currentPath());
    }
    Dir1->ustawSciezke(QDir::currentPath());
    ustawTryb(TrybPliku::Czytaj);
}

void OknoPliku::ustawTryb(TrybPliku tryb)
{
    m_tryb = tryb;
    const bool zapis = tryb == TrybPliku::Zapisz;
    setWindowTitle(zapis ? TytulZapisu : TytulOdczytu);
    Text1->clear();
    Text1->setReadOnly(!zapis);
    Command1->setVisible(zapis);
    Command1->setEnabled(false);
    Command2->setVisible(!zapis);
    Command2->setEnabled(false);
    File1->odswiez(); // a file saved since the last opening shows up
}

void OknoPliku::wybierzPlik(const QString& nazwa)
{
    const bool dobra = maRozszerzenieVor(nazwa);
    if (!dobra)
        Komunikaty::info(this, QStringLiteral("Wybrany zbiór: <%1> jest nieprawidłowy").arg(nazwa));
    if (m_tryb == TrybPliku::Czytaj) {
        if (dobra)
            Text1->setText(nazwa);
        Command2->setEnabled(dobra);
    } else if (dobra) {
        Text1->setText(nazwa);
        Command1->setEnabled(true);
    }
}

void OknoPliku::nazwaZmieniona(const QString& tekst)
{
    Command1->setEnabled(maRozszerzenieVor(tekst));
}

QString OknoPliku::sciezka() const
{
    return sciezkaPliku(File1->sciezka(), Text1->text());
}

void OknoPliku::zapiszPlik()
{
    // The button is enabled only for a proper name; a stale enable must not save elsewhere.
    if (!maRozszerzenieVor(Text1->text()))
        return;
    const auto w = ZapiszKonfig(m, sciezka());
    if (!w)
        Komunikaty::info(this, w.komunikat);
    zamknij();
}

void OknoPliku::czytajPlik()
{
    if (!maRozszerzenieVor(Text1->text()))
        return;
    const auto w = CzytajKonfig(m, sciezka());
    if (!w)
        Komunikaty::info(this, w.komunikat);
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

void pokazOknoPliku(Module1& m, TrybPliku tryb, QWidget* rodzic)
{
    // One file window: a second command takes over the open one.
    static QPointer<OknoPliku> okno;
    if (okno && (okno->isHidden() || &okno->modul() != &m || okno->parentWidget() != rodzic))
        okno = nullptr; // closing, or another program state's
    if (!okno) {
        Klepsydra klepsydra;
        okno = new OknoPliku(m, rodzic);
    }
    okno->ustawTryb(tryb);
    okno->show();
    okno->raise();
    okno->activateWindow();
    m.ustawStatus(tryb == TrybPliku::Zapisz ? StatusZapisu : StatusOdczytu);
}

} // namespace zr05
