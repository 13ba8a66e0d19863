// Event messages through the real link: the register lines, their order, the state box and
// the clock boxes the lines take their time from.

#include "StanowiskoLacza.h"
#include "link/TekstZegara.h"
#include "link/ZdarzeniaCentrali.h"

#include <QSignalSpy>
#include <QTest>

using namespace zr05;

namespace
{
QByteArray komunikat(std::initializer_list<int> bajty, const QByteArray& nazwa = {})
{
    QByteArray b("@");
    for (int x : bajty)
        b.append(char(x));
    return ramka::zSuma(b + nazwa);
}

struct Monitor {
    StanowiskoLacza s;
    ZdarzeniaCentrali z{s.m};
    Monitor() { z.polacz(s.lacze); }
    void wyslij(const QByteArray& r)
    {
        s.pauza(200);
        s.odbierz(r);
    }
    // The panel clock at hh:mm (message 193).
    void zegar(int godzina, int minuta) { wyslij(komunikat({193, 26, 12, 6, godzina, minuta, 0})); }
    const QString& rejestr() const { return z.rejestr().tekst(); }
};
} // namespace

class TestZdarzeniaCentrali : public QObject
{
    Q_OBJECT
private slots:
    void linijki_data();
    void linijki();
    void bezLinii_data();
    void bezLinii();
    void czasZZegaraGdyZegarNieznany();
    void stanPierwszyZeroBezLinii();
    void tenSamStanJednaLinia();
    void stanyITekstyPola_data();
    void stanyITekstyPola();
    void stanPozaZakresem();
    void konfiguracjaSystemu();
    void zlaSumaNieZostawiaSladu();
    void edycjaOperatora();
    void krotkiKomunikatBezLinii();
    void zegarDwieCyfryIUplyw();
};

