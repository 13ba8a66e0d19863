// Storing of archive record frames and the start and stop of a download.

#include "RamkiArchiwum.h"
#include "StanowiskoLacza.h"
#include "archive/PobieranieArchiwum.h"
#include "archive/WidokArchiwum.h"

#include <QSignalSpy>
#include <QTest>

using namespace zr05;
using namespace zr05::ramkiArchiwum;

namespace
{
struct Stanowisko : StanowiskoLacza {
    PobieranieArchiwum archiwum{m, lacze};
    QStringList liczniki;

    Stanowisko()
    {
        m.ustawCheck1(0, true);
        QObject::connect(&archiwum, &PobieranieArchiwum::licznikZmieniony,
                         [this](const QString& t) { liczniki.append(t); });
    }
    // The start request goes out at the first slot.
    QByteArray zacznij(bool alarmy, Bajt dzien = 10, Bajt miesiac = 3, Bajt rok = 25)
    {
        archiwum.ustawAlarmy(alarmy);
        archiwum.pobierz(dzien, miesiac, rok);
        odbierz(slot());
        return odbierzWyslane();
    }
    // A slot, then the panel's answer.
    void odpowiedz(const QByteArray& ramka)
    {
        odbierz(slot());
        odbierzWyslane();
        odbierz(ramka);
    }
    bool rowneNumerowi(const TabeleArchiwum::Rekordy& t, int indeks, int numer) const
    {
        return t[indeks] == rekordNr(numer);
    }
};

bool same0(const TabeleArchiwum::Rekordy& t)
{
    for (const auto& r : t)
        for (Bajt b : r)
            if (b != 0)
                return false;
    return true;
}
} // namespace

class TstPobieranieArchiwum : public QObject
{
    Q_OBJECT
private slots:
    void zadanieStartu_data();
    void zadanieStartu();
    void pierwszaOdpowiedzZKoncem_data();
    void pierwszaOdpowiedzZKoncem();
    void piecPoTrzechPelnych_data();
    void piecPoTrzechPelnych();
    void przerwijPoTrzechPelnych_data();
    void przerwijPoTrzechPelnych();
    void ramkaPoPrzerwaniuDoSwojegoArchiwum_data();
    void ramkaPoPrzerwaniuDoSwojegoArchiwum();
    void startZerujeTylkoSwojeArchiwum();
    void nigdyPozaTabela();
    void ramkaPoZapelnieniuNicNieZmienia();
    void zlaSumaPonawiaZadanie();
    void zlaDlugoscOdrzucona();
    void innejOperacjiNiePrzerywa();
};

void TstPobieranieArchiwum::zadanieStartu_data()
{
    QTest::addColumn<bool>("alarmy");
    QTest::addColumn<QStringList>("pola");
    QTest::addColumn<QByteArray>("oczekiwane");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("zalogowany");
    QTest::newRow("events, 2005-03-07")
        << false << QStringList{"2005", "03", "07", "12", "30"}
        << ramka::zSuma(StanowiskoLacza::bajty({0x37, 0xB2, 1, 7, 3, 5}))
        << "HISTORIA ZDARZEŃ. Pobieranie archiwum z centralki." << true;
    QTest::newRow("alarms, 2099-12-31")
        << true << QStringList{"2099", "12", "31", "23", "59"}
        << ramka::zSuma(StanowiskoLacza::bajty({0x37, 0xB2, 2, 31, 12, 99}))
        << "HISTORIA ALARMÓW. Pobieranie archiwum z centralki." << true;
    QTest::newRow("events, 2000-01-01")
        << false << QStringList{"2000", "01", "01", "00", "00"}
        << ramka::zSuma(StanowiskoLacza::bajty({0x37, 0xB2, 1, 1, 1, 0}))
        << "HISTORIA ZDARZEŃ. Pobieranie archiwum z centralki." << true;
    // A window left open after the user logged out fetches nothing.
    QTest::newRow("logged out") << true << QStringList{"2025", "03", "10", "00", "00"}
                                << QByteArray() << "" << false;
}

