// The keypad and system editor window: its controls, what it shows and what it saves.

#include "Module1.h"
#include "PrzechwytKomunikatow.h"
#include "TekstyKontrolek.h"
#include "editors/EdytorKlawiatur.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace zr05;

class TestEdytorKlawiatur : public QObject
{
    Q_OBJECT
    Module1* m = nullptr;
    QPointer<EdytorKlawiatur> okno;

    template <typename T> T* k(const QString& nazwa)
    {
        T* w = okno ? okno->findChild<T*>(nazwa) : nullptr;
        if (!w)
            qWarning() << "no control" << nazwa;
        return w;
    }
    QCheckBox* check(int tablica, int i)
    {
        return k<QCheckBox>(QStringLiteral("Check%1_%2").arg(tablica).arg(i));
    }
    static QStringList liczby(int od, int doW)
    {
        QStringList t;
        for (int n = od; n <= doW; ++n)
            t << QString::number(n);
        return t;
    }
    void otworz()
    {
        pokazEdytorKlawiatur(*m, nullptr);
        okno = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<EdytorKlawiatur*>(w); f && f->isVisible())
                okno = f;
        QVERIFY(okno);
    }
    void zapisz(bool odpowiedz)
    {
        PrzechwytKomunikatow p(odpowiedz);
        k<QPushButton>(QStringLiteral("Command1"))->click();
        QCOMPARE(p.teksty,
                 QStringList{QStringLiteral("Czy zapisać zmiany w parametrach systemowych ?")});
        QCOMPARE(p.pytania, QList<bool>{true});
        QVERIFY(okno);
    }

private slots:
    void init()
    {
        m = new Module1;
        m->KonfigJest = 1;
        m->Obraz.CzasKodu = 20;
        m->Obraz.CzasBlokady = 5;
    }
    void cleanup()
    {
        if (okno)
            okno->close();
        QTRY_VERIFY(okno.isNull());
        QCOMPARE(m->status(), QString());
        delete m;
    }

    void wygladOkna()
    {
        otworz();
        QCOMPARE(okno->windowTitle(), QStringLiteral("Parametry klawiatur"));
        QCOMPARE(m->status(), QStringLiteral("Programowanie parametrów systemowych."));
        const QList<QPair<QString, QString>> ramki{{"Frame1", "Urządzenia pracujące w systemie:"},
                                                   {"Frame2", "Włączone buzzery w klawiaturach:"},
                                                   {"Frame3", "Wprowadzanie kodów:"},
                                                   {"Frame4", "Aktywne funkcje wzywania:"}};
        for (const auto& [nazwa, tytul] : ramki)
            QCOMPARE(k<QGroupBox>(nazwa)->title(), tytul);
        QCOMPARE(k<QLabel>("Label1")->text(), QStringLiteral("Klawiatury:"));
        QCOMPARE(k<QLabel>("Label2")->text(), QStringLiteral("Podcentrale:"));
        QCOMPARE(k<QLabel>("Label3")->text(), QStringLiteral("Czas wprowadzania kodu [sek]:"));
        QCOMPARE(k<QLabel>("Label4")->text(), QStringLiteral("Czas blokady klawiatury [min]:"));
        QCOMPARE(k<QListWidget>("List1")->toolTip(),
                 QStringLiteral("Wykaz numerów klawiatur pracujących w systemie"));
        QCOMPARE(k<QListWidget>("List2")->toolTip(),
                 QStringLiteral("Wykaz numerów podcentral pracujących w systemie"));
        for (int i = 0; i < 8; ++i)
            QCOMPARE(check(1, i)->text(), QString::number(i + 1));
        const QStringList funkcje{"A - POLICJA", "B - STRAŻ POŻ.", "C - POGOTOWIE", "D - OCHRONA"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(check(2, i)->text(), funkcje[i]);
        QCOMPARE(k<QRadioButton>("Option1_0")->text(), QStringLiteral("Jawne"));
        QCOMPARE(k<QRadioButton>("Option1_0")->toolTip(),
                 QStringLiteral("Wyświetlanie cyfr kodu na wyświetlaczach klawiatur"));
        QCOMPARE(k<QRadioButton>("Option1_1")->text(), QStringLiteral("Tajne"));
        QCOMPARE(
            k<QRadioButton>("Option1_1")->toolTip(),
            QStringLiteral("Wyświetlanie gwiazdek zamiast cyfr kodu na wyświetlaczach klawiatur"));
        QCOMPARE(k<QComboBox>("Combo1")->toolTip(),
                 QStringLiteral("Maksymalny czas wprowadzania kodu"));
        QCOMPARE(k<QComboBox>("Combo2")->toolTip(),
                 QStringLiteral("Czas blokady klawiatury po wprowadzeniu błędnego kodu"));
        QCOMPARE(pozycje(k<QComboBox>("Combo1")), liczby(3, 60));
        QCOMPARE(pozycje(k<QComboBox>("Combo2")), liczby(1, 99));
        QVERIFY(!k<QComboBox>("Combo1")->isEditable());
        QVERIFY(!k<QComboBox>("Combo2")->isEditable());
        QCOMPARE(k<QPushButton>("Command1")->text(), QStringLiteral("ZAPISZ ZMIANY"));
        QCOMPARE(k<QPushButton>("Command1")->toolTip(),
                 QStringLiteral("Zapisz wprowadzone zmiany do odpowiednich rejestrów pamięci "
                                "RAM komputera."));
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

    void anulowanieNieZmienia()
    {
        m->Obraz.Urzadzenia[1] = 0x11;
        m->Obraz.Buzzery = 0x42;
        m->Obraz.KlawFun = 0x33;
        m->Obraz.KodyTajne = 7;
        const Konfiguracja przed = m->Obraz;
        otworz();
        check(1, 0)->setChecked(true);
        k<QRadioButton>("Option1_0")->setChecked(true);
        k<QComboBox>("Combo1")->setCurrentIndex(10);
        zapisz(false);
        QVERIFY(m->Obraz == przed);
    }

    void drugiePolecenieWysuwaToSamoOkno()
    {
        otworz();
        check(1, 4)->setChecked(true);
        QPointer<EdytorKlawiatur> pierwsze = okno;
        m->wyczyscStatus();
        otworz();
        QCOMPARE(okno.data(), pierwsze.data());
        QVERIFY(check(1, 4)->isChecked()); // unchanged, not reloaded
        QCOMPARE(m->status(), QStringLiteral("Programowanie parametrów systemowych."));
        int ile = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            ile += qobject_cast<EdytorKlawiatur*>(w) != nullptr;
        QCOMPARE(ile, 1);
    }
};

QTEST_MAIN(TestEdytorKlawiatur)
#include "tst_edytorklawiatur.moc"
