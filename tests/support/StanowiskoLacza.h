#pragma once
// A link engine wired to a byte log and a hand-driven clock, for the link tests.

#include "Module1.h"
#include "link/Lacze.h"
#include "link/Ramka.h"

#include <QByteArray>
#include <initializer_list>

namespace zr05
{

struct StanowiskoLacza {
    Module1 m;
    Lacze lacze{m};
    QByteArray wyslane;
    qint64 czas = 0;

    StanowiskoLacza()
    {
        lacze.ustawUjscie([this](const QByteArray& b) { wyslane += b; });
    }

    // Bytes arriving back to back (one byte time apart).
    void odbierz(const QByteArray& b)
    {
        for (char c : b) {
            czas += 5;
            lacze.Inter(Bajt(c), czas);
        }
    }
    void odbierz(std::initializer_list<int> b)
    {
        QByteArray a;
        for (int x : b)
            a.append(char(x));
        odbierz(a);
    }
    void pauza(qint64 ms) { czas += ms; }
    // Takes what was sent since the last call.
    QByteArray odbierzWyslane()
    {
        QByteArray w = wyslane;
        wyslane.clear();
        return w;
    }

    static QByteArray poll() { return ramka::zSuma(QByteArray("\x37\x44")); }
    static QByteArray slot() { return ramka::zSuma(QByteArray("\x37\x4B")); }
    static QByteArray bajty(std::initializer_list<int> b)
    {
        QByteArray a;
        for (int x : b)
            a.append(char(x));
        return a;
    }
};

} // namespace zr05
