// The archive window: its lists and defaults, one window whose option is the download's, the
// request it sends, the options held while a download runs, stopping, the 1025 limit, the view
// of the chosen range, and the printout.

#include "Drukarka.h"
#include "PrzechwytKomunikatow.h"
#include "RamkiArchiwum.h"
#include "access/Przesylanie.h"
#include "archive/OknoArchiwum.h"
#include "archive/PobieranieArchiwum.h"
#include "link/Lacze.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace zr05;
using namespace zr05::ramkiArchiwum;

namespace
{
struct Scena {
    Module1 m;
    Lacze lacze{m};
    Przesylanie przesylanie{m, lacze};
    PobieranieArchiwum pobieranie{m, lacze};
    QWidget glowne;
    QByteArray wyslane;
    QPointer<OknoArchiwum> f;

    explicit Scena(bool alarmy = false)
    {
        m.ustawCheck1(0, true);
        lacze.ustawUjscie([this](const QByteArray& b) { wyslane += b; });
        f = pokazOknoArchiwum(m, pobieranie, przesylanie, alarmy, &glowne);
    }
    template <typename T = QWidget> T* k(const QString& nazwa) { return f->findChild<T*>(nazwa); }
    QRadioButton* opcja(int i) { return k<QRadioButton>(QStringLiteral("Option1_%1").arg(i)); }
    QComboBox* pole(int ktory, int i)
    {
        return k<QComboBox>(QStringLiteral("Combo%1_%2").arg(ktory).arg(i));
    }
    void ustaw(int ktory, const QString& pola)
    {
        const QStringList p = pola.split(' ');
        for (int i = 0; i < 5; ++i)
            pole(ktory, i)->setCurrentText(p[i]);
    }
    void kliknij(const char* nazwa) { QTest::mouseClick(k<QPushButton>(nazwa), Qt::LeftButton); }
    QString licznik() { return k<QLineEdit>(QStringLiteral("Text2"))->text(); }
    QStringList widok()
    {
        return k<QPlainTextEdit>(QStringLiteral("Text1"))
            ->toPlainText()
            .split('\n', Qt::SkipEmptyParts);
    }
    void odbierz(const QByteArray& r) { lacze.odbierz(r, 0); }
};

} // namespace

class TestOknoArchiwum : public QObject
{
    Q_OBJECT

private slots:
    // The range lists run from 2000-01-01 00:00 to the computer's clock; the option is the
    // download's; asked again the one window keeps what it shows, and a closed one stops the
    // download and comes back with its defaults.
    void polaIOpcja()
    {
        Scena s;
        const QDateTime teraz = QDateTime::currentDateTime();
        const int od[5] = {2000, 1, 1, 0, 0}, ile[5] = {100, 12, 31, 24, 60};
        const QStringList doKiedy = teraz.toString(QStringLiteral("yyyy MM dd HH mm")).split(' ');
        for (int i = 0; i < 5; ++i) {
            for (int ktory : {1, 2}) {
                QComboBox* c = s.pole(ktory, i);
                QCOMPARE(c->count(), ile[i]);
                QVERIFY(!c->isEditable());
                for (int j = 0; j < ile[i]; ++j)
                    QCOMPARE(c->itemText(j),
                             QString::number(od[i] + j).rightJustified(i ? 2 : 4, '0'));
            }
            QCOMPARE(s.pole(1, i)->currentIndex(), 0);
            if (i < 3) // the minute may have turned meanwhile
                QCOMPARE(s.pole(2, i)->currentText(), doKiedy[i]);
        }
        QVERIFY(s.opcja(0)->isChecked() && !s.pobieranie.alarmy());
        QTest::mouseClick(s.opcja(1), Qt::LeftButton);
        QVERIFY(s.pobieranie.alarmy());
        s.pobieranie.ustawAlarmy(false);
        QVERIFY(s.opcja(0)->isChecked());

        QCOMPARE(pokazOknoArchiwum(s.m, s.pobieranie, s.przesylanie, true, &s.glowne), s.f.data());
        QCOMPARE(pokazOknoArchiwum(s.m, s.pobieranie, s.przesylanie, false, &s.glowne), s.f.data());
        QCOMPARE(s.f->windowTitle(), QStringLiteral("Historia alarmów"));
        QVERIFY(s.opcja(1)->isChecked());
        s.kliknij("Command1");
        s.pobieranie.rekordy(pelna(0));
        s.m.ustawStatus(QStringLiteral("HISTORIA ALARMÓW"));
        s.f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(s.f.isNull());
        QCOMPARE(s.m.status(), QString());
        QCOMPARE(s.m.KodOperacji, 0);
        s.f = pokazOknoArchiwum(s.m, s.pobieranie, s.przesylanie, false, &s.glowne);
        QCOMPARE(s.f->windowTitle(), QStringLiteral("Archiwum zdarzeń i alarmów"));
        QVERIFY(s.opcja(0)->isChecked());
    }

