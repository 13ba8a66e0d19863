// Code checking and packing, the access levels, the block after three wrong codes, logouts.

#include "StanowiskoLacza.h"
#include "access/Logowanie.h"

#include <QSignalSpy>
#include <QTest>

using namespace zr05;

namespace
{
using B = StanowiskoLacza;

struct Stanowisko : StanowiskoLacza {
    Logowanie logowanie{m, lacze};

    // One code through the slot and the panel's answer.
    void kod(const QString& tekst, Bajt dostep)
    {
        logowanie.zatwierdzKod(tekst);
        QCOMPARE(m.KodOperacji, Bajt(40));
        odbierz(slot());
        odbierz(ramka::zSuma(bajty({0x37, 0x4C, 0x00, dostep})));
    }
    void odczyt(std::initializer_list<int> dane)
    {
        QByteArray k("\x37\x6B");
        k += bajty(dane);
        odbierz(ramka::zSuma(k));
    }
    bool dostepne(std::initializer_list<Element> e) const
    {
        for (Element x : e)
            if (!m.dostepny(x))
                return false;
        return true;
    }
    bool niedostepne(std::initializer_list<Element> e) const
    {
        for (Element x : e)
            if (m.dostepny(x))
                return false;
        return true;
    }
};

const std::initializer_list<Element> PoUzytkowniku = {Element::mnuOn, Element::mnuHist,
                                                      Element::mnuKonfWyUZYT, Element::Przycisk8,
                                                      Element::Przycisk9};
const std::initializer_list<Element> PoInstalatorze = {Element::mnuKonfPobierz,
                                                       Element::mnuKonfWyINST, Element::Przycisk4};
} // namespace

