#pragma once
// An editor window opened as its menu command opens it, over a loaded configuration: its
// controls by name, items picked in its lists and boxes, and its save question answered.
// A window test derives from it and calls utworz() in init() and sprzataj() in cleanup().

#include "Module1.h"
#include "PrzechwytKomunikatow.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace zr05
{

class StanowiskoEdytora
{
public:
    using Pokaz = void (*)(Module1&, QWidget*);

    StanowiskoEdytora(Pokaz pokaz, const char* nazwa, const char* przyciskZapisu)
        : m_pokaz(pokaz), m_nazwa(QLatin1String(nazwa)), m_zapis(QLatin1String(przyciskZapisu))
    {
    }

protected:
    Module1* m = nullptr;
    QPointer<QWidget> okno;

    void utworz()
    {
        m = new Module1;
        m->KonfigJest = 1;
    }
    // Closes the window; closed, it leaves no status behind.
    void sprzataj()
    {
        if (okno)
            okno->close();
        QTRY_VERIFY(okno.isNull());
        QCOMPARE(m->status(), QString());
        delete m;
        m = nullptr;
    }

    template <typename T> T* k(const QString& nazwa) const
    {
        T* w = okno ? okno->findChild<T*>(nazwa) : nullptr;
        if (!w)
            qWarning() << "no control" << nazwa;
        return w;
    }

    void otworz()
    {
        m_pokaz(*m, nullptr);
        okno = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == m_nazwa && w->isVisible())
                okno = w;
        QVERIFY(okno);
    }

    // Clicks the save button and answers its one question (the words are checked elsewhere).
    void zapisz(bool tak)
    {
        PrzechwytKomunikatow p(tak);
        k<QPushButton>(m_zapis)->click();
        QCOMPARE(p.pytania, QList<bool>{true});
        QVERIFY(okno); // stays open either way
    }

    // Makes `tekst` the current item of `lista`, then clicks `przycisk` if one is named.
    void wybierz(const char* lista, const QString& tekst, const char* przycisk = nullptr)
    {
        auto* l = k<QListWidget>(QLatin1String(lista));
        const auto znalezione = l->findItems(tekst, Qt::MatchExactly);
        QCOMPARE(znalezione.size(), 1);
        l->setCurrentItem(znalezione.first());
        if (przycisk)
            k<QPushButton>(QLatin1String(przycisk))->click();
    }

    // Picks `tekst` in a box as the user does.
    void wybierzZPola(const char* pole, const QString& tekst)
    {
        auto* c = k<QComboBox>(QLatin1String(pole));
        const int i = c->findText(tekst);
        QVERIFY(i >= 0);
        c->setCurrentIndex(i);
        emit c->activated(i);
    }

private:
    Pokaz m_pokaz;
    QString m_nazwa;
    QString m_zapis;
};

// "od".."doW" as a box lists them, zero-padded to `szerokosc` digits.
inline QStringList liczby(int od, int doW, int szerokosc = 1)
{
    QStringList t;
    for (int n = od; n <= doW; ++n)
        t << QStringLiteral("%1").arg(n, szerokosc, 10, QLatin1Char('0'));
    return t;
}

} // namespace zr05
