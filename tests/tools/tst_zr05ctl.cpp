// zr05ctl as a program, one row per command and exit code: usage errors, refused codes, ports
// and files, and every command end to end against the simulator over a pseudo-terminal or TCP.
// The tool runs without a controlling terminal unless a row gives it one.

#include "DemoInstalacja.h"
#include "Pty.h"
#include "config/PlikKonfiguracji.h"
#include "tables/NazwyLinii.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <unistd.h>

using namespace zr05;

namespace
{
QString program(const char* sciezka)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../") + QLatin1String(sciezka);
}

// Starts the tool without a controlling terminal, so nothing can be asked: codes come from
// the environment.
void uruchom(QProcess& p, const QStringList& argumenty, const QStringList& zmienne = {},
             int stderrFd = -1)
{
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("ZR05_CODE", "1111");
    e.insert("ZR05_INSTALLER_CODE", "3333");
    for (const QString& z : zmienne)
        e.insert(z.section(u'=', 0, 0), z.section(u'=', 1));
    p.setProcessEnvironment(e);
    p.setChildProcessModifier([stderrFd] {
        ::setsid();
        if (stderrFd >= 0)
            ::dup2(stderrFd, STDERR_FILENO);
    });
    p.start(program("tools/zr05ctl/zr05ctl"), argumenty);
}

QByteArray bajty(const QString& sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList linie(const QString& t)
{
    return t.split(u'\n', Qt::SkipEmptyParts);
}
} // namespace

class TstZr05ctl : public QObject
{
    Q_OBJECT
    QTemporaryDir m_katalog;
    QProcess m_symulator, m_symulatorTcp;
    QMap<QString, QString> m_nazwy; // {port}, {demo}... in the rows
    QString m_doKiedy;              // before the simulator started: its archive up to then is fixed

    QString uruchomSymulator(QProcess& p, const QStringList& dodatkowe)
    {
        p.start(program("tools/panel-sim/zr05-panel-sim"),
                QStringList{"--image", m_nazwy["{demo}"], "--quiet", "--poll-period", "50"} +
                    dodatkowe);
        QDeadlineTimer termin(10000);
        while (p.state() != QProcess::NotRunning && !termin.hasExpired()) {
            p.waitForReadyRead(200);
            while (p.canReadLine()) {
                const QString linia = QString::fromUtf8(p.readLine()).trimmed();
                if (linia.startsWith(QLatin1String("ZR05_COM1=")))
                    return linia.mid(10);
            }
        }
        return QString();
    }
    QString zapisz(const QString& nazwa, const Konfiguracja& k)
    {
        m_nazwy["{" + nazwa + "}"] = m_katalog.filePath(nazwa + ".vor");
        return ZapiszKonfig(k, m_katalog.filePath(nazwa + ".vor")) ? nazwa : QString();
    }

private slots:
    void initTestCase()
    {
        // Every line named with Polish letters or quotes: the archive's line alarms carry them.
        Konfiguracja demo = demo::instalacja();
        demo.NazwyLinii[225] = QStringLiteral("\"ŚCIANA\"");
        for (int n = 1; n <= 12; ++n)
            demo.Linie[n][8] = 225;
        QVERIFY(!zapisz("demo", demo).isEmpty());
        Konfiguracja zmieniona = demo;
        zmieniona.Linie[5][6] = 42;
        zmieniona.NazwyLinii[231] = QStringLiteral("GARAŻ");
        QVERIFY(!zapisz("zmieniona", zmieniona).isEmpty());
        // Two images apart in what each editor shows, and in a byte none shows.
        Konfiguracja a{};
        WpiszNazwyLinii(a.NazwyLinii);
        a.Linie[7] = {7, 0, 0x12, 3};
        a.Linie[7][13] = 2;
        a.WyjOC[3][2] = 128;
        a.Kontrole[4] = {4, 1, 8, 30, 5, 0x03, 0, 0};
        a.Kontrole[9] = {0, 3, 24, 0, 0, 0, 0, 0};
        Konfiguracja b = a;
        b.Linie[7][1] = 9, b.Linie[7][3] = 0x83, b.Linie[7][6] = 5, b.Linie[7][7] = 3;
        b.WyjOC[3][2] = 192;
        ustawWZbiorze(b.WyjOC[3], 14, 12, true);
        b.Kontrole[4][2] = 24;                     // deleted
        b.Kontrole[9] = {0, 2, 24, 0, 0, 0, 0, 0}; // free in both: not compared
        b.Strefy[3][14] = 0x03;
        b.KlawFun = 0x05;
        b.NazwyLinii[230] = QStringLiteral("KUCHNIA");
        QVERIFY(!zapisz("a", a).isEmpty() && !zapisz("b", b).isEmpty());
        QFile krotki(m_katalog.filePath("krotki.vor"));
        QVERIFY(krotki.open(QIODevice::WriteOnly));
        krotki.write(bajty(m_nazwy["{demo}"]).left(3000));
        m_nazwy["{krotki}"] = krotki.fileName();
        m_nazwy["{nowy}"] = m_katalog.filePath("nowy.vor");
        m_nazwy["{pobrany}"] = m_katalog.filePath("pobrany.vor");
        m_nazwy["{pdf}"] = m_katalog.filePath("wydruk.pdf");
        m_doKiedy = QDateTime::currentDateTime().addSecs(-60).toString("yyyy-MM-dd HH:mm");
        m_nazwy["{port}"] = uruchomSymulator(m_symulator, {"--fast"});
        m_nazwy["{tcp}"] = uruchomSymulator(m_symulatorTcp, {"--fast", "--tcp", "127.0.0.1:0"});
        QVERIFY(m_nazwy["{port}"].startsWith(QLatin1String("/dev/pts/")));
        QVERIFY(m_nazwy["{tcp}"].startsWith(QLatin1String("tcp://127.0.0.1:")));
    }

