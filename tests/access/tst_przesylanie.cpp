// Logins, downloads and uploads: code packing and the access levels against hand-given panel
// answers, then the real link engine against the simulated panel, in virtual time, with and
// without faults on the line (ZR05_SEEDS=<n> runs the noisy line with seeds 1..n, 3 by default;
// `make test-noisy` runs 100).

#include "KodyDostepu.h"
#include "ObrazWCentrali.h"
#include "StanowiskoLacza.h"
#include "StanowiskoSymulatora.h"
#include "access/Logowanie.h"
#include "access/Przesylanie.h"
#include "archive/PobieranieArchiwum.h"
#include "config/PlikKonfiguracji.h"

#include <QSignalSpy>
#include <QTemporaryDir>

using namespace zr05;

namespace
{
// Virtual time after which a transfer counts as hung.
constexpr qint64 Zawieszenie = 4 * 3600 * 1000;

const char* const Niepoprawny = "Niepoprawny kod";
const char* const Blokada = "BLOKADA DOSTĘPU";

const struct {
    const char* nazwa;
    const char* kod;
    const char* bajty;     // packed, empty when refused
    const char* komunikat; // shown when refused
} Kody[] = {
    {"3 digits", "123", "", "Nieprawidłowa długość kodu"},
    {"9 digits", "123456789", "", "Nieprawidłowa długość kodu"},
    {"empty", "", "", "Nieprawidłowa długość kodu"},
    {"letter", "12a4", "", "Nieprawidłowy kod"},
    {"blank", "12 45", "", "Nieprawidłowy kod"},
    {"arabic digit", "12٣4", "", "Nieprawidłowy kod"},
    {"4 digits", "1234", "12 34 FF FF", ""},
    {"5 digits", "90817", "90 81 7F FF", ""},
    {"8 digits", "13572468", "13 57 24 68", ""},
    {"zeros", "0000", "00 00 FF FF", ""},
};

// What the levels enable, by name: U the user's, P7 the supervisor's, I the installer's, W upload.
const std::pair<const char*, QList<Element>> Uprawnienia[] = {
    {"U",
     {Element::mnuOn, Element::mnuHist, Element::mnuKonfWyUZYT, Element::Przycisk8,
      Element::Przycisk9}},
    {"P7", {Element::Przycisk7}},
    {"I", {Element::mnuKonfPobierz, Element::mnuKonfWyINST, Element::Przycisk4}},
    {"W", {Element::mnuKonfPrzekaz, Element::Przycisk5}},
};

// Steps: "1111:20" a code and the panel's answer, "1111:" a code with no answer yet, O / Z the
// code window opened / closed, -U / -I a logout, W a configuration loaded; anything else is
// played to the link (StanowiskoLacza::graj).
const struct {
    const char *nazwa, *kroki, *uprawnienia, *komunikat;
    int proby, blokada, kodPo, zamkniecia;
} Poziomy[] = {
    {"installer first", "3333:80", "", "", 0, 0, 0, 1},
    {"other answer", "1111:21", "", "", 0, 0, 0, 1},
    {"answer 0xFF", "1111:FF", "", "", 0, 0, 0, 1},
    {"installer after user", "1111:20 3333:80", "U I", "", 0, 0, 0, 2},
    {"user logged out: on-line off", "2222:40 3333:80 N -U", "I", "", 0, 0, 0, 2},
    {"wrong code", "0000:00", "", Niepoprawny, 1, 0, 0, 0},
    {"a good code clears the count", "0000:00 0000:1F 1111:20 0000:00 0000:00", "U", Niepoprawny, 2,
     0, 0, 1},
    {"third wrong code: block", "9999:00 9999:00 9999:00", "", Blokada, 3, 1, 42, 0},
    {"blocked: good codes refused", "9999:00 9999:00 9999:00 S K5 S 1111:20", "", Blokada, 3, 1, 0,
     0},
    {"unblocked by answer 4", "9999:00 9999:00 9999:00 S K5 S 12345678:04", "", "", 0, 0, 44, 0},
    {"block found in the panel", "O S 37 6B 01 0A 53", "", Blokada, 0, 1, 0, 0},
    {"zero bytes later lift no block", "O S 37 6B 01 0A 53 O S 37 6B 00 00 5E", "", Blokada, 0, 1,
     0, 0},
    {"access answer nobody waits for", "37 4C 00 40 3D", "", "", 0, 0, 0, 0},
    {"answer after the code was replaced", "4444: =1 37 4C 00 00 7D P", "", "", 0, 0, 1, 0},
    {"closing the window forgets the code", "87654321: Z", "", "", 0, 0, 0, 0},
};

struct Program : StanowiskoSymulatora {
    Logowanie logowanie{m, lacze};
    Przesylanie przesylanie{m, lacze};
    PobieranieArchiwum archiwum{m, lacze};

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

