#pragma once
// Command-line options of zr05-panel-sim.

#include "SymulatorCentrali.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace zr05
{

struct OpcjeCli {
    UstawieniaSymulatora symulator;
    QString urzadzenie; // empty: a pseudo-terminal
    QString tcpHost;    // with tcpPort: listen there instead (empty host: every address)
    int tcpPort = -1;   // 0: any free port
    QString obraz;      // .vor file to start from
    QString slad;       // hex trace of the line, empty: none
    bool szybko = false;
    bool statystyki = false;
    bool cicho = false;
    int ciszaPoSek = 10; // --silence starts this many seconds after start
    int ciszaSek = 0;
    int upuscBajtPolla = -1; // byte of the first poll after --drop-after to lose
    int upuscPoSek = 5;
};

// Parses the arguments (argv[0] first). Nothing and a message when they are wrong; `--help`
// gives nothing and the help text with `pomoc` set.
std::optional<OpcjeCli> czytajOpcje(const QStringList& argumenty, QString& komunikat, bool& pomoc);

} // namespace zr05