    void cleanupTestCase()
    {
        for (QProcess* p : {&m_symulator, &m_symulatorTcp}) {
            p->terminate();
            p->waitForFinished(5000);
        }
    }

    void polecenia_data()
    {
        QTest::addColumn<QString>("argumenty");
        QTest::addColumn<QStringList>("zmienne");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QStringList>("wWyjsciu");
        QTest::addColumn<QString>("wBledach");
        QTest::addColumn<QString>("plikJak"); // "{pobrany}" then holds exactly this file

        const QStringList z;
        for (const char* p : {"download", "upload", "archive", "monitor", "show", "print", "diff"})
            QTest::addRow("%s --help", p)
                << QString(p) + " --help" << z << 0 << QStringList{"Użycie: zr05ctl " + QString(p)}
                << QString() << QString();
        auto wiersz = [](const char* nazwa, const QString& argumenty, int kod, const QString& bledy,
                         const QStringList& zmienne = {}) {
            QTest::newRow(nazwa) << argumenty << zmienne << kod << QStringList() << bledy
                                 << QString();
        };
        wiersz("no command", "", 2, "Polecenia:");
        wiersz("unknown command", "flash", 2, "Nieznane polecenie: flash");
        wiersz("unknown option", "show --colour {demo}", 2, "colour");
        wiersz("show without a file", "show", 2, "PLIK.vor");
        wiersz("unknown section", "show {demo} --sections linie,okna", 2, "--sections");
        wiersz("archive of neither kind", "archive --port {port} --from 2024-01-01", 2, "--events");
        wiersz("archive from a bad date", "archive --port {port} --events --from 2024-02-30", 2,
               "--from");
        wiersz("no code and no terminal", "monitor --port {port}", 2, "ZR05_CODE", {"ZR05_CODE="});
        wiersz("code with a letter", "archive --port {port} --events --from 2024-01-01", 2,
               "Nieprawidłowy kod", {"ZR05_CODE=11a1"});
        wiersz("upload, nobody to confirm", "upload --port {tcp} {zmieniona}", 2, "--yes");
        wiersz("wrong code", "download --port {port} -o {nowy}", 1, "Niepoprawny kod",
               {"ZR05_CODE=4321"});
        wiersz("user code as the installer's", "download --port {port} -o {nowy}", 1, "instalatora",
               {"ZR05_INSTALLER_CODE=1111"});
        wiersz("missing port", "download --port /dev/zr05-brak -o {nowy}", 3, "/dev/zr05-brak");
        wiersz("short file shown", "show {krotki}", 4, "za krótki");
        wiersz("short file uploaded", "upload --port {port} --yes {krotki}", 4, "za krótki");
        wiersz("missing file compared", "diff {demo} {nowy}", 4, "nie istnieje");
        wiersz("download into a missing folder", "download --port {port} -o /nonexistent/x.vor", 4,
               "/nonexistent/x.vor");
        wiersz("PDF into a missing folder", "print {demo} --pdf /nonexistent/w.pdf", 4,
               "/nonexistent/w.pdf");

        auto wynik = [](const char* nazwa, const QString& argumenty, const QStringList& wyjscie,
                        const QString& plikJak = QString()) {
            QTest::newRow(nazwa) << argumenty << QStringList() << 0 << wyjscie << QString()
                                 << plikJak;
        };
        wynik("show", "show {demo}",
              {"KONFIGURACJA SYSTEMU VOR ZR-05",
               "LINIE DOZOROWE:", "WYJŚCIA OC:", "PARAMETRY SYSTEMOWE:"});
        wynik("show two sections", "show {demo} --sections linie,pk",
              {"LINIE DOZOROWE:", "WYJŚCIA PK:", "!KONFIGURACJA SYSTEMU",
               "!WYJŚCIA OC:", "!STREFY ZALEŻNE:"});
        wynik("PDF of a section", "print {demo} --pdf {pdf} --sections linie", {});
        wynik("diff of a file with itself", "diff {demo} {demo}", {"!:"});
        wynik("diff in the editors' words", "diff {a} {b}",
              {"=Linia 07: rodzaj 3-stanowa -> 2-stanowa\n"
               "Linia 07: typ Natychmiastowa -> Opóźniona\n"
               "Linia 07: opóźnienie wejścia 0 -> 5\n"
               "Linia 07: opóźnienie wyjścia 0 -> 3\n"
               "Linia 07: bajt 1 0 -> 9\n"
               "Wyjście OC-03: NC/NO NC -> NO\n"
               "Wyjście OC-03: zdarzenia brak -> 12\n"
               "Kontrola 4: kontrola jest -> brak\n"
               "Kontrola 4: czas kontroli 08:30 -> 24:30\n"
               "Strefa 03: strefy współzależne brak -> 1, 2\n"
               "Klawiatury: aktywne funkcje wzywania brak -> A - POLICJA, C - POGOTOWIE\n"
               "Nazwa nietypowa 230: \"<nn 230>\" -> \"KUCHNIA \"\n"});
        // The progress bar goes to a terminal; an old file is replaced only by a whole one.
        wynik("download over a pseudo-terminal", "download --port {port} -o {pobrany} {terminal}",
              {}, "{demo}");
        wynik("upload over TCP", "upload --port {tcp} --yes {zmieniona}", {});
        wynik("download over TCP", "download --port {tcp} -o {pobrany}", {}, "{zmieniona}");
    }

