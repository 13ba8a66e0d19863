#include "BladPortu.h"

#include <QFile>
#include <QFileInfo>
#include <limits>
#include <optional>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zr05
{

namespace
{
BladOtwarcia blad(PrzyczynaBledu p, const QString& tekst)
{
    BladOtwarcia b;
    b.przyczyna = p;
    b.komunikat = tekst;
    return b;
}

QString naglowek(const QString& sciezka)
{
    return QStringLiteral("Nie można otworzyć portu %1: ").arg(sciezka);
}

BladOtwarcia bladOgolny(const QString& sciezka, QSerialPort::SerialPortError e,
                        const QString& opisQt)
{
    switch (e) {
    case QSerialPort::DeviceNotFoundError:
        return blad(PrzyczynaBledu::BrakUrzadzenia,
                    naglowek(sciezka) + QStringLiteral("nie ma takiego urządzenia."));
    case QSerialPort::PermissionError:
        return blad(PrzyczynaBledu::Zajety,
                    naglowek(sciezka) +
                        QStringLiteral("port jest zajęty przez inny program albo brak do niego "
                                       "uprawnień (%1).")
                            .arg(opisQt));
    default:
        return blad(PrzyczynaBledu::Inna, naglowek(sciezka) + opisQt + QLatin1Char('.'));
    }
}

#ifdef Q_OS_UNIX
QString nazwaUzytkownika()
{
    if (const passwd* pw = getpwuid(geteuid()))
        return QString::fromLocal8Bit(pw->pw_name);
    return QStringLiteral("$USER");
}

QString nazwaGrupy(gid_t gid)
{
    if (const group* gr = getgrgid(gid))
        return QString::fromLocal8Bit(gr->gr_name);
    return QString::number(gid);
}

// The name of a running process, or nothing when no process has this id.
std::optional<QString> dzialajacyProces(long long pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return std::nullopt;
    if (::kill(pid_t(pid), 0) != 0 && errno != EPERM)
        return std::nullopt;
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    QString nazwa;
    if (comm.open(QIODevice::ReadOnly))
        nazwa = QString::fromLocal8Bit(comm.readAll()).trimmed();
    return nazwa;
}

// Lock files carry the holder's process id as text (or, in an old form, as 4 binary bytes).
long long pidZPlikuBlokady(const QByteArray& tresc)
{
    bool ok = false;
    const long long pid = tresc.split('\n').value(0).trimmed().toLongLong(&ok);
    if (ok)
        return pid;
    if (tresc.size() == 4) {
        qint32 binarny;
        std::memcpy(&binarny, tresc.constData(), 4);
        return binarny;
    }
    return 0;
}

std::optional<BladOtwarcia> zbadajBlokade(const QString& sciezka, const QStringList& katalogi)
{
    const QString nazwa = QFileInfo(sciezka).fileName();
    for (const QString& katalog : katalogi) {
        const QString plik = katalog + QStringLiteral("/LCK..") + nazwa;
        QFile f(plik);
        if (!f.exists())
            continue;
        long long pid = 0;
        if (f.open(QIODevice::ReadOnly))
            pid = pidZPlikuBlokady(f.read(64));
        BladOtwarcia b;
        b.plikBlokady = plik;
        if (const auto proces = dzialajacyProces(pid)) {
            b.przyczyna = PrzyczynaBledu::Zajety;
            b.komunikat = naglowek(sciezka) +
                          QStringLiteral("port jest zajęty przez inny program (%1, PID %2). "
                                         "Zamknij ten program i spróbuj ponownie.")
                              .arg(proces->isEmpty() ? QStringLiteral("?") : *proces)
                              .arg(pid);
        } else {
            b.przyczyna = PrzyczynaBledu::StaraBlokada;
            b.komunikat = naglowek(sciezka) +
                          QStringLiteral("pozostał plik blokady %1 po programie, który już nie "
                                         "działa. Usuń ten plik (na przykład: sudo rm %1) i "
                                         "spróbuj ponownie.")
                              .arg(plik);
        }
        return b;
    }
    return std::nullopt;
}
#endif
} // namespace

QStringList domyslneKatalogiBlokad()
{
    return {QStringLiteral("/var/lock"), QStringLiteral("/run/lock")};
}

BladOtwarcia zbadajBladOtwarcia(const QString& sciezka, QSerialPort::SerialPortError e,
                                const QString& opisQt, const QStringList& katalogiBlokad)
{
#ifdef Q_OS_UNIX
    const QByteArray sciezkaSys = QFile::encodeName(sciezka);
    struct stat st {
    };
    if (::stat(sciezkaSys.constData(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR))
        return blad(PrzyczynaBledu::BrakUrzadzenia,
                    naglowek(sciezka) +
                        QStringLiteral("nie ma takiego urządzenia. Sprawdź, czy przejściówka "
                                       "jest podłączona, albo wybierz inny port."));

    if (::access(sciezkaSys.constData(), R_OK | W_OK) != 0 && errno == EACCES) {
        BladOtwarcia b;
        b.przyczyna = PrzyczynaBledu::BrakUprawnien;
        b.grupa = nazwaGrupy(st.st_gid);
        b.komunikat = naglowek(sciezka) +
                      QStringLiteral("brak uprawnień. Urządzenie należy do grupy „%1”. "
                                     "Użytkownik musi zostać dopisany do tej grupy (na przykład "
                                     "poleceniem: sudo usermod -aG %1 %2), a potem wylogować "
                                     "się i zalogować ponownie.")
                          .arg(b.grupa, nazwaUzytkownika());
        return b;
    }

    if (auto b = zbadajBlokade(sciezka, katalogiBlokad))
        return *b;

    const int fd = ::open(sciezkaSys.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        const int kod = errno;
        if (kod == EBUSY)
            return blad(PrzyczynaBledu::Zajety,
                        naglowek(sciezka) +
                            QStringLiteral("port jest zajęty przez inny program. Zamknij ten "
                                           "program i spróbuj ponownie."));
        return blad(PrzyczynaBledu::Inna, naglowek(sciezka) +
                                              QString::fromLocal8Bit(std::strerror(kod)) +
                                              QLatin1Char('.'));
    }
    ::close(fd);
#endif
    return bladOgolny(sciezka, e, opisQt);
}

} // namespace zr05
