#pragma once
// The item texts of list and combo boxes, for window tests that compare them with expected lists.

#include <QComboBox>
#include <QListWidget>
#include <QStringList>

namespace zr05
{

inline QStringList teksty(const QListWidget* l)
{
    QStringList t;
    for (int i = 0; i < l->count(); ++i)
        t << l->item(i)->text();
    return t;
}

inline QStringList pozycje(const QComboBox* c)
{
    QStringList t;
    for (int i = 0; i < c->count(); ++i)
        t << c->itemText(i);
    return t;
}

} // namespace zr05
