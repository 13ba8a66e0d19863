#pragma once
// The program's link engine and a simulated panel joined by the in-process wire: everything a
// test needs to run logins, downloads, uploads and archive transfers in virtual time.

#include "Module1.h"
#include "Przewod.h"
#include "SymulatorCentrali.h"
#include "link/Lacze.h"

#include <QByteArray>
#include <functional>
#include <memory>

namespace zr05
{

struct StanowiskoSymulatora {
    Module1 m;
    Lacze lacze{m};
    SymulatorCentrali sym;
    Przewod przewod;
    int pollOdpowiedziane = 0; // polls the program has answered

    // `szybko`: no byte pacing on either side (the panel's timeouts still hold).
    explicit StanowiskoSymulatora(UstawieniaSymulatora u = {}, bool szybko = false)
        : sym(przygotuj(u, szybko)), przewod(lacze, sym, szybko)
    {
        m.WybranyPort = 1;
        QObject::connect(&lacze, &Lacze::odpytany, [this] { ++pollOdpowiedziane; });
    }

    bool czekaj(const std::function<bool()>& warunek, qint64 maksMs)
    {
        return przewod.runUntil(warunek, maksMs);
    }
    void uplyw(qint64 ms) { przewod.uplyw(ms); }
    // Runs the current operation until KodOperacji is back at 0.
    bool doKonca(qint64 maksMs = 120000)
    {
        return czekaj([this] { return m.KodOperacji == 0; }, maksMs);
    }

private:
    static UstawieniaSymulatora przygotuj(UstawieniaSymulatora u, bool szybko)
    {
        if (szybko)
            u.czasBajtuUs = 0;
        return u;
    }
};

} // namespace zr05
