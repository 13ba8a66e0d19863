// The register printout: its operations exactly, and the printer adapter writing them to a
// PDF that holds the texts, page after page.

#include "Drukarka.h"
#include "PrzechwytKomunikatow.h"
#include "print/WydrukRejestru.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace zr05;

namespace
{
using Op = OperacjaWydruku;

QString pdfNaTekst(const QString& sciezka)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), sciezka, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

const QDateTime Chwila(QDate(2026, 3, 4), QTime(5, 6, 7));
} // namespace

class TestWydrukRejestru : public QObject
{
    Q_OBJECT
private slots:
    void operacje();
    void liniePoPodziale_data();
    void liniePoPodziale();
    void dlugiRejestrNaKolejnychStronach();
    void pusteLinieNieOtwierajaStron();
    void bezDrukarkiPlikIKomunikat();
    void niezapisywalnyPlik();
};

void TestWydrukRejestru::operacje()
{
    const Wydruk w = wydrukRejestru(QStringLiteral("09:05    ALARM z linii: 17 w strefie: 3\r\n"
                                                   "Konfiguracja systemu\r\n"),
                                    Chwila);
    const QList<Op> oczekiwane = {
        {Op::Czcionka, QStringLiteral("Times New Roman CE"), 0},
        {Op::Rozmiar, {}, 12},
        {Op::Pogrubienie, {}, 1},
        {Op::Pozycja, {}, 2000},
        {Op::Linia, QStringLiteral("REJESTR BIEŻĄCY SYSTEMU VOR ZR-05"), 0},
        {Op::Pozycja, {}, 3000},
        {Op::Linia, QStringLiteral("2026-03-04  05:06:07"), 0},
        {Op::Rozmiar, {}, 10},
        {Op::Pogrubienie, {}, 0},
        {Op::Linia, QStringLiteral("09:05    ALARM z linii: 17 w strefie: 3"), 0},
        {Op::Linia, QStringLiteral("Konfiguracja systemu"), 0},
        {Op::KoniecDokumentu, {}, 0},
    };
    QCOMPARE(w.operacje(), oczekiwane);
}

void TestWydrukRejestru::liniePoPodziale_data()
{
    QTest::addColumn<QString>("rejestr");
    QTest::addColumn<QStringList>("linie");
    QTest::newRow("empty") << QString() << QStringList{};
    QTest::newRow("no final line end") << QStringLiteral("A\r\nB") << QStringList{"A", "B"};
    QTest::newRow("empty line kept")
        << QStringLiteral("A\r\n\r\nB\r\n") << QStringList{"A", "", "B"};
    QTest::newRow("operator's bare line ends")
        << QStringLiteral("A\nB\rC\r\n") << QStringList{"A", "B", "C"};
    QTest::newRow("trailing blanks kept")
        << QStringLiteral("POKOJ   \r\n") << QStringList{"POKOJ   "};
}

void TestWydrukRejestru::liniePoPodziale()
{
    QFETCH(QString, rejestr);
    QFETCH(QStringList, linie);
    const auto op = wydrukRejestru(rejestr, Chwila).operacje();
    QCOMPARE(op.size(), 10 + linie.size());
    QCOMPARE(op.last().rodzaj, Op::KoniecDokumentu);
    for (int i = 0; i < linie.size(); ++i) {
        QCOMPARE(op[9 + i].rodzaj, Op::Linia);
        QCOMPARE(op[9 + i].tekst, linie[i]);
    }
}

void TestWydrukRejestru::dlugiRejestrNaKolejnychStronach()
{
    QString rejestr;
    for (int i = 1; i <= 400; ++i)
        rejestr += QStringLiteral("Linia rejestru numer %1\r\n").arg(i);
    QTemporaryDir katalog;
    const QString sciezka = katalog.filePath(QStringLiteral("dlugi.pdf"));
    QVERIFY(Drukarka::doPdf(wydrukRejestru(rejestr, Chwila), sciezka));
    const QString tekst = pdfNaTekst(sciezka);
    const QStringList strony = tekst.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY2(strony.size() >= 5, qPrintable(QString::number(strony.size())));
    for (int i = 1; i <= 400; ++i)
        QVERIFY2(tekst.contains(QStringLiteral("Linia rejestru numer %1\n").arg(i)),
                 qPrintable(QString::number(i)));
    QVERIFY(strony.first().contains(QStringLiteral("REJESTR BIEŻĄCY")));
    QVERIFY(strony.last().contains(QStringLiteral("numer 400")));
}

