// Archives: a whole download from the simulated panel, the lines shown for a range, and the
// printout. Answers frame by frame show through the archive window.

#include "StanowiskoSymulatora.h"
#include "archive/PobieranieArchiwum.h"
#include "archive/WidokArchiwum.h"
#include "archive/WydrukArchiwum.h"

#include <QTest>

using namespace zr05;

namespace
{
using Rekord = TabeleArchiwum::Rekord;
Rekord przy(int rok, int mies, int dzien, int godz, int min, int kod = 130, int p1 = 0, int p2 = 0)
{
    return {Bajt(rok), Bajt(mies), Bajt(dzien), Bajt(godz),
            Bajt(min), Bajt(kod),  Bajt(p1),    Bajt(p2)};
}

KluczCzasu klucz(const QString& pola)
{
    return kluczZPol(pola.split(' '));
}
} // namespace

class TestArchiwum : public QObject
{
    Q_OBJECT
private slots:
    // A whole download against the simulated panel over the wire, to its end record; stops
    // show through the archive window.
    void zSymulatora_data()
    {
        QTest::addColumn<bool>("alarmy");
        QTest::addColumn<QDate>("od");
        // Alarms are rarer than events: a longer stretch gives more than one answer of them.
        QTest::newRow("events") << false << QDate(2025, 3, 10);
        QTest::newRow("alarms") << true << QDate(2025, 1, 2);
    }
    void zSymulatora()
    {
        QFETCH(bool, alarmy);
        QFETCH(QDate, od);
        UstawieniaSymulatora u;
        u.dniArchiwum = 90;
        u.zegar = QDateTime(QDate(2025, 3, 20), QTime(12, 0), Qt::UTC);
        StanowiskoSymulatora s(u);
        s.m.ustawCheck1(0, true);
        PobieranieArchiwum pobieranie(s.m, s.lacze);
        s.uplyw(500);
        pobieranie.ustawAlarmy(alarmy);
        QVERIFY(!pobieranie.pobierz(Bajt(od.day()), Bajt(od.month()), Bajt(od.year() % 100)));
        QVERIFY(s.doKonca(5 * 60 * 1000));

        std::vector<RekordArchiwum> oczekiwane;
        for (const auto& r : s.sym.archiwum().rekordy(alarmy ? ArchiwumCentrali::Alarmy
                                                             : ArchiwumCentrali::Zdarzenia)) {
            // The panel keeps records of real days, with codes of their own archive.
            QVERIFY(QDate(2000 + r[0], r[1], r[2]).isValid() && r[3] < 24 && r[4] < 60);
            QVERIFY(alarmy ? r[5] <= 21 : r[5] >= 128 && r[5] <= 165);
            if (QDate(2000 + r[0], r[1], r[2]) >= od)
                oczekiwane.push_back(r);
        }
        QVERIFY(oczekiwane.size() > 16);
        QVERIFY(std::is_sorted(oczekiwane.begin(), oczekiwane.end()));
        const TabeleArchiwum& a = s.m.Archiwum;
        QCOMPARE(alarmy ? a.IloscAla : a.IloscZda, qint16(oczekiwane.size()));
        QCOMPARE(alarmy ? a.IloscZda : a.IloscAla, 0);
        for (size_t i = 0; i < oczekiwane.size(); ++i)
            QVERIFY2((alarmy ? a.RekAla : a.RekZda)[i] == oczekiwane[i],
                     qPrintable(QString::number(i)));
        QCOMPARE(pobieranie.licznik(), QStringLiteral("KONIEC"));

        // The whole download shows with the widest range, a day's range that day's records.
        QCOMPARE(
            linieZakresu(s.m, alarmy, klucz("2000 01 01 00 00"), klucz("2025 03 20 12 00")).size(),
            qsizetype(oczekiwane.size()));
        const RekordArchiwum& wzor = oczekiwane[oczekiwane.size() / 2];
        const auto tegoDnia =
            std::count_if(oczekiwane.begin(), oczekiwane.end(), [&](const RekordArchiwum& r) {
                return std::equal(r.begin(), r.begin() + 3, wzor.begin());
            });
        const QString dzien =
            QStringLiteral("%1 %2 %3 ").arg(2000 + wzor[0]).arg(wzor[1]).arg(wzor[2]);
        QCOMPARE(linieZakresu(s.m, alarmy, klucz(dzien + "00 00"), klucz(dzien + "23 59")).size(),
                 tegoDnia);
    }

