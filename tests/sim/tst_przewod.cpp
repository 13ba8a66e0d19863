// The program's real link engine against the simulated panel over the in-process wire.

#include "StanowiskoSymulatora.h"

#include <QSignalSpy>
#include <QTest>
#include <algorithm>

using namespace zr05;

namespace
{
const QString BrakPolaczenia = QStringLiteral("BRAK POŁĄCZENIA Z CENTRALĄ !!!!");
}

class TstPrzewod : public QObject
{
    Q_OBJECT
private slots:
    void kazdyPollOdpowiedziany_data();
    void kazdyPollOdpowiedziany();
    void zgubionyBajtPollaPrzerwaIPowrot_data();
    void zgubionyBajtPollaPrzerwaIPowrot();
    void ciszaWlaczaStrazniczkeIPowrotJaGasi();
    void przebiegPowtarzalny();
    void archiwumDoRekorduKonca();
    void logowanieKodem_data();
    void logowanieKodem();
};

void TstPrzewod::kazdyPollOdpowiedziany_data()
{
    QTest::addColumn<bool>("szybko");
    QTest::addColumn<bool>("onLine");
    QTest::newRow("2400 bit/s") << false << false;
    QTest::newRow("fast") << true << false;
    QTest::newRow("2400 bit/s, on-line view") << false << true;
}

void TstPrzewod::kazdyPollOdpowiedziany()
{
    QFETCH(bool, szybko);
    QFETCH(bool, onLine);
    StanowiskoSymulatora s({}, szybko);
    s.m.ustawOnLine(onLine);
    QStringList statusy;
    QObject::connect(&s.m, &Module1::statusZmieniony, [&](const QString& t) { statusy << t; });
    s.uplyw(3 * 60 * 1000);

    const auto& l = s.sym.liczniki();
    // At 250 ms a poll while idle, three minutes hold some 700 of them (fewer on line, where
    // status frames take line time).
    QVERIFY2(l.polle > (onLine ? 400 : 650), qPrintable(QString::number(l.polle)));
    QCOMPARE(l.brakOdpowiedzi, 0);
    QCOMPARE(l.zlaSuma, 0);
    // The last poll may still be on its way.
    QVERIFY(l.polle - s.pollOdpowiedziane <= 1);
    QCOMPARE(l.odpowiedzi, s.pollOdpowiedziane);
    QVERIFY(!statusy.contains(BrakPolaczenia));
    QCOMPARE(s.m.status(), QString());
    QCOMPARE(s.sym.onLine(), onLine);
    if (onLine) {
        QVERIFY(s.m.ZegarZnany);
        QVERIFY(l.ramkiOnLine > 10);
    }
}

void TstPrzewod::zgubionyBajtPollaPrzerwaIPowrot_data()
{
    QTest::addColumn<int>("indeks");
    QTest::newRow("start byte") << 0;
    QTest::newRow("code byte") << 1;
    QTest::newRow("checksum") << 2;
}

void TstPrzewod::zgubionyBajtPollaPrzerwaIPowrot()
{
    QFETCH(int, indeks);
    StanowiskoSymulatora s;
    s.uplyw(2000);
    const int przed = s.pollOdpowiedziane;
    QCOMPARE(s.sym.liczniki().brakOdpowiedzi, 0);
    s.sym.usterki().upuscBajt(RodzajNadania::Poll, indeks);
    s.uplyw(3000);
    QCOMPARE(s.sym.liczniki().brakOdpowiedzi, 1);
    QCOMPARE(s.sym.usterki().liczniki().zgubione, 1);
    // One poll lost, and every later one answered again.
    QVERIFY(s.pollOdpowiedziane >= przed + 9);
    QCOMPARE(s.sym.liczniki().polle - s.sym.liczniki().odpowiedzi,
             1 + (s.sym.liczniki().polle - s.pollOdpowiedziane - 1));
    QCOMPARE(s.m.status(), QString());
    // Reads are still answered after the loss.
    QSignalSpy dane(&s.lacze, &Lacze::daneOdczytu);
    s.m.KodOperacji = 25;
    QVERIFY(s.czekaj([&] { return dane.count() == 1; }, 2000));
}

