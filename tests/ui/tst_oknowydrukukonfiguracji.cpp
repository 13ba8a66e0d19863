// The configuration printout window: the checked sections go to the printer (a PDF here) in the
// background, cancelling prints nothing, the open window keeps its choice while a new one starts
// with all checked, and the status bar holds its text while the window is open.

#include "Drukarka.h"
#include "Komunikaty.h"
#include "Module1.h"
#include "access/Przesylanie.h"
#include "config/MapaPamieci.h"
#include "config/PlikKonfiguracji.h"
#include "link/Lacze.h"
#include "print/OknoWydrukuKonfiguracji.h"

#include <QCheckBox>
#include <QDir>
#include <QPointer>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace zr05;

class TestOknoWydrukuKonfiguracji : public QObject
{
    Q_OBJECT

private slots:
    void drukowanie_data()
    {
        QTest::addColumn<QString>("odznaczone");
        QTest::addColumn<QString>("przycisk");
        QTest::addColumn<QStringList>("sa");
        QTest::addColumn<QStringList>("brak");
        QTest::addColumn<bool>("pobranaPoZapisie"); // a panel download followed the file save
        QTest::newRow("all") << ""
                             << "Command1"
                             << QStringList{"KONFIGURACJA SYSTEMU VOR ZR-05",
                                            "pobrana z pliku:",
                                            "/obiekt.vor> dnia:",
                                            "KLAWIATURY I PODCENTRALE:",
                                            "LINIE DOZOROWE:",
                                            "01 - DOKUMENT2",
                                            "WYJŚCIA OC:",
                                            "WYJŚCIA PK:",
                                            "KONTROLE STRAŻNIKÓW:",
                                            "AUTOMATYCZNE UZBRAJANIE STREF:",
                                            "STREFY ZALEŻNE:",
                                            "PARAMETRY SYSTEMOWE:"}
                             << QStringList{} << false;
        QTest::newRow("header and lines off")
            << "0 2 3 5 7"
            << "Command1"
            << QStringList{"KLAWIATURY I PODCENTRALE:", "WYJŚCIA PK:", "AUTOMATYCZNE",
                           "PARAMETRY SYSTEMOWE:"}
            << QStringList{"KONFIGURACJA SYSTEMU", "pobrana",
                           "LINIE DOZOROWE:",      "WYJŚCIA OC:",
                           "KONTROLE STRAŻNIKÓW:", "STREFY ZALEŻNE:"}
            << false;
        // The file keeps its name, but the image printed is the panel's.
        QTest::newRow("downloaded after the save")
            << "1 2 3 4 5 6 7 8"
            << "Command1"
            << QStringList{"KONFIGURACJA SYSTEMU VOR ZR-05", "pobrana z centralki dnia:"}
            << QStringList{"pobrana z pliku", "KLAWIATURY",   "LINIE",  "WYJŚCIA",
                           "KONTROLE",        "AUTOMATYCZNE", "STREFY", "PARAMETRY"}
            << true;
        QTest::newRow("ANULUJ") << "1"
                                << "Command2" << QStringList{} << QStringList{} << false;
    }

    void drukowanie()
    {
        QFETCH(QString, odznaczone);
        QFETCH(QString, przycisk);
        QFETCH(QStringList, sa);
        QFETCH(QStringList, brak);
        QFETCH(bool, pobranaPoZapisie);
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a default printer is installed here");
        QTemporaryDir katalog;
        Drukarka::ustawKatalogPdf(katalog.path());
        QStringList komunikaty;
        QList<Qt::CursorShape> kursory;
        Komunikaty::ustawOdpowiadacz([&](const QString& tekst, bool) {
            komunikaty << tekst;
            const QCursor* kursor = QApplication::overrideCursor();
            kursory << (kursor ? kursor->shape() : Qt::ArrowCursor);
            return true;
        });
        Module1 m;
        m.Obraz.Linie[1][8] = 48;
        m.Obraz.Linie[1][9] = 2;
        const QString plik = katalog.filePath(QStringLiteral("obiekt.vor"));
        QVERIFY(ZapiszKonfig(m, plik));
        m.WpisKonfig();
        Lacze lacze{m};
        Przesylanie przesylanie{m, lacze};
        if (pobranaPoZapisie) {
            // The last block of a configuration download from the panel, read twice alike.
            m.KodOperacji = OstatniKrokPobierania;
            for (int odpowiedz = 0; odpowiedz < 2; ++odpowiedz)
                emit lacze.daneOdczytu(OstatniKrokPobierania, QByteArray(112, '\0'));
            QCOMPARE(m.KodOperacji, 0);
        }
        QWidget rodzic;
        pokazOknoWydrukuKonfiguracji(m, &rodzic);
        QPointer<QWidget> okno = rodzic.findChild<OknoWydrukuKonfiguracji*>();
        QCOMPARE(m.status(), QStringLiteral("Drukowanie konfiguracji."));
        auto pole = [&](int i) {
            return okno->findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(i));
        };
        for (const QString& i : odznaczone.split(' ', Qt::SkipEmptyParts))
            pole(i.toInt())->setChecked(false);
        // Asked again, the open window keeps its choice.
        pokazOknoWydrukuKonfiguracji(m, &rodzic);
        QCOMPARE(rodzic.findChildren<OknoWydrukuKonfiguracji*>().size(), 1);
        for (int i = 0; i < LiczbaSekcji; ++i)
            QCOMPARE(pole(i)->isChecked(), !odznaczone.split(' ').contains(QString::number(i)));
        okno->hide();
        QCOMPARE(m.status(), QStringLiteral("Drukowanie konfiguracji.")); // not until it is gone
        okno->show();
        okno->findChild<QPushButton*>(przycisk)->click();
        QTRY_VERIFY(okno.isNull()); // destroyed, not only hidden
        QVERIFY(m.status().isEmpty());
        Drukarka::zaczekaj();
        Drukarka::ustawKatalogPdf(QString());
        Komunikaty::ustawOdpowiadacz({});
        const QStringList pliki = QDir(katalog.path()).entryList({QStringLiteral("*.pdf")});
        if (sa.isEmpty()) {
            QVERIFY(pliki.isEmpty() && komunikaty.isEmpty());
            pokazOknoWydrukuKonfiguracji(m, &rodzic);
            okno = rodzic.findChild<OknoWydrukuKonfiguracji*>();
            for (int i = 0; i < LiczbaSekcji; ++i)
                QVERIFY(pole(i)->isChecked());
            return;
        }
        QCOMPARE(pliki.size(), 1);
        QCOMPARE(komunikaty.size(), 1);
        QVERIFY2(komunikaty[0].contains(pliki[0]), qPrintable(komunikaty[0]));
        QCOMPARE(kursory.value(0), Qt::BusyCursor); // shown while the printout is made
        QProcess p;
        p.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), katalog.filePath(pliki[0]), QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QString tekst = QString::fromUtf8(p.readAllStandardOutput());
        for (const QString& t : sa)
            QVERIFY2(tekst.contains(t), qPrintable(t + QStringLiteral("\n---\n") + tekst));
        for (const QString& t : brak)
            QVERIFY2(!tekst.contains(t), qPrintable(t + QStringLiteral("\n---\n") + tekst));
        QVERIFY(m.Obraz.Linie[1][8] == 48 && m.NazwaPliku == plik);
    }
};

QTEST_MAIN(TestOknoWydrukuKonfiguracji)
#include "tst_oknowydrukukonfiguracji.moc"
