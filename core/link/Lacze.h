#pragma once
// The panel link engine, free of I/O: bytes come in through Inter() together with the time
// they arrived, frames go out through a sink, and tick() is the one-second timer.

#include "Module1.h"
#include "link/Ramka.h"
#include "link/SladLacza.h"

#include <QByteArray>
#include <QObject>
#include <array>
#include <functional>

namespace zr05
{

class Lacze : public QObject
{
    Q_OBJECT
public:
    // A pause longer than about 20 byte times inside a frame abandons the frame, so the
    // receiver finds the frame boundaries again after a lost or an extra byte.
    static constexpr qint64 CiszaPorzucajacaRamke = 90; // ms

    using Ujscie = std::function<void(const QByteArray&)>;
    // The data area of the write of an upload step (60..100).
    using DaneZapisu = std::function<QByteArray(int kod)>;

    explicit Lacze(Module1& m, QObject* parent = nullptr);

    void ustawUjscie(Ujscie u) { m_ujscie = std::move(u); }
    // Where upload writes take their data; without it, from the image.
    void ustawDaneZapisu(DaneZapisu d) { m_daneZapisu = std::move(d); }
    // Every frame sent and every byte received, with what the receiver did with it.
    void ustawSlad(Slad s) { m_slad = std::move(s); }

    // One received byte; `terazMs` is a monotonic time in milliseconds.
    void Inter(Bajt b, qint64 terazMs);
    void odbierz(const QByteArray& bajty, qint64 terazMs);
    // Timer1: the second's work of the operations (sekunda()), link watchdog, panel clock.
    void tick();

    // Sends BuforNad[0 .. DlugoscNad-2] and the checksum.
    void Wyslij();
    // SumaOdb := sum of the frame being received, modulo 256.
    void LiczXOR();

    // The receive and send buffers, readable for the views and tests.
    const std::array<Bajt, ramka::RozmiarBufora>& buforNad() const { return BuforNad; }
    const std::array<Bajt, ramka::RozmiarBufora>& ramka(int rodzaj) const { return Ramki[rodzaj]; }
    int rodzajRamki() const { return RodzajRamki; }
    // The length of the read that is waiting for its 'k' answer, 0 when none is.
    int oczekiwanyOdczyt() const { return m_dlugoscOdczytu; }

signals:
    void rekordyArchiwum(const QByteArray& ramka); // valid 'l' frame, 131 bytes
    void odpowiedzKodu(zr05::Bajt dostep);         // valid 'L' frame: the access byte
    // Valid 'k' answer to the read of operation `kod`, delivered only while that operation is
    // still current. The link itself moves on only from the access block reads (41, 42); the
    // configuration reads are moved on by the transfer that owns them.
    void daneOdczytu(int kod, const QByteArray& dane);
    void komunikat(const QByteArray& ramka); // valid '@' frame
    void ramkaStanu(int rodzaj);             // valid 'A'(1), 'B'(2), 'C'(3) or 'D'(6) frame stored
    // The request of this operation went out at a slot. The link moves on only from the
    // block writes (43, 44), the end frame (101) and the archive start (45, 46); the rest is
    // up to the operation.
    void zadanieWyslane(int kod);
    void przedOdpowiedzia(); // a poll came: a pending operation may still be set for its answer
    void odpytany();         // a poll was answered
    void sekunda();          // first thing at every tick

private:
    void ramkaKompletna();
    void obsluzPoll();
    void zapomnijKodPoZmianie();
    void obsluzSlot();
    void obsluzDaneOdczytu();
    void obsluzKomunikat();
    void resetOdbiornika();
    int zbudujZadanie(int kod);
    void sladuj(bool doCentrali, const QByteArray& bajty, LosBajtow los);
    void sladujOdebrane(LosBajtow los);
    void zamknijBajtyPozaRamka();

    Module1& m;
    Ujscie m_ujscie;
    DaneZapisu m_daneZapisu;
    Slad m_slad;
    QByteArray m_pozaRamka; // stray bytes not yet traced
    qint64 m_czasPozaRamka = 0;

    std::array<Bajt, ramka::RozmiarBufora> BuforNad{};
    qint16 DlugoscNad = 0;
    std::array<Bajt, ramka::RozmiarBufora> BuforOdb{};
    qint16 IndeksOdb = 0;
    quint16 RodzajRamki = 0;
    qint16 DlugoscRamki = 0;
    qint32 SumaOdb = 0;
    std::array<std::array<Bajt, ramka::RozmiarBufora>, 7> Ramki{};

    qint64 m_ostatniBajt = 0;
    int m_dlugoscOdczytu = 0; // length of the outstanding read, 0 = none
    int m_kodOdczytu = 0;     // operation whose read is outstanding
};

} // namespace zr05
