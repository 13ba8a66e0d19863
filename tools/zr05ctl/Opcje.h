#pragma once
// Command-line parsing shared by the commands: help in the tool's words, the link options,
// the codes, dates and printout sections.

#include "Wynik.h"

#include "archive/WidokArchiwum.h"
#include "print/WydrukKonfiguracji.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <optional>

namespace zr05::ctl
{

class Opcje
{
public:
    // `argumenty`: the command's own arguments, the command name first.
    Opcje(const QString& polecenie, const QString& opis, const QString& argumentyPozycyjne = {});

    void dodaj(const QCommandLineOption& o) { m_p.addOption(o); }
    // The options every command on the panel takes: --port, --code, --timeout.
    void dodajLacze(bool instalator);

    // Parses; a result means the command ends with it (help shown, bad usage reported).
    std::optional<Wynik> przetworz(const QStringList& argumenty, int pozycyjnych);

    const QCommandLineParser& p() const { return m_p; }
    QString wartosc(const QString& nazwa) const { return m_p.value(nazwa); }
    bool jest(const QString& nazwa) const { return m_p.isSet(nazwa); }
    QStringList pozycyjne() const { return m_p.positionalArguments(); }
    QString pomoc() const;

    // The time limit in seconds (validated by przetworz).
    int limit() const { return m_p.value(QStringLiteral("timeout")).toInt(); }
    // The user's (or the installer's) code: option, else environment, else typed on the
    // terminal without echo. Never written anywhere.
    std::optional<QString> kod(bool instalator, Wynik& blad) const;

private:
    QString m_polecenie;
    QString m_argumenty;
    QCommandLineParser m_p;
    bool m_lacze = false;
};

// "2025-03-17", "2025-03-17 08:30" or "2025-03-17T08:30", years 2000..2099.
std::optional<KluczCzasu> czytajDate(const QString& tekst);

// Comma-separated section names (see nazwySekcji); nothing when one is unknown.
std::optional<WyborSekcji> czytajSekcje(const QStringList& wartosci);
QString nazwySekcji();

} // namespace zr05::ctl
