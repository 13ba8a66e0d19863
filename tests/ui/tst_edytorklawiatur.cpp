// The keypad and system editor window: its controls, what it shows and what it saves.

#include "StanowiskoEdytora.h"
#include "TekstyKontrolek.h"
#include "editors/EdytorKlawiatur.h"

#include <QCheckBox>
#include <QRadioButton>

using namespace zr05;

class TestEdytorKlawiatur : public QObject, StanowiskoEdytora
{
    Q_OBJECT
    QCheckBox* check(int tablica, int i)
    {
        return k<QCheckBox>(QStringLiteral("Check%1_%2").arg(tablica).arg(i));
    }

public:
    TestEdytorKlawiatur() : StanowiskoEdytora(pokazEdytorKlawiatur, "Form7", "Command1") {}

private slots:
    void init()
    {
        utworz();
        m->Obraz.CzasKodu = 20;
        m->Obraz.CzasBlokady = 5;
    }
    void cleanup() { sprzataj(); }

    void listyPoOtwarciu()
    {
        otworz();
        QCOMPARE(pozycje(k<QComboBox>("Combo1")), liczby(3, 60));
        QCOMPARE(pozycje(k<QComboBox>("Combo2")), liczby(1, 99));
        QVERIFY(!k<QComboBox>("Combo1")->isEditable());
        QVERIFY(!k<QComboBox>("Combo2")->isEditable());
        // An empty image: open entry, nothing on.
        QVERIFY(k<QRadioButton>("Option1_0")->isChecked());
        QCOMPARE(k<QListWidget>("List1")->count(), 0);
    }

    void pokazujeObraz()
    {
        m->Obraz.Urzadzenia[2] = 0x31;
        m->Obraz.Urzadzenia[5] = 0x99;
        m->Obraz.Urzadzenia[9 + 6] = 0x3E; // subpanel 7
        m->Obraz.Buzzery = 0x81;
        m->Obraz.KlawFun = 0x05;
        m->Obraz.KodyTajne = 5;
        otworz();
        QCOMPARE(teksty(k<QListWidget>("List1")), (QStringList{"2", "5"}));
        QCOMPARE(teksty(k<QListWidget>("List2")), QStringList{"7"});
        for (int i = 0; i < 8; ++i)
            QCOMPARE(check(1, i)->isChecked(), i == 0 || i == 7);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(check(2, i)->isChecked(), i == 0 || i == 2);
        QVERIFY(k<QRadioButton>("Option1_1")->isChecked());
        QVERIFY(!k<QRadioButton>("Option1_0")->isChecked());
        QCOMPARE(k<QComboBox>("Combo1")->currentText(), QStringLiteral("20"));
        QCOMPARE(k<QComboBox>("Combo2")->currentText(), QStringLiteral("5"));
    }

    void zapisWlasnymiKodamiITajneJako1()
    {
        m->Obraz.Urzadzenia[3] = 0x55;  // keypad 3, foreign code
        m->Obraz.Urzadzenia[8 + 1] = 1; // subpanel 1
        m->Obraz.KodyTajne = 5;
        otworz();
        zapisz(true);
        QCOMPARE(int(m->Obraz.Urzadzenia[3]), 0x32);
        QCOMPARE(int(m->Obraz.Urzadzenia[9]), 0x38);
        QCOMPARE(int(m->Obraz.Urzadzenia[4]), 0);
        QCOMPARE(int(m->Obraz.KodyTajne), 1);
        QCOMPARE(int(m->Obraz.CzasKodu), 20);
        QCOMPARE(int(m->Obraz.CzasBlokady), 5);
    }

    void zapisZmianUzytkownika()
    {
        m->Obraz.KodyTajne = 1;
        m->Obraz.KlawFun = 0xF2;
        otworz();
        check(1, 2)->setChecked(true);
        check(1, 7)->setChecked(true);
        check(2, 1)->setChecked(false);
        check(2, 3)->setChecked(true);
        k<QRadioButton>("Option1_0")->setChecked(true);
        k<QComboBox>("Combo1")->setCurrentIndex(0);
        auto* blokada = k<QComboBox>("Combo2");
        blokada->setCurrentIndex(blokada->count() - 1);
        zapisz(true);
        QCOMPARE(int(m->Obraz.Buzzery), 0x84);
        QCOMPARE(int(m->Obraz.KlawFun), 0x08);
        QCOMPARE(int(m->Obraz.KodyTajne), 0);
        QCOMPARE(int(m->Obraz.CzasKodu), 3);
        QCOMPARE(int(m->Obraz.CzasBlokady), 99);
    }
};

QTEST_MAIN(TestEdytorKlawiatur)
#include "tst_edytorklawiatur.moc"
