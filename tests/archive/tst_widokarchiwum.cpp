// Decoding of archive records for the view: lines, keys from the date fields, the range.

#include "Module1.h"
#include "archive/WidokArchiwum.h"

#include <QTest>

using namespace zr05;

namespace
{
using Rekord = TabeleArchiwum::Rekord;

Rekord przy(int rok, int mies, int dzien, int godz, int min, Bajt kod = 130)
{
    return {Bajt(rok), Bajt(mies), Bajt(dzien), Bajt(godz), Bajt(min), kod, 0, 0};
}

// Loads the event table with these records as the last download.
void wczytaj(Module1& m, const QList<Rekord>& rekordy)
{
    for (int i = 0; i < rekordy.size(); ++i)
        m.Archiwum.RekZda[i] = rekordy[i];
    m.Archiwum.IloscZda = qint16(rekordy.size());
}

// The minutes of the shown lines ("HH:MM" after the date), in order.
QStringList minuty(const QStringList& linie)
{
    QStringList m;
    for (const QString& l : linie)
        m.append(l.mid(10, 5));
    return m;
}
} // namespace

class TstWidokArchiwum : public QObject
{
    Q_OBJECT
private slots:
    void liniaAlarmu_data();
    void liniaAlarmu();
    void liniaZdarzenia_data();
    void liniaZdarzenia();
    void kluczZPol_data();
    void kluczZPol();
    void zakres_data();
    void zakres();
    void zakresAlarmowZIchIlosci();
    void iloscPozaTabela();
};

void TstWidokArchiwum::liniaAlarmu_data()
{
    QTest::addColumn<Rekord>("rekord");
    QTest::addColumn<QString>("nazwaLinii3"); // a user name given to line 3, if any
    QTest::addColumn<QString>("linia");
    QTest::newRow("keypad hold-up") << Rekord{5, 3, 17, 9, 5, 8, 2, 12} << QString()
                                    << "05-03-17  09:05  ALARM: NAPAD z Klaw-02 \r\n";
    QTest::newRow("two-digit fields") << Rekord{99, 12, 31, 23, 59, 8, 10, 0} << QString()
                                      << "99-12-31  23:59  ALARM: NAPAD z Klaw-10 \r\n";
    QTest::newRow("code outside the table")
        << Rekord{0, 1, 1, 0, 0, 200, 0, 0} << QString() << "00-01-01  00:00  ALARM: kod 200\r\n";
    // Stored bytes outside any date still give a line, not a crash.
    QTest::newRow("bytes out of range") << Rekord{255, 255, 200, 99, 77, 8, 255, 255} << QString()
                                        << "255-255-200  99:77  ALARM: NAPAD z Klaw-25 \r\n";
    // A line end inside a name read from a file must not split the record's line.
    QTest::newRow("control bytes in a line name")
        << Rekord{25, 3, 10, 8, 0, 0, 0, 3} << QStringLiteral("DR\r\nZWI\t\x7f")
        << "25-03-10  08:00  ALARM: Linia: DR  ZWI  \r\n";
}

void TstWidokArchiwum::liniaAlarmu()
{
    QFETCH(Rekord, rekord);
    QFETCH(QString, nazwaLinii3);
    QFETCH(QString, linia);
    Module1 m;
    if (!nazwaLinii3.isEmpty()) {
        m.Obraz.NazwyLinii[230] = nazwaLinii3;
        m.Obraz.Linie[3][8] = 230;
    }
    QCOMPARE(zr05::liniaAlarmu(m.Tabele, m.Obraz, rekord), linia);
}

void TstWidokArchiwum::liniaZdarzenia_data()
{
    QTest::addColumn<Rekord>("rekord");
    QTest::addColumn<QString>("linia");
    QTest::newRow("installer, trailing blanks kept")
        << Rekord{25, 3, 10, 8, 0, 128, 0, 0} << "25-03-10  08:00  ZDARZENIE: INSTALATOR      \r\n";
    QTest::newRow("code below the events")
        << Rekord{25, 3, 10, 8, 0, 5, 0, 0} << "25-03-10  08:00  ZDARZENIE: kod 5\r\n";
    QTest::newRow("code above the events")
        << Rekord{25, 3, 10, 8, 0, 255, 0, 0} << "25-03-10  08:00  ZDARZENIE: kod 255\r\n";
}

void TstWidokArchiwum::liniaZdarzenia()
{
    QFETCH(Rekord, rekord);
    QFETCH(QString, linia);
    Module1 m;
    QCOMPARE(zr05::liniaZdarzenia(m.Tabele, rekord), linia);
}

void TstWidokArchiwum::kluczZPol_data()
{
    QTest::addColumn<QStringList>("pola");
    QTest::addColumn<QList<int>>("klucz");
    QTest::newRow("2005") << QStringList{"2005", "03", "07", "09", "05"}
                          << QList<int>{5, 3, 7, 9, 5};
    QTest::newRow("2099 end of day")
        << QStringList{"2099", "12", "31", "23", "59"} << QList<int>{99, 12, 31, 23, 59};
    QTest::newRow("2000 start") << QStringList{"2000", "01", "01", "00", "00"}
                                << QList<int>{0, 1, 1, 0, 0};
    QTest::newRow("too few fields") << QStringList{"2010", "x"} << QList<int>{10, 0, 0, 0, 0};
}

void TstWidokArchiwum::kluczZPol()
{
    QFETCH(QStringList, pola);
    QFETCH(QList<int>, klucz);
    const KluczCzasu k = zr05::kluczZPol(pola);
    QCOMPARE(QList<int>(k.begin(), k.end()), klucz);
}

