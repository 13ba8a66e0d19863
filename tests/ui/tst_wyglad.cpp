// Every window keeps the control names that tests and screen readers find its controls by and
// shows its fixed texts exactly; the main window's layout cuts off or covers nothing the user must
// read (set ZR05_ZRZUT to a directory for pictures of it).

#include "OknaScena.h"
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
#include "main/OknoOProgramie.h"
#include "print/OknoWydrukuKonfiguracji.h"

#include <QFile>

using namespace zr05;

namespace
{
// Every window's control names and fixed texts, as a table in napisy.txt beside this test.
QString napisy()
{
    QFile plik(QStringLiteral(ZR05_DANE_TESTOW "/ui/napisy.txt"));
    return plik.open(QIODevice::ReadOnly) ? QString::fromUtf8(plik.readAll()) : QString();
}

QString napis(const QObject* o, char co)
{
    const char* wlasnosc = co == 'p'   ? "toolTip"
                           : co == 'r' ? "title"
                           : co == 'o' ? "windowTitle"
                                       : "text";
    return o->property(wlasnosc).toString();
}

// Every window of the program at once, found by its name.
struct WszystkieOkna {
    Module1 m;
    Lacze lacze{m};
    OknoGlowne glowne{m, lacze};
    std::unique_ptr<QWidget> inne[12] = {
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
    QWidget* okno(const QString& nazwa)
    {
        for (const auto& w : inne)
            if (w->objectName() == nazwa)
                return w.get();
        return glowne.objectName() == nazwa ? &glowne : nullptr;
    }
};

QRect wOknie(const QWidget* w, const QWidget* okno)
{
    return QRect(w->mapTo(okno, QPoint(0, 0)), w->size());
}

// The first of the named widgets that covers one named before it, or none.
QString zachodzi(const QWidget* okno, const QStringList& nazwy)
{
    QList<QRect> przed;
    for (const QString& nazwa : nazwy) {
        const QRect r = wOknie(okno->findChild<QWidget*>(nazwa), okno);
        for (const QRect& inny : przed)
            if (inny.intersects(r))
                return nazwa;
        przed << r;
    }
    return QString();
}
} // namespace

class TestWyglad : public QObject
{
    Q_OBJECT

private slots:
    void nazwyINapisy()
    {
        static const QRegularExpression nazwy(QStringLiteral("^(\\w+) = (.*)$"));
        static const QRegularExpression tekst(
            QStringLiteral("^(\\w+) ([\\w*-]+) ([tpro]) \"(.*)\"$"));
        static const QRegularExpression zakres(QStringLiteral("^(\\w*)\\{(\\d+)-(\\d+)\\}$"));
        WszystkieOkna o;
        QStringList wiersze;
        const QString tabela = napisy();
        QVERIFY2(!tabela.isEmpty(), "napisy.txt missing");
        for (const QString& l : tabela.split(u'\n', Qt::SkipEmptyParts)) {
            if (l.startsWith('#'))
                continue;
            if (!l.startsWith(' '))
                wiersze << l;
            else if (l.trimmed().startsWith('='))
                wiersze.last() += l.trimmed().mid(1);
            else
                wiersze.last().insert(wiersze.last().size() - 1, l.trimmed().mid(1).chopped(1));
        }
        int napisow = 0;
        for (const QString& l : wiersze) {
            if (const auto n = nazwy.match(l); n.hasMatch()) {
                QWidget* okno = o.okno(n.captured(1));
                QVERIFY2(okno, qPrintable(l));
                for (const QString& nazwa : n.captured(2).split(' ', Qt::SkipEmptyParts)) {
                    const auto z = zakres.match(nazwa);
                    for (int i = z.hasMatch() ? z.captured(2).toInt() : 0;
                         i <= (z.hasMatch() ? z.captured(3).toInt() : 0); ++i) {
                        const QString pelna =
                            z.hasMatch() ? z.captured(1) + QString::number(i) : nazwa;
                        QVERIFY2(okno->findChild<QObject*>(pelna),
                                 qPrintable(n.captured(1) + ' ' + pelna));
                    }
                }
                continue;
            }
            const auto t = tekst.match(l);
            QVERIFY2(t.hasMatch(), qPrintable(l));
            QWidget* okno = o.okno(t.captured(1));
            const QString kontrolka = t.captured(2);
            const char co = t.captured(3)[0].toLatin1();
            QVERIFY2(okno, qPrintable(l));
            ++napisow;
            if (kontrolka == QLatin1String("*")) {
                QStringList etykiety;
                for (const QLabel* e : okno->findChildren<QLabel*>())
                    etykiety << napis(e, co);
                QVERIFY2(etykiety.contains(t.captured(4)), qPrintable(l));
                continue;
            }
            // A menu's text is on its action, which carries the same name.
            const QObject* k = kontrolka == QLatin1String("-")
                                   ? static_cast<QObject*>(okno)
                                   : okno->findChild<QAction*>(kontrolka);
            if (!k)
                k = okno->findChild<QObject*>(kontrolka);
            QVERIFY2(k, qPrintable(l));
            QCOMPARE(napis(k, co), t.captured(4));
        }
        QVERIFY(napisow > 200);
    }

