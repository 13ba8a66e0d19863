// The main window over the simulated panel: what each login level enables, the command behind
// every menu item and toolbar button, transfers through the progress window, the configuration
// printout, the on-line view, the register box under the operator's edits, the port choice, and
// leaving the program.

#include "Drukarka.h"
#include "KolejnoscTabulacji.h"
#include "Komunikaty.h"
#include "OknaScena.h"
#include "PortSzeregowy.h"
#include "PrzechwytKomunikatow.h"
#include "Pty.h"
#include "access/Przesylanie.h"
#include "config/PlikKonfiguracji.h"
#include "link/PodpowiedzLinii.h"
#include "link/Ramka.h"
#include "main/WidokMonitora.h"
#include "print/WydrukKonfiguracji.h"

#include <QPrinterInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>

using namespace zr05;

namespace
{
const char* const RamkiOnLine[] = {"Frame1", "Frame2", "Frame4", "Frame5", "Frame6"};

// Steps that bring the scene to a state, by name: a real login through the code window, a
// configuration downloaded through the progress window, or the state set in the core.
void wykonaj(OknaScena& s, const QString& kroki)
{
    using Krok = std::function<void(OknaScena&)>;
    static const QMap<QString, Krok> Kroki = {
        {"port", [](OknaScena& s) { s.port(1); }},
        {"bezCentralki", [](OknaScena& s) { s.port(0); }},
        {"uzytkownik", [](OknaScena& s) { s.zaloguj(s.sym.ustawienia().kody.uzytkownik); }},
        {"nadzorca", [](OknaScena& s) { s.zaloguj(s.sym.ustawienia().kody.nadzorca); }},
        {"instalator", [](OknaScena& s) { s.zaloguj(s.sym.ustawienia().kody.instalator); }},
        {"pobierz", [](OknaScena& s) { s.wyzwol(QStringLiteral("Przycisk4")); }},
        {"wylogujUzytkownika", [](OknaScena& s) { s.wyzwol(QStringLiteral("mnuKonfWyUZYT")); }},
        {"wylogujInstalatora", [](OknaScena& s) { s.wyzwol(QStringLiteral("mnuKonfWyINST")); }},
        {"zalogowany", [](OknaScena& s) { s.m.ustawCheck1(0, true); }},
        {"instalatorWRdzeniu", [](OknaScena& s) { s.m.ustawCheck1(1, true); }},
        {"konfiguracja", [](OknaScena& s) { s.m.WpisKonfig(); }},
    };
    for (const QString& krok : kroki.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QVERIFY2(Kroki.contains(krok), qPrintable(krok));
        Kroki[krok](s);
        QVERIFY(s.doKonca());
    }
}

QColor tlo(OknaScena& s, const QString& nazwa)
{
    return s.k<QLineEdit>(nazwa)->palette().color(QPalette::Base);
}

QByteArray komunikat(std::initializer_list<int> b)
{
    QByteArray r(1, '@');
    for (int x : b)
        r.append(char(x));
    return ramka::zSuma(r);
}
} // namespace

// A command makes its own check, whatever enabled its item; the window it opens comes up once.
struct Polecenie {
    const char *kroki, *akcja;
    const char* komunikat; // the one message shown, or none
    const char* okno;      // the window it opens, or none
    const char* status;    // the status bar afterwards
};
const char* const BezUzytkownika = "Nie zalogowany użytkownik. Operacja nie może być wykonana.";
const char* const BezInstalatora = "Nie zalogowany instalator. Operacja nie może być wykonana.";
const char* const Alarmy = "HISTORIA ALARMÓW";
const char* const Zdarzenia = "HISTORIA ZDARZEŃ";
const char* const Czytanie = "Czytanie konfiguracji z pliku.";
const char* const Zapis = "Zapisywanie konfiguracji do pliku.";
const char* const Druk = "Drukowanie konfiguracji.";
const Polecenie Polecenia[] = {
    {"", "mnuHistAla", BezUzytkownika, "", Alarmy},
    {"", "Przycisk9", BezUzytkownika, "", Zdarzenia},
    {"zalogowany", "mnuHistAla", "", "Form9", Alarmy},
    {"zalogowany", "mnuHistZda", "", "Form9", Zdarzenia},
    {"zalogowany", "Przycisk8", "", "Form9", Alarmy},
    {"zalogowany", "Przycisk9", "", "Form9", Zdarzenia},
    {"zalogowany", "mnuKonfPobierz", BezInstalatora, "", ""},
    {"zalogowany", "Przycisk5", BezInstalatora, "", ""},
    {"instalatorWRdzeniu", "Przycisk4", "", "Form2", "Pobieranie konfiguracji z centralki."},
    {"instalatorWRdzeniu konfiguracja", "mnuKonfPrzekaz",
     "Czy napewno wysłąć nową konfigurację do centralki ?", "Form2",
     "Przesyłanie danych do centralki."},
    {"", "Przycisk1", "", "Form3", "Logowanie się użytkownika lub nadzorcy."},
    {"zalogowany", "mnuKonfLog", "", "Form3", "Logowanie się instalatora."},
    {"", "Przycisk2", "", "Form12", Czytanie},
    {"", "mnuKonfCzytaj", "", "Form12", Czytanie},
    {"", "Przycisk3", "", "Form12", Zapis},
    {"", "mnuKonfZapisz", "", "Form12", Zapis},
    {"", "Przycisk6", "", "Form11", Druk},
    {"", "mnuKonfDruk", "", "Form11", Druk},
    {"", "mnuProgLinie",
     "Operacja nie może być wykonana. Przeczytaj konfigurację z centralki lub zbioru dyskowego.",
     "", ""},
    {"konfiguracja", "mnuProgLinie", "", "Form4", "Programowanie parametrów linii dozorowych."},
    {"konfiguracja", "mnuProgWyj", "", "Form8", "Programowanie parametrów wyjść OC i Pk."},
    {"konfiguracja", "mnuProgStrefy", "", "Form10", "Programowanie parametrów stref."},
    {"konfiguracja", "mnuProgKont", "", "Form5", "Programowanie parametrów kontroli strażników."},
    {"konfiguracja", "mnuProgAuto", "", "Form6",
     "Programowanie parametrów automatycznego uzbrajania stref."},
    {"konfiguracja", "mnuProgSys", "", "Form7", "Programowanie parametrów systemowych."},
    {"", "mnuPomOPr", "", "Form13", ""},
};