    // Uploads `obraz` as an installer the panel has let in: true when reported done (the panel
    // then holds it), false when reported failed (saying so, and sending no end frame).
    bool przeslij(const Konfiguracja& obraz)
    {
        m.ustawCheck1(0, true);
        m.ustawCheck1(1, true);
        m.Obraz = obraz;
        const auto nieudanePrzed = nieudane.size(), koncePrzed = konce.size();
        przesylanie.przekaz();
        // Done when the end frame has gone out: nothing acknowledges it.
        if (!czekaj([&] { return konce.size() > koncePrzed; }, Zawieszenie)) {
            QTest::qFail("upload hung", __FILE__, __LINE__);
            return false;
        }
        if (nieudane.size() == nieudanePrzed) {
            const QString roznica = roznicaZPamiecia(obraz, sym.pamiec(), false);
            if (!roznica.isEmpty())
                QTest::qFail(qPrintable(QStringLiteral("upload done, but ") + roznica), __FILE__,
                             __LINE__);
            return true;
        }
        uplyw(10000);
        if (sym.liczniki().koniecProgramowania != 0 ||
            !nieudane.last().first().toString().contains(QStringLiteral("Powtórz")))
            QTest::qFail("a failed upload must say so and send no end frame", __FILE__, __LINE__);
        return false;
    }
    QSignalSpy konce{&przesylanie, &Przesylanie::zakonczone};
    QSignalSpy nieudane{&przesylanie, &Przesylanie::niepowodzenie};
};

// Faults both ways: `przeklamanie` of the bytes changed, half as many lost, 2 % of the frames
// with garbage before them.
UstawieniaSymulatora zaszumiona(quint64 ziarno, double przeklamanie)
{
    UstawieniaSymulatora u;
    u.ziarno = ziarno;
    u.usterki = {ziarno, przeklamanie, przeklamanie / 2, 0.02, true};
    return u;
}

// The image equals the panel's memory, table by table.
void porownajZPamiecia(const Konfiguracja& k, const Program& p, bool zUrzadzeniami)
{
    QCOMPARE(roznicaZPamiecia(k, p.sym.pamiec(), zUrzadzeniami), QString());
}

} // namespace

