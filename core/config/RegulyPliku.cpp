#include "RegulyPliku.h"
#include "PlikKonfiguracji.h"

#include <QDir>
#include <QFileInfo>

namespace zr05
{

bool maRozszerzenieVor(const QString& nazwa)
{
    return nazwa.endsWith(QStringLiteral(".vor"), Qt::CaseSensitive);
}

QString sciezkaPliku(const QString& katalog, const QString& nazwa)
{
    const QString k = QDir::toNativeSeparators(katalog);
    if (k.endsWith(QDir::separator()))
        return k + nazwa;
    return k + QDir::separator() + nazwa;
}

std::optional<QString> bladNazwyPliku(const QString& nazwa)
{
    if (!nazwa.contains(QLatin1Char('/')) && !nazwa.contains(QLatin1Char('\\')) &&
        !nazwa.contains(QStringLiteral("..")))
        return std::nullopt;
    return QStringLiteral("Nazwa pliku <%1> jest nieprawidłowa: nie może zawierać znaków \"/\", "
                          "\"\\\" ani \"..\". Wpisz samą nazwę pliku, a dysk i katalog wybierz "
                          "z list poniżej.")
        .arg(nazwa);
}

std::optional<QString> pytanieODlugosc(const QString& sciezka)
{
    const QFileInfo plik(sciezka);
    if (!plik.isFile() || plik.size() <= DlugoscPlikuKonfiguracji)
        return std::nullopt;
    return QStringLiteral("Plik ma %1 bajtów, a plik konfiguracji %2. Czytać mimo to?")
        .arg(plik.size())
        .arg(DlugoscPlikuKonfiguracji);
}

} // namespace zr05
