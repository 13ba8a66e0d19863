#include "TekstyZdarzen.h"

#include <QStringView>

namespace zr05
{

namespace
{
constexpr QStringView Alarmy[] = {
    u"Str-xx Linia-xx ", // 0
    u"AKUM. - Centr.  ", // 1
    u"AKUM. - Podc-xx ", // 2
    u"AC-220V-Centr.  ", // 3
    u"AC-220V-Cent.-OK", // 4
    u"SABOTAZ-Centr.  ", // 5
    u"SABOTAZ-Podc-xx ", // 6
    u"SABOTAZ-Klaw-xx ", // 7
    u"NAPAD z Klaw-xx ", // 8
    u"P.BRON K-xx U-xx", // 9
    u"KONTR. STRAZ.-xx", // 10
    u"KONIEC          ", // 11
    u"ZASIL MAGISTRALI", // 12
    u"BRAK TRANSMISJI ", // 13
    u"SABOTAZ Linia-xx", // 14
    u"POLICJA z Kl-xx ", // 15
    u"POGOTOWIE Kl-xx ", // 16
    u"STRAZ POZ Kl-xx ", // 17
    u"OCHRONA z Kl-xx ", // 18
    u"P.BRON K-xx N-xx", // 19
    u"P.BRON K-xx Spxx", // 20
    u"P.BRON K-xx Stxx", // 21
};

// Event code 128 + index.
constexpr QStringView Zdarzenia[] = {
    u"INSTALATOR      ", // 0
    u"Uzbr. Ln-xx U-xx", // 1
    u"Uzbr. Ln-xx N-xx", // 2
    u"Uzbr. Ln-xx S-xx", // 3
    u"Uzbr Str-xx U-xx", // 4
    u"Uzbr Str-xx N-xx", // 5
    u"Uzbr Str-xx S-xx", // 6
    u"Odblok. Klaw-xx ", // 7
    u"Zablok. Klaw-xx ", // 8
    u"Rozbr Ln-xx U-xx", // 9
    u"Rozbr Ln-xx N-xx", // 10
    u"Rozbr Ln-xx S-xx", // 11
    u"Rozb Str-xx U-xx", // 12
    u"Rozb Str-xx N-xx", // 13
    u"Rozb Str-xx S-xx", // 14
    u"Kontr. Straz.-xx", // 15
    u"Zmiana kodu U-xx", // 16
    u"Zm. kodu Instal.", // 17
    u"Zm. kodu Odb Kl.", // 18
    u"Zm. kod Straz-xx", // 19
    u"Zm. kodu S-xx   ", // 20
    u"Zm. kodu N-xx   ", // 21
    u"Zm. kodu kas pam", // 22
    u"UZBR. SYST. N-xx", // 23
    u"ROZBR SYST. N-xx", // 24
    u"AUTO UZBR Str-xx", // 25
    u"UZBR. Ln-xxSZYFR", // 26
    u"ROZBR Ln-xxSZYFR", // 27
    u"BLOK. Ln-xx U-xx", // 28
    u"BLOK. Ln-xx N-xx", // 29
    u"ODBL. Ln-xx U-xx", // 30
    u"ODBL. Ln-xx N-xx", // 31
    u"RESET CENTRALI  ", // 32
    u"Kas. Alarmu U-xx", // 33
    u"Kas. Alarmu N-xx", // 34
    u"Kas. Alarmu S-xx", // 35
    u"Kont. Straz. -xx", // 36
    u"Zmiana Czasu    ", // 37
};

struct ZdarzenieWyjscia {
    int numer;
    QStringView tekst;
};
// Numbers 3..10 have no description.
constexpr ZdarzenieWyjscia ZdarzeniaWyjsc[] = {
    {1, u"01 - alarm w dowolnej linii"},
    {2, u"02 - sabotaż w dowolnej linii"},
    {11, u"11 - alarm w strefie nr. 1"},
    {12, u"12 - alarm w strefie nr. 2"},
    {13, u"13 - alarm w strefie nr. 3"},
    {14, u"14 - alarm w strefie nr. 4"},
    {15, u"15 - alarm w strefie nr. 5"},
    {16, u"16 - alarm w strefie nr. 6"},
    {17, u"17 - alarm w strefie nr. 7"},
    {18, u"18 - alarm w strefie nr. 8"},
    {19, u"19 - alarm w strefie nr. 9"},
    {20, u"20 - alarm w strefie nr. 10"},
    {21, u"21 - alarm napadowy [*]i[#]"},
    {22, u"22 - alarm pod przymusem"},
    {23, u"23 - alarm sabotaż centrali"},
    {24, u"24 - alarm sabotaż klawiatury"},
    {25, u"25 - alarm na nieobecność - STRAŻNIK"},
    {26, u"26 - awaria  akumulatora (< 12V)"},
    {27, u"27 - sabotaż podcentrali"},
    {28, u"28 - awaria magistrali klaw."},
    {29, u"29 - brak transmisji"},
    {30, u"30"},
    {31, u"31 - rozbrojenie 1 strefy"},
    {32, u"32 - rozbrojenie 2 strefy"},
    {33, u"33 - rozbrojenie 3 strefy"},
    {34, u"34 - rozbrojenie 4 strefy"},
    {35, u"35 - rozbrojenie 5 strefy"},
    {36, u"36 - rozbrojenie 6 strefy"},
    {37, u"37 - rozbrojenie 7 strefy"},
    {38, u"38 - rozbrojenie 8 strefy"},
    {39, u"39 - rozbrojenie 9 strefy"},
    {40, u"40 - rozbrojenie 10 strefy"},
    {41, u"41 - rozbrojenie dowolnej strefy"},
    {42, u"42 - zanik napięcia sieci 220V"},
    {43, u"43 - powrót napięcia 220V"},
    {44, u"44 -"},
    {45, u"45 - blokada klawiatury"},
    {46, u"46 - automatyczne uzbrojenie strefy"},
    {47, u"47 - SYSTEM UZBROJONY"},
    {48, u"48 - SYSTEM CZĘŚCIOWO UZBROJONY"},
    {49, u"49 - SYSTEM ROZBROJONY"},
    {50, u"50 - SYGNALIZACJA WEJŚCIA"},
    {51, u"51 - SYGNALIZACJA WYJŚCIA"},
    {52, u"52 - blokada dowolnej linii"},
    {53, u"53 - POLICJA"},
    {54, u"54 - POGOTOWIE"},
    {55, u"55 - STRAŻ POŻ."},
    {56, u"56 - OCHRONA"},

};

template <std::size_t N, std::size_t M>
void wpisz(std::array<QString, N>& tabela, const QStringView (&teksty)[M])
{
    static_assert(M <= N);
    tabela.fill(QString());
    for (std::size_t i = 0; i < M; ++i)
        tabela[i] = teksty[i].toString();
}
} // namespace

void WpiszTabZdarz(TabeleTekstow& t)
{
    t.TabZdarz.fill(QString());
    for (const auto& z : ZdarzeniaWyjsc)
        t.TabZdarz[z.numer] = z.tekst.toString();
}

void WpiszNazwyAla(TabeleTekstow& t)
{
    wpisz(t.NazwyAla, Alarmy);
}

void WpiszNazwyZda(TabeleTekstow& t)
{
    wpisz(t.NazwyZda, Zdarzenia);
}

void WpiszTabele(TabeleTekstow& t)
{
    WpiszTabZdarz(t);
    WpiszNazwyAla(t);
    WpiszNazwyZda(t);
}

} // namespace zr05
