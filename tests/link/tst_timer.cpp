// The one-second timer: link watchdog, panel clock, end-of-upload countdown.

#include "StanowiskoLacza.h"

#include <QTest>

using namespace zr05;

namespace
{
const QString Brak = QStringLiteral("BRAK POŁĄCZENIA Z CENTRALĄ !!!!");

QByteArray zegar(int rok, int mies, int dzien, int godz, int min, int sek)
{
    return ramka::zSuma(StanowiskoLacza::bajty({0x40, 193, rok, mies, dzien, godz, min, sek}));
}

QString pokazanyCzas(const Module1& m)
{
    return QStringLiteral("%1:%2:%3 %4.%5.%6")
        .arg(m.Zegar[2])
        .arg(m.Zegar[1])
        .arg(m.Zegar[0])
        .arg(m.Zegar[3])
        .arg(m.Zegar[4])
        .arg(m.Zegar[5]);
}
} // namespace

class TestTimer : public QObject
{
    Q_OBJECT
private slots:
    void brakPolaczeniaDwieSekundyPoStarcie()
    {
        StanowiskoLacza s;
        s.m.WybranyPort = 1;
        s.lacze.tick();
        QCOMPARE(s.m.status(), QString());
        QVERIFY(!s.m.LaczeUtracone);
        s.lacze.tick();
        QCOMPARE(s.m.status(), Brak);
        QVERIFY(s.m.LaczeUtracone);
    }

    void brakPolaczeniaTrzySekundyPoOstatnimPollu()
    {
        StanowiskoLacza s;
        s.m.WybranyPort = 2;
        s.m.ustawStatus(QStringLiteral("Pobieranie konfiguracji z centralki."));
        s.odbierz(s.poll());
        s.lacze.tick();
        s.lacze.tick();
        QCOMPARE(s.m.status(), QStringLiteral("Pobieranie konfiguracji z centralki."));
        s.lacze.tick();
        QCOMPARE(s.m.status(), Brak);
        s.lacze.tick();
        QCOMPARE(s.m.status(), Brak);

        // The link is back with the poll; its text goes at the first tick after, not before.
        s.odbierz(s.poll());
        QVERIFY(!s.m.LaczeUtracone);
        QCOMPARE(s.m.status(), Brak);
        s.lacze.tick();
        QCOMPARE(s.m.status(), QString());
    }

    void tekstInnyNizBrakNieJestCzyszczony()
    {
        StanowiskoLacza s;
        s.m.WybranyPort = 1;
        s.odbierz(s.poll());
        s.m.ustawStatus(QStringLiteral("Logowanie się instalatora."));
        s.lacze.tick();
        QCOMPARE(s.m.status(), QStringLiteral("Logowanie się instalatora."));
    }

    void bezCentralkiNieMaStraznika()
    {
        StanowiskoLacza s;
        s.m.WybranyPort = 0;
        for (int i = 0; i < 10; ++i)
            s.lacze.tick();
        QCOMPARE(s.m.status(), QString());
    }

    void zegarStoiDopokiCentralaGoNiePoda()
    {
        StanowiskoLacza s;
        s.lacze.tick();
        s.lacze.tick();
        QVERIFY(!s.m.ZegarZnany);
        QCOMPARE(pokazanyCzas(s.m), QStringLiteral("0:0:0 0.0.0"));
    }

    void zegarPrzechodziPrzezPolnoc()
    {
        StanowiskoLacza s;
        s.odbierz(zegar(1, 12, 31, 23, 59, 58));
        QVERIFY(s.m.ZegarZnany);
        QCOMPARE(pokazanyCzas(s.m), QStringLiteral("23:59:58 31.12.1"));
        s.lacze.tick();
        QCOMPARE(pokazanyCzas(s.m), QStringLiteral("23:59:59 31.12.1"));
        s.lacze.tick();
        QCOMPARE(pokazanyCzas(s.m), QStringLiteral("0:0:0 31.12.1"));
    }

    void wartosciSpozaZakresuZawijajaSie_data()
    {
        QTest::addColumn<int>("godz");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("sek");
        QTest::addColumn<QString>("poTiku");
        QTest::newRow("seconds 75") << 10 << 20 << 75 << "10:21:0 1.1.1";
        QTest::newRow("seconds 255") << 10 << 20 << 255 << "10:21:0 1.1.1";
        QTest::newRow("minutes 99") << 10 << 99 << 59 << "11:0:0 1.1.1";
        QTest::newRow("hours 30") << 30 << 59 << 59 << "0:0:0 1.1.1";
        QTest::newRow("hours 255") << 255 << 59 << 59 << "0:0:0 1.1.1";
        QTest::newRow("hours 30 mid-minute") << 30 << 10 << 10 << "30:10:11 1.1.1";
    }
    void wartosciSpozaZakresuZawijajaSie()
    {
        QFETCH(int, godz);
        QFETCH(int, min);
        QFETCH(int, sek);
        QFETCH(QString, poTiku);
        StanowiskoLacza s;
        s.odbierz(zegar(1, 1, 1, godz, min, sek));
        s.lacze.tick();
        QCOMPARE(pokazanyCzas(s.m), poTiku);
    }
};

QTEST_GUILESS_MAIN(TestTimer)
#include "tst_timer.moc"