class TestOknoGlowne : public QObject
{
    Q_OBJECT

private slots:
    void poziomyDostepu_data()
    {
        QTest::addColumn<QString>("kroki");
        QTest::addColumn<QString>("czynne"); // every enabled item the core decides on
        const QString start = "mnuKonfLog mnuKonfCzytaj mnuKonfKoniec mnuPom";
        const QString port = start + " mnuKonf Przycisk1 Przycisk2";
        const QString uzytkownik = " mnuKonfWyUZYT mnuOn mnuHist Przycisk8 Przycisk9";
        const QString instalator = " mnuKonfWyINST mnuKonfPobierz Przycisk4";
        const QString konfiguracja = " mnuProg mnuKonfZapisz mnuKonfDruk Przycisk3 Przycisk6";
        QTest::newRow("start") << "" << start;
        QTest::newRow("no panel") << "bezCentralki"
                                  << "mnuKonf mnuKonfCzytaj mnuKonfKoniec mnuPom Przycisk2";
        QTest::newRow("port") << "port" << port;
        QTest::newRow("user") << "port uzytkownik" << port + uzytkownik;
        QTest::newRow("supervisor") << "port nadzorca" << port + uzytkownik + " Przycisk7";
        QTest::newRow("installer")
            << "port uzytkownik instalator" << port + uzytkownik + instalator;
        QTest::newRow("downloaded")
            << "port uzytkownik instalator pobierz"
            << port + uzytkownik + instalator + konfiguracja + " mnuKonfPrzekaz Przycisk5";
        QTest::newRow("user out") << "port nadzorca instalator pobierz wylogujUzytkownika"
                                  << port + instalator + konfiguracja + " mnuKonfPrzekaz Przycisk5";
        QTest::newRow("installer out") << "port uzytkownik instalator pobierz wylogujInstalatora"
                                       << port + uzytkownik + konfiguracja;
    }

    // The menu items and toolbar buttons follow the core after real logins and a download, and
    // the login boxes show who is in (the user cannot tick them).
    void poziomyDostepu()
    {
        QFETCH(QString, kroki);
        QFETCH(QString, czynne);
        PrzechwytKomunikatow k;
        OknaScena s;
        wykonaj(s, kroki);
        QStringList sa;
        for (const QAction* a : s.okno.findChildren<QAction*>(QRegularExpression("^mnu|^Przycisk")))
            if (a->isEnabled() && !a->isSeparator())
                sa << a->objectName();
        // The items inside the menus are always on; their menu decides.
        QStringList oczekiwane = (czynne + " mnuProgLinie mnuProgWyj mnuProgStrefy mnuProgKont "
                                           "mnuProgAuto mnuProgSys mnuHistAla mnuHistZda mnuPomOPr")
                                     .split(' ');
        sa.sort();
        oczekiwane.sort();
        QCOMPARE(sa, oczekiwane);
        QVERIFY(k.teksty.isEmpty());
        auto* uzytkownik = s.k<QCheckBox>(QStringLiteral("Check1_0"));
        QCOMPARE(uzytkownik->isChecked(), czynne.contains(QLatin1String("mnuKonfWyUZYT")));
        QCOMPARE(s.k<QCheckBox>(QStringLiteral("Check1_1"))->isChecked(),
                 czynne.contains(QLatin1String("mnuKonfWyINST")));
        const bool bylo = uzytkownik->isChecked();
        uzytkownik->click();
        QCOMPARE(uzytkownik->isChecked(), bylo);
        int przyciski = 0; // nine toolbar buttons, each with its picture
        for (QAction* a : s.k<QToolBar>(QStringLiteral("Toolbar1"))->actions())
            przyciski += !a->isSeparator() && !a->icon().pixmap(32, 32).isNull();
        QCOMPARE(przyciski, 9);
    }