    void polecenia()
    {
        QFETCH(QString, argumenty);
        QFETCH(QStringList, zmienne);
        QFETCH(int, kod);
        QFETCH(QStringList, wWyjsciu);
        QFETCH(QString, wBledach);
        QFETCH(QString, plikJak);
        QFile stary(m_nazwy["{pobrany}"]);
        QVERIFY(stary.open(QIODevice::WriteOnly) && stary.write("stara zawartość") > 0);
        stary.close();
        Pty terminal;
        QStringList a = argumenty.split(u' ', Qt::SkipEmptyParts);
        const bool naTerminalu = a.removeAll("{terminal}") > 0;
        for (QString& s : a)
            for (auto it = m_nazwy.cbegin(); it != m_nazwy.cend(); ++it)
                s.replace(it.key(), it.value());
        QProcess p;
        uruchom(p, a, zmienne, naTerminalu ? terminal.slaveFd() : -1);
        QVERIFY(p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit);
        const QString wyjscie = QString::fromUtf8(p.readAllStandardOutput());
        const QString bledy = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(p.exitCode() == kod,
                 qPrintable(QStringLiteral("exit %1: %2").arg(p.exitCode()).arg(bledy)));
        for (const QString& t : wWyjsciu) // "=": the whole output, "!": not in it
            QVERIFY2(t.startsWith(u'=')
                         ? wyjscie == t.mid(1)
                         : wyjscie.contains(t.mid(t.startsWith(u'!'))) != t.startsWith(u'!'),
                     qPrintable(wyjscie));
        QVERIFY2(bledy.contains(wBledach), qPrintable(bledy));
        if (naTerminalu)
            QVERIFY(terminal.czytaj(1 << 16, 500).contains("100%"));
        if (argumenty.contains("--pdf {pdf}"))
            QVERIFY(bajty(m_nazwy["{pdf}"]).startsWith("%PDF"));
        // A file the command failed on is never left behind half made.
        QVERIFY(!QFile::exists(m_nazwy["{nowy}"]));
        QCOMPARE(bajty(m_nazwy["{pobrany}"]),
                 plikJak.isEmpty() ? QByteArray("stara zawartość") : bajty(m_nazwy[plikJak]));
        // Codes are never repeated back.
        for (const QString& z : zmienne)
            if (z.section(u'=', 1).size() >= 4)
                QVERIFY(!bledy.contains(z.section(u'=', 1)) &&
                        !wyjscie.contains(z.section(u'=', 1)));
    }

