#pragma once
// An optional hex trace of the serial line: the frames one end sent and what its receiver did
// with every byte that came in. Off unless asked for; it is how a transfer that "did not work"
// on a user's line gets diagnosed.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <functional>

namespace zr05
{

enum class LosBajtow {
    Wyslane,             // a frame this end sent
    Przyjeta,            // a complete frame with a good checksum
    ZlaSuma,             // a complete frame dropped for its checksum
    PorzuconaPoPrzerwie, // a frame cut short by a pause on the line
    PozaRamka,           // bytes outside any frame, ignored
    Nieoczekiwana,       // a frame that cannot be delimited (an answer nobody asked for)
    ZmienioneNaLinii,    // what the line made of a frame (the simulator's injected faults)
};

struct WpisSladu {
    qint64 czasUs = 0;
    bool doCentrali = true; // direction: PC to panel, or panel to PC
    QByteArray bajty;
    LosBajtow los = LosBajtow::Wyslane;
};

using Slad = std::function<void(const WpisSladu&)>;

// One line: time in seconds, direction, the bytes in hex, what was done with them.
QString tekstWpisu(const WpisSladu& w);

// Appends the trace to a file, a line per entry, flushed as it goes so nothing is lost when
// the program is killed.
class PlikSladu
{
public:
    // False (and the reason in `blad`) when the file cannot be opened for writing.
    bool otworz(const QString& sciezka, const QString& naglowek, QString& blad);
    void zapisz(const WpisSladu& w);
    bool otwarty() const { return m_plik.isOpen(); }

private:
    QFile m_plik;
};

} // namespace zr05
