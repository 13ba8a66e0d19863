#pragma once
// Naming rules of configuration files, shared by the file window and its tests.

#include <QString>

namespace zr05
{

// The listing pattern; the platform may match it without regard to case.
inline const QString WzorPlikowKonfiguracji = QStringLiteral("*.vor");

// The exact test: the last four characters are ".vor", in lower case.
bool maRozszerzenieVor(const QString& nazwa);

// Directory and bare name joined with the platform's separator; a root that already ends with
// the separator gets no second one.
QString sciezkaPliku(const QString& katalog, const QString& nazwa);

} // namespace zr05
