// The output editor window: its controls, the output selector, the event lists and saving.
#include "StanowiskoEdytora.h"
#include "TekstyKontrolek.h"
#include "editors/EdytorWyjsc.h"

#include <QGroupBox>
#include <QLabel>

using namespace zr05;

class TestEdytorWyjsc : public QObject, StanowiskoEdytora
{
    Q_OBJECT
    void wybierzWyjscie(const QString& tekst) { wybierzZPola("Combo1", tekst); }
    void przypisz(const QString& tekst) { wybierz("List2", tekst, "Command1"); }

public:
    TestEdytorWyjsc() : StanowiskoEdytora(pokazEdytorWyjsc, "Form8", "Command3") {}

private slots:
    void init() { utworz(); }
    void cleanup() { sprzataj(); }

    void listyPoOtwarciu()
    {
        otworz();
        QStringList wyjscia;
        for (int n = 1; n <= 16; ++n)
            wyjscia << QStringLiteral("OC-%1").arg(n, 2, 10, QChar('0'));
        wyjscia << "Pk-01"
                << "Pk-02";
        QCOMPARE(pozycje(k<QComboBox>("Combo1")), wyjscia);
        const QStringList cyfry{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
        QCOMPARE(pozycje(k<QComboBox>("Combo2")), (QStringList{"NO", "NC"}));
        QCOMPARE(pozycje(k<QComboBox>("Combo3")), cyfry);
        QCOMPARE(pozycje(k<QComboBox>("Combo4")), (QStringList{"Automatyczne", "Ręczne"}));
        QCOMPARE(pozycje(k<QComboBox>("Combo5")), cyfry);
        QCOMPARE(pozycje(k<QComboBox>("Combo6")), cyfry);
        for (const char* c : {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Combo6"})
            QVERIFY(!k<QComboBox>(c)->isEditable());
    }

    void startujeNaOC01ZOpisamiZdarzen()
    {
        m->Obraz.WyjOC[1][2] = 192;
        m->Obraz.WyjOC[1][3] = 6;
        m->Obraz.WyjOC[1][14] = 0x02; // event 2
        m->Obraz.WyjOC[1][20] = 0x80; // event 56
        otworz();
        QCOMPARE(k<QComboBox>("Combo1")->currentText(), QStringLiteral("OC-01"));
        QVERIFY(!k<QGroupBox>("Frame1")->isHidden());
        QVERIFY(k<QGroupBox>("Frame2")->isHidden());
        QCOMPARE(k<QComboBox>("Combo2")->currentText(), QStringLiteral("NO"));
        QCOMPARE(k<QComboBox>("Combo3")->currentText(), QStringLiteral("6"));
        QCOMPARE(teksty(k<QListWidget>("List1")),
                 (QStringList{m->Tabele.TabZdarz[2], m->Tabele.TabZdarz[56]}));
        const QStringList prawa = teksty(k<QListWidget>("List2"));
        QCOMPARE(prawa.size(), 46);
        QCOMPARE(prawa.first(), QStringLiteral("01 - alarm w dowolnej linii"));
        QCOMPARE(prawa[1], QStringLiteral("11 - alarm w strefie nr. 1"));
        QVERIFY(prawa.contains(QStringLiteral("30")));
        QVERIFY(prawa.contains(QStringLiteral("44 -")));
    }

    void przypisanieZdarzenZapisuje()
    {
        otworz();
        wybierzWyjscie("OC-03");
        przypisz(m->Tabele.TabZdarz[11]);
        przypisz(m->Tabele.TabZdarz[56]);
        przypisz("30");
        przypisz("44 -");
        k<QComboBox>("Combo2")->setCurrentIndex(0);
        k<QComboBox>("Combo3")->setCurrentIndex(9);
        const Konfiguracja przed = m->Obraz;
        zapisz(false);
        QVERIFY(m->Obraz == przed);
        zapisz(true);
        const auto& r = m->Obraz.WyjOC[3];
        QCOMPARE(r[2], Bajt(192));
        QCOMPARE(r[3], Bajt(9));
        QCOMPARE(r[15], Bajt(0x04)); // event 11
        QCOMPARE(r[17], Bajt(0x20)); // event 30
        QCOMPARE(r[19], Bajt(0x08)); // event 44
        QCOMPARE(r[20], Bajt(0x80)); // event 56
        QCOMPARE(r[14] | r[16] | r[18], 0);
    }

    void zmianaWyjsciaPorzucaNiezapisane()
    {
        otworz();
        wybierzWyjscie("OC-02");
        przypisz(m->Tabele.TabZdarz[1]);
        k<QComboBox>("Combo3")->setCurrentIndex(5);
        wybierzWyjscie("OC-02"); // choosing the same output again rebuilds it from the image
        QVERIFY(k<QListWidget>("List1")->count() == 0);
        QCOMPARE(k<QComboBox>("Combo3")->currentText(), QStringLiteral("0"));
        wybierzWyjscie("OC-04");
        zapisz(true);
        QCOMPARE(m->Obraz.WyjOC[2][14], Bajt(0));
        QCOMPARE(m->Obraz.WyjOC[4][2], Bajt(128));
    }

    void pkRecznePokazujeBezCzasu()
    {
        auto& r = m->Obraz.WyjPk[2];
        r[0] = 0x33;
        r[1] = 2;
        r[2] = 7;
        r[3] = 4;
        r[21] = 0xEE;
        otworz();
        wybierzWyjscie("Pk-02");
        QVERIFY(k<QGroupBox>("Frame1")->isHidden());
        QVERIFY(!k<QGroupBox>("Frame2")->isHidden());
        QCOMPARE(k<QComboBox>("Combo4")->currentText(), QStringLiteral("Ręczne"));
        QVERIFY(k<QComboBox>("Combo5")->isHidden());
        QVERIFY(k<QLabel>("Label4")->isHidden());
        QCOMPARE(k<QComboBox>("Combo6")->currentText(), QStringLiteral("4"));

        // The reset mode box does not show the alarm time; only choosing an output does.
        k<QComboBox>("Combo4")->setCurrentIndex(0);
        QVERIFY(k<QComboBox>("Combo5")->isHidden());
        k<QComboBox>("Combo4")->setCurrentIndex(1);
        zapisz(true);
        QCOMPARE(r[0], Bajt(0x33));
        QCOMPARE(r[1], Bajt(2));
        QCOMPARE(r[2], Bajt(7));
        QCOMPARE(r[21], Bajt(0));
    }

    void pkAutomatycznePokazujeCzas()
    {
        m->Obraz.WyjPk[1][1] = 1;
        m->Obraz.WyjPk[1][2] = 3;
        otworz();
        wybierzWyjscie("Pk-01");
        QCOMPARE(k<QComboBox>("Combo4")->currentText(), QStringLiteral("Automatyczne"));
        QVERIFY(!k<QComboBox>("Combo5")->isHidden());
        QVERIFY(!k<QLabel>("Label4")->isHidden());
        QCOMPARE(k<QComboBox>("Combo5")->currentText(), QStringLiteral("3"));
        k<QComboBox>("Combo4")->setCurrentIndex(1);
        k<QComboBox>("Combo5")->setCurrentIndex(8);
        zapisz(true);
        QCOMPARE(m->Obraz.WyjPk[1][1], Bajt(2));
        QCOMPARE(m->Obraz.WyjPk[1][2], Bajt(8));
    }

    void czasPozaListaPokazanyPustoIZachowany()
    {
        m->Obraz.WyjOC[9][3] = 12;
        m->Obraz.WyjPk[1][1] = 1;
        m->Obraz.WyjPk[1][2] = 250;
        m->Obraz.WyjPk[1][3] = 10;
        otworz();
        wybierzWyjscie("OC-09");
        QCOMPARE(k<QComboBox>("Combo3")->currentIndex(), -1);
        zapisz(true);
        QCOMPARE(m->Obraz.WyjOC[9][3], Bajt(12));
        wybierzWyjscie("Pk-01");
        QCOMPARE(k<QComboBox>("Combo5")->currentIndex(), -1);
        QCOMPARE(k<QComboBox>("Combo6")->currentIndex(), -1);
        k<QComboBox>("Combo6")->setCurrentIndex(2);
        zapisz(true);
        QCOMPARE(m->Obraz.WyjPk[1][2], Bajt(250));
        QCOMPARE(m->Obraz.WyjPk[1][3], Bajt(2));
    }
};

QTEST_MAIN(TestEdytorWyjsc)
#include "tst_edytorwyjsc.moc"
