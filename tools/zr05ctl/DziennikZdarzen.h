#pragma once
// The event log file of the monitor: lines appended and flushed one at a time, the file
// opened again on request (after logrotate has moved it away).

#include <QFile>
#include <QString>

namespace zr05::ctl
{

class DziennikZdarzen
{
public:
    explicit DziennikZdarzen(const QString& sciezka) : m_plik(sciezka) {}

    // Opens (again); false with the reason in blad().
    bool otworz();
    // Appends one line (its "\n" included) and flushes it to the system.
    bool pisz(const QString& linia);
    QString blad() const;

private:
    QFile m_plik;
};

} // namespace zr05::ctl
