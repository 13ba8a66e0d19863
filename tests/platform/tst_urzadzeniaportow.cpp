// Which device COM1..COM4 mean, and why a port could not be opened.

#include "BladPortu.h"
#include "Pty.h"
#include "UrzadzeniaPortow.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zr05;

namespace
{
// Runs `f` as an ordinary user: in a child process that drops root, when the tests run as
// root (root passes every permission check); directly otherwise.
QString jakoZwyklyUzytkownik(const std::function<QString()>& f)
{
    if (geteuid() != 0)
        return f();
    int rura[2];
    if (pipe(rura) != 0)
        return QStringLiteral("pipe");
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(rura[0]);
        if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
            _exit(2);
        const QByteArray wynik = f().toUtf8();
        if (::write(rura[1], wynik.constData(), wynik.size()) != wynik.size())
            _exit(3);
        _exit(0);
    }
    ::close(rura[1]);
    QByteArray wynik;
    char bufor[512];
    ssize_t n;
    while ((n = ::read(rura[0], bufor, sizeof bufor)) > 0)
        wynik.append(bufor, n);
    ::close(rura[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return QString::fromUtf8(wynik);
}

QString opisBledu(const BladOtwarcia& b)
{
    return QString::number(int(b.przyczyna)) + QLatin1Char('|') + b.grupa + QLatin1Char('|') +
           b.komunikat;
}

// A process id that certainly belonged to a process which has ended.
qint64 pidZakonczonegoProcesu()
{
    QProcess p;
    p.start(QStringLiteral("true"), {});
    p.waitForFinished();
    return p.processId() ? p.processId() : 999999;
}
} // namespace

class TestUrzadzeniaPortow : public QObject
{
    Q_OBJECT
private slots:
    void kolejnoscPortow_data();
    void kolejnoscPortow();
    void zmiennaSrodowiskaWybieraUrzadzenie();
    void numerSpozaZakresu();
    void brakUrzadzenia_data();
    void brakUrzadzenia();
    void brakUprawnienNazywaGrupe();
    void zajetyPrzezInnyProgram();
    void plikBlokady_data();
    void plikBlokady();
};

void TestUrzadzeniaPortow::kolejnoscPortow_data()
{
    QTest::addColumn<QStringList>("nazwy");
    QTest::addColumn<QStringList>("kolejnosc");
    QTest::newRow("UART-y przed USB") << QStringList{"ttyUSB0", "ttyS1", "ttyACM0", "ttyS0"}
                                      << QStringList{"ttyS0", "ttyS1", "ttyUSB0", "ttyACM0"};
    QTest::newRow("liczbowo, nie alfabetycznie")
        << QStringList{"ttyUSB10", "ttyUSB2", "ttyS10", "ttyS9"}
        << QStringList{"ttyS9", "ttyS10", "ttyUSB2", "ttyUSB10"};
    QTest::newRow("ttyUSB przed ttyACM") << QStringList{"ttyACM1", "ttyUSB3", "ttyACM0"}
                                         << QStringList{"ttyUSB3", "ttyACM0", "ttyACM1"};
    QTest::newRow("inne na końcu")
        << QStringList{"rfcomm0", "ttyACM0", "ttyS4"} << QStringList{"ttyS4", "ttyACM0", "rfcomm0"};
    QTest::newRow("pusto") << QStringList{} << QStringList{};
}

void TestUrzadzeniaPortow::kolejnoscPortow()
{
    QFETCH(QStringList, nazwy);
    QFETCH(QStringList, kolejnosc);
    QCOMPARE(uporzadkujPorty(nazwy), kolejnosc);
}

void TestUrzadzeniaPortow::zmiennaSrodowiskaWybieraUrzadzenie()
{
    Pty pty;
    qputenv("ZR05_COM3", pty.sciezkaSlave().toLocal8Bit());
    const auto u = urzadzenieCom(3);
    QVERIFY(u.has_value());
    QCOMPARE(u->sciezka, pty.sciezkaSlave());
    QVERIFY(opisUrzadzeniaCom(3).startsWith(pty.sciezkaSlave()));
    // The variable names only its own option.
    const auto inny = urzadzenieCom(4);
    QVERIFY(!inny || inny->sciezka != pty.sciezkaSlave());
    qunsetenv("ZR05_COM3");
    const auto bez = urzadzenieCom(3);
    QVERIFY(!bez || bez->sciezka != pty.sciezkaSlave());
}

void TestUrzadzeniaPortow::numerSpozaZakresu()
{
    QVERIFY(!urzadzenieCom(0));
    QVERIFY(!urzadzenieCom(5));
    QVERIFY(!urzadzenieCom(-1));
    QVERIFY(opisUrzadzeniaCom(5).contains(QStringLiteral("brak")));
}

void TestUrzadzeniaPortow::brakUrzadzenia_data()
{
    QTest::addColumn<QString>("sciezka");
    QTest::newRow("brak pliku") << QStringLiteral("/dev/ttyUSB-zr05-nie-ma");
    QTest::newRow("brak katalogu") << QStringLiteral("/nie-ma-katalogu/ttyUSB0");
}

void TestUrzadzeniaPortow::brakUrzadzenia()
{
    QFETCH(QString, sciezka);
    const BladOtwarcia b =
        zbadajBladOtwarcia(sciezka, QSerialPort::DeviceNotFoundError, QStringLiteral("x"), {});
    QCOMPARE(b.przyczyna, PrzyczynaBledu::BrakUrzadzenia);
    QVERIFY(b.komunikat.contains(sciezka));
    QVERIFY(b.komunikat.contains(QStringLiteral("nie ma takiego urządzenia")));
}

void TestUrzadzeniaPortow::brakUprawnienNazywaGrupe()
{
    QTemporaryDir katalog;
    QVERIFY(katalog.isValid());
    QFile::setPermissions(katalog.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                              QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                              QFileDevice::ExeGroup);
    const QString sciezka = katalog.filePath(QStringLiteral("ttyUSB0"));
    QFile plik(sciezka);
    QVERIFY(plik.open(QIODevice::WriteOnly));
    plik.close();
    // Owned by a group of its own, readable and writable only for it, like a device node.
    QString grupa;
    if (geteuid() == 0) {
        const group* gr = getgrnam("dialout");
        const gid_t gid = gr ? gr->gr_gid : 20;
        grupa = gr ? QStringLiteral("dialout") : QStringLiteral("20");
        QCOMPARE(chown(QFile::encodeName(sciezka).constData(), 0, gid), 0);
        QCOMPARE(chmod(QFile::encodeName(sciezka).constData(), 0660), 0);
    } else {
        const group* gr = getgrgid(getegid());
        grupa = gr ? QString::fromLocal8Bit(gr->gr_name) : QString::number(getegid());
        QCOMPARE(chmod(QFile::encodeName(sciezka).constData(), 0), 0);
    }
    const QString wynik = jakoZwyklyUzytkownik([&] {
        return opisBledu(zbadajBladOtwarcia(sciezka, QSerialPort::PermissionError,
                                            QStringLiteral("Permission denied"), {}));
    });
    const QStringList czesci = wynik.split(QLatin1Char('|'));
    QCOMPARE(czesci.size(), 3);
    QCOMPARE(czesci[0].toInt(), int(PrzyczynaBledu::BrakUprawnien));
    QCOMPARE(czesci[1], grupa);
    QVERIFY2(czesci[2].contains(sciezka), qPrintable(czesci[2]));
    QVERIFY(czesci[2].contains(QStringLiteral("„%1”").arg(grupa)));
    QVERIFY(czesci[2].contains(QStringLiteral("zalogować ponownie")));
}

void TestUrzadzeniaPortow::zajetyPrzezInnyProgram()
{
    Pty pty;
    QVERIFY(pty.gotowy());
    // Another program holds the line exclusively.
    QCOMPARE(ioctl(pty.slaveFd(), TIOCEXCL), 0);
    chmod(QFile::encodeName(pty.sciezkaSlave()).constData(), 0666);
    const QString wynik = jakoZwyklyUzytkownik([&] {
        return opisBledu(zbadajBladOtwarcia(pty.sciezkaSlave(), QSerialPort::PermissionError,
                                            QStringLiteral("busy"), {}));
    });
    const QStringList czesci = wynik.split(QLatin1Char('|'));
    QCOMPARE(czesci.size(), 3);
    QCOMPARE(czesci[0].toInt(), int(PrzyczynaBledu::Zajety));
    QVERIFY(czesci[2].contains(pty.sciezkaSlave()));
    QVERIFY(czesci[2].contains(QStringLiteral("zajęty przez inny program")));
}

void TestUrzadzeniaPortow::plikBlokady_data()
{
    QTest::addColumn<QByteArray>("tresc");
    QTest::addColumn<int>("przyczyna");
    QTest::addColumn<QString>("wTekscie");
    const qint64 nasz = QCoreApplication::applicationPid();
    const qint64 martwy = pidZakonczonegoProcesu();
    QTest::newRow("żywy, tekst") << QByteArray::number(nasz).rightJustified(10, ' ') + '\n'
                                 << int(PrzyczynaBledu::Zajety)
                                 << QStringLiteral("PID %1").arg(nasz);
    QTest::newRow("żywy, binarnie")
        << QByteArray(reinterpret_cast<const char*>(&nasz), 4) << int(PrzyczynaBledu::Zajety)
        << QStringLiteral("PID %1").arg(nasz);
    QTest::newRow("martwy") << QByteArray::number(martwy) + '\n'
                            << int(PrzyczynaBledu::StaraBlokada) << QStringLiteral("LCK..");
    QTest::newRow("śmieci") << QByteArray("abc") << int(PrzyczynaBledu::StaraBlokada)
                            << QStringLiteral("LCK..");
    QTest::newRow("pusty") << QByteArray() << int(PrzyczynaBledu::StaraBlokada)
                           << QStringLiteral("LCK..");
}

void TestUrzadzeniaPortow::plikBlokady()
{
    QFETCH(QByteArray, tresc);
    QFETCH(int, przyczyna);
    QFETCH(QString, wTekscie);

    Pty pty;
    QTemporaryDir blokady;
    const QString nazwa = QFileInfo(pty.sciezkaSlave()).fileName();
    const QString plikBlokady = blokady.filePath(QStringLiteral("LCK..") + nazwa);
    QFile f(plikBlokady);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(tresc);
    f.close();

    const BladOtwarcia b =
        zbadajBladOtwarcia(pty.sciezkaSlave(), QSerialPort::PermissionError,
                           QStringLiteral("locked"), {QStringLiteral("/nie-ma"), blokady.path()});
    QCOMPARE(int(b.przyczyna), przyczyna);
    QCOMPARE(b.plikBlokady, plikBlokady);
    QVERIFY(b.komunikat.contains(pty.sciezkaSlave()));
    QVERIFY2(b.komunikat.contains(wTekscie), qPrintable(b.komunikat));
    if (b.przyczyna == PrzyczynaBledu::StaraBlokada)
        QVERIFY(b.komunikat.contains(plikBlokady));
}

QTEST_GUILESS_MAIN(TestUrzadzeniaPortow)
#include "tst_urzadzeniaportow.moc"
