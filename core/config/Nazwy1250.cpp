#include "Nazwy1250.h"
#include "Konfiguracja.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace zr05
{

namespace
{
// Characters of bytes 0x80..0xFF; bytes 0x00..0x7F are the same code points. The five bytes
// the code page leaves undefined stand for the control characters of the same number, so every
// byte value has a character and comes back unchanged.
constexpr std::array<char16_t, 128> GornaPolowa = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, //
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, //
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, //
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, //
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, //
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, //
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, //
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, //
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, //
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, //
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, //
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, //
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, //
};

// The upper half sorted by character, for the way back.
constexpr auto Odwrotna = [] {
    std::array<std::pair<char16_t, unsigned char>, 128> t{};
    for (int i = 0; i < 128; ++i)
        t[i] = {GornaPolowa[i], static_cast<unsigned char>(0x80 + i)};
    std::sort(t.begin(), t.end());
    return t;
}();

QChar znak1250(unsigned char bajt)
{
    return bajt < 0x80 ? QChar(bajt) : QChar(GornaPolowa[bajt - 0x80]);
}

std::optional<char> bajtZnaku(QChar z)
{
    const char16_t u = z.unicode();
    if (u < 0x80)
        return char(u);
    const auto it = std::lower_bound(Odwrotna.begin(), Odwrotna.end(),
                                     std::pair<char16_t, unsigned char>{u, 0});
    if (it == Odwrotna.end() || it->first != u)
        return std::nullopt;
    return char(it->second);
}
} // namespace

QByteArray nazwaNaBajty(const QString& nazwa)
{
    QByteArray b(Konfiguracja::DlugoscNazwy, ' ');
    const QString n = nazwa.left(Konfiguracja::DlugoscNazwy);
    for (int i = 0; i < n.size(); ++i)
        b[i] = bajtZnaku(n[i]).value_or('?');
    return b;
}

QString nazwaZBajtow(const QByteArray& bajty)
{
    QString n(bajty.size(), QChar());
    for (int i = 0; i < bajty.size(); ++i)
        n[i] = znak1250(static_cast<unsigned char>(bajty[i]));
    return n;
}

bool nazwaDaSieZapisac(const QString& nazwa)
{
    return std::all_of(nazwa.begin(), nazwa.end(),
                       [](QChar z) { return bajtZnaku(z).has_value(); });
}

} // namespace zr05
