// The archive window: controls, lists and defaults, opening, download commands, view, print.

#include "Drukarka.h"
#include "Module1.h"
#include "PrzechwytKomunikatow.h"
#include "RamkiArchiwum.h"
#include "access/Przesylanie.h"
#include "archive/OknoArchiwum.h"
#include "archive/PobieranieArchiwum.h"
#include "link/Lacze.h"
#include "main/OknoGlowne.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace zr05;
using namespace zr05::ramkiArchiwum;

namespace
{
const QDateTime Teraz(QDate(2026, 2, 5), QTime(7, 9, 41));

struct Program {
    Module1 m;
    Lacze lacze{m};
    Przesylanie przesylanie{m, lacze};
    PobieranieArchiwum pobieranie{m, lacze};
    QWidget glowne;
    Program() { m.ustawCheck1(0, true); }
};

struct Okno : Program {
    OknoArchiwum* f = new OknoArchiwum(m, pobieranie, &przesylanie, Teraz, &glowne);

    template <typename T> T* w(const QString& nazwa) const
    {
        T* x = f->findChild<T*>(nazwa);
        if (!x)
            qFatal("no control %s", qPrintable(nazwa));
        return x;
    }
    QComboBox* combo(int ktory, int i) const
    {
        return w<QComboBox>(QStringLiteral("Combo%1_%2").arg(ktory).arg(i));
    }
    void ustaw(int ktory, const QStringList& pola)
    {
        for (int i = 0; i < 5; ++i)
            combo(ktory, i)->setCurrentText(pola[i]);
    }
    void kliknij(const char* przycisk)
    {
        QTest::mouseClick(w<QPushButton>(przycisk), Qt::LeftButton);
    }
    QString text1() const { return w<QPlainTextEdit>("Text1")->toPlainText(); }
    QString text2() const { return w<QLineEdit>("Text2")->text(); }
};

QStringList pozycje(const QComboBox* c)
{
    QStringList l;
    for (int i = 0; i < c->count(); ++i)
        l.append(c->itemText(i));
    return l;
}

QStringList liczby(int od, int doIlu, int cyfr)
{
    QStringList l;
    for (int i = od; i <= doIlu; ++i)
        l.append(QString::number(i).rightJustified(cyfr, u'0'));
    return l;
}
} // namespace

class TestOknoArchiwum : public QObject
{
    Q_OBJECT
private slots:
    void napisyIPodpowiedzi_data();
    void napisyIPodpowiedzi();
    void listyIWartosciPoczatkowe_data();
    void listyIWartosciPoczatkowe();
    void otwarcieAlarmami();
    void otwarcieZdarzeniamiZostawiaStan();
    void opcjaWRdzeniu();
    void pobierzWysylaDate_data();
    void pobierzWysylaDate();
    void pobierzPytaPrzyPrzesylaniu_data();
    void pobierzPytaPrzyPrzesylaniu();
    void koniecPobieraniaPokazujeZakres();
    void przerwij();
    void wyswietlDopieroNaPolecenie();
    void zamkniecieKonczyPobieranie();
    void drukuje();
    void menuHistorii_data();
    void menuHistorii();
};

void TestOknoArchiwum::napisyIPodpowiedzi_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<QString>("napis");
    QTest::addColumn<QString>("podpowiedz");
    QTest::newRow("Option1_0") << "Option1_0"
                               << "Zdarzeń"
                               << "";
    QTest::newRow("Option1_1") << "Option1_1"
                               << "Alarmów"
                               << "";
    QTest::newRow("Label5") << "Label5"
                            << "Archiwum:"
                            << "";
    QTest::newRow("Frame3") << "Frame3"
                            << "Od:"
                            << "Od kiedy ma być pobierane, wyświetlane lub drukowane archiwum";
    QTest::newRow("Frame4") << "Frame4"
                            << "Do:"
                            << "Do kiedy ma być pobierane, wyświetlane lub drukowane archiwum";
    QTest::newRow("Frame5") << "Frame5"
                            << "Pobieranie archiwum z centralki:"
                            << "";
    QTest::newRow("Command1") << "Command1"
                              << "Pobierz"
                              << "Pobierz z centrali archiwum  zdarzeń lub alarmó od dnia do dnia.";
    QTest::newRow("Label4") << "Label4"
                            << "Pobrano:"
                            << "";
    QTest::newRow("Text2") << "Text2"
                           << ""
                           << "Ilość pobranych z centralki zdarzeń lub alarmów";
    QTest::newRow("Command4") << "Command4"
                              << "Przerwij"
                              << "Przerwij pobieranie archiwum z centralki";
    QTest::newRow("Command2")
        << "Command2"
        << "Wyświetl"
        << "Wyświetl zdarzenia lub alarmy z wyspecyfikowanego przedziału czasu";
    QTest::newRow("Command3") << "Command3"
                              << "Drukuj"
                              << "Drukuj zdarzenia lub alarmy z wyspecyfikowanego przedziału czasu";
}

