// Transfers over a noisy line, in both directions, seed by seed, in virtual time. Whatever the
// line does: a finished download holds exactly the panel's memory and a failed one leaves the
// image as it was; an upload reported done leaves the panel holding the image, a failed one
// says so and never sends the end frame; nothing hangs. ZR05_SEEDS=<n> runs seeds 1..n (3 by
// default; `make test-noisy` runs 100).

#include "ObrazWCentrali.h"
#include "StanowiskoSymulatora.h"
#include "access/Przesylanie.h"
#include "archive/PobieranieArchiwum.h"

#include <QSignalSpy>
#include <QTest>

using namespace zr05;

namespace
{

// Virtual time after which a transfer counts as hung.
constexpr qint64 Zawieszenie = 4 * 3600 * 1000;

// Faults in both directions: `przeklamanie` of bytes changed, half as many lost, 2 % of frames
// with garbage before them.
UstawieniaSymulatora zaszumiona(quint64 ziarno, double przeklamanie)
{
    UstawieniaSymulatora u;
    u.ziarno = ziarno;
    u.usterki = {ziarno, przeklamanie, przeklamanie / 2, 0.02, true};
    return u;
}

struct Program : StanowiskoSymulatora {
    Przesylanie przesylanie{m, lacze};
    PobieranieArchiwum archiwum{m, lacze};
    QSignalSpy koniec{&przesylanie, &Przesylanie::zakonczone};
    QSignalSpy niepowodzenie{&przesylanie, &Przesylanie::niepowodzenie};

    Program(quint64 ziarno, double przeklamanie)
        : StanowiskoSymulatora(zaszumiona(ziarno, przeklamanie))
    {
        // The installer as the panel would have let in; the login has its own tests.
        m.ustawCheck1(0, true);
        m.ustawCheck1(1, true);
    }

    // Uploads `obraz`: true when reported done, false when reported failed.
    bool przeslij(const Konfiguracja& obraz)
    {
        m.Obraz = obraz;
        const auto nieudane = niepowodzenie.size();
        const auto zakonczone = koniec.size();
        przesylanie.przekaz();
        // Done when the end frame has gone out (nothing acknowledges it; the line may still
        // lose it), failed when the failure is reported.
        if (!czekaj([&] { return koniec.size() > zakonczone; }, Zawieszenie)) {
            QTest::qFail("upload hung", __FILE__, __LINE__);
            return false;
        }
        if (niepowodzenie.size() == nieudane) {
            // Reported done: the panel holds the image.
            const QString roznica = roznicaZPamiecia(obraz, sym.pamiec(), false);
            if (!roznica.isEmpty())
                QTest::qFail(qPrintable(QStringLiteral("upload done, but ") + roznica), __FILE__,
                             __LINE__);
            return true;
        }
        uplyw(10000);
        if (sym.liczniki().koniecProgramowania != 0 ||
            !niepowodzenie.last().first().toString().contains(QStringLiteral("Powtórz")))
            QTest::qFail("a failed upload must say so and send no end frame", __FILE__, __LINE__);
        return false;
    }
};

} // namespace

class TestZaszumionaLinia : public QObject
{
    Q_OBJECT
private slots:
    void transfery_data()
    {
        QTest::addColumn<quint64>("ziarno");
        const int ile = qEnvironmentVariableIsSet("ZR05_SEEDS")
                            ? qEnvironmentVariableIntValue("ZR05_SEEDS")
                            : 3;
        for (int z = 1; z <= ile; ++z)
            QTest::addRow("seed %d", z) << quint64(z);
    }
    void transfery()
    {
        QFETCH(quint64, ziarno);
        Program p(ziarno, 0.01);

        // Download.
        const Konfiguracja przed = p.m.Obraz;
        p.przesylanie.pobierz();
        QVERIFY2(p.czekaj([&] { return p.koniec.count() == 1; }, Zawieszenie), "download hung");
        const bool pobrane = p.niepowodzenie.isEmpty();
        if (pobrane) {
            QCOMPARE(roznicaZPamiecia(p.m.Obraz, p.sym.pamiec(), true), QString());
        } else {
            QCOMPARE(p.niepowodzenie.first().first().toString(), tekst::PobieranieZaklocone);
            QVERIFY(p.m.Obraz == przed);
            QCOMPARE(p.m.KonfigJest, 0);
        }

        // Uploads of another image on this line and on a less noisy one.
        const bool przeslane = p.przeslij(losowyObraz(p.m.Obraz, quint32(ziarno)));
        Program mniej(ziarno, 0.002);
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
};

QTEST_GUILESS_MAIN(TestZaszumionaLinia)
#include "tst_zaszumionalinia.moc"
