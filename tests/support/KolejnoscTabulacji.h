#pragma once
// The controls Tab really visits in a window, by their object names.

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace zr05
{

// From `od`, `ile` controls in the order Tab reaches them (the first is `od` itself). A part of
// a control, such as the text field of an editable combo box, counts as the control.
inline QStringList kolejnoscTabulacji(QWidget* okno, QWidget* od, int ile)
{
    QStringList nazwy;
    okno->show();
    okno->activateWindow();
    if (!QTest::qWaitForWindowActive(okno))
        return nazwy;
    od->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < ile; ++i) {
        QWidget* f = QApplication::focusWidget();
        if (!f)
            break;
        QWidget* kontrolka = f;
        while (kontrolka->parentWidget() &&
               (kontrolka->objectName().isEmpty() || kontrolka->objectName().startsWith("qt_")))
            kontrolka = kontrolka->parentWidget();
        nazwy << kontrolka->objectName();
        QTest::keyClick(f, Qt::Key_Tab);
    }
    return nazwy;
}

} // namespace zr05