void TestOknoArchiwum::napisyIPodpowiedzi()
{
    QFETCH(QString, nazwa);
    QFETCH(QString, napis);
    QFETCH(QString, podpowiedz);
    Okno o;
    QCOMPARE(o.f->windowTitle(), QStringLiteral("Archiwum zdarzeń i alarmów"));
    QWidget* w = o.w<QWidget>(nazwa);
    QString tekst;
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        tekst = b->text();
    else if (auto* l = qobject_cast<QLabel*>(w))
        tekst = l->text();
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        tekst = g->title();
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        tekst = e->text();
    QCOMPARE(tekst, napis);
    QCOMPARE(w->toolTip(), podpowiedz);
    QVERIFY(o.w<QRadioButton>("Option1_0")->isChecked());
    QVERIFY(!o.w<QRadioButton>("Option1_1")->isChecked());
}

void TestOknoArchiwum::listyIWartosciPoczatkowe_data()
{
    QTest::addColumn<int>("indeks");
    QTest::addColumn<QStringList>("lista");
    QTest::addColumn<QString>("od");
    QTest::addColumn<QString>("doKiedy");
    QTest::newRow("year") << 0 << liczby(2000, 2099, 4) << "2000"
                          << "2026";
    QTest::newRow("month") << 1 << liczby(1, 12, 2) << "01"
                           << "02";
    QTest::newRow("day") << 2 << liczby(1, 31, 2) << "01"
                         << "05";
    QTest::newRow("hour") << 3 << liczby(0, 23, 2) << "00"
                          << "07";
    QTest::newRow("minute") << 4 << liczby(0, 59, 2) << "00"
                            << "09";
}

void TestOknoArchiwum::listyIWartosciPoczatkowe()
{
    QFETCH(int, indeks);
    QFETCH(QStringList, lista);
    QFETCH(QString, od);
    QFETCH(QString, doKiedy);
    Okno o;
    for (int ktory : {1, 2}) {
        QComboBox* c = o.combo(ktory, indeks);
        QCOMPARE(pozycje(c), lista);
        QVERIFY(!c->isEditable());
    }
    QCOMPARE(o.combo(1, indeks)->currentText(), od);
    QCOMPARE(o.combo(2, indeks)->currentText(), doKiedy);
}

void TestOknoArchiwum::otwarcieAlarmami()
{
    Program p;
    OknoArchiwum* f = pokazOknoArchiwum(p.m, p.pobieranie, p.przesylanie, true, &p.glowne);
    QCOMPARE(f->windowTitle(), QStringLiteral("Historia alarmów"));
    QVERIFY(f->findChild<QRadioButton*>("Option1_1")->isChecked());
    QVERIFY(p.pobieranie.alarmy());
    QVERIFY(f->isVisible());
    f->close();
}

void TestOknoArchiwum::otwarcieZdarzeniamiZostawiaStan()
{
    Program p;
    OknoArchiwum* f = pokazOknoArchiwum(p.m, p.pobieranie, p.przesylanie, false, &p.glowne);
    QCOMPARE(f->windowTitle(), QStringLiteral("Archiwum zdarzeń i alarmów"));
    QVERIFY(f->findChild<QRadioButton*>("Option1_0")->isChecked());
    QVERIFY(!p.pobieranie.alarmy());
    // Alarms into the open window, then events again: one window, caption and option kept.
    QCOMPARE(pokazOknoArchiwum(p.m, p.pobieranie, p.przesylanie, true, &p.glowne), f);
    QCOMPARE(pokazOknoArchiwum(p.m, p.pobieranie, p.przesylanie, false, &p.glowne), f);
    QCOMPARE(f->windowTitle(), QStringLiteral("Historia alarmów"));
    QVERIFY(f->findChild<QRadioButton*>("Option1_1")->isChecked());
    QCOMPARE(p.glowne.findChildren<OknoArchiwum*>().size(), 1);
    f->close();
}

