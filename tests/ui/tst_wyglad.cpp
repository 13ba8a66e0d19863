// The main window's layout at its default size: nothing the user must read is cut off or
// covered. Set ZR05_ZRZUT to a directory to get pictures of both states for a look. And every
// window keeps the control names that tests and screen readers find its controls by.

#include "Module1.h"
#include "access/OknoKodu.h"
#include "access/OknoPostepu.h"
#include "archive/OknoArchiwum.h"
#include "config/OknoPliku.h"
#include "editors/EdytorAutoUzbrajania.h"
#include "editors/EdytorKlawiatur.h"
#include "editors/EdytorKontroli.h"
#include "editors/EdytorLinii.h"
#include "editors/EdytorStref.h"
#include "editors/EdytorWyjsc.h"
#include "link/Lacze.h"
#include "main/OknoGlowne.h"
#include "main/OknoOProgramie.h"
#include "print/OknoWydrukuKonfiguracji.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <memory>

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

// "Text4_{0-79} Command5" -> Text4_0 ... Text4_79, Command5.
QStringList rozwin(const QString& nazwy)
{
    static const QRegularExpression zakres(QStringLiteral("^(\\w*)\\{(\\d+)-(\\d+)\\}$"));
    QStringList wynik;
    for (const QString& n : nazwy.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const auto z = zakres.match(n);
        if (!z.hasMatch()) {
            wynik << n;
            continue;
        }
        for (int i = z.captured(2).toInt(); i <= z.captured(3).toInt(); ++i)
            wynik << z.captured(1) + QString::number(i);
    }
    return wynik;
}
} // namespace

