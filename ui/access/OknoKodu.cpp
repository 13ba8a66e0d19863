#include "OknoKodu.h"
#include "PrzerwaniePrzesylania.h"
#include "access/Logowanie.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>

namespace zr05
{

namespace
{
// Keypads show a typed code as stars; so does this window, whatever the desktop style.
class StylGwiazdek : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* opt, const QWidget* w,
                  QStyleHintReturn* ret) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, opt, w, ret);
    }
};
} // namespace

OknoKodu::OknoKodu(Logowanie& l, const Przesylanie& p, QWidget* parent)
    : QWidget(parent, Qt::Window), logowanie(l), przesylanie(p)
{
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Wprowadzanie kodów"));

    auto* etykieta = new QLabel(QStringLiteral("Wprowadź kod:"), this);
    m_kod = new QLineEdit(this);
    m_kod->setObjectName(QStringLiteral("Text1"));
    auto* styl = new StylGwiazdek;
    styl->setParent(m_kod);
    m_kod->setStyle(styl);
    m_kod->setEchoMode(QLineEdit::Password);
    m_kod->setMaxLength(32);
    m_kod->setToolTip(QStringLiteral(
        "Okno do wprowadzenia kodu najpierw użytkownika lub nadzorcy, a później instalatora. Po "
        "wprowadzeniu kodu proszę nacisnąć OK lub Enter."));
    m_komunikat = new QLineEdit(this);
    m_komunikat->setObjectName(QStringLiteral("Text2"));
    m_komunikat->setReadOnly(true);
    m_komunikat->setFocusPolicy(Qt::NoFocus);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setToolTip(QStringLiteral("Zatwierdzenie kodu wprowadzonego w oknie obok."));
    ok->setAutoDefault(true); // Enter on the button confirms too

    auto* uklad = new QGridLayout(this);
    uklad->addWidget(etykieta, 0, 0);
    uklad->addWidget(m_kod, 0, 1);
    uklad->addWidget(ok, 0, 2);
    uklad->addWidget(m_komunikat, 1, 0, 1, 3);

    connect(ok, &QPushButton::clicked, this, &OknoKodu::zatwierdz);
    connect(m_kod, &QLineEdit::returnPressed, this, &OknoKodu::zatwierdz);
    connect(&logowanie, &Logowanie::komunikatZmieniony, m_komunikat, &QLineEdit::setText);
    connect(&logowanie, &Logowanie::wyczyscKod, this, [this] {
        m_kod->clear();
        m_kod->setFocus();
    });
    connect(&logowanie, &Logowanie::zamknijOkno, this, &QWidget::close);

    logowanie.oknoOtwarte();
    m_komunikat->setText(logowanie.komunikat());
    m_kod->setFocus();
}

void OknoKodu::zatwierdz()
{
    const QString kod = m_kod->text();
    if (!potwierdzPrzerwaniePrzesylania(przesylanie, this)) {
        m_kod->clear();
        return;
    }
    logowanie.zatwierdzKod(kod);
    // The code has been packed for the panel; the box keeps no copy of it.
    m_kod->clear();
}

void OknoKodu::closeEvent(QCloseEvent* e)
{
    m_kod->clear();
    logowanie.oknoZamkniete();
    QWidget::closeEvent(e);
}

} // namespace zr05
