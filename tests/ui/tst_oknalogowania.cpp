// The code window and the progress window driven from the main window against the simulated
// panel: what the user sees while logging in, downloading and uploading.

#include "KolejnoscTabulacji.h"
#include "Module1.h"
#include "PrzechwytKomunikatow.h"
#include "Przewod.h"
#include "SymulatorCentrali.h"
#include "access/OknoKodu.h"
#include "access/OknoPostepu.h"
#include "access/Przesylanie.h"
#include "link/Lacze.h"
#include "main/OknoGlowne.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>

using namespace zr05;

namespace
{

struct Program {
    Module1 m;
    Lacze lacze{m};
    OknoGlowne okno{m, lacze};
    SymulatorCentrali sym;
    Przewod przewod{lacze, sym};

    Program() { m.WybranyPort = 1; }

    void wyzwol(const char* nazwa) { okno.findChild<QAction*>(nazwa)->trigger(); }
    template <typename T> T* okienko() { return okno.findChild<T*>(); }
    bool czekaj(const std::function<bool()>& w, qint64 ms = 120000)
    {
        const bool ok = przewod.runUntil(w, ms);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return ok;
    }
    void wpiszKod(const QString& kod)
    {
        auto* t = okienko<OknoKodu>()->findChild<QLineEdit*>("Text1");
        QTest::keyClicks(t, kod);
        QTest::keyClick(t, Qt::Key_Return);
    }
    void zaloguj(const QString& kod)
    {
        wyzwol("mnuKonfLog");
        QVERIFY(okienko<OknoKodu>());
        QVERIFY(czekaj([this] { return m.KodOperacji == 0; }));
        wpiszKod(kod);
        QVERIFY(czekaj([this] { return m.KodOperacji == 0; }));
    }
};

} // namespace

class TestOknaLogowania : public QObject
{
    Q_OBJECT
private slots:
    void oknoKoduPokazujeGwiazdkiINieTrzymaKodu()
    {
        Program p;
        p.wyzwol("mnuKonfLog");
        auto* f3 = p.okienko<OknoKodu>();
        QVERIFY(f3);
        QCOMPARE(f3->windowTitle(), QStringLiteral("Wprowadzanie kodów"));
        QCOMPARE(p.m.status(), QStringLiteral("Logowanie się użytkownika lub nadzorcy."));
        auto* t1 = f3->findChild<QLineEdit*>("Text1");
        QCOMPARE(t1->echoMode(), QLineEdit::Password);
        QCOMPARE(t1->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, t1),
                 int('*'));
        QTest::keyClicks(t1, "12a4");
        QTest::mouseClick(f3->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCOMPARE(f3->findChild<QLineEdit*>("Text2")->text(), QStringLiteral("Nieprawidłowy kod"));
        QVERIFY(t1->text().isEmpty());

        // A second login command brings the same window forward.
        p.wyzwol("mnuKonfLog");
        QCOMPARE(p.okno.findChildren<OknoKodu*>().size(), 1);
        f3->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!p.okienko<OknoKodu>());
        QCOMPARE(p.m.status(), QString());

        // Opened again, it shows nothing of the former attempt; Tab goes from the code to OK
        // and back, Enter on OK confirms, Escape closes.
        p.wyzwol("mnuKonfLog");
        f3 = p.okienko<OknoKodu>();
        auto* t2 = f3->findChild<QLineEdit*>("Text2");
        QVERIFY(t2->text().isEmpty());
        t1 = f3->findChild<QLineEdit*>("Text1");
        QCOMPARE(kolejnoscTabulacji(f3, t1, 3), (QStringList{"Text1", "Command1", "Text1"}));
        QTest::keyClicks(t1, "12");
        QTest::keyClick(f3->findChild<QPushButton*>("Command1"), Qt::Key_Return);
        QCOMPARE(t2->text(), QStringLiteral("Nieprawidłowa długość kodu"));
        QTest::keyClick(f3, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!p.okienko<OknoKodu>());

