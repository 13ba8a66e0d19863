#include "ListaKatalogow.h"

#include <QDir>
#include <QFileIconProvider>

namespace zr05
{

namespace
{
constexpr int RolaSciezki = Qt::UserRole;

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
        auto* item = new QListWidgetItem(ikony.icon(QFileIconProvider::Folder),
                                         QString(2 * poziom++, u' ') + nazwaKatalogu(k), this);
        item->setData(RolaSciezki, k);
        if (k == m_sciezka)
            setCurrentItem(item);
    }
    const QDir d(m_sciezka);
    for (const QString& pod :
         d.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(ikony.icon(QFileIconProvider::Folder),
                                         QString(2 * poziom, u' ') + pod, this);
        item->setData(RolaSciezki, d.absoluteFilePath(pod));
    }
}

} // namespace zr05
