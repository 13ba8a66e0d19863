// The automatic arming editor window: its controls, what it shows and what it saves.

#include "StanowiskoEdytora.h"
#include "TekstyKontrolek.h"
#include "editors/EdytorAutoUzbrajania.h"

using namespace zr05;

class TestEdytorAutoUzbrajania : public QObject, StanowiskoEdytora
{
    Q_OBJECT
public:
    TestEdytorAutoUzbrajania() : StanowiskoEdytora(pokazEdytorAutoUzbrajania, "Form6", "Command3")
    {
    }

private slots:
    void init() { utworz(); }
    void cleanup() { sprzataj(); }

    void listyPoOtwarciu()
    {
        otworz();
        QCOMPARE(pozycje(k<QComboBox>("Combo1")), liczby(0, 24, 2));
        QCOMPARE(pozycje(k<QComboBox>("Combo2")), liczby(0, 59, 2));
        QCOMPARE(pozycje(k<QComboBox>("Combo3")), liczby(0, 10, 1));
        for (const char* c : {"Combo1", "Combo2", "Combo3"})
            QVERIFY(!k<QComboBox>(c)->isEditable());
        // A never-loaded set: every zone on the right.
        QCOMPARE(teksty(k<QListWidget>("List1")), QStringList());
        QCOMPARE(teksty(k<QListWidget>("List2")), liczby(1, 10, 2));
    }

    void pokazujeZapisaneBajty()
    {
        m->Obraz.AutoUzbr = {7, 5, 3, 0x05, 0x02};
        otworz();
        QCOMPARE(k<QComboBox>("Combo1")->currentText(), QStringLiteral("07"));
        QCOMPARE(k<QComboBox>("Combo2")->currentText(), QStringLiteral("05"));
        QCOMPARE(k<QComboBox>("Combo3")->currentText(), QStringLiteral("3"));
        QCOMPARE(teksty(k<QListWidget>("List1")), (QStringList{"01", "03", "10"}));
        QCOMPARE(teksty(k<QListWidget>("List2")),
                 (QStringList{"02", "04", "05", "06", "07", "08", "09"}));
    }

    void strefa10IGodzina24()
    {
        m->Obraz.AutoUzbr = {0, 0, 0, 0x04, 0};
        otworz();
        wybierz("List2", QStringLiteral("10"), "Command1");
        auto* godzina = k<QComboBox>("Combo1");
        godzina->setCurrentIndex(godzina->count() - 1);
        QCOMPARE(godzina->currentText(), QStringLiteral("24"));
        k<QComboBox>("Combo2")->setCurrentIndex(59);
        k<QComboBox>("Combo3")->setCurrentIndex(10);
        zapisz(true);
        const std::array<Bajt, 5> oczekiwane{24, 59, 10, 0x04, 0x02};
        QCOMPARE(m->Obraz.AutoUzbr, oczekiwane);
    }

    void anulowanieIZamkniecieNieZmieniaja()
    {
        m->Obraz.AutoUzbr = {12, 30, 5, 0x10, 0x01};
        const Konfiguracja przed = m->Obraz;
        otworz();
        k<QComboBox>("Combo1")->setCurrentIndex(3);
        wybierz("List1", QStringLiteral("05"), "Command2");
        zapisz(false);
        QVERIFY(m->Obraz == przed);
        okno->close();
        QTRY_VERIFY(okno.isNull());
        QVERIFY(m->Obraz == przed);
    }
};

QTEST_MAIN(TestEdytorAutoUzbrajania)
#include "tst_edytorautouzbrajania.moc"
