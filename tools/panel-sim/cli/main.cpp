// zr05-panel-sim: the simulated panel on a pseudo-terminal or a serial port, in real time.

#include "Opcje.h"
#include "PetlaCentrali.h"
#include "Pty.h"
#include "SymulatorCentrali.h"
#include "config/PlikKonfiguracji.h"
#include "link/SladLacza.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QSerialPort>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <unistd.h>

using namespace zr05;

namespace
{

int potokSygnalow[2] = {-1, -1};

void przySygnale(int numer)
{
    const char b = char(numer);
    [[maybe_unused]] const auto n = ::write(potokSygnalow[1], &b, 1);
}

void wypisz(FILE* f, const QString& tekst)
{
    std::fputs(tekst.toLocal8Bit().constData(), f);
    std::fflush(f);
}

QString liczniki(const LicznikiSymulatora& l, const LicznikiUsterek& u)
{
    return QStringLiteral("polls=%1 answered=%2 unanswered=%3 slots=%4 no-request=%5 reads=%6 "
                          "writes=%7 codes=%8 archive=%9 end-of-programming=%10 bad-checksum=%11 "
                          "unknown=%12 clipped=%13 refused=%14 cut-off=%15 stray=%16 on-line=%17 "
                          "corrupted=%18 lost=%19 inserted=%20 pc-corrupted=%21 pc-lost=%22 "
                          "pc-inserted=%23\n")
        .arg(l.polle)
        .arg(l.odpowiedzi)
        .arg(l.brakOdpowiedzi)
        .arg(l.sloty)
        .arg(l.brakZadania)
        .arg(l.odczyty)
        .arg(l.zapisy)
        .arg(l.kody)
        .arg(l.archiwum)
        .arg(l.koniecProgramowania)
        .arg(l.zlaSuma)
        .arg(l.nieznane)
        .arg(l.obciete)
        .arg(l.odrzucone)
        .arg(l.porzucone)
        .arg(l.zbedne)
        .arg(l.ramkiOnLine)
        .arg(u.przeklamane)
        .arg(u.zgubione)
        .arg(u.wstawione)
        .arg(u.przeklamaneOdPc)
        .arg(u.zgubioneOdPc)
        .arg(u.wstawioneOdPc);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zr05-panel-sim"));

    QString komunikat;
    bool pomoc = false;
    auto opcje = czytajOpcje(QCoreApplication::arguments(), komunikat, pomoc);
    if (!opcje) {
        wypisz(pomoc ? stdout : stderr, komunikat.endsWith('\n') ? komunikat : komunikat + '\n');
        return pomoc ? 0 : 2;
    }
    auto& u = opcje->symulator;
    // The panel's clock starts at the local wall time.
    u.zegar = QDateTime(QDate::currentDate(), QTime::currentTime(), Qt::UTC);
    if (!opcje->obraz.isEmpty()) {
        Konfiguracja k;
        const WynikPliku wynik = CzytajKonfig(opcje->obraz, k);
        if (!wynik) {
            wypisz(stderr, wynik.komunikat + '\n');
            return 1;
        }
        u.konfiguracja = k;
    }
    SymulatorCentrali sym(u);
    PlikSladu plikSladu;
    if (!opcje->slad.isEmpty()) {
        QString blad;
        if (!plikSladu.otworz(opcje->slad, QStringLiteral("# zr05-panel-sim line trace"), blad)) {
            wypisz(stderr, QStringLiteral("cannot open %1: %2\n").arg(opcje->slad, blad));
            return 1;
        }
        sym.ustawSlad([&plikSladu](const WpisSladu& w) { plikSladu.zapisz(w); });
    }
    QElapsedTimer start;
    start.start();
    if (!opcje->cicho)
        sym.ustawDziennik([&start](const QString& t) {
            wypisz(stderr,
                   QStringLiteral("[%1] %2\n").arg(start.elapsed() / 1000.0, 9, 'f', 3).arg(t));
        });

    std::optional<Pty> pty;
    QSerialPort port;
    QTcpServer serwer;
    QPointer<QTcpSocket> klient;
    std::function<void(const QByteArray&)> pisz;
    if (opcje->tcpPort >= 0) {
        const QHostAddress adres = opcje->tcpHost.isEmpty() ? QHostAddress(QHostAddress::Any)
                                   : opcje->tcpHost == QLatin1String("localhost")
                                       ? QHostAddress(QHostAddress::LocalHost)
                                       : QHostAddress(opcje->tcpHost);
        if (adres.isNull() || !serwer.listen(adres, quint16(opcje->tcpPort))) {
            wypisz(stderr, QStringLiteral("cannot listen on %1:%2: %3\n")
                               .arg(opcje->tcpHost)
                               .arg(opcje->tcpPort)
                               .arg(adres.isNull() ? QStringLiteral("not an IP address")
                                                   : serwer.errorString()));
            return 1;
        }
        // Bytes for nobody are lost, as on a line with nothing attached.
        pisz = [&klient](const QByteArray& b) {
            if (klient) {
                klient->write(b);
                klient->flush();
            }
        };
    } else if (opcje->urzadzenie.isEmpty()) {
        pty = otworzPty(komunikat);
        if (!pty) {
            wypisz(stderr, QStringLiteral("cannot open a pseudo-terminal: %1\n").arg(komunikat));
            return 1;
        }
        const int master = pty->master;
        pisz = [master](const QByteArray& b) {
            // Nobody reading and the buffer full: the bytes are lost, as on an open line.
            [[maybe_unused]] const auto n = ::write(master, b.constData(), size_t(b.size()));
        };
        sym.ustawPrzyBrakuOdpowiedzi([&pty] { wyczyscZalegle(*pty); });
    } else {
        port.setPortName(opcje->urzadzenie);
        port.setBaudRate(2400);
        port.setDataBits(QSerialPort::Data8);
        port.setParity(QSerialPort::NoParity);
        port.setStopBits(QSerialPort::TwoStop);
        port.setFlowControl(QSerialPort::NoFlowControl);
        if (!port.open(QIODevice::ReadWrite)) {
            wypisz(
                stderr,
                QStringLiteral("cannot open %1: %2\n").arg(opcje->urzadzenie, port.errorString()));
            return 1;
        }
        pisz = [&port](const QByteArray& b) { port.write(b); };
    }

    PetlaCentrali petla(sym, pisz, !pty && !serwer.isListening());
    std::unique_ptr<QSocketNotifier> czytnik;
    if (serwer.isListening()) {
        QObject::connect(&serwer, &QTcpServer::newConnection, [&] {
            while (QTcpSocket* nowy = serwer.nextPendingConnection()) {
                // One client at a time, as a serial server has one line to give.
                if (klient) {
                    nowy->abort();
                    nowy->deleteLater();
                    continue;
                }
                klient = nowy;
                nowy->setSocketOption(QAbstractSocket::LowDelayOption, 1);
                QObject::connect(nowy, &QTcpSocket::readyRead,
                                 [&, nowy] { petla.odebrano(nowy->readAll()); });
                QObject::connect(nowy, &QTcpSocket::disconnected, nowy, &QObject::deleteLater);
                if (!opcje->cicho)
                    wypisz(stderr, QStringLiteral("client %1 connected\n")
                                       .arg(nowy->peerAddress().toString()));
            }
        });
    } else if (pty) {
        czytnik = std::make_unique<QSocketNotifier>(pty->master, QSocketNotifier::Read);
        QObject::connect(czytnik.get(), &QSocketNotifier::activated, [&] {
            char bufor[512];
            for (;;) {
                const auto n = ::read(pty->master, bufor, sizeof bufor);
                if (n <= 0)
                    break;
                petla.odebrano(QByteArray(bufor, int(n)));
            }
        });
    } else {
        QObject::connect(&port, &QSerialPort::readyRead, [&] { petla.odebrano(port.readAll()); });
    }

    if (::pipe(potokSygnalow) != 0)
        return 1;
    QSocketNotifier sygnaly(potokSygnalow[0], QSocketNotifier::Read);
    const int ciszaNaZadanie = opcje->ciszaSek > 0 ? opcje->ciszaSek : 5;
    QObject::connect(&sygnaly, &QSocketNotifier::activated, [&] {
        char b = 0;
        if (::read(potokSygnalow[0], &b, 1) != 1)
            return;
        if (b == SIGUSR1)
            sym.zamilknij(petla.terazUs(), ciszaNaZadanie * 1000);
        else if (b == SIGUSR2)
            sym.usterki().upuscBajt(RodzajNadania::Poll, 0);
        else
            QCoreApplication::quit();
    });
    for (int s : {SIGINT, SIGTERM, SIGHUP, SIGUSR1, SIGUSR2})
        std::signal(s, przySygnale);

    if (opcje->ciszaSek > 0)
        petla.zaplanuj(opcje->ciszaPoSek * 1000,
                       [&] { sym.zamilknij(petla.terazUs(), opcje->ciszaSek * 1000); });
    if (opcje->upuscBajtPolla >= 0)
        petla.zaplanuj(opcje->upuscPoSek * 1000, [&] {
            sym.usterki().upuscBajt(RodzajNadania::Poll, opcje->upuscBajtPolla);
        });

    if (serwer.isListening()) {
        QHostAddress adres = serwer.serverAddress();
        if (adres == QHostAddress::Any || adres == QHostAddress::AnyIPv4)
            adres = QHostAddress::LocalHost;
        else if (adres == QHostAddress::AnyIPv6)
            adres = QHostAddress::LocalHostIPv6;
        const QString host = adres.protocol() == QAbstractSocket::IPv6Protocol
                                 ? QStringLiteral("[%1]").arg(adres.toString())
                                 : adres.toString();
        wypisz(stdout, QStringLiteral("Panel simulator on TCP port %1\nZR05_COM1=tcp://%2:%1\n")
                           .arg(serwer.serverPort())
                           .arg(host));
    } else if (pty)
        wypisz(stdout, QStringLiteral("Panel simulator on %1\nZR05_COM1=%1\n").arg(pty->sciezka));
    else
        wypisz(stdout, QStringLiteral("Panel simulator on %1\n").arg(opcje->urzadzenie));
    petla.start();
    const int wynik = app.exec();

    if (opcje->statystyki)
        wypisz(stdout, sym.pomiary().raport() + liczniki(sym.liczniki(), sym.usterki().liczniki()));
    return wynik;
}
