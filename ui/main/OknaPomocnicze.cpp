#include "OknaPomocnicze.h"

#include "Module1.h"

#include <QApplication>
#include <QBoxLayout>
#include <QGridLayout>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

namespace zr05
{

void czyscStatusPoZamknieciu(QWidget* okno, Module1& m)
{
    okno->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(okno, &QObject::destroyed, &m, &Module1::wyczyscStatus);
}

namespace
{
// The layout's items as they are placed. In a grid an item comes before another that lies
// wholly below it, and before one beside it to its right (so a list spanning two rows comes
// before the two buttons stacked at its side); a box keeps its direction.
QList<QLayoutItem*> elementyWKolejnosci(QLayout* uklad)
{
    QList<QLayoutItem*> elementy;
    for (int i = 0; i < uklad->count(); ++i)
        elementy.append(uklad->itemAt(i));
    if (auto* siatka = qobject_cast<QGridLayout*>(uklad)) {
        struct Miejsce {
            int gora, dol, kolumna;
        };
        auto miejsce = [siatka](QLayoutItem* e) {
            int wiersz = 0, kolumna = 0, wiersze = 0, kolumny = 0;
            siatka->getItemPosition(siatka->indexOf(e), &wiersz, &kolumna, &wiersze, &kolumny);
            return Miejsce{wiersz, wiersz + qMax(wiersze, 1) - 1, kolumna};
        };
        auto przed = [&](QLayoutItem* a, QLayoutItem* b) {
            const Miejsce ma = miejsce(a), mb = miejsce(b);
            if (ma.dol < mb.gora)
                return true;
            if (mb.dol < ma.gora)
                return false;
            return ma.kolumna < mb.kolumna;
        };
        // Insertion keeps the layout's own order among items in the same place.
        QList<QLayoutItem*> posortowane;
        for (QLayoutItem* e : elementy) {
            int i = int(posortowane.size());
            while (i > 0 && przed(e, posortowane[i - 1]))
                --i;
            posortowane.insert(i, e);
        }
        return posortowane;
    }
    if (auto* pudlo = qobject_cast<QBoxLayout*>(uklad)) {
        if (pudlo->direction() == QBoxLayout::RightToLeft ||
            pudlo->direction() == QBoxLayout::BottomToTop)
            std::reverse(elementy.begin(), elementy.end());
    }
    return elementy;
}

void zbierzKontrolki(QLayout* uklad, QList<QWidget*>& kontrolki)
{
    for (QLayoutItem* e : elementyWKolejnosci(uklad)) {
        if (QWidget* w = e->widget()) {
            if (w->focusPolicy() & Qt::TabFocus)
                kontrolki.append(w);
            else if (w->layout())
                zbierzKontrolki(w->layout(), kontrolki);
        } else if (QLayout* l = e->layout()) {
            zbierzKontrolki(l, kontrolki);
        }
    }
}
} // namespace

void ustawKolejnoscTabulacji(QWidget* okno)
{
    if (!okno->layout())
        return;
    QList<QWidget*> kontrolki;
    zbierzKontrolki(okno->layout(), kontrolki);
    for (int i = 1; i < kontrolki.size(); ++i)
        QWidget::setTabOrder(kontrolki[i - 1], kontrolki[i]);
}

void urzadzOknoPomocnicze(QWidget* okno)
{
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), okno);
    QObject::connect(escape, &QShortcut::activated, okno, &QWidget::close);
    ustawKolejnoscTabulacji(okno);
    // Room for the caption and the title bar's icon and buttons; the title bar's font is
    // usually a little larger than the window's.
    const int tytul = okno->fontMetrics().horizontalAdvance(okno->windowTitle()) * 5 / 4 + 150;
    if (okno->minimumWidth() < tytul) {
        if (okno->maximumWidth() < tytul)
            okno->setMaximumWidth(tytul);
        okno->setMinimumWidth(tytul);
    }
}

} // namespace zr05
