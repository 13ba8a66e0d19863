// zr05-panel-sim as a program: its options, and a real pseudo-terminal exchange.

#include "DemoInstalacja.h"
#include "config/PlikKonfiguracji.h"
#include "link/Ramka.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace zr05;

namespace
{

QString programSymulatora()
{
    return QCoreApplication::applicationDirPath() +
           QStringLiteral("/../tools/panel-sim/zr05-panel-sim");
}

QByteArray bajty(std::initializer_list<int> b)
{
    QByteArray a;
    for (int x : b)
        a.append(char(x));
    return a;
}

// Reads from fd into `bufor` until `gotowe` holds; false on time-out.
bool czytajAz(int fd, QByteArray& bufor, const std::function<bool()>& gotowe, int ms)
{
    QDeadlineTimer termin(ms);
    while (!gotowe()) {
        pollfd p{fd, POLLIN, 0};
        if (termin.hasExpired() ||
            ::poll(&p, 1, int(std::max<qint64>(1, termin.remainingTime()))) <= 0)
            return false;
        char b[256];
        const auto n = ::read(fd, b, sizeof b);
        if (n > 0)
            bufor.append(b, int(n));
    }
    return true;
}

bool czytajDo(int fd, QByteArray& bufor, const QByteArray& szukane, int ms)
{
    return czytajAz(
        fd, bufor, [&] { return bufor.contains(szukane); }, ms);
}

} // namespace

class TstCli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pomocWymieniaOpcje();
    void zleOpcjeOdrzucone_data();
    void zleOpcjeOdrzucone();
    void pollSlotIOdczytPrzezPty();
};

void TstCli::initTestCase()
{
    QVERIFY2(QFile::exists(programSymulatora()), qPrintable(programSymulatora()));
}

void TstCli::pomocWymieniaOpcje()
{
    QProcess p;
    p.start(programSymulatora(), {QStringLiteral("--help")});
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitCode(), 0);
    const QString pomoc = QString::fromLocal8Bit(p.readAllStandardOutput());
    for (const char* opcja : {"--device",         "--tcp",           "--poll-period",
                              "--answer-timeout", "--user-code",     "--supervisor-code",
                              "--installer-code", "--unblock-code",  "--seed",
                              "--fault-seed",     "--corrupt",       "--drop",
                              "--garbage",        "--no-pc-faults",  "--trace",
                              "--silence",        "--silence-after", "--drop-poll-byte",
                              "--drop-after",     "--image",         "--archive-days",
                              "--fast",           "--stats",         "--quiet"})
        QVERIFY2(pomoc.contains(QLatin1String(opcja)), opcja);
    // The default codes are documented.
    for (const char* kod : {"1111", "2222", "3333", "9999"})
        QVERIFY2(pomoc.contains(QLatin1String(kod)), kod);
}

void TstCli::zleOpcjeOdrzucone_data()
{
    QTest::addColumn<QStringList>("argumenty");
    QTest::newRow("probability above 1") << QStringList{"--corrupt", "1.5"};
    QTest::newRow("probability not a number") << QStringList{"--drop", "often"};
    QTest::newRow("code with a letter") << QStringList{"--user-code", "12a4"};
    QTest::newRow("code too short") << QStringList{"--installer-code", "123"};
    QTest::newRow("code too long") << QStringList{"--unblock-code", "123456789"};
    QTest::newRow("poll period 0") << QStringList{"--poll-period", "0"};
    QTest::newRow("poll byte 3") << QStringList{"--drop-poll-byte", "3"};
    QTest::newRow("unknown option") << QStringList{"--colour"};
    QTest::newRow("stray argument") << QStringList{"COM1"};
    QTest::newRow("tcp port too big") << QStringList{"--tcp", "127.0.0.1:65536"};
    QTest::newRow("tcp host not an address") << QStringList{"--tcp", "not-an-address:4001"};
    QTest::newRow("missing image") << QStringList{"--image", "/nonexistent/x.vor"};
}

