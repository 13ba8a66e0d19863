// The panel's port on a real line, a pseudo-terminal or TCP on 127.0.0.1: its 2400 bit/s 8N2
// settings, bytes both ways with the times they came, a device pulled out or a server gone,
// every reason a port cannot be opened, and which devices COM1..COM4 mean. The program's link
// through it against the simulator program is the command-line tool's test.

#include "AdresTcp.h"
#include "Aplikacja.h"
#include "BladPortu.h"
#include "PortSzeregowy.h"
#include "Pty.h"
#include "TransportTcp.h"
#include "UrzadzeniaPortow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <functional>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

using namespace zr05;

namespace
{
// Root passes every permission check: `f` then runs in a child that has become nobody.
bool jakoZwyklyUzytkownik(const std::function<bool()>& f)
{
    if (geteuid() != 0)
        return f();
    const pid_t pid = fork();
    if (pid == 0)
        _exit(setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0 && f() ? 0
                                                                                            : 1);
    int stan = 0;
    return waitpid(pid, &stan, 0) == pid && WIFEXITED(stan) && WEXITSTATUS(stan) == 0;
}

bool jest(const BladOtwarcia& b, PrzyczynaBledu przyczyna, const QStringList& teksty)
{
    return b.przyczyna == przyczyna && std::all_of(teksty.begin(), teksty.end(), [&](auto& t) {
               return b.komunikat.contains(t);
           });
}
} // namespace

class TstPort : public QObject
{
    Q_OBJECT
private slots:
    void ustawieniaLinii()
    {
        Pty pty;
        PortSzeregowy port;
        QVERIFY(!port.otworz(pty.sciezkaSlave()));
        termios t{};
        QCOMPARE(tcgetattr(pty.slaveFd(), &t), 0);
        QCOMPARE(cfgetospeed(&t), speed_t(B2400));
        QCOMPARE(cfgetispeed(&t), speed_t(B2400));
        QCOMPARE(t.c_cflag & (CSIZE | CSTOPB | PARENB | CRTSCTS), tcflag_t(CS8 | CSTOPB));
        QCOMPARE(t.c_iflag & (IXON | IXOFF), tcflag_t(0));
        QCOMPARE(t.c_lflag & ICANON, tcflag_t(0)); // bytes, not lines
    }

    void bajtyIUtrata_data()
    {
        QTest::addColumn<bool>("tcp");
        QTest::newRow("pseudo-terminal") << false;
        QTest::newRow("tcp") << true;
    }
    void bajtyIUtrata()
    {
        QFETCH(bool, tcp);
        Pty pty;
        QTcpServer serwer;
        QVERIFY(serwer.listen(QHostAddress::LocalHost));
        const QString adres = tcp ? QStringLiteral("tcp://127.0.0.1:%1").arg(serwer.serverPort())
                                  : pty.sciezkaSlave();
        PortSzeregowy port;
        port.zapisz("\x37"); // closed: goes nowhere
        QVERIFY(!port.otworz(adres));
        QTcpSocket* klient = nullptr;
        if (tcp) {
            QVERIFY(serwer.hasPendingConnections() || serwer.waitForNewConnection(3000));
            klient = serwer.nextPendingConnection();
        }
        QByteArray odebrane;
        QList<qint64> czasy;
        connect(&port, &PortSzeregowy::odebrano, [&](const QByteArray& b, qint64 ms) {
            odebrane += b;
            czasy << ms;
        });
        QByteArray bajty;
        for (int i = 0; i < 256; ++i)
            bajty.append(char(i));
        const qint64 przed = port.teraz();
        if (tcp)
            klient->write(bajty), klient->flush();
        else
            pty.pisz(bajty);
        QThread::msleep(300); // the window busy: the bytes still carry the time they came
        QTRY_COMPARE_WITH_TIMEOUT(odebrane, bajty, 3000);
        QVERIFY2(czasy.front() - przed < 150, qPrintable(QString::number(czasy.front() - przed)));
        QVERIFY(std::is_sorted(czasy.begin(), czasy.end()) && czasy.back() <= port.teraz());

        std::reverse(bajty.begin(), bajty.end());
        port.zapisz(bajty.left(100));
        port.zapisz(bajty.mid(100));
        QByteArray wyslane;
        QDeadlineTimer termin(3000);
        while (!tcp && wyslane.size() < 256 && !termin.hasExpired())
            wyslane += pty.czytaj(256 - wyslane.size(), 100);
        while (tcp && wyslane.size() < 256 && klient->waitForReadyRead(3000))
            wyslane += klient->readAll();
        QCOMPARE(wyslane, bajty);

        // Pulled out, or the server gone: told once, naming the port, and closed.
        QSignalSpy utrata(&port, &PortSzeregowy::utracony);
        tcp ? klient->close() : pty.zamknijMaster();
        QTRY_COMPARE_WITH_TIMEOUT(utrata.size(), 1, 3000);
        QVERIFY(!port.otwarty());
        const QString tekst = utrata.at(0).at(0).toString();
        QVERIFY2(tekst.contains(adres) && tekst.contains(QStringLiteral("przerwane")),
                 qPrintable(tekst));
        QTest::qWait(100);
        QCOMPARE(utrata.size(), 1);
    }

