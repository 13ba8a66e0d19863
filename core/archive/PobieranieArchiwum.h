#pragma once
// Download of the panel's alarm or event archive: the start and stop commands of the archive
// window and the storing of every record frame the link delivers. It lives as long as the
// link, because answers keep arriving after the window has closed. The archive window's
// option ("Zdarzeń"/"Alarmów") and its counter box are kept here and only shown there.
// While a download runs the option is held on its archive, so its answers always go to the
// table it was started for.

#include "Module1.h"
#include "archive/TabeleArchiwum.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <optional>

namespace zr05
{

class Lacze;

namespace tekst
{
inline const QString HistoriaZdarzen = QStringLiteral("HISTORIA ZDARZEŃ");
inline const QString HistoriaAlarmow = QStringLiteral("HISTORIA ALARMÓW");
inline const QString PobieranieZdarzen =
    QStringLiteral("HISTORIA ZDARZEŃ. Pobieranie archiwum z centralki.");
inline const QString PobieranieAlarmow =
    QStringLiteral("HISTORIA ALARMÓW. Pobieranie archiwum z centralki.");
inline const QString KoniecZdarzen =
    QStringLiteral("HISTORIA ZDARZEŃ. Pobieranie archiwum z centralki zakończone.");
inline const QString KoniecAlarmow =
    QStringLiteral("HISTORIA ALARMÓW. Pobieranie archiwum z centralki zakończone.");
inline const QString KoniecArchiwum = QStringLiteral("KONIEC");
inline const QString PelnaTabelaZdarzen =
    QStringLiteral("HISTORIA ZDARZEŃ. Pobieranie archiwum zatrzymane po 1025 rekordach - tyle "
                   "mieści program; dalszych rekordów nie pobrano.");
inline const QString PelnaTabelaAlarmow =
    QStringLiteral("HISTORIA ALARMÓW. Pobieranie archiwum zatrzymane po 1025 rekordach - tyle "
                   "mieści program; dalszych rekordów nie pobrano.");
} // namespace tekst

class PobieranieArchiwum : public QObject
{
    Q_OBJECT
public:
    static constexpr Bajt StartZdarzen = 45;
    static constexpr Bajt StartAlarmow = 46;
    static constexpr Bajt Nastepne = 47;
    static constexpr Bajt KoniecRekordow = 255;
    static constexpr int RekordowWRamce = 16;

    PobieranieArchiwum(Module1& m, Lacze& lacze, QObject* parent = nullptr);

    // Option1: false = "Zdarzeń" (index 0), true = "Alarmów" (index 1).
    bool alarmy() const { return m_alarmy; }
    // Refused (returns false) while a download runs.
    bool ustawAlarmy(bool alarmy);
    // Text2: the count of records fetched, "KONIEC" or empty.
    const QString& licznik() const { return m_licznik; }
    // A download runs: from "Pobierz" to its end record, "Przerwij", the full table, or
    // another operation taking the link over.
    bool trwa() const { return m_trwa; }

    // "Pobierz": `rok` is the start year as its last two digits. Returns the refusal when no
    // user or supervisor is logged in.
    std::optional<QString> pobierz(Bajt dzien, Bajt miesiac, Bajt rok);
    // "Przerwij": stops the running download; without one no count changes.
    void przerwij();
    // The window closed: a running download stops as by "Przerwij", and a reopened window
    // finds its defaults again.
    void oknoZamkniete();

    // One valid 'l' frame of 131 bytes; other lengths are dropped.
    void rekordy(const QByteArray& ramka);

signals:
    void alarmyZmienione(bool alarmy);
    void licznikZmieniony(const QString& tekst);
    void trwaZmienione(bool trwa);
    // The download ended (end record or full table): the window shows the range.
    void zakonczone();

private:
    void ustawLicznik(const QString& tekst);
    void ustawTrwa(bool trwa);
    void zakoncz(qint16& ilosc, qint16 wartosc, const QString& status);
    void sprawdzOperacje();
    static bool operacjaArchiwum(Bajt kod);

    Module1& m;
    bool m_alarmy = false;
    bool m_trwa = false;
    // The archive of the last download started: its late answers go there too.
    bool m_alarmyPobierane = false;
    QString m_licznik;
};

} // namespace zr05