void TstPobieranieArchiwum::zadanieStartu()
{
    QFETCH(bool, alarmy);
    QFETCH(QStringList, pola);
    QFETCH(QByteArray, oczekiwane);
    QFETCH(QString, status);
    QFETCH(bool, zalogowany);
    Stanowisko s;
    s.m.ustawCheck1(0, zalogowany);
    s.m.Archiwum.IloscAla = 7;
    const KluczCzasu od = kluczZPol(pola);
    s.archiwum.ustawAlarmy(alarmy);
    const auto odmowa = s.archiwum.pobierz(Bajt(od[2]), Bajt(od[1]), Bajt(od[0]));
    if (!zalogowany) {
        QCOMPARE(odmowa.value_or(QString()),
                 QStringLiteral("Nie zalogowany użytkownik. Operacja nie może być wykonana."));
        QCOMPARE(s.m.KodOperacji, 0);
        QCOMPARE(s.m.Archiwum.IloscAla, 7);
        QVERIFY(!s.archiwum.trwa());
        s.odbierz(StanowiskoLacza::slot());
        QCOMPARE(s.odbierzWyslane(), QByteArray());
        return;
    }
    QVERIFY(!odmowa);
    QVERIFY(s.archiwum.trwa());
    QCOMPARE(s.m.KodOperacji, alarmy ? 46 : 45);
    QCOMPARE(s.m.status(), status);
    QCOMPARE(s.archiwum.licznik(), QString());
    s.odbierz(StanowiskoLacza::slot());
    QCOMPARE(s.odbierzWyslane(), oczekiwane);
    QCOMPARE(s.m.KodOperacji, 47);
    s.odbierz(StanowiskoLacza::slot());
    QCOMPARE(s.odbierzWyslane(), ramka::zSuma(StanowiskoLacza::bajty({0x37, 0xB3})));
}

void TstPobieranieArchiwum::pierwszaOdpowiedzZKoncem_data()
{
    QTest::addColumn<bool>("alarmy");
    QTest::newRow("events") << false;
    QTest::newRow("alarms") << true;
}

void TstPobieranieArchiwum::pierwszaOdpowiedzZKoncem()
{
    QFETCH(bool, alarmy);
    Stanowisko s;
    // Left over from an earlier download: the new one starts from 0.
    s.m.Archiwum.IloscZda = s.m.Archiwum.IloscAla = 7;
    s.m.Archiwum.LicznikZda = s.m.Archiwum.LicznikAla = 16;
    QSignalSpy koniec(&s.archiwum, &PobieranieArchiwum::zakonczone);
    s.zacznij(alarmy);
    s.odpowiedz(zKoncem(0, 0));
    QCOMPARE(alarmy ? s.m.Archiwum.IloscAla : s.m.Archiwum.IloscZda, 0);
    QCOMPARE(s.m.KodOperacji, 0);
    QCOMPARE(s.archiwum.licznik(), QStringLiteral("KONIEC"));
    QCOMPARE(s.m.status(),
             alarmy
                 ? QStringLiteral("HISTORIA ALARMÓW. Pobieranie archiwum z centralki zakończone.")
                 : QStringLiteral("HISTORIA ZDARZEŃ. Pobieranie archiwum z centralki zakończone."));
    QCOMPARE(koniec.count(), 1);
    // No further request once the end is in.
    s.odbierz(StanowiskoLacza::slot());
    QCOMPARE(s.odbierzWyslane(), QByteArray());
}

void TstPobieranieArchiwum::piecPoTrzechPelnych_data()
{
    QTest::addColumn<bool>("alarmy");
    QTest::newRow("events") << false;
    QTest::newRow("alarms") << true;
}

void TstPobieranieArchiwum::piecPoTrzechPelnych()
{
    QFETCH(bool, alarmy);
    Stanowisko s;
    s.zacznij(alarmy);
    for (int i = 0; i < 3; ++i)
        s.odpowiedz(pelna(16 * i));
    QCOMPARE(s.m.KodOperacji, 47);
    s.odpowiedz(zKoncem(48, 5));
    const TabeleArchiwum& a = s.m.Archiwum;
    QCOMPARE(alarmy ? a.IloscAla : a.IloscZda, 53);
    QCOMPARE(alarmy ? a.IloscZda : a.IloscAla, 0);
    QCOMPARE(s.liczniki, (QStringList{"", "16", "32", "48", "KONIEC"}));
    const auto& tabela = alarmy ? a.RekAla : a.RekZda;
    for (int i = 0; i < 53; ++i)
        QVERIFY2(s.rowneNumerowi(tabela, i, i), qPrintable(QString::number(i)));
    // Nothing of the end record or after it is stored.
    QCOMPARE(tabela[53], TabeleArchiwum::Rekord{});
    QVERIFY(same0(alarmy ? a.RekZda : a.RekAla));
    // "Przerwij" once the download is over changes nothing.
    QVERIFY(!s.archiwum.trwa());
    s.archiwum.przerwij();
    QCOMPARE(alarmy ? a.IloscAla : a.IloscZda, 53);
}