class TestPrzesylanie : public QObject
{
    Q_OBJECT
private slots:
    void kody_data() { wierszeTabeli(Kody); }
    void kody()
    {
        const auto& w = wiersz(Kody);
        const QString kod = QString::fromUtf8(w.kod);
        std::array<Bajt, 4> spakowany{9, 9, 9, 9};
        const bool dobry = *w.bajty;
        QCOMPARE(Logowanie::spakujKod(kod, spakowany) == Logowanie::OcenaKodu::Dobry, dobry);
        const QByteArray bajty = dobry ? QByteArray::fromHex(w.bajty) : QByteArray(4, 0);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(spakowany.data()), 4), bajty);
        if (dobry) {
            // The simulated panel packs and reads codes the same way.
            QCOMPARE(spakujKod(kod), bajty);
            QCOMPARE(rozpakujKod(bajty), kod);
            return;
        }
        StanowiskoLacza s;
        Logowanie logowanie(s.m, s.lacze);
        QSignalSpy czysc(&logowanie, &Logowanie::wyczyscKod);
        logowanie.zatwierdzKod(kod);
        QCOMPARE(logowanie.komunikat(), QString::fromUtf8(w.komunikat));
        QCOMPARE(czysc.count(), 1);
        s.graj(QStringLiteral("S"));
        QCOMPARE(s.wyslane, QByteArray());
    }

    void poziomy_data() { wierszeTabeli(Poziomy); }
    void poziomy()
    {
        const auto& w = wiersz(Poziomy);
        StanowiskoLacza s;
        Logowanie logowanie(s.m, s.lacze);
        Przesylanie przesylanie(s.m, s.lacze);
        QSignalSpy zamkniecia(&logowanie, &Logowanie::zamknijOkno);
        for (const QString& k : QString::fromLatin1(w.kroki).split(' ')) {
            if (k.contains(':')) {
                logowanie.zatwierdzKod(k.section(':', 0, 0));
                if (!k.endsWith(':')) {
                    s.graj(QStringLiteral("S"));
                    s.odbierz(
                        ramka::zSuma(QByteArray::fromHex("374C00" + k.section(':', 1).toLatin1())));
                }
            } else if (k == "O") {
                logowanie.oknoOtwarte();
            } else if (k == "Z") {
                logowanie.oknoZamkniete();
            } else if (k == "-U") {
                logowanie.wylogujUzytkownika();
            } else if (k == "-I") {
                logowanie.wylogujInstalatora();
            } else if (k == "W") {
                s.m.WpisKonfig();
            } else {
                s.graj(k);
            }
        }
        QStringList uprawnienia;
        for (const auto& [nazwa, elementy] : Uprawnienia) {
            const auto ile = std::count_if(elementy.begin(), elementy.end(),
                                           [&](Element e) { return s.m.dostepny(e); });
            QVERIFY2(ile == 0 || ile == qsizetype(elementy.size()), nazwa);
            if (ile)
                uprawnienia << QLatin1String(nazwa);
        }
        QCOMPARE(uprawnienia.join(' '), QLatin1String(w.uprawnienia));
        QCOMPARE(s.m.zalogowanyInstalator(), uprawnienia.contains("I"));
        QCOMPARE(logowanie.komunikat(), QString::fromUtf8(w.komunikat));
        QCOMPARE(s.m.ProbyKodu, w.proby);
        QCOMPARE(s.m.BlokadaDostepu, w.blokada);
        QCOMPARE(s.m.KodOperacji, Bajt(w.kodPo));
        QCOMPARE(zamkniecia.count(), w.zamkniecia);
        QVERIFY(s.m.KodWprowadzony == (std::array<Bajt, 4>{})); // no code kept
        if (w.kodPo == 0) {
            // Nothing left to send, the view off.
            s.graj(QStringLiteral("| S P"));
            QCOMPARE(s.wyslane, QByteArray::fromHex("3700C9"));
        }
        if (!s.m.zalogowanyInstalator()) { // no transfer starts
            QVERIFY(przesylanie.pobierz() && przesylanie.przekaz());
            QCOMPARE(s.m.KodOperacji, Bajt(w.kodPo));
        }
    }

    void porzuconePobranieNicNieZmienia_data()
    {
        QTest::addColumn<QString>("czym");
        QTest::addColumn<bool>("zObrazem");
        for (bool zObrazem : {true, false})
            for (const char* czym : {"code window", "archive", "new download"})
                QTest::addRow("%s, %s", czym, zObrazem ? "image held" : "no image")
                    << QString::fromLatin1(czym) << zObrazem;
    }
    void porzuconePobranieNicNieZmienia()
    {
        QFETCH(QString, czym);
        QFETCH(bool, zObrazem);
        Program p;
        p.sym.pamiec().zapisz(0x3168 + 48, QByteArray(24, char(0x5A)));
        p.sym.pamiec().zapisz(0x3168 + 24, QByteArray(24, char(0x11)));
        p.instalator();
        if (zObrazem) {
            QSignalSpy wpisy(&p.m, &Module1::konfiguracjaZmieniona);
            QSignalSpy koniec(&p.przesylanie, &Przesylanie::zakonczone);
            QVERIFY(!p.przesylanie.pobierz());
            QCOMPARE(p.przesylanie.etykieta(),
                     QStringLiteral("Trwa pobieranie danych z centralki"));
            QVERIFY(p.doKonca());
            QCOMPARE(wpisy.count(), 1);
            QCOMPARE(koniec.count(), 1);
            QCOMPARE(p.przesylanie.postep(), 100.0);
            QCOMPARE(p.m.KonfigJest, 1);
            QVERIFY(p.m.dostepny(Element::mnuKonfPrzekaz));
            // Every block twice (two answers must agree), and the two block queries of the logins.
            QCOMPARE(p.sym.liczniki().odczyty, 2 * 32 + 2);
            porownajZPamiecia(p.m.Obraz, p, true);
            // Step 24 takes the second Pk output from bytes 48..71 of its answer.
            QCOMPARE(p.m.Obraz.WyjPk[1][0], Bajt(0x11));
            QCOMPARE(p.m.Obraz.WyjPk[2][23], Bajt(0x5A));
        }
        const Konfiguracja przed = p.m.Obraz;
        const int konfigPrzed = p.m.KonfigJest;
        const bool programPrzed = p.m.dostepny(Element::mnuProg);
        const bool przekazPrzed = p.m.dostepny(Element::mnuKonfPrzekaz);
        auto bezZmian = [&] {
            return p.m.Obraz == przed && p.m.KonfigJest == konfigPrzed &&
                   p.m.dostepny(Element::mnuProg) == programPrzed &&
                   p.m.dostepny(Element::mnuKonfPrzekaz) == przekazPrzed;
        };
        // The panel now holds another configuration; the download is cut off half-way.
        const Konfiguracja nowy = losowyObraz(przed, 3);
        p.sym.wpiszKonfiguracje(nowy);
        p.przesylanie.pobierz();
        QVERIFY(p.czekaj([&] { return p.m.KodOperacji == 21; }, 120000));
        if (czym == "code window")
            p.logowanie.oknoOtwarte();
        else if (czym == "archive")
            p.archiwum.pobierz(1, 5, 24);
        else
            p.przesylanie.pobierz();
        QCOMPARE(p.przesylanie.pytanie(Przesylanie::Zamiar::Koniec).has_value(),
                 czym == "new download");
        QVERIFY(p.czekaj([&] { return !bezZmian() || p.m.KodOperacji == 0; }, 120000));
        if (czym != "new download") {
            QVERIFY(bezZmian());
            return;
        }
        // The new download, complete, replaces all.
        QCOMPARE(roznicaZPamiecia(p.m.Obraz, p.sym.pamiec(), true), QString());
        QVERIFY(p.m.Obraz != przed);
        QCOMPARE(p.m.KonfigJest, 1);
    }

    void przeslanieZapisujeMigawkeISprawdza()
    {
        Program p;
        p.instalator();
        p.przesylanie.pobierz();
        QVERIFY(p.doKonca());
        const QByteArray urzadzeniaPrzed = p.pamiec(0x0080, 16);
        Konfiguracja a = losowyObraz(p.m.Obraz, 7);
        a.NazwyLinii[230] = QStringLiteral("ŁĄKA ŚĆŻ"); // Windows-1250 in the panel
        Konfiguracja b = losowyObraz(p.m.Obraz, 8);
        b.Urzadzenia.fill(0x77);
        QTemporaryDir katalog;
        const QString plikB = katalog.filePath(QStringLiteral("B.vor"));
        QVERIFY(ZapiszKonfig(b, plikB));
        p.m.Obraz = a;

        QSignalSpy koniec(&p.przesylanie, &Przesylanie::zakonczone);
        QList<std::pair<QString, double>> postepy;
        connect(&p.przesylanie, &Przesylanie::postepZmieniony, [&](double v) {
            postepy.append({p.przesylanie.etykieta(), v});
        });
        const int odczytyPrzed = p.sym.liczniki().odczyty;
        QVERIFY(!p.przesylanie.przekaz());
        QCOMPARE(p.m.status(), tekst::StatusPrzesylania);
        // A file read at step 20 changes the image, not what the panel receives.
        QVERIFY(p.czekaj([&] { return p.m.KodOperacji == 79; }, 120000));
        QCOMPARE(p.przesylanie.pytanie(Przesylanie::Zamiar::CzytaniePliku),
                 tekst::PytaniePlikPodczasPrzesylania);
        QVERIFY(p.przesylanie.zgoda(Przesylanie::Zamiar::CzytaniePliku,
                                    [](const QString&) { return true; }));
        QVERIFY(CzytajKonfig(p.m, plikB));
        QCOMPARE(p.m.KodOperacji, Bajt(79));

        QVERIFY(p.czekaj([&] { return koniec.count() == 1; }, 300000));
        QCOMPARE(p.m.KodOperacji, Bajt(0));
        p.uplyw(1000); // the end frame on its way
        QCOMPARE(p.sym.liczniki().zapisy, 41);
        QCOMPARE(p.sym.liczniki().koniecProgramowania, 1);
        // On a clean line each block read back once, as it was written; the devices not.
        QCOMPARE(p.sym.liczniki().odczyty - odczytyPrzed, 31);
        porownajZPamiecia(a, p, false);
        QCOMPARE(p.pamiec(0x0080, 16), urzadzeniaPrzed);
        QCOMPARE(p.m.Obraz.Linie[40], b.Linie[40]); // the program holds the file it read

        // Writing: the start, then every step but 95, ending at 40/41; then the read-back.
        const auto zapis = std::count_if(postepy.begin(), postepy.end(), [](const auto& e) {
            return e.first == tekst::EtykietaPrzesylania;
        });
        QCOMPARE(zapis, 1 + 40);
        QCOMPARE(postepy[zapis - 1].second, 40 * 100.0 / 41);
        QCOMPARE(postepy.last(), std::make_pair(tekst::EtykietaSprawdzania, 100.0));
    }

    void zapisyOdrzuconePrzezLiniePowtarza()
    {
        // Without stray bytes the line loses and changes a few: the read-back finds the writes
        // that went wrong and they are written again until the panel holds the whole image.
        UstawieniaSymulatora u;
        u.usterki = {5, 0.004, 0.004, 0.0, true};
        Program p(u);
        int zapisy = 0;
        connect(&p.lacze, &Lacze::zadanieWyslane,
                [&](int kod) { zapisy += kod >= 60 && kod <= 100; });
        QStringList etykiety;
        connect(&p.przesylanie, &Przesylanie::etykietaZmieniona,
                [&](const QString& e) { etykiety << e; });
        QVERIFY(p.przeslij(losowyObraz(p.m.Obraz, 11)));
        QVERIFY(zapisy > 41);
        QVERIFY(etykiety.contains(tekst::EtykietaPoprawiania));
        p.uplyw(1000);
        QCOMPARE(p.sym.liczniki().koniecProgramowania, 1);
    }

    void zaszumionaLinia_data()
    {
        QTest::addColumn<quint64>("ziarno");
        const int ile = qEnvironmentVariableIsSet("ZR05_SEEDS")
                            ? qEnvironmentVariableIntValue("ZR05_SEEDS")
                            : 3;
        for (int z = 1; z <= ile; ++z)
            QTest::addRow("seed %d", z) << quint64(z);
    }
    // Whatever a noisy line does: a finished download holds exactly the panel's memory and a
    // failed one leaves the image as it was; uploads end as `przeslij` checks; nothing hangs.
    void zaszumionaLinia()
    {
        QFETCH(quint64, ziarno);
        Program p(zaszumiona(ziarno, 0.01));
        p.m.ustawCheck1(0, true);
        p.m.ustawCheck1(1, true);
        const Konfiguracja przed = p.m.Obraz;
        p.przesylanie.pobierz();
        QVERIFY2(p.czekaj([&] { return p.konce.count() == 1; }, Zawieszenie), "download hung");
        const bool pobrane = p.nieudane.isEmpty();
        if (pobrane) {
            QCOMPARE(roznicaZPamiecia(p.m.Obraz, p.sym.pamiec(), true), QString());
        } else {
            QCOMPARE(p.nieudane.first().first().toString(), tekst::PobieranieZaklocone);
            QVERIFY(p.m.Obraz == przed);
            QCOMPARE(p.m.KonfigJest, 0);
        }

        // Uploads of another image on this line and on a less noisy one.
        const bool przeslane = p.przeslij(losowyObraz(p.m.Obraz, quint32(ziarno)));
        Program mniej(zaszumiona(ziarno, 0.002));
        const bool przeslaneMniej = mniej.przeslij(losowyObraz(mniej.m.Obraz, quint32(ziarno)));
        if (QTest::currentTestFailed())
            return;
        qInfo("seed %llu: 1%% line: download %s, upload %s; 0.2%% line: upload %s", ziarno,
              pobrane ? "done" : "failed", przeslane ? "done" : "failed",
              przeslaneMniej ? "done" : "failed");

        // Archive: records lost on the line are lost, but the transfer ends.
        QSignalSpy archiwumKoniec(&p.archiwum, &PobieranieArchiwum::zakonczone);
        p.archiwum.pobierz(1, 1, 0);
        QVERIFY2(p.czekaj([&] { return archiwumKoniec.count() == 1; }, Zawieszenie),
                 "archive transfer hung");
    }

    void koniecProgramowaniaCzekaNaInnaOperacje_data()
    {
        QTest::addColumn<QString>("czym");
        QTest::newRow("code window") << QStringLiteral("code window");
        QTest::newRow("download") << QStringLiteral("download");
    }
    void koniecProgramowaniaCzekaNaInnaOperacje()
    {
        QFETCH(QString, czym);
        Program p;
        p.instalator();
        QSignalSpy koniec(&p.przesylanie, &Przesylanie::zakonczone);
        p.przesylanie.przekaz();
        QVERIFY(p.czekaj([&] { return p.m.OdliczanieKonca == 3; }, 300000));
        QVERIFY(!p.przesylanie.przesylanieTrwa());
        // Nothing is lost by another command now; only ending the program would lose it, and
        // the question says all has been written.
        QVERIFY(!p.przesylanie.pytanie(Przesylanie::Zamiar::Polecenie));
        QCOMPARE(p.przesylanie.pytanie(Przesylanie::Zamiar::Koniec),
                 tekst::PytanieBezKoncaProgramowania);
        if (czym == "code window") {
            // The countdown ends while the block query waits for a silent panel.
            QVERIFY(p.czekaj([&] { return p.m.OdliczanieKonca == 2; }, 2000));
            p.sym.zamilknij(p.przewod.terazUs(), 1500);
            p.logowanie.oknoOtwarte();
            p.uplyw(1200);
            QCOMPARE(p.m.KodOperacji, Bajt(41));
            QVERIFY(p.przesylanie.koniecZalegly());
        } else {
            p.przesylanie.pobierz();
        }
        QVERIFY(p.czekaj([&] { return p.sym.liczniki().koniecProgramowania == 1; }, 120000));
        QVERIFY(!p.przesylanie.koniecZalegly());
        QVERIFY(!p.przesylanie.pytanie(Przesylanie::Zamiar::Koniec));
        if (czym == "download") {
            QCOMPARE(p.m.KonfigJest, 1);
            QCOMPARE(koniec.count(), 2); // the download's end, then the upload's
        }
    }

    void kodWysylanyAzDoOdpowiedzi_data()
    {
        QTest::addColumn<int>("pominiete");
        QTest::addColumn<bool>("przeklamaneL");
        QTest::newRow("answered one slot late") << 1 << false;
        QTest::newRow("first 'L' corrupted") << 0 << true;
    }
    void kodWysylanyAzDoOdpowiedzi()
    {
        QFETCH(int, pominiete);
        QFETCH(bool, przeklamaneL);
        UstawieniaSymulatora u;
        u.pomijaneKody = pominiete;
        Program p(u);
        p.logowanie.oknoOtwarte();
        QVERIFY(p.doKonca(10000));
        if (przeklamaneL)
            p.sym.usterki().przeklamBajt(RodzajNadania::Odpowiedz, 1);
        p.logowanie.zatwierdzKod(p.sym.ustawienia().kody.nadzorca);
        QVERIFY(p.doKonca(10000));
        QVERIFY(p.m.zalogowanyUzytkownik());
        QCOMPARE(p.sym.liczniki().kody, 2);
        QVERIFY(p.m.KodWprowadzony == (std::array<Bajt, 4>{}));
        QVERIFY(std::all_of(p.lacze.buforNad().begin() + 2, p.lacze.buforNad().begin() + 6,
                            [](Bajt b) { return b == 0; }));
    }

    void utrataLaczaWstrzymujeIWznawiaPobranie()
    {
        Program p;
        p.instalator();
        p.przesylanie.pobierz();
        QVERIFY(p.czekaj([&] { return p.m.KodOperacji == 10; }, 60000));
        p.sym.zamilknij(p.przewod.terazUs(), 8000);
        QVERIFY(p.czekaj([&] { return p.m.LaczeUtracone; }, 5000));
        p.m.ustawStatus(tekst::HistoriaAlarmow);
        p.uplyw(3000);
        QCOMPARE(p.m.KodOperacji, Bajt(10));
        QVERIFY(p.doKonca());
        QVERIFY(!p.m.LaczeUtracone);
        QCOMPARE(p.m.status(), tekst::HistoriaAlarmow);
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
};

QTEST_GUILESS_MAIN(TestPrzesylanie)
#include "tst_przesylanie.moc"
