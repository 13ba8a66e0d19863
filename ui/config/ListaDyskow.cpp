#include "ListaDyskow.h"

#include <QDir>
#include <QStorageInfo>

namespace zr05
{

namespace
{
QStringList korzenie()
{
    QStringList lista;
#ifdef Q_OS_WIN
    for (const QFileInfo& d : QDir::drives())
        lista << d.absoluteFilePath();
#else
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (v.isValid() && v.isReady())
            lista << v.rootPath();
#endif
    lista.sort();
    lista.removeDuplicates();
    return lista;
}

QString korzenDla(const QString& sciezka)
{
#ifdef Q_OS_WIN
    const QString k = QDir(sciezka).absolutePath().left(3);
    return k.size() == 3 ? k : QDir::rootPath();
#else
    const QStorageInfo v(sciezka);
    return v.isValid() ? v.rootPath() : QDir::rootPath();
#endif
}
} // namespace

ListaDyskow::ListaDyskow(QWidget* parent) : QComboBox(parent)
{
    for (const QString& k : korzenie())
        addItem(QDir::toNativeSeparators(k), k);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit dyskZmieniony(dysk()); });
}

QString ListaDyskow::dysk() const
{
    return currentData().toString();
}

void ListaDyskow::ustawDyskDla(const QString& sciezka)
{
    const QString k = korzenDla(sciezka);
    int i = findData(k);
    if (i < 0) {
        addItem(QDir::toNativeSeparators(k), k);
        i = count() - 1;
    }
    setCurrentIndex(i);
}

} // namespace zr05
