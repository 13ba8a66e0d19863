// Frame assembly: delimiting, checksums, lengths by code, and finding the frames again.

#include "StanowiskoLacza.h"

#include <QSignalSpy>
#include <QTest>

using namespace zr05;

namespace
{
const QByteArray OdpowiedzNaPoll = StanowiskoLacza::bajty({0x37, 0x00, 0xC9});

QByteArray ramkaStanu(char start, Bajt wypelnienie)
{
    QByteArray r(1, start);
    r.append(QByteArray(10, char(wypelnienie)));
    return ramka::zSuma(r);
}

QByteArray odczytK(int dlugosc, Bajt od = 0)
{
    QByteArray r("\x37\x6B");
    for (int i = 0; i < dlugosc; ++i)
        r.append(char(Bajt(od + i)));
    return ramka::zSuma(r);
}
} // namespace

class TestRamki : public QObject
{
    Q_OBJECT
private slots:
    void pollSumujacySieDoZeraJestWazny()
    {
        StanowiskoLacza s;
        s.odbierz({0x37, 0x44, 0x85});
        QCOMPARE(s.odbierzWyslane(), OdpowiedzNaPoll);
        QCOMPARE(s.m.LicznikLacza, 3);
    }

    void sladPokazujeCoOdbiornikZrobilZKazdymBajtem()
    {
        StanowiskoLacza s;
        QStringList slad;
        s.lacze.ustawSlad([&](const WpisSladu& w) {
            slad << tekstWpisu(w).simplified().section(QLatin1Char(' '), 1);
        });
        s.odbierz({0x00, 0xFF, 0x13}); // garbage between frames is ignored
        s.odbierz(s.poll());
        s.odbierz({0x37, 0x44, 0x86});
        s.odbierz({'C', 1, 2});
        s.pauza(200);
        s.odbierz({0x37, 0x6B, 0x00}); // a read answer nobody asked for
        s.odbierz(s.poll());
        QCOMPARE(slad, QStringList({
                           "panel->PC 00 FF 13 outside a frame, ignored",
                           "panel->PC 37 44 85 accepted",
                           "PC->panel 37 00 C9 sent",
                           "panel->PC 37 44 86 checksum wrong, dropped",
                           "panel->PC 43 01 02 dropped after a pause",
                           "panel->PC 37 6B unexpected, dropped",
                           "panel->PC 00 outside a frame, ignored",
                           "panel->PC 37 44 85 accepted",
                           "PC->panel 37 00 C9 sent",
                       }));
        QCOMPARE(tekstWpisu({12345678, true, QByteArray("\x37\xDE\xEB"), LosBajtow::Wyslane}),
                 QStringLiteral("     12.346  PC->panel  37 DE EB  sent"));
    }

    void zlaSumaNieZostawiaSladu()
    {
        StanowiskoLacza s;
        QSignalSpy stany(&s.lacze, &Lacze::ramkaStanu);
        QByteArray c = ramkaStanu('C', 0x11);
        s.odbierz(c);
        QCOMPARE(stany.count(), 1);
        const auto przed = s.lacze.ramka(3);

        c[4] = char(c[4] + 1);
        s.odbierz(c);
        QCOMPARE(stany.count(), 1);
        QCOMPARE(s.lacze.ramka(3), przed);

        QByteArray zlyPoll = s.poll();
        zlyPoll[2] = char(zlyPoll[2] + 1);
        s.odbierz(zlyPoll);
        QVERIFY(s.odbierzWyslane().isEmpty());
        QCOMPARE(s.m.LicznikLacza, 2);
        // The receiver is free again right after the bad frame.
        s.odbierz(s.poll());
        QCOMPARE(s.odbierzWyslane(), OdpowiedzNaPoll);
    }