void TestZdarzeniaCentrali::linijki_data()
{
    QTest::addColumn<QByteArray>("ramka");
    QTest::addColumn<QString>("linia");
    auto z2 = [](int s) { return komunikat({2, s, 14, 30}); };

    QTest::newRow("1: 7:05, line 12, zone 3")
        << komunikat({1, 3, 12, 7, 5})
        << QStringLiteral("07:05    ALARM z linii: 12 w strefie: 3\r\n");
    QTest::newRow("1: 9:05, line 17, zone 3")
        << komunikat({1, 3, 17, 9, 5})
        << QStringLiteral("09:05    ALARM z linii: 17 w strefie: 3\r\n");
    QTest::newRow("1: 23:59, line 80, zone 10")
        << komunikat({1, 10, 80, 23, 59})
        << QStringLiteral("23:59    ALARM z linii: 80 w strefie: 10\r\n");
    QTest::newRow("1: 0:00") << komunikat({1, 1, 1, 0, 0})
                             << QStringLiteral("00:00    ALARM z linii: 1 w strefie: 1\r\n");

    QTest::newRow("2: 1") << z2(1) << QStringLiteral("14:30    ALARM sabotaż klawiatury nr: 1\r\n");
    QTest::newRow("2: 8") << z2(8) << QStringLiteral("14:30    ALARM sabotaż klawiatury nr: 8\r\n");
    QTest::newRow("2: 9") << z2(9)
                          << QStringLiteral("14:30    ALARM sabotaż podcentrali nr: 1\r\n");
    QTest::newRow("2: 12") << z2(12)
                           << QStringLiteral("14:30    ALARM sabotaż podcentrali nr: 4\r\n");
    QTest::newRow("2: 16") << z2(16)
                           << QStringLiteral("14:30    ALARM sabotaż podcentrali nr: 8\r\n");
    QTest::newRow("2: 35") << z2(35) << QStringLiteral("14:30    ALARM błąd transmisji\r\n");
    QTest::newRow("2: 36") << z2(36) << QStringLiteral("14:30    ALARM sabotaż centrali \r\n");
    QTest::newRow("2: 57") << z2(57)
                           << QStringLiteral("14:30    ALARM akumulator podcentrali nr: 1\r\n");
    QTest::newRow("2: 64") << z2(64)
                           << QStringLiteral("14:30    ALARM akumulator podcentrali nr: 8\r\n");
    QTest::newRow("2: 65") << z2(65)
                           << QStringLiteral("14:30    ALARM napad z klawiatury nr: 1\r\n");
    QTest::newRow("2: 72") << z2(72)
                           << QStringLiteral("14:30    ALARM napad z klawiatury nr: 8\r\n");
    QTest::newRow("2: 84") << z2(84)
                           << QStringLiteral("14:30    ALARM A-POLICJA z klawiatury nr: 4\r\n");
    QTest::newRow("2: 88") << z2(88)
                           << QStringLiteral("14:30    ALARM B-POGOTOWIE z klawiatury nr: 0\r\n");
    QTest::newRow("2: 103") << z2(103)
                            << QStringLiteral(
                                   "14:30    ALARM C-STRAŻ POŻARNA z klawiatury nr: 7\r\n");
    QTest::newRow("2: 104") << z2(104)
                            << QStringLiteral("14:30    ALARM D-OCHRONA z klawiatury nr: 0\r\n");
    QTest::newRow("2: 129") << z2(129) << QStringLiteral("14:30    Kontrola strażnika nr: 1\r\n");
    QTest::newRow("2: 130") << z2(130) << QStringLiteral("14:30    Kontrola strażnika nr: 2\r\n");
    QTest::newRow("2: 160") << z2(160) << QStringLiteral("14:30    Kontrola strażnika nr: 32\r\n");
    QTest::newRow("2: 161") << z2(161) << QStringLiteral("14:30    ALARM sabotaż linii nr: 1\r\n");
    QTest::newRow("2: 200") << z2(200) << QStringLiteral("14:30    ALARM sabotaż linii nr: 40\r\n");
    QTest::newRow("2: 255") << z2(255) << QStringLiteral("14:30    ALARM sabotaż linii nr: 95\r\n");
    // Sources outside the table still give one whole line.
    for (int s : {0, 17, 34, 37, 56, 73, 79, 112, 128})
        QTest::newRow(qPrintable(QStringLiteral("2: unknown %1").arg(s)))
            << z2(s) << QStringLiteral("14:30    Zdarzenie nieznane, kod źródła: %1\r\n").arg(s);

    QTest::newRow("3: POKOJ 1 0") << komunikat({3, 1, 0, 8, 15}, "POKOJ   ")
                                  << QStringLiteral("08:15    ALARM z linii: POKOJ   1\r\n");
    QTest::newRow("3: numbers 0 0") << komunikat({3, 0, 0, 8, 15}, "POKOJ   ")
                                    << QStringLiteral("08:15    ALARM z linii: POKOJ   \r\n");
    QTest::newRow("3: numbers 0 5") << komunikat({3, 0, 5, 8, 15}, "HALL    ")
                                    << QStringLiteral("08:15    ALARM z linii: HALL    5\r\n");
    QTest::newRow("4: numbers 2 13") << komunikat({4, 2, 13, 21, 7}, "GARAZ   ")
                                     << QStringLiteral("21:07   SABOTAŻ z linii: GARAZ   213\r\n");
    QTest::newRow("4: numbers 0 0") << komunikat({4, 0, 0, 21, 7}, "GARAZ   ")
                                    << QStringLiteral("21:07   SABOTAŻ z linii: GARAZ   \r\n");
    QTest::newRow("4: Windows-1250 name")
        << komunikat({4, 0, 0, 1, 2}, "\xA3\xA5KA \x9C\xE6\xBF")
        << QStringLiteral("01:02   SABOTAŻ z linii: ŁĄKA śćż\r\n");

    QTest::newRow("3: control bytes in the name")
        << komunikat({3, 0, 0, 8, 15}, QByteArray("A\r\nB\0\x7F\x01Z", 8))
        << QStringLiteral("08:15    ALARM z linii: A  B   Z\r\n");

    // The clock of these rows is 08:03 (set before each row).
    QTest::newRow("37") << komunikat({37}) << QStringLiteral("08:03 Kasowanie alarmów\r\n");
    QTest::newRow("38") << komunikat({38, 0}) << QStringLiteral("Konfiguracja systemu\r\n");
    QTest::newRow("40: 220") << komunikat({40, 220})
                             << QStringLiteral("08:03 Zanik sieci 220V\r\n");
    QTest::newRow("40: 0") << komunikat({40, 0}) << QStringLiteral("08:03 Powrót sieci 220V\r\n");
    QTest::newRow("40: 221") << komunikat({40, 221})
                             << QStringLiteral("08:03 Powrót sieci 220V\r\n");
    QTest::newRow("73: 1") << komunikat({73, 1}) << QStringLiteral("08:03 SYSTEM UZBROJONY\r\n");
    QTest::newRow("73: 2") << komunikat({73, 2})
                           << QStringLiteral("08:03 SYSTEM CZĘŚCIOWO UZBR.\r\n");
    QTest::newRow("73: 3") << komunikat({73, 3})
                           << QStringLiteral("08:03 KONFIGURACJA SYSTEMU\r\n");
}