    void polecenia_data()
    {
        QTest::addColumn<int>("wiersz");
        for (int i = 0; i < int(std::size(Polecenia)); ++i)
            QTest::addRow("%s %s", Polecenia[i].akcja, Polecenia[i].kroki) << i;
    }

    void polecenia()
    {
        QFETCH(int, wiersz);
        const Polecenie& p = Polecenia[wiersz];
        const QString okno = QLatin1String(p.okno), komunikat = QString::fromUtf8(p.komunikat);
        OknaScena s;
        wykonaj(s, QLatin1String(p.kroki));
        PrzechwytKomunikatow k;
        QAction* akcja = s.akcja(QLatin1String(p.akcja));
        akcja->setEnabled(true);
        akcja->trigger();
        QCOMPARE(k.teksty, komunikat.isEmpty() ? QStringList() : QStringList{komunikat});
        QVERIFY(!QApplication::overrideCursor()); // the hourglass is gone once the window is up
        for (int i = 2; i <= 13; ++i)
            QCOMPARE(ileOtwartych(QStringLiteral("Form%1").arg(i)),
                     int(okno == QStringLiteral("Form%1").arg(i)));
        QCOMPARE(s.okno.tekstStatusu(), QString::fromUtf8(p.status));
        if (okno.isEmpty())
            return;
        QWidget* w = otwarte(okno);
        QVERIFY(!w->isModal());
        if (okno == QLatin1String("Form9")) { // the alarm archive or the event archive
            const bool alarmy = p.status == Alarmy;
            QCOMPARE(w->windowTitle(), alarmy ? "Historia alarmów" : "Archiwum zdarzeń i alarmów");
            QCOMPARE(s.okno.pobieranieArchiwum().alarmy(), alarmy);
        }
        if (okno == QLatin1String("Form2")) // a transfer asked for again asks first (below)
            return;
        akcja->trigger();
        QCOMPARE(otwarte(okno), w);
        QCOMPARE(ileOtwartych(okno), 1);
        w->close();
        QTRY_COMPARE(ileOtwartych(okno), 0);
    }

    // The code window shows stars, keeps no code, comes up once and clean, and shows a block in
    // force.
    void oknoKodu()
    {
        OknaScena s;
        s.wyzwol(QStringLiteral("mnuKonfLog"));
        QWidget* f3 = otwarte(QStringLiteral("Form3"));
        auto* kod = f3->findChild<QLineEdit*>(QStringLiteral("Text1"));
        auto* napis = f3->findChild<QLineEdit*>(QStringLiteral("Text2"));
        QCOMPARE(kod->echoMode(), QLineEdit::Password);
        QCOMPARE(kod->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, kod),
                 int('*'));
        QCOMPARE(kolejnoscTabulacji(f3, kod, 3), (QStringList{"Text1", "Command1", "Text1"}));
        QTest::keyClicks(kod, "12a4");
        QTest::mouseClick(f3->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        QCOMPARE(napis->text(), QStringLiteral("Nieprawidłowy kod"));
        QVERIFY(kod->text().isEmpty());
        QTest::keyClick(f3, Qt::Key_Escape);
        QTRY_COMPARE(s.m.status(), QString()); // gone, and its status with it
        QVERIFY(!otwarte(QStringLiteral("Form3")));
        s.wyzwol(QStringLiteral("mnuKonfLog"));
        QVERIFY(otwarte(QStringLiteral("Form3"))->findChild<QLineEdit*>("Text2")->text().isEmpty());
        otwarte(QStringLiteral("Form3"))->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        s.m.BlokadaDostepu = 1;
        s.wyzwol(QStringLiteral("mnuKonfLog"));
        QCOMPARE(otwarte(QStringLiteral("Form3"))->findChild<QLineEdit*>("Text2")->text(),
                 QStringLiteral("BLOKADA DOSTĘPU"));
    }

    // An upload through the progress window: the writes end at 97, the read-back is a stage of
    // its own from 0 to 100 again, and the window goes when all is done.
    void przesylanie()
    {
        OknaScena s;
        wykonaj(s, QStringLiteral("port uzytkownik instalator konfiguracja"));
        PrzechwytKomunikatow k;
        s.wyzwol(QStringLiteral("mnuKonfPrzekaz"));
        QWidget* f2 = otwarte(QStringLiteral("Form2"));
        auto* etykieta = f2->findChild<QLabel*>(QStringLiteral("Label1"));
        auto* pasek = f2->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
        QCOMPARE(etykieta->text(), QStringLiteral("Trwa przesyłanie danych do centralki"));
        QList<int> wartosci;
        connect(pasek, &QProgressBar::valueChanged, [&](int v) { wartosci << v; });
        QVERIFY(s.czekaj([&] { return etykieta->text() == tekst::EtykietaSprawdzania; }));
        QVERIFY(s.czekaj([&] { return s.m.OdliczanieKonca > 0; }));
        QCOMPARE(wartosci.mid(wartosci.indexOf(97), 2), (QList<int>{97, 0}));
        QCOMPARE(pasek->value(), 100);
        QVERIFY(s.czekaj([&] { return !otwarte(QStringLiteral("Form2")); }));
        QCOMPARE(s.m.status(), QString());
        QCOMPARE(k.teksty, QStringList{tekst::PytaniePrzesylanie});
    }