    void linie_data()
    {
        QTest::addColumn<Rekord>("rekord");
        QTest::addColumn<bool>("alarm");
        QTest::addColumn<QString>("linia");
        QTest::newRow("keypad hold-up") << przy(5, 3, 17, 9, 5, 8, 2, 12) << true
                                        << "05-03-17  09:05  ALARM: NAPAD z Klaw-02 \r\n";
        QTest::newRow("two-digit fields") << przy(99, 12, 31, 23, 59, 8, 10) << true
                                          << "99-12-31  23:59  ALARM: NAPAD z Klaw-10 \r\n";
        QTest::newRow("alarm code outside the table")
            << przy(0, 1, 1, 0, 0, 200) << true << "00-01-01  00:00  ALARM: kod 200\r\n";
        // Stored bytes outside any date still give a line, not a crash.
        QTest::newRow("bytes out of range") << przy(255, 255, 200, 99, 77, 8, 255, 255) << true
                                            << "255-255-200  99:77  ALARM: NAPAD z Klaw-25 \r\n";
        // A line end inside a name read from a file must not split the record's line.
        QTest::newRow("control bytes in a line name")
            << przy(25, 3, 10, 8, 0, 0, 0, 3) << true
            << "25-03-10  08:00  ALARM: Linia: DR  ZWI  \r\n";
        QTest::newRow("installer, trailing blanks kept")
            << przy(25, 3, 10, 8, 0, 128) << false
            << "25-03-10  08:00  ZDARZENIE: INSTALATOR      \r\n";
        QTest::newRow("code below the events")
            << przy(25, 3, 10, 8, 0, 5) << false << "25-03-10  08:00  ZDARZENIE: kod 5\r\n";
        QTest::newRow("code above the events")
            << przy(25, 3, 10, 8, 0, 255) << false << "25-03-10  08:00  ZDARZENIE: kod 255\r\n";
    }
    void linie()
    {
        QFETCH(Rekord, rekord);
        QFETCH(bool, alarm);
        QFETCH(QString, linia);
        Module1 m;
        m.Obraz.NazwyLinii[230] = QStringLiteral("DR\r\nZWI\t\x7f");
        m.Obraz.Linie[3][8] = 230;
        QCOMPARE(alarm ? liniaAlarmu(m.Tabele, m.Obraz, rekord) : liniaZdarzenia(m.Tabele, rekord),
                 linia);
    }

