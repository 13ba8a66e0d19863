#pragma once
// A pseudo-terminal pair for serial tests: the program opens the slave by its path, the
// test plays the panel on the master side.

#include <QByteArray>
#include <QString>

namespace zr05
{

class Pty
{
public:
    Pty();
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    bool gotowy() const { return m_master >= 0; }
    const QString& sciezkaSlave() const { return m_sciezka; }
    int slaveFd() const { return m_slave; }

    void pisz(const QByteArray& bajty);
    // Reads from the master until `ile` bytes arrived or `limitMs` passed, handling the
    // program's events meanwhile (the serial port lives on this thread).
    QByteArray czytaj(int ile, int limitMs);
    // Hangs up the line as an unplugged adapter would.
    void zamknijMaster();

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_sciezka;
};

} // namespace zr05
