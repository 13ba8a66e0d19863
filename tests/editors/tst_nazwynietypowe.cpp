// Adding and removing the atypical line names.

#include "editors/NazwyNietypowe.h"

#include <QTest>

using namespace zr05;

namespace
{
NazwyLiniiTablica slownik()
{
    NazwyLiniiTablica n;
    WpiszNazwyLinii(n);
    return n;
}
} // namespace

class TestNazwyNietypowe : public QObject
{
    Q_OBJECT

private slots:
    void dopisanieDziewieciuZnakowTnieDoOsmiu()
    {
        auto n = slownik();
        const auto w = dodajNazweNietypowa(n, QStringLiteral("MAGAZYN12"));
        QCOMPARE(w.rodzaj, WynikNazwy::Dopisana);
        QCOMPARE(w.pozycja, 224);
        QCOMPARE(n[224], QStringLiteral("MAGAZYN1"));
        QCOMPARE(w.komunikat(),
                 QStringLiteral("Nazwa: <MAGAZYN1> została dopisana na pozycji: 224"));
        // Short names are not padded; the next one takes the next free slot.
        QCOMPARE(dodajNazweNietypowa(n, QStringLiteral("ŁAŹNIA")).pozycja, 225);
        QCOMPARE(n[225], QStringLiteral("ŁAŹNIA"));
    }

    void pierwszeWolneOdDolu()
    {
        auto n = slownik();
        for (int i = 224; i <= 231; ++i)
            n[i] = QStringLiteral("X%1").arg(i);
        n[226] = QStringLiteral("<nn 226>");
        QCOMPARE(dodajNazweNietypowa(n, QStringLiteral("A")).pozycja, 226);
        // A placeholder of another slot does not count as free here.
        n[232] = QStringLiteral("<nn 240>");
        QCOMPARE(dodajNazweNietypowa(n, QStringLiteral("B")).pozycja, 233);
    }

    void pelnaLista()
    {
        auto n = slownik();
        for (int i = 224; i <= 255; ++i)
            n[i] = QStringLiteral("N%1").arg(i);
        const auto przed = n;
        const auto w = dodajNazweNietypowa(n, QStringLiteral("NOWA"));
        QCOMPARE(w.rodzaj, WynikNazwy::BrakMiejsca);
        QCOMPARE(n, przed);
        QCOMPARE(w.komunikat(), QStringLiteral("Wszystkie nietypowe nazwy (32) są używane. Aby "
                                               "wpisać nową usuń najpierw jedną z nich."));
    }

    void znakiSpoza1250()
    {
        auto n = slownik();
        const auto przed = n;
        const auto w = dodajNazweNietypowa(n, QStringLiteral("SKLEP€→"));
        QCOMPARE(w.rodzaj, WynikNazwy::ZleZnaki);
        QCOMPARE(n, przed);
        QVERIFY(w.komunikat().contains(QStringLiteral("Windows-1250")));
        // Only the 8 characters that would be stored count.
        QCOMPARE(dodajNazweNietypowa(n, QStringLiteral("ABCDEFGH→")).rodzaj, WynikNazwy::Dopisana);
    }

    void usuniecie()
    {
        auto n = slownik();
        n[240] = QStringLiteral("SZAFA   ");
        n[250] = QStringLiteral("SZAFA   ");
        const auto w = usunNazweNietypowa(n, QStringLiteral("SZAFA   "));
        QCOMPARE(w.rodzaj, WynikNazwy::Usunieta);
        QCOMPARE(w.pozycja, 240);
        QCOMPARE(n[240], QStringLiteral("<nn 240>"));
        QCOMPARE(n[250], QStringLiteral("SZAFA   ")); // only the first is freed
        QCOMPARE(w.komunikat(),
                 QStringLiteral("Nazwa: <SZAFA   > została usunięta z pozycji: 240 listy."));
    }

    void usuniecieOdrzucone_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<int>("rodzaj");
        QTest::addColumn<QString>("komunikat");
        const QString typowa = QStringLiteral(
            "> występuje na liście nazw typowych. Usunięcie jej jest niemożliwe. Można usunąć "
            "tylko nazwy nietypowe (pozycje listy>223).");
        const QString brak = QStringLiteral(
            "> nie występuje na liście nazw nietypowych. Usunięcie jej jest niemożliwe.");
        QTest::newRow("typowa") << "TARAS" << int(WynikNazwy::Typowa) << "Nazwa: <TARAS" + typowa;
        QTest::newRow("pozycja 223")
            << "<nt 223>" << int(WynikNazwy::Typowa) << "Nazwa: <<nt 223>" + typowa;
        QTest::newRow("bez nazwy")
            << "<bez nazwy>" << int(WynikNazwy::Typowa) << "Nazwa: <<bez nazwy>" + typowa;
        QTest::newRow("wielkosc liter")
            << "taras" << int(WynikNazwy::NieMaNaLiscie) << "Nazwa: <taras" + brak;
        QTest::newRow("spacja na koncu")
            << "TARAS " << int(WynikNazwy::NieMaNaLiscie) << "Nazwa: <TARAS " + brak;
    }
    void usuniecieOdrzucone()
    {
        QFETCH(QString, nazwa);
        QFETCH(int, rodzaj);
        QFETCH(QString, komunikat);
        auto n = slownik();
        const auto przed = n;
        const auto w = usunNazweNietypowa(n, nazwa);
        QCOMPARE(int(w.rodzaj), rodzaj);
        QCOMPARE(w.komunikat(), komunikat);
        QCOMPARE(n, przed);
    }

    void pozycja()
    {
        auto n = slownik();
        QCOMPARE(pozycjaNazwy(n, QStringLiteral("TARAS")), 169);
        QCOMPARE(pozycjaNazwy(n, QStringLiteral("Czas")), 41);
        QCOMPARE(pozycjaNazwy(n, QStringLiteral("CZAS")), -1);
        n[230] = QStringLiteral("TARAS");
        QCOMPARE(pozycjaNazwy(n, QStringLiteral("TARAS")), 169); // the first one wins
        // ... unless the box still shows the other one
        QCOMPARE(pozycjaNazwy(n, QStringLiteral("TARAS"), 230), 230);
        QCOMPARE(pozycjaNazwy(n, QStringLiteral("TARAS"), 231), 169);
        QCOMPARE(pozycjaNazwy(n, QStringLiteral("TARAS"), 256), 169);
        QCOMPARE(pozycjaNazwy(n, QStringLiteral("<nn 255>")), 255);
    }
};

QTEST_APPLESS_MAIN(TestNazwyNietypowe)
#include "tst_nazwynietypowe.moc"
