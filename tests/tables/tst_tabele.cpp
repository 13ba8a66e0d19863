// The texts the tables give the user, each row a code and its exact text: dictionary entries
// and shown line names, archived alarms and events with their placeholders and line names,
// the numbered events of outputs. Several codes of one rule are joined by "|".
#include "tables/NazwyLinii.h"
#include "tables/TekstyArchiwum.h"

#include <QTest>
#include <functional>

using namespace zr05;
using Tekst = std::function<QString()>;
Q_DECLARE_METATYPE(Tekst)

namespace
{
// Lines 6 = ADMIN. 1, 7 = DOKUMENT 2, 8 = a user name, 80 = ZAKLAD 12 34; 5 has no name.
struct Tabele {
    TabeleTekstow t;
    Konfiguracja obraz;
    Tabele()
    {
        WpiszTabele(t);
        WpiszNazwyLinii(obraz.NazwyLinii);
        obraz.NazwyLinii[224] = QStringLiteral("AB      ");
        const int linie[][4] = {{6, 2, 1, 0}, {7, 48, 2, 0}, {8, 224, 0, 0}, {80, 185, 12, 34}};
        for (const auto& l : linie)
            std::copy(l + 1, l + 4, obraz.Linie[l[0]].begin() + 8);
        obraz.Linie[0][8] = 3; // record 0 is never a line
    }
};
const Tabele& tab()
{
    static const Tabele t;
    return t;
}

// The texts of `kody`, joined by "|".
Tekst kazdy(const QList<int>& kody, const std::function<QString(int)>& tekst)
{
    return [=] {
        QStringList t;
        for (int k : kody)
            t << tekst(k);
        return t.join(QLatin1Char('|'));
    };
}
QString alarm(int kod, int b6 = 1, int b7 = 2)
{
    return tekstAlarmu(tab().t, tab().obraz, Bajt(kod), Bajt(b6), Bajt(b7));
}
QString zdarzenie(int kod, int b6 = 1, int b7 = 2)
{
    return tekstZdarzenia(tab().t, Bajt(kod), Bajt(b6), Bajt(b7));
}
QString wyjscie(int n)
{
    return tab().t.TabZdarz[n];
}
Tekst jeden(QString (*tekst)(int, int, int), int kod, int b6, int b7)
{
    return [=] { return tekst(kod, b6, b7); };
}
} // namespace