void TestWydrukRejestru::pusteLinieNieOtwierajaStron()
{
    QTemporaryDir katalog;
    const QString sciezka = katalog.filePath(QStringLiteral("puste.pdf"));
    QVERIFY(Drukarka::doPdf(
        wydrukRejestru(QStringLiteral("X\r\n") + QStringLiteral("\r\n").repeated(500), Chwila),
        sciezka));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {sciezka});
    QVERIFY(info.waitForFinished(30000));
    const QString wynik = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(wynik.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
             qPrintable(wynik));
}

void TestWydrukRejestru::bezDrukarkiPlikIKomunikat()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a default printer is installed here");
    QTemporaryDir katalog;
    Drukarka::ustawKatalogPdf(katalog.path());
    PrzechwytKomunikatow przechwyt;
    Drukarka::drukuj(wydrukRejestru(QStringLiteral("PIERWSZY\r\n"), Chwila), nullptr,
                     QStringLiteral("Rejestr"));
    Drukarka::drukuj([] { return wydrukRejestru(QStringLiteral("DRUGI\r\n"), Chwila); }, nullptr,
                     QStringLiteral("Rejestr"));
    // Both wait their turn in the background, and are told in the order given.
    QCOMPARE(Drukarka::wToku(), 2);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
    QVERIFY(przechwyt.teksty.isEmpty());
    Drukarka::zaczekaj();
    QCOMPARE(Drukarka::wToku(), 0);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    Drukarka::ustawKatalogPdf(QString());
    // Two printouts, two files, even within one second.
    QStringList pliki = QDir(katalog.path()).entryList({QStringLiteral("Rejestr_*.pdf")});
    QCOMPARE(pliki.size(), 2);
    QCOMPARE(przechwyt.teksty.size(), 2);
    for (const QString& p : pliki)
        QVERIFY(przechwyt.teksty[0].contains(p) != przechwyt.teksty[1].contains(p));
    pliki = QStringList{przechwyt.teksty[0].section(QLatin1Char('/'), -1)};
    QVERIFY(przechwyt.teksty[0].contains(QDir::toNativeSeparators(katalog.filePath(pliki[0]))));
    const QString pierwszy = pdfNaTekst(katalog.filePath(pliki[0]));
    QVERIFY(pierwszy.contains(QStringLiteral("REJESTR BIEŻĄCY")));
    QVERIFY(pierwszy.contains(QStringLiteral("PIERWSZY")) &&
            !pierwszy.contains(QStringLiteral("DRUGI")));
}

void TestWydrukRejestru::niezapisywalnyPlik()
{
    QVERIFY(!Drukarka::doPdf(wydrukRejestru(QStringLiteral("X"), Chwila),
                             QStringLiteral("/nonexistent-dir/x/r.pdf")));
    if (!QPrinterInfo::defaultPrinter().isNull())
        return;
    Drukarka::ustawKatalogPdf(QStringLiteral("/nonexistent-dir/x"));
    PrzechwytKomunikatow przechwyt;
    Drukarka::drukuj(wydrukRejestru(QStringLiteral("X"), Chwila), nullptr, QStringLiteral("R"));
    Drukarka::zaczekaj();
    Drukarka::ustawKatalogPdf(QString());
    QCOMPARE(przechwyt.teksty.size(), 1);
    QVERIFY(przechwyt.teksty[0].contains(QStringLiteral("nie został wykonany")));
}

QTEST_MAIN(TestWydrukRejestru)
#include "tst_wydrukrejestru.moc"
