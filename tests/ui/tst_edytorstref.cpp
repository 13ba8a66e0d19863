// The zone editor window: its controls, choosing a zone, moving zones and saving.

#include "StanowiskoEdytora.h"
#include "TekstyKontrolek.h"
#include "editors/EdytorStref.h"

using namespace zr05;

class TestEdytorStref : public QObject, StanowiskoEdytora
{
    Q_OBJECT
    void wybierzStrefe(int z) { k<QComboBox>("Combo1")->setCurrentIndex(z - 1); }
    int wybranaStrefa() { return qobject_cast<EdytorStref*>(okno.data())->wybranaStrefa(); }

public:
    TestEdytorStref() : StanowiskoEdytora(pokazEdytorStref, "Form10", "Command5") {}

private slots:
    void init() { utworz(); }
    void cleanup() { sprzataj(); }

    void listaStref()
    {
        otworz();
        auto* combo = k<QComboBox>("Combo1");
        QVERIFY(!combo->isEditable());
        QStringList pozycje;
        for (int i = 0; i < combo->count(); ++i)
            pozycje << combo->itemText(i);
        QCOMPARE(pozycje,
                 (QStringList{"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"}));
        QCOMPARE(combo->currentText(), QStringLiteral("01"));
    }

    void strefa1PustaIZapisZeruje()
    {
        for (int j = 11; j <= 15; ++j)
            m->Obraz.Strefy[1][j] = 0x3C;
        otworz();
        QCOMPARE(k<QListWidget>("List1")->count(), 0);
        QCOMPARE(k<QListWidget>("List2")->count(), 0);
        zapisz(true);
        for (int j = 11; j <= 15; ++j)
            QCOMPARE(int(m->Obraz.Strefy[1][j]), 0);
    }

    void strefa10Listy()
    {
        m->Obraz.Strefy[10][14] = 5;
        m->Obraz.Strefy[10][15] = 1;
        otworz();
        wybierzStrefe(10);
        QCOMPARE(wybranaStrefa(), 10);
        QCOMPARE(teksty(k<QListWidget>("List1")), (QStringList{"01", "03", "09"}));
        QCOMPARE(teksty(k<QListWidget>("List2")),
                 (QStringList{"02", "04", "05", "06", "07", "08"}));
    }

    void przeniesienieIZapisStrefy5()
    {
        otworz();
        wybierzStrefe(5);
        QCOMPARE(teksty(k<QListWidget>("List2")), (QStringList{"01", "02", "03", "04"}));
        wybierz("List2", QStringLiteral("02"), "Command1");
        QCOMPARE(teksty(k<QListWidget>("List1")), QStringList{"02"});
        zapisz(true);
        QCOMPARE(int(m->Obraz.Strefy[5][14]), 0x02);
        QCOMPARE(int(m->Obraz.Strefy[5][15]), 0);
        // The lists stay as they were after the save.
        QCOMPARE(teksty(k<QListWidget>("List1")), QStringList{"02"});
    }

    void strefa4CzysciNiewidoczneBity()
    {
        m->Obraz.Strefy[4][14] = 0xF9; // zones 1 and 4..8: only zone 1 is shown
        m->Obraz.Strefy[4][15] = 0x03;
        m->Obraz.Strefy[4][3] = 0x77; // zone contents: not this editor's
        otworz();
        wybierzStrefe(4);
        QCOMPARE(teksty(k<QListWidget>("List1")), QStringList{"01"});
        QCOMPARE(teksty(k<QListWidget>("List2")), (QStringList{"02", "03"}));
        zapisz(true);
        QCOMPARE(int(m->Obraz.Strefy[4][14]), 0x01);
        QCOMPARE(int(m->Obraz.Strefy[4][15]), 0);
        QCOMPARE(int(m->Obraz.Strefy[4][3]), 0x77);
    }

    void zmianaStrefyPorzucaPrzeniesienia()
    {
        m->Obraz.Strefy[3][14] = 0x02;
        otworz();
        wybierzStrefe(3);
        wybierz("List2", QStringLiteral("01"), "Command1");
        QCOMPARE(teksty(k<QListWidget>("List1")), (QStringList{"01", "02"}));
        wybierzStrefe(2);
        wybierzStrefe(3);
        QCOMPARE(teksty(k<QListWidget>("List1")), QStringList{"02"});
        QCOMPARE(int(m->Obraz.Strefy[3][14]), 0x02);
    }

    void noweOknoZaczynaOdStrefy1()
    {
        otworz();
        wybierzStrefe(6);
        okno->close();
        QTRY_VERIFY(okno.isNull());
        otworz();
        QCOMPARE(wybranaStrefa(), 1);
        QCOMPARE(k<QComboBox>("Combo1")->currentText(), QStringLiteral("01"));
    }
};

QTEST_MAIN(TestEdytorStref)
#include "tst_edytorstref.moc"
