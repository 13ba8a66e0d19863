// A whole archive download against the simulated panel over the in-process wire.

#include "StanowiskoSymulatora.h"
#include "archive/PobieranieArchiwum.h"
#include "archive/WidokArchiwum.h"

#include <QSignalSpy>
#include <QTest>

using namespace zr05;

class TstArchiwumSymulator : public QObject
{
    Q_OBJECT
private slots:
    void pobranieOdDnia_data();
    void pobranieOdDnia();
};

void TstArchiwumSymulator::pobranieOdDnia_data()
{
    QTest::addColumn<bool>("alarmy");
    QTest::addColumn<QDate>("od");
    // Alarms are rarer than events: a longer stretch gives more than one answer of them.
    QTest::newRow("events") << false << QDate(2025, 3, 10);
    QTest::newRow("alarms") << true << QDate(2025, 1, 2);
}

void TstArchiwumSymulator::pobranieOdDnia()
{
    QFETCH(bool, alarmy);
    QFETCH(QDate, od);
    UstawieniaSymulatora u;
    u.dniArchiwum = 90;
    u.zegar = QDateTime(QDate(2025, 3, 20), QTime(12, 0), Qt::UTC);
    StanowiskoSymulatora s(u);
    PobieranieArchiwum pobieranie(s.m, s.lacze);
    QSignalSpy koniec(&pobieranie, &PobieranieArchiwum::zakonczone);
    s.uplyw(500);

    pobieranie.ustawAlarmy(alarmy);
    const KluczCzasu klucz = kluczZPol({QString::number(od.year()), QString::number(od.month()),
                                        QString::number(od.day()), "00", "00"});
    pobieranie.pobierz(Bajt(klucz[2]), Bajt(klucz[1]), Bajt(klucz[0]));
    QVERIFY(s.doKonca(5 * 60 * 1000));

    const auto& wszystkie =
        s.sym.archiwum().rekordy(alarmy ? ArchiwumCentrali::Alarmy : ArchiwumCentrali::Zdarzenia);
    std::vector<RekordArchiwum> oczekiwane;
    for (const auto& r : wszystkie)
        if (QDate(2000 + r[0], r[1], r[2]) >= od)
            oczekiwane.push_back(r);
    QVERIFY(oczekiwane.size() > 16);
    QVERIFY(oczekiwane.size() <= size_t(TabeleArchiwum::LiczbaRekordow));

    const TabeleArchiwum& a = s.m.Archiwum;
    QCOMPARE(alarmy ? a.IloscAla : a.IloscZda, qint16(oczekiwane.size()));
    QCOMPARE(alarmy ? a.IloscZda : a.IloscAla, 0);
    const auto& tabela = alarmy ? a.RekAla : a.RekZda;
    for (size_t i = 0; i < oczekiwane.size(); ++i)
        QVERIFY2(tabela[i] == oczekiwane[i], qPrintable(QString::number(i)));
    QCOMPARE(pobieranie.licznik(), QStringLiteral("KONIEC"));
    QCOMPARE(koniec.count(), 1);
    QCOMPARE(s.m.status(),
             alarmy
                 ? QStringLiteral("HISTORIA ALARMÓW. Pobieranie archiwum z centralki zakończone.")
                 : QStringLiteral("HISTORIA ZDARZEŃ. Pobieranie archiwum z centralki zakończone."));

    // The whole download shows with the widest range.
    const QStringList wszystkieLinie =
        linieZakresu(s.m, alarmy, kluczZPol({"2000", "01", "01", "00", "00"}),
                     kluczZPol({"2025", "03", "20", "12", "00"}));
    QCOMPARE(wszystkieLinie.size(), int(oczekiwane.size()));
    // A range of one day shows that day's records.
    const RekordArchiwum& wzor = oczekiwane[oczekiwane.size() / 2];
    const QString dzien = QString::number(wzor[2]);
    const QStringList odDnia = {QString::number(2000 + wzor[0]), QString::number(wzor[1]), dzien,
                                "00", "00"};
    const QStringList doDnia = {QString::number(2000 + wzor[0]), QString::number(wzor[1]), dzien,
                                "23", "59"};
    const qsizetype tegoDnia =
        std::count_if(oczekiwane.begin(), oczekiwane.end(), [&](const RekordArchiwum& r) {
            return r[0] == wzor[0] && r[1] == wzor[1] && r[2] == wzor[2];
        });
    QVERIFY(tegoDnia > 0);
    QCOMPARE(linieZakresu(s.m, alarmy, kluczZPol(odDnia), kluczZPol(doDnia)).size(), tegoDnia);
}

QTEST_GUILESS_MAIN(TstArchiwumSymulator)
#include "tst_archiwumsymulator.moc"
