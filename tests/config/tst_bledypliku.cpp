// Failed reads and saves: the image, KonfigJest, NazwaPliku and the old file stay as they were,
// and the message names the file and the reason.
#include "Module1.h"
#include "config/PlikKonfiguracji.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace zr05;

namespace
{
// The contents of a regular file (a device such as /dev/full would never end).
QByteArray tresc(const QString& sciezka)
{
    if (!QFileInfo(sciezka).isFile())
        return QByteArray();
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void utworz(const QString& sciezka, const QByteArray& dane)
{
    QFile f(sciezka);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(dane), dane.size());
}

QByteArray wzor(int dlugosc, char ziarno)
{
    QByteArray d(dlugosc, '\0');
    for (int i = 0; i < dlugosc; ++i)
        d[i] = char(ziarno + i * 7);
    return d;
}

// A module holding a loaded configuration of its own, to see that nothing of it changes.
void zaladuj(Module1& m)
{
    m.Obraz.Linie[3][8] = 48;
    m.Obraz.Strefy[10][15] = 0x7F;
    m.Obraz.NazwyLinii[224] = "STARA   ";
    m.NazwaPliku = "/stary/plik.vor";
    m.WpisKonfig();
}
} // namespace

class TstBledyPliku : public QObject
{
    Q_OBJECT
    QTemporaryDir katalog;
    bool wlasnaPrzestrzen = false;
    QString powodBrakuPrzestrzeni;

    // Mounts a tmpfs visible only to this test process (its own mount namespace).
    bool zamontuj(const QString& gdzie, const char* opcje, QString& powod)
    {
#ifdef Q_OS_LINUX
        if (!wlasnaPrzestrzen) {
            powod = powodBrakuPrzestrzeni;
            return false;
        }
        if (::mount("zr05test", QFile::encodeName(gdzie).constData(), "tmpfs", 0, opcje) != 0) {
            powod = QString("mount: ") + std::strerror(errno);
            return false;
        }
        return true;
#else
        Q_UNUSED(gdzie);
        Q_UNUSED(opcje);
        powod = "mounts are only set up on Linux";
        return false;
#endif
    }
    void tylkoDoOdczytu(const QString& gdzie)
    {
#ifdef Q_OS_LINUX
        QCOMPARE(::mount(nullptr, QFile::encodeName(gdzie).constData(), nullptr,
                         MS_REMOUNT | MS_RDONLY, nullptr),
                 0);
#else
        Q_UNUSED(gdzie);
#endif
    }
    void odmontuj(const QString& gdzie)
    {
#ifdef Q_OS_LINUX
        ::umount2(QFile::encodeName(gdzie).constData(), MNT_DETACH);
#else
        Q_UNUSED(gdzie);
#endif
    }

    void sprawdzOdczytNieudany(const QString& sciezka, const QString& powod)
    {
        Module1 m;
        zaladuj(m);
        const Konfiguracja przed = m.Obraz;
        const auto w = CzytajKonfig(m, sciezka);
        QVERIFY(!w);
        QVERIFY2(w.komunikat.contains(QDir::toNativeSeparators(sciezka)), qPrintable(w.komunikat));
        QVERIFY2(w.komunikat.contains(powod), qPrintable(w.komunikat));
        QVERIFY(m.Obraz == przed);
        QCOMPARE(m.KonfigJest, 1);
        QCOMPARE(m.NazwaPliku, QString("/stary/plik.vor"));

        Module1 pusty;
        QVERIFY(!CzytajKonfig(pusty, sciezka));
        QCOMPARE(pusty.KonfigJest, 0);
        QVERIFY(!pusty.dostepny(Element::mnuKonfZapisz));
        QVERIFY(pusty.NazwaPliku.isEmpty());
    }

    // The save fails, says so, and changes neither the file nor the program state.
    void sprawdzZapisNieudany(const QString& sciezka, const QString& powod)
    {
        const QByteArray stary = tresc(sciezka);
        Module1 m;
        zaladuj(m);
        m.Obraz.Linie[1].fill(0x55);
        const Konfiguracja przed = m.Obraz;
        const auto w = ZapiszKonfig(m, sciezka);
        QVERIFY(!w);
        QVERIFY2(w.komunikat.contains(QDir::toNativeSeparators(sciezka)), qPrintable(w.komunikat));
        QVERIFY2(w.komunikat.contains(powod, Qt::CaseInsensitive), qPrintable(w.komunikat));
        QVERIFY(m.Obraz == przed);
        QCOMPARE(m.NazwaPliku, QString("/stary/plik.vor"));
        QCOMPARE(tresc(sciezka), stary);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(katalog.isValid());
#ifdef Q_OS_LINUX
        // Private mounts first: without MS_PRIVATE a mount would show on the whole machine.
        if (::unshare(CLONE_NEWNS) != 0)
            powodBrakuPrzestrzeni = QString("unshare: ") + std::strerror(errno);
        else if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            powodBrakuPrzestrzeni = QString("private mounts: ") + std::strerror(errno);
        else
            wlasnaPrzestrzen = true;
#endif
    }