    void nieOtwiera_data()
    {
        QTest::addColumn<QString>("adres");
        QTest::addColumn<QList<int>>("przyczyny"); // either is right
        QTest::addColumn<QString>("tekst");
        QTcpServer zamkniety;
        zamkniety.listen(QHostAddress::LocalHost);
        const auto wolny = zamkniety.serverPort();
        zamkniety.close();
        using P = PrzyczynaBledu;
        QTest::newRow("refused") << QStringLiteral("tcp://127.0.0.1:%1").arg(wolny)
                                 << QList<int>{int(P::OdmowaPolaczenia)} << "odmówił połączenia";
        QTest::newRow("refused, IPv6")
            << QStringLiteral("tcp://[::1]:%1").arg(wolny)
            << QList<int>{int(P::OdmowaPolaczenia), int(P::BrakDrogi)} << "::1";
        QTest::newRow("unknown host")
            << "tcp://nie-ma-takiego-komputera.invalid:4001" << QList<int>{int(P::NieznanyKomputer)}
            << "nie znaleziono komputera";
        QTest::newRow("no answer")
            << QString() << QList<int>{int(P::UplynalCzas)} << "nie odpowiedział w ciągu";
        QTest::newRow("bad address")
            << "tcp://192.0.2.1" << QList<int>{int(P::Inna)} << "niepoprawny adres";
    }
    void nieOtwiera()
    {
        QFETCH(QString, adres);
        QFETCH(QList<int>, przyczyny);
        QFETCH(QString, tekst);
        // A listener whose only queue place is taken drops further attempts unanswered, as a
        // host that is switched off or filtered does.
        QTcpServer zapchany;
        QTcpSocket pierwszy;
        if (adres.isEmpty()) {
            zapchany.setListenBacklogSize(0);
            QVERIFY(zapchany.listen(QHostAddress::LocalHost));
            zapchany.pauseAccepting();
            pierwszy.connectToHost(QHostAddress::LocalHost, zapchany.serverPort());
            QVERIFY(pierwszy.waitForConnected(1000));
            adres = QStringLiteral("tcp://127.0.0.1:%1").arg(zapchany.serverPort());
        }
        PortSzeregowy port;
        QElapsedTimer czas;
        czas.start();
        const auto blad = port.otworz(adres);
        QVERIFY(czas.elapsed() < TransportTcp::CzasLaczeniaMs + 1500);
        QVERIFY(blad && przyczyny.contains(int(blad->przyczyna)));
        QVERIFY2(blad->komunikat.contains(adres) && blad->komunikat.contains(tekst),
                 qPrintable(blad->komunikat));
        QVERIFY(!port.otwarty());

        // The same without waiting, as the window opens it.
        std::optional<BladOtwarcia> wynik;
        port.otworzBezCzekania(adres, [&](const std::optional<BladOtwarcia>& b) { wynik = b; });
        QVERIFY(port.laczy());
        QTRY_VERIFY_WITH_TIMEOUT(!port.laczy(), TransportTcp::CzasLaczeniaMs + 1500);
        QVERIFY(wynik && wynik->przyczyna == blad->przyczyna &&
                wynik->komunikat == blad->komunikat);
        QVERIFY(!port.otwarty());
    }

