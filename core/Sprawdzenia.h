#pragma once
// The access checks the commands make before they act. Each returns the refusal to show,
// or nothing when the command may go on.

#include <QString>
#include <optional>

namespace zr05
{

class Module1;

// A user or supervisor is logged in (archive windows).
std::optional<QString> sprawdzUzytkownika(const Module1& m);
// The installer is logged in (configuration download and upload).
std::optional<QString> sprawdzInstalatora(const Module1& m);
// The link is present: the watchdog has not found it lost (login).
std::optional<QString> sprawdzPolaczenie(const Module1& m);
// A configuration is loaded (editors).
std::optional<QString> sprawdzKonfiguracje(const Module1& m);

} // namespace zr05
