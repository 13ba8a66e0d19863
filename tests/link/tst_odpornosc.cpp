// Random and hostile byte streams: the receiver never reads or writes outside its buffers,
// never stalls for good, and answers the next clean poll after a pause.

#include "StanowiskoLacza.h"
#include "access/Logowanie.h"
#include "access/Przesylanie.h"

#include <QRandomGenerator>
#include <QTest>

using namespace zr05;

namespace
{
const QByteArray OdpowiedzNaPoll = StanowiskoLacza::bajty({0x37, 0x00, 0xC9});

// Bytes biased towards start and code bytes, so that frames of every kind begin often.
Bajt losowyBajt(QRandomGenerator& los)
{
    static const Bajt czeste[] = {0x37, 0x40, 'A',  'B',  'C', 'D', 0x44,
                                  0x4B, 0x6B, 0x4C, 0x6C, 193, 1,   3};
    return los.bounded(3) == 0 ? czeste[los.bounded(int(std::size(czeste)))]
                               : Bajt(los.bounded(256));
}
} // namespace

class TestOdpornosc : public QObject
{
    Q_OBJECT
private slots:
    void losoweStrumienie_data()
    {
        QTest::addColumn<quint32>("ziarno");
        for (quint32 z = 1; z <= 8; ++z)
            QTest::addRow("seed %u", z) << z;
    }
    void losoweStrumienie()
    {
        QFETCH(quint32, ziarno);
        QRandomGenerator los(ziarno);
        StanowiskoLacza s;
        Logowanie logowanie(s.m, s.lacze);
        Przesylanie przesylanie(s.m, s.lacze);
        s.m.WybranyPort = 1;
        s.m.ustawCheck1(0, true);
        s.m.ustawCheck1(1, true);

        for (int i = 0; i < 60000; ++i) {
            // Now and then the user starts something, so reads of every length are pending.
            if (los.bounded(500) == 0) {
                const int kody[] = {0,  1,  5,  24, 26, 32, 40,  41, 42,
                                    43, 44, 45, 47, 60, 95, 100, 101};
                s.m.KodOperacji = Bajt(kody[los.bounded(int(std::size(kody)))]);
            }
            if (los.bounded(200) == 0)
                s.lacze.tick();
            s.pauza(los.bounded(8) == 0 ? los.bounded(300) : 0);
            s.odbierz(QByteArray(1, char(losowyBajt(los))));
            QVERIFY(s.lacze.rodzajRamki() >= 0 && s.lacze.rodzajRamki() <= 6);
            QVERIFY(s.lacze.oczekiwanyOdczyt() <= 128);
        }

        // Whatever came before, a pause and a clean poll get a clean answer.
        s.m.KodOperacji = 0;
        s.m.ustawOnLine(false);
        s.odbierzWyslane();
        s.pauza(500);
        s.odbierz(s.poll());
        QCOMPARE(s.odbierzWyslane(), OdpowiedzNaPoll);
    }

    void zaDlugieRamkiStanuSaPorzucane()
    {
        StanowiskoLacza s;
        // Twelve-byte status frames back to back with a wrong sum each: every one is dropped
        // at its own length and the next starts cleanly.
        QByteArray zle;
        for (int i = 0; i < 50; ++i) {
            QByteArray r("C");
            r.append(QByteArray(10, char(i)));
            r.append(char(ramka::sumaKontrolna(r) + 1));
            zle += r;
        }
        s.odbierz(zle);
        QCOMPARE(s.lacze.rodzajRamki(), 0);
        QCOMPARE(s.lacze.ramka(3)[1], Bajt(0));
        s.odbierz(s.poll());
        QCOMPARE(s.odbierzWyslane(), OdpowiedzNaPoll);
    }
};

QTEST_GUILESS_MAIN(TestOdpornosc)
#include "tst_odpornosc.moc"
