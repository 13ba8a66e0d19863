#include "Opcje.h"

#include <QCommandLineParser>

namespace zr05
{

namespace
{

bool liczba(const QString& tekst, long long od, long long do_, long long& wynik)
{
    bool ok = false;
    wynik = tekst.toLongLong(&ok);
    return ok && wynik >= od && wynik <= do_;
}

bool prawdopodobienstwo(const QString& tekst, double& wynik)
{
    bool ok = false;
    wynik = tekst.toDouble(&ok);
    return ok && wynik >= 0.0 && wynik <= 1.0;
}

// "4001", "127.0.0.1:4001", "localhost:4001", "[::1]:4001".
bool czytajAdresNasluchu(const QString& tekst, QString& host, int& port)
{
    QString numer = tekst;
    host.clear();
    const auto dwukropek = tekst.lastIndexOf(QLatin1Char(':'));
    if (dwukropek >= 0) {
        host = tekst.left(dwukropek);
        numer = tekst.mid(dwukropek + 1);
        if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
            host = host.mid(1, host.size() - 2);
        if (host.isEmpty())
            return false;
    }
    long long n = 0;
    if (!liczba(numer, 0, 65535, n))
        return false;
    port = int(n);
    return true;
}

} // namespace

std::optional<OpcjeCli> czytajOpcje(const QStringList& argumenty, QString& komunikat, bool& pomoc)
{
    pomoc = false;
    const KodyDostepu domyslne;
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Simulated ZR-05 alarm control panel. Opens a pseudo-terminal (or a serial device, or "
        "listens on TCP), "
        "prints its path and a line ZR05_COM1=<path> for the program, and polls it in real "
        "time until interrupted (SIGINT/SIGTERM). SIGUSR1 makes the panel go silent for "
        "--silence seconds (5 when not given); SIGUSR2 loses the first byte of the next poll."));
    p.addHelpOption();
    const QCommandLineOption urzadzenie(QStringLiteral("device"),
                                        QStringLiteral("Use this serial port (2400 bit/s 8N2) "
                                                       "instead of a pseudo-terminal."),
                                        QStringLiteral("path"));
    const QCommandLineOption tcp(QStringLiteral("tcp"),
                                 QStringLiteral("Listen on TCP instead of a pseudo-terminal, one "
                                                "client at a time, as a serial server would."),
                                 QStringLiteral("[host:]port"));
    const QCommandLineOption okres(
        QStringLiteral("poll-period"),
        QStringLiteral("Time from poll to poll while idle (default 250)."), QStringLiteral("ms"));
    const QCommandLineOption odpowiedz(QStringLiteral("answer-timeout"),
                                       QStringLiteral("How long the panel waits for a poll answer "
                                                      "or a request (default 120)."),
                                       QStringLiteral("ms"));
    const QCommandLineOption uzytk(
        QStringLiteral("user-code"),
        QStringLiteral("User code, access byte 0x20 (default %1).").arg(domyslne.uzytkownik),
        QStringLiteral("digits"));
    const QCommandLineOption nadz(
        QStringLiteral("supervisor-code"),
        QStringLiteral("Supervisor code, access byte 0x40 (default %1).").arg(domyslne.nadzorca),
        QStringLiteral("digits"));
    const QCommandLineOption inst(
        QStringLiteral("installer-code"),
        QStringLiteral("Installer code, access byte 0x80 (default %1).").arg(domyslne.instalator),
        QStringLiteral("digits"));
    const QCommandLineOption odbl(QStringLiteral("unblock-code"),
                                  QStringLiteral("Unblock code, access byte 4 (default %1). While "
                                                 "the block flag at 0x0757 is set, it is the only "
                                                 "code accepted; wrong codes get 0x00.")
                                      .arg(domyslne.odblokowanie),
                                  QStringLiteral("digits"));
    const QCommandLineOption ziarno(QStringLiteral("seed"),
                                    QStringLiteral("Seed of the on-line scenario and the archives "
                                                   "(default 1)."),
                                    QStringLiteral("n"));
    const QCommandLineOption ziarnoUsterek(QStringLiteral("fault-seed"),
                                           QStringLiteral("Seed of the line faults (default 1)."),
                                           QStringLiteral("n"));
    const QCommandLineOption przeklamanie(
        QStringLiteral("corrupt"),
        QStringLiteral("Probability that a byte is changed on the line, in both directions."),
        QStringLiteral("p"));
    const QCommandLineOption zgubienie(
        QStringLiteral("drop"),
        QStringLiteral("Probability that a byte is lost on the line, in both directions."),
        QStringLiteral("p"));
    const QCommandLineOption smieci(
        QStringLiteral("garbage"),
        QStringLiteral("Probability of 1-3 stray bytes before a frame, in both directions."),
        QStringLiteral("p"));
    const QCommandLineOption bezUsterekOdPc(
        QStringLiteral("no-pc-faults"),
        QStringLiteral("Keep --corrupt, --drop and --garbage off the PC's bytes to the panel."));
    const QCommandLineOption slad(
        QStringLiteral("trace"),
        QStringLiteral("Append a hex trace of the line to this file: every frame sent, what the "
                       "line did to it, and what the panel's receiver did with each byte."),
        QStringLiteral("file"));
    const QCommandLineOption cisza(QStringLiteral("silence"),
                                   QStringLiteral("Go silent (link loss) for this long, once."),
                                   QStringLiteral("seconds"));
    const QCommandLineOption ciszaPo(QStringLiteral("silence-after"),
                                     QStringLiteral("When the silence starts (default 10)."),
                                     QStringLiteral("seconds"));
    const QCommandLineOption upusc(QStringLiteral("drop-poll-byte"),
                                   QStringLiteral("Lose byte 0, 1 or 2 of one poll, once."),
                                   QStringLiteral("index"));
    const QCommandLineOption upuscPo(QStringLiteral("drop-after"),
                                     QStringLiteral("When that poll is sent (default 5)."),
                                     QStringLiteral("seconds"));
    const QCommandLineOption obraz(QStringLiteral("image"),
                                   QStringLiteral("Start from this configuration file (3626 "
                                                  "bytes) instead of the demo office."),
                                   QStringLiteral("file.vor"));
    const QCommandLineOption dni(QStringLiteral("archive-days"),
                                 QStringLiteral("Days of archive records to make up (default 21)."),
                                 QStringLiteral("n"));
    const QCommandLineOption szybko(QStringLiteral("fast"),
                                    QStringLiteral("Send without 2400 bit/s pacing."));
    const QCommandLineOption statystyki(QStringLiteral("stats"),
                                        QStringLiteral("On exit print min, median, p99 and max of "
                                                       "poll answer latency and transfer times."));
    const QCommandLineOption cicho(QStringLiteral("quiet"),
                                   QStringLiteral("Do not log what the panel does to stderr."));
    p.addOption(tcp);
    p.addOptions({urzadzenie,     okres,  odpowiedz,     uzytk,        nadz,      inst,
                  odbl,           ziarno, ziarnoUsterek, przeklamanie, zgubienie, smieci,
                  bezUsterekOdPc, slad,   cisza,         ciszaPo,      upusc,     upuscPo,
                  obraz,          dni,    szybko,        statystyki});
    p.addOption(cicho);
    if (!p.parse(argumenty)) {
        komunikat = p.errorText();
        return std::nullopt;
    }
    if (p.isSet(QStringLiteral("help"))) {
        pomoc = true;
        komunikat = p.helpText();
        return std::nullopt;
    }
    if (!p.positionalArguments().isEmpty()) {
        komunikat = QStringLiteral("unexpected argument: %1").arg(p.positionalArguments().front());
        return std::nullopt;
    }

