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
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    auto* styl = new StylGwiazdek;
    styl->setParent(Text1);
    Text1->setStyle(styl);
    Text1->setEchoMode(QLineEdit::Password);
    Text1->setMaxLength(32);
    Text1->setToolTip(QStringLiteral(
        "Okno do wprowadzenia kodu najpierw użytkownika lub nadzorcy, a później instalatora. Po "
        "wprowadzeniu kodu proszę nacisnąć OK lub Enter."));
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setReadOnly(true);
    Text2->setFocusPolicy(Qt::NoFocus);
    auto* Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QStringLiteral("Zatwierdzenie kodu wprowadzonego w oknie obok."));

    auto* uklad = new QGridLayout(this);
    uklad->addWidget(etykieta, 0, 0);
    uklad->addWidget(Text1, 0, 1);
    uklad->addWidget(Command1, 0, 2);
    uklad->addWidget(Text2, 1, 0, 1, 3);

    connect(Command1, &QPushButton::clicked, this, &OknoKodu::zatwierdz);
    connect(Text1, &QLineEdit::returnPressed, this, &OknoKodu::zatwierdz);
    connect(&logowanie, &Logowanie::komunikatZmieniony, Text2, &QLineEdit::setText);
    connect(&logowanie, &Logowanie::wyczyscKod, this, [this] {
        Text1->clear();
        Text1->setFocus();
    });
    connect(&logowanie, &Logowanie::zamknijOkno, this, &QWidget::close);

    Text2->setText(logowanie.komunikat());
    logowanie.oknoOtwarte();
}

void OknoKodu::zatwierdz()
{
    const QString kod = Text1->text();
    if (!potwierdzPrzerwaniePrzesylania(przesylanie, this)) {
        Text1->clear();
        return;
    }
    logowanie.zatwierdzKod(kod);
    // The code has been packed for the panel; the box keeps no copy of it.
    Text1->clear();
}

void OknoKodu::closeEvent(QCloseEvent* e)
{
    Text1->clear();
    logowanie.oknoZamkniete();
    QWidget::closeEvent(e);
}

} // namespace zr05