    void zakres_data()
    {
        QTest::addColumn<QList<Rekord>>("rekordy");
        QTest::addColumn<QString>("od");
        QTest::addColumn<QString>("doKiedy");
        QTest::addColumn<QString>("pokazane"); // the minutes of the lines shown
        const QList<Rekord> dzien = {przy(25, 3, 10, 8, 0), przy(25, 3, 10, 9, 30),
                                     przy(25, 3, 10, 9, 31), przy(25, 3, 11, 7, 15)};
        const QString caly = "2000 01 01 00 00", teraz = "2026 12 06 21 10";
        // Ranges that hold records show in the downloads through the simulator and the window.
        QTest::newRow("start later than end") << dzien << "2025 03 11 00 00"
                                              << "2025 03 10 00 00"
                                              << "";
        QTest::newRow("start after every record") << dzien << "2026 01 01 00 00" << teraz << "";
        QTest::newRow("end before every record") << dzien << caly << "2025 03 10 07 59"
                                                 << "";
        QTest::newRow("no records") << QList<Rekord>{} << caly << teraz << "";
        // The search trusts the arrival order: an earlier record after a later one is not reached.
        QTest::newRow("out of order")
            << QList<Rekord>{przy(25, 3, 10, 8, 0), przy(25, 3, 12, 8, 0), przy(25, 3, 10, 8, 5)}
            << caly << "2025 03 11 00 00"
            << "08:00";
        QTest::newRow("year by its last two digits")
            << QList<Rekord>{przy(4, 6, 1, 1, 0), przy(5, 6, 1, 2, 0), przy(6, 6, 1, 3, 0)}
            << "2005 01 01 00 00"
            << "2005 12 31 23 59"
            << "02:00";
        QTest::newRow("too few fields: year 2010 on")
            << QList<Rekord>{przy(9, 12, 31, 23, 59), przy(10, 1, 1, 0, 0)} << "2010 x" << teraz
            << "00:00";
    }
    void zakres()
    {
        QFETCH(QList<Rekord>, rekordy);
        QFETCH(QString, od);
        QFETCH(QString, doKiedy);
        QFETCH(QString, pokazane);
        Module1 m;
        for (int i = 0; i < rekordy.size(); ++i)
            m.Archiwum.RekZda[i] = rekordy[i];
        m.Archiwum.IloscZda = qint16(rekordy.size());
        QStringList minuty;
        for (const QString& l : linieZakresu(m, false, klucz(od), klucz(doKiedy))) {
            QVERIFY(l.contains(QStringLiteral("ZDARZENIE: ")));
            minuty << l.mid(10, 5);
        }
        QCOMPARE(minuty.join(' '), pokazane);
    }

    // A count outside the table never reads past it.
    void zakresPozaTabela()
    {
        Module1 m;
        for (auto& r : m.Archiwum.RekZda)
            r = przy(25, 1, 1, 0, 0);
        QCOMPARE(koniecZakresu(m.Archiwum.RekZda, 30000, 0, klucz("2099 12 31 23 59")),
                 TabeleArchiwum::LiczbaRekordow);
        QCOMPARE(poczatekZakresu(m.Archiwum.RekZda, 30000, {0, 0, 0, 0, 0}), 0);
        QCOMPARE(koniecZakresu(m.Archiwum.RekZda, -5, 0, klucz("2099 12 31 23 59")), 0);
        QCOMPARE(poczatekZakresu(m.Archiwum.RekZda, -5, {0, 0, 0, 0, 0}), 0);
    }

    void wydruk()
    {
        using Op = OperacjaWydruku;
        const QStringList linie = {"05-03-17  09:05  ALARM: NAPAD z Klaw-02 \r\n",
                                   "25-03-10  08:00  ZDARZENIE: INSTALATOR      \r\n"};
        for (bool alarmy : {true, false}) {
            const QStringList wRange = alarmy ? linie : QStringList();
            QList<Op> oczekiwane = {{Op::Czcionka, "Times New Roman CE", 0},
                                    {Op::Rozmiar, {}, 12},
                                    {Op::Pogrubienie, {}, 1},
                                    {Op::Pozycja, {}, 1000},
                                    {Op::Linia,
                                     QStringLiteral("WYDRUK ARCHIWUM %1 Z CENTRALI VOR ZR-05")
                                         .arg(alarmy ? "ALARMÓW" : "ZDARZEŃ"),
                                     0},
                                    {Op::Rozmiar, {}, 10},
                                    {Op::Pogrubienie, {}, 0},
                                    {Op::Linia, {}, 0}};
            for (const QString& l : wRange)
                oczekiwane += {{Op::Pozycja, {}, 2000}, {Op::Linia, l.chopped(2), 0}};
            oczekiwane += {Op::KoniecDokumentu, {}, 0};
            const QList<Op> op = wydrukArchiwum(alarmy, wRange).operacje();
            QCOMPARE(op.size(), oczekiwane.size());
            for (int i = 0; i < op.size(); ++i) {
                QCOMPARE(op[i].rodzaj, oczekiwane[i].rodzaj);
                QCOMPARE(op[i].tekst, oczekiwane[i].tekst);
                QCOMPARE(op[i].liczba, oczekiwane[i].liczba);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestArchiwum)
#include "tst_archiwum.moc"