    void przerwanie_data()
    {
        QTest::addColumn<QString>("polecenie"); // the transfer running, if any
        QTest::addColumn<QString>("akcja");     // what the user does meanwhile
        QTest::addColumn<bool>("zgoda");
        QTest::addColumn<QString>("pytanie");
        const QString przekaz = QStringLiteral("mnuKonfPrzekaz"), pobierz = "mnuKonfPobierz";
        const QString koniec = QStringLiteral("mnuKonfKoniec"), pytanie = tekst::PytaniePrzerwanie;
        QTest::newRow("download during upload, Cancel") << przekaz << pobierz << false << pytanie;
        QTest::newRow("login during upload, Cancel") << przekaz << "mnuKonfLog" << false << pytanie;
        QTest::newRow("code of a login window opened before the upload, Cancel")
            << przekaz << "kod" << false << pytanie;
        QTest::newRow("download during upload, OK") << przekaz << pobierz << true << pytanie;
        QTest::newRow("leaving during upload, Cancel") << przekaz << koniec << false << pytanie;
        QTest::newRow("leaving during upload, OK") << przekaz << koniec << true << pytanie;
        QTest::newRow("window closed during download")
            << pobierz << "zamknij" << true << tekst::PytaniePrzerwaniePobierania;
        QTest::newRow("leaving, nothing running") << "" << koniec << true << QString();
    }

    // While a transfer runs, another transfer, a login or leaving asks first: Cancel lets it go
    // on; OK replaces it, or leaves with the port closed and nothing more sent. The panel never
    // gets a cut upload's end frame.
    void przerwanie()
    {
        QFETCH(QString, polecenie);
        QFETCH(QString, akcja);
        QFETCH(bool, zgoda);
        QFETCH(QString, pytanie);
        OknaScena s;
        wykonaj(s, QStringLiteral("port uzytkownik instalator konfiguracja"));
        const bool kod = akcja == QLatin1String("kod");
        if (kod)
            s.wyzwol(QStringLiteral("mnuKonfLog"));
        if (!polecenie.isEmpty()) {
            PrzechwytKomunikatow tak;
            s.wyzwol(polecenie);
            QVERIFY(s.czekaj([&] { return s.m.KodOperacji == 10 || s.m.KodOperacji == 70; }));
        }
        const Bajt przed = s.m.KodOperacji;
        PrzechwytKomunikatow odpowiedz(zgoda);
        if (akcja == QLatin1String("zamknij")) {
            QCOMPARE(s.okno.close(), zgoda);
        } else if (kod) {
            QWidget* f3 = otwarte(QStringLiteral("Form3"));
            QTest::keyClicks(f3->findChild<QLineEdit*>(QStringLiteral("Text1")), "1234");
            QTest::mouseClick(f3->findChild<QPushButton*>(QStringLiteral("Command1")),
                              Qt::LeftButton);
        } else
            s.wyzwol(akcja);
        QCOMPARE(odpowiedz.teksty, pytanie.isEmpty() ? QStringList() : QStringList{pytanie});
        if (!zgoda) {
            QCOMPARE(s.m.KodOperacji, przed);
            QCOMPARE(otwarte(QStringLiteral("Form3")) != nullptr, kod);
            return;
        }
        if (akcja == QLatin1String("mnuKonfPobierz")) {
            QCOMPARE(s.m.KodOperacji, Bajt(1));
            QVERIFY(s.doKonca());
        } else {
            s.czekaj([] { return false; }, 1000);
            const int bajty = s.przewod.bajtyDoCentrali();
            s.czekaj([] { return false; }, 5000);
            QCOMPARE(s.przewod.bajtyDoCentrali(), bajty);
        }
        QCOMPARE(s.sym.liczniki().koniecProgramowania, 0);
    }

    void wydruk_data()
    {
        QTest::addColumn<QString>("kroki"); // after the configuration was saved to a file
        QTest::addColumn<QString>("odznaczone");
        QTest::addColumn<QString>("przycisk");
        QTest::addColumn<QString>("sa"); // texts the printout holds, "|" between them
        QTest::addColumn<QString>("brak");
        QTest::newRow("all")
            << ""
            << ""
            << "Command1"
            << "KONFIGURACJA SYSTEMU VOR ZR-05|pobrana z pliku:|/obiekt.vor> dnia:|"
               "KLAWIATURY I PODCENTRALE:|LINIE DOZOROWE:|01 - DOKUMENT2|"
               "WYJŚCIA OC:|WYJŚCIA PK:|KONTROLE STRAŻNIKÓW:|"
               "AUTOMATYCZNE UZBRAJANIE STREF:|STREFY ZALEŻNE:|PARAMETRY SYSTEMOWE:"
            << "";
        QTest::newRow("header and lines off")
            << ""
            << "0 2 3 5 7"
            << "Command1"
            << "KLAWIATURY I PODCENTRALE:|WYJŚCIA PK:|AUTOMATYCZNE|PARAMETRY SYSTEMOWE:"
            << "KONFIGURACJA SYSTEMU|pobrana|LINIE DOZOROWE:|WYJŚCIA OC:|KONTROLE STRAŻNIKÓW:|"
               "STREFY ZALEŻNE:";
        // The file keeps its name, but the image printed is the panel's.
        QTest::newRow("downloaded after the save")
            << "port uzytkownik instalator pobierz"
            << "1 2 3 4 5 6 7 8"
            << "Command1"
            << "KONFIGURACJA SYSTEMU VOR ZR-05|pobrana z centralki dnia:"
            << "pobrana z pliku|KLAWIATURY|LINIE|WYJŚCIA|KONTROLE|AUTOMATYCZNE|STREFY|PARAMETRY";
        QTest::newRow("ANULUJ") << ""
                                << "1"
                                << "Command2"
                                << ""
                                << "";
    }

