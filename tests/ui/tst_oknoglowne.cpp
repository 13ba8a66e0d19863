// The main window: its state at start, how it follows the core, and the commands' checks.

#include "Module1.h"
#include "PrzechwytKomunikatow.h"
#include "link/Lacze.h"
#include "main/OknoGlowne.h"
#include "main/OknoOProgramie.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using namespace zr05;

namespace
{
const QString NieZalogowanyUzytkownik =
    QStringLiteral("Nie zalogowany użytkownik. Operacja nie może być wykonana.");
const QString NieZalogowanyInstalator =
    QStringLiteral("Nie zalogowany instalator. Operacja nie może być wykonana.");
const QString BrakKonfiguracji = QStringLiteral(
    "Operacja nie może być wykonana. Przeczytaj konfigurację z centralki lub zbioru dyskowego.");
const QString LogowanieNiemozliwe =
    QStringLiteral("Logowanie niemożliwe - brak połączenia z centralką");

struct Program {
    Module1 m;
    Lacze lacze{m};
    OknoGlowne okno{m, lacze};

    QAction* akcja(const QString& nazwa) { return okno.findChild<QAction*>(nazwa); }
    template <typename T> T* widget(const QString& nazwa) { return okno.findChild<T*>(nazwa); }
    bool widoczna(const char* ramka) { return !widget<QGroupBox>(ramka)->isHidden(); }
};

const char* const RamkiOnLine[] = {"Frame1", "Frame2", "Frame4", "Frame5", "Frame6"};
} // namespace

class TestOknoGlowne : public QObject
{
    Q_OBJECT
private slots:
    void stanPoczatkowyMenuIPrzyciskow_data();
    void stanPoczatkowyMenuIPrzyciskow();
    void tylkoPomocOtwieraSie();
    void ramkiNaStarcie();
    void oknoSledziDostepnosc();
    void przycisk7DwukrotniePrzywracaStan();
    void obrazekPrzycisku7ZaStanemTakzeZMenu();
    void archiwumBezLogowania_data();
    void archiwumBezLogowania();
    void pobieranieBezInstalatora_data();
    void pobieranieBezInstalatora();
    void bramkaEdytorow_data();
    void bramkaEdytorow();
    void logowanieBezPolaczenia_data();
    void logowanieBezPolaczenia();
    void przyciskSpozaZakresuNicNieRobi_data();
    void przyciskSpozaZakresuNicNieRobi();
    void zegarPustyDoPierwszegoCzasuCentralki();
    void zalogowanieTylkoDoWyswietlania();
    void pasekStanuPokazujeStatus();
    void timer1OdliczaCoSekunde();
    void oProgramieNiemodalneIJedno();
    void koniecKonczyProgram();
};

void TestOknoGlowne::stanPoczatkowyMenuIPrzyciskow_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<bool>("dostepny");
    const std::pair<const char*, bool> stan[] = {
        {"mnuKonf", false},       {"mnuKonfLog", true},      {"mnuKonfWyUZYT", false},
        {"mnuKonfWyINST", false}, {"mnuKonfPobierz", false}, {"mnuKonfPrzekaz", false},
        {"mnuKonfCzytaj", true},  {"mnuKonfZapisz", false},  {"mnuKonfDruk", false},
        {"mnuKonfKoniec", true},  {"mnuOn", false},          {"mnuProg", false},
        {"mnuProgLinie", true},   {"mnuProgSys", true},      {"mnuHist", false},
        {"mnuHistAla", true},     {"mnuPom", true},          {"mnuPomOPr", true},
    };
    for (const auto& [nazwa, dostepny] : stan)
        QTest::newRow(nazwa) << QString::fromUtf8(nazwa) << dostepny;
    for (int n = 1; n <= 9; ++n)
        QTest::newRow(qPrintable(QStringLiteral("przycisk %1").arg(n)))
            << QStringLiteral("Przycisk%1").arg(n) << false;
}

void TestOknoGlowne::stanPoczatkowyMenuIPrzyciskow()
{
    QFETCH(QString, nazwa);
    QFETCH(bool, dostepny);
    Program p;
    QAction* a = p.akcja(nazwa);
    QVERIFY(a);
    QCOMPARE(a->isEnabled(), dostepny);
}

void TestOknoGlowne::tylkoPomocOtwieraSie()
{
    Program p;
    QStringList czynne;
    for (QAction* a : p.okno.menuBar()->actions())
        if (a->isEnabled())
            czynne << a->objectName();
    QCOMPARE(czynne, QStringList{QStringLiteral("mnuPom")});
    QCOMPARE(p.okno.menuBar()->actions().size(), 5);

    const QToolBar* pasek = p.widget<QToolBar>(QStringLiteral("Toolbar1"));
    QVERIFY(pasek);
    int przyciski = 0;
    for (QAction* a : pasek->actions()) {
        if (a->isSeparator())
            continue;
        ++przyciski;
        QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
        QVERIFY2(!a->icon().pixmap(32, 32).isNull(), qPrintable(a->objectName()));
    }
    QCOMPARE(przyciski, 9);
}