class TstTabele : public QObject
{
    Q_OBJECT
private slots:
    void teksty_data()
    {
        QTest::addColumn<Tekst>("tekst");
        QTest::addColumn<QString>("oczekiwany");
        QTest::newRow("dictionary edges")
            << kazdy({1, 2, 41, 61, 184, 186, 223, 225, 255},
                     [](int k) { return tab().obraz.NazwyLinii[k]; })
            << "24 GODZ|ADMIN.|Czas|GL.KSIEGOWY|WYJSCIE|<nt 186>|<nt 223>|<nn 225>|<nn 255>";
        QTest::newRow("filling again clears the user names") << Tekst([] {
            NazwyLiniiTablica n = tab().obraz.NazwyLinii;
            n[230] = "MAGAZYN2", n[5] = "zepsute";
            WpiszNazwyLinii(n);
            return n[230] + n[5] + n[224];
        }) << "<nn 230>AKUMULATOR<nn 224>";
        QTest::newRow("shown line names")
            << kazdy({5, 6, 80, 81, 0, -1}, [](int n) { return nazwaLinii(tab().obraz, n); })
            << "<bez nazwy>|ADMIN.1|ZAKLAD1234|||";
        QTest::newRow("line alarm, no name") << jeden(alarm, 0, 3, 5) << "Str-03 Linia-05 ";
        QTest::newRow("line alarm, named") << jeden(alarm, 0, 3, 6) << "Linia: ADMIN.1";
        QTest::newRow("line alarm, user name") << jeden(alarm, 0, 1, 8) << "Linia: AB      ";
        QTest::newRow("line alarm, line 80") << jeden(alarm, 0, 1, 80) << "Linia: ZAKLAD1234";
        QTest::newRow("line alarm, no such line") << jeden(alarm, 0, 3, 81) << "Str-03 Linia-81 ";
        QTest::newRow("line alarm, line 0") << jeden(alarm, 0, 3, 0) << "Str-03 Linia-00 ";
        QTest::newRow("line tamper, named") << jeden(alarm, 14, 7, 6) << "SAB.: Linia: DOKUMENT2";
        QTest::newRow("line tamper, line 255") << jeden(alarm, 14, 255, 0) << "SABOTAZ Linia-25";
        QTest::newRow("three digits: first and last")
            << jeden(alarm, 9, 100, 123) << "P.BRON K-10 U-13";
        QTest::newRow("placeholder in the last columns")
            << jeden(alarm, 10, 7, 0) << "KONTR. STRAZ.-07";
        QTest::newRow("alarms") << kazdy({1, 2, 4, 11, 13, 17, 21, 22, 40, 41, 255},
                                         [](int k) { return alarm(k); })
                                << "AKUM. - Centr.  |AKUM. - Podc-01 |AC-220V-Cent.-OK|KONIEC     "
                                   "     |BRAK TRANSMISJI |STRAZ POZ Kl-01 |P.BRON K-01 St02|||kod "
                                   "41|kod 255";
        QTest::newRow("events") << kazdy({0, 127, 128, 135, 145, 160, 164, 165, 166, 168, 169},
                                         [](int k) { return zdarzenie(k); })
                                << "kod 0|kod 127|INSTALATOR      |Odblok. Klaw-01 |Zm. kodu "
                                   "Instal.|RESET CENTRALI  |Kont. Straz. -01|Zmiana Czasu    "
                                   "|||kod 169";
        QTest::newRow("event, two placeholders")
            << jeden(zdarzenie, 129, 4, 11) << "Uzbr. Ln-04 U-11";
        QTest::newRow("event, placeholder before text")
            << kazdy({148, 154}, [](int k) { return zdarzenie(k, 5, 0); })
            << "Zm. kodu S-05   |UZBR. Ln-05SZYFR";
        QTest::newRow("fill: x in the last column, third from byte 7, X is text")
            << kazdy({0, 1, 2},
                     [](int i) {
                         return wypelnijParametry(
                             QStringList{"ABCDEFGHIJKLMNOx", "xxxxxx", "XX-xx"}[i], 1, 2);
                     })
            << "ABCDEFGHIJKLMNOx|010202|XX-01";
        QTest::newRow("output events")
            << kazdy({1, 2, 11, 20, 26, 30, 44, 48, 55, 56}, wyjscie)
            << "01 - alarm w dowolnej linii|02 - sabotaż w dowolnej linii|11 - alarm w strefie nr. "
               "1|20 - alarm w strefie nr. 10|26 - awaria  akumulatora (< 12V)|30|44 -|48 - "
               "SYSTEM CZĘŚCIOWO UZBROJONY|55 - STRAŻ POŻ.|56 - OCHRONA";
        QTest::newRow("output events without text")
            << kazdy({0, 3, 4, 5, 6, 7, 8, 9, 10, 57, 60}, wyjscie) << "||||||||||";
    }
    void teksty()
    {
        QFETCH(Tekst, tekst);
        QFETCH(QString, oczekiwany);
        QCOMPARE(tekst(), oczekiwany);
    }

    // The fixed names: distinct, in alphabetical order, plain ASCII, upper case but two; the
    // archive texts all as wide as the panel's display.
    void ksztaltTabel()
    {
        QList<int> zMalymi;
        const auto& n = tab().obraz.NazwyLinii;
        for (int i = 1; i <= LiczbaStalychNazw; ++i) {
            QVERIFY2(i == 1 || QString::compare(n[i - 1], n[i], Qt::CaseInsensitive) < 0,
                     qPrintable(n[i]));
            QVERIFY2(std::all_of(n[i].begin(), n[i].end(), [](QChar c) { return c < u'\x80'; }),
                     qPrintable(n[i]));
            if (n[i] != n[i].toUpper())
                zMalymi << i;
        }
        QCOMPARE(zMalymi, (QList<int>{41, 110}));
        for (int i = 0; i <= 21; ++i)
            QCOMPARE(tab().t.NazwyAla[i].size(), 16);
        for (int i = 0; i <= 37; ++i)
            QCOMPARE(tab().t.NazwyZda[i].size(), 16);
    }
};

QTEST_GUILESS_MAIN(TstTabele)
#include "tst_tabele.moc"
