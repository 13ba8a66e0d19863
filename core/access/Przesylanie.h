#pragma once
// Configuration download (32 reads into a separate image, put in place only when all have
// come) and upload (41 writes from a snapshot, read back and rewritten where the panel holds
// something else, then the end-of-programming frame). Each block read counts only when two
// answers agree. Also the questions to ask before something would cut a transfer short.

#include "Module1.h"
#include "access/ZgodneOdpowiedzi.h"
#include "config/MapaPamieci.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace zr05
{

class Lacze;

namespace tekst
{
inline const QString PytaniePrzesylanie =
    QStringLiteral("Czy napewno wysłąć nową konfigurację do centralki ?");
inline const QString PytaniePrzerwanie = QStringLiteral(
    "Przesyłanie konfiguracji do centralki nie zostało zakończone. Przerwanie go pozostawi w "
    "centralce częściowo zapisaną konfigurację.\nCzy przerwać przesyłanie?");
inline const QString PytaniePrzerwaniePobierania = QStringLiteral(
    "Pobieranie konfiguracji z centralki nie zostało zakończone. Przerwanie go pozostawi w "
    "programie konfigurację sprzed pobierania.\nCzy przerwać pobieranie?");
inline const QString PytanieBezKoncaProgramowania = QStringLiteral(
    "Konfiguracja została w całości zapisana w centralce, ale centralka nie otrzymała jeszcze "
    "polecenia zakończenia programowania. Po zakończeniu programu teraz nie otrzyma go.\nCzy "
    "mimo to zakończyć?");
inline const QString PytanieZapisPodczasPobierania =
    QStringLiteral("Trwa pobieranie konfiguracji z centralki. Do zbioru zostanie zapisana "
                   "konfiguracja sprzed pobierania.\nCzy zapisać?");
inline const QString PytanieCzytaniePodczasPobierania =
    QStringLiteral("Trwa pobieranie konfiguracji z centralki. Odczyt zbioru przerwie "
                   "pobieranie.\nCzy przerwać pobieranie i odczytać zbiór?");
inline const QString PytaniePlikPodczasPrzesylania = QStringLiteral(
    "Trwa przesyłanie konfiguracji do centralki. Zostanie ono dokończone z konfiguracją z "
    "chwili jego rozpoczęcia, bez zmian wprowadzonych teraz.\nCzy kontynuować?");
inline const QString PobieranieZaklocone = QStringLiteral(
    "Pobieranie konfiguracji z centralki przerwane: linia do centralki jest zbyt zakłócona "
    "(kolejne odczyty tych samych danych dawały różne wyniki). Konfiguracja w programie nie "
    "została zmieniona.");
// %1: the parts, one per line.
inline const QString PrzesylanieNiepotwierdzone = QStringLiteral(
    "Przesyłanie konfiguracji do centralki nie powiodło się: linia do centralki jest zbyt "
    "zakłócona i nie udało się potwierdzić zapisu. Te części konfiguracji w centralce mogą być "
    "błędne:\n%1\nCentralka nie otrzymała polecenia zakończenia programowania. Powtórz "
    "przesyłanie konfiguracji.");
inline const QString StatusPobierania = QStringLiteral("Pobieranie konfiguracji z centralki.");
inline const QString StatusPrzesylania = QStringLiteral("Przesyłanie danych do centralki.");
inline const QString EtykietaPobierania = QStringLiteral("Trwa pobieranie danych z centralki");
inline const QString EtykietaPrzesylania = QStringLiteral("Trwa przesyłanie danych do centralki");
inline const QString EtykietaSprawdzania =
    QStringLiteral("Sprawdzanie danych zapisanych w centralce");
inline const QString EtykietaPoprawiania = QStringLiteral("Poprawianie danych w centralce");
} // namespace tekst

class Przesylanie : public QObject
{
    Q_OBJECT
public:
    enum class Etap { Brak, Pobieranie, Zapis, Sprawdzanie, Poprawianie };
    // What the user is about to do while a transfer may be running.
    enum class Zamiar { Polecenie, CzytaniePliku, ZapisPliku, Koniec };
    // Rounds of rewriting what the read-back found different before the upload gives up.
    static constexpr int LimitPoprawek = 8;

    Przesylanie(Module1& m, Lacze& lacze, QObject* parent = nullptr);
    ~Przesylanie() override;

    // Both commands need the installer; they return the refusal to show, none when started.
    std::optional<QString> pobierz();
    std::optional<QString> przekaz(); // the caller has asked the question and got OK

    // The stage running now; Brak once another operation has replaced the transfer.
    Etap etap() const;
    // An upload is writing, reading back or rewriting: replacing it needs the user's word.
    bool przesylanieTrwa() const;
    // All is written and checked, the end-of-programming frame has still to go out.
    bool koniecZalegly() const { return m.OdliczanieKonca > 0 || m_koniecZalegly; }

    // The question to ask before doing `z` now; none when nothing would be lost or mixed.
    std::optional<QString> pytanie(Zamiar z) const;
    // Asks through `zapytaj` when needed (true = OK) and, on OK, abandons what the action
    // cuts short: any transfer when the program ends, a download when a file is read (an
    // upload goes on with its snapshot). True when the action may go on.
    bool zgoda(Zamiar z, const std::function<bool(const QString&)>& zapytaj);

    double postep() const { return m_postep; }
    const QString& etykieta() const { return m_etykieta; }

signals:
    void postepZmieniony(double procent);
    void etykietaZmieniona(const QString& tekst);
    void zakonczone(); // the progress window closes
    void niepowodzenie(const QString& komunikat);

private:
    std::optional<QString> zacznij(Etap etap, Bajt pierwszyKrok, const QString& status,
                                   const QString& etykieta);
    void migawka();
    void daneOdczytu(int kod, const QByteArray& dane);
    void zadanieWyslane(int kod);
    void sekunda();
    void przedOdpowiedzia();
    void odczytPobierania(int kod, const QByteArray& dane);
    void odczytSprawdzania(int kod, const QByteArray& dane);
    bool jakZapisane(const BlokPamieci& odczyt, const QByteArray& dane) const;
    void zacznijSprawdzanie(const QList<int>& odczyty);
    void porownaj();
    void nieUdaloSie(const QString& komunikat);
    void porzuc(bool zKoncemProgramowania);
    void ustawPostep(double p);
    void ustawEtykiete(const QString& t);

    Module1& m;
    Lacze& m_lacze;
    Etap m_etap = Etap::Brak;
    double m_postep = 0;
    QString m_etykieta;
    ZgodneOdpowiedzi m_zgodne;
    Konfiguracja m_pobierany;              // the download's own image until it is complete
    std::array<QByteArray, 41> m_doZapisu; // the upload's data, step 60 first
    QByteArray m_odczytane;                // the panel's memory as read back, by address
    QList<int> m_odczyty;                  // read-back reads still to do, current first
    int m_wszystkichOdczytow = 0;
    QList<int> m_poprawki;    // writes still to repeat, current first
    QList<int> m_przepisane;  // writes repeated in this round
    QSet<int> m_potwierdzone; // writes the read-back found in place
    int m_runda = 0;
    bool m_koniecZalegly = false;
};

} // namespace zr05