void TstWidokArchiwum::zakres_data()
{
    QTest::addColumn<QList<Rekord>>("rekordy");
    QTest::addColumn<QStringList>("od");
    QTest::addColumn<QStringList>("doKiedy");
    QTest::addColumn<QStringList>("pokazane");

    const QList<Rekord> dzien = {przy(25, 3, 10, 8, 0), przy(25, 3, 10, 9, 30),
                                 przy(25, 3, 10, 9, 31), przy(25, 3, 11, 7, 15)};
    const QStringList caly = {"2000", "01", "01", "00", "00"};
    const QStringList teraz = {"2026", "12", "06", "21", "10"};
    QTest::newRow("from the first item to now: everything")
        << dzien << caly << teraz << QStringList{"08:00", "09:30", "09:31", "07:15"};
    QTest::newRow("record in the end minute shown, the next one not")
        << dzien << caly << QStringList{"2025", "03", "10", "09", "30"}
        << QStringList{"08:00", "09:30"};
    QTest::newRow("start equal to a record includes it")
        << dzien << QStringList{"2025", "03", "10", "09", "31"} << teraz
        << QStringList{"09:31", "07:15"};
    QTest::newRow("start between records") << dzien << QStringList{"2025", "03", "10", "08", "01"}
                                           << teraz << QStringList{"09:30", "09:31", "07:15"};
    QTest::newRow("start later than end: empty")
        << dzien << QStringList{"2025", "03", "11", "00", "00"}
        << QStringList{"2025", "03", "10", "00", "00"} << QStringList{};
    QTest::newRow("start after every record: empty")
        << dzien << QStringList{"2026", "01", "01", "00", "00"} << teraz << QStringList{};
    QTest::newRow("end before every record: empty")
        << dzien << caly << QStringList{"2025", "03", "10", "07", "59"} << QStringList{};
    QTest::newRow("no records") << QList<Rekord>{} << caly << teraz << QStringList{};
    // The search trusts the arrival order: an earlier record after a later one is not reached.
    QTest::newRow("out of order stops at the first later record")
        << QList<Rekord>{przy(25, 3, 10, 8, 0), przy(25, 3, 12, 8, 0), przy(25, 3, 10, 8, 5)}
        << caly << QStringList{"2025", "03", "11", "00", "00"} << QStringList{"08:00"};
    QTest::newRow("year field counts by its last two digits")
        << QList<Rekord>{przy(4, 6, 1, 1, 0), przy(5, 6, 1, 2, 0), przy(6, 6, 1, 3, 0)}
        << QStringList{"2005", "01", "01", "00", "00"}
        << QStringList{"2005", "12", "31", "23", "59"} << QStringList{"02:00"};
}

void TstWidokArchiwum::zakres()
{
    QFETCH(QList<Rekord>, rekordy);
    QFETCH(QStringList, od);
    QFETCH(QStringList, doKiedy);
    QFETCH(QStringList, pokazane);
    Module1 m;
    wczytaj(m, rekordy);
    const QStringList linie = linieZakresu(m, false, zr05::kluczZPol(od), zr05::kluczZPol(doKiedy));
    QCOMPARE(minuty(linie), pokazane);
    for (const QString& l : linie)
        QVERIFY(l.contains(QStringLiteral("ZDARZENIE: ")));
}

void TstWidokArchiwum::zakresAlarmowZIchIlosci()
{
    Module1 m;
    wczytaj(m, {przy(25, 1, 1, 1, 1), przy(25, 1, 1, 1, 2)});
    m.Archiwum.RekAla[0] = Rekord{25, 2, 1, 10, 0, 8, 1, 0};
    m.Archiwum.RekAla[1] = Rekord{25, 2, 1, 10, 1, 8, 2, 0};
    m.Archiwum.RekAla[2] = Rekord{25, 2, 1, 10, 2, 8, 3, 0};
    m.Archiwum.IloscAla = 2; // the third is not part of the last download
    const KluczCzasu od = zr05::kluczZPol({"2000", "01", "01", "00", "00"});
    const KluczCzasu doKiedy = zr05::kluczZPol({"2099", "12", "31", "23", "59"});
    const QStringList linie = linieZakresu(m, true, od, doKiedy);
    QCOMPARE(linie, (QStringList{"25-02-01  10:00  ALARM: NAPAD z Klaw-01 \r\n",
                                 "25-02-01  10:01  ALARM: NAPAD z Klaw-02 \r\n"}));
}

void TstWidokArchiwum::iloscPozaTabela()
{
    TabeleArchiwum a;
    for (auto& r : a.RekZda)
        r = przy(25, 1, 1, 0, 0);
    const KluczCzasu wszystko = zr05::kluczZPol({"2099", "12", "31", "23", "59"});
    QCOMPARE(poczatekZakresu(a.RekZda, 30000, {0, 0, 0, 0, 0}), 0);
    QCOMPARE(koniecZakresu(a.RekZda, 30000, 0, wszystko), TabeleArchiwum::LiczbaRekordow);
    QCOMPARE(poczatekZakresu(a.RekZda, -5, {0, 0, 0, 0, 0}), 0);
    QCOMPARE(koniecZakresu(a.RekZda, -5, 0, wszystko), 0);
}

QTEST_GUILESS_MAIN(TstWidokArchiwum)
#include "tst_widokarchiwum.moc"