        // Only a block still in force is shown on opening.
        p.m.BlokadaDostepu = 1;
        p.wyzwol("mnuKonfLog");
        QCOMPARE(p.okienko<OknoKodu>()->findChild<QLineEdit*>("Text2")->text(),
                 QStringLiteral("BLOKADA DOSTĘPU"));
    }

    void logowanieIPobranieZOknami()
    {
        Program p;
        p.zaloguj(p.sym.ustawienia().kody.nadzorca);
        QVERIFY(!p.okienko<OknoKodu>());
        QVERIFY(p.okno.findChild<QCheckBox*>("Check1_0")->isChecked());
        QCOMPARE(p.m.status(), QString());

        p.wyzwol("mnuKonfLog");
        QCOMPARE(p.m.status(), QStringLiteral("Logowanie się instalatora."));
        QVERIFY(p.czekaj([&] { return p.m.KodOperacji == 0; }));
        p.wpiszKod(p.sym.ustawienia().kody.instalator);
        QVERIFY(p.czekaj([&] { return p.m.zalogowanyInstalator(); }));
        QVERIFY(p.okno.findChild<QCheckBox*>("Check1_1")->isChecked());

        PrzechwytKomunikatow k;
        p.okno.wykonajPrzyciskPaska(4);
        auto* f2 = p.okienko<OknoPostepu>();
        QVERIFY(f2);
        QCOMPARE(f2->windowTitle(), QStringLiteral("Przesyłanie danych z/do centralki"));
        QCOMPARE(f2->findChild<QLabel*>("Label1")->text(),
                 QStringLiteral("Trwa pobieranie danych z centralki"));
        QCOMPARE(p.m.status(), QStringLiteral("Pobieranie konfiguracji z centralki."));
        auto* pasek = f2->findChild<QProgressBar*>("ProgressBar1");
        QVERIFY(p.czekaj([&] { return pasek->value() >= 50; }));
        QVERIFY(p.czekaj([&] { return p.m.KonfigJest == 1; }));
        QVERIFY(!p.okienko<OknoPostepu>());
        QCOMPARE(p.m.status(), QString());
        QVERIFY(k.teksty.isEmpty());
        QVERIFY(p.okno.findChild<QAction*>("mnuKonfPrzekaz")->isEnabled());
    }

    void przeslanieZOknemIPytaniem()
    {
        Program p;
        p.zaloguj(p.sym.ustawienia().kody.uzytkownik);
        p.zaloguj(p.sym.ustawienia().kody.instalator);
        p.m.WpisKonfig();
        {
            PrzechwytKomunikatow nie(false);
            p.wyzwol("mnuKonfPrzekaz");
            QCOMPARE(nie.teksty.size(), 1);
            QCOMPARE(p.m.KodOperacji, Bajt(0));
            QVERIFY(!p.okienko<OknoPostepu>());
        }
        PrzechwytKomunikatow tak;
        p.wyzwol("mnuKonfPrzekaz");
        QCOMPARE(p.m.KodOperacji, Bajt(60));
        auto* f2 = p.okienko<OknoPostepu>();
        QCOMPARE(f2->findChild<QLabel*>("Label1")->text(),
                 QStringLiteral("Trwa przesyłanie danych do centralki"));
        QCOMPARE(p.m.status(), QStringLiteral("Przesyłanie danych do centralki."));
        auto* pasek = f2->findChild<QProgressBar*>("ProgressBar1");
        auto* etykieta = f2->findChild<QLabel*>("Label1");
        QList<int> wartosci;
        connect(pasek, &QProgressBar::valueChanged, [&](int v) { wartosci << v; });
        // The writes end at 97; the read-back is a stage of its own, from 0 to 100 again.
        QVERIFY(p.czekaj([&] { return etykieta->text() == tekst::EtykietaSprawdzania; }));
        QVERIFY(p.czekaj([&] { return p.m.OdliczanieKonca > 0; }));
        QCOMPARE(wartosci.mid(wartosci.indexOf(97), 2), (QList<int>{97, 0}));
        QCOMPARE(pasek->value(), 100);
        QVERIFY(p.czekaj([&] { return !f2->isVisible(); }));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!p.okienko<OknoPostepu>());
        QCOMPARE(p.m.status(), QString());
    }

    void przerwaniePrzesylaniaWymagaZgody()
    {
        Program p;
        p.zaloguj(p.sym.ustawienia().kody.uzytkownik);
        p.zaloguj(p.sym.ustawienia().kody.instalator);
        p.m.WpisKonfig();
        {
            PrzechwytKomunikatow tak;
            p.wyzwol("mnuKonfPrzekaz");
        }
        QVERIFY(p.czekaj([&] { return p.m.KodOperacji == 70; }));
        {
            // Cancel: the upload goes on.
            PrzechwytKomunikatow nie(false);
            p.wyzwol("mnuKonfPobierz");
            QCOMPARE(nie.teksty.size(), 1);
            QVERIFY(nie.pytania.at(0));
            QCOMPARE(p.m.KodOperacji, Bajt(70));
            p.wyzwol("mnuKonfLog");
            QCOMPARE(p.m.KodOperacji, Bajt(70));
            QVERIFY(!p.okienko<OknoKodu>());
        }
        {
            PrzechwytKomunikatow tak;
            p.wyzwol("mnuKonfPobierz");
            QCOMPARE(tak.teksty.size(), 1);
            QCOMPARE(p.m.KodOperacji, Bajt(1));
        }
        QVERIFY(p.czekaj([&] { return p.m.KodOperacji == 0; }));
        QCOMPARE(p.sym.liczniki().koniecProgramowania, 0);
    }

    void koniecProgramuWTrakciePrzesylania_data()
    {
        QTest::addColumn<QString>("co");
        QTest::addColumn<bool>("zgoda");
        QTest::addColumn<QString>("pytanie");
        QTest::newRow("upload, Cancel") << "upload" << false << tekst::PytaniePrzerwanie;
        QTest::newRow("upload, OK") << "upload" << true << tekst::PytaniePrzerwanie;
        QTest::newRow("download, window closed")
            << "download" << true << tekst::PytaniePrzerwaniePobierania;
        QTest::newRow("end frame owed")
            << "end frame" << true << tekst::PytanieBezKoncaProgramowania;
        QTest::newRow("nothing running") << "nothing" << true << QString();
    }
    void koniecProgramuWTrakciePrzesylania()
    {
        QFETCH(QString, co);
        QFETCH(bool, zgoda);
        QFETCH(QString, pytanie);
        Program p;
        p.zaloguj(p.sym.ustawienia().kody.uzytkownik);
        p.zaloguj(p.sym.ustawienia().kody.instalator);
        p.m.WpisKonfig();
        {
            PrzechwytKomunikatow tak;
            if (co == "download")
                p.wyzwol("mnuKonfPobierz");
            else if (co != "nothing")
                p.wyzwol("mnuKonfPrzekaz");
        }
        if (co == "end frame")
            QVERIFY(p.czekaj([&] { return p.m.OdliczanieKonca > 0; }, 300000));
        else
            QVERIFY(p.czekaj([&] {
                return p.m.KodOperacji == 0 || p.m.KodOperacji == 10 || p.m.KodOperacji == 70;
            }));
        const Bajt przed = p.m.KodOperacji;
        PrzechwytKomunikatow odpowiedz(zgoda);
        if (co == "download")
            QCOMPARE(p.okno.close(), zgoda);
        else
            p.wyzwol("mnuKonfKoniec");
        QCOMPARE(odpowiedz.teksty, pytanie.isEmpty() ? QStringList() : QStringList{pytanie});
        if (!zgoda) {
            QCOMPARE(p.m.KodOperacji, przed);
            return;
        }
        // Going: what was on its way goes out, then nothing more, the end frame included.
        p.czekaj([] { return false; }, 1000);
        const int bajty = p.przewod.bajtyDoCentrali();
        p.czekaj([] { return false; }, 5000);
        QCOMPARE(p.przewod.bajtyDoCentrali(), bajty);
        QCOMPARE(p.sym.liczniki().koniecProgramowania, 0);
    }

    void wylogowania()
    {
        Program p;
        p.zaloguj(p.sym.ustawienia().kody.nadzorca);
        p.zaloguj(p.sym.ustawienia().kody.instalator);
        p.wyzwol("mnuOn");
        QVERIFY(p.m.onLine());
        p.wyzwol("mnuKonfWyUZYT");
        QVERIFY(!p.m.onLine());
        QVERIFY(!p.okno.findChild<QCheckBox*>("Check1_0")->isChecked());
        QVERIFY(p.okno.findChild<QCheckBox*>("Check1_1")->isChecked());
        QVERIFY(!p.okno.findChild<QAction*>("mnuOn")->isEnabled());
        p.wyzwol("mnuKonfWyINST");
        QVERIFY(!p.okno.findChild<QCheckBox*>("Check1_1")->isChecked());
        QVERIFY(!p.okno.findChild<QAction*>("mnuKonfPobierz")->isEnabled());
    }
};

QTEST_MAIN(TestOknaLogowania)
#include "tst_oknalogowania.moc"
