// The configuration printout window: its controls, opening and closing with the status bar,
// cancelling, and printing the checked sections (to a PDF, there being no printer here).

#include "Drukarka.h"
#include "Komunikaty.h"
#include "Module1.h"
#include "access/Przesylanie.h"
#include "config/MapaPamieci.h"
#include "config/PlikKonfiguracji.h"
#include "link/Lacze.h"
#include "print/OknoWydrukuKonfiguracji.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPointer>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace zr05;

namespace
{
const QString Status = QStringLiteral("Drukowanie konfiguracji.");

QWidget* otwarteOkno()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Form11") && w->isVisible())
            return w;
    return nullptr;
}

QString pdfNaTekst(const QString& sciezka)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), sciezka, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

class TestOknoWydrukuKonfiguracji : public QObject
{
    Q_OBJECT
    QTemporaryDir katalog;
    Module1* m = nullptr;
    QWidget rodzic;
    QPointer<QWidget> okno;
    QStringList komunikaty;
    QList<Qt::CursorShape> kursoryPrzyKomunikacie;

    template <typename T> T* kontrolka(const QString& nazwa)
    {
        T* k = okno ? okno->findChild<T*>(nazwa) : nullptr;
        if (!k)
            qWarning() << "no control" << nazwa;
        return k;
    }
    void otworz()
    {
        pokazOknoWydrukuKonfiguracji(*m, &rodzic);
        okno = otwarteOkno();
        QVERIFY(okno);
    }
    QStringList pliki() const { return QDir(katalog.path()).entryList({QStringLiteral("*.pdf")}); }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void kontrolki();
    void otwarcieUstawiaStatus();
    void ponownePolecenieTegoSamegoOkna();
    void anulujZamykaBezDrukowania();
    void zamkniecieInaczejCzysciStatus();
    void drukujeZaznaczoneSekcje_data();
    void drukujeZaznaczoneSekcje();
    void ponownieWszystkoZaznaczone();
};

void TestOknoWydrukuKonfiguracji::initTestCase()
{
    QVERIFY(katalog.isValid());
    Drukarka::ustawKatalogPdf(katalog.path());
    Komunikaty::ustawOdpowiadacz([this](const QString& tekst, bool) {
        komunikaty << tekst;
        const QCursor* kursor = QApplication::overrideCursor();
        kursoryPrzyKomunikacie << (kursor ? kursor->shape() : Qt::ArrowCursor);
        return true;
    });
}

void TestOknoWydrukuKonfiguracji::init()
{
    m = new Module1;
    komunikaty.clear();
    kursoryPrzyKomunikacie.clear();
    for (const QString& p : pliki())
        QFile::remove(QDir(katalog.path()).filePath(p));
}

void TestOknoWydrukuKonfiguracji::cleanup()
{
    if (okno)
        delete okno.data();
    delete m;
    m = nullptr;
}

void TestOknoWydrukuKonfiguracji::kontrolki()
{
    otworz();
    QCOMPARE(okno->windowTitle(), QStringLiteral("Drukowanie konfiguracji systemu"));
    QVERIFY(!okno->isModal());
    const QStringList teksty = {
        QStringLiteral("Nagłówek"),
        QStringLiteral("Istniejące klawiatury i podcentrale"),
        QStringLiteral("Linie dozorowe"),
        QStringLiteral("Wyjścia OC"),
        QStringLiteral("Wyjścia PK"),
        QStringLiteral("Kontrole strażnika"),
        QStringLiteral("Automatyczne Uzbrajanie"),
        QStringLiteral("Strefy zależne"),
        QStringLiteral("Klawiatury"),
    };
    for (int i = 0; i < teksty.size(); ++i) {
        auto* c = kontrolka<QCheckBox>(QStringLiteral("Check1_%1").arg(i));
        QVERIFY(c);
        QCOMPARE(c->text(), teksty[i]);
        QVERIFY(c->isChecked());
    }
    QCOMPARE(okno->findChildren<QCheckBox*>().size(), teksty.size());
    auto* ok = kontrolka<QPushButton>(QStringLiteral("Command1"));
    auto* anuluj = kontrolka<QPushButton>(QStringLiteral("Command2"));
    QVERIFY(ok && anuluj);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(ok->toolTip(),
             QStringLiteral("Rozpocznij drukowanie wyszczególnionych elementów konfiguracji"));
    QCOMPARE(anuluj->text(), QStringLiteral("ANULUJ"));
    QCOMPARE(anuluj->toolTip(), QStringLiteral("Porzuć drukowanie"));
}

void TestOknoWydrukuKonfiguracji::otwarcieUstawiaStatus()
{
    QVERIFY(m->status().isEmpty());
    otworz();
    QCOMPARE(m->status(), Status);
    QVERIFY(rodzic.isAncestorOf(okno) || okno->parentWidget() == &rodzic);
}

void TestOknoWydrukuKonfiguracji::ponownePolecenieTegoSamegoOkna()
{
    otworz();
    kontrolka<QCheckBox>(QStringLiteral("Check1_4"))->setChecked(false);
    QPointer<QWidget> pierwsze = okno;
    otworz();
    QCOMPARE(okno.data(), pierwsze.data());
    QVERIFY(!kontrolka<QCheckBox>(QStringLiteral("Check1_4"))->isChecked());
    int ile = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        ile += w->objectName() == QLatin1String("Form11") && w->isVisible();
    QCOMPARE(ile, 1);
}

