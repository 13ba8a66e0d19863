#pragma once
// A random configuration in the form the panel keeps it: every field an editor writes holds a
// value that editor could have written, or one its boxes cannot show and must keep (unknown
// type and sensitivity codes, numbers past the lists, records without a zone, names that stand
// twice in the dictionary). Bytes no editor owns are random.

#include "config/Konfiguracja.h"
#include "config/Nazwy1250.h"
#include "tables/NazwyLinii.h"

#include <QRandomGenerator>

namespace zr05
{

inline Konfiguracja losowyObraz(quint32 ziarno)
{
    QRandomGenerator los(ziarno);
    auto bajt = [&] { return Bajt(los.bounded(256)); };
    auto z = [&](std::initializer_list<int> wartosci) {
        return Bajt(*(wartosci.begin() + los.bounded(int(wartosci.size()))));
    };
    auto czasem = [&](int procent) { return los.bounded(100) < procent; };
    Konfiguracja k;
    WpiszNazwyLinii(k.NazwyLinii);

    for (int n = 1; n <= Konfiguracja::LiczbaLinii; ++n) {
        auto& r = k.Linie[n];
        r = {};
        if (czasem(25)) { // never configured: only its number
            r[0] = Bajt(n);
            continue;
        }
        r[0] = Bajt(n);
        const Bajt typ = czasem(10) ? Bajt(los.bounded(16)) : z({1, 2, 4, 8});
        r[2] = Bajt(los.bounded(8) << 4 | typ);
        r[3] = Bajt((czasem(50) ? 0xC0 : 0) | los.bounded(16));
        const bool znany = typ == 1 || typ == 2 || typ == 4 || typ == 8;
        if (typ == 2 && czasem(50)) {
            r[6] = Bajt(1 + los.bounded(255));
            r[7] = Bajt(1 + los.bounded(255));
        } else if (typ == 8) {
            r[4] = Bajt(1 + los.bounded(255));
            r[5] = bajt();
            r[6] = Bajt(1 + los.bounded(255));
            r[7] = Bajt(1 + los.bounded(255));
        } else if (!znany) {
            for (int j = 4; j <= 7; ++j)
                r[j] = bajt();
        }
        if (typ == 1 || !znany)
            for (int j = 22; j < 32; ++j)
                r[j] = bajt();
        r[8] = czasem(40) ? Bajt(224 + los.bounded(32)) : bajt();
        r[9] = czasem(20) ? bajt() : Bajt(los.bounded(100));
        r[10] = czasem(20) ? bajt() : Bajt(los.bounded(100));
        if (!czasem(10)) {
            const int strefa = 1 + los.bounded(Konfiguracja::LiczbaStref);
            r[11 + strefa] = Bajt(strefa);
        }
    }

    auto zdarzenia = [&](auto& r) {
        for (int j = 14; j <= 20; ++j)
            r[j] = bajt();
        r[14] &= 0x03; // events 3..10 have no text and are never kept
        r[15] &= 0xFC;
    };
    for (int n = 1; n <= Konfiguracja::LiczbaWyjOC; ++n) {
        auto& r = k.WyjOC[n];
        for (auto& b : r)
            b = bajt();
        r[2] = z({128, 192});
        if (!czasem(20))
            r[3] = Bajt(los.bounded(10));
        zdarzenia(r);
        r[21] = r[22] = r[23] = 0;
    }
    for (int n = 1; n <= Konfiguracja::LiczbaWyjPk; ++n) {
        auto& r = k.WyjPk[n];
        for (auto& b : r)
            b = bajt();
        r[1] = z({1, 2});
        if (!czasem(20)) {
            r[2] = Bajt(los.bounded(10));
            r[3] = Bajt(los.bounded(10));
        }
        zdarzenia(r);
        r[21] = r[22] = r[23] = 0;
    }

    k.Urzadzenia[0] = bajt();
    for (int n = 1; n <= 8; ++n) {
        k.Urzadzenia[n] = czasem(50) ? Bajt(0x30 + n - 1) : 0;
        k.Urzadzenia[8 + n] = czasem(30) ? Bajt(0x38 + n - 1) : 0;
    }
    k.KodyTajne = z({0, 1});
    k.Buzzery = bajt();
    k.CzasKodu = czasem(20) ? bajt() : Bajt(3 + los.bounded(58));
    k.KlawFun = Bajt(los.bounded(16));
    k.CzasBlokady = czasem(20) ? bajt() : Bajt(1 + los.bounded(99));

    for (int n = 1; n <= Konfiguracja::LiczbaKontroli; ++n) {
        auto& r = k.Kontrole[n];
        for (auto& b : r)
            b = bajt();
        if (czasem(40)) { // a free record
            if (czasem(50))
                r[2] = 24;
            else
                r[0] = 0;
            continue;
        }
        r[0] = Bajt(n);
        r[1] = czasem(10) ? Bajt(1 + los.bounded(255)) : Bajt(1 + los.bounded(8));
        r[2] = czasem(10) ? Bajt(25 + los.bounded(231)) : Bajt(los.bounded(24));
        if (!czasem(10))
            r[3] = Bajt(los.bounded(60));
        r[4] = czasem(10) ? Bajt(1 + los.bounded(255)) : Bajt(1 + los.bounded(10));
        r[6] &= 0x03;
    }

    k.AutoUzbr = {bajt(), bajt(), bajt(), bajt(), Bajt(los.bounded(4))};
    if (!czasem(20)) {
        k.AutoUzbr[0] = Bajt(los.bounded(25));
        k.AutoUzbr[1] = Bajt(los.bounded(60));
        k.AutoUzbr[2] = Bajt(los.bounded(11));
    }

    for (int s = 1; s <= Konfiguracja::LiczbaStref; ++s) {
        auto& r = k.Strefy[s];
        for (auto& b : r)
            b = bajt();
        r[11] = r[12] = r[13] = 0;
        r[14] = s >= 9 ? bajt() : Bajt(los.bounded(1 << (s - 1)));
        r[15] = s == 10 ? Bajt(los.bounded(2)) : 0;
    }

    // User names as a file gives them, 8 characters each; some slots free, some alike.
    for (int i = Konfiguracja::PierwszaNazwaUzytkownika; i < Konfiguracja::LiczbaNazw; ++i) {
        if (czasem(30)) {
            k.NazwyLinii[i] = QStringLiteral("<nn %1>").arg(i);
        } else if (czasem(30)) {
            k.NazwyLinii[i] = QString(8, QLatin1Char(' '));
        } else {
            QByteArray b(8, ' ');
            for (auto& c : b)
                c = char(czasem(80) ? 'A' + los.bounded(26) : 32 + los.bounded(224));
            k.NazwyLinii[i] = nazwaZBajtow(b);
        }
    }
    return k;
}

} // namespace zr05