void TestOknoGlowne::ramkiNaStarcie()
{
    Program p;
    for (const char* ramka : RamkiOnLine)
        QVERIFY2(!p.widoczna(ramka), ramka);
    QVERIFY(p.widoczna("Frame7"));
    QVERIFY(p.widoczna("Frame3"));
    QVERIFY(!p.widget<QWidget>(QStringLiteral("Picture1"))->isHidden());
    QVERIFY(p.widget<QRadioButton>(QStringLiteral("Option1_0"))->isChecked());
    QCOMPARE(p.m.WybranyPort, 0);
    // The on-line lamps carry their line numbers.
    for (int i = 0; i < 80; ++i)
        QCOMPARE(p.widget<QLineEdit>(QStringLiteral("Text4_%1").arg(i))->text(),
                 QString::number(i + 1));
    QVERIFY(p.widget<QLineEdit>(QStringLiteral("Text1_0"))->isReadOnly());
}

void TestOknoGlowne::oknoSledziDostepnosc()
{
    Program p;
    for (int i = 0; i < int(Element::Liczba); ++i) {
        const Element e = Element(i);
        const bool byl = p.m.dostepny(e);
        p.m.ustawDostepny(e, !byl);
        QCOMPARE(p.okno.akcja(e)->isEnabled(), !byl);
        p.m.ustawDostepny(e, byl);
        QCOMPARE(p.okno.akcja(e)->isEnabled(), byl);
    }
}

void TestOknoGlowne::przycisk7DwukrotniePrzywracaStan()
{
    Program p;
    p.m.ustawDostepny(przycisk(7), true); // as a supervisor login does
    QAction* b7 = p.okno.akcja(przycisk(7));
    QCOMPARE(b7->property("obrazek").toInt(), 7);

    b7->trigger();
    for (const char* ramka : RamkiOnLine)
        QVERIFY2(p.widoczna(ramka), ramka);
    QVERIFY(p.m.onLine());
    QCOMPARE(p.m.BajtOdpowiedzi, Bajt(0x20));
    QCOMPARE(b7->property("obrazek").toInt(), 10);

    b7->trigger();
    for (const char* ramka : RamkiOnLine)
        QVERIFY2(!p.widoczna(ramka), ramka);
    QVERIFY(!p.m.onLine());
    QCOMPARE(p.m.BajtOdpowiedzi, Bajt(0));
    QCOMPARE(b7->property("obrazek").toInt(), 7);
}

void TestOknoGlowne::obrazekPrzycisku7ZaStanemTakzeZMenu()
{
    Program p;
    p.m.ustawDostepny(Element::mnuOn, true);
    p.akcja(QStringLiteral("mnuOn"))->trigger();
    QVERIFY(p.widoczna("Frame1"));
    QCOMPARE(p.okno.akcja(przycisk(7))->property("obrazek").toInt(), 10);
    // A logout switches the view off through the core; the window follows.
    p.m.ustawOnLine(false);
    QVERIFY(!p.widoczna("Frame1"));
    QCOMPARE(p.okno.akcja(przycisk(7))->property("obrazek").toInt(), 7);
}

void TestOknoGlowne::archiwumBezLogowania_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<QString>("tytul"); // tells the alarm archive from the event archive
    const QString alarmy = QStringLiteral("Historia alarmów");
    const QString zdarzenia = QStringLiteral("Archiwum zdarzeń i alarmów");
    QTest::newRow("mnuHistAla") << QStringLiteral("mnuHistAla") << alarmy;
    QTest::newRow("mnuHistZda") << QStringLiteral("mnuHistZda") << zdarzenia;
    QTest::newRow("przycisk 8") << QStringLiteral("Przycisk8") << alarmy;
    QTest::newRow("przycisk 9") << QStringLiteral("Przycisk9") << zdarzenia;
}

void TestOknoGlowne::archiwumBezLogowania()
{
    QFETCH(QString, nazwa);
    QFETCH(QString, tytul);
    Program p;
    // The check is the command's own, whatever enabled the item.
    for (Element e : {Element::mnuHist, przycisk(8), przycisk(9)})
        p.m.ustawDostepny(e, true);
    const int okien = QApplication::topLevelWidgets().size();
    {
        PrzechwytKomunikatow k;
        p.akcja(nazwa)->trigger();
        QCOMPARE(k.teksty, QStringList{NieZalogowanyUzytkownik});
        QCOMPARE(k.pytania, QList<bool>{false});
    }
    QCOMPARE(QApplication::topLevelWidgets().size(), okien);
    {
        PrzechwytKomunikatow k;
        p.m.ustawCheck1(0, true);
        p.akcja(nazwa)->trigger();
        QVERIFY(k.teksty.isEmpty());
    }
    QPointer<QWidget> archiwum;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Form9") && w->isVisible())
            archiwum = w;
    QVERIFY(archiwum);
    QCOMPARE(archiwum->windowTitle(), tytul);
    archiwum->close();
    QTRY_VERIFY(archiwum.isNull());
}

