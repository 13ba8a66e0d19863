// The archive printout as its list of printer operations.

#include "archive/WydrukArchiwum.h"

#include <QTest>

using namespace zr05;

namespace
{
using Op = OperacjaWydruku;

QList<Op> naglowek(const QString& tytul)
{
    return {{Op::Czcionka, "Times New Roman CE", 0},
            {Op::Rozmiar, {}, 12},
            {Op::Pogrubienie, {}, 1},
            {Op::Pozycja, {}, 1000},
            {Op::Linia, tytul, 0},
            {Op::Rozmiar, {}, 10},
            {Op::Pogrubienie, {}, 0},
            {Op::Linia, {}, 0}};
}
} // namespace

class TstWydrukArchiwum : public QObject
{
    Q_OBJECT
private slots:
    void operacje_data();
    void operacje();
};

void TstWydrukArchiwum::operacje_data()
{
    QTest::addColumn<bool>("alarmy");
    QTest::addColumn<QStringList>("linie");
    QTest::addColumn<QList<Op>>("oczekiwane");

    QList<Op> alarmy = naglowek("WYDRUK ARCHIWUM ALARMÓW Z CENTRALI VOR ZR-05");
    alarmy += {{Op::Pozycja, {}, 2000},
               {Op::Linia, "05-03-17  09:05  ALARM: NAPAD z Klaw-02 ", 0},
               {Op::Pozycja, {}, 2000},
               {Op::Linia, "05-03-17  09:06  ALARM: kod 200", 0},
               {Op::KoniecDokumentu, {}, 0}};
    QTest::newRow("two alarms") << true
                                << QStringList{"05-03-17  09:05  ALARM: NAPAD z Klaw-02 \r\n",
                                               "05-03-17  09:06  ALARM: kod 200\r\n"}
                                << alarmy;

    QList<Op> pusty = naglowek("WYDRUK ARCHIWUM ZDARZEŃ Z CENTRALI VOR ZR-05");
    pusty += {{Op::KoniecDokumentu, {}, 0}};
    QTest::newRow("empty range: heading only") << false << QStringList{} << pusty;

    QList<Op> zdarzenie = naglowek("WYDRUK ARCHIWUM ZDARZEŃ Z CENTRALI VOR ZR-05");
    zdarzenie += {{Op::Pozycja, {}, 2000},
                  {Op::Linia, "25-03-10  08:00  ZDARZENIE: INSTALATOR      ", 0},
                  {Op::KoniecDokumentu, {}, 0}};
    QTest::newRow("event keeps its trailing blanks")
        << false << QStringList{"25-03-10  08:00  ZDARZENIE: INSTALATOR      \r\n"} << zdarzenie;
}

void TstWydrukArchiwum::operacje()
{
    QFETCH(bool, alarmy);
    QFETCH(QStringList, linie);
    QFETCH(QList<Op>, oczekiwane);
    const QList<Op> op = wydrukArchiwum(alarmy, linie).operacje();
    QCOMPARE(op.size(), oczekiwane.size());
    for (int i = 0; i < op.size(); ++i) {
        QCOMPARE(op[i].rodzaj, oczekiwane[i].rodzaj);
        QCOMPARE(op[i].tekst, oczekiwane[i].tekst);
        QCOMPARE(op[i].liczba, oczekiwane[i].liczba);
    }
}

QTEST_GUILESS_MAIN(TstWydrukArchiwum)
#include "tst_wydrukarchiwum.moc"