void TstPrzewod::ciszaWlaczaStrazniczkeIPowrotJaGasi()
{
    StanowiskoSymulatora s;
    s.uplyw(1500);
    s.sym.zamilknij(s.przewod.terazUs(), 5000);
    QVERIFY(s.czekaj([&] { return s.m.status() == BrakPolaczenia; }, 4500));
    QVERIFY(s.czekaj([&] { return s.m.status().isEmpty(); }, 3000));
    QCOMPARE(s.sym.liczniki().brakOdpowiedzi, 0);
}

void TstPrzewod::przebiegPowtarzalny()
{
    QByteArray bajty[2];
    for (auto& b : bajty) {
        UstawieniaSymulatora u;
        u.ziarno = 5;
        u.usterki = {9, 0.01, 0.01, 0.02};
        StanowiskoSymulatora s(u);
        s.m.ustawOnLine(true);
        s.przewod.ustawPodsluchPc([&](Bajt x, qint64 t) {
            b.append(char(x));
            b.append(QByteArray::number(t));
        });
        s.uplyw(60000);
    }
    QVERIFY(bajty[0].size() > 1000);
    QCOMPARE(bajty[0], bajty[1]);
}

void TstPrzewod::archiwumDoRekorduKonca()
{
    UstawieniaSymulatora u;
    u.zegar = QDateTime(QDate(2025, 3, 20), QTime(12, 0), Qt::UTC);
    StanowiskoSymulatora s(u);
    int ramek = 0, rekordow = 0;
    // What the archive window does with an end record, reduced to the link's part.
    QObject::connect(&s.lacze, &Lacze::rekordyArchiwum, [&](const QByteArray& r) {
        ++ramek;
        for (int i = 0; i < 16; ++i) {
            if (Bajt(r[2 + 8 * i]) == 255) {
                s.m.KodOperacji = 0;
                return;
            }
            QVERIFY(QDate(2000 + Bajt(r[2 + 8 * i]), Bajt(r[3 + 8 * i]), Bajt(r[4 + 8 * i])) >=
                    QDate(2025, 3, 10));
            ++rekordow;
        }
    });
    s.uplyw(500);
    s.m.DataArchiwum = {10, 3, 25};
    s.m.KodOperacji = 45;
    QVERIFY(s.doKonca(5 * 60 * 1000));
    const auto& zdarzenia = s.sym.archiwum().rekordy(ArchiwumCentrali::Zdarzenia);
    const auto oczekiwane =
        std::count_if(zdarzenia.begin(), zdarzenia.end(), [](const RekordArchiwum& r) {
            return QDate(2000 + r[0], r[1], r[2]) >= QDate(2025, 3, 10);
        });
    QVERIFY(oczekiwane > 16);
    QCOMPARE(rekordow, int(oczekiwane));
    QCOMPARE(ramek, int(oczekiwane) / 16 + 1);
}

void TstPrzewod::logowanieKodem_data()
{
    QTest::addColumn<QByteArray>("kod");
    QTest::addColumn<int>("dostep");
    QTest::newRow("user 1111") << QByteArray("\x11\x11\xFF\xFF", 4) << 0x20;
    QTest::newRow("installer 3333") << QByteArray("\x33\x33\xFF\xFF", 4) << 0x80;
    QTest::newRow("wrong 1112") << QByteArray("\x11\x12\xFF\xFF", 4) << 0x00;
}

void TstPrzewod::logowanieKodem()
{
    QFETCH(QByteArray, kod);
    QFETCH(int, dostep);
    StanowiskoSymulatora s;
    QSignalSpy odpowiedz(&s.lacze, &Lacze::odpowiedzKodu);
    s.uplyw(500);
    std::copy(kod.begin(), kod.end(), s.m.KodWprowadzony.begin());
    s.m.KodOperacji = 40;
    QVERIFY(s.czekaj([&] { return odpowiedz.count() == 1; }, 2000));
    QCOMPARE(int(odpowiedz.at(0).at(0).value<Bajt>()), dostep);
}

QTEST_GUILESS_MAIN(TstPrzewod)
#include "tst_przewod.moc"
