// Login, download and upload end to end: the real link engine against the simulated panel,
// in virtual time, with and without faults on the line.

#include "StanowiskoSymulatora.h"
#include "access/Logowanie.h"
#include "access/Przesylanie.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTest>

using namespace zr05;

namespace
{

struct Program : StanowiskoSymulatora {
    Logowanie logowanie{m, lacze};
    Przesylanie przesylanie{m, lacze};

    explicit Program(UstawieniaSymulatora u = {}) : StanowiskoSymulatora(u) {}

    void zaloguj(const QString& kod)
    {
        logowanie.oknoOtwarte();
        QVERIFY(doKonca(10000));
        logowanie.zatwierdzKod(kod);
        QVERIFY(doKonca(10000));
        uplyw(1000); // a 118-byte write takes 540 ms to reach the panel
    }
    void instalator()
    {
        zaloguj(sym.ustawienia().kody.uzytkownik);
        zaloguj(sym.ustawienia().kody.instalator);
        QVERIFY(m.zalogowanyInstalator());
    }
    QByteArray pamiec(int adres, int dlugosc) const { return sym.pamiec().czytaj(adres, dlugosc); }
};

// The image compared with the panel's memory laid out by address, table by table.
void porownajZPamiecia(const Konfiguracja& k, const Program& p, bool zUrzadzeniami)
{
    auto rekordy = [&](const auto& tabela, int od, int ile, int adres) {
        const int rozmiar = int(tabela[0].size());
        const QByteArray mem = p.pamiec(adres, ile * rozmiar);
        for (int r = 0; r < ile; ++r)
            for (int j = 0; j < rozmiar; ++j)
                if (tabela[od + r][j] != Bajt(mem[r * rozmiar + j]))
                    return QStringLiteral("record %1 byte %2 at 0x%3")
                        .arg(od + r)
                        .arg(j)
                        .arg(adres + r * rozmiar + j, 4, 16, QLatin1Char('0'));
        return QString();
    };
    QCOMPARE(rekordy(k.Linie, 1, 80, 0x2000), QString());
    QCOMPARE(rekordy(k.WyjOC, 1, 16, 0x3000), QString());
    QCOMPARE(rekordy(k.WyjPk, 1, 2, 0x3180), QString());
    QCOMPARE(rekordy(k.Kontrole, 1, 24, 0x1300), QString());
    QCOMPARE(rekordy(k.Strefy, 1, 10, 0x0200), QString());
    const QByteArray sys = p.pamiec(0x1070, 5);
    QCOMPARE(k.Buzzery, Bajt(sys[0]));
    QCOMPARE(k.KodyTajne, Bajt(sys[1]));
    QCOMPARE(k.CzasKodu, Bajt(sys[2]));
    QCOMPARE(k.KlawFun, Bajt(sys[3]));
    QCOMPARE(k.CzasBlokady, Bajt(sys[4]));
    const QByteArray auto_ = p.pamiec(0x13D0, 5);
    for (int j = 0; j < 5; ++j)
        QCOMPARE(k.AutoUzbr[j], Bajt(auto_[j]));
    if (zUrzadzeniami) {
        const QByteArray urz = p.pamiec(0x0080, 16);
        for (int i = 1; i <= 16; ++i)
            QCOMPARE(k.Urzadzenia[i], Bajt(urz[i - 1]));
    }
    const QByteArray nazwy = p.pamiec(0x0D00, 256);
    QStringEncoder cp1250("windows-1250");
    for (int n = 0; n < 32; ++n) {
        // The panel keeps every name as 8 bytes, cut or padded with blanks.
        const QByteArray oczekiwane = QByteArray(cp1250(k.NazwyLinii[224 + n])).left(8);
        QCOMPARE(nazwy.mid(8 * n, 8), oczekiwane.leftJustified(8, ' '));
    }
}

template <typename T> void losuj(T& tabela, QRandomGenerator& los)
{
    for (auto& rekord : tabela)
        for (auto& b : rekord)
            b = Bajt(los.bounded(256));
}

} // namespace

