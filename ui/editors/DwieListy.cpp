#include "DwieListy.h"

#include <QAbstractButton>
#include <QListWidget>

namespace zr05
{

DwieListy::DwieListy(QListWidget* lewa, QListWidget* prawa, QAbstractButton* doLewej,
                     QAbstractButton* doPrawej, QObject* parent)
    : QObject(parent), m_lewa(lewa), m_prawa(prawa)
{
    for (QListWidget* l : {m_lewa, m_prawa}) {
        l->setSortingEnabled(true);
        l->setSelectionMode(QAbstractItemView::SingleSelection);
    }
    connect(doLewej, &QAbstractButton::clicked, this, &DwieListy::przeniesDoLewej);
    connect(doPrawej, &QAbstractButton::clicked, this, &DwieListy::przeniesDoPrawej);
    connect(m_prawa, &QListWidget::itemDoubleClicked, this, &DwieListy::przeniesDoLewej);
    connect(m_lewa, &QListWidget::itemDoubleClicked, this, &DwieListy::przeniesDoPrawej);
}

QString DwieListy::dwieCyfry(int numer)
{
    return QStringLiteral("%1").arg(numer, 2, 10, QLatin1Char('0'));
}

void DwieListy::wyczysc()
{
    m_lewa->clear();
    m_prawa->clear();
}

void DwieListy::wypelnij(const QList<int>& wszystkie, const std::function<bool(int)>& naLewo,
                         const Tekst& tekst)
{
    wyczysc();
    for (int n : wszystkie)
        (naLewo(n) ? m_lewa : m_prawa)->addItem(tekst(n));
}

QList<int> DwieListy::czlonkowie() const
{
    QList<int> numery;
    for (int i = 0; i < m_lewa->count(); ++i) {
        bool ok = false;
        const int n = m_lewa->item(i)->text().left(2).toInt(&ok);
        if (ok)
            numery.append(n);
    }
    return numery;
}

void DwieListy::przenies(QListWidget* z, QListWidget* na)
{
    QListWidgetItem* wybrany = z->currentItem();
    if (!wybrany || !wybrany->isSelected())
        return;
    // The item itself moves: taking it from a list hands it to us, adding it hands it on.
    na->addItem(z->takeItem(z->row(wybrany)));
    // The list would select the next item by itself; a second click must move nothing.
    z->clearSelection();
}

void DwieListy::przeniesDoLewej()
{
    const int przed = m_lewa->count();
    przenies(m_prawa, m_lewa);
    if (m_lewa->count() != przed)
        emit zmieniono();
}

void DwieListy::przeniesDoPrawej()
{
    const int przed = m_prawa->count();
    przenies(m_lewa, m_prawa);
    if (m_prawa->count() != przed)
        emit zmieniono();
}

} // namespace zr05