    void pobieranie_data()
    {
        QTest::addColumn<bool>("alarmy");
        QTest::addColumn<bool>("zalogowany");
        QTest::addColumn<int>("przesylanie"); // -1: no upload runs; else the answer to its question
        QTest::addColumn<int>("ramek");       // full answers of 16 records
        QTest::addColumn<QString>("koniec");  // how the download ends
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("rekordow");
        QTest::newRow("events to the end record")
            << false << true << -1 << 2 << "end" << tekst::KoniecZdarzen << 41;
        QTest::newRow("alarms, Przerwij")
            << true << true << -1 << 3 << "Przerwij" << tekst::KoniecAlarmow << 48;
        QTest::newRow("logged out")
            << true << false << -1 << 0 << "" << tekst::HistoriaAlarmow << 0;
        QTest::newRow("upload running, Cancel")
            << false << true << 0 << 0 << "" << tekst::HistoriaAlarmow << 0;
        QTest::newRow("upload running, OK")
            << false << true << 1 << 1 << "end" << tekst::KoniecZdarzen << 25;
    }

    // "Pobierz" sends the archive and the start day chosen; while the download runs the option is
    // held; its end, "Przerwij" or a full table free it, and the window shows what came.
    void pobieranie()
    {
        QFETCH(bool, alarmy);
        QFETCH(bool, zalogowany);
        QFETCH(int, przesylanie);
        QFETCH(int, ramek);
        QFETCH(QString, koniec);
        QFETCH(QString, status);
        QFETCH(int, rekordow);
        Scena s(alarmy);
        s.pobieranie.rekordy(pelna(0)); // a stray answer leaves a count in the box
        s.m.Archiwum.IloscAla = s.m.Archiwum.IloscZda = 7; // left from an earlier download
        s.ustaw(1, QStringLiteral("2025 03 01 00 00"));
        s.m.ustawCheck1(0, zalogowany);
        s.m.ustawStatus(tekst::HistoriaAlarmow);
        if (przesylanie >= 0)
            s.m.KodOperacji = 70;
        PrzechwytKomunikatow k(przesylanie != 0);
        s.kliknij("Command1");
        QVERIFY(!QApplication::overrideCursor());
        if (!zalogowany || przesylanie == 0) {
            QCOMPARE(k.teksty.size(), 1);
            if (!zalogowany)
                QCOMPARE(k.teksty[0],
                         QStringLiteral("Nie zalogowany użytkownik. Operacja nie może być wykonana."));
            QCOMPARE(alarmy ? s.m.Archiwum.IloscAla : s.m.Archiwum.IloscZda, 7);
            QCOMPARE(s.m.KodOperacji, przesylanie == 0 ? 70 : 0);
            QCOMPARE(s.licznik(), QStringLiteral("16"));
            QCOMPARE(s.m.status(), status);
            return;
        }
        QCOMPARE(k.pytania, przesylanie == 1 ? QList<bool>{true} : QList<bool>{});
        QCOMPARE(s.m.status(), alarmy ? tekst::PobieranieAlarmow : tekst::PobieranieZdarzen);
        QCOMPARE(s.licznik(), QString());
        s.odbierz(ramka::zSuma(QByteArray("\x37\x4B"))); // the panel's request slot
        QCOMPARE(s.wyslane,
                 ramka::zSuma(QByteArray::fromHex(alarmy ? "37b202010319" : "37b201010319")));
        QVERIFY(!s.opcja(0)->isEnabled() && !s.opcja(1)->isEnabled());
        QTest::mouseClick(s.opcja(alarmy ? 0 : 1), Qt::LeftButton);
        QCOMPARE(s.pobieranie.alarmy(), alarmy);
        s.odbierz(pelna(0));
        QVERIFY(s.widok().isEmpty()); // nothing shown while it runs
        for (int i = 1; i < ramek; ++i)
            s.odbierz(pelna(16 * i));
        if (koniec == QLatin1String("end"))
            s.odbierz(zKoncem(16 * ramek, 9));
        else if (koniec == QLatin1String("Przerwij"))
            s.kliknij("Command4");
        QCOMPARE(s.m.status(), status);
        QCOMPARE(s.m.KodOperacji, 0);
        QVERIFY(s.opcja(0)->isEnabled() && s.opcja(1)->isEnabled());
        QCOMPARE(alarmy ? s.m.Archiwum.IloscAla : s.m.Archiwum.IloscZda, rekordow);
        // The end shows the range at once; after "Przerwij" it takes "Wyświetl".
        if (koniec != QLatin1String("Przerwij")) {
            QCOMPARE(s.licznik(), QStringLiteral("KONIEC"));
            QCOMPARE(s.widok().size(), rekordow);
        }
        s.ustaw(2, QStringLiteral("2025 03 01 00 20"));
        s.kliknij("Command2");
        QCOMPARE(s.widok().size(), std::min(rekordow, 21));
        QVERIFY(s.widok().last().startsWith(QStringLiteral("25-03-01  00:20  ")));
    }