void TestOknoGlowne::pobieranieBezInstalatora_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::newRow("mnuKonfPobierz") << QStringLiteral("mnuKonfPobierz");
    QTest::newRow("mnuKonfPrzekaz") << QStringLiteral("mnuKonfPrzekaz");
    QTest::newRow("przycisk 4") << QStringLiteral("Przycisk4");
    QTest::newRow("przycisk 5") << QStringLiteral("Przycisk5");
}

void TestOknoGlowne::pobieranieBezInstalatora()
{
    QFETCH(QString, nazwa);
    Program p;
    for (Element e : {Element::mnuKonfPobierz, Element::mnuKonfPrzekaz, przycisk(4), przycisk(5)})
        p.m.ustawDostepny(e, true);
    p.m.ustawCheck1(0, true); // a user login is not enough
    {
        PrzechwytKomunikatow k;
        p.akcja(nazwa)->trigger();
        QCOMPARE(k.teksty, QStringList{NieZalogowanyInstalator});
    }
    {
        // The installer gets the transfer; the upload asks first.
        PrzechwytKomunikatow k;
        p.m.ustawCheck1(1, true);
        p.akcja(nazwa)->trigger();
        const bool przekaz = nazwa.contains(QLatin1String("Przekaz")) || nazwa.endsWith('5');
        if (przekaz)
            QCOMPARE(k.teksty, QStringList{QStringLiteral(
                                   "Czy napewno wysłąć nową konfigurację do centralki ?")});
        else
            QVERIFY(k.teksty.isEmpty());
        QCOMPARE(p.m.KodOperacji, Bajt(przekaz ? 60 : 1));
    }
}

void TestOknoGlowne::bramkaEdytorow_data()
{
    QTest::addColumn<QString>("nazwa");
    for (const char* n : {"mnuProgLinie", "mnuProgWyj", "mnuProgStrefy", "mnuProgKont",
                          "mnuProgAuto", "mnuProgSys"})
        QTest::newRow(n) << QString::fromUtf8(n);
}

void TestOknoGlowne::bramkaEdytorow()
{
    QFETCH(QString, nazwa);
    Program p;
    {
        PrzechwytKomunikatow k;
        p.akcja(nazwa)->trigger();
        QCOMPARE(k.teksty, QStringList{BrakKonfiguracji});
    }
    {
        PrzechwytKomunikatow k;
        p.m.KonfigJest = 1;
        p.akcja(nazwa)->trigger();
        QVERIFY(k.teksty.isEmpty());
    }
}

void TestOknoGlowne::logowanieBezPolaczenia_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("odmowa");
    QTest::newRow("brak połączenia") << QStringLiteral("BRAK POŁĄCZENIA Z CENTRALĄ !!!!") << true;
    QTest::newRow("każdy tekst od BRAK") << QStringLiteral("BRAK") << true;
    QTest::newRow("pusty") << QString() << false;
    QTest::newRow("inny") << QStringLiteral("Pobieranie konfiguracji z centralki.") << false;
    QTest::newRow("BRAK nie na początku") << QStringLiteral(" BRAK") << false;
}

void TestOknoGlowne::logowanieBezPolaczenia()
{
    QFETCH(QString, status);
    QFETCH(bool, odmowa);
    for (const char* nazwa : {"mnuKonfLog", "Przycisk1"}) {
        Program p;
        p.m.ustawDostepny(przycisk(1), true);
        p.m.ustawStatus(status);
        PrzechwytKomunikatow k;
        p.akcja(QString::fromUtf8(nazwa))->trigger();
        QCOMPARE(k.teksty, odmowa ? QStringList{LogowanieNiemozliwe} : QStringList{});
    }
}

void TestOknoGlowne::przyciskSpozaZakresuNicNieRobi_data()
{
    QTest::addColumn<int>("numer");
    QTest::newRow("0") << 0;
    QTest::newRow("10") << 10;
    QTest::newRow("-1") << -1;
}

void TestOknoGlowne::przyciskSpozaZakresuNicNieRobi()
{
    QFETCH(int, numer);
    Program p;
    PrzechwytKomunikatow k;
    p.okno.wykonajPrzyciskPaska(numer);
    QVERIFY(k.teksty.isEmpty());
    QVERIFY(!p.m.onLine());
    QCOMPARE(p.m.KodOperacji, Bajt(0));
    // In range the same call does act: button 8 refuses without a login.
    p.okno.wykonajPrzyciskPaska(8);
    QCOMPARE(k.teksty, QStringList{NieZalogowanyUzytkownik});
}

