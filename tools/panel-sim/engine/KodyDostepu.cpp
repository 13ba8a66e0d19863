#include "KodyDostepu.h"

namespace zr05
{

unsigned char KodyDostepu::dostep(const QString& kod, bool zablokowany) const
{
    if (kod.isEmpty())
        return Bledny;
    if (kod == odblokowanie)
        return Odblokowanie;
    if (zablokowany)
        return Bledny;
    if (kod == instalator)
        return Instalator;
    if (kod == nadzorca)
        return Nadzorca;
    if (kod == uzytkownik)
        return Uzytkownik;
    return Bledny;
}

bool KodyDostepu::poprawny(const QString& kod)
{
    if (kod.size() < 4 || kod.size() > 8)
        return false;
    for (QChar c : kod)
        if (c < QChar('0') || c > QChar('9'))
            return false;
    return true;
}

QByteArray spakujKod(const QString& cyfry)
{
    QByteArray b(4, char(0xFF));
    for (int i = 0; i < cyfry.size() && i < 8; ++i) {
        const int v = cyfry[i].unicode() - '0';
        const int przesuniecie = i % 2 == 0 ? 4 : 0;
        auto& x = reinterpret_cast<unsigned char&>(b[i / 2]);
        x = (unsigned char)((x & ~(0xF << przesuniecie)) | ((v & 0xF) << przesuniecie));
    }
    return b;
}

QString rozpakujKod(const QByteArray& bajty)
{
    if (bajty.size() < 4)
        return {};
    QString cyfry;
    for (int i = 0; i < 8; ++i) {
        const int b = static_cast<unsigned char>(bajty[i / 2]);
        const int v = i % 2 == 0 ? b >> 4 : b & 0xF;
        if (v == 0xF)
            break;
        if (v > 9)
            return {};
        cyfry.append(QChar('0' + v));
    }
    return cyfry;
}

} // namespace zr05