void TestOknoArchiwum::opcjaWRdzeniu()
{
    Okno o;
    QTest::mouseClick(o.w<QRadioButton>("Option1_1"), Qt::LeftButton);
    QVERIFY(o.pobieranie.alarmy());
    o.pobieranie.ustawAlarmy(false);
    QVERIFY(o.w<QRadioButton>("Option1_0")->isChecked());
    QVERIFY(!o.w<QRadioButton>("Option1_1")->isChecked());
}

void TestOknoArchiwum::pobierzWysylaDate_data()
{
    QTest::addColumn<bool>("alarmy");
    QTest::addColumn<QStringList>("od");
    QTest::addColumn<int>("kod");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("zalogowany");
    QTest::newRow("events from 2005-03-07")
        << false << QStringList{"2005", "03", "07", "13", "45"} << 45
        << "HISTORIA ZDARZEŃ. Pobieranie archiwum z centralki." << true;
    QTest::newRow("alarms from 2030-11-28")
        << true << QStringList{"2030", "11", "28", "00", "00"} << 46
        << "HISTORIA ALARMÓW. Pobieranie archiwum z centralki." << true;
    // The window stayed open after "Wyloguj Użytkownika".
    QTest::newRow("logged out") << true << QStringList{"2030", "11", "28", "00", "00"} << 0
                                << "HISTORIA ALARMÓW" << false;
}

void TestOknoArchiwum::pobierzWysylaDate()
{
    QFETCH(bool, alarmy);
    QFETCH(QStringList, od);
    QFETCH(int, kod);
    QFETCH(QString, status);
    QFETCH(bool, zalogowany);
    Okno o;
    QByteArray wyslane;
    o.lacze.ustawUjscie([&](const QByteArray& b) { wyslane += b; });
    o.pobieranie.rekordy(pelna(0)); // a stray answer leaves a count in the box
    QCOMPARE(o.text2(), QStringLiteral("16"));
    o.ustaw(1, od);
    if (alarmy)
        QTest::mouseClick(o.w<QRadioButton>("Option1_1"), Qt::LeftButton);
    o.m.ustawStatus(QStringLiteral("HISTORIA ALARMÓW"));
    o.m.ustawCheck1(0, zalogowany);
    PrzechwytKomunikatow k;
    o.kliknij("Command1");
    QCOMPARE(o.m.KodOperacji, kod);
    QCOMPARE(o.m.status(), status);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    o.lacze.odbierz(ramka::zSuma(QByteArray("\x37\x4B")), 0);
    if (!zalogowany) {
        QCOMPARE(k.teksty, QStringList{QStringLiteral(
                               "Nie zalogowany użytkownik. Operacja nie może być wykonana.")});
        QCOMPARE(o.text2(), QStringLiteral("16"));
        QCOMPARE(wyslane, QByteArray());
        return;
    }
    QVERIFY(k.teksty.isEmpty());
    QCOMPARE(o.text2(), QString());
    const QByteArray oczekiwane =
        ramka::zSuma(QByteArray::fromRawData("\x37\xB2", 2) + char(alarmy ? 2 : 1) +
                     char(od[2].toInt()) + char(od[1].toInt()) + char(od[0].toInt() - 2000));
    QCOMPARE(wyslane, oczekiwane);
}

void TestOknoArchiwum::pobierzPytaPrzyPrzesylaniu_data()
{
    QTest::addColumn<bool>("odpowiedz");
    QTest::newRow("cancel keeps the upload") << false;
    QTest::newRow("OK starts the download") << true;
}