    // "Wyświetl" shows the chosen archive within the range, only when asked; "Drukuj" prints it.
    void widokIWydruk()
    {
        Scena s;
        s.m.Archiwum.RekZda[0] = {25, 1, 2, 3, 4, 128, 0, 0};
        s.m.Archiwum.RekAla[0] = {25, 1, 2, 3, 5, 8, 7, 0};
        s.m.Archiwum.IloscZda = s.m.Archiwum.IloscAla = 1;
        s.kliknij("Command2");
        QCOMPARE(s.widok(), QStringList{"25-01-02  03:04  ZDARZENIE: INSTALATOR      "});
        QTest::mouseClick(s.opcja(1), Qt::LeftButton);
        QCOMPARE(s.widok(), QStringList{"25-01-02  03:04  ZDARZENIE: INSTALATOR      "});
        s.kliknij("Command2");
        QCOMPARE(s.widok(), QStringList{"25-01-02  03:05  ALARM: NAPAD z Klaw-07 "});
        s.ustaw(1, QStringLiteral("2025 01 02 03 06"));
        s.kliknij("Command2");
        QVERIFY(s.widok().isEmpty());
        s.ustaw(1, QStringLiteral("2025 01 02 03 05"));

        QTemporaryDir katalog;
        Drukarka::ustawKatalogPdf(katalog.path());
        PrzechwytKomunikatow k;
        s.kliknij("Command3");
        Drukarka::zaczekaj();
        Drukarka::ustawKatalogPdf(QString());
        const QStringList pliki = QDir(katalog.path()).entryList({QStringLiteral("*.pdf")});
        QCOMPARE(pliki.size(), 1);
        QCOMPARE(k.teksty.size(), 1);
        QProcess p;
        p.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), katalog.filePath(pliki[0]), QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QString tekst = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(tekst.contains(QStringLiteral("WYDRUK ARCHIWUM ALARMÓW Z CENTRALI VOR ZR-05")) &&
                     tekst.contains(QStringLiteral("NAPAD z Klaw-07")),
                 qPrintable(tekst));
    }
};

QTEST_MAIN(TestOknoArchiwum)
#include "tst_oknoarchiwum.moc"
