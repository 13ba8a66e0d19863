// The main window's layout at its default size: nothing the user must read is cut off or
// covered. Set ZR05_ZRZUT to a directory to get pictures of both states for a look.

#include "Module1.h"
#include "link/Lacze.h"
#include "main/OknoGlowne.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace zr05;

namespace
{
void zapiszZrzut(QWidget& okno, const QString& nazwa)
{
    const QString katalog = qEnvironmentVariable("ZR05_ZRZUT");
    if (!katalog.isEmpty())
        okno.grab().save(QDir(katalog).filePath(nazwa));
}

QRect wOknie(const QWidget* w, const QWidget* okno)
{
    return QRect(w->mapTo(okno, QPoint(0, 0)), w->size());
}

// The text of a box fits inside it.
bool tekstSieMiesci(const QLineEdit* pole)
{
    return pole->fontMetrics().horizontalAdvance(pole->text()) + 4 <= pole->width();
}
} // namespace

class TestWyglad : public QObject
{
    Q_OBJECT
private slots:
    void start();
    void widokOnLine();
};

void TestWyglad::start()
{
    Module1 m;
    Lacze lacze(m);
    OknoGlowne okno(m, lacze);
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    zapiszZrzut(okno, QStringLiteral("oknoglowne-start.png"));
    auto* obraz = okno.findChild<QWidget*>(QStringLiteral("Picture1"));
    auto* port = okno.findChild<QGroupBox*>(QStringLiteral("Frame7"));
    QVERIFY(obraz->width() > 200 && obraz->height() > 150);
    QVERIFY(!wOknie(obraz, &okno).intersects(wOknie(port, &okno)));
    QVERIFY(okno.rect().contains(wOknie(port, &okno)));
}

void TestWyglad::widokOnLine()
{
    Module1 m;
    Lacze lacze(m);
    OknoGlowne okno(m, lacze);
    okno.show();
    m.WybranyPort = 0;
    okno.potwierdzPort();
    m.ustawOnLine(true);
    m.Zegar = {59, 59, 23, 31, 12, 99};
    m.ZegarZnany = true;
    m.zglosZegar();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    QTest::qWait(50);
    zapiszZrzut(okno, QStringLiteral("oknoglowne-online.png"));

    const QRect obszar = okno.centralWidget()->rect();
    QList<QRect> lampy;
    for (int i = 0; i < 80; ++i) {
        auto* l = okno.findChild<QLineEdit*>(QStringLiteral("Text4_%1").arg(i));
        QVERIFY(l->isVisible());
        QVERIFY2(tekstSieMiesci(l), qPrintable(l->objectName()));
        const QRect r = wOknie(l, okno.centralWidget());
        QVERIFY2(obszar.contains(r), qPrintable(l->objectName()));
        for (const QRect& inna : lampy)
            QVERIFY2(!inna.intersects(r), qPrintable(l->objectName()));
        lampy << r;
    }
    for (const char* nazwa :
         {"Text8_0", "Text8_4", "Text6", "Text2_9", "Text2_12", "Text1_0", "Text1_2", "Text1_5"}) {
        auto* l = okno.findChild<QLineEdit*>(QLatin1String(nazwa));
        QVERIFY2(l->isVisible() && tekstSieMiesci(l), nazwa);
        QVERIFY2(obszar.contains(wOknie(l, okno.centralWidget())), nazwa);
    }
    for (int i = 0; i < 10; ++i) {
        auto* podpis = okno.findChild<QLabel*>(QStringLiteral("Label2_%1").arg(i));
        QVERIFY(podpis->width() >= podpis->sizeHint().width());
    }
    // The frames do not cover each other.
    QList<QRect> ramki;
    for (const char* nazwa : {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame6"}) {
        const QRect r = wOknie(okno.findChild<QGroupBox*>(QLatin1String(nazwa)), &okno);
        for (const QRect& inna : ramki)
            QVERIFY2(!inna.intersects(r), nazwa);
        ramki << r;
    }
}

QTEST_MAIN(TestWyglad)
#include "tst_wyglad.moc"
