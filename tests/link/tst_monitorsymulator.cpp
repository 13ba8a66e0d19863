// The live view against the simulated panel: with the on-line bit in the poll answers the
// panel reports what happens in the building, and the register and lamps follow it.

#include "DemoInstalacja.h"
#include "StanowiskoSymulatora.h"
#include "link/Lampki.h"
#include "link/ZdarzeniaCentrali.h"

#include <QRegularExpression>
#include <QTest>

using namespace zr05;

namespace
{
KolorLampki kolorLinii(int stan)
{
    switch (stan) {
    case 1:
        return KolorLampki::Zielony;
    case 2:
        return KolorLampki::Niebieski;
    case 3:
        return KolorLampki::Czerwony;
    default:
        return KolorLampki::Bialy;
    }
}
} // namespace

class TestMonitorSymulator : public QObject
{
    Q_OBJECT
private slots:
    void kilkaMinutOnLine();
};

void TestMonitorSymulator::kilkaMinutOnLine()
{
    UstawieniaSymulatora u;
    u.ziarno = 7;
    StanowiskoSymulatora st(u);
    ZdarzeniaCentrali zdarzenia(st.m);
    zdarzenia.polacz(st.lacze);
    LampkiStanu lampki(st.m);
    lampki.polacz(st.lacze);
    const Konfiguracja k = st.sym.ustawienia().konfiguracja.value_or(demo::instalacja());

    // What the messages should add, counted on the side from the messages themselves.
    int oczekiwaneLinie = 0, ostatniStan = 0, zmianyStanu = 0;
    QObject::connect(&st.lacze, &Lacze::komunikat, [&](const QByteArray& r) {
        const int kod = Bajt(r[1]);
        if (kod == 1 || kod == 2 || kod == 3 || kod == 4 || kod == 37 || kod == 38 || kod == 40)
            ++oczekiwaneLinie;
        if (kod == 73 && Bajt(r[2]) != ostatniStan) {
            ostatniStan = Bajt(r[2]);
            ++oczekiwaneLinie;
            ++zmianyStanu;
        }
    });
    // Every 'C' frame: the lamps show the building as the panel has it now.
    int ramkiC = 0, niezgodne = 0;
    QObject::connect(&lampki, &LampkiStanu::odswiezone, [&] {
        ++ramkiC;
        const auto& s = lampki.stan();
        const auto& sc = st.sym.scenariusz();
        for (int n = 1; n <= 80; ++n) {
            const bool istnieje = (k.Linie[size_t(n)][2] & 0x0F) != 0;
            const auto oczekiwany = istnieje ? kolorLinii(sc.stanLinii(n)) : KolorLampki::Nieczynny;
            niezgodne += s.linie[size_t(n - 1)] != oczekiwany;
        }
        for (int z = 1; z <= 10; ++z)
            niezgodne += s.strefy[size_t(z - 1)] !=
                         (sc.strefaUzbrojona(z) ? KolorLampki::Zielony : KolorLampki::Bialy);
    });

    st.m.ustawOnLine(true);
    st.uplyw(5 * 60 * 1000);

    qInfo("%d 'C' frames, %d register lines, %d state changes in 5 virtual minutes", ramkiC,
          oczekiwaneLinie, zmianyStanu);
    QVERIFY(st.sym.onLine());
    QVERIFY2(ramkiC >= 20, qPrintable(QString::number(ramkiC)));
    QCOMPARE(niezgodne, 0);

    const QString rejestr = zdarzenia.rejestr().tekst();
    QVERIFY(rejestr.endsWith(QStringLiteral("\r\n")));
    QStringList linie = rejestr.split(QStringLiteral("\r\n"));
    linie.removeLast();
    QVERIFY2(linie.size() >= 10, qPrintable(rejestr));
    QCOMPARE(linie.size(), oczekiwaneLinie);
    const QRegularExpression wzor(QStringLiteral(
        "^\\d\\d:\\d\\d(    ALARM z linii: |   SABOTAŻ z linii: |    ALARM |    Kontrola "
        "strażnika nr: \\d+$| Kasowanie alarmów$| Zanik sieci 220V$| Powrót sieci 220V$| SYSTEM "
        "(ROZBROJONY|UZBROJONY|CZĘŚCIOWO UZBR\\.)$)"));
    for (const QString& l : linie)
        QVERIFY2(wzor.match(l).hasMatch(), qPrintable(l));

    // The state box and the last state follow the panel.
    QCOMPARE(int(st.m.OstatniStan), st.sym.scenariusz().stanSystemu());
    QCOMPARE(zdarzenia.stanSystemu(),
             ZdarzeniaCentrali::tekstStanu(st.sym.scenariusz().stanSystemu()));
    QVERIFY(zmianyStanu >= 1);
    QVERIFY(st.m.ZegarZnany);
}

QTEST_GUILESS_MAIN(TestMonitorSymulator)
#include "tst_monitorsymulator.moc"