    OpcjeCli o;
    auto& u = o.symulator;
    long long n = 0;
    auto calkowita = [&](const QCommandLineOption& opcja, long long od, long long do_,
                         auto&& ustaw) {
        if (!p.isSet(opcja))
            return true;
        if (!liczba(p.value(opcja), od, do_, n)) {
            komunikat = QStringLiteral("--%1 needs a whole number from %2 to %3")
                            .arg(opcja.names().front())
                            .arg(od)
                            .arg(do_);
            return false;
        }
        ustaw(n);
        return true;
    };
    auto ulamek = [&](const QCommandLineOption& opcja, double& cel) {
        if (!p.isSet(opcja))
            return true;
        if (!prawdopodobienstwo(p.value(opcja), cel)) {
            komunikat =
                QStringLiteral("--%1 needs a probability from 0 to 1").arg(opcja.names().front());
            return false;
        }
        return true;
    };
    auto kod = [&](const QCommandLineOption& opcja, QString& cel) {
        if (!p.isSet(opcja))
            return true;
        if (!KodyDostepu::poprawny(p.value(opcja))) {
            komunikat = QStringLiteral("--%1 needs 4 to 8 digits").arg(opcja.names().front());
            return false;
        }
        cel = p.value(opcja);
        return true;
    };
    const bool ok =
        calkowita(okres, 20, 60000, [&](long long v) { u.okresPollMs = int(v); }) &&
        calkowita(odpowiedz, 1, 10000, [&](long long v) { u.czasNaOdpowiedzMs = int(v); }) &&
        calkowita(ziarno, 0, 0x7FFFFFFFFFFFFFFF, [&](long long v) { u.ziarno = quint64(v); }) &&
        calkowita(ziarnoUsterek, 0, 0x7FFFFFFFFFFFFFFF,
                  [&](long long v) { u.usterki.ziarno = quint64(v); }) &&
        calkowita(cisza, 0, 86400, [&](long long v) { o.ciszaSek = int(v); }) &&
        calkowita(ciszaPo, 0, 86400, [&](long long v) { o.ciszaPoSek = int(v); }) &&
        calkowita(upusc, 0, 2, [&](long long v) { o.upuscBajtPolla = int(v); }) &&
        calkowita(upuscPo, 0, 86400, [&](long long v) { o.upuscPoSek = int(v); }) &&
        calkowita(dni, 0, 366, [&](long long v) { u.dniArchiwum = int(v); }) &&
        ulamek(przeklamanie, u.usterki.przeklamanie) && ulamek(zgubienie, u.usterki.zgubienie) &&
        ulamek(smieci, u.usterki.smieci) && kod(uzytk, u.kody.uzytkownik) &&
        kod(nadz, u.kody.nadzorca) && kod(inst, u.kody.instalator) &&
        kod(odbl, u.kody.odblokowanie);
    if (!ok)
        return std::nullopt;
    o.urzadzenie = p.value(urzadzenie);
    if (p.isSet(tcp)) {
        if (!czytajAdresNasluchu(p.value(tcp), o.tcpHost, o.tcpPort)) {
            komunikat = QStringLiteral("--tcp needs [host:]port, the port from 0 to 65535");
            return std::nullopt;
        }
        if (!o.urzadzenie.isEmpty()) {
            komunikat = QStringLiteral("--tcp and --device exclude each other");
            return std::nullopt;
        }
    }
    o.obraz = p.value(obraz);
    o.slad = p.value(slad);
    u.usterki.odPc = !p.isSet(bezUsterekOdPc);
    o.szybko = p.isSet(szybko);
    o.statystyki = p.isSet(statystyki);
    o.cicho = p.isSet(cicho);
    if (o.szybko)
        u.czasBajtuUs = 0;
    return o;
}

} // namespace zr05
