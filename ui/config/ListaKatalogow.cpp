#include "ListaKatalogow.h"

#include <QDir>
#include <QFileIconProvider>
#include <QStyledItemDelegate>

namespace zr05
{

namespace
{
constexpr int RolaSciezki = Qt::UserRole;
constexpr int RolaPoziomu = Qt::UserRole + 1;
constexpr int WciecieNaPoziom = 12;

// Each level is drawn further right; the item text itself holds only the folder's name, so
// typing its first letters finds it.
class WciecieKatalogow : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& opcje,
               const QModelIndex& indeks) const override
    {
        QStyleOptionViewItem o(opcje);
        o.rect.setLeft(o.rect.left() + wciecie(indeks));
        QStyledItemDelegate::paint(p, o, indeks);
    }
    QSize sizeHint(const QStyleOptionViewItem& opcje, const QModelIndex& indeks) const override
    {
        return QStyledItemDelegate::sizeHint(opcje, indeks) + QSize(wciecie(indeks), 0);
    }

private:
    static int wciecie(const QModelIndex& indeks)
    {
        return WciecieNaPoziom * indeks.data(RolaPoziomu).toInt();
    }
};

// The directory and its parents, root first.
QStringList przodkowie(const QString& sciezka)
{
    QStringList lista;
    QDir d(sciezka);
    lista.prepend(d.absolutePath());
    while (d.cdUp())
        lista.prepend(d.absolutePath());
    return lista;
}

QString nazwaKatalogu(const QString& sciezka)
{
    const QString n = QDir(sciezka).dirName();
    return n.isEmpty() ? QDir::toNativeSeparators(sciezka) : n;
}
} // namespace

ListaKatalogow::ListaKatalogow(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new WciecieKatalogow(this));
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ustawSciezke(item->data(RolaSciezki).toString()); });
}

void ListaKatalogow::ustawSciezke(const QString& sciezka)
{
    const QString nowa = QDir::cleanPath(QDir(sciezka).absolutePath());
    if (nowa == m_sciezka)
        return;
    m_sciezka = nowa;
    odswiez();
    emit sciezkaZmieniona(m_sciezka);
}

void ListaKatalogow::odswiez()
{
    clear();
    const QFileIconProvider ikony;
    const QStringList otwarte = przodkowie(m_sciezka);
    int poziom = 0;
    for (const QString& k : otwarte) {
        auto* item =
            new QListWidgetItem(ikony.icon(QFileIconProvider::Folder), nazwaKatalogu(k), this);
        item->setData(RolaSciezki, k);
        item->setData(RolaPoziomu, poziom++);
        if (k == m_sciezka)
            setCurrentItem(item);
    }
    const QDir d(m_sciezka);
    for (const QString& pod :
         d.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(ikony.icon(QFileIconProvider::Folder), pod, this);
        item->setData(RolaSciezki, d.absoluteFilePath(pod));
        item->setData(RolaPoziomu, poziom);
    }
}

} // namespace zr05
