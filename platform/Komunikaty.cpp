#include "Komunikaty.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>

namespace zr05
{

namespace
{
Komunikaty::Odpowiadacz& odpowiadacz()
{
    static Komunikaty::Odpowiadacz o;
    return o;
}

// Wide enough for the whole caption in the title bar and for the longest word of the text (a
// file name is one word, so it is never broken in the middle), within the screen.
void poszerz(QMessageBox& box, const QString& tekst)
{
    const QFontMetrics fm(box.font());
    const QScreen* ekran = box.screen();
    const int najwiecej = ekran ? ekran->availableGeometry().width() * 9 / 10 : 1000;
    int slowo = 0;
    for (const QString& s :
         tekst.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        slowo = qMax(slowo, fm.horizontalAdvance(s) + 2);
    if (auto* napis = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        napis->setMinimumWidth(qMin(slowo, najwiecej - 100));
    const int tytul = fm.horizontalAdvance(box.windowTitle()) * 5 / 4 + 150;
    if (auto* siatka = qobject_cast<QGridLayout*>(box.layout()))
        siatka->addItem(new QSpacerItem(qMin(tytul, najwiecej), 0), siatka->rowCount(), 0, 1,
                        siatka->columnCount());
}

bool pokaz(QWidget* rodzic, const QString& tekst, bool pytanie)
{
    if (odpowiadacz())
        return odpowiadacz()(tekst, pytanie);
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), tekst,
                    pytanie ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, rodzic);
    box.setDefaultButton(QMessageBox::Ok);
    poszerz(box, tekst);
    return box.exec() == QMessageBox::Ok;
}
} // namespace

void Komunikaty::info(QWidget* rodzic, const QString& tekst)
{
    pokaz(rodzic, tekst, false);
}

bool Komunikaty::pytanie(QWidget* rodzic, const QString& tekst)
{
    return pokaz(rodzic, tekst, true);
}

void Komunikaty::ustawOdpowiadacz(Odpowiadacz o)
{
    odpowiadacz() = std::move(o);
}

} // namespace zr05