    void ramkiStanuTrafiajaDoSwoichWierszy_data()
    {
        QTest::addColumn<char>("start");
        QTest::addColumn<int>("rodzaj");
        QTest::newRow("A") << 'A' << 1;
        QTest::newRow("B") << 'B' << 2;
        QTest::newRow("C") << 'C' << 3;
        QTest::newRow("D") << 'D' << 6;
    }
    void ramkiStanuTrafiajaDoSwoichWierszy()
    {
        QFETCH(char, start);
        QFETCH(int, rodzaj);
        StanowiskoLacza s;
        QSignalSpy stany(&s.lacze, &Lacze::ramkaStanu);
        const QByteArray r = ramkaStanu(start, Bajt(0x20 + rodzaj));
        s.odbierz(r);
        QCOMPARE(stany.count(), 1);
        QCOMPARE(stany.at(0).at(0).toInt(), rodzaj);
        for (int i = 0; i < r.size(); ++i)
            QCOMPARE(s.lacze.ramka(rodzaj)[i], Bajt(r[i]));
    }

    void dlugoscKomunikatuZalezyOdKodu_data()
    {
        QTest::addColumn<int>("kod");
        QTest::addColumn<int>("dlugosc");
        const std::pair<int, int> tabela[] = {
            {1, 7},  {2, 6},  {3, 15}, {4, 15}, {193, 9}, {37, 3}, {38, 4},  {39, 8},
            {40, 4}, {73, 4}, {0, 3},  {5, 3},  {72, 3},  {74, 3}, {192, 3}, {255, 3}};
        for (auto [kod, dlugosc] : tabela)
            QTest::addRow("kod %d", kod) << kod << dlugosc;
    }
    void dlugoscKomunikatuZalezyOdKodu()
    {
        QFETCH(int, kod);
        QFETCH(int, dlugosc);
        StanowiskoLacza s;
        QSignalSpy komunikaty(&s.lacze, &Lacze::komunikat);
        QByteArray r("\x40");
        r.append(char(kod));
        // Payload bytes that are not start bytes, so a wrong length would show.
        while (r.size() < dlugosc - 1)
            r.append(char(0x01));
        s.odbierz(ramka::zSuma(r));
        QCOMPARE(komunikaty.count(), 1);
        QCOMPARE(komunikaty.at(0).at(0).toByteArray().size(), dlugosc);
        s.odbierz(s.poll());
        QCOMPARE(s.odbierzWyslane(), OdpowiedzNaPoll);
    }

    void dlugoscOdpowiedziKZOstatniegoOdczytu_data()
    {
        QTest::addColumn<int>("kod");
        QTest::addColumn<int>("dlugosc");
        QTest::newRow("128 bytes") << 5 << 128;
        QTest::newRow("5 bytes") << 26 << 5;
        QTest::newRow("2 bytes") << 41 << 2;
    }
    void dlugoscOdpowiedziKZOstatniegoOdczytu()
    {
        QFETCH(int, kod);
        QFETCH(int, dlugosc);
        StanowiskoLacza s;
        QSignalSpy dane(&s.lacze, &Lacze::daneOdczytu);
        s.m.KodOperacji = Bajt(kod);
        s.odbierz(s.slot());
        QCOMPARE(s.lacze.oczekiwanyOdczyt(), dlugosc);
        // A poll answer in between rewrites the start of the send buffer only.
        s.odbierz(s.poll());
        const QByteArray k = odczytK(dlugosc, 0x30);
        QCOMPARE(k.size(), dlugosc + 3);
        s.odbierz(k.left(k.size() - 1));
        QCOMPARE(dane.count(), 0);
        s.odbierz(k.right(1));
        QCOMPARE(dane.count(), 1);
        QCOMPARE(dane.at(0).at(1).toByteArray(), k.mid(2, dlugosc));
        QCOMPARE(s.lacze.oczekiwanyOdczyt(), 0);
    }

    // After a write the address sits where a read keeps its length: the answer length must
    // never be taken from there.
    void odpowiedzKBezOdczytuNieZajmujeOdbiornika()
    {
        StanowiskoLacza s;
        s.m.KodOperacji = 44; // write 2 bytes at 0x0757
        s.odbierz(s.slot());
        QCOMPARE(s.odbierzWyslane().size(), ramka::DlugoscZapisu);
        QCOMPARE(s.lacze.buforNad()[2], Bajt(0x57));
        QCOMPARE(s.lacze.buforNad()[3], Bajt(0x07));

        QSignalSpy dane(&s.lacze, &Lacze::daneOdczytu);
        s.odbierz(odczytK(16));
        QCOMPARE(dane.count(), 0);
        s.pauza(200);
        s.odbierz(s.poll());
        QCOMPARE(s.odbierzWyslane(), OdpowiedzNaPoll);
    }

