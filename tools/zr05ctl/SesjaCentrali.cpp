#include "SesjaCentrali.h"

#include "Opcje.h"

#include <QEventLoop>

namespace zr05::ctl
{

SesjaCentrali::SesjaCentrali(int limitSekund, QObject* parent)
    : QObject(parent), m_limitMs(qint64(limitSekund) * 1000)
{
    m.WybranyPort = 1;
    zdarzenia.polacz(lacze);
    lacze.ustawUjscie([this](const QByteArray& b) { m_port.zapisz(b); });
    connect(&m_port, &PortSzeregowy::odebrano, &lacze, &Lacze::odbierz);
    connect(&m_port, &PortSzeregowy::utracony, this, [this](const QString& komunikat) {
        m_utracony = komunikat;
        emit portUtracony(komunikat);
    });
    m_timer1.setInterval(1000);
    connect(&m_timer1, &QTimer::timeout, &lacze, &Lacze::tick);

    // Whatever the panel answers to a request of ours is progress; polls alone are not.
    const auto postep = [this] { m_odPostepu.restart(); };
    connect(&lacze, &Lacze::daneOdczytu, this, postep);
    connect(&lacze, &Lacze::odpowiedzKodu, this, postep);
    connect(&lacze, &Lacze::rekordyArchiwum, this, postep);
    // The code goes out again at every slot until answered; that alone is no progress.
    connect(&lacze, &Lacze::zadanieWyslane, this, [this](int kod) {
        if (kod != 40)
            m_odPostepu.restart();
    });
    connect(&lacze, &Lacze::odpytany, this, [this] { ++m_polle; });
    m_odPostepu.start();
}

SesjaCentrali::~SesjaCentrali()
{
    lacze.ustawUjscie({});
    m_port.zamknij();
}

void SesjaCentrali::przerwij(const Wynik& w)
{
    if (!m_przerwanie)
        m_przerwanie = w;
}

Wynik SesjaCentrali::polacz(const QString& urzadzenie)
{
    if (const auto blad = m_port.otworz(urzadzenie))
        return {BladLacza, blad->komunikat};
    m_timer1.start();
    return czekaj([this] { return m_polle > 0; },
                  QStringLiteral("centralka nie odpytuje portu %1").arg(urzadzenie));
}

Wynik SesjaCentrali::nastepnyPoll()
{
    const int byly = m_polle;
    return czekaj([this, byly] { return m_polle > byly; }, QStringLiteral("centralka milczy"));
}

Wynik SesjaCentrali::czekaj(const std::function<bool()>& gotowe, const QString& co, bool zLimitem)
{
    m_odPostepu.restart();
    QEventLoop petla;
    QTimer sprawdzanie;
    sprawdzanie.setInterval(10);
    const auto koniec = [&] {
        return gotowe() || m_utracony || m_przerwanie ||
               (zLimitem && m_odPostepu.elapsed() > m_limitMs);
    };
    connect(&sprawdzanie, &QTimer::timeout, &petla, [&] {
        if (koniec())
            petla.quit();
    });
    sprawdzanie.start();
    if (!koniec())
        petla.exec();
    if (gotowe())
        return {};
    if (m_utracony)
        return {BladLacza, *m_utracony};
    if (m_przerwanie)
        return *m_przerwanie;
    const QString stan = m.status().startsWith(QLatin1String("BRAK"))
                             ? m.status()
                             : QStringLiteral("brak odpowiedzi centralki");
    return {BladLacza, QStringLiteral("%1 (%2 s): %3.").arg(stan).arg(m_limitMs / 1000).arg(co)};
}

Wynik SesjaCentrali::zaloguj(const QString& kod, bool instalator)
{
    const QString czyj = instalator ? QStringLiteral("instalatora") : QStringLiteral("użytkownika");
    logowanie.oknoOtwarte();
    Wynik w = czekaj([this] { return m.KodOperacji == 0; },
                     QStringLiteral("sprawdzenie blokady dostępu"));
    if (!w.ok())
        return w;
    if (m.BlokadaDostepu != 0)
        return {Odmowa,
                QStringLiteral("Centralka odmówiła dostępu: %1.").arg(tekst::BlokadaDostepu)};

    bool zamkniete = false;
    QString komunikat;
    const auto c1 = connect(&logowanie, &Logowanie::zamknijOkno, this, [&] { zamkniete = true; });
    const auto c2 = connect(&logowanie, &Logowanie::komunikatZmieniony, this,
                            [&](const QString& t) { komunikat = t; });
    // The link sends the code at every slot until the panel answers it.
    logowanie.zatwierdzKod(kod);
    if (!komunikat.isEmpty()) {
        w = {ZleUzycie, QStringLiteral("Kod %1: %2.").arg(czyj, komunikat)};
    } else {
        w = czekaj([&] { return zamkniete || !komunikat.isEmpty(); },
                   QStringLiteral("odpowiedź na kod %1").arg(czyj));
        if (w.ok() && !zamkniete)
            w = {Odmowa, QStringLiteral("Centralka odrzuciła kod %1: %2.").arg(czyj, komunikat)};
    }
    disconnect(c1);
    disconnect(c2);
    logowanie.oknoZamkniete();
    if (!w.ok())
        return w;
    if (instalator ? !m.zalogowanyInstalator() : !m.zalogowanyUzytkownik())
        return {Odmowa, QStringLiteral("Centralka nie przyjęła kodu jako kodu %1.").arg(czyj)};
    return {};
}

// Connects and logs in; `instalator` adds the installer's login to the user's.
Wynik zacznij(SesjaCentrali& s, const Opcje& o, bool instalator)
{
    Wynik blad;
    const auto kodUzytkownika = o.kod(false, blad);
    if (!kodUzytkownika)
        return blad;
    std::optional<QString> kodInstalatora;
    if (instalator && !(kodInstalatora = o.kod(true, blad)))
        return blad;
    if (auto w = s.polacz(o.wartosc(QStringLiteral("port"))); !w.ok())
        return w;
    if (auto w = s.zaloguj(*kodUzytkownika, false); !w.ok())
        return w;
    if (instalator)
        return s.zaloguj(*kodInstalatora, true);
    return {};
}

} // namespace zr05::ctl
