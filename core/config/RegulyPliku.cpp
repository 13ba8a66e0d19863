#include "RegulyPliku.h"

#include <QDir>

namespace zr05
{

bool maRozszerzenieVor(const QString& nazwa)
{
    return nazwa.endsWith(QStringLiteral(".vor"), Qt::CaseSensitive);
}

QString sciezkaPliku(const QString& katalog, const QString& nazwa)
{
    const QString k = QDir::toNativeSeparators(katalog);
    if (k.endsWith(QDir::separator()))
        return k + nazwa;
    return k + QDir::separator() + nazwa;
}

} // namespace zr05