void TestZdarzeniaCentrali::linijki()
{
    QFETCH(QByteArray, ramka);
    QFETCH(QString, linia);
    Monitor mon;
    mon.zegar(8, 3);
    mon.z.rejestr().dodaj(QStringLiteral("starsza\r\n"));
    mon.wyslij(ramka);
    QCOMPARE(mon.z.LinijkaRejestru(), linia);
    QCOMPARE(mon.rejestr(), linia + QStringLiteral("starsza\r\n"));
}

void TestZdarzeniaCentrali::bezLinii_data()
{
    QTest::addColumn<QByteArray>("ramka");
    QTest::newRow("39") << komunikat({39, 1, 2, 3, 4, 5});
    QTest::newRow("193") << komunikat({193, 26, 1, 2, 3, 4, 5});
    QTest::newRow("unknown 99") << komunikat({99});
    QTest::newRow("unknown 0") << komunikat({0});
}

void TestZdarzeniaCentrali::bezLinii()
{
    QFETCH(QByteArray, ramka);
    Monitor mon;
    mon.z.rejestr().dodaj(QStringLiteral("A\r\n"));
    QSignalSpy dodano(&mon.z.rejestr(), &Rejestr::dodano);
    QSignalSpy komunikaty(&mon.s.lacze, &Lacze::komunikat);
    mon.wyslij(ramka);
    QCOMPARE(komunikaty.count(), 1); // it did arrive
    QCOMPARE(dodano.count(), 0);
    QCOMPARE(mon.rejestr(), QStringLiteral("A\r\n"));
    QVERIFY(mon.z.LinijkaRejestru().isEmpty());
}

void TestZdarzeniaCentrali::czasZZegaraGdyZegarNieznany()
{
    Monitor mon;
    mon.wyslij(komunikat({37}));
    QCOMPARE(mon.rejestr(), QStringLiteral(": Kasowanie alarmów\r\n"));
    mon.zegar(0, 9);
    mon.wyslij(komunikat({40, 220}));
    QVERIFY(mon.rejestr().startsWith(QStringLiteral("00:09 Zanik sieci 220V\r\n")));
}

void TestZdarzeniaCentrali::stanPierwszyZeroBezLinii()
{
    Monitor mon;
    QSignalSpy stan(&mon.z, &ZdarzeniaCentrali::stanSystemuUstawiony);
    QCOMPARE(mon.z.stanSystemu(), QStringLiteral("STAN SYSTEMU"));
    mon.wyslij(komunikat({73, 0}));
    QCOMPARE(stan.count(), 1);
    QCOMPARE(mon.z.stanSystemu(), QStringLiteral("SYSTEM ROZBROJONY"));
    QVERIFY(mon.rejestr().isEmpty());
    QCOMPARE(mon.s.m.OstatniStan, Bajt(0));
}

