// The ".vor" file: its fixed layout and Windows-1250 names over random images in both
// directions, and every way a read or a save can fail, which leaves the program, its image and
// the old file exactly as they were.
#include "LosowyObraz.h"
#include "Module1.h"
#include "config/PlikKonfiguracji.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>
#include <numeric>

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

using namespace zr05;

namespace
{
QByteArray tresc(const QString& sciezka)
{
    QFile f(sciezka);
    return QFileInfo(sciezka).isFile() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString utworz(const QString& sciezka, const QByteArray& dane)
{
    QFile f(sciezka);
    if (f.open(QIODevice::WriteOnly))
        f.write(dane);
    return sciezka;
}

// Mounts are made in a namespace of this process only; without one the rows needing a full
// or read-only disk are skipped.
QString powodBezMontowania;
bool zamontuj(const QString& gdzie, const char* opcje)
{
    QDir().mkpath(gdzie);
    return powodBezMontowania.isEmpty() &&
           ::mount("zr05test", QFile::encodeName(gdzie).constData(), "tmpfs", 0, opcje) == 0;
}

struct Usterka {
    const char* nazwa;
    bool zapis;
    QString powod; // as the message gives it
    // Sets the case up in `k` and gives the path, or an empty one when it cannot be made here.
    std::function<QString(const QString& k)> przygotuj;
};

QString folder(const QString& k)
{
    QDir(k).mkdir("kat.vor");
    return k + "/kat.vor";
}

QString potok(const QString& k)
{
    ::mkfifo(qPrintable(k + "/p.vor"), 0600);
    return k + "/p.vor";
}

// An old file on a disk of one page, or (stary empty) a new one on a read-only disk.
QString naMalymDysku(const QString& k, const char* opcje, const QByteArray& stary, bool doOdczytu)
{
    if (!zamontuj(k + "/m", opcje))
        return QString();
    if (!stary.isEmpty())
        utworz(k + "/m/s.vor", stary);
    if (doOdczytu)
        ::mount(nullptr, qPrintable(k + "/m"), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
    return k + (stary.isEmpty() ? "/m/n.vor" : "/m/s.vor");
}

const QList<Usterka>& usterki()
{
    static const QString Niezwykly = QStringLiteral("to nie jest zwykły plik");
    static const QList<Usterka> u = {
        {"missing file", false, "plik nie istnieje", [](auto& k) { return k + "/brak.vor"; }},
        {"empty file", false, "plik jest za krótki (0 z 3626 bajtów)",
         [](auto& k) { return utworz(k + "/k.vor", {}); }},
        {"names cut off", false, "plik jest za krótki (3369 z 3626 bajtów)",
         [](auto& k) { return utworz(k + "/k.vor", QByteArray(3369, 7)); }},
        {"one byte short", false, "plik jest za krótki (3625 z 3626 bajtów)",
         [](auto& k) { return utworz(k + "/k.vor", QByteArray(3625, 7)); }},
        {"read a folder", false, "to jest katalog", folder},
        {"save over a folder", true, "to jest katalog", folder},
        {"missing folder", true, "katalog nie istnieje", [](auto& k) { return k + "/brak/n.vor"; }},
        {"endless device", false, Niezwykly, [](auto&) { return QStringLiteral("/dev/zero"); }},
        {"read a pipe", false, Niezwykly, potok},
        // A reader that never blocks: without the refusal the save would pass, not hang.
        {"save into a pipe", true, Niezwykly,
         [](auto& k) {
             const QString p = potok(k);
             ::open(qPrintable(p), O_RDONLY | O_NONBLOCK);
             return p;
         }},
        {"save into a socket", true, Niezwykly,
         [](auto& k) {
             sockaddr_un adres{};
             adres.sun_family = AF_UNIX;
             std::strncpy(adres.sun_path, qPrintable(k + "/s.vor"), sizeof adres.sun_path - 1);
             ::bind(::socket(AF_UNIX, SOCK_STREAM, 0), (sockaddr*)&adres, sizeof adres);
             return k + "/s.vor";
         }},
        {"full device", true, "brak miejsca na dysku",
         [](auto&) { return QStringLiteral("/dev/full"); }},
        {"full disk, old file kept", true, "brak miejsca na dysku",
         [](auto& k) { return naMalymDysku(k, "size=4k", QByteArray(3626, 'S'), false); }},
        {"read-only disk, old file", true, "plik jest tylko do odczytu",
         [](auto& k) { return naMalymDysku(k, "size=64k", QByteArray(3626, 'S'), true); }},
        {"read-only disk, new file", true, "dysk jest tylko do odczytu",
         [](auto& k) { return naMalymDysku(k, "size=64k", QByteArray(), true); }},
        {"name without a Windows-1250 byte", true,
         QStringLiteral("nazwa linii nr 240 (\"MAGĀZYN\") zawiera znak, którego nie można "
                        "zapisać w stronie kodowej Windows-1250"),
         [](auto& k) { return utworz(k + "/s.vor", QByteArray(3626, 'S')); }},
    };
    return u;
}
} // namespace

class TstPlikKonfiguracji : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Private mounts first: without MS_PRIVATE a mount would show on the whole machine.
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            powodBezMontowania = QString::fromLocal8Bit(std::strerror(errno));
    }