    void brakPliku()
    {
        const QString sciezka = katalog.filePath("brak.vor");
        sprawdzOdczytNieudany(sciezka, "plik nie istnieje");
        QVERIFY(!QFileInfo::exists(sciezka)); // reading never creates the file
    }

    void krotkiPlik_data()
    {
        QTest::addColumn<int>("dlugosc");
        QTest::newRow("empty") << 0;
        QTest::newRow("one byte") << 1;
        QTest::newRow("one short of names") << 3369;
        QTest::newRow("one byte short") << 3625;
    }
    void krotkiPlik()
    {
        QFETCH(int, dlugosc);
        const QString sciezka = katalog.filePath(QString("krotki%1.vor").arg(dlugosc));
        utworz(sciezka, wzor(dlugosc, 3));
        sprawdzOdczytNieudany(sciezka, QString("za krótki (%1 z 3626").arg(dlugosc));
        QCOMPARE(QFileInfo(sciezka).size(), dlugosc);
    }

    void katalogZamiastPliku()
    {
        QDir(katalog.path()).mkdir("kat.vor");
        sprawdzOdczytNieudany(katalog.filePath("kat.vor"), "katalog");
        sprawdzZapisNieudany(katalog.filePath("kat.vor"), "katalog");
    }

    void katalogNieIstnieje()
    {
        sprawdzZapisNieudany(katalog.filePath("brak/nowy.vor"), "katalog nie istnieje");
        QVERIFY(!QFileInfo::exists(katalog.filePath("brak")));
    }