void TstCli::zleOpcjeOdrzucone()
{
    QFETCH(QStringList, argumenty);
    QProcess p;
    p.start(programSymulatora(), argumenty);
    QVERIFY(p.waitForFinished(10000));
    QVERIFY(p.exitCode() != 0);
    QVERIFY(!p.readAllStandardError().isEmpty());
    QVERIFY(!p.readAllStandardOutput().contains("ZR05_COM1="));
}

void TstCli::pollSlotIOdczytPrzezPty()
{
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("biuro.vor"));
    Konfiguracja k = demo::instalacja();
    k.Linie[1][8] = 120;
    k.Linie[1][9] = 42;
    QVERIFY(ZapiszKonfig(k, plik));

    QProcess p;
    // A long answer time-out keeps the exchange safe on a slow, busy test machine.
    p.start(programSymulatora(),
            {QStringLiteral("--image"), plik, QStringLiteral("--stats"), QStringLiteral("--quiet"),
             QStringLiteral("--poll-period"), QStringLiteral("100"),
             QStringLiteral("--answer-timeout"), QStringLiteral("3000")});
    QVERIFY(p.waitForStarted());
    QString urzadzenie;
    QDeadlineTimer termin(10000);
    while (urzadzenie.isEmpty() && !termin.hasExpired()) {
        p.waitForReadyRead(200);
        while (p.canReadLine()) {
            const QString linia = QString::fromLocal8Bit(p.readLine()).trimmed();
            if (linia.startsWith(QLatin1String("ZR05_COM1=")))
                urzadzenie = linia.mid(10);
        }
    }
    QVERIFY(urzadzenie.startsWith(QLatin1String("/dev/pts/")));

    const int fd = ::open(urzadzenie.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    QVERIFY(fd >= 0);
    termios t{};
    tcgetattr(fd, &t);
    cfmakeraw(&t);
    tcsetattr(fd, TCSANOW, &t);

    const QByteArray poll = bajty({0x37, 0x44, 0x85});
    QByteArray bufor;
    QVERIFY(czytajDo(fd, bufor, poll, 3000));
    // Answer with an operation pending: a request slot follows at once.
    bufor.clear();
    QCOMPARE(::write(fd, "\x37\x08\xC1", 3), 3);
    QVERIFY(czytajDo(fd, bufor, bajty({0x37, 0x4B, 0x7E}), 1000));
    bufor.clear();
    const QByteArray odczyt = ramka::zSuma(bajty({0x37, 0xB0, 32, 0, 0x00, 0x20}));
    QCOMPARE(::write(fd, odczyt.constData(), size_t(odczyt.size())), ssize_t(odczyt.size()));
    QVERIFY(czytajDo(fd, bufor, bajty({0x37, 0x6B}), 1000));
    const int i = int(bufor.indexOf(bajty({0x37, 0x6B})));
    QVERIFY(czytajAz(
        fd, bufor, [&] { return bufor.size() >= i + 35; }, 1000));
    const QByteArray k1 = bufor.mid(i, 35);
    QCOMPARE(k1.size(), 35);
    QCOMPARE(ramka::sumaKontrolna(k1), quint8(0));
    QCOMPARE(Bajt(k1[2 + 8]), Bajt(120));
    QCOMPARE(Bajt(k1[2 + 9]), Bajt(42));
    QCOMPARE(k1.mid(2, 32), QByteArray(reinterpret_cast<const char*>(k.Linie[1].data()), 32));
    ::close(fd);

    p.terminate();
    QVERIFY(p.waitForFinished(5000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    const QString wyjscie = QString::fromLocal8Bit(p.readAllStandardOutput());
    QVERIFY2(wyjscie.contains(QLatin1String("poll answer latency: n=1 ")), qPrintable(wyjscie));
    QVERIFY(wyjscie.contains(QLatin1String("reads=1 ")));
}

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"