void TstPobieranieArchiwum::przerwijPoTrzechPelnych_data()
{
    QTest::addColumn<bool>("alarmy");
    QTest::newRow("events") << false;
    QTest::newRow("alarms") << true;
}

void TstPobieranieArchiwum::przerwijPoTrzechPelnych()
{
    QFETCH(bool, alarmy);
    Stanowisko s;
    QSignalSpy koniec(&s.archiwum, &PobieranieArchiwum::zakonczone);
    s.zacznij(alarmy);
    for (int i = 0; i < 3; ++i)
        s.odpowiedz(pelna(16 * i));
    s.archiwum.przerwij();
    QCOMPARE(s.m.KodOperacji, 0);
    QCOMPARE(alarmy ? s.m.Archiwum.IloscAla : s.m.Archiwum.IloscZda, 48);
    QCOMPARE(s.m.status(),
             alarmy
                 ? QStringLiteral("HISTORIA ALARMÓW. Pobieranie archiwum z centralki zakończone.")
                 : QStringLiteral("HISTORIA ZDARZEŃ. Pobieranie archiwum z centralki zakończone."));
    // The counter box keeps the count; the display is not refreshed by a stop.
    QCOMPARE(s.archiwum.licznik(), QStringLiteral("48"));
    QCOMPARE(koniec.count(), 0);
    s.odbierz(StanowiskoLacza::slot());
    QCOMPARE(s.odbierzWyslane(), QByteArray());
}

void TstPobieranieArchiwum::ramkaPoPrzerwaniuDoSwojegoArchiwum_data()
{
    QTest::addColumn<bool>("alarmy");
    QTest::addColumn<bool>("zamkniecie");
    QTest::newRow("events, Przerwij") << false << false;
    QTest::newRow("alarms, Przerwij") << true << false;
    QTest::newRow("alarms, window closed") << true << true;
}

// A stop ends the download; an answer to a request already sent still arrives and is kept in
// the archive the download was started for, whatever the window shows by then.
void TstPobieranieArchiwum::ramkaPoPrzerwaniuDoSwojegoArchiwum()
{
    QFETCH(bool, alarmy);
    QFETCH(bool, zamkniecie);
    Stanowisko s;
    QSignalSpy trwa(&s.archiwum, &PobieranieArchiwum::trwaZmienione);
    s.zacznij(alarmy);
    s.odpowiedz(pelna(0));
    if (zamkniecie)
        s.archiwum.oknoZamkniete();
    else
        s.archiwum.przerwij();
    QCOMPARE(s.m.KodOperacji, 0);
    QCOMPARE(trwa.count(), 2);
    QVERIFY(!s.archiwum.trwa());
    QCOMPARE(s.archiwum.alarmy(), alarmy && !zamkniecie);
    QCOMPARE(s.archiwum.licznik(), zamkniecie ? QString() : QStringLiteral("16"));
    s.odbierz(pelna(16));
    const TabeleArchiwum& a = s.m.Archiwum;
    QCOMPARE(alarmy ? a.LicznikAla : a.LicznikZda, 32);
    QCOMPARE(alarmy ? a.IloscAla : a.IloscZda, 16);
    QVERIFY(s.rowneNumerowi(alarmy ? a.RekAla : a.RekZda, 16, 16));
    QVERIFY(same0(alarmy ? a.RekZda : a.RekAla));
    QCOMPARE(alarmy ? a.LicznikZda : a.LicznikAla, 0);
}

void TstPobieranieArchiwum::startZerujeTylkoSwojeArchiwum()
{
    Stanowisko s;
    TabeleArchiwum& a = s.m.Archiwum;
    a.LicznikZda = a.LicznikAla = 32;
    a.IloscZda = a.IloscAla = 40;
    s.archiwum.ustawAlarmy(true);
    s.archiwum.pobierz(1, 1, 25);
    QCOMPARE(a.LicznikAla, 0);
    QCOMPARE(a.IloscAla, 0);
    QCOMPARE(a.LicznikZda, 32);
    QCOMPARE(a.IloscZda, 40);
    QCOMPARE(s.m.DataArchiwum, (std::array<Bajt, 3>{1, 1, 25}));
}

