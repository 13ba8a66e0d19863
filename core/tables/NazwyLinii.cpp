#include "NazwyLinii.h"

#include <QStringView>

namespace zr05
{

namespace
{
// The order is the panel's: a line stores the index, not the text.
constexpr QStringView StaleNazwy[LiczbaStalychNazw] = {
    u"24 GODZ",     // 1
    u"ADMIN.",      // 2
    u"ADMINISTR.",  // 3
    u"ADRES",       // 4
    u"AKUMULATOR",  // 5
    u"ALARM",       // 6
    u"ALERT",       // 7
    u"ANEKS",       // 8
    u"ANTENA",      // 9
    u"APTEKA",      // 10
    u"ARCHIWUM",    // 11
    u"ARENA",       // 12
    u"ARESZT",      // 13
    u"ASYSTENT",    // 14
    u"AULA",        // 15
    u"AUTO",        // 16
    u"AWARIA",      // 17
    u"BAGAZ",       // 18
    u"BALKON",      // 19
    u"BANK",        // 20
    u"BANKOMAT",    // 21
    u"BAR",         // 22
    u"BARIERA",     // 23
    u"BAS",         // 24
    u"BASEN",       // 25
    u"BATERIA",     // 26
    u"BAZA",        // 27
    u"BEZPIECZ",    // 28
    u"BIURO",       // 29
    u"BLOK",        // 30
    u"BOKS",        // 31
    u"BRAK",        // 32
    u"BRAMA",       // 33
    u"BRAMKA",      // 34
    u"BRON",        // 35
    u"BUDOWA",      // 36
    u"CELA",        // 37
    u"CELNIK",      // 38
    u"CENTRALA",    // 39
    u"CIEMNIA",     // 40
    u"Czas",        // 41
    u"CZEKI",       // 42
    u"CZUJKA",      // 43
    u"CZYTELNIA",   // 44
    u"DACH",        // 45
    u"DAMSKI",      // 46
    u"DEP.",        // 47
    u"DOKUMENT",    // 48
    u"DOM",         // 49
    u"DOZORCA",     // 50
    u"DROGA",       // 51
    u"DUALNA",      // 52
    u"DYREKTOR",    // 53
    u"DYZURNY",     // 54
    u"FAKS",        // 55
    u"FIRMA",       // 56
    u"GABINET",     // 57
    u"GALERIA",     // 58
    u"GARAZ",       // 59
    u"GAZ",         // 60
    u"GL.KSIEGOWY", // 61
    u"GNIAZDO",     // 62
    u"GRUNT",       // 63
    u"GRUPA",       // 64
    u"GRZEJNIK",    // 65
    u"HOL",         // 66
    u"INZYNIER",    // 67
    u"IZOLATOR",    // 68
    u"JADALNIA",    // 69
    u"KABEL",       // 70
    u"KADRY",       // 71
    u"KAMERA",      // 72
    u"KANAL",       // 73
    u"KANCELARIA",  // 74
    u"KANTOR",      // 75
    u"KASETA",      // 76
    u"KIEROWNIK",   // 77
    u"KLUCZ",       // 78
    u"KOD",         // 79
    u"KOMORA",      // 80
    u"KOMPUTER",    // 81
    u"KONTENER",    // 82
    u"KORYTARZ",    // 83
    u"KRATA",       // 84
    u"KSERO",       // 85
    u"LAZIENKA",    // 86
    u"LECZNICA",    // 87
    u"LINIA",       // 88
    u"MAGAZYN",     // 89
    u"MANAGER",     // 90
    u"MASZYNA",     // 91
    u"MEBLE",       // 92
    u"MESKI",       // 93
    u"MONITOR",     // 94
    u"MOTOR",       // 95
    u"MUR",         // 96
    u"MUZEUM",      // 97
    u"NAPIECIE",    // 98
    u"OBUDOWA",     // 99
    u"ODDZIAL",     // 100
    u"OFICER",      // 101
    u"OKNO",        // 102
    u"OLTARZ",      // 103
    u"OPERATOR",    // 104
    u"OPOZNIENIE",  // 105
    u"OSLONA",      // 106
    u"PAKAMERA",    // 107
    u"PALARNIA",    // 108
    u"PALIWO",      // 109
    u"Panel",       // 110
    u"PARKING",     // 111
    u"PATROL",      // 112
    u"PIEC",        // 113
    u"PIWNICA",     // 114
    u"PLAC",        // 115
    u"PLEBANIA",    // 116
    u"PODDASZE",    // 117
    u"PODJAZD",     // 118
    u"PODSTAWA",    // 119
    u"POKOJ",       // 120
    u"POLACZ",      // 121
    u"POLE",        // 122
    u"POLICJA",     // 123
    u"POMOC",       // 124
    u"PORTIER",     // 125
    u"POZAR",       // 126
    u"POZIOM",      // 127
    u"PRACOWNIA",   // 128
    u"PRZYCISK",    // 129
    u"PUNKT",       // 130
    u"RADIO",       // 131
    u"RAMA",        // 132
    u"RAMPA",       // 133
    u"RECEPCJA",    // 134
    u"RYGIEL",      // 135
    u"SABOTAZ",     // 136
    u"SALA",        // 137
    u"SALON",       // 138
    u"SCENA",       // 139
    u"SCHODY",      // 140
    u"SCHOWEK",     // 141
    u"SCHRON",      // 142
    u"SCIANA",      // 143
    u"SEJF",        // 144
    u"SENSOR",      // 145
    u"SERWER",      // 146
    u"SERWIS",      // 147
    u"SIEC",        // 148
    u"SKARBIEC",    // 149
    u"SKLAD",       // 150
    u"SKLEP",       // 151
    u"SLUZA",       // 152
    u"STACJA",      // 153
    u"STAJNIA",     // 154
    u"STLUCZENIE",  // 155
    u"STRAZNIK",    // 156
    u"STREFA",      // 157
    u"STRYCH",      // 158
    u"STUDIO",      // 159
    u"SUFIT",       // 160
    u"SYPIALNIA",   // 161
    u"SYRENA",      // 162
    u"SZKLO",       // 163
    u"SZPITAL",     // 164
    u"SZYB",        // 165
    u"SZYFR",       // 166
    u"TABLICA",     // 167
    u"TAMPER",      // 168
    u"TARAS",       // 169
    u"TELEFON",     // 170
    u"TEST",        // 171
    u"TOALETA",     // 172
    u"TOWAR",       // 173
    u"TRASA",       // 174
    u"TUNEL",       // 175
    u"VIDEO",       // 176
    u"WARSZTAT",    // 177
    u"WEJSCIE",     // 178
    u"WINDA",       // 179
    u"WLAMANIE",    // 180
    u"WODA",        // 181
    u"WOZOWNIA",    // 182
    u"WRZUTNIA",    // 183
    u"WYJSCIE",     // 184
    u"ZAKLAD",      // 185
};

QString liczbaBezZera(Bajt b)
{
    return b ? QString::number(b) : QString();
}
} // namespace

void WpiszNazwyLinii(NazwyLiniiTablica& nazwy)
{
    nazwy[0] = QStringLiteral("<bez nazwy>");
    for (int i = 1; i <= LiczbaStalychNazw; ++i)
        nazwy[i] = StaleNazwy[i - 1].toString();
    for (int i = PierwszaNazwaTechniczna; i < Konfiguracja::PierwszaNazwaUzytkownika; ++i)
        nazwy[i] = QStringLiteral("<nt %1>").arg(i);
    for (int i = Konfiguracja::PierwszaNazwaUzytkownika; i < Konfiguracja::LiczbaNazw; ++i)
        nazwy[i] = nazwaWolnegoMiejsca(i);
}

QString nazwaWolnegoMiejsca(int indeks)
{
    return QStringLiteral("<nn %1>").arg(indeks);
}

bool nazwaWolna(const NazwyLiniiTablica& nazwy, int indeks)
{
    if (indeks < Konfiguracja::PierwszaNazwaUzytkownika || indeks >= Konfiguracja::LiczbaNazw)
        return false;
    return nazwy[indeks] == nazwaWolnegoMiejsca(indeks);
}

QString bezZnakowSterujacych(QString nazwa)
{
    for (QChar& c : nazwa)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    return nazwa;
}

QString nazwaLinii(const Konfiguracja& obraz, int linia)
{
    if (linia < 1 || linia > Konfiguracja::LiczbaLinii)
        return QString();
    const auto& r = obraz.Linie[linia];
    return bezZnakowSterujacych(obraz.NazwyLinii[r[8]]) + liczbaBezZera(r[9]) +
           liczbaBezZera(r[10]);
}

} // namespace zr05