    void uklad_data()
    {
        QTest::addColumn<QSize>("rozmiar");
        QTest::addColumn<bool>("onLine");
        QTest::newRow("default size, port choice") << QSize() << false;
        QTest::newRow("1920x1080, port choice") << QSize(1920, 1080) << false;
        QTest::newRow("1024x768, on line") << QSize(1024, 768) << true;
        QTest::newRow("1920x1080, on line") << QSize(1920, 1080) << true;
    }

    void uklad()
    {
        QFETCH(QSize, rozmiar);
        QFETCH(bool, onLine);
        Module1 m;
        Lacze lacze(m);
        OknoGlowne okno(m, lacze);
        if (rozmiar.isValid())
            okno.resize(rozmiar);
        okno.show();
        if (onLine) {
            okno.potwierdzPort();
            m.ustawOnLine(true);
            m.Zegar = {59, 59, 23, 31, 12, 99};
            m.ZegarZnany = true;
            m.zglosZegar();
        }
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QTest::qWait(50);
        if (const QString katalog = qEnvironmentVariable("ZR05_ZRZUT"); !katalog.isEmpty())
            okno.grab().save(QDir(katalog).filePath(QString(QTest::currentDataTag()) + ".png"));
        auto ramka = [&](const char* nazwa) {
            return okno.findChild<QGroupBox*>(QLatin1String(nazwa));
        };
        // The left column keeps its natural width, whatever room the right one leaves.
        int naturalna = 0;
        for (const char* nazwa : {"Frame7", "Frame3", "Frame4"})
            if (ramka(nazwa)->isVisible())
                naturalna = std::max(naturalna, ramka(nazwa)->sizeHint().width());
        for (const char* nazwa : {"Frame7", "Frame3", "Frame4"})
            QVERIFY2(!ramka(nazwa)->isVisible() || ramka(nazwa)->width() <= naturalna + 1, nazwa);
        if (!onLine) {
            auto* obraz = okno.findChild<QWidget*>(QStringLiteral("Picture1"));
            QVERIFY(obraz->width() > 200 && obraz->height() > 150);
            QCOMPARE(zachodzi(&okno, {"Picture1", "Frame7"}), QString());
            QVERIFY(okno.rect().contains(wOknie(ramka("Frame7"), &okno)));
            return;
        }
        // Boxes show their whole text within the window, the lamps side by side, the frames apart.
        const QRect obszar = okno.centralWidget()->rect();
        QStringList lampy;
        for (int i = 0; i < 80; ++i)
            lampy << QStringLiteral("Text4_%1").arg(i);
        for (const QString& nazwa : lampy + QStringList{"Text8_0", "Text8_4", "Text6", "Text2_9",
                                                        "Text2_12", "Text1_0", "Text1_5"}) {
            auto* l = okno.findChild<QLineEdit*>(nazwa);
            QVERIFY2(l->isVisible() && obszar.contains(wOknie(l, okno.centralWidget())),
                     qPrintable(nazwa));
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) + 4 <= l->width(),
                     qPrintable(nazwa));
        }
        QCOMPARE(zachodzi(&okno, lampy), QString());
        QCOMPARE(zachodzi(&okno, {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame6"}),
                 QString());
        for (int i = 0; i < 10; ++i) {
            auto* podpis = okno.findChild<QLabel*>(QStringLiteral("Label2_%1").arg(i));
            QVERIFY(podpis->width() >= podpis->sizeHint().width());
        }
    }
};

QTEST_MAIN(TestWyglad)
#include "tst_wyglad.moc"