void TestOknoGlowne::zegarPustyDoPierwszegoCzasuCentralki()
{
    Program p;
    auto pole = [&](int i) { return p.widget<QLineEdit>(QStringLiteral("Text1_%1").arg(i)); };
    p.m.Zegar = {5, 9, 23, 1, 12, 99};
    p.m.zglosZegar();
    for (int i = 0; i < 6; ++i)
        QVERIFY(pole(i)->text().isEmpty());
    p.m.ZegarZnany = true;
    p.m.zglosZegar();
    const QStringList oczekiwane = {"05", "09", "23", "01", "12", "99"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(pole(i)->text(), oczekiwane[i]);
    p.m.Zegar = {0, 10, 0, 31, 1, 0};
    p.m.zglosZegar();
    const QStringList pozniej = {"00", "10", "00", "31", "01", "00"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(pole(i)->text(), pozniej[i]);
}

void TestOknoGlowne::zalogowanieTylkoDoWyswietlania()
{
    Program p;
    auto* uzytkownik = p.widget<QCheckBox>(QStringLiteral("Check1_0"));
    auto* instalator = p.widget<QCheckBox>(QStringLiteral("Check1_1"));
    QVERIFY(!uzytkownik->isChecked());
    uzytkownik->click(); // the user cannot tick it
    QVERIFY(!uzytkownik->isChecked());
    QVERIFY(!p.m.zalogowanyUzytkownik());
    p.m.ustawCheck1(0, true);
    QVERIFY(uzytkownik->isChecked());
    QVERIFY(!instalator->isChecked());
    uzytkownik->click();
    QVERIFY(uzytkownik->isChecked());
    p.m.ustawCheck1(1, true);
    QVERIFY(instalator->isChecked());
    p.m.ustawCheck1(0, false);
    QVERIFY(!uzytkownik->isChecked());
}

void TestOknoGlowne::pasekStanuPokazujeStatus()
{
    Program p;
    QVERIFY(p.okno.tekstStatusu().isEmpty());
    p.m.ustawStatus(QStringLiteral("HISTORIA ALARMÓW"));
    QCOMPARE(p.okno.tekstStatusu(), QStringLiteral("HISTORIA ALARMÓW"));
    p.m.wyczyscStatus();
    QVERIFY(p.okno.tekstStatusu().isEmpty());
}

void TestOknoGlowne::timer1OdliczaCoSekunde()
{
    Program p;
    auto* timer = p.okno.findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    // Selecting a COM option starts the watchdog; the window's timer drives it.
    p.widget<QRadioButton>(QStringLiteral("Option1_2"))->setChecked(true);
    QCOMPARE(p.m.WybranyPort, 2);
    p.m.LicznikLacza = 1;
    QTRY_COMPARE_WITH_TIMEOUT(p.okno.tekstStatusu(),
                              QStringLiteral("BRAK POŁĄCZENIA Z CENTRALĄ !!!!"), 2500);
}

void TestOknoGlowne::oProgramieNiemodalneIJedno()
{
    Program p;
    p.okno.show();
    p.akcja(QStringLiteral("mnuPomOPr"))->trigger();
    auto okna = p.okno.findChildren<OknoOProgramie*>();
    QCOMPARE(okna.size(), 1);
    OknoOProgramie* o = okna.first();
    QVERIFY(o->isVisible());
    QVERIFY(!o->isModal());
    QVERIFY(!QApplication::overrideCursor()); // the hourglass is gone once it is up
    QStringList teksty;
    for (QLabel* l : o->findChildren<QLabel*>())
        teksty << l->text();
    QVERIFY(teksty.contains(QStringLiteral("Program do centrali alarmowej ZR-5")));
    QVERIFY(teksty.contains(QStringLiteral("VOR-electronics")));
    p.akcja(QStringLiteral("mnuPomOPr"))->trigger();
    QCOMPARE(p.okno.findChildren<OknoOProgramie*>().size(), 1);
    o->close();
    QTRY_COMPARE(p.okno.findChildren<OknoOProgramie*>().size(), 0);
    p.akcja(QStringLiteral("mnuPomOPr"))->trigger();
    QCOMPARE(p.okno.findChildren<OknoOProgramie*>().size(), 1);
}

void TestOknoGlowne::koniecKonczyProgram()
{
    Program p;
    p.okno.show();
    QTimer::singleShot(0, &p.okno, [&] { p.akcja(QStringLiteral("mnuKonfKoniec"))->trigger(); });
    QTimer straznik;
    straznik.setSingleShot(true);
    connect(&straznik, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    straznik.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(TestOknoGlowne)
#include "tst_oknoglowne.moc"
