#include "ScenariuszOnLine.h"
#include "DemoInstalacja.h"
#include "link/Ramka.h"

#include <algorithm>
#include <functional>

namespace zr05
{

namespace
{

// Alarm lamps of the 'C' frame.
enum Lampka {
    Napad = 0,
    SabCentrali = 2,
    SabKlawiatury = 3,
    Straznik = 4,
    SabPodcentrali = 6,
    ZanikSieci = 8
};

constexpr Bajt ZanikSieci220 = 220;

} // namespace

void ScenariuszOnLine::ustawInstalacje(const Konfiguracja& k, const QByteArray& nazwyUzytkownika)
{
    m_k = k;
    m_nazwyUzytkownika = nazwyUzytkownika;
    m_istniejace.clear();
    m_strefy.clear();
    for (int n = 1; n <= Konfiguracja::LiczbaLinii; ++n)
        if ((k.Linie[n][2] & 0x0F) != 0)
            m_istniejace.push_back(n);
    for (int z = 1; z <= Konfiguracja::LiczbaStref; ++z)
        if (std::any_of(k.Strefy[z].begin(), k.Strefy[z].begin() + 10, [](Bajt b) { return b; }))
            m_strefy.push_back(z);
    for (int n = 1; n <= Konfiguracja::LiczbaLinii; ++n)
        m_linie[n] =
            calodobowa(n) ? Uzbrojona : (m_uzbrojona[strefaLinii(n)] ? Uzbrojona : Rozbrojona);
}

int ScenariuszOnLine::strefaLinii(int n) const
{
    for (int z = 1; z <= Konfiguracja::LiczbaStref; ++z)
        if (m_k.Linie[n][11 + z] != 0)
            return z;
    return 0;
}

QByteArray ScenariuszOnLine::nazwa(int n) const
{
    return demo::nazwaLinii(m_k.Linie[n][8], m_nazwyUzytkownika);
}

QByteArray ScenariuszOnLine::komunikat(std::initializer_list<int> bajty)
{
    QByteArray b;
    b.append(char(ramka::StartZdarz));
    for (int x : bajty)
        b.append(char(x));
    return ramka::zSuma(b);
}

QByteArray ScenariuszOnLine::ramkaZegara(const QDateTime& z)
{
    const QDate d = z.date();
    const QTime t = z.time();
    return komunikat({193, d.year() % 100, d.month(), d.day(), t.hour(), t.minute(), t.second()});
}

QByteArray ScenariuszOnLine::ramkaStanu(char rodzaj) const
{
    QByteArray b(11, '\0');
    b[0] = rodzaj;
    auto bit = [&b](int start, int m) {
        b[start + (m - 1) / 8] = char(b[start + (m - 1) / 8] | (1 << ((m - 1) % 8)));
    };
    if (rodzaj == 'A' || rodzaj == 'B') {
        const int pierwsza = rodzaj == 'A' ? 1 : 41;
        for (int i = 0; i < 40; ++i) {
            const int s = m_linie[pierwsza + i];
            if (s & 1)
                bit(1, i + 1);
            if (s & 2)
                bit(6, i + 1);
        }
    } else if (rodzaj == 'C') {
        for (int z : m_strefy)
            if (m_uzbrojona[z])
                bit(1, z);
        for (int i = 0; i < 10; ++i)
            if (m_alarmy[i])
                bit(8, i + 1);
    } else if (rodzaj == 'D') {
        for (int n : m_istniejace)
            bit(1, n);
    }
    return ramka::zSuma(b);
}

int ScenariuszOnLine::stanSystemu() const
{
    const auto ile =
        std::count_if(m_strefy.begin(), m_strefy.end(), [this](int z) { return m_uzbrojona[z]; });
    if (ile == 0)
        return 0;
    return size_t(ile) == m_strefy.size() ? 1 : 2;
}

std::vector<QByteArray> ScenariuszOnLine::obraz(const QDateTime& zegar) const
{
    return {ramkaZegara(zegar), komunikat({73, stanSystemu()}),
            ramkaStanu('D'),    ramkaStanu('A'),
            ramkaStanu('B'),    ramkaStanu('C')};
}

void ScenariuszOnLine::uzbroj(int z, bool tak)
{
    m_uzbrojona[z] = tak;
    for (int n : m_istniejace)
        if (strefaLinii(n) == z && !calodobowa(n) && m_linie[n] <= Uzbrojona)
            m_linie[n] = tak ? Uzbrojona : Rozbrojona;
}

std::vector<QByteArray> ScenariuszOnLine::krok(const QDateTime& zegar, ArchiwumCentrali& archiwum)
{
    const int h = zegar.time().hour(), m = zegar.time().minute();
    const int uzytkownik = m_los.zakres(1, 4);
    std::vector<QByteArray> wynik;
    std::vector<std::pair<int, std::function<void()>>> mozliwe;

    std::vector<int> doUzbrojenia, uzbrojone, czujne, alarmujace;
    for (int z : m_strefy) {
        if (m_uzbrojona[z]) {
            uzbrojone.push_back(z);
            continue;
        }
        bool zalezneUzbrojone = true;
        for (int d = 1; d < z; ++d)
            if (wZbiorze(m_k.Strefy[z], 14, d) && !m_uzbrojona[d])
                zalezneUzbrojone = false;
        if (zalezneUzbrojone)
            doUzbrojenia.push_back(z);
    }
    for (int n : m_istniejace) {
        if (m_linie[n] == Uzbrojona)
            czujne.push_back(n);
        if (m_linie[n] >= Sabotaz)
            alarmujace.push_back(n);
    }
    const bool alarmLampki =
        std::any_of(m_alarmy.begin(), m_alarmy.end(), [](bool b) { return b; });
    auto los = [this](const std::vector<int>& v) {
        return v[size_t(m_los.zakres(0, int(v.size()) - 1))];
    };
    auto zmianaStanu = [&](int przed) {
        if (stanSystemu() != przed)
            wynik.push_back(komunikat({73, stanSystemu()}));
    };

    if (!doUzbrojenia.empty())
        mozliwe.push_back({3, [&] {
                               const int z = los(doUzbrojenia), przed = stanSystemu();
                               uzbroj(z, true);
                               archiwum.dodaj(ArchiwumCentrali::Zdarzenia, zegar, 132, Bajt(z),
                                              Bajt(uzytkownik));
                               zmianaStanu(przed);
                           }});
    if (!uzbrojone.empty())
        mozliwe.push_back({2, [&] {
                               const int z = los(uzbrojone), przed = stanSystemu();
                               uzbroj(z, false);
                               archiwum.dodaj(ArchiwumCentrali::Zdarzenia, zegar, 140, Bajt(z),
                                              Bajt(uzytkownik));
                               zmianaStanu(przed);
                           }});
    if (!czujne.empty())
        mozliwe.push_back(
            {2, [&] {
                 const int n = los(czujne), z = strefaLinii(n);
                 m_linie[n] = Alarm;
                 if (m_los.szansa(0.5)) {
                     wynik.push_back(komunikat({1, z, n, h, m}));
                 } else {
                     QByteArray b = komunikat({3, m_k.Linie[n][9], m_k.Linie[n][10], h, m});
                     b.chop(1);
                     wynik.push_back(ramka::zSuma(b + nazwa(n)));
                 }
                 archiwum.dodaj(ArchiwumCentrali::Alarmy, zegar, 0, Bajt(z), Bajt(n));
             }});
    if (!m_istniejace.empty())
        mozliwe.push_back(
            {1, [&] {
                 const int n = los(m_istniejace);
                 m_linie[n] = Sabotaz;
                 QByteArray b = komunikat({4, m_k.Linie[n][9], m_k.Linie[n][10], h, m});
                 b.chop(1);
                 wynik.push_back(ramka::zSuma(b + nazwa(n)));
                 archiwum.dodaj(ArchiwumCentrali::Alarmy, zegar, 14, Bajt(n), 0);
             }});
    mozliwe.push_back(
        {1, [&] {
             struct Zrodlo {
                 int bajt, lampka, alarm, parametr;
             };
             static constexpr Zrodlo Zrodla[] = {
                 {1, SabKlawiatury, 7, 1}, {9, SabPodcentrali, 6, 1}, {36, SabCentrali, 5, 0},
                 {66, Napad, 8, 2},        {81, -1, 15, 1},           {129, Straznik, 10, 1},
             };
             const auto& zr = Zrodla[m_los.zakres(0, 5)];
             if (zr.lampka >= 0)
                 m_alarmy[size_t(zr.lampka)] = true;
             wynik.push_back(komunikat({2, zr.bajt, h, m}));
             archiwum.dodaj(ArchiwumCentrali::Alarmy, zegar, Bajt(zr.alarm), Bajt(zr.parametr), 0);
         }});
    mozliwe.push_back({m_siec ? 1 : 3, [&] {
                           m_siec = !m_siec;
                           m_alarmy[ZanikSieci] = !m_siec;
                           wynik.push_back(komunikat({40, m_siec ? 0 : ZanikSieci220}));
                           archiwum.dodaj(ArchiwumCentrali::Alarmy, zegar, m_siec ? 4 : 3);
                       }});
    if (!alarmujace.empty() || alarmLampki)
        mozliwe.push_back(
            {4, [&] {
                 for (int n : alarmujace)
                     m_linie[n] =
                         calodobowa(n) || m_uzbrojona[strefaLinii(n)] ? Uzbrojona : Rozbrojona;
                 for (size_t i = 0; i < m_alarmy.size(); ++i)
                     if (i != ZanikSieci)
                         m_alarmy[i] = false;
                 wynik.push_back(komunikat({37}));
                 archiwum.dodaj(ArchiwumCentrali::Zdarzenia, zegar, 161, Bajt(uzytkownik));
             }});

    int suma = 0;
    for (const auto& p : mozliwe)
        suma += p.first;
    int r = m_los.zakres(0, suma - 1);
    for (auto& p : mozliwe) {
        if (r < p.first) {
            p.second();
            break;
        }
        r -= p.first;
    }
    wynik.push_back(ramkaStanu('A'));
    wynik.push_back(ramkaStanu('B'));
    wynik.push_back(ramkaStanu('C'));
    return wynik;
}

} // namespace zr05