class TestPrzesylanie : public QObject
{
    Q_OBJECT
private slots:
    void bezInstalatoraNicNieRusza()
    {
        Program p;
        p.zaloguj(p.sym.ustawienia().kody.uzytkownik);
        const QString odmowa =
            QStringLiteral("Nie zalogowany instalator. Operacja nie może być wykonana.");
        QCOMPARE(p.przesylanie.pobierz().value_or(QString()), odmowa);
        QCOMPARE(p.przesylanie.przekaz().value_or(QString()), odmowa);
        QCOMPARE(p.m.KodOperacji, Bajt(0));
        QCOMPARE(p.m.status(), QString());
    }

    void pobranieWypelniaCalyObraz()
    {
        Program p;
        p.instalator();
        QSignalSpy wpisy(&p.m, &Module1::konfiguracjaZmieniona);
        QSignalSpy koniec(&p.przesylanie, &Przesylanie::zakonczone);
        QVERIFY(!p.przesylanie.pobierz());
        QCOMPARE(p.m.status(), tekst::StatusPobierania);
        QVERIFY(p.doKonca());
        QCOMPARE(wpisy.count(), 1);
        QCOMPARE(koniec.count(), 1);
        QCOMPARE(p.przesylanie.postep(), 100.0);
        QCOMPARE(p.m.KonfigJest, 1);
        QCOMPARE(p.sym.liczniki().odczyty, 32 + 2); // and the two block queries of the logins
        porownajZPamiecia(p.m.Obraz, p, true);
        QVERIFY(p.m.dostepny(Element::mnuKonfPrzekaz));
    }

    void drugiKrokWyjscPkZBajtow48do71()
    {
        Program p;
        p.sym.pamiec().zapisz(0x3168 + 48, QByteArray(24, char(0x5A)));
        p.sym.pamiec().zapisz(0x3168 + 24, QByteArray(24, char(0x11)));
        p.instalator();
        p.przesylanie.pobierz();
        QVERIFY(p.doKonca());
        for (int j = 0; j < 24; ++j) {
            QCOMPARE(p.m.Obraz.WyjPk[2][j], Bajt(0x5A));
            QCOMPARE(p.m.Obraz.WyjPk[1][j], Bajt(0x11));
        }
    }

    void przeslanieZapisujeObrazWCentrali()
    {
        Program p;
        p.instalator();
        p.przesylanie.pobierz();
        QVERIFY(p.doKonca());
        const QByteArray urzadzeniaPrzed = p.pamiec(0x0080, 16);

        QRandomGenerator los(7);
        auto& k = p.m.Obraz;
        losuj(k.Linie, los);
        losuj(k.WyjOC, los);
        losuj(k.WyjPk, los);
        losuj(k.Kontrole, los);
        losuj(k.Strefy, los);
        k.Buzzery = 3, k.KodyTajne = 1, k.CzasKodu = 30, k.KlawFun = 15, k.CzasBlokady = 9;
        k.AutoUzbr = {21, 45, 5, 0xFF, 0x03};
        k.Urzadzenia.fill(0x77);
        for (int n = 224; n < 256; ++n)
            k.NazwyLinii[n] = QStringLiteral("N%1").arg(n);
        k.NazwyLinii[224] = QStringLiteral("ABC");
        k.NazwyLinii[255] = QStringLiteral("BARDZODLUGA");

        QSignalSpy koniec(&p.przesylanie, &Przesylanie::zakonczone);
        QList<double> postepy;
        connect(&p.przesylanie, &Przesylanie::postepZmieniony, [&](double v) { postepy << v; });
        QVERIFY(!p.przesylanie.przekaz());
        QCOMPARE(p.m.status(), tekst::StatusPrzesylania);
        QVERIFY(p.czekaj([&] { return koniec.count() == 1; }, 120000));
        QCOMPARE(p.m.KodOperacji, Bajt(0));
        p.uplyw(1000);
        QCOMPARE(p.sym.liczniki().zapisy, 41);
        QCOMPARE(p.sym.liczniki().koniecProgramowania, 1);
        QCOMPARE(postepy.last(), 40 * 100.0 / 41);
        QCOMPARE(postepy.size(), 1 + 40); // the start, then every step but 95
        // Every table but the devices, which the upload never sends.
        porownajZPamiecia(k, p, false);
        QCOMPARE(p.pamiec(0x0080, 16), urzadzeniaPrzed);
    }

