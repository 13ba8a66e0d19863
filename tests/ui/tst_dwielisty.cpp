// The two-list set picker shared by the editors.

#include "editors/DwieListy.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace zr05;

class TestDwieListy : public QObject
{
    Q_OBJECT

    struct Okno {
        QWidget w;
        QListWidget* lewa = new QListWidget(&w);
        QListWidget* prawa = new QListWidget(&w);
        QPushButton* doLewej = new QPushButton(QStringLiteral("<="), &w);
        QPushButton* doPrawej = new QPushButton(QStringLiteral("=>"), &w);
        DwieListy listy{lewa, prawa, doLewej, doPrawej};

        QStringList teksty(QListWidget* l) const
        {
            QStringList t;
            for (int i = 0; i < l->count(); ++i)
                t << l->item(i)->text();
            return t;
        }
        void wybierz(QListWidget* l, const QString& tekst)
        {
            const auto znalezione = l->findItems(tekst, Qt::MatchExactly);
            QVERIFY(!znalezione.isEmpty());
            l->setCurrentItem(znalezione.first());
        }
    };

private slots:
    void wypelnienieSortujePoNumerze()
    {
        Okno o;
        o.listy.wypelnij({10, 1, 9, 2, 3}, [](int n) { return n % 2 == 1; });
        QCOMPARE(o.teksty(o.lewa), (QStringList{"01", "03", "09"}));
        QCOMPARE(o.teksty(o.prawa), (QStringList{"02", "10"}));
        QCOMPARE(o.listy.czlonkowie(), (QList<int>{1, 3, 9}));
    }

    void przyciskiIDwuklikPrzenosza()
    {
        Okno o;
        o.listy.wypelnij(
            {1, 2, 3, 4}, [](int n) { return n == 3; },
            [](int n) { return DwieListy::dwieCyfry(n) + QStringLiteral(" - opis"); });
        o.wybierz(o.prawa, QStringLiteral("04 - opis"));
        o.doLewej->click();
        QCOMPARE(o.listy.czlonkowie(), (QList<int>{3, 4}));
        o.wybierz(o.lewa, QStringLiteral("03 - opis"));
        o.doPrawej->click();
        QCOMPARE(o.listy.czlonkowie(), (QList<int>{4}));
        QCOMPARE(o.teksty(o.prawa), (QStringList{"01 - opis", "02 - opis", "03 - opis"}));

        // A double click moves the clicked item.
        auto* pierwszy = o.prawa->item(0);
        o.prawa->setCurrentItem(pierwszy);
        emit o.prawa->itemDoubleClicked(pierwszy);
        QCOMPARE(o.listy.czlonkowie(), (QList<int>{1, 4}));
    }

    void bezZaznaczeniaNicSieNieDzieje()
    {
        Okno o;
        o.listy.wypelnij({1, 2, 3}, [](int) { return false; });
        o.doLewej->click();
        QCOMPARE(o.lewa->count(), 0);
        // After a move nothing stays chosen: a second click moves nothing more.
        o.wybierz(o.prawa, QStringLiteral("01"));
        o.doLewej->click();
        o.doLewej->click();
        QCOMPARE(o.listy.czlonkowie(), (QList<int>{1}));
        QCOMPARE(o.prawa->count(), 2);
    }
};

QTEST_MAIN(TestDwieListy)
#include "tst_dwielisty.moc"
