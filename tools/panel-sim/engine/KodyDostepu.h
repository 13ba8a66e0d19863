#pragma once
// The codes the panel accepts and the access byte it answers each with.

#include <QByteArray>
#include <QString>

namespace zr05
{

struct KodyDostepu {
    QString uzytkownik = QStringLiteral("1111");
    QString nadzorca = QStringLiteral("2222");
    QString instalator = QStringLiteral("3333");
    QString odblokowanie = QStringLiteral("9999");

    static constexpr unsigned char Bledny = 0x00;
    static constexpr unsigned char Uzytkownik = 0x20;
    static constexpr unsigned char Nadzorca = 0x40;
    static constexpr unsigned char Instalator = 0x80;
    static constexpr unsigned char Odblokowanie = 0x04;

    // While the block flag is set only the unblock code is accepted.
    unsigned char dostep(const QString& kod, bool zablokowany) const;
    // Checks a code given by the user: 4 to 8 decimal digits.
    static bool poprawny(const QString& kod);
};

// Digits two to a byte, high half first, 0xF after the last digit: "1234" -> 12 34 FF FF.
QByteArray spakujKod(const QString& cyfry);
// The digits of a packed code up to the first 0xF; a half-byte above 9 before it, or fewer
// than 4 bytes, gives an empty text (no code can match it).
QString rozpakujKod(const QByteArray& bajty);

} // namespace zr05
