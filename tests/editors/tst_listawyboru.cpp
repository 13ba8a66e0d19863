// Items of the pick-only number boxes and the item that shows a stored byte.

#include "editors/ListaWyboru.h"

#include <QTest>

using namespace zr05;

class TestListaWyboru : public QObject
{
    Q_OBJECT
private slots:
    void pozycje_data();
    void pozycje();
    void liczby_data();
    void liczby();
};

void TestListaWyboru::pozycje_data()
{
    QTest::addColumn<int>("od");
    QTest::addColumn<int>("doW");
    QTest::addColumn<bool>("dwie");
    QTest::addColumn<int>("wartosc");
    QTest::addColumn<int>("ile");
    QTest::addColumn<QString>("pierwsza");
    QTest::addColumn<QString>("ostatnia");
    QTest::addColumn<QString>("wybrany");

    QTest::newRow("godzina 7") << 0 << 24 << true << 7 << 25 << "00"
                               << "24"
                               << "07";
    QTest::newRow("godzina 24 ostatnia") << 0 << 24 << true << 24 << 25 << "00"
                                         << "24"
                                         << "24";
    QTest::newRow("godzina 0") << 0 << 24 << true << 0 << 25 << "00"
                               << "24"
                               << "00";
    QTest::newRow("minuta 5") << 0 << 59 << true << 5 << 60 << "00"
                              << "59"
                              << "05";
    QTest::newRow("cisza 3 bez zera") << 0 << 10 << false << 3 << 11 << "0"
                                      << "10"
                                      << "3";
    QTest::newRow("kod 3 pierwszy") << 3 << 60 << false << 3 << 58 << "3"
                                    << "60"
                                    << "3";
    QTest::newRow("blokada 99") << 1 << 99 << false << 99 << 99 << "1"
                                << "99"
                                << "99";
    // Stored values the box does not offer: shown as they are after the last item.
    QTest::newRow("godzina 25") << 0 << 24 << true << 25 << 26 << "00"
                                << "25"
                                << "25";
    QTest::newRow("minuta 255") << 0 << 59 << true << 255 << 61 << "00"
                                << "255"
                                << "255";
    QTest::newRow("cisza 11") << 0 << 10 << false << 11 << 12 << "0"
                              << "11"
                              << "11";
    QTest::newRow("kod 0 ponizej") << 3 << 60 << false << 0 << 59 << "3"
                                   << "0"
                                   << "0";
    QTest::newRow("kod 2") << 3 << 60 << false << 2 << 59 << "3"
                           << "2"
                           << "2";
    QTest::newRow("blokada 0") << 1 << 99 << false << 0 << 100 << "1"
                               << "0"
                               << "0";
    QTest::newRow("blokada 100") << 1 << 99 << false << 100 << 100 << "1"
                                 << "100"
                                 << "100";
}

void TestListaWyboru::pozycje()
{
    QFETCH(int, od);
    QFETCH(int, doW);
    QFETCH(bool, dwie);
    QFETCH(int, wartosc);
    QFETCH(int, ile);
    QFETCH(QString, pierwsza);
    QFETCH(QString, ostatnia);
    QFETCH(QString, wybrany);

    const ListaWyboru l = listaWyboru(od, doW, dwie ? Cyfry::Dwie : Cyfry::Jedna, Bajt(wartosc));
    QCOMPARE(l.pozycje.size(), ile);
    QCOMPARE(l.pozycje.first(), pierwsza);
    QCOMPARE(l.pozycje.last(), ostatnia);
    QVERIFY(l.wybrana >= 0 && l.wybrana < l.pozycje.size());
    QCOMPARE(l.pozycje.at(l.wybrana), wybrany);
    // Whatever is shown reads back as the stored byte.
    QCOMPARE(liczbaPozycji(l.pozycje.at(l.wybrana)), std::optional<Bajt>(Bajt(wartosc)));
    // Offered items are consecutive numbers, in order, without duplicates.
    for (int i = 0; i <= doW - od; ++i)
        QCOMPARE(liczbaPozycji(l.pozycje.at(i)), std::optional<Bajt>(Bajt(od + i)));
    QStringList bezPowtorzen = l.pozycje;
    QCOMPARE(bezPowtorzen.removeDuplicates(), 0);
}

void TestListaWyboru::liczby_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("liczba"); // -1: none

    QTest::newRow("dwie cyfry") << "07" << 7;
    QTest::newRow("zero") << "00" << 0;
    QTest::newRow("jedna") << "3" << 3;
    QTest::newRow("najwiekszy bajt") << "255" << 255;
    QTest::newRow("za duza") << "256" << -1;
    QTest::newRow("ujemna") << "-1" << -1;
    QTest::newRow("pusty") << "" << -1;
    QTest::newRow("litery") << "ab" << -1;
}

void TestListaWyboru::liczby()
{
    QFETCH(QString, tekst);
    QFETCH(int, liczba);
    const std::optional<Bajt> wynik = liczbaPozycji(tekst);
    if (liczba < 0)
        QVERIFY(!wynik.has_value());
    else
        QCOMPARE(wynik, std::optional<Bajt>(Bajt(liczba)));
}

QTEST_GUILESS_MAIN(TestListaWyboru)
#include "tst_listawyboru.moc"
