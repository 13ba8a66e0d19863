// A whole archive download against the simulated panel over the in-process wire.

#include "StanowiskoSymulatora.h"
#include "archive/PobieranieArchiwum.h"
#include "archive/WidokArchiwum.h"

#include <QSignalSpy>
#include <QTest>

using namespace zr05;

namespace
{
bool same0(const TabeleArchiwum::Rekordy& t)
{
    for (const auto& r : t)
        for (Bajt b : r)
            if (b != 0)
                return false;
    return true;
}
} // namespace

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
    // Full answers after which the user stops the download (-1: it runs to its end record),
    // by "Przerwij" or by closing the window.
    QTest::addColumn<int>("przerwaniePo");
    QTest::addColumn<bool>("zamkniecie");
    // Alarms are rarer than events: a longer stretch gives more than one answer of them.
    QTest::newRow("events") << false << QDate(2025, 3, 10) << -1 << false;
    QTest::newRow("alarms") << true << QDate(2025, 1, 2) << -1 << false;
    QTest::newRow("events, Przerwij") << false << QDate(2025, 1, 2) << 3 << false;
    QTest::newRow("alarms, window closed") << true << QDate(2025, 1, 2) << 1 << true;
    QTest::newRow("events, window closed") << false << QDate(2025, 1, 2) << 2 << true;
}

void TstArchiwumSymulator::pobranieOdDnia()
{
    QFETCH(bool, alarmy);
    QFETCH(QDate, od);
    QFETCH(int, przerwaniePo);
    QFETCH(bool, zamkniecie);
    UstawieniaSymulatora u;
    u.dniArchiwum = 90;
    u.zegar = QDateTime(QDate(2025, 3, 20), QTime(12, 0), Qt::UTC);
    StanowiskoSymulatora s(u);
    s.m.ustawCheck1(0, true);
    PobieranieArchiwum pobieranie(s.m, s.lacze);
    QSignalSpy koniec(&pobieranie, &PobieranieArchiwum::zakonczone);
    s.uplyw(500);

    pobieranie.ustawAlarmy(alarmy);
    const KluczCzasu klucz = kluczZPol({QString::number(od.year()), QString::number(od.month()),
                                        QString::number(od.day()), "00", "00"});
    QVERIFY(!pobieranie.pobierz(Bajt(klucz[2]), Bajt(klucz[1]), Bajt(klucz[0])));
    // The option stays on the archive being fetched until the download ends.
    QVERIFY(s.czekaj([&] { return !pobieranie.licznik().isEmpty(); }, 60 * 1000));
    QVERIFY(!pobieranie.ustawAlarmy(!alarmy));
    QCOMPARE(pobieranie.alarmy(), alarmy);
    if (przerwaniePo > 0) {
        const QString po = QString::number(16 * przerwaniePo);
        QVERIFY(s.czekaj([&] { return pobieranie.licznik() == po; }, 60 * 1000));
        if (zamkniecie)
            pobieranie.oknoZamkniete();
        else
            pobieranie.przerwij();
        QVERIFY(!pobieranie.trwa());
        QCOMPARE(pobieranie.alarmy(), alarmy && !zamkniecie);
        // Nothing more is asked for, and nothing comes.
        const int przed = s.sym.liczniki().archiwum;
        s.uplyw(5000);
        QCOMPARE(s.sym.liczniki().archiwum, przed);
    } else {
        QVERIFY(s.doKonca(5 * 60 * 1000));
    }
    QVERIFY(!pobieranie.trwa());
    QVERIFY(pobieranie.ustawAlarmy(!alarmy));

    const auto& wszystkie =
        s.sym.archiwum().rekordy(alarmy ? ArchiwumCentrali::Alarmy : ArchiwumCentrali::Zdarzenia);
    std::vector<RekordArchiwum> oczekiwane;
    for (const auto& r : wszystkie)
        if (QDate(2000 + r[0], r[1], r[2]) >= od)
            oczekiwane.push_back(r);
    QVERIFY(oczekiwane.size() > 16);
    QVERIFY(oczekiwane.size() <= size_t(TabeleArchiwum::LiczbaRekordow));
    if (przerwaniePo > 0) {
        QVERIFY(oczekiwane.size() > size_t(16 * przerwaniePo + 16));
        oczekiwane.resize(16 * przerwaniePo);
    }

    const TabeleArchiwum& a = s.m.Archiwum;
    QCOMPARE(alarmy ? a.IloscAla : a.IloscZda, qint16(oczekiwane.size()));
    QCOMPARE(alarmy ? a.IloscZda : a.IloscAla, 0);
    const auto& tabela = alarmy ? a.RekAla : a.RekZda;
    for (size_t i = 0; i < oczekiwane.size(); ++i)
        QVERIFY2(tabela[i] == oczekiwane[i], qPrintable(QString::number(i)));
    QVERIFY(same0(alarmy ? a.RekZda : a.RekAla));
    QCOMPARE(pobieranie.licznik(), przerwaniePo > 0
                                       ? zamkniecie ? QString() : QString::number(16 * przerwaniePo)
                                       : QStringLiteral("KONIEC"));
    QCOMPARE(koniec.count(), przerwaniePo > 0 ? 0 : 1);
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