class TestLogowanie : public QObject
{
    Q_OBJECT
private slots:
    void pakowanieKodu_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<int>("ocena");
        QTest::addColumn<QByteArray>("bajty");
        using O = Logowanie::OcenaKodu;
        QTest::newRow("3 digits") << "123" << int(O::ZlaDlugosc) << QByteArray(4, '\0');
        QTest::newRow("9 digits") << "123456789" << int(O::ZlaDlugosc) << QByteArray(4, '\0');
        QTest::newRow("empty") << "" << int(O::ZlaDlugosc) << QByteArray(4, '\0');
        QTest::newRow("letter") << "12a4" << int(O::ZlyZnak) << QByteArray(4, '\0');
        QTest::newRow("blank") << "12 45" << int(O::ZlyZnak) << QByteArray(4, '\0');
        QTest::newRow("arabic digit")
            << QString::fromUtf8("12٣4") << int(O::ZlyZnak) << QByteArray(4, '\0');
        QTest::newRow("4 digits") << "1234" << int(O::Dobry) << B::bajty({0x12, 0x34, 0xFF, 0xFF});
        QTest::newRow("5 digits") << "90817" << int(O::Dobry) << B::bajty({0x90, 0x81, 0x7F, 0xFF});
        QTest::newRow("8 digits") << "13572468" << int(O::Dobry)
                                  << B::bajty({0x13, 0x57, 0x24, 0x68});
        QTest::newRow("zeros") << "0000" << int(O::Dobry) << B::bajty({0x00, 0x00, 0xFF, 0xFF});
    }
    void pakowanieKodu()
    {
        QFETCH(QString, kod);
        QFETCH(int, ocena);
        QFETCH(QByteArray, bajty);
        std::array<Bajt, 4> spakowany{9, 9, 9, 9};
        QCOMPARE(int(Logowanie::spakujKod(kod, spakowany)), ocena);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(spakowany.data()), 4), bajty);
    }

    void zlyKodNieIdzieDoCentrali()
    {
        Stanowisko s;
        QSignalSpy czysc(&s.logowanie, &Logowanie::wyczyscKod);
        s.logowanie.zatwierdzKod(QStringLiteral("123"));
        QCOMPARE(s.logowanie.komunikat(), tekst::ZlaDlugoscKodu);
        s.logowanie.zatwierdzKod(QStringLiteral("12x4"));
        QCOMPARE(s.logowanie.komunikat(), tekst::ZlyZnakKodu);
        QCOMPARE(czysc.count(), 2);
        QCOMPARE(s.m.KodOperacji, Bajt(0));
        s.odbierz(s.slot());
        QVERIFY(s.odbierzWyslane().isEmpty());
    }

    void poziomyDostepu_data()
    {
        QTest::addColumn<int>("dostep");
        QTest::addColumn<bool>("uzytkownik");
        QTest::addColumn<bool>("przycisk7");
        QTest::newRow("user") << 0x20 << true << false;
        QTest::newRow("supervisor") << 0x40 << true << true;
        QTest::newRow("installer first") << 0x80 << false << false;
        QTest::newRow("other accepted") << 0x21 << false << false;
        QTest::newRow("0xFF") << 0xFF << false << false;
    }
    void poziomyDostepu()
    {
        QFETCH(int, dostep);
        QFETCH(bool, uzytkownik);
        QFETCH(bool, przycisk7);
        Stanowisko s;
        QSignalSpy zamknij(&s.logowanie, &Logowanie::zamknijOkno);
        s.kod(QStringLiteral("1111"), Bajt(dostep));
        QCOMPARE(zamknij.count(), 1);
        QCOMPARE(s.m.KodOperacji, Bajt(0));
        QCOMPARE(s.m.zalogowanyUzytkownik(), uzytkownik);
        QCOMPARE(s.dostepne(PoUzytkowniku), uzytkownik);
        QCOMPARE(s.m.dostepny(Element::Przycisk7), przycisk7);
        QVERIFY(!s.m.zalogowanyInstalator());
        QVERIFY(s.niedostepne(PoInstalatorze));
        QVERIFY(s.m.KodWprowadzony == (std::array<Bajt, 4>{}));
    }

    void instalatorPoUzytkowniku()
    {
        Stanowisko s;
        s.kod(QStringLiteral("1111"), 0x20);
        s.kod(QStringLiteral("33334444"), 0x80);
        QVERIFY(s.m.zalogowanyInstalator());
        QVERIFY(s.dostepne(PoInstalatorze));
        // Upload waits for a configuration loaded while the installer is in.
        QVERIFY(s.niedostepne({Element::mnuKonfPrzekaz, Element::Przycisk5}));
        s.m.WpisKonfig();
        QVERIFY(s.dostepne({Element::mnuKonfPrzekaz, Element::Przycisk5}));

        s.logowanie.wylogujInstalatora();
        QVERIFY(!s.m.zalogowanyInstalator());
        QVERIFY(s.niedostepne(PoInstalatorze));
        QVERIFY(s.niedostepne({Element::mnuKonfPrzekaz, Element::Przycisk5}));
        QVERIFY(s.m.zalogowanyUzytkownik());
    }

    void wylogowanieUzytkownikaWylaczaOnLine()
    {
        Stanowisko s;
        s.kod(QStringLiteral("2222"), 0x40);
        s.kod(QStringLiteral("3333"), 0x80);
        s.m.ustawOnLine(true);
        s.logowanie.wylogujUzytkownika();
        QVERIFY(!s.m.onLine());
        QCOMPARE(s.m.BajtOdpowiedzi, Bajt(0));
        QVERIFY(s.niedostepne(PoUzytkowniku));
        QVERIFY(!s.m.dostepny(Element::Przycisk7));
        // The installer stays logged in.
        QVERIFY(s.m.zalogowanyInstalator());
        QVERIFY(s.dostepne(PoInstalatorze));
        s.odbierzWyslane();
        s.odbierz(s.poll());
        QCOMPARE(s.odbierzWyslane(), B::bajty({0x37, 0x00, 0xC9}));
    }

    void dwaZleIDobryZerujaLicznik()
    {
        Stanowisko s;
        s.kod(QStringLiteral("0000"), 0x00);
        QCOMPARE(s.logowanie.komunikat(), tekst::NiepoprawnyKod);
        s.kod(QStringLiteral("0000"), 0x1F);
        QCOMPARE(s.m.ProbyKodu, 2);
        QCOMPARE(s.m.KodOperacji, Bajt(0));
        s.kod(QStringLiteral("1111"), 0x20);
        QCOMPARE(s.m.ProbyKodu, 0);
        s.kod(QStringLiteral("0000"), 0x00);
        s.kod(QStringLiteral("0000"), 0x00);
        QCOMPARE(s.m.BlokadaDostepu, 0);
        QCOMPARE(s.m.KodOperacji, Bajt(0));
    }

    void trzeciZlyKodZapisujeBlokade()
    {
        Stanowisko s;
        for (int i = 0; i < 3; ++i)
            s.kod(QStringLiteral("9999"), 0x00);
        QCOMPARE(s.m.BlokadaDostepu, 1);
        QCOMPARE(s.logowanie.komunikat(), tekst::BlokadaDostepu);
        QCOMPARE(s.m.KodOperacji, Bajt(42));
        s.odbierzWyslane();
        s.odbierz(s.slot());
        QCOMPARE(s.odbierzWyslane(), ramka::zSuma(B::bajty({0x37, 0xB0, 5, 0, 0x70, 0x10})));
        s.odczyt({1, 2, 3, 4, 17});
        QCOMPARE(s.m.Obraz.CzasBlokady, Bajt(17));
        QCOMPARE(s.m.KodOperacji, Bajt(43));
        s.odbierz(s.slot());
        QCOMPARE(s.odbierzWyslane().left(7), B::bajty({0x37, 0xB1, 0x57, 0x07, 2, 1, 17}));
        QCOMPARE(s.m.KodOperacji, Bajt(0));

        // While blocked even a good code is refused unless the panel answers 4.
        s.kod(QStringLiteral("1111"), 0x20);
        QCOMPARE(s.logowanie.komunikat(), tekst::BlokadaDostepu);
        QVERIFY(!s.m.zalogowanyUzytkownik());
        QCOMPARE(s.m.KodOperacji, Bajt(0));

        s.kod(QStringLiteral("12345678"), dostep::Odblokowanie);
        QCOMPARE(s.m.BlokadaDostepu, 0);
        QCOMPARE(s.m.ProbyKodu, 0);
        QCOMPARE(s.logowanie.komunikat(), QString());
        QCOMPARE(s.m.KodOperacji, Bajt(44));
        s.odbierzWyslane();
        s.odbierz(s.slot());
        QCOMPARE(s.odbierzWyslane().left(7), B::bajty({0x37, 0xB1, 0x57, 0x07, 2, 0, 0}));
        s.kod(QStringLiteral("1111"), 0x20);
        QVERIFY(s.m.zalogowanyUzytkownik());
    }

    void blokadaZapisanaWCentraliJestZglaszana()
    {
        Stanowisko s;
        s.logowanie.oknoOtwarte();
        QCOMPARE(s.m.KodOperacji, Bajt(41));
        s.odbierz(s.slot());
        s.odczyt({1, 10});
        QCOMPARE(s.m.BlokadaDostepu, 1);
        QCOMPARE(s.logowanie.komunikat(), tekst::BlokadaDostepu);
        QCOMPARE(s.m.KodOperacji, Bajt(0));
        // Two zero bytes later do not lift a block already known.
        s.logowanie.oknoOtwarte();
        s.odbierz(s.slot());
        s.odczyt({0, 0});
        QCOMPARE(s.m.BlokadaDostepu, 1);
    }

    void odpowiedzKoduBezOczekiwaniaJestPomijana()
    {
        Stanowisko s;
        s.odbierz(ramka::zSuma(B::bajty({0x37, 0x4C, 0x00, 0x40})));
        QVERIFY(!s.m.zalogowanyUzytkownik());
        s.logowanie.zatwierdzKod(QStringLiteral("4444"));
        s.m.KodOperacji = 1; // replaced by a download before the slot
        s.odbierz(ramka::zSuma(B::bajty({0x37, 0x4C, 0x00, 0x00})));
        QCOMPARE(s.m.ProbyKodu, 0);
        QCOMPARE(s.m.KodOperacji, Bajt(1));
    }

    void zamkniecieOknaZapominaKod()
    {
        Stanowisko s;
        s.logowanie.zatwierdzKod(QStringLiteral("87654321"));
        QVERIFY(s.m.KodWprowadzony != (std::array<Bajt, 4>{}));
        s.logowanie.oknoZamkniete();
        QVERIFY(s.m.KodWprowadzony == (std::array<Bajt, 4>{}));
        QCOMPARE(s.m.KodOperacji, Bajt(0));
        s.odbierz(s.slot());
        QVERIFY(s.odbierzWyslane().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLogowanie)
#include "tst_logowanie.moc"