void TestOknoArchiwum::pobierzPytaPrzyPrzesylaniu()
{
    QFETCH(bool, odpowiedz);
    Okno o;
    o.m.KodOperacji = 70;
    PrzechwytKomunikatow k(odpowiedz);
    o.kliknij("Command1");
    QCOMPARE(k.pytania, QList<bool>{true});
    QCOMPARE(o.m.KodOperacji, odpowiedz ? 45 : 70);
}

void TestOknoArchiwum::koniecPobieraniaPokazujeZakres()
{
    Okno o;
    o.ustaw(1, {"2025", "03", "01", "00", "10"});
    o.ustaw(2, {"2025", "03", "01", "00", "20"});
    o.kliknij("Command1");
    o.lacze.odbierz(ramka::zSuma(QByteArray("\x37\x4B")), 0);
    o.lacze.odbierz(pelna(0), 10);
    QCOMPARE(o.text2(), QStringLiteral("16"));
    QVERIFY(o.text1().isEmpty());
    o.lacze.odbierz(zKoncem(16, 9), 20);
    QCOMPARE(o.text2(), QStringLiteral("KONIEC"));
    QCOMPARE(o.m.Archiwum.IloscZda, 25);
    // Records 10..20 of the day fall in the range 00:10..00:20.
    const QStringList linie = o.text1().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(linie.size(), 11);
    QVERIFY(linie.first().startsWith(QStringLiteral("25-03-01  00:10  ZDARZENIE: ")));
    QVERIFY(linie.last().startsWith(QStringLiteral("25-03-01  00:20  ZDARZENIE: ")));
}

void TestOknoArchiwum::przerwij()
{
    Okno o;
    QTest::mouseClick(o.w<QRadioButton>("Option1_1"), Qt::LeftButton);
    o.kliknij("Command1");
    // The archive cannot be switched under a running download.
    QVERIFY(!o.w<QRadioButton>("Option1_0")->isEnabled());
    QTest::mouseClick(o.w<QRadioButton>("Option1_0"), Qt::LeftButton);
    QVERIFY(o.pobieranie.alarmy());
    for (int i = 0; i < 3; ++i)
        o.pobieranie.rekordy(pelna(16 * i));
    o.kliknij("Command4");
    QVERIFY(o.w<QRadioButton>("Option1_0")->isEnabled());
    QVERIFY(o.w<QRadioButton>("Option1_1")->isEnabled());
    QCOMPARE(o.m.KodOperacji, 0);
    QCOMPARE(o.m.Archiwum.IloscAla, 48);
    QCOMPARE(o.m.status(),
             QStringLiteral("HISTORIA ALARMÓW. Pobieranie archiwum z centralki zakończone."));
    QVERIFY(o.text1().isEmpty());
    o.kliknij("Command2");
    QCOMPARE(o.text1().split(u'\n', Qt::SkipEmptyParts).size(), 48);
}

void TestOknoArchiwum::wyswietlDopieroNaPolecenie()
{
    Okno o;
    o.m.Archiwum.RekZda[0] = {25, 1, 2, 3, 4, 128, 0, 0};
    o.m.Archiwum.RekAla[0] = {25, 1, 2, 3, 5, 8, 7, 0};
    o.m.Archiwum.IloscZda = o.m.Archiwum.IloscAla = 1;
    o.kliknij("Command2");
    QCOMPARE(o.text1(), QStringLiteral("25-01-02  03:04  ZDARZENIE: INSTALATOR      \n"));
    QTest::mouseClick(o.w<QRadioButton>("Option1_1"), Qt::LeftButton);
    QCOMPARE(o.text1(), QStringLiteral("25-01-02  03:04  ZDARZENIE: INSTALATOR      \n"));
    o.kliknij("Command2");
    QCOMPARE(o.text1(), QStringLiteral("25-01-02  03:05  ALARM: NAPAD z Klaw-07 \n"));
    o.ustaw(1, {"2025", "01", "02", "03", "06"});
    o.kliknij("Command2");
    QVERIFY(o.text1().isEmpty());
}

