#include "CzesciKonfiguracji.h"

#include <QStringList>
#include <algorithm>

namespace zr05
{

namespace
{
QString zakres(const char* co, int od, int do_)
{
    return QStringLiteral("%1 %2–%3").arg(QString::fromUtf8(co)).arg(od).arg(do_);
}
} // namespace

QString czescKonfiguracji(int krok)
{
    if (krok >= 60 && krok <= 85)
        return zakres("linie dozorowe", 3 * (krok - 60) + 1, 3 * (krok - 60) + 3);
    if (krok == 86)
        return zakres("linie dozorowe", 79, 80);
    if (krok >= 87 && krok <= 90)
        return zakres("wyjścia OC", 4 * (krok - 87) + 1, 4 * (krok - 87) + 4);
    if (krok == 91)
        return zakres("wyjścia Pk", 1, 2);
    if (krok == 92)
        return QStringLiteral("parametry systemu (sygnalizatory, kody, klawisze funkcyjne, czas "
                              "blokady)");
    if (krok == 93 || krok == 94)
        return zakres("kontrole strażników", 12 * (krok - 93) + 1, 12 * (krok - 93) + 12);
    if (krok == 95)
        return QStringLiteral("automatyczne uzbrajanie stref");
    if (krok == 96 || krok == 97)
        return zakres("strefy", 5 * (krok - 96) + 1, 5 * (krok - 96) + 5);
    if (krok >= 98 && krok <= 100)
        return QStringLiteral("nazwy linii użytkownika");
    return QString();
}

QString listaCzesci(const QList<int>& kroki)
{
    QList<int> posortowane = kroki;
    std::sort(posortowane.begin(), posortowane.end());
    QStringList czesci;
    for (int k : posortowane) {
        const QString c = QStringLiteral("- ") + czescKonfiguracji(k);
        if (!czesci.contains(c))
            czesci << c;
    }
    return czesci.join(u'\n');
}

} // namespace zr05
