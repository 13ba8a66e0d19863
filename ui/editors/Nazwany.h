#pragma once

#include <QString>

namespace zr05
{

// Tests and screen readers find a control by its objectName; most controls also carry a tooltip.
template <typename T> T* nazwany(T* w, const QString& nazwa, const QString& podpowiedz = {})
{
    w->setObjectName(nazwa);
    if (!podpowiedz.isEmpty())
        w->setToolTip(podpowiedz);
    return w;
}

} // namespace zr05
