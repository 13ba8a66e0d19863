#pragma once
// A link engine wired to a byte log and a hand-driven clock, played by short scripts.

#include "Module1.h"
#include "link/Lacze.h"
#include "link/Ramka.h"

#include <QByteArray>
#include <QStringList>
#include <QTest>

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

    // Bytes arriving back to back (one byte time, 5 ms, apart).
    void odbierz(const QByteArray& b)
    {
        for (char c : b) {
            czas += 5;
            lacze.Inter(Bajt(c), czas);
        }
    }
    void pauza(qint64 ms) { czas += ms; }
    // Takes what was sent since the last call.
    QByteArray odbierzWyslane() { return std::exchange(wyslane, {}); }

    // Plays a script of blank-separated steps: "37 44 85" bytes, P a poll, S a slot, K<n> a read
    // answer of n bytes (0x30, 0x31, ...), #X / !X a status frame X with a good / bad sum,
    // X<n> n bytes 0x55, +<ms> a pause, T a tick, N the on-line view on, =<k> operation code k,
    // | forget what was sent so far.
    void graj(const QString& skrypt)
    {
        for (const QString& t : skrypt.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const char c = t[0].toLatin1();
            const int n = t.mid(1).toInt();
            if (t.size() == 2 && isxdigit(c) && isxdigit(t[1].toLatin1()))
                odbierz(QByteArray::fromHex(t.toLatin1()));
            else if (t == QLatin1String("P"))
                odbierz(poll());
            else if (t == QLatin1String("S"))
                odbierz(slot());
            else if (t == QLatin1String("T"))
                lacze.tick();
            else if (t == QLatin1String("N"))
                m.ustawOnLine(true);
            else if (t == QLatin1String("|"))
                wyslane.clear();
            else if (c == '+')
                pauza(n);
            else if (c == '=')
                m.KodOperacji = Bajt(n);
            else if (c == 'K')
                odbierz(odczytK(n));
            else if (c == 'X')
                odbierz(QByteArray(n, char(0x55)));
            else if (c == '#' || c == '!')
                odbierz(ramkaStanu(t[1].toLatin1(), c == '!'));
            else
                qFatal("unknown script step %s", qPrintable(t));
        }
    }

    static QByteArray poll() { return QByteArray::fromHex("374485"); }
    static QByteArray slot() { return QByteArray::fromHex("374B7E"); }
    static QByteArray odczytK(int dlugosc)
    {
        QByteArray r("\x37\x6B");
        for (int i = 0; i < dlugosc; ++i)
            r.append(char(0x30 + i));
        return ramka::zSuma(r);
    }
    static QByteArray ramkaStanu(char litera, bool zlaSuma = false, char wypelnienie = 0x11)
    {
        QByteArray r = ramka::zSuma(QByteArray(1, litera) + QByteArray(10, wypelnienie));
        r[11] = char(r[11] + zlaSuma);
        return r;
    }
    static QByteArray bajty(std::initializer_list<int> b)
    {
        QByteArray a;
        for (int x : b)
            a.append(char(x));
        return a;
    }
};

// A table of structs as test rows: one column "i", the index; each row named by its `nazwa`.
template <typename T, size_t N> void wierszeTabeli(const T (&tabela)[N])
{
    QTest::addColumn<int>("i");
    for (size_t i = 0; i < N; ++i)
        QTest::newRow(tabela[i].nazwa) << int(i);
}
// The current row of that table.
template <typename T, size_t N> const T& wiersz(const T (&tabela)[N])
{
    QFETCH(int, i);
    return tabela[i];
}

} // namespace zr05
