#pragma once
// The main window over a simulated panel on the in-process wire, in virtual time: the scene of
// the window tests. Commands run by their menu or toolbar names; secondary windows are found
// by their names among the application's windows.

#include "Module1.h"
#include "Przewod.h"
#include "SymulatorCentrali.h"
#include "link/Lacze.h"
#include "link/WyborPortu.h"
#include "main/OknoGlowne.h"

#include <QTest>
#include <QtWidgets>
#include <functional>

namespace zr05
{

// The visible window of that name, if any.
inline QWidget* otwarte(const QString& nazwa)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == nazwa && w->isVisible())
            return w;
    return nullptr;
}

inline int ileOtwartych(const QString& nazwa)
{
    int ile = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        ile += w->objectName() == nazwa && w->isVisible();
    return ile;
}

struct OknaScena {
    Module1 m;
    Lacze lacze{m};
    OknoGlowne okno{m, lacze};
    SymulatorCentrali sym;
    Przewod przewod{lacze, sym}; // made after the window, which gives the link its port

    explicit OknaScena(const UstawieniaSymulatora& u = {}) : sym(u) { m.WybranyPort = 1; }

    template <typename T = QWidget> T* k(const QString& nazwa) { return okno.findChild<T*>(nazwa); }
    QAction* akcja(const QString& nazwa) { return okno.findChild<QAction*>(nazwa); }
    void wyzwol(const QString& nazwa) { akcja(nazwa)->trigger(); }
    // The option chosen and its port opened, as the OK button leaves them.
    void port(int opcja)
    {
        m.WybranyPort = opcja;
        QVERIFY(potwierdzWyborPortu(m, true));
    }

    bool czekaj(const std::function<bool()>& warunek, qint64 maksMs = 120000)
    {
        const bool ok = przewod.runUntil(warunek, maksMs);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return ok;
    }
    bool doKonca()
    {
        return czekaj([this] { return m.KodOperacji == 0; });
    }

    // Through the code window, as the user types it.
    void zaloguj(const QString& kod)
    {
        wyzwol(QStringLiteral("mnuKonfLog"));
        QWidget* f3 = otwarte(QStringLiteral("Form3"));
        QVERIFY(f3);
        QVERIFY(doKonca());
        auto* pole = f3->findChild<QLineEdit*>(QStringLiteral("Text1"));
        QTest::keyClicks(pole, kod);
        QTest::keyClick(pole, Qt::Key_Return);
        QVERIFY(doKonca());
    }
};

} // namespace zr05