    void przeklamaniaIZgubioneBajtyNiePsujaPobrania_data()
    {
        QTest::addColumn<quint64>("ziarno");
        for (quint64 z : {1u, 2u, 3u})
            QTest::addRow("seed %llu", z) << z;
    }
    void przeklamaniaIZgubioneBajtyNiePsujaPobrania()
    {
        QFETCH(quint64, ziarno);
        UstawieniaSymulatora u;
        u.usterki.ziarno = ziarno;
        u.usterki.przeklamanie = 0.002;
        u.usterki.zgubienie = 0.002;
        u.usterki.smieci = 0.02;
        Program p(u);
        p.instalator();
        p.przesylanie.pobierz();
        QVERIFY(p.doKonca(600000));
        const auto& usterki = p.sym.usterki().liczniki();
        QVERIFY(usterki.przeklamane + usterki.zgubione > 0);
        porownajZPamiecia(p.m.Obraz, p, true);
    }

    void utrataLaczaWstrzymujeIWznawiaPobranie()
    {
        Program p;
        p.instalator();
        p.przesylanie.pobierz();
        QVERIFY(p.czekaj([&] { return p.m.KodOperacji == 10; }, 60000));
        p.sym.zamilknij(p.przewod.terazUs(), 8000);
        QVERIFY(p.czekaj([&] { return p.m.status().startsWith(QStringLiteral("BRAK")); }, 5000));
        const Bajt wstrzymany = p.m.KodOperacji;
        p.uplyw(3000);
        QCOMPARE(p.m.KodOperacji, wstrzymany);
        QVERIFY(p.doKonca());
        QCOMPARE(p.m.status(), QString());
        porownajZPamiecia(p.m.Obraz, p, true);
    }

    void trzyBledneKodyBlokujaWCentrali()
    {
        Program p;
        p.sym.pamiec().ustawBajt(0x1070 + 4, 25);
        for (int i = 0; i < 3; ++i)
            p.zaloguj(QStringLiteral("55555"));
        QCOMPARE(p.m.BlokadaDostepu, 1);
        QCOMPARE(p.pamiec(0x0757, 2), QByteArray("\x01\x19", 2));
        QCOMPARE(p.m.Obraz.CzasBlokady, Bajt(25));

        // A later window learns of the block from the panel even in a fresh program.
        Program nowy;
        nowy.sym.pamiec().zapisz(0x0757, QByteArray("\x01\x19", 2));
        nowy.logowanie.oknoOtwarte();
        QVERIFY(nowy.doKonca(10000));
        QCOMPARE(nowy.logowanie.komunikat(), tekst::BlokadaDostepu);

        p.zaloguj(p.sym.ustawienia().kody.odblokowanie);
        QCOMPARE(p.m.BlokadaDostepu, 0);
        QCOMPARE(p.pamiec(0x0757, 2), QByteArray(2, '\0'));
        p.zaloguj(p.sym.ustawienia().kody.nadzorca);
        QVERIFY(p.m.zalogowanyUzytkownik());
        QVERIFY(p.m.dostepny(Element::Przycisk7));
    }

    void pobranieWOdliczaniuKoncaNieJestPrzerywane()
    {
        Program p;
        p.instalator();
        QSignalSpy koniec(&p.przesylanie, &Przesylanie::zakonczone);
        p.przesylanie.przekaz();
        QVERIFY(p.czekaj([&] { return p.m.OdliczanieKonca == 3; }, 120000));
        QVERIFY(p.przesylanie.przesylanieTrwa());
        p.przesylanie.pobierz();
        QVERIFY(p.doKonca());
        QCOMPARE(p.m.KonfigJest, 1);
        QCOMPARE(p.sym.liczniki().koniecProgramowania, 0);
        QCOMPARE(koniec.count(), 1); // the download's own end
        QVERIFY(!p.przesylanie.przesylanieTrwa());
    }
};

QTEST_GUILESS_MAIN(TestPrzesylanie)
#include "tst_przesylanie.moc"