void TestZdarzeniaCentrali::tenSamStanJednaLinia()
{
    Monitor mon;
    mon.zegar(12, 0);
    QSignalSpy stan(&mon.z, &ZdarzeniaCentrali::stanSystemuUstawiony);
    mon.wyslij(komunikat({73, 1}));
    mon.wyslij(komunikat({73, 1}));
    QCOMPARE(stan.count(), 2);
    QCOMPARE(stan.at(1).at(0).toString(), QStringLiteral("SYSTEM UZBROJONY"));
    QCOMPARE(mon.rejestr(), QStringLiteral("12:00 SYSTEM UZBROJONY\r\n"));
    // Back to 0 is a change like any other.
    mon.wyslij(komunikat({73, 0}));
    QCOMPARE(mon.rejestr(),
             QStringLiteral("12:00 SYSTEM ROZBROJONY\r\n12:00 SYSTEM UZBROJONY\r\n"));
    QCOMPARE(mon.s.m.OstatniStan, Bajt(0));
}

void TestZdarzeniaCentrali::stanyITekstyPola_data()
{
    QTest::addColumn<int>("stan");
    QTest::addColumn<QString>("pole");
    QTest::newRow("0") << 0 << QStringLiteral("SYSTEM ROZBROJONY");
    QTest::newRow("1") << 1 << QStringLiteral("SYSTEM UZBROJONY");
    QTest::newRow("2") << 2 << QStringLiteral("SYSTEM CZĘŚĆ. UZBR.");
    QTest::newRow("3") << 3 << QStringLiteral("KONFIGURACJA SYSTEMU");
}

void TestZdarzeniaCentrali::stanyITekstyPola()
{
    QFETCH(int, stan);
    QFETCH(QString, pole);
    Monitor mon;
    mon.wyslij(komunikat({73, stan}));
    QCOMPARE(mon.z.stanSystemu(), pole);
    QCOMPARE(mon.s.m.OstatniStan, Bajt(stan));
}

void TestZdarzeniaCentrali::stanPozaZakresem()
{
    Monitor mon;
    mon.zegar(6, 7);
    mon.wyslij(komunikat({73, 2}));
    QSignalSpy stan(&mon.z, &ZdarzeniaCentrali::stanSystemuUstawiony);
    mon.wyslij(komunikat({73, 9}));
    QCOMPARE(stan.count(), 0);
    QCOMPARE(mon.z.stanSystemu(), QStringLiteral("SYSTEM CZĘŚĆ. UZBR."));
    QCOMPARE(mon.s.m.OstatniStan, Bajt(9));
    QVERIFY(mon.rejestr().startsWith(QStringLiteral("06:07 Stan systemu nieznany, wartość: 9\r\n"
                                                    "06:07 SYSTEM CZĘŚCIOWO UZBR.\r\n")));
    mon.wyslij(komunikat({73, 9}));
    QCOMPARE(mon.rejestr().count(QStringLiteral("\r\n")), 2);
}

void TestZdarzeniaCentrali::konfiguracjaSystemu()
{
    Monitor mon;
    QSignalSpy stan(&mon.z, &ZdarzeniaCentrali::stanSystemuUstawiony);
    mon.wyslij(komunikat({38, 77}));
    QCOMPARE(stan.count(), 1);
    QCOMPARE(mon.z.stanSystemu(), QStringLiteral("KONFIGURACJA SYSTEMU"));
    QCOMPARE(mon.rejestr(), QStringLiteral("Konfiguracja systemu\r\n"));
    // The configuration message does not change the last reported state.
    QCOMPARE(mon.s.m.OstatniStan, Bajt(0));
}