    // Random bytes everywhere, record 0 too, in the names every byte value: the file is the
    // tables at their offsets, a read gives back all but what the file does not hold, and a save
    // of what was read gives the file again, also over a longer file.
    void ukladIObieStrony_data()
    {
        QTest::addColumn<quint32>("ziarno");
        for (quint32 z : {1u, 2u, 3u, 77u, 4242u, 12345u})
            QTest::addRow("%u", z) << z;
    }
    void ukladIObieStrony()
    {
        QFETCH(quint32, ziarno);
        QRandomGenerator g(ziarno);
        Module1 zrodlo;
        Konfiguracja& o = zrodlo.Obraz = losowyObraz(ziarno);
        o.Linie[0].fill(0xAA);
        o.WyjOC[0].fill(0xAA);
        o.WyjPk[0].fill(0xAA);
        o.Kontrole[0].fill(0xAA);
        o.Strefy[0].fill(0xAA);
        o.Urzadzenia[0] = 0xAA;

        QByteArray plik(3626, '\0');
        auto tablica = [&](int od, const auto& t, int rekordy) {
            for (int n = 1; n <= rekordy; ++n)
                for (int b = 0; b < int(t[n].size()); ++b)
                    plik[od + int(t[n].size()) * (n - 1) + b] = char(t[n][b]);
        };
        tablica(0, o.Linie, 80);
        tablica(2560, o.WyjOC, 16);
        tablica(2944, o.WyjPk, 2);
        for (int k = 1; k <= 16; ++k)
            plik[2992 + k - 1] = char(o.Urzadzenia[k]);
        const Bajt skalary[] = {o.KodyTajne, o.Buzzery, o.CzasKodu, o.KlawFun, o.CzasBlokady};
        plik.replace(3008, 5, QByteArray(reinterpret_cast<const char*>(skalary), 5));
        tablica(3013, o.Kontrole, 24);
        plik.replace(3205, 5, QByteArray(reinterpret_cast<const char*>(o.AutoUzbr.data()), 5));
        tablica(3210, o.Strefy, 10);
        // Names of 0 to 10 characters; what passes the eighth is neither stored nor checked.
        std::array<char, 256> wartosci;
        std::iota(wartosci.begin(), wartosci.end(), 0);
        std::shuffle(wartosci.begin(), wartosci.end(), g);
        for (int i = 224; i < 256; ++i) {
            const int dlugosc = g.bounded(4) ? 8 + g.bounded(3) : g.bounded(8);
            QByteArray bajty(wartosci.data() + 8 * (i - 224), 8);
            o.NazwyLinii[i] = nazwaZBajtow(bajty).left(dlugosc) + QString::fromUtf8("ĀĀ");
            o.NazwyLinii[i].truncate(dlugosc);
            if (dlugosc < 8)
                bajty = bajty.left(dlugosc).leftJustified(8, ' ');
            plik.replace(3370 + 8 * (i - 224), 8, bajty);
        }

        QTemporaryDir k;
        QVERIFY(ZapiszKonfig(zrodlo, k.filePath("a.vor")));
        QCOMPARE(tresc(k.filePath("a.vor")), plik);
        QCOMPARE(zrodlo.NazwaPliku, k.filePath("a.vor"));
        QCOMPARE(zrodlo.KonfigJest, 0); // saving marks nothing as loaded
        QVERIFY(!zrodlo.dostepny(Element::mnuKonfDruk));

        utworz(k.filePath("dlugi.vor"), plik + QByteArray(1374, '\xEE'));
        Module1 cel;
        cel.Obraz = losowyObraz(ziarno + 1000);
        cel.Obraz.NazwyLinii[5] = "inny slownik"; // the fixed dictionary is not in the file
        Konfiguracja oczekiwany = o;
        for (int i = 224; i < 256; ++i)
            oczekiwany.NazwyLinii[i] = nazwaZBajtow(plik.mid(3370 + 8 * (i - 224), 8));
        std::copy_n(cel.Obraz.NazwyLinii.begin(), 224, oczekiwany.NazwyLinii.begin());
        oczekiwany.Linie[0] = cel.Obraz.Linie[0];
        oczekiwany.WyjOC[0] = cel.Obraz.WyjOC[0];
        oczekiwany.WyjPk[0] = cel.Obraz.WyjPk[0];
        oczekiwany.Kontrole[0] = cel.Obraz.Kontrole[0];
        oczekiwany.Strefy[0] = cel.Obraz.Strefy[0];
        oczekiwany.Urzadzenia[0] = cel.Obraz.Urzadzenia[0];
        const auto w = CzytajKonfig(cel, k.filePath("dlugi.vor"));
        QVERIFY2(w, qPrintable(w.komunikat));
        QVERIFY(cel.Obraz == oczekiwany);
        QCOMPARE(cel.KonfigJest, 1);
        QVERIFY(cel.dostepny(Element::mnuKonfZapisz));
        QCOMPARE(cel.NazwaPliku, k.filePath("dlugi.vor"));
        QVERIFY(ZapiszKonfig(cel, k.filePath("dlugi.vor")));
        QCOMPARE(tresc(k.filePath("dlugi.vor")), plik);
    }

