#pragma once
// One conversation with the panel: the port, the link engine driven by it and the one-second
// tick, and the same access and transfer logic the windows use. Every wait ends when its goal
// is reached, the port fails, the link makes no progress for the time limit, or a signal
// interrupts it.

#include "Wynik.h"

#include "Module1.h"
#include "PortSzeregowy.h"
#include "access/Logowanie.h"
#include "access/Przesylanie.h"
#include "archive/PobieranieArchiwum.h"
#include "link/Lacze.h"
#include "link/ZdarzeniaCentrali.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

namespace zr05::ctl
{

class Opcje;

class SesjaCentrali : public QObject
{
    Q_OBJECT
public:
    explicit SesjaCentrali(int limitSekund, QObject* parent = nullptr);
    ~SesjaCentrali() override;

    Module1 m;
    Lacze lacze{m};
    Logowanie logowanie{m, lacze};
    Przesylanie przesylanie{m, lacze};
    PobieranieArchiwum archiwum{m, lacze};
    ZdarzeniaCentrali zdarzenia{m};

    // Opens the port and waits for the panel's first poll.
    Wynik polacz(const QString& urzadzenie);
    // Logs in with the code as the code window would; `instalator` asks for the installer's
    // access on top of a user login.
    Wynik zaloguj(const QString& kod, bool instalator);
    // Runs the link until `gotowe` holds; `co` says what was awaited when it fails. Without
    // the limit only the port or przerwij() end the wait.
    Wynik czekaj(const std::function<bool()>& gotowe, const QString& co, bool zLimitem = true);
    // Waits for the next answered poll: what was queued before it has gone out on the line.
    Wynik nastepnyPoll();

    // The running wait (and any later one) ends with this result.
    void przerwij(const Wynik& w = {Przerwano, QStringLiteral("Przerwano.")});
    // The port failed for good (the reason), nothing while it works.
    const std::optional<QString>& utracony() const { return m_utracony; }

signals:
    void portUtracony(const QString& komunikat);

private:
    PortSzeregowy m_port;
    QTimer m_timer1;
    QElapsedTimer m_odPostepu;
    qint64 m_limitMs;
    int m_polle = 0;
    std::optional<Wynik> m_przerwanie;
    std::optional<QString> m_utracony;
};

// Opens the port of --port and logs in with the user's code; `instalator` adds the
// installer's login.
Wynik zacznij(SesjaCentrali& s, const Opcje& o, bool instalator = false);

} // namespace zr05::ctl
