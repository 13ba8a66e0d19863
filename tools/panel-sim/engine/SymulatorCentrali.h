#pragma once
// The panel, free of I/O. Bytes from the PC go in with the time they arrived; the bytes the
// panel sends come out stamped with the time they have fully reached the other end. The clock
// is the caller's: doCzasu() runs everything due up to a time, nastepneZdarzenie() tells when
// the panel next wants to act. Times are in microseconds from an arbitrary start.
//
// One cycle: poll; the answer is awaited a bounded time (so a silent PC leaves a pause on the
// line, in which its receiver drops half-received frames); an answer carrying 0x08 gets a
// request slot, whose request is again awaited a bounded time and then served. While the
// answers carry 0x20 the clock, status frames and event messages follow each cycle.

#include "ArchiwumCentrali.h"
#include "KodyDostepu.h"
#include "PamiecCentrali.h"
#include "Pomiary.h"
#include "ScenariuszOnLine.h"
#include "Usterki.h"
#include "link/SladLacza.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace zr05
{

struct UstawieniaSymulatora {
    int okresPollMs = 250;           // from one poll to the next while idle
    int czasNaOdpowiedzMs = 120;     // wait for the first byte of an answer or request
    int przerwaWRamceMs = 50;        // silence inside a PC frame that abandons it
    std::int64_t czasBajtuUs = 4583; // 11 bits at 2400 bit/s; 0 = instant
    int krokScenariuszaOdMs = 4000;  // on-line events come this often ...
    int krokScenariuszaDoMs = 12000; // ... to this often
    int dniArchiwum = 21;
    std::uint64_t ziarno = 1; // scenario and archive
    QDateTime zegar;          // panel clock at time 0; invalid = a fixed demo date
    KodyDostepu kody;
    int pomijaneKody = 0; // the first code frames go unanswered (a panel slow to check a code)
    UstawieniaUsterek usterki;
    std::optional<Konfiguracja> konfiguracja; // none = the demo office
};

struct BajtNaLinii {
    std::int64_t czasUs; // when the byte has fully arrived at the PC
    Bajt bajt;
};

struct LicznikiSymulatora {
    int polle = 0;
    int odpowiedzi = 0;     // valid poll answers
    int brakOdpowiedzi = 0; // polls not answered in time
    int sloty = 0;
    int brakZadania = 0; // slots without a request in time
    int odczyty = 0;
    int zapisy = 0;
    int kody = 0;
    int archiwum = 0;
    int koniecProgramowania = 0;
    int zlaSuma = 0;   // PC frames with a bad checksum
    int nieznane = 0;  // requests with an unknown code
    int obciete = 0;   // reads or writes clipped at 0xFFFF or at the frame size
    int odrzucone = 0; // requests that cannot be served (e.g. read of 0 bytes)
    int porzucone = 0; // PC frames cut off by silence
    int zbedne = 0;    // PC bytes outside any expected frame
    int ramkiOnLine = 0;
};

class SymulatorCentrali
{
public:
    static constexpr std::int64_t Nigdy = std::numeric_limits<std::int64_t>::max();
    static constexpr int NajdluzszyOdczyt = 1098; // the PC's receive buffer holds 1101 bytes

    explicit SymulatorCentrali(const UstawieniaSymulatora& u = {});

    // --- driving ---
    void odbierz(Bajt b, std::int64_t terazUs);
    void doCzasu(std::int64_t terazUs);
    std::int64_t nastepneZdarzenie() const;
    // Takes the bytes produced so far (their times may lie ahead of the clock).
    std::vector<BajtNaLinii> pobierzWyjscie();

    // --- faults ---
    // No polls, no answers, no frames for this long from `odUs` on (the link is lost).
    void zamilknij(std::int64_t odUs, int ms);
    Usterki& usterki() { return m_usterki; }

    // --- state ---
    PamiecCentrali& pamiec() { return m_pamiec; }
    const PamiecCentrali& pamiec() const { return m_pamiec; }
    ArchiwumCentrali& archiwum() { return m_archiwum; }
    const ScenariuszOnLine& scenariusz() const { return m_scenariusz; }
    const LicznikiSymulatora& liczniki() const { return m_liczniki; }
    const Pomiary& pomiary() const { return m_pomiary; }
    const UstawieniaSymulatora& ustawienia() const { return m_u; }
    QDateTime zegar(std::int64_t terazUs) const;
    bool onLine() const { return m_onLine; }
    // Lays a configuration into memory and lets the scenario play in it.
    void wpiszKonfiguracje(const Konfiguracja& k);

    using Dziennik = std::function<void(const QString&)>;
    void ustawDziennik(Dziennik d) { m_dziennik = std::move(d); }
    // The trace of the line as the panel sees it: what it sent, what the line made of it,
    // and what its receiver did with the PC's bytes.
    void ustawSlad(Slad s) { m_slad = std::move(s); }
    // Called when a poll went unanswered (the CLI flushes stale bytes then).
    void ustawPrzyBrakuOdpowiedzi(std::function<void()> f) { m_przyBrakuOdpowiedzi = std::move(f); }

private:
    enum class Faza { Przerwa, CzekaNaOdpowiedz, CzekaNaZadanie, Cisza };

    void wyslij(const QByteArray& ramka, RodzajNadania rodzaj, std::int64_t teraz);
    void wyslijPoll(std::int64_t teraz);
    void koniecCyklu(std::int64_t teraz);
    void ramkaOdPc(const QByteArray& r, std::int64_t teraz);
    void odpowiedzNaPoll(Bajt kod, std::int64_t teraz);
    void zadanie(const QByteArray& r, std::int64_t teraz);
    void odczyt(const QByteArray& r, std::int64_t teraz);
    void zapis(const QByteArray& r);
    void kod(const QByteArray& r, std::int64_t teraz);
    void archiwumZadanie(const QByteArray& r, std::int64_t teraz);
    void koniecProgramowania();
    void onLineWlaczony(std::int64_t teraz);
    void wyslijOnLine(std::int64_t teraz);
    int dlugoscZadania(Bajt kod) const;
    void log(const QString& tekst);
    void odbierzZLinii(Bajt b, std::int64_t teraz);
    void sladuj(bool doCentrali, const QByteArray& bajty, LosBajtow los, std::int64_t czas);
    void sladujPozaRamka(Bajt b, std::int64_t teraz);
    void zamknijPozaRamka();
    void zakonczTransfer(std::int64_t teraz);

    UstawieniaSymulatora m_u;
    PamiecCentrali m_pamiec;
    ArchiwumCentrali m_archiwum;
    ScenariuszOnLine m_scenariusz;
    Usterki m_usterki;
    Losowanie m_los;
    Pomiary m_pomiary;
    LicznikiSymulatora m_liczniki;
    Dziennik m_dziennik;
    Slad m_slad;
    QByteArray m_pozaRamka;
    std::int64_t m_czasPozaRamka = 0;
    int m_pominieteKody = 0;
    std::function<void()> m_przyBrakuOdpowiedzi;

    std::vector<BajtNaLinii> m_wyjscie;
    std::int64_t m_liniaWolna = 0; // when the panel's transmitter is free
    std::int64_t m_teraz = 0;

    Faza m_faza = Faza::Przerwa;
    std::int64_t m_nastepnyPoll = 0;
    std::int64_t m_poczatekPolla = 0;
    std::int64_t m_koniecPolla = 0;
    std::int64_t m_termin = Nigdy; // end of the current wait
    std::int64_t m_koniecCiszy = 0;

    QByteArray m_odb; // PC frame being received
    int m_dlugoscOdb = 0;
    std::int64_t m_ostatniOdb = 0;
    bool m_pierwszyBajtOdpowiedzi = false;

    bool m_onLine = false;
    std::vector<QByteArray> m_doWyslania; // on-line frames waiting for the end of the cycle
    std::int64_t m_nastepnyKrok = Nigdy;
    qint64 m_ostatniaMinuta = -1;

    std::int64_t m_poczatekTransferu = -1;
    QString m_rodzajTransferu;
    std::int64_t m_koniecBlokady = Nigdy;
};

} // namespace zr05