    // Our table against the system's converter: every byte it knows gives its character, and
    // exactly the five it does not know stand for the control character alike.
    void strona1250JakIconv()
    {
        QByteArray wejscie;
        for (int b = 0; b < 256; ++b)
            if (b != '\n')
                wejscie.append(char(b)).append('\n');
        QProcess iconv;
        iconv.start(QStringLiteral("iconv"), {"-c", "-f", "WINDOWS-1250", "-t", "UTF-8"});
        QVERIFY(iconv.waitForStarted());
        iconv.write(wejscie);
        iconv.closeWriteChannel();
        QVERIFY(iconv.waitForFinished());
        const QList<QByteArray> wiersze = iconv.readAllStandardOutput().split('\n');
        QCOMPARE(wiersze.size(), 256);
        QList<int> nieznane;
        for (int i = 0; i < 255; ++i) {
            const int b = Bajt(wejscie[2 * i]);
            const QString nasz = nazwaZBajtow(QByteArray(1, char(b)));
            if (wiersze[i].isEmpty())
                nieznane << b;
            QCOMPARE(nasz,
                     wiersze[i].isEmpty() ? QString(QChar(b)) : QString::fromUtf8(wiersze[i]));
        }
        QCOMPARE(nieznane, (QList<int>{0x81, 0x83, 0x88, 0x90, 0x98}));
    }

