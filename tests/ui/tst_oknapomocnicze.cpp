// Shared rules of secondary windows: the hourglass while one is made, the status bar
// emptied when one closes.

#include "Module1.h"
#include "main/Klepsydra.h"
#include "main/OknaPomocnicze.h"

#include <QPointer>
#include <QTest>
#include <QWidget>

using namespace zr05;

class TestOknaPomocnicze : public QObject
{
    Q_OBJECT
private slots:
    void klepsydraNaCzasTworzenia();
    void statusNieruszanyPrzedZamknieciem();
};

void TestOknaPomocnicze::klepsydraNaCzasTworzenia()
{
    QVERIFY(!QApplication::overrideCursor());
    {
        Klepsydra k;
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        {
            Klepsydra zagniezdzona;
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        QVERIFY(QApplication::overrideCursor());
    }
    QVERIFY(!QApplication::overrideCursor());
}

void TestOknaPomocnicze::statusNieruszanyPrzedZamknieciem()
{
    Module1 m;
    auto* okno = new QWidget;
    czyscStatusPoZamknieciu(okno, m);
    okno->show();
    m.ustawStatus(QStringLiteral("Drukowanie konfiguracji."));
    okno->hide();
    QTest::qWait(20);
    QCOMPARE(m.status(), QStringLiteral("Drukowanie konfiguracji."));
    delete okno;
    QVERIFY(m.status().isEmpty());
}

QTEST_MAIN(TestOknaPomocnicze)
#include "tst_oknapomocnicze.moc"
