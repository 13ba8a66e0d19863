#pragma once
// The terminal side of the tool: output lines, codes typed without echo, the upload question
// and the progress bar on standard error.

#include <QObject>
#include <QString>
#include <optional>

namespace zr05::ctl
{

// Writes UTF-8 text to stdout (or stderr) and flushes, so pipes and logs get whole lines at once.
void wypisz(const QString& tekst);
void wypiszBlad(const QString& tekst);

// Reads a line from the controlling terminal with echo off. Nothing when there is no terminal.
std::optional<QString> czytajUkryte(const QString& zacheta);
// Asks a yes/no question on the terminal; only "t" or "tak" is yes. Nothing without a terminal.
std::optional<bool> zapytaj(const QString& pytanie);

// A bar on standard error, drawn only when standard error is a terminal.
class PasekPostepu : public QObject
{
    Q_OBJECT

public:
    explicit PasekPostepu(const QString& opis);
    ~PasekPostepu();
    void procent(double p);
    // A state without a known end, such as a count of records or "KONIEC".
    void stan(const QString& tekst);
    void zakoncz();

private:
    void rysuj(const QString& stan);
    QString m_opis;
    bool m_aktywny;
    bool m_narysowany = false;
};

} // namespace zr05::ctl