void TestOknoArchiwum::zamkniecieKonczyPobieranie()
{
    Program p;
    p.m.ustawStatus(QStringLiteral("HISTORIA ALARMÓW"));
    OknoArchiwum* f = pokazOknoArchiwum(p.m, p.pobieranie, p.przesylanie, true, &p.glowne);
    f->findChild<QPushButton*>("Command1")->click();
    p.pobieranie.rekordy(pelna(0));
    QPointer<OknoArchiwum> straz(f);
    f->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(straz.isNull());
    QCOMPARE(p.m.status(), QString());
    QVERIFY(!p.pobieranie.alarmy());
    // The download stopped with what came so far; an answer already on its way still goes to
    // the alarms.
    QCOMPARE(p.m.KodOperacji, 0);
    QCOMPARE(p.m.Archiwum.IloscAla, 16);
    p.pobieranie.rekordy(zKoncem(100, 2));
    QCOMPARE(p.m.Archiwum.IloscAla, 18);
    QCOMPARE(p.m.Archiwum.IloscZda, 0);
    // A fresh window shows the defaults again.
    OknoArchiwum* nowe = pokazOknoArchiwum(p.m, p.pobieranie, p.przesylanie, false, &p.glowne);
    QCOMPARE(nowe->windowTitle(), QStringLiteral("Archiwum zdarzeń i alarmów"));
    QVERIFY(nowe->findChild<QRadioButton*>("Option1_0")->isChecked());
    nowe->close();
}

void TestOknoArchiwum::drukuje()
{
    QTemporaryDir katalog;
    Drukarka::ustawKatalogPdf(katalog.path());
    PrzechwytKomunikatow przechwyt;
    Okno o;
    o.m.Archiwum.RekAla[0] = {25, 1, 2, 3, 5, 8, 7, 0};
    o.m.Archiwum.IloscAla = 1;
    QTest::mouseClick(o.w<QRadioButton>("Option1_1"), Qt::LeftButton);
    o.kliknij("Command3");
    Drukarka::zaczekaj();
    Drukarka::ustawKatalogPdf(QString());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    const QStringList pliki = QDir(katalog.path()).entryList({QStringLiteral("*.pdf")});
    QCOMPARE(pliki.size(), 1);
    QCOMPARE(przechwyt.teksty.size(), 1);
    QProcess p;
    p.start(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-layout"), QDir(katalog.path()).filePath(pliki[0]), QStringLiteral("-")});
    QVERIFY(p.waitForFinished(30000));
    const QString tekst = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(tekst.contains(QStringLiteral("WYDRUK ARCHIWUM ALARMÓW Z CENTRALI VOR ZR-05")),
             qPrintable(tekst));
    QVERIFY2(tekst.contains(QStringLiteral("NAPAD z Klaw-07")), qPrintable(tekst));
}

void TestOknoArchiwum::menuHistorii_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("alarmy");
    QTest::newRow("mnuHistAla") << "mnuHistAla"
                                << "HISTORIA ALARMÓW" << true;
    QTest::newRow("mnuHistZda") << "mnuHistZda"
                                << "HISTORIA ZDARZEŃ" << false;
}

void TestOknoArchiwum::menuHistorii()
{
    QFETCH(QString, menu);
    QFETCH(QString, status);
    QFETCH(bool, alarmy);
    Module1 m;
    Lacze lacze{m};
    OknoGlowne glowne{m, lacze};
    m.ustawDostepny(Element::mnuHist, true);
    QAction* akcja = glowne.findChild<QAction*>(menu);
    QVERIFY(akcja);
    {
        // Not logged in: the status text is set all the same, the window does not open.
        PrzechwytKomunikatow k;
        akcja->trigger();
        QCOMPARE(k.teksty.size(), 1);
        QCOMPARE(m.status(), status);
        QVERIFY(glowne.findChildren<OknoArchiwum*>().isEmpty());
    }
    m.ustawCheck1(0, true);
    akcja->trigger();
    const QList<OknoArchiwum*> okna = glowne.findChildren<OknoArchiwum*>();
    QCOMPARE(okna.size(), 1);
    QCOMPARE(m.status(), status);
    QCOMPARE(glowne.pobieranieArchiwum().alarmy(), alarmy);
    // Records arrive through the main window's download object.
    lacze.odbierz(pelna(0), 0);
    QCOMPARE(okna[0]->findChild<QLineEdit*>("Text2")->text(), QStringLiteral("16"));
    okna[0]->close();
}

QTEST_MAIN(TestOknoArchiwum)
#include "tst_oknoarchiwum.moc"