    void dlugaOdpowiedzKNieWychodziPozaBufor()
    {
        StanowiskoLacza s;
        s.m.KodOperacji = 1;
        s.odbierz(s.slot());
        s.odbierzWyslane();
        // 5000 bytes of 'k' data: far more than asked for and than the buffer holds.
        QByteArray dlugie("\x37\x6B");
        dlugie.append(QByteArray(5000, char(0x55)));
        s.odbierz(dlugie);
        // The 131-byte frame ended early with a bad sum; the rest is ignored as garbage.
        QCOMPARE(s.m.KodOperacji, Bajt(1));
        s.pauza(200);
        s.odbierz(s.poll());
        QCOMPARE(s.odbierzWyslane(), StanowiskoLacza::bajty({0x37, 0x08, 0xC1}));
    }

    void uszkodzonaRamkaBlokujeNajwyzejNaSwojaDlugosc()
    {
        StanowiskoLacza s;
        QByteArray a = ramkaStanu('A', 0x01);
        a[11] = char(a[11] ^ 0x40);
        s.odbierz(a);
        QCOMPARE(s.lacze.rodzajRamki(), 0);
        s.odbierz(s.poll());
        QCOMPARE(s.odbierzWyslane(), OdpowiedzNaPoll);
    }

    // One lost 0x37 makes the polls line up into 12-byte runs that sum to zero, which look
    // like valid 'D' frames. The pause between polls must bring the receiver back.
    void zgubionyBajtPollaNieRozsynchronizujeNaZawsze()
    {
        StanowiskoLacza s;
        QSignalSpy stany(&s.lacze, &Lacze::ramkaStanu);
        s.odbierz({0x44, 0x85}); // a poll without its first byte
        for (int i = 0; i < 3; ++i)
            s.odbierz(s.poll());
        s.odbierz({0x37});
        s.odbierzWyslane();
        // Back to back, these bytes really are one zero-sum 12-byte 'D' frame.
        QCOMPARE(stany.count(), 1);

        for (int i = 0; i < 5; ++i) {
            s.pauza(300);
            s.odbierz(s.poll());
        }
        QCOMPARE(s.odbierzWyslane(), OdpowiedzNaPoll.repeated(5));
    }

    void zgubionyBajtWDlugiejOdpowiedziNiePrzesuwaDanych()
    {
        StanowiskoLacza s;
        QSignalSpy dane(&s.lacze, &Lacze::daneOdczytu);
        s.m.KodOperacji = 3;
        s.odbierz(s.slot());
        QByteArray k = odczytK(128, 0x10);
        k.remove(40, 1);
        s.odbierz(k);
        s.pauza(300);
        // Without the pause the poll's first byte would complete the answer.
        s.odbierz(s.poll());
        QCOMPARE(dane.count(), 0);
        QCOMPARE(s.m.KodOperacji, Bajt(3));
        s.odbierzWyslane();
        s.odbierz(s.slot());
        QCOMPARE(s.odbierzWyslane(),
                 ramka::zSuma(StanowiskoLacza::bajty({0x37, 0xB0, 0x80, 0x00, 0x00, 0x21})));
        s.odbierz(odczytK(128, 0x10));
        QCOMPARE(dane.count(), 1);
        QCOMPARE(dane.at(0).at(1).toByteArray(), odczytK(128, 0x10).mid(2, 128));
    }

    void bajtyPoPrzerwieWRamceZaczynajaNowa()
    {
        StanowiskoLacza s;
        s.odbierz({0x41, 0x01, 0x02}); // an 'A' frame that stops
        s.pauza(Lacze::CiszaPorzucajacaRamke + 1);
        s.odbierz(s.poll());
        QCOMPARE(s.odbierzWyslane(), OdpowiedzNaPoll);
    }

    void krotkaPrzerwaNiePrzerywaRamki()
    {
        StanowiskoLacza s;
        const QByteArray p = s.poll();
        s.odbierz(p.left(2));
        s.pauza(Lacze::CiszaPorzucajacaRamke - 10);
        s.odbierz(p.right(1));
        QCOMPARE(s.odbierzWyslane(), OdpowiedzNaPoll);
    }
};

QTEST_GUILESS_MAIN(TestRamki)
#include "tst_ramki.moc"
