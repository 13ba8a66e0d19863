#pragma once
// The commands of zr05ctl. Each takes its own arguments (the command name not included) and
// returns how it ended.

#include "Wynik.h"

#include <QStringList>

namespace zr05::ctl
{

Wynik pokaz(const QStringList& argumenty);    // show
Wynik drukuj(const QStringList& argumenty);   // print
Wynik porownaj(const QStringList& argumenty); // diff
Wynik pobierz(const QStringList& argumenty);  // download
Wynik przekaz(const QStringList& argumenty);  // upload
Wynik archiwum(const QStringList& argumenty); // archive
Wynik monitor(const QStringList& argumenty);  // monitor

// The whole command line, the program name first.
int wykonaj(const QStringList& argumenty);

} // namespace zr05::ctl
