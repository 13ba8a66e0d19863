// The output editor window: its controls, the output selector, the event lists and saving.
#include "Module1.h"
#include "PrzechwytKomunikatow.h"
#include "TekstyKontrolek.h"
#include "editors/EdytorWyjsc.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace zr05;

class TestEdytorWyjsc : public QObject
{
    Q_OBJECT
    Module1* m = nullptr;
    QPointer<QWidget> okno;

    template <typename T> T* k(const char* nazwa)
    {
        T* w = okno ? okno->findChild<T*>(QLatin1String(nazwa)) : nullptr;
        if (!w)
            qWarning() << "no control" << nazwa;
        return w;
    }

    static QWidget* otwarte()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("Form8") && w->isVisible())
                return w;
        return nullptr;
    }

    void otworz()
    {
        pokazEdytorWyjsc(*m, nullptr);
        okno = otwarte();
        QVERIFY(okno);
    }

    void zamknij()
    {
        if (okno)
            okno->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!okno);
    }

    void wybierzWyjscie(const QString& tekst)
    {
        auto* c = k<QComboBox>("Combo1");
        const int i = c->findText(tekst);
        QVERIFY(i >= 0);
        c->setCurrentIndex(i);
        emit c->activated(i);
    }

    void przypisz(const QString& tekst)
    {
        auto* l = k<QListWidget>("List2");
        const auto z = l->findItems(tekst, Qt::MatchExactly);
        QCOMPARE(z.size(), 1);
        l->setCurrentItem(z.first());
        k<QPushButton>("Command1")->click();
    }

    void zapisz(bool odpowiedz)
    {
        PrzechwytKomunikatow p(odpowiedz);
        k<QPushButton>("Command3")->click();
        QCOMPARE(p.teksty, QStringList{"Czy zapisać zmiany w parametrach wyjść OC i Pk ?"});
        QCOMPARE(p.pytania, QList<bool>{true});
    }

private slots:
    void init()
    {
        m = new Module1;
        m->KonfigJest = 1;
    }
    void cleanup()
    {
        if (okno)
            zamknij();
        delete m;
        m = nullptr;
    }

    void oknoIKontrolki()
    {
        otworz();
        QCOMPARE(okno->windowTitle(), QStringLiteral("Parametry wyjść OC i Pk"));
        QCOMPARE(m->status(), QStringLiteral("Programowanie parametrów wyjść OC i Pk."));

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

        QCOMPARE(k<QComboBox>("Combo1")->toolTip(),
                 QStringLiteral("Wybór wyjścia OC lub Pk dla którego wyświetlane są parametry na "
                                "tym ekranie"));
        QCOMPARE(k<QComboBox>("Combo2")->toolTip(), QStringLiteral("Typ wyjścia OC"));
        QCOMPARE(k<QComboBox>("Combo3")->toolTip(),
                 QStringLiteral("Opóźnienie pojawienia się alarmu na wyjściu OC"));
        QCOMPARE(k<QComboBox>("Combo4")->toolTip(),
                 QStringLiteral("Wybór sposobu kasowania alarmu na wyjściu Pk"));
        QCOMPARE(k<QComboBox>("Combo5")->toolTip(),
                 QStringLiteral("Czas trwania alarmu na wyjściu Pk"));
        QCOMPARE(k<QComboBox>("Combo6")->toolTip(),
                 QStringLiteral("Opóźnienie pojawienia się alarmu na wyjściu Pk"));
        QCOMPARE(k<QGroupBox>("Frame1")->title(), QStringLiteral("OC:"));
        QCOMPARE(k<QGroupBox>("Frame2")->title(), QStringLiteral("Pk:"));
        QCOMPARE(k<QGroupBox>("Frame3")->title(), QString());
        QCOMPARE(k<QLabel>("Label4")->text(), QStringLiteral("Czas trwania [min]:"));
        QCOMPARE(k<QPushButton>("Command1")->text(), QStringLiteral("<="));
        QCOMPARE(k<QPushButton>("Command2")->text(), QStringLiteral("=>"));
        QCOMPARE(k<QPushButton>("Command3")->text(), QStringLiteral("ZAPISZ ZMIANY"));
        QCOMPARE(k<QPushButton>("Command3")->toolTip(),
                 QStringLiteral("Zapisz wprowadzone zmiany do odpowiednich rejestrów pamięci RAM "
                                "komputera."));

        QStringList etykiety;
        for (QLabel* l : okno->findChildren<QLabel*>())
            etykiety << l->text();
        for (const char* t : {"NC/NO:", "Opóźnienie [min]:", "Kasowanie:", "Czas trwania [min]:",
                              "Przyporządkowane zdarzenia:"})
            QVERIFY2(etykiety.contains(QString::fromUtf8(t)), t);
        QCOMPARE(etykiety.count(QStringLiteral("Opóźnienie [min]:")), 2);
        for (QLabel* l : okno->findChildren<QLabel*>())
            if (l->text() == QStringLiteral("Przyporządkowane zdarzenia:"))
                QCOMPARE(l->toolTip(),
                         QStringLiteral("Zdarzenia wywołujące alarm na wybranym wyjściu"));
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

    void drugiePolecenieWyciagaToSamoOkno()
    {
        otworz();
        wybierzWyjscie("OC-05");
        QPointer<QWidget> pierwsze = okno;
        m->ustawStatus(QString());
        otworz();
        QCOMPARE(okno, pierwsze);
        QCOMPARE(k<QComboBox>("Combo1")->currentText(), QStringLiteral("OC-05"));
        QCOMPARE(m->status(), QStringLiteral("Programowanie parametrów wyjść OC i Pk."));
        zamknij();
        QCOMPARE(m->status(), QString());

        // A new opening starts again on OC-01.
        otworz();
        QCOMPARE(k<QComboBox>("Combo1")->currentText(), QStringLiteral("OC-01"));
    }

    void nieskonfigurowaneWyjsciePokazujeNC()
    {
        otworz();
        QCOMPARE(k<QComboBox>("Combo2")->currentText(), QStringLiteral("NC"));
        zapisz(true);
        QCOMPARE(m->Obraz.WyjOC[1][2], Bajt(128));
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

    void zdarzenie5NiewidoczneIKasowane()
    {
        m->Obraz.WyjOC[7][14] = 0x10 | 0x01; // events 5 and 1
        otworz();
        wybierzWyjscie("OC-07");
        QCOMPARE(teksty(k<QListWidget>("List1")), QStringList{m->Tabele.TabZdarz[1]});
        QCOMPARE(k<QListWidget>("List1")->count() + k<QListWidget>("List2")->count(), 48);
        zapisz(true);
        QCOMPARE(m->Obraz.WyjOC[7][14], Bajt(0x01));
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
};

QTEST_MAIN(TestEdytorWyjsc)
#include "tst_edytorwyjsc.moc"