    // An interrupted download exits 130 and leaves the old file as it was.
    void przerwanePobieranie()
    {
        QProcess wolny; // paced at 2400 bit/s: the download takes seconds
        const QString port = uruchomSymulator(wolny, {});
        QFile stary(m_nazwy["{pobrany}"]);
        QVERIFY(stary.open(QIODevice::WriteOnly) && stary.write("stara") > 0);
        stary.close();
        Pty terminal;
        QProcess p;
        uruchom(p, {"download", "--port", port, "-o", stary.fileName()}, {}, terminal.slaveFd());
        QByteArray postep; // the progress bar shown: the transfer is under way
        QTRY_VERIFY_WITH_TIMEOUT((postep += terminal.czytaj(4096, 50)).contains('%'), 30000);
        ::kill(pid_t(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 130);
        QCOMPARE(bajty(stary.fileName()), QByteArray("stara"));
        wolny.terminate();
        wolny.waitForFinished(5000);
    }

    // The text and the CSV of the archive agree field by field, blanks, letters and quotes kept.
    void archiwumTekstICsv()
    {
        const QStringList argumenty = {
            "archive",    "--port", m_nazwy["{port}"], "--alarms", "--from",
            "2000-01-01", "--to",   m_doKiedy,         "--config", m_nazwy["{demo}"]};
        QProcess tekst, csv;
        uruchom(tekst, argumenty); // one at a time: both talk to the same panel
        QVERIFY(tekst.waitForFinished(60000) && tekst.exitCode() == 0);
        uruchom(csv, argumenty + QStringList{"--csv"});
        QVERIFY(csv.waitForFinished(60000) && csv.exitCode() == 0);
        const QStringList l = linie(QString::fromUtf8(tekst.readAllStandardOutput()));
        QStringList wiersze = linie(QString::fromUtf8(csv.readAllStandardOutput()));
        QCOMPARE(wiersze.takeFirst(), QStringLiteral("data,godzina,rodzaj,kod,opis"));
        QVERIFY(!l.isEmpty());
        QCOMPARE(wiersze.size(), l.size());
        static const QRegularExpression Wiersz(
            QStringLiteral("^\\d\\d(\\d\\d-\\d\\d-\\d\\d),(\\d\\d:\\d\\d),\"(ALARM)\",\\d+,\"((?:[^"
                           "\"]|\"\")*)\"$"));
        bool zOdstepami = false, polskie = false, cudzyslowy = false;
        for (int i = 0; i < l.size(); ++i) {
            const auto m = Wiersz.match(wiersze[i]);
            QVERIFY2(m.hasMatch(), qPrintable(wiersze[i]));
            const QString opis = m.captured(4).replace("\"\"", "\"");
            QCOMPARE(m.captured(1) + "  " + m.captured(2) + "  " + m.captured(3) + ": " + opis,
                     l[i]);
            zOdstepami |= opis.endsWith(u' ');
            cudzyslowy |= opis.contains(u'"');
            polskie |= opis.contains(QRegularExpression(QStringLiteral("[ĄĆĘŁŃÓŚŹŻąćęłńóśźż]")));
        }
        QVERIFY(zOdstepami && polskie && cudzyslowy);
    }

    // On-line events as JSON lines, also into a log that logrotate moves away (then SIGHUP).
    void monitorZDziennikiem()
    {
        const QString dziennik = m_katalog.filePath("zdarzenia.log");
        const QString przeniesiony = dziennik + ".1";
        QProcess p;
        uruchom(p, {"monitor", "--port", m_nazwy["{port}"], "--json", "--log", dziennik});
        QVERIFY(p.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!bajty(dziennik).isEmpty(), 60000);
        QVERIFY(QFile::rename(dziennik, przeniesiony));
        ::kill(pid_t(p.processId()), SIGHUP);
        QTRY_VERIFY_WITH_TIMEOUT(!bajty(dziennik).isEmpty(), 60000);
        ::kill(pid_t(p.processId()), SIGTERM);
        QVERIFY(p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit);
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
        const QStringList wyjscie = linie(QString::fromUtf8(p.readAllStandardOutput()));
        QCOMPARE(wyjscie, linie(bajty(przeniesiony)) + linie(bajty(dziennik)));
        for (const QString& w : wyjscie) {
            const QJsonObject o = QJsonDocument::fromJson(w.toUtf8()).object();
            QVERIFY2(QDateTime::fromString(o.value("czas").toString(), Qt::ISODate).isValid() &&
                         !o.value("tekst").toString().isEmpty(),
                     qPrintable(w));
        }
    }
};

QTEST_GUILESS_MAIN(TstZr05ctl)
#include "tst_zr05ctl.moc"
