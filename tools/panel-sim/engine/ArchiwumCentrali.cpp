#include "ArchiwumCentrali.h"

#include <algorithm>
#include <tuple>

namespace zr05
{

namespace
{

// Event codes (128 + index of the event texts) and alarm codes the generator uses.
enum : Bajt {
    ZdInstalator = 128,
    ZdUzbrStrU = 132,
    ZdRozbStrU = 140,
    ZdKontrolaStraz = 143,
    ZdZmianaKodu = 144,
    ZdAutoUzbr = 153,
    ZdKasAlarmuU = 161,
    ZdZmianaCzasu = 165,
};
enum : Bajt {
    AlLinia = 0,
    AlSiec = 3,
    AlSiecOk = 4,
    AlSabKlaw = 7,
    AlKontrolaStraz = 10,
    AlSabLinia = 14,
    AlPolicja = 15,
};

int strefaLinii(const Konfiguracja& k, int n)
{
    for (int z = 1; z <= Konfiguracja::LiczbaStref; ++z)
        if (k.Linie[n][11 + z] != 0)
            return z;
    return 0;
}

struct Wpis {
    int typ;
    QDateTime kiedy;
    Bajt kod, p1, p2;
};

} // namespace

void ArchiwumCentrali::generuj(const QDateTime& teraz, int dni, const Konfiguracja& k,
                               Losowanie& los)
{
    std::vector<int> linieWStrefach;
    for (int n = 1; n <= Konfiguracja::LiczbaLinii; ++n)
        if (strefaLinii(k, n) != 0)
            linieWStrefach.push_back(n);
    std::vector<int> strefy;
    for (int z = 1; z <= Konfiguracja::LiczbaStref; ++z)
        if (std::any_of(k.Strefy[z].begin(), k.Strefy[z].begin() + 10, [](Bajt b) { return b; }))
            strefy.push_back(z);
    if (strefy.empty())
        strefy.push_back(1);

    for (int d = dni; d >= 1; --d) {
        const QDate dzien = teraz.date().addDays(-d);
        const auto o = [&](int h, int m) {
            return QDateTime(dzien, QTime(h, m), teraz.timeSpec());
        };
        std::vector<Wpis> w;
        const bool roboczy = dzien.dayOfWeek() <= 5;
        if (roboczy) {
            const int uzytkownik = los.zakres(1, 4);
            const int rano = los.zakres(7 * 60 + 20, 8 * 60 + 15);
            for (size_t i = 0; i < strefy.size(); ++i)
                w.push_back({Zdarzenia, o(0, 0).addSecs(60 * (rano + int(i))), ZdRozbStrU,
                             Bajt(strefy[i]), Bajt(uzytkownik)});
            const int wieczor = los.zakres(16 * 60 + 30, 18 * 60 + 40);
            for (size_t i = 0; i < strefy.size(); ++i)
                w.push_back({Zdarzenia, o(0, 0).addSecs(60 * (wieczor + int(i))), ZdUzbrStrU,
                             Bajt(strefy[i]), Bajt(los.zakres(1, 4))});
        } else {
            w.push_back({Zdarzenia, o(21, 30), ZdAutoUzbr, Bajt(strefy.front()), 0});
        }
        if (los.szansa(0.85))
            w.push_back({Zdarzenia, o(22, los.zakres(0, 4)), ZdKontrolaStraz, 1, 0});
        else
            w.push_back({Alarmy, o(22, 6), AlKontrolaStraz, 1, 0});
        if (los.szansa(0.1))
            w.push_back(
                {Zdarzenia, o(10, los.zakres(0, 59)), ZdZmianaKodu, Bajt(los.zakres(1, 4)), 0});
        if (los.szansa(0.05)) {
            w.push_back({Zdarzenia, o(12, los.zakres(0, 29)), ZdInstalator, 0, 0});
            w.push_back({Zdarzenia, o(12, los.zakres(30, 59)), ZdZmianaCzasu, 0, 0});
        }
        if (!linieWStrefach.empty() && los.szansa(0.25)) {
            const int n = linieWStrefach[size_t(los.zakres(0, int(linieWStrefach.size()) - 1))];
            const int h = los.zakres(0, 5), m = los.zakres(0, 50);
            if (los.szansa(0.7))
                w.push_back({Alarmy, o(h, m), AlLinia, Bajt(strefaLinii(k, n)), Bajt(n)});
            else
                w.push_back({Alarmy, o(h, m), AlSabLinia, Bajt(n), 0});
            w.push_back({Zdarzenia, o(h, m + 5), ZdKasAlarmuU, Bajt(los.zakres(1, 4)), 0});
        }
        if (los.szansa(0.1)) {
            const int h = los.zakres(0, 20);
            w.push_back({Alarmy, o(h, 10), AlSiec, 0, 0});
            w.push_back({Alarmy, o(h + 1, los.zakres(0, 59)), AlSiecOk, 0, 0});
        }
        if (los.szansa(0.05))
            w.push_back({Alarmy, o(13, los.zakres(0, 59)), AlSabKlaw, Bajt(los.zakres(1, 2)), 0});
        if (los.szansa(0.03))
            w.push_back({Alarmy, o(15, los.zakres(0, 59)), AlPolicja, 1, 0});
        std::stable_sort(w.begin(), w.end(),
                         [](const Wpis& a, const Wpis& b) { return a.kiedy < b.kiedy; });
        for (const auto& x : w)
            dodaj(x.typ, x.kiedy, x.kod, x.p1, x.p2);
    }
}

void ArchiwumCentrali::dodaj(int typ, const QDateTime& kiedy, Bajt kod, Bajt p1, Bajt p2)
{
    auto& tabela = typ == Alarmy ? m_alarmy : m_zdarzenia;
    const QDate d = kiedy.date();
    const QTime t = kiedy.time();
    tabela.push_back({Bajt(d.year() % 100), Bajt(d.month()), Bajt(d.day()), Bajt(t.hour()),
                      Bajt(t.minute()), kod, p1, p2});
    if (tabela.size() > Pojemnosc) {
        tabela.erase(tabela.begin());
        if (m_typ == typ && m_pozycja > 0)
            --m_pozycja;
    }
}

const std::vector<RekordArchiwum>& ArchiwumCentrali::rekordy(int typ) const
{
    return typ == Alarmy ? m_alarmy : m_zdarzenia;
}

QByteArray ArchiwumCentrali::start(int typ, int dzien, int miesiac, int rok)
{
    m_typ = typ == Zdarzenia || typ == Alarmy ? typ : 0;
    m_pozycja = 0;
    if (m_typ != 0) {
        const auto& t = rekordy(m_typ);
        const auto szukana = std::make_tuple(rok, miesiac, dzien);
        while (m_pozycja < t.size() && std::make_tuple(int(t[m_pozycja][0]), int(t[m_pozycja][1]),
                                                       int(t[m_pozycja][2])) < szukana)
            ++m_pozycja;
    }
    return porcja();
}

QByteArray ArchiwumCentrali::dalej()
{
    return porcja();
}

QByteArray ArchiwumCentrali::porcja()
{
    QByteArray b(RekordowWRamce * 8, char(Koniec));
    if (m_typ == 0)
        return b;
    const auto& t = rekordy(m_typ);
    for (int r = 0; r < RekordowWRamce && m_pozycja < t.size(); ++r, ++m_pozycja)
        std::copy(t[m_pozycja].begin(), t[m_pozycja].end(), b.begin() + 8 * r);
    // When the last records fill a whole answer, the end record comes with the next request.
    return b;
}

} // namespace zr05
