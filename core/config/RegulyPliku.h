#pragma once
// Naming and length rules of configuration files, shared by the file window and its tests.

#include <QString>
#include <optional>

namespace zr05
{

// The listing pattern; the platform may match it without regard to case.
inline const QString WzorPlikowKonfiguracji = QStringLiteral("*.vor");

// The exact test: the last four characters are ".vor", in lower case.
bool maRozszerzenieVor(const QString& nazwa);

// Directory and bare name joined with the platform's separator; a root that already ends with
// the separator gets no second one.
QString sciezkaPliku(const QString& katalog, const QString& nazwa);

// The name box takes a bare file name: what to tell the user when the text would reach another
// folder ("/", "\\" or ".." in it); nothing for a bare name.
std::optional<QString> bladNazwyPliku(const QString& nazwa);

// A file longer than a configuration is probably something else: the question to ask before
// reading it; nothing for a file of the configuration's length or shorter.
std::optional<QString> pytanieODlugosc(const QString& sciezka);

} // namespace zr05