    // The configuration printout: the ticked sections go to the printer (a PDF here) in the
    // background under a busy cursor, cancelling prints nothing; the open window keeps its choice
    // and the status until it is gone, and a new one starts with all ticked.
    void wydruk()
    {
        QFETCH(QString, kroki);
        QFETCH(QString, odznaczone);
        QFETCH(QString, przycisk);
        QFETCH(QString, sa);
        QFETCH(QString, brak);
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a default printer is installed here");
        QTemporaryDir katalog;
        Drukarka::ustawKatalogPdf(katalog.path());
        const auto sprzatanie = qScopeGuard([] { Drukarka::ustawKatalogPdf(QString()); });
        OknaScena s;
        s.m.Obraz.Linie[1][8] = 48;
        s.m.Obraz.Linie[1][9] = 2;
        const QString plik = katalog.filePath(QStringLiteral("obiekt.vor"));
        QVERIFY(ZapiszKonfig(s.m, plik));
        s.m.WpisKonfig();
        wykonaj(s, kroki);
        const Konfiguracja przed = s.m.Obraz;
        QStringList komunikaty;
        QList<Qt::CursorShape> kursory;
        Komunikaty::ustawOdpowiadacz([&](const QString& tekst, bool) {
            komunikaty << tekst;
            const QCursor* kursor = QApplication::overrideCursor();
            kursory << (kursor ? kursor->shape() : Qt::ArrowCursor);
            return true;
        });
        const auto bezOdpowiadacza = qScopeGuard([] { Komunikaty::ustawOdpowiadacz({}); });
        const auto pole = [](int i) {
            return otwarte(QStringLiteral("Form11"))
                ->findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(i));
        };
        s.wyzwol(QStringLiteral("Przycisk6"));
        QPointer<QWidget> okno = otwarte(QStringLiteral("Form11"));
        for (const QString& i : odznaczone.split(' ', Qt::SkipEmptyParts))
            pole(i.toInt())->setChecked(false);
        s.wyzwol(QStringLiteral("Przycisk6"));
        for (int i = 0; i < LiczbaSekcji; ++i)
            QCOMPARE(pole(i)->isChecked(), !odznaczone.split(' ').contains(QString::number(i)));
        okno->hide();
        QCOMPARE(s.m.status(), QStringLiteral("Drukowanie konfiguracji."));
        okno->show();
        okno->findChild<QPushButton*>(przycisk)->click();
        QTRY_VERIFY(okno.isNull()); // destroyed, not only hidden
        // Its own text goes with it; the bar says a printout is made until it is done.
        QCOMPARE(s.m.status(), Drukarka::wToku() ? QStringLiteral("Drukowanie.") : QString());
        Drukarka::zaczekaj();
        QVERIFY(s.m.status().isEmpty());
        const QStringList pliki = QDir(katalog.path()).entryList({QStringLiteral("*.pdf")});
        if (sa.isEmpty()) {
            QVERIFY(pliki.isEmpty() && komunikaty.isEmpty());
            s.wyzwol(QStringLiteral("Przycisk6"));
            for (int i = 0; i < LiczbaSekcji; ++i)
                QVERIFY(pole(i)->isChecked());
            return;
        }
        QCOMPARE(pliki.size(), 1);
        QCOMPARE(komunikaty.size(), 1);
        QVERIFY2(komunikaty[0].contains(pliki[0]), qPrintable(komunikaty[0]));
        QCOMPARE(kursory.value(0), Qt::BusyCursor);
        QProcess p;
        p.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), katalog.filePath(pliki[0]), QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QString tekst = QString::fromUtf8(p.readAllStandardOutput());
        for (const QString& t : sa.split('|'))
            QVERIFY2(tekst.contains(t), qPrintable(t + QStringLiteral("\n---\n") + tekst));
        for (const QString& t : brak.split('|', Qt::SkipEmptyParts))
            QVERIFY2(!tekst.contains(t), qPrintable(t + QStringLiteral("\n---\n") + tekst));
        QVERIFY(s.m.Obraz == przed && s.m.NazwaPliku == plik);
    }

    // On line with the simulated panel: the frames and button 7's picture follow the view from
    // either command, the lamps show the core's colours, the register and state boxes what came,
    // the clock the panel's time, a line lamp its line's parameters; the watchdog's flag, not the
    // status text, refuses a login while the panel is silent.
    void onLine()
    {
        UstawieniaSymulatora u;
        u.zegar = QDateTime(QDate(2026, 3, 7), QTime(9, 5, 0));
        OknaScena s(u);
        PrzechwytKomunikatow k;
        for (int i = 0; i < 80; ++i)
            QCOMPARE(s.k<QLineEdit>(QStringLiteral("Text4_%1").arg(i))->text(),
                     QString::number(i + 1));
        QVERIFY(s.k<QLineEdit>(QStringLiteral("Text1_2"))->text().isEmpty()); // no time yet
        QMap<QString, QColor> legenda;
        for (const char* n : {"Text8_0", "Text8_2", "Text8_4", "Text2_10", "Text2_12"})
            legenda[n] = tlo(s, n);
        wykonaj(s, QStringLiteral("port nadzorca"));
        QAction* b7 = s.okno.akcja(przycisk(7));
        QCOMPARE(b7->property("obrazek").toInt(), 7);
        b7->trigger();
        for (const char* r : RamkiOnLine)
            QVERIFY2(!s.k<QGroupBox>(QLatin1String(r))->isHidden(), r);
        QCOMPARE(b7->property("obrazek").toInt(), 10);
        QStringList linie;
        connect(&s.okno.zdarzenia().rejestr(), &Rejestr::dodano,
                [&](const QString& l) { linie << l; });
        s.czekaj([] { return false; }, 90000);

        QVERIFY(linie.size() >= 3);
        const QString tekst5 = s.k<QPlainTextEdit>(QStringLiteral("Text5"))->toPlainText();
        QCOMPARE(tekst5, QString(s.okno.zdarzenia().rejestr().tekst()).replace("\r\n", "\n"));
        QCOMPARE(s.k<QLineEdit>(QStringLiteral("Text6"))->text(), s.okno.zdarzenia().stanSystemu());
        const QStringList zegar = {"09", "07", "03", "26"}; // hours, day, month, year
        for (int i = 0; i < 4; ++i)
            QCOMPARE(s.k<QLineEdit>(QStringLiteral("Text1_%1").arg(i + 2))->text(), zegar[i]);
        QVERIFY(s.k<QLineEdit>(QStringLiteral("Text1_0"))->isReadOnly());

        const QMap<KolorLampki, QColor> kolory = {
            {KolorLampki::Bialy, QColor(255, 255, 255)},
            {KolorLampki::Zielony, QColor(0, 255, 0)},
            {KolorLampki::Czerwony, QColor(255, 0, 0)},
            {KolorLampki::Niebieski, QColor(0, 128, 255)},
            {KolorLampki::Zolty, QColor(255, 255, 0)},
            {KolorLampki::Nieczynny, WidokMonitora::kolor(KolorLampki::Nieczynny)}};
        // A line that does not exist is plainly apart from a disarmed one.
        QVERIFY(kolory[KolorLampki::Nieczynny].lightness() <= 255 - 64);
        const StanLampek& stan = s.okno.lampki().stan();
        QSet<QRgb> widziane;
        for (int i = 0; i < 80; ++i) {
            const QColor c = tlo(s, QStringLiteral("Text4_%1").arg(i));
            QCOMPARE(c, kolory[stan.linie[i]]);
            widziane << c.rgb();
        }
        QVERIFY(widziane.size() >= 2);
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(tlo(s, QStringLiteral("Text2_%1").arg(i)), kolory[stan.strefy[i]]);
            QCOMPARE(tlo(s, QStringLiteral("Text3_%1").arg(i)), kolory[stan.alarmy[i]]);
        }
        for (auto l = legenda.cbegin(); l != legenda.cend(); ++l)
            QCOMPARE(tlo(s, l.key()), l.value());

        // The lamp's hover text follows the image at each move, with a configuration only.
        auto* lampka = s.k<QLineEdit>(QStringLiteral("Text4_6"));
        QMouseEvent ruch(QEvent::MouseMove, QPointF(3, 3), lampka->mapToGlobal(QPointF(3, 3)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        s.m.KonfigJest = 1;
        auto& linia = s.m.Obraz.Linie[7]; // a delayed line: its hover text gives the exit delay
        linia[2] = 0x22;
        linia[3] = 3;
        linia[6] = 30;
        linia[13] = 1;
        for (const int wyjscie : {20, 45}) {
            linia[7] = Bajt(wyjscie);
            QApplication::sendEvent(lampka, &ruch);
            QCOMPARE(lampka->toolTip(), podpowiedzLinii(s.m.Obraz, 7));
        }
        QVERIFY(s.k<QLineEdit>(QStringLiteral("Text4_7"))->toolTip().isEmpty());
        linia[7] = 50;
        for (const int konfiguracja : {0, 2}) { // only a loaded configuration (1) counts
            s.m.KonfigJest = konfiguracja;
            QApplication::sendEvent(lampka, &ruch);
            QVERIFY(lampka->toolTip().endsWith(QStringLiteral("=45[s]")));
        }

        s.wyzwol(QStringLiteral("mnuOn"));
        for (const char* r : RamkiOnLine)
            QVERIFY2(s.k<QGroupBox>(QLatin1String(r))->isHidden(), r);
        QCOMPARE(b7->property("obrazek").toInt(), 7);

        s.sym.zamilknij(s.przewod.terazUs(), 20000);
        QVERIFY(s.czekaj([&] { return s.m.LaczeUtracone; }, 10000));
        QCOMPARE(s.okno.tekstStatusu(), QStringLiteral("BRAK POŁĄCZENIA Z CENTRALĄ !!!!"));
        s.m.ustawStatus(QStringLiteral("HISTORIA ALARMÓW"));
        s.wyzwol(QStringLiteral("Przycisk1"));
        QCOMPARE(k.teksty, QStringList{"Logowanie niemożliwe - brak połączenia z centralką"});
        QVERIFY(s.czekaj([&] { return !s.m.LaczeUtracone; }, 30000));
        s.m.ustawStatus(QStringLiteral("BRAK"));
        s.wyzwol(QStringLiteral("mnuKonfLog"));
        QCOMPARE(k.teksty.size(), 1);
        QVERIFY(otwarte(QStringLiteral("Form3")));
    }

    void rejestr_data()
    {
        QTest::addColumn<bool>("przewiniety");
        QTest::newRow("cursor and view at the top") << false;
        QTest::newRow("scrolled down to read") << true;
    }

    // The register box: a new line goes in front of the operator's notes without being undoable,
    // a view at the top follows it and one scrolled down stays put; the buttons clear and print.
    void rejestr()
    {
        QFETCH(bool, przewiniety);
        OknaScena s;
        ZdarzeniaCentrali& z = s.okno.zdarzenia();
        s.m.ustawOnLine(true);
        s.okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.okno));
        auto* t5 = s.k<QPlainTextEdit>(QStringLiteral("Text5"));
        t5->setFocus();
        QTest::keyClicks(t5, QStringLiteral("notatka"));
        z.Komunikat(komunikat({1, 3, 12, 7, 5}));
        const QString poLinii = QStringLiteral("07:05    ALARM z linii: 12 w strefie: 3\nnotatka");
        QCOMPARE(t5->toPlainText(), poLinii);
        QCOMPARE(z.rejestr().tekst(), QString(poLinii).replace("\n", "\r\n"));
        t5->undo();
        QCOMPARE(t5->toPlainText(), poLinii);
        t5->moveCursor(QTextCursor::End);
        QTest::keyClicks(t5, QStringLiteral("!"));
        QVERIFY(z.rejestr().tekst().endsWith(QStringLiteral("notatka!")));
        QVERIFY(t5->textCursor().position() > 0); // the next line leaves the operator's cursor
        z.Komunikat(komunikat({2, 35, 7, 6}));
        QVERIFY(
            t5->toPlainText().startsWith(QStringLiteral("07:06    ALARM błąd transmisji\n07:05")));
        QVERIFY(t5->textCursor().position() > 0);
        QTest::mouseClick(s.k<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);
        QVERIFY(t5->toPlainText().isEmpty());
        QVERIFY(z.rejestr().tekst().isEmpty());

        const auto linie = [&](int od, int ile) {
            for (int i = od; i < od + ile; ++i)
                z.Komunikat(komunikat({1, 1, 1 + i % 80, i / 60 % 24, i % 60}));
        };
        linie(0, 60);
        QScrollBar* pasek = t5->verticalScrollBar();
        QVERIFY(pasek->maximum() > 30);
        t5->moveCursor(QTextCursor::Start);
        if (przewiniety)
            pasek->setValue(20);
        const auto gornaLinia = [t5] { return t5->cursorForPosition(QPoint(2, 2)).block().text(); };
        const QString widoczna = gornaLinia();
        linie(60, 30);
        if (przewiniety) {
            QCOMPARE(gornaLinia(), widoczna);
        } else {
            QVERIFY(gornaLinia().startsWith(QStringLiteral("01:29    ALARM z linii: 10")));
            QCOMPARE(pasek->value(), 0);
            QTest::keyClick(t5, Qt::Key_Down);
            QCOMPARE(t5->textCursor().blockNumber(), 1);
        }

        QTemporaryDir katalog;
        Drukarka::ustawKatalogPdf(katalog.path());
        PrzechwytKomunikatow k;
        QTest::mouseClick(s.k<QPushButton>(QStringLiteral("Command10")), Qt::LeftButton);
        Drukarka::zaczekaj();
        Drukarka::ustawKatalogPdf(QString());
        const QStringList pliki = QDir(katalog.path()).entryList({QStringLiteral("*.pdf")});
        QCOMPARE(pliki.size(), 1);
        QCOMPARE(k.teksty.size(), 1);
        QVERIFY(k.teksty[0].contains(pliki[0]));
    }

    void port_data()
    {
        QTest::addColumn<int>("opcja");
        QTest::addColumn<QString>("urzadzenie"); // "pty", another path, or a TCP address
        QTest::addColumn<QString>("komunikat");  // a part of the one message, if the port fails
        QTest::newRow("no panel") << 0 << ""
                                  << "";
        QTest::newRow("COM1") << 1 << "pty"
                              << "";
        QTest::newRow("COM4") << 4 << "pty"
                              << "";
        QTest::newRow("no such device") << 2 << "/dev/zr05-nie-ma-takiego-portu"
                                        << "nie ma takiego urządzenia";
        QTest::newRow("TCP server") << 3 << "tcp"
                                    << "";
        QTest::newRow("TCP server refusing") << 2 << "tcp closed"
                                             << "odmówił połączenia";
    }

    // The port choice: an open port answers the panel's polls, a failed one leaves everything to
    // choose again, the tooltip names the device, a lost device lets the user choose again, and
    // the window's own one-second timer drives the watchdog. A server is connected to while the
    // window goes on; confirming again meanwhile gives the first attempt up.
    void port()
    {
        QFETCH(int, opcja);
        QFETCH(QString, urzadzenie);
        QFETCH(QString, komunikat);
        auto pty = std::make_unique<Pty>();
        const bool tcp = urzadzenie.startsWith(QLatin1String("tcp"));
        QTcpServer serwer;
        QVERIFY(serwer.listen(QHostAddress::LocalHost));
        const QString sciezka = urzadzenie == QLatin1String("pty") ? pty->sciezkaSlave()
                                : tcp
                                    ? QStringLiteral("tcp://127.0.0.1:%1").arg(serwer.serverPort())
                                    : urzadzenie;
        if (urzadzenie == QLatin1String("tcp closed"))
            serwer.close();
        const QByteArray zmienna = "ZR05_COM" + QByteArray::number(opcja);
        qputenv(zmienna, sciezka.toLocal8Bit());
        const auto sprzatanie = qScopeGuard([&] { qunsetenv(zmienna); });
        Module1 m;
        Lacze lacze(m);
        OknoGlowne okno(m, lacze);
        PrzechwytKomunikatow k;
        auto* wybor = okno.findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(opcja));
        wybor->click();
        QCOMPARE(m.WybranyPort, opcja);
        if (opcja > 0) {
            QEvent podpowiedz(QEvent::ToolTip); // looked up when it is about to show
            QApplication::sendEvent(wybor, &podpowiedz);
            QVERIFY2(wybor->toolTip().contains(sciezka), qPrintable(wybor->toolTip()));
        }
        auto* ok = okno.findChild<QPushButton*>(QStringLiteral("Command5"));
        QTest::mouseClick(ok, Qt::LeftButton);
        if (tcp) {
            QVERIFY(okno.port().laczy());
            QCOMPARE(okno.tekstStatusu(), "Łączenie z serwerem portu " + sciezka + ".");
            QTest::mouseClick(ok, Qt::LeftButton);
            okno.findChild<QRadioButton*>(QStringLiteral("Option1_0"))->click();
            QTRY_VERIFY(!okno.port().laczy());
            QCOMPARE(okno.tekstStatusu(), QString());
            QCOMPARE(m.WybranyPort, komunikat.isEmpty() ? opcja : 0);
        }
        auto* ramka = okno.findChild<QGroupBox*>(QStringLiteral("Frame7"));
        const bool otwarty = komunikat.isEmpty();
        QCOMPARE(k.teksty.size(), int(!otwarty));
        if (!otwarty) {
            QVERIFY2(k.teksty[0].contains(komunikat), qPrintable(k.teksty[0]));
            QVERIFY(k.teksty[0].contains(sciezka) && k.teksty[0].contains("COM2"));
        }
        QCOMPARE(okno.port().otwarty(), otwarty && opcja > 0);
        QCOMPARE(okno.findChild<QWidget*>(QStringLiteral("Picture1"))->isHidden(), otwarty);
        QCOMPARE(ramka->isEnabled(), !otwarty);
        QCOMPARE(okno.akcja(przycisk(1))->isEnabled(), otwarty && opcja > 0);
        QCOMPARE(okno.akcja(Element::mnuKonf)->isEnabled(), otwarty);
        if (!okno.port().otwarty())
            return;
        QCOMPARE(okno.port().urzadzenie(), sciezka);
        if (tcp) {
            // The attempt given up left no connection behind; bytes are the port's own test.
            int zywe = 0;
            while (QTcpSocket* polaczenie = serwer.nextPendingConnection())
                zywe += !polaczenie->waitForReadyRead(200) &&
                        polaczenie->state() == QAbstractSocket::ConnectedState;
            QCOMPARE(zywe, 1);
            return;
        }
        pty->pisz(QByteArray("\x37\x44\x85", 3));
        QCOMPARE(pty->czytaj(3, 3000), QByteArray("\x37\x00\xC9", 3));
        auto* timer = okno.findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer->isActive() && timer->interval() == 1000);
        m.LicznikLacza = 1;
        QTRY_COMPARE_WITH_TIMEOUT(okno.tekstStatusu(),
                                  QStringLiteral("BRAK POŁĄCZENIA Z CENTRALĄ !!!!"), 2500);
        pty.reset();
        QTRY_COMPARE_WITH_TIMEOUT(k.teksty.size(), 1, 3000);
        QVERIFY(k.teksty[0].contains(sciezka));
        QVERIFY(!okno.port().otwarty());
        QVERIFY(ramka->isEnabled());
    }

    void koniec()
    {
        OknaScena s;
        QTimer::singleShot(0, &s.okno, [&] { s.wyzwol(QStringLiteral("mnuKonfKoniec")); });
        QTimer straznik;
        straznik.setSingleShot(true);
        connect(&straznik, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        straznik.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(TestOknoGlowne)
#include "tst_oknoglowne.moc"