    // Why a device would not open: the group to join, another program holding it, a lock file
    // of a live or a dead program.
    void przyczynyUrzadzenia()
    {
        QTemporaryDir katalog;
        QVERIFY(QFile::setPermissions(katalog.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                          QFile::ExeOwner | QFile::ReadOther |
                                                          QFile::ExeOther));
        const QString sciezka = katalog.filePath("ttyUSB0");
        QVERIFY(QFile(sciezka).open(QIODevice::WriteOnly));
        const bool root = geteuid() == 0;
        const group* gr = getgrnam("dialout");
        const QString grupa = gr ? QStringLiteral("dialout") : QStringLiteral("20");
        QCOMPARE(chown(qPrintable(sciezka), 0, gr ? gr->gr_gid : 20), root ? 0 : -1);
        QCOMPARE(chmod(qPrintable(sciezka), root ? 0660 : 0), 0);
        QVERIFY(jakoZwyklyUzytkownik([&] {
            const auto b = zbadajBladOtwarcia(sciezka, QSerialPort::PermissionError, "x", {});
            return jest(b, PrzyczynaBledu::BrakUprawnien, {sciezka, "zalogować ponownie"}) &&
                   (!root || (b.grupa == grupa && b.komunikat.contains("„" + grupa + "”")));
        }));

        Pty pty;
        QCOMPARE(ioctl(pty.slaveFd(), TIOCEXCL), 0);
        chmod(qPrintable(pty.sciezkaSlave()), 0666);
        QVERIFY(jakoZwyklyUzytkownik([&] {
            return jest(
                zbadajBladOtwarcia(pty.sciezkaSlave(), QSerialPort::PermissionError, "x", {}),
                PrzyczynaBledu::Zajety, {pty.sciezkaSlave(), "zajęty przez inny program"});
        }));

        QProcess skonczony;
        skonczony.start("true", {});
        QVERIFY(skonczony.waitForStarted());
        const qint64 martwy = skonczony.processId();
        skonczony.waitForFinished();
        const qint64 nasz = QCoreApplication::applicationPid();
        const QString plik = katalog.filePath("LCK.." + QFileInfo(pty.sciezkaSlave()).fileName());
        const QString zywy = QStringLiteral("PID %1").arg(nasz);
        const struct {
            QByteArray tresc;
            PrzyczynaBledu przyczyna;
            QStringList teksty;
        } Blokady[] = {
            {QByteArray::number(nasz).rightJustified(10, ' ') + '\n',
             PrzyczynaBledu::Zajety,
             {zywy}},
            {QByteArray(reinterpret_cast<const char*>(&nasz), 4), PrzyczynaBledu::Zajety, {zywy}},
            {QByteArray::number(martwy) + '\n', PrzyczynaBledu::StaraBlokada, {plik}},
            {"abc", PrzyczynaBledu::StaraBlokada, {plik}},
        };
        for (const auto& blokada : Blokady) {
            QFile f(plik);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(blokada.tresc);
            f.close();
            const auto b = zbadajBladOtwarcia(pty.sciezkaSlave(), QSerialPort::PermissionError, "x",
                                              {"/nie-ma", katalog.path()});
            QVERIFY2(jest(b, blokada.przyczyna, blokada.teksty + QStringList{pty.sciezkaSlave()}),
                     qPrintable(b.komunikat));
            QCOMPARE(b.plikBlokady, plik);
        }
    }

    void adresyTcp()
    {
        QStringList wyniki;
        for (const char* u :
             {"tcp://192.168.1.20:4001", "TCP://serwer-1.biuro.lan:65535", "tcp://[fd00::5]:1",
              "tcp://fd00::5:4001", "tcp://[serwer]:4001", "tcp://serwer", "tcp://serwer:0",
              "tcp://serwer:65536", "tcp://serwer:+40", "tcp://:4001", "tcp://serwer:4001/x"}) {
            const auto a = czytajAdresTcp(u);
            QVERIFY(jestAdresemTcp(u));
            wyniki << (a ? a->host + ' ' + QString::number(a->port) : QStringLiteral("-"));
        }
        QCOMPARE(wyniki, QStringList({"192.168.1.20 4001", "serwer-1.biuro.lan 65535", "fd00::5 1",
                                      "-", "-", "-", "-", "-", "-", "-", "-"}));
    }

    // UARTs first, then USB adapters, then the rest, each by number.
    void portyCom()
    {
        QCOMPARE(uporzadkujPorty(
                     {"ttyUSB10", "ttyS10", "rfcomm0", "ttyACM1", "ttyUSB2", "ttyS9", "ttyACM0"}),
                 QStringList(
                     {"ttyS9", "ttyS10", "ttyUSB2", "ttyUSB10", "ttyACM0", "ttyACM1", "rfcomm0"}));
        QVERIFY(!urzadzenieCom(0) && !urzadzenieCom(5));
        QVERIFY(opisUrzadzeniaCom(5).contains(QStringLiteral("brak")));
    }

    // Qt's own texts in Polish, the program's title and icon.
    void aplikacja()
    {
        QMessageBox przed(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Cancel);
        QCOMPARE(przed.button(QMessageBox::Cancel)->text().remove('&'), QStringLiteral("Cancel"));
        QVERIFY(przygotujAplikacje(*qApp));
        QCOMPARE(QCoreApplication::applicationName(),
                 QStringLiteral("Program do centrali alarmowej ZR-5"));
        QVERIFY(!QApplication::windowIcon().pixmap(32).isNull());
        QMessageBox box(QMessageBox::NoIcon, QString(), QString(),
                        QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text().remove('&'), QStringLiteral("Anuluj"));
        QCOMPARE(box.button(QMessageBox::Ok)->text().remove('&'), QStringLiteral("OK"));
    }
};

QTEST_MAIN(TstPort)
#include "tst_port.moc"