void TestOknoWydrukuKonfiguracji::anulujZamykaBezDrukowania()
{
    otworz();
    kontrolka<QPushButton>(QStringLiteral("Command2"))->click();
    QTRY_VERIFY(okno.isNull()); // destroyed, not only hidden
    QVERIFY(m->status().isEmpty());
    QVERIFY(pliki().isEmpty());
    QVERIFY(komunikaty.isEmpty());
}

void TestOknoWydrukuKonfiguracji::zamkniecieInaczejCzysciStatus()
{
    otworz();
    okno->close();
    QTRY_VERIFY(okno.isNull());
    QVERIFY(m->status().isEmpty());
    QVERIFY(pliki().isEmpty());
}

void TestOknoWydrukuKonfiguracji::drukujeZaznaczoneSekcje_data()
{
    QTest::addColumn<QList<int>>("odznaczone");
    QTest::addColumn<QStringList>("sa");
    QTest::addColumn<QStringList>("brak");
    QTest::addColumn<bool>("pobranaPoZapisie"); // a panel download followed the file save
    // The file keeps its name, but the image printed is the panel's.
    QTest::newRow("downloaded after the save")
        << QList<int>{1, 2, 3, 4, 5, 6, 7, 8}
        << QStringList{"KONFIGURACJA SYSTEMU VOR ZR-05", "pobrana z centralki dnia:"}
        << QStringList{"pobrana z pliku"} << true;
    QTest::newRow("all") << QList<int>{}
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
        << QList<int>{0, 2} << QStringList{"KLAWIATURY I PODCENTRALE:", "PARAMETRY SYSTEMOWE:"}
        << QStringList{"KONFIGURACJA SYSTEMU", "pobrana", "LINIE DOZOROWE:", "DOKUMENT2"} << false;
    QTest::newRow("header only") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8}
                                 << QStringList{"KONFIGURACJA SYSTEMU VOR ZR-05", "dnia:"}
                                 << QStringList{"KLAWIATURY",   "LINIE",  "WYJŚCIA",  "KONTROLE",
                                                "AUTOMATYCZNE", "STREFY", "PARAMETRY"}
                                 << false;
}

void TestOknoWydrukuKonfiguracji::drukujeZaznaczoneSekcje()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a default printer is installed here");
    QFETCH(QList<int>, odznaczone);
    QFETCH(QStringList, sa);
    QFETCH(QStringList, brak);
    QFETCH(bool, pobranaPoZapisie);
    m->Obraz.Linie[1][8] = 48;
    m->Obraz.Linie[1][9] = 2;
    const QString plik = katalog.filePath(QStringLiteral("obiekt.vor"));
    QVERIFY(ZapiszKonfig(*m, plik));
    m->WpisKonfig();
    Lacze lacze{*m};
    Przesylanie przesylanie{*m, lacze};
    if (pobranaPoZapisie) {
        // The last block of a configuration download from the panel, read twice alike.
        m->KodOperacji = OstatniKrokPobierania;
        for (int odpowiedz = 0; odpowiedz < 2; ++odpowiedz)
            emit lacze.daneOdczytu(OstatniKrokPobierania, QByteArray(112, '\0'));
        QCOMPARE(m->KodOperacji, 0);
    }
    otworz();
    for (int i : odznaczone)
        kontrolka<QCheckBox>(QStringLiteral("Check1_%1").arg(i))->setChecked(false);
    kontrolka<QPushButton>(QStringLiteral("Command1"))->click();
    QTRY_VERIFY(okno.isNull());
    QVERIFY(m->status().isEmpty());
    Drukarka::zaczekaj();

    const QStringList p = pliki();
    QCOMPARE(p.size(), 1);
    QCOMPARE(komunikaty.size(), 1);
    QVERIFY2(komunikaty[0].contains(p[0]), qPrintable(komunikaty[0]));
    // The busy pointer shows while the printout is made in the background.
    QCOMPARE(kursoryPrzyKomunikacie.value(0), Qt::BusyCursor);
    const QString tekst = pdfNaTekst(QDir(katalog.path()).filePath(p[0]));
    for (const QString& t : sa)
        QVERIFY2(tekst.contains(t), qPrintable(t + QStringLiteral("\n---\n") + tekst));
    for (const QString& t : brak)
        QVERIFY2(!tekst.contains(t), qPrintable(t + QStringLiteral("\n---\n") + tekst));
    QVERIFY(m->Obraz.Linie[1][8] == 48 && m->NazwaPliku == plik);
}

void TestOknoWydrukuKonfiguracji::ponownieWszystkoZaznaczone()
{
    otworz();
    for (int i = 0; i < 9; ++i)
        kontrolka<QCheckBox>(QStringLiteral("Check1_%1").arg(i))->setChecked(false);
    kontrolka<QPushButton>(QStringLiteral("Command2"))->click();
    QTRY_VERIFY(okno.isNull());
    otworz();
    for (int i = 0; i < 9; ++i)
        QVERIFY(kontrolka<QCheckBox>(QStringLiteral("Check1_%1").arg(i))->isChecked());
    QCOMPARE(m->status(), Status);
}

QTEST_MAIN(TestOknoWydrukuKonfiguracji)
#include "tst_oknowydrukukonfiguracji.moc"
