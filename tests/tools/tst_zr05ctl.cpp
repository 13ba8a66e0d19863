// zr05ctl as a program: every command end to end, the link commands against the simulator
// over a pseudo-terminal, the tool run without a controlling terminal unless a case gives it one.

#include "DemoInstalacja.h"
#include "Pty.h"
#include "config/PlikKonfiguracji.h"
#include "tables/NazwyLinii.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
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

struct Przebieg {
    int kod = -1;
    QString wyjscie;
    QString bledy;
};

// Without a controlling terminal nothing can be asked: codes come from the environment.
void bezTerminala(QProcess& p, int stderrFd = -1)
{
    p.setChildProcessModifier([stderrFd] {
        ::setsid();
        if (stderrFd >= 0)
            ::dup2(stderrFd, STDERR_FILENO);
    });
}

QProcessEnvironment srodowisko(const QStringList& zmienne)
{
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("ZR05_CODE"), QStringLiteral("1111"));
    e.insert(QStringLiteral("ZR05_INSTALLER_CODE"), QStringLiteral("3333"));
    for (const QString& z : zmienne)
        e.insert(z.section(u'=', 0, 0), z.section(u'=', 1));
    return e;
}

Przebieg uruchom(const QStringList& argumenty, const QStringList& zmienne = {}, int stderrFd = -1)
{
    QProcess p;
    p.setProcessEnvironment(srodowisko(zmienne));
    bezTerminala(p, stderrFd);
    p.start(program("tools/zr05ctl/zr05ctl"), argumenty);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QByteArray bajtyPliku(const QString& sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Splits one CSV row; quoted fields keep everything between their quotes.
QStringList polaCsv(const QString& wiersz)
{
    QStringList pola;
    QString pole;
    bool wCudzyslowie = false;
    for (int i = 0; i < wiersz.size(); ++i) {
        const QChar c = wiersz[i];
        if (wCudzyslowie && c == u'"' && i + 1 < wiersz.size() && wiersz[i + 1] == u'"') {
            pole += c;
            ++i;
        } else if (c == u'"') {
            wCudzyslowie = !wCudzyslowie;
        } else if (c == u',' && !wCudzyslowie) {
            pola << pole;
            pole.clear();
        } else {
            pole += c;
        }
    }
    return pola << pole;
}

} // namespace

class TstZr05ctl : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void polecenia_data();
    void polecenia();
    void diffSlowamiEdytorow();
    void wydrukPdf();
    void pobieranieIPrzesylanie_data();
    void pobieranieIPrzesylanie();
    void archiwumTekstICsv();
    void monitorZDziennikiem();

private:
    QString sciezka(const QString& nazwa) const { return m_katalog.filePath(nazwa); }
    // Starts a simulator of demo.vor; the port it prints for the program.
    QString uruchomSymulator(QProcess& p, const QStringList& dodatkowe);
    QTemporaryDir m_katalog;
    QProcess m_symulator, m_symulatorTcp;
    QString m_port, m_portTcp;
    QString m_doKiedy; // before the simulator started: its archive up to then is fixed
};