class TestWyglad : public QObject
{
    Q_OBJECT
private slots:
    void start();
    void widokOnLine_data();
    void widokOnLine();
    void nazwyKontrolek_data();
    void nazwyKontrolek();
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

void TestWyglad::widokOnLine_data()
{
    QTest::addColumn<QSize>("rozmiar");
    QTest::addColumn<bool>("onLine");
    for (const QSize r : {QSize(1024, 768), QSize(1920, 1080)})
        for (const bool w : {false, true})
            QTest::addRow("%dx%d, on-line %s", r.width(), r.height(), w ? "on" : "off") << r << w;
}

void TestWyglad::widokOnLine()
{
    QFETCH(QSize, rozmiar);
    QFETCH(bool, onLine);
    Module1 m;
    Lacze lacze(m);
    OknoGlowne okno(m, lacze);
    okno.resize(rozmiar);
    okno.show();
    m.WybranyPort = 0;
    okno.potwierdzPort();
    m.ustawOnLine(onLine);
    m.Zegar = {59, 59, 23, 31, 12, 99};
    m.ZegarZnany = true;
    m.zglosZegar();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    QTest::qWait(50);
    zapiszZrzut(okno, QStringLiteral("oknoglowne-%1x%2-%3.png")
                          .arg(rozmiar.width())
                          .arg(rozmiar.height())
                          .arg(onLine ? QStringLiteral("online") : QStringLiteral("port")));

    // The left column keeps its natural width, whatever room the right one leaves.
    QList<QGroupBox*> lewe;
    int naturalna = 0;
    for (const char* nazwa : {"Frame7", "Frame3", "Frame4"}) {
        auto* r = okno.findChild<QGroupBox*>(QLatin1String(nazwa));
        if (r->isVisible()) {
            lewe << r;
            naturalna = std::max(naturalna, r->sizeHint().width());
        }
    }
    for (const QGroupBox* r : lewe)
        QVERIFY2(
            r->width() <= naturalna + 1,
            qPrintable(
                QStringLiteral("%1: %2 > %3").arg(r->objectName()).arg(r->width()).arg(naturalna)));
    if (!onLine)
        return;

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

void TestWyglad::nazwyKontrolek_data()
{
    QTest::addColumn<QString>("nazwy");
    QTest::newRow("Form1") << "MenuBar1 StatusBar1 StatusBar1_Tekst Timer1 Obszar Toolbar1 "
                              "Przycisk{1-9} mnuKonf mnuKonfLog mnuKonfWyUZYT mnuKonfWyINST "
                              "mnuKonfKreska{1-4} mnuKonfPobierz mnuKonfPrzekaz mnuKonfCzytaj "
                              "mnuKonfZapisz mnuKonfDruk mnuKonfKoniec mnuOn mnuProg mnuProgLinie "
                              "mnuProgWyj mnuProgStrefy mnuProgKont mnuProgAuto mnuProgSys mnuHist "
                              "mnuHistAla mnuHistZda mnuPom mnuPomOPr Frame{1-7} Option1_{0-4} "
                              "Label1 Command5 Check1_{0-1} Picture1 Text1_{0-5} Text4_{0-79} "
                              "Text8_{0-4} Text6 Text2_{0-12} Text3_{0-9} Label2_{0-9} Text5 "
                              "Command10 Command1";
    QTest::newRow("Form2") << "Label1 ProgressBar1";
    QTest::newRow("Form3") << "Text1 Text2 Command1";
    QTest::newRow("Form4") << "Combo{1-2} Combo3_{0-1} Combo{4-12} Command{1-5} Frame{1-4} "
                              "List{1-2}";
    QTest::newRow("Form5") << "Combo{1-5} Command{1-5} Frame{1-2} Label{1-8} List{1-2}";
    QTest::newRow("Form6") << "Combo{1-3} Label{1-3} Label4_{0-1} List{1-2} Command{1-3}";
    QTest::newRow("Form7") << "Frame{1-4} Label{1-4} List{1-2} Check1_{0-7} Check2_{0-3} "
                              "Option1_{0-1} Combo{1-2} Command1";
    QTest::newRow("Form8") << "Combo{1-6} Frame{1-3} Label{1-6} List{1-2} Command{1-3}";
    QTest::newRow("Form9") << "Frame{1-5} Label{4-5} Option1_{0-1} Combo1_{0-4} Combo2_{0-4} "
                              "Command{1-4} Text{1-2}";
    QTest::newRow("Form10") << "Combo1 Label{1-3} List{1-2} Command1 Command4 Command5";
    QTest::newRow("Form11") << "Check1_{0-8} Command{1-2}";
    QTest::newRow("Form12") << "Frame1 Drive1 Dir1 File1 Label1 Text1 Command{1-4}";
    QTest::newRow("Form13") << "Label{1-2} Command1";
}

void TestWyglad::nazwyKontrolek()
{
    QFETCH(QString, nazwy);
    Module1 m;
    Lacze lacze(m);
    OknoGlowne glowne(m, lacze);
    std::unique_ptr<QWidget> inne[] = {
        std::make_unique<OknoPostepu>(glowne.przesylanie()),
        std::make_unique<OknoKodu>(glowne.logowanie(), glowne.przesylanie()),
        std::make_unique<EdytorLinii>(m),
        std::make_unique<EdytorKontroli>(m),
        std::make_unique<EdytorAutoUzbrajania>(m),
        std::make_unique<EdytorKlawiatur>(m),
        std::make_unique<EdytorWyjsc>(m),
        std::make_unique<OknoArchiwum>(m, glowne.pobieranieArchiwum(), nullptr,
                                       QDateTime::currentDateTime()),
        std::make_unique<EdytorStref>(m),
        std::make_unique<OknoWydrukuKonfiguracji>(m),
        std::make_unique<OknoPliku>(m),
        std::make_unique<OknoOProgramie>(),
    };
    QWidget* okno = &glowne;
    for (const auto& w : inne)
        if (w->objectName() == QLatin1String(QTest::currentDataTag()))
            okno = w.get();
    QCOMPARE(okno->objectName(), QLatin1String(QTest::currentDataTag()));
    for (const QString& nazwa : rozwin(nazwy))
        QVERIFY2(okno->findChild<QObject*>(nazwa), qPrintable(nazwa));
}

QTEST_MAIN(TestWyglad)
#include "tst_wyglad.moc"
