#include "ObrazZPliku.h"
#include "config/Nazwy1250.h"

#include <QFile>

namespace zr05
{

namespace
{

constexpr int DlugoscPliku = 3626;

class Czytnik
{
public:
    explicit Czytnik(const QByteArray& d) : m_d(d) {}
    Bajt bajt() { return Bajt(m_d[m_i++]); }
    template <typename Tablica> void rekordy(Tablica& t, int ile)
    {
        for (int r = 1; r <= ile; ++r)
            for (auto& b : t[r])
                b = bajt();
    }
    QByteArray bajty(int n)
    {
        const QByteArray b = m_d.mid(m_i, n);
        m_i += n;
        return b;
    }

private:
    const QByteArray& m_d;
    int m_i = 0;
};

} // namespace

std::optional<Konfiguracja> konfiguracjaZBajtowPliku(const QByteArray& dane)
{
    if (dane.size() < DlugoscPliku)
        return std::nullopt;
    Konfiguracja k;
    Czytnik c(dane);
    c.rekordy(k.Linie, Konfiguracja::LiczbaLinii);
    c.rekordy(k.WyjOC, Konfiguracja::LiczbaWyjOC);
    c.rekordy(k.WyjPk, Konfiguracja::LiczbaWyjPk);
    for (int i = 1; i <= 16; ++i)
        k.Urzadzenia[i] = c.bajt();
    k.KodyTajne = c.bajt();
    k.Buzzery = c.bajt();
    k.CzasKodu = c.bajt();
    k.KlawFun = c.bajt();
    k.CzasBlokady = c.bajt();
    c.rekordy(k.Kontrole, Konfiguracja::LiczbaKontroli);
    for (auto& b : k.AutoUzbr)
        b = c.bajt();
    c.rekordy(k.Strefy, Konfiguracja::LiczbaStref);
    for (int n = Konfiguracja::PierwszaNazwaUzytkownika; n < Konfiguracja::LiczbaNazw; ++n)
        k.NazwyLinii[n] = nazwaZBajtow(c.bajty(Konfiguracja::DlugoscNazwy));
    return k;
}

std::optional<Konfiguracja> konfiguracjaZPliku(const QString& sciezka, QString* blad)
{
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly)) {
        if (blad)
            *blad = f.errorString();
        return std::nullopt;
    }
    const auto k = konfiguracjaZBajtowPliku(f.read(DlugoscPliku));
    if (!k && blad)
        *blad = QStringLiteral("shorter than %1 bytes").arg(DlugoscPliku);
    return k;
}

} // namespace zr05