void TstPobieranieArchiwum::nigdyPozaTabela()
{
    Stanowisko s;
    QSignalSpy koniec(&s.archiwum, &PobieranieArchiwum::zakonczone);
    s.zacznij(false);
    // The panel holds 70 answers. 64 full answers fill indices 0..1023; the 65th has room for
    // one record only, and no further answer is asked for.
    int odpowiedzi = 0;
    for (; odpowiedzi < 70 && s.m.KodOperacji == PobieranieArchiwum::Nastepne; ++odpowiedzi)
        s.odpowiedz(pelna(16 * odpowiedzi));
    QCOMPARE(odpowiedzi, 65);
    const TabeleArchiwum& a = s.m.Archiwum;
    QCOMPARE(a.IloscZda, TabeleArchiwum::LiczbaRekordow);
    QCOMPARE(a.LicznikZda, TabeleArchiwum::LiczbaRekordow);
    QVERIFY(s.rowneNumerowi(a.RekZda, 1023, 1023));
    QVERIFY(s.rowneNumerowi(a.RekZda, 1024, 1024));
    // The alarm table lies right behind the event table: a record past the end would land in it.
    QVERIFY(same0(a.RekAla));
    QCOMPARE(s.m.KodOperacji, 0);
    QCOMPARE(s.archiwum.licznik(), QStringLiteral("KONIEC"));
    QCOMPARE(s.m.status(), QStringLiteral("HISTORIA ZDARZEŃ. Pobieranie archiwum zatrzymane po "
                                          "1025 rekordach - tyle mieści program; dalszych "
                                          "rekordów nie pobrano."));
    QVERIFY(!s.archiwum.trwa());
    QCOMPARE(koniec.count(), 1);
    s.odbierz(StanowiskoLacza::slot());
    QCOMPARE(s.odbierzWyslane(), QByteArray());
}

void TstPobieranieArchiwum::ramkaPoZapelnieniuNicNieZmienia()
{
    Stanowisko s;
    s.zacznij(true);
    for (int i = 0; i < 65; ++i)
        s.odpowiedz(pelna(16 * i));
    const TabeleArchiwum przed = s.m.Archiwum;
    // A late answer after the table is full.
    s.odbierz(pelna(5000));
    s.odbierz(zKoncem(6000, 3));
    QVERIFY(s.m.Archiwum.RekAla == przed.RekAla);
    QCOMPARE(s.m.Archiwum.IloscAla, TabeleArchiwum::LiczbaRekordow);
    QVERIFY(same0(s.m.Archiwum.RekZda));
}

void TstPobieranieArchiwum::zlaSumaPonawiaZadanie()
{
    Stanowisko s;
    s.zacznij(false);
    s.odpowiedz(pelna(0));
    QByteArray zepsuta = pelna(16);
    zepsuta[40] = char(zepsuta[40] + 1);
    s.odpowiedz(zepsuta);
    QCOMPARE(s.m.Archiwum.LicznikZda, 16);
    QCOMPARE(s.m.Archiwum.RekZda[16], TabeleArchiwum::Rekord{});
    QCOMPARE(s.m.KodOperacji, 47);
    s.pauza(500);
    s.odbierz(StanowiskoLacza::slot());
    QCOMPARE(s.odbierzWyslane(), ramka::zSuma(StanowiskoLacza::bajty({0x37, 0xB3})));
}

void TstPobieranieArchiwum::zlaDlugoscOdrzucona()
{
    Stanowisko s;
    s.zacznij(false);
    s.archiwum.rekordy(QByteArray(40, char(255)));
    s.archiwum.rekordy(QByteArray());
    QCOMPARE(s.m.KodOperacji, 47);
    QCOMPARE(s.m.Archiwum.IloscZda, 0);
    QCOMPARE(s.archiwum.licznik(), QString());
}

void TstPobieranieArchiwum::innejOperacjiNiePrzerywa()
{
    Stanowisko s;
    s.zacznij(false);
    s.odpowiedz(pelna(0));
    // An upload started since then ends the download: the option is free again, and a late
    // end record and "Przerwij" leave the upload running.
    s.m.KodOperacji = 70;
    s.odbierz(StanowiskoLacza::poll());
    QVERIFY(!s.archiwum.trwa());
    QVERIFY(s.archiwum.ustawAlarmy(true));
    s.odbierz(zKoncem(16, 1));
    QCOMPARE(s.m.KodOperacji, 70);
    QCOMPARE(s.m.Archiwum.IloscZda, 17);
    QCOMPARE(s.m.Archiwum.IloscAla, 0);
    s.archiwum.przerwij();
    QCOMPARE(s.m.KodOperacji, 70);
    QCOMPARE(s.m.Archiwum.IloscZda, 17);
}

QTEST_GUILESS_MAIN(TstPobieranieArchiwum)
#include "tst_pobieraniearchiwum.moc"