    // A device, a pipe or a socket is neither read nor written: opening one may block for good.
    void nieZwyklyPlik()
    {
        if (QFileInfo::exists("/dev/zero"))
            sprawdzOdczytNieudany("/dev/zero", "nie jest zwykły plik");
#ifdef Q_OS_LINUX
        const QString potok = katalog.filePath("potok.vor");
        QCOMPARE(::mkfifo(QFile::encodeName(potok).constData(), 0600), 0);
        // A reader that never blocks: without the refusal the save would pass, not hang.
        const int czytelnik = ::open(QFile::encodeName(potok).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(czytelnik >= 0);
        sprawdzOdczytNieudany(potok, "nie jest zwykły plik");
        sprawdzZapisNieudany(potok, "nie jest zwykły plik");
        ::close(czytelnik);

        const QString gniazdo = katalog.filePath("gniazdo.vor");
        const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un adres{};
        adres.sun_family = AF_UNIX;
        const QByteArray nazwa = QFile::encodeName(gniazdo);
        if (nazwa.size() >= int(sizeof(adres.sun_path)))
            QSKIP("temporary path too long for a socket");
        std::strcpy(adres.sun_path, nazwa.constData());
        QCOMPARE(::bind(s, reinterpret_cast<sockaddr*>(&adres), sizeof(adres)), 0);
        sprawdzZapisNieudany(gniazdo, "nie jest zwykły plik");
        ::close(s);
#endif
    }

    void dluzszyPlikUzywaPoczatku()
    {
        const QString sciezka = katalog.filePath("dlugi.vor");
        const QByteArray dane = wzor(5000, 9);
        utworz(sciezka, dane);
        Module1 m;
        const auto w = CzytajKonfig(m, sciezka);
        QVERIFY2(w, qPrintable(w.komunikat));
        QCOMPARE(m.KonfigJest, 1);
        QCOMPARE(m.NazwaPliku, sciezka);
        QVERIFY(m.dostepny(Element::mnuKonfZapisz));
        QBuffer bufor;
        bufor.open(QIODevice::WriteOnly);
        QVERIFY(ZapiszKonfig(m.Obraz, bufor));
        QCOMPARE(bufor.data(), dane.left(3626));

        // a save over it leaves exactly the configuration
        QVERIFY(ZapiszKonfig(m, sciezka));
        QCOMPARE(tresc(sciezka), dane.left(3626));
    }

    void udanyZapisNieWpisujeKonfiguracji()
    {
        Module1 m;
        const QString sciezka = katalog.filePath("nowy.vor");
        QVERIFY(ZapiszKonfig(m, sciezka));
        QCOMPARE(m.NazwaPliku, sciezka);
        QCOMPARE(m.KonfigJest, 0);
        QVERIFY(!m.dostepny(Element::mnuKonfDruk));
    }

    void bladOdczytuUrzadzenia()
    {
        QBuffer zamkniety; // never opened: every read fails
        Konfiguracja o;
        o.Linie[1][1] = 9;
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::read (QBuffer): device not open");
        const auto w = CzytajKonfig(zamkniety, o);
        QVERIFY(!w);
        QVERIFY(!w.komunikat.isEmpty());
        QCOMPARE(o.Linie[1][1], Bajt(9));
    }

    void pelnyDyskDevFull()
    {
        if (!QFileInfo::exists("/dev/full"))
            QSKIP("no /dev/full here");
        sprawdzZapisNieudany("/dev/full", "brak miejsca na dysku");
        QVERIFY(!QFileInfo("/dev/full").isFile()); // still the device, not a file put there

        QFile f("/dev/full");
        QVERIFY(f.open(QIODevice::WriteOnly));
        const auto w = ZapiszKonfig(Konfiguracja{}, f);
        QVERIFY(!w);
        QVERIFY(!w.komunikat.isEmpty());
    }

    void pelnyDyskStaryPlikCaly()
    {
        const QString punkt = katalog.filePath("maly");
        QDir().mkpath(punkt);
        QString powod;
        if (!zamontuj(punkt, "size=4k", powod))
            QSKIP(qPrintable("cannot mount a one-page file system: " + powod));
        const QString sciezka = punkt + "/stary.vor";
        utworz(sciezka, wzor(3626, 1));
        sprawdzZapisNieudany(sciezka, "brak miejsca na dysku");
        QCOMPARE(QDir(punkt).entryList(QDir::Files), QStringList{"stary.vor"}); // no temp left
        odmontuj(punkt);
    }

    void katalogTylkoDoOdczytu()
    {
        const QString punkt = katalog.filePath("ro");
        QDir().mkpath(punkt);
        QString powod;
        if (!zamontuj(punkt, "size=64k", powod))
            QSKIP(qPrintable("cannot mount a read-only directory (tests run as root, so "
                             "permissions do not stop a write): " +
                             powod));
        utworz(punkt + "/stary.vor", wzor(3626, 2));
        tylkoDoOdczytu(punkt);
        sprawdzZapisNieudany(punkt + "/stary.vor", "plik jest tylko do odczytu");
        sprawdzZapisNieudany(punkt + "/nowy.vor", "dysk jest tylko do odczytu");
        QVERIFY(!QFileInfo::exists(punkt + "/nowy.vor"));
        // reading still works there
        Module1 m;
        QVERIFY(CzytajKonfig(m, punkt + "/stary.vor"));
        odmontuj(punkt);
    }

    // A file the user may write in a folder the user may not write into is saved in place,
    // since no temporary file can be made beside it. Root writes anywhere, so the save runs in
    // a child process that has become an ordinary user.
    void zapisywalnyPlikWChronionymKatalogu()
    {
#ifdef Q_OS_LINUX
        const QString punkt = katalog.filePath("chroniony");
        QDir().mkpath(punkt);
        const QString sciezka = punkt + "/stary.vor";
        utworz(sciezka, wzor(3626, 3));
        const auto wszyscy = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther |
                             QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(katalog.path(), wszyscy | QFile::WriteOwner));
        QVERIFY(QFile::setPermissions(punkt, wszyscy));
        QVERIFY(QFile::setPermissions(sciezka, QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ReadOther | QFile::WriteOther));
        Konfiguracja obraz;
        obraz.Linie[2].fill(0x66);
        const pid_t dziecko = ::fork();
        QVERIFY(dziecko >= 0);
        if (dziecko == 0) {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(2);
            ::_exit(ZapiszKonfig(obraz, sciezka) ? 0 : 1);
        }
        int stan = 0;
        QCOMPARE(::waitpid(dziecko, &stan, 0), dziecko);
        QVERIFY(WIFEXITED(stan));
        QCOMPARE(WEXITSTATUS(stan), 0);
        QByteArray oczekiwane;
        QVERIFY(obrazDoBajtow(obraz, oczekiwane));
        QCOMPARE(tresc(sciezka), oczekiwane);
        QVERIFY(QFile::setPermissions(punkt, wszyscy | QFile::WriteOwner));
#else
        QSKIP("the protected folder is set up on Linux only");
#endif
    }
};

QTEST_GUILESS_MAIN(TstBledyPliku)
#include "tst_bledypliku.moc"
