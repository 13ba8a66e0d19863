#include "Sprawdzenia.h"

#include "Module1.h"

namespace zr05
{

std::optional<QString> sprawdzUzytkownika(const Module1& m)
{
    if (m.zalogowanyUzytkownik())
        return std::nullopt;
    return QStringLiteral("Nie zalogowany użytkownik. Operacja nie może być wykonana.");
}

std::optional<QString> sprawdzInstalatora(const Module1& m)
{
    if (m.zalogowanyInstalator())
        return std::nullopt;
    return QStringLiteral("Nie zalogowany instalator. Operacja nie może być wykonana.");
}

std::optional<QString> sprawdzPolaczenie(const Module1& m)
{
    if (!m.LaczeUtracone)
        return std::nullopt;
    return QStringLiteral("Logowanie niemożliwe - brak połączenia z centralką");
}

std::optional<QString> sprawdzKonfiguracje(const Module1& m)
{
    if (m.KonfigJest != 0)
        return std::nullopt;
    return QStringLiteral("Operacja nie może być wykonana. Przeczytaj konfigurację z centralki "
                          "lub zbioru dyskowego.");
}

} // namespace zr05