void TstZr05ctl::initTestCase()
{
    QVERIFY(m_katalog.isValid());
    // Every line named with Polish letters: the archive's line alarms carry them.
    Konfiguracja demo = demo::instalacja();
    for (int n = 1; n <= 12; ++n)
        demo.Linie[n][8] = 225;
    QVERIFY(demo.NazwyLinii[225].contains(QStringLiteral("Ś")));
    QVERIFY(ZapiszKonfig(demo, sciezka(QStringLiteral("demo.vor"))));
    m_doKiedy =
        QDateTime::currentDateTime().addSecs(-60).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    QFile krotki(sciezka(QStringLiteral("krotki.vor")));
    QVERIFY(krotki.open(QIODevice::WriteOnly));
    krotki.write(bajtyPliku(sciezka(QStringLiteral("demo.vor"))).left(3000));
    krotki.close();

    m_port = uruchomSymulator(m_symulator, {});
    m_portTcp =
        uruchomSymulator(m_symulatorTcp, {QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:0")});
    QVERIFY(m_port.startsWith(QLatin1String("/dev/pts/")));
    QVERIFY(m_portTcp.startsWith(QLatin1String("tcp://127.0.0.1:")));
}

QString TstZr05ctl::uruchomSymulator(QProcess& p, const QStringList& dodatkowe)
{
    p.start(program("tools/panel-sim/zr05-panel-sim"),
            QStringList{QStringLiteral("--image"), sciezka(QStringLiteral("demo.vor")),
                        QStringLiteral("--fast"), QStringLiteral("--quiet"),
                        QStringLiteral("--poll-period"), QStringLiteral("50")} +
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

void TstZr05ctl::cleanupTestCase()
{
    for (QProcess* p : {&m_symulator, &m_symulatorTcp}) {
        p->terminate();
        p->waitForFinished(5000);
    }
}

void TstZr05ctl::polecenia_data()
{
    QTest::addColumn<QStringList>("argumenty");
    QTest::addColumn<QStringList>("zmienne");
    QTest::addColumn<int>("kod");
    QTest::addColumn<QStringList>("wWyjsciu");
    QTest::addColumn<QStringList>("nieWWyjsciu");
    QTest::addColumn<QString>("wBledach");

    const QStringList zadne;
    for (const char* polecenie :
         {"download", "upload", "archive", "monitor", "show", "print", "diff"})
        QTest::addRow("%s --help", polecenie)
            << QStringList{QLatin1String(polecenie), QStringLiteral("--help")} << zadne << 0
            << QStringList{QStringLiteral("Użycie: zr05ctl ") + QLatin1String(polecenie)} << zadne
            << QString();
    QTest::newRow("no command") << QStringList{} << zadne << 2 << zadne << zadne
                                << QStringLiteral("Polecenia:");
    QTest::newRow("unknown command") << QStringList{"flash"} << zadne << 2 << zadne << zadne
                                     << QStringLiteral("Nieznane polecenie: flash");
    QTest::newRow("unknown option") << QStringList{"show", "--colour", "{demo}"} << zadne << 2
                                    << zadne << zadne << QStringLiteral("colour");
    QTest::newRow("show without a file")
        << QStringList{"show"} << zadne << 2 << zadne << zadne << QStringLiteral("PLIK.vor");
    QTest::newRow("unknown section")
        << QStringList{"show", "{demo}", "--sections", "linie,okna"} << zadne << 2 << zadne << zadne
        << QStringLiteral("--sections");
    QTest::newRow("archive of neither kind")
        << QStringList{"archive", "--port", "{port}", "--from", "2024-01-01"} << zadne << 2 << zadne
        << zadne << QStringLiteral("--events");
    QTest::newRow("archive from a bad date")
        << QStringList{"archive", "--port", "{port}", "--events", "--from", "2024-02-30"} << zadne
        << 2 << zadne << zadne << QStringLiteral("--from");
    QTest::newRow("no code and no terminal")
        << QStringList{"monitor", "--port", "{port}"} << QStringList{"ZR05_CODE="} << 2 << zadne
        << zadne << QStringLiteral("ZR05_CODE");
    QTest::newRow("code with a letter")
        << QStringList{"archive", "--port", "{port}", "--events", "--from", "2024-01-01"}
        << QStringList{"ZR05_CODE=11a1"} << 2 << zadne << zadne
        << QStringLiteral("Nieprawidłowy kod");
    QTest::newRow("wrong code") << QStringList{"download", "--port", "{port}", "-o", "{nowy}"}
                                << QStringList{"ZR05_CODE=4321"} << 1 << zadne << zadne
                                << QStringLiteral("Niepoprawny kod");
    QTest::newRow("user code as the installer's")
        << QStringList{"download", "--port", "{port}", "-o", "{nowy}"}
        << QStringList{"ZR05_INSTALLER_CODE=1111"} << 1 << zadne << zadne
        << QStringLiteral("instalatora");
    QTest::newRow("missing port") << QStringList{"download", "--port", "/dev/zr05-brak", "-o",
                                                 "{nowy}"}
                                  << zadne << 3 << zadne << zadne
                                  << QStringLiteral("/dev/zr05-brak");
    QTest::newRow("short file shown") << QStringList{"show", "{krotki}"} << zadne << 4 << zadne
                                      << zadne << QStringLiteral("za krótki");
    QTest::newRow("short file uploaded")
        << QStringList{"upload", "--port", "{port}", "--yes", "{krotki}"} << zadne << 4 << zadne
        << zadne << QStringLiteral("za krótki");
    QTest::newRow("missing file compared") << QStringList{"diff", "{demo}", "{nowy}"} << zadne << 4
                                           << zadne << zadne << QStringLiteral("nie istnieje");
    QTest::newRow("download into a missing folder")
        << QStringList{"download", "--port", "{port}", "-o", "/nonexistent/x.vor"} << zadne << 4
        << zadne << zadne << QStringLiteral("/nonexistent/x.vor");
    QTest::newRow("show") << QStringList{"show", "{demo}"} << zadne << 0
                          << QStringList{"KONFIGURACJA SYSTEMU VOR ZR-05",
                                         "LINIE DOZOROWE:", "WYJŚCIA OC:", "PARAMETRY SYSTEMOWE:"}
                          << zadne << QString();
    QTest::newRow("show two sections")
        << QStringList{"show", "{demo}", "--sections", "linie,pk"} << zadne << 0
        << QStringList{"LINIE DOZOROWE:", "WYJŚCIA PK:"}
        << QStringList{"KONFIGURACJA SYSTEMU", "WYJŚCIA OC:", "STREFY ZALEŻNE:"} << QString();
    QTest::newRow("diff of a file with itself") << QStringList{"diff", "{demo}", "{demo}"} << zadne
                                                << 0 << zadne << QStringList{":"} << QString();
}

void TstZr05ctl::polecenia()
{
    QFETCH(QStringList, argumenty);
    QFETCH(QStringList, zmienne);
    QFETCH(int, kod);
    QFETCH(QStringList, wWyjsciu);
    QFETCH(QStringList, nieWWyjsciu);
    QFETCH(QString, wBledach);
    for (QString& a : argumenty)
        a.replace(QStringLiteral("{port}"), m_port)
            .replace(QStringLiteral("{demo}"), sciezka(QStringLiteral("demo.vor")))
            .replace(QStringLiteral("{krotki}"), sciezka(QStringLiteral("krotki.vor")))
            .replace(QStringLiteral("{nowy}"), sciezka(QStringLiteral("nowy.vor")));
    const Przebieg p = uruchom(argumenty, zmienne);
    QVERIFY2(p.kod == kod, qPrintable(QStringLiteral("exit %1: %2").arg(p.kod).arg(p.bledy)));
    for (const QString& t : wWyjsciu)
        QVERIFY2(p.wyjscie.contains(t), qPrintable(t));
    for (const QString& t : nieWWyjsciu)
        QVERIFY2(!p.wyjscie.contains(t), qPrintable(t));
    QVERIFY2(p.bledy.contains(wBledach), qPrintable(p.bledy));
    // A file the command failed on is never left behind half made.
    QVERIFY(!QFile::exists(sciezka(QStringLiteral("nowy.vor"))));
    // Codes are never repeated back.
    for (const QString& z : zmienne)
        if (z.section(u'=', 1).size() >= 4)
            QVERIFY(!p.bledy.contains(z.section(u'=', 1)) &&
                    !p.wyjscie.contains(z.section(u'=', 1)));
}

void TstZr05ctl::diffSlowamiEdytorow()
{
    Konfiguracja a{};
    WpiszNazwyLinii(a.NazwyLinii);
    a.Linie[7][0] = 7;
    a.Linie[7][2] = 0x12; // 250 ms, immediate
    a.Linie[7][3] = 3;
    a.Linie[7][13] = 2;
    a.WyjOC[3][2] = 128;
    a.Kontrole[4] = {4, 1, 8, 30, 5, 0x03, 0, 0};
    Konfiguracja b = a;
    b.Linie[7][6] = 5; // a delay makes it a delayed line
    b.Linie[7][7] = 3;
    b.Linie[7][3] = 0x80 | 3;
    b.Linie[7][1] = 9; // no editor shows byte 1
    b.WyjOC[3][2] = 192;
    ustawWZbiorze(b.WyjOC[3], 14, 12, true);
    b.Kontrole[4][2] = 24;                     // deleted
    b.Kontrole[9] = {0, 2, 24, 0, 0, 0, 0, 0}; // free in both: not compared
    a.Kontrole[9] = {0, 3, 24, 0, 0, 0, 0, 0};
    b.Strefy[3][14] = 0x03;
    b.KlawFun = 0x05;
    b.NazwyLinii[230] = QStringLiteral("KUCHNIA");
    QVERIFY(ZapiszKonfig(a, sciezka(QStringLiteral("a.vor"))));
    QVERIFY(ZapiszKonfig(b, sciezka(QStringLiteral("b.vor"))));

    const Przebieg p = uruchom({QStringLiteral("diff"), sciezka(QStringLiteral("a.vor")),
                                sciezka(QStringLiteral("b.vor"))});
    QCOMPARE(p.kod, 0);
    QCOMPARE(p.wyjscie.split(u'\n', Qt::SkipEmptyParts),
             QStringList({QStringLiteral("Linia 07: rodzaj 3-stanowa -> 2-stanowa"),
                          QStringLiteral("Linia 07: typ Natychmiastowa -> Opóźniona"),
                          QStringLiteral("Linia 07: opóźnienie wejścia 0 -> 5"),
                          QStringLiteral("Linia 07: opóźnienie wyjścia 0 -> 3"),
                          QStringLiteral("Linia 07: bajt 1 0 -> 9"),
                          QStringLiteral("Wyjście OC-03: NC/NO NC -> NO"),
                          QStringLiteral("Wyjście OC-03: zdarzenia brak -> 12"),
                          QStringLiteral("Kontrola 4: kontrola jest -> brak"),
                          QStringLiteral("Kontrola 4: czas kontroli 08:30 -> 24:30"),
                          QStringLiteral("Strefa 03: strefy współzależne brak -> 1, 2"),
                          QStringLiteral("Klawiatury: aktywne funkcje wzywania brak -> A - "
                                         "POLICJA, C - POGOTOWIE"),
                          QStringLiteral("Nazwa nietypowa 230: \"<nn 230>\" -> \"KUCHNIA \"")}));
}

void TstZr05ctl::wydrukPdf()
{
    const QString pdf = sciezka(QStringLiteral("wydruk.pdf"));
    const Przebieg p = uruchom({QStringLiteral("print"), sciezka(QStringLiteral("demo.vor")),
                                QStringLiteral("--pdf"), pdf, QStringLiteral("--sections"),
                                QStringLiteral("linie")});
    QVERIFY2(p.kod == 0, qPrintable(p.bledy));
    QVERIFY(bajtyPliku(pdf).startsWith("%PDF"));
    QProcess tekst;
    tekst.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (tekst.waitForFinished(20000) && tekst.exitCode() == 0) {
        const QString t = QString::fromUtf8(tekst.readAllStandardOutput());
        QVERIFY(t.contains(QLatin1String("LINIE DOZOROWE")));
        QVERIFY(!t.contains(QLatin1String("WYJŚCIA OC")));
    }
    // A PDF that cannot be written is a file error.
    QCOMPARE(uruchom({QStringLiteral("print"), sciezka(QStringLiteral("demo.vor")),
                      QStringLiteral("--pdf"), QStringLiteral("/nonexistent/w.pdf")})
                 .kod,
             4);
}

void TstZr05ctl::pobieranieIPrzesylanie_data()
{
    QTest::addColumn<bool>("tcp");
    QTest::newRow("pseudo-terminal") << false;
    QTest::newRow("TCP serial server") << true;
}

void TstZr05ctl::pobieranieIPrzesylanie()
{
    QFETCH(bool, tcp);
    const QString port = tcp ? m_portTcp : m_port;
    const QString pobrany = sciezka(QStringLiteral("pobrany.vor"));
    QFile stary(pobrany);
    QVERIFY(stary.open(QIODevice::WriteOnly));
    stary.write("stara zawartość");
    stary.close();

    // Standard error on a terminal: the progress bar is drawn there.
    Pty terminal;
    QVERIFY(terminal.gotowy());
    Przebieg p = uruchom(
        {QStringLiteral("download"), QStringLiteral("--port"), port, QStringLiteral("-o"), pobrany},
        {}, terminal.slaveFd());
    QVERIFY2(p.kod == 0, qPrintable(p.bledy));
    QCOMPARE(bajtyPliku(pobrany), bajtyPliku(sciezka(QStringLiteral("demo.vor"))));
    QVERIFY(terminal.czytaj(1 << 16, 500).contains("100%"));

    // Without a terminal and without --yes nobody can confirm: nothing is sent.
    Konfiguracja zmieniona = demo::instalacja();
    zmieniona.Linie[5][6] = 42;
    zmieniona.NazwyLinii[231] = QStringLiteral("GARAŻ");
    const QString nowa = sciezka(QStringLiteral("zmieniona.vor"));
    QVERIFY(ZapiszKonfig(zmieniona, nowa));
    p = uruchom({QStringLiteral("upload"), QStringLiteral("--port"), port, nowa});
    QCOMPARE(p.kod, 2);

    p = uruchom(
        {QStringLiteral("upload"), QStringLiteral("--port"), port, QStringLiteral("--yes"), nowa});
    QVERIFY2(p.kod == 0, qPrintable(p.bledy));
    p = uruchom({QStringLiteral("download"), QStringLiteral("--port"), port, QStringLiteral("-o"),
                 pobrany});
    QVERIFY2(p.kod == 0, qPrintable(p.bledy));
    QCOMPARE(bajtyPliku(pobrany), bajtyPliku(nowa));
}

void TstZr05ctl::archiwumTekstICsv()
{
    const QStringList argumenty = {QStringLiteral("archive"),
                                   QStringLiteral("--port"),
                                   m_port,
                                   QStringLiteral("--alarms"),
                                   QStringLiteral("--from"),
                                   QStringLiteral("2000-01-01"),
                                   QStringLiteral("--to"),
                                   m_doKiedy,
                                   QStringLiteral("--config"),
                                   sciezka(QStringLiteral("demo.vor"))};
    const Przebieg tekst = uruchom(argumenty);
    QVERIFY2(tekst.kod == 0, qPrintable(tekst.bledy));
    const Przebieg csv = uruchom(argumenty + QStringList{QStringLiteral("--csv")});
    QVERIFY2(csv.kod == 0, qPrintable(csv.bledy));

    const QStringList linie = tekst.wyjscie.split(u'\n', Qt::SkipEmptyParts);
    QStringList wiersze = csv.wyjscie.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(wiersze.takeFirst(), QStringLiteral("data,godzina,rodzaj,kod,opis"));
    QVERIFY(!linie.isEmpty());
    QCOMPARE(wiersze.size(), linie.size());
    bool zOdstepami = false, polskie = false;
    static const QRegularExpression Tekst(QStringLiteral(R"(,"ALARM",\d+,"[^"]*"$)"));
    for (int i = 0; i < linie.size(); ++i) {
        QVERIFY2(Tekst.match(wiersze[i]).hasMatch(), qPrintable(wiersze[i]));
        const QStringList pola = polaCsv(wiersze[i]);
        QCOMPARE(pola.size(), 5);
        // The window's line is made of exactly these fields, blanks and letters kept.
        QCOMPARE(pola[0].mid(2) + QStringLiteral("  ") + pola[1] + QStringLiteral("  ") + pola[2] +
                     QStringLiteral(": ") + pola[4],
                 linie[i]);
        zOdstepami |= pola[4].endsWith(u' ');
        polskie |= pola[4].contains(QRegularExpression(QStringLiteral("[ĄĆĘŁŃÓŚŹŻąćęłńóśźż]")));
    }
    QVERIFY(zOdstepami);
    QVERIFY(polskie);
}

void TstZr05ctl::monitorZDziennikiem()
{
    const QString dziennik = sciezka(QStringLiteral("zdarzenia.log"));
    const QString przeniesiony = sciezka(QStringLiteral("zdarzenia.log.1"));
    QProcess p;
    p.setProcessEnvironment(srodowisko({}));
    bezTerminala(p);
    p.start(program("tools/zr05ctl/zr05ctl"),
            {QStringLiteral("monitor"), QStringLiteral("--port"), m_port, QStringLiteral("--json"),
             QStringLiteral("--log"), dziennik});
    QVERIFY(p.waitForStarted());
    const auto wierszeDziennika = [](const QString& plik) {
        return QString::fromUtf8(bajtyPliku(plik)).split(u'\n', Qt::SkipEmptyParts);
    };
    QTRY_VERIFY_WITH_TIMEOUT(!wierszeDziennika(dziennik).isEmpty(), 60000);

    // logrotate moves the file away and sends SIGHUP: the next lines go to a new file.
    QVERIFY(QFile::rename(dziennik, przeniesiony));
    ::kill(pid_t(p.processId()), SIGHUP);
    QTRY_VERIFY_WITH_TIMEOUT(!wierszeDziennika(dziennik).isEmpty(), 60000);
    ::kill(pid_t(p.processId()), SIGTERM);
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());

    const QStringList wyjscie =
        QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(wyjscie, wierszeDziennika(przeniesiony) + wierszeDziennika(dziennik));
    for (const QString& w : wyjscie) {
        const QJsonObject o = QJsonDocument::fromJson(w.toUtf8()).object();
        QVERIFY2(QDateTime::fromString(o.value(QStringLiteral("czas")).toString(), Qt::ISODate)
                     .isValid(),
                 qPrintable(w));
        QVERIFY2(!o.value(QStringLiteral("tekst")).toString().isEmpty(), qPrintable(w));
    }
}

QTEST_GUILESS_MAIN(TstZr05ctl)
#include "tst_zr05ctl.moc"