    void usterka_data()
    {
        QTest::addColumn<int>("wiersz");
        for (int i = 0; i < usterki().size(); ++i)
            QTest::newRow(usterki()[i].nazwa) << i;
    }
    void usterka()
    {
        QFETCH(int, wiersz);
        const Usterka& u = usterki()[wiersz];
        QTemporaryDir katalog;
        const QString sciezka = u.przygotuj(katalog.path());
        if (sciezka.isEmpty())
            QSKIP(qPrintable("cannot mount a small file system here: " + powodBezMontowania));
        const QString miejsce = QFileInfo(sciezka).absolutePath();
        Module1 m;
        m.Obraz = losowyObraz(wiersz);
        if (u.powod.contains("nr 240"))
            m.Obraz.NazwyLinii[240] = QString::fromUtf8("MAGĀZYN");
        m.NazwaPliku = "/stary/plik.vor";
        m.WpisKonfig();
        const Konfiguracja obraz = m.Obraz;
        const QByteArray plik = tresc(sciezka);
        const bool byl = QFileInfo::exists(sciezka);
        const QStringList wpisy = QDir(miejsce).entryList(QDir::AllEntries | QDir::System);

        const auto w = u.zapis ? ZapiszKonfig(m, sciezka) : CzytajKonfig(m, sciezka);
        QVERIFY(!w);
        const QString wzor = u.zapis ? "Nie można zapisać konfiguracji do pliku \"%1\": %2.\n"
                                       "Konfiguracja nie została zapisana."
                                     : "Nie można odczytać konfiguracji z pliku \"%1\": %2.\n"
                                       "Konfiguracja w programie nie została zmieniona.";
        QCOMPARE(w.komunikat, wzor.arg(QDir::toNativeSeparators(sciezka), u.powod));
        QVERIFY(m.Obraz == obraz);
        QCOMPARE(m.KonfigJest, 1);
        QCOMPARE(m.NazwaPliku, QStringLiteral("/stary/plik.vor"));
        QCOMPARE(tresc(sciezka), plik);
        QCOMPARE(QFileInfo::exists(sciezka), byl);
        if (miejsce.startsWith(katalog.path())) // no temporary file left
            QCOMPARE(QDir(miejsce).entryList(QDir::AllEntries | QDir::System), wpisy);
        if (!u.zapis) {
            Module1 pusty;
            QVERIFY(!CzytajKonfig(pusty, sciezka));
            QCOMPARE(pusty.KonfigJest, 0);
            QVERIFY(!pusty.dostepny(Element::mnuKonfZapisz));
            QVERIFY(pusty.NazwaPliku.isEmpty());
        }
        if (miejsce == katalog.filePath("m"))
            ::umount2(qPrintable(miejsce), MNT_DETACH);
    }

    // A file the user may write in a folder the user may not write into is saved in place,
    // since no temporary file can be made beside it. Root writes anywhere, so the save runs in
    // a child process that has become an ordinary user.
    void zapisywalnyPlikWChronionymKatalogu()
    {
        QTemporaryDir katalog;
        const QString punkt = katalog.filePath("chroniony");
        const QString sciezka = punkt + "/stary.vor";
        QDir().mkpath(punkt);
        utworz(sciezka, QByteArray(3626, 'S'));
        QCOMPARE(::chmod(qPrintable(katalog.path()), 0755), 0);
        QCOMPARE(::chmod(qPrintable(punkt), 0555), 0);
        QCOMPARE(::chmod(qPrintable(sciezka), 0666), 0);
        const Konfiguracja obraz = losowyObraz(5);
        const pid_t dziecko = ::fork();
        if (dziecko == 0) {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(2);
            ::_exit(ZapiszKonfig(obraz, sciezka) ? 0 : 1);
        }
        int stan = 0;
        QCOMPARE(::waitpid(dziecko, &stan, 0), dziecko);
        QVERIFY(WIFEXITED(stan) && WEXITSTATUS(stan) == 0);
        QByteArray oczekiwane;
        QVERIFY(obrazDoBajtow(obraz, oczekiwane));
        QCOMPARE(tresc(sciezka), oczekiwane);
        ::chmod(qPrintable(punkt), 0755);
    }
};

QTEST_GUILESS_MAIN(TstPlikKonfiguracji)
#include "tst_plikkonfiguracji.moc"
