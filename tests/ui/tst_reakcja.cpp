// The main window while work goes on behind it: a register filled while its box is hidden,
// and ending the program while a printout is being made.

#include "Drukarka.h"
#include "Module1.h"
#include "PrzechwytKomunikatow.h"
#include "link/Lacze.h"
#include "link/Ramka.h"
#include "main/OknoGlowne.h"
#include "print/WydrukRejestru.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace zr05;

namespace
{
struct Program {
    Module1 m;
    Lacze lacze{m};
    OknoGlowne okno{m, lacze};
    QPlainTextEdit* text5() { return okno.findChild<QPlainTextEdit*>(QStringLiteral("Text5")); }
};
} // namespace

class TestReakcja : public QObject
{
    Q_OBJECT
private slots:
    void rejestrWUkrytymOknie();
    void koniecPodczasDrukowania_data();
    void koniecPodczasDrukowania();
};

void TestReakcja::rejestrWUkrytymOknie()
{
    Program p;
    p.okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.okno));
    QVERIFY(!p.text5()->isVisible());
    constexpr int Linii = 300;
    QString oczekiwany;
    for (int i = 0; i < Linii; ++i) {
        p.okno.zdarzenia().Komunikat(
            ramka::zSuma(QByteArray("@\x02", 2) + char(65 + i % 8) + char(i / 60) + char(i % 60)));
        oczekiwany.prepend(QStringLiteral("%1:%2    ALARM napad z klawiatury nr: %3\n")
                               .arg(i / 60, 2, 10, QLatin1Char('0'))
                               .arg(i % 60, 2, 10, QLatin1Char('0'))
                               .arg(1 + i % 8));
    }
    p.m.ustawOnLine(true);
    QVERIFY(p.text5()->isVisible());
    // Every line, newest first, and the cursor on the newest as in a box that was shown.
    QCOMPARE(p.text5()->toPlainText(), oczekiwany);
    QCOMPARE(p.text5()->textCursor().position(), 0);
    QCOMPARE(p.okno.zdarzenia().rejestr().tekst(),
             QString(oczekiwany).replace(u'\n', QStringLiteral("\r\n")));
}

void TestReakcja::koniecPodczasDrukowania_data()
{
    QTest::addColumn<bool>("zgoda");
    QTest::newRow("OK: waits for the printout, then ends") << true;
    QTest::newRow("Cancel: goes on") << false;
}

void TestReakcja::koniecPodczasDrukowania()
{
    QFETCH(bool, zgoda);
    QTemporaryDir katalog;
    Drukarka::ustawKatalogPdf(katalog.path());
    PrzechwytKomunikatow przechwyt(zgoda);
    Program p;
    p.okno.show();
    p.m.ustawStatus(QStringLiteral("Pobieranie konfiguracji z centralki."));
    QString dlugi;
    for (int i = 0; i < 3000; ++i)
        dlugi += QStringLiteral("%1    ALARM z linii: 1 w strefie: 1\r\n").arg(i);
    Drukarka::drukuj(wydrukRejestru(dlugi, QDateTime::currentDateTime()), &p.okno,
                     QStringLiteral("rejestr"));
    QCOMPARE(p.okno.tekstStatusu(), tekst::StatusDrukowania);
    QCOMPARE(p.okno.close(), zgoda);
    QCOMPARE(przechwyt.pytania.value(0), true);
    QCOMPARE(przechwyt.teksty.value(0), tekst::PytanieKoniecPodczasDrukowania);
    if (zgoda)
        QCOMPARE(Drukarka::wToku(), 0);
    else {
        QVERIFY(Drukarka::wToku() > 0);
        p.m.ustawStatus(QString()); // a window closed meanwhile
        QCOMPARE(p.okno.tekstStatusu(), tekst::StatusDrukowania);
    }
    Drukarka::zaczekaj();
    Drukarka::ustawKatalogPdf(QString());
    // The printout was made whole and told, and the status bar shows what it did before (or
    // nothing, when a window closed meanwhile).
    QCOMPARE(QDir(katalog.path()).entryList({QStringLiteral("*.pdf")}).size(), 1);
    QCOMPARE(przechwyt.teksty.size(), 2);
    QCOMPARE(p.okno.tekstStatusu(),
             zgoda ? QStringLiteral("Pobieranie konfiguracji z centralki.") : QString());
}

QTEST_MAIN(TestReakcja)
#include "tst_reakcja.moc"