void TestZdarzeniaCentrali::zlaSumaNieZostawiaSladu()
{
    Monitor mon;
    QByteArray r = komunikat({1, 3, 12, 7, 5});
    r[r.size() - 1] = char(r.back() + 1);
    mon.wyslij(r);
    QByteArray s = komunikat({73, 1});
    s[s.size() - 1] = char(s.back() ^ 0x40);
    mon.wyslij(s);
    QVERIFY(mon.rejestr().isEmpty());
    QCOMPARE(mon.z.stanSystemu(), QStringLiteral("STAN SYSTEMU"));
    QCOMPARE(mon.s.m.OstatniStan, Bajt(0));
    // The receiver is in step again for the next good message.
    mon.wyslij(komunikat({1, 3, 12, 7, 5}));
    QCOMPARE(mon.rejestr(), QStringLiteral("07:05    ALARM z linii: 12 w strefie: 3\r\n"));
}

void TestZdarzeniaCentrali::edycjaOperatora()
{
    Monitor mon;
    mon.wyslij(komunikat({1, 1, 2, 10, 0}));
    // The box gives its text with its own line ends; the register keeps "\r\n".
    mon.z.rejestr().ustawTekst(QStringLiteral("uwaga: test\n10:00    ALARM z linii: 2\r\n\rX"));
    QCOMPARE(mon.rejestr(), QStringLiteral("uwaga: test\r\n10:00    ALARM z linii: 2\r\n\r\nX"));
    mon.wyslij(komunikat({1, 1, 3, 10, 1}));
    QVERIFY(mon.rejestr().startsWith(QStringLiteral("10:01    ALARM z linii: 3 w strefie: 1\r\n"
                                                    "uwaga: test\r\n")));
}

void TestZdarzeniaCentrali::krotkiKomunikatBezLinii()
{
    // Frames too short for their code never reach the register.
    QVERIFY(ZdarzeniaCentrali::linijkaKomunikatu(QByteArray("@\x01\x03", 3), {}).isEmpty());
    QVERIFY(ZdarzeniaCentrali::linijkaKomunikatu(QByteArray("@", 1), {}).isEmpty());
    QVERIFY(ZdarzeniaCentrali::linijkaKomunikatu(QByteArray(), {}).isEmpty());
    Monitor mon;
    mon.z.Komunikat(QByteArray("@\x03\x01\x00\x08", 5));
    mon.z.Komunikat(QByteArray("@\x49", 2));
    QVERIFY(mon.rejestr().isEmpty());
    QCOMPARE(mon.z.stanSystemu(), QStringLiteral("STAN SYSTEMU"));
}

void TestZdarzeniaCentrali::zegarDwieCyfryIUplyw()
{
    Monitor mon;
    for (int i = 0; i < 6; ++i)
        QVERIFY(tekstZegara(mon.s.m, i).isEmpty());
    QCOMPARE(czasZegara(mon.s.m), QStringLiteral(":"));
    mon.wyslij(komunikat({193, 1, 12, 31, 23, 59, 58}));
    const QStringList oczekiwane = {"58", "59", "23", "31", "12", "01"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(tekstZegara(mon.s.m, i), oczekiwane[i]);
    mon.s.lacze.tick();
    mon.s.lacze.tick();
    const QStringList po = {"00", "00", "00", "31", "12", "01"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(tekstZegara(mon.s.m, i), po[i]);
    QCOMPARE(dwieCyfry(0), QStringLiteral("00"));
    QCOMPARE(dwieCyfry(9), QStringLiteral("09"));
    QCOMPARE(dwieCyfry(10), QStringLiteral("10"));
    QCOMPARE(dwieCyfry(255), QStringLiteral("255"));
}

QTEST_GUILESS_MAIN(TestZdarzeniaCentrali)
#include "tst_zdarzeniacentrali.moc"
