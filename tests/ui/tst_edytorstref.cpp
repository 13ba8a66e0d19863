// The zone editor window: its controls, choosing a zone, moving zones and saving.

#include "Module1.h"
#include "PrzechwytKomunikatow.h"
#include "TekstyKontrolek.h"
#include "editors/EdytorStref.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace zr05;

class TestEdytorStref : public QObject
{
    Q_OBJECT
    Module1* m = nullptr;
    QPointer<EdytorStref> okno;

    template <typename T> T* k(const char* nazwa)
    {
        T* w = okno ? okno->findChild<T*>(QLatin1String(nazwa)) : nullptr;
        if (!w)
            qWarning() << "no control" << nazwa;
        return w;
    }
    void otworz()
    {
        pokazEdytorStref(*m, nullptr);
        okno = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<EdytorStref*>(w); f && f->isVisible())
                okno = f;
        QVERIFY(okno);
    }
    void wybierzStrefe(int z) { k<QComboBox>("Combo1")->setCurrentIndex(z - 1); }
    void wybierz(const char* lista, const QString& tekst)
    {
        auto* l = k<QListWidget>(lista);
        const auto znalezione = l->findItems(tekst, Qt::MatchExactly);
        QVERIFY(!znalezione.isEmpty());
        l->setCurrentItem(znalezione.first());
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
            okno->close();
        QTRY_VERIFY(okno.isNull());
        delete m;
    }

    void wygladOkna()
    {
        otworz();
        QCOMPARE(okno->windowTitle(), QStringLiteral("Parametry stref"));
        QCOMPARE(m->status(), QStringLiteral("Programowanie parametrów stref."));
        auto* combo = k<QComboBox>("Combo1");
        QVERIFY(!combo->isEditable());
        QStringList pozycje;
        for (int i = 0; i < combo->count(); ++i)
            pozycje << combo->itemText(i);
        QCOMPARE(pozycje,
                 (QStringList{"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"}));
        QCOMPARE(combo->currentText(), QStringLiteral("01"));
        QCOMPARE(combo->toolTip(), QStringLiteral("Numer wybranej strefy"));

        const QString podpowiedzList = QStringLiteral(
            "Aby dodać strefę należy ją dwukliknąć na prawej liście lub zaznaczyć  i nacisnąć "
            "przycisk \"<=\". Aby usunąć - dwukliknąć na lewej liście");
        QCOMPARE(k<QListWidget>("List1")->toolTip(), podpowiedzList);
        QCOMPARE(k<QListWidget>("List2")->toolTip(), podpowiedzList);
        QCOMPARE(k<QPushButton>("Command1")->text(), QStringLiteral("<="));
        QCOMPARE(
            k<QPushButton>("Command1")->toolTip(),
            QStringLiteral("Aby dodać strefę należy ją zaznaczyć  i nacisnąć przycisk \"<=\""));
        QCOMPARE(k<QPushButton>("Command4")->text(), QStringLiteral("=>"));
        QCOMPARE(
            k<QPushButton>("Command4")->toolTip(),
            QStringLiteral("Aby usunąć strefę należy ją zaznaczyć  i nacisnąć przycisk \"=>\""));
        QCOMPARE(k<QPushButton>("Command5")->text(), QStringLiteral("ZAPISZ ZMIANY"));
        QCOMPARE(k<QPushButton>("Command5")->toolTip(),
                 QStringLiteral("Zapisz wprowadzone zmiany do odpowiednich rejestrów pamięci "
                                "RAM komputera."));

        QStringList etykiety;
        for (QLabel* l : okno->findChildren<QLabel*>())
            etykiety << l->text();
        QVERIFY(etykiety.contains(QStringLiteral("Numer wybranej strefy:")));
        QVERIFY(etykiety.contains(QStringLiteral("strefy współzależne od wybranej strefy:")));
        QVERIFY(etykiety.contains(QStringLiteral("strefy niezależne:")));
    }

    void strefa1PustaIZapisZeruje()
    {
        for (int j = 11; j <= 15; ++j)
            m->Obraz.Strefy[1][j] = 0x3C;
        otworz();
        QCOMPARE(k<QListWidget>("List1")->count(), 0);
        QCOMPARE(k<QListWidget>("List2")->count(), 0);
        PrzechwytKomunikatow p(true);
        k<QPushButton>("Command5")->click();
        QCOMPARE(p.teksty, QStringList{QStringLiteral("Czy zapisać zmiany w parametrach stref ?")});
        QCOMPARE(p.pytania, QList<bool>{true});
        for (int j = 11; j <= 15; ++j)
            QCOMPARE(int(m->Obraz.Strefy[1][j]), 0);
    }

    void strefa10Listy()
    {
        m->Obraz.Strefy[10][14] = 5;
        m->Obraz.Strefy[10][15] = 1;
        otworz();
        wybierzStrefe(10);
        QCOMPARE(okno->wybranaStrefa(), 10);
        QCOMPARE(teksty(k<QListWidget>("List1")), (QStringList{"01", "03", "09"}));
        QCOMPARE(teksty(k<QListWidget>("List2")),
                 (QStringList{"02", "04", "05", "06", "07", "08"}));
    }

    void przeniesienieIZapisStrefy5()
    {
        otworz();
        wybierzStrefe(5);
        QCOMPARE(teksty(k<QListWidget>("List2")), (QStringList{"01", "02", "03", "04"}));
        wybierz("List2", QStringLiteral("02"));
        k<QPushButton>("Command1")->click();
        QCOMPARE(teksty(k<QListWidget>("List1")), QStringList{"02"});
        PrzechwytKomunikatow p(true);
        k<QPushButton>("Command5")->click();
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
        PrzechwytKomunikatow p(true);
        k<QPushButton>("Command5")->click();
        QCOMPARE(int(m->Obraz.Strefy[4][14]), 0x01);
        QCOMPARE(int(m->Obraz.Strefy[4][15]), 0);
        QCOMPARE(int(m->Obraz.Strefy[4][3]), 0x77);
    }

    void anulowanieNieZmieniaObrazu()
    {
        m->Obraz.Strefy[3][14] = 0x01;
        m->Obraz.Strefy[3][12] = 0x55;
        const Konfiguracja przed = m->Obraz;
        otworz();
        wybierzStrefe(3);
        wybierz("List1", QStringLiteral("01"));
        k<QPushButton>("Command4")->click();
        wybierz("List2", QStringLiteral("02"));
        emit k<QListWidget>("List2")->itemDoubleClicked(k<QListWidget>("List2")->currentItem());
        QCOMPARE(teksty(k<QListWidget>("List1")), QStringList{"02"});
        PrzechwytKomunikatow p(false);
        k<QPushButton>("Command5")->click();
        QCOMPARE(p.teksty.size(), 1);
        QVERIFY(m->Obraz == przed);
    }

    void zmianaStrefyPorzucaPrzeniesienia()
    {
        m->Obraz.Strefy[3][14] = 0x02;
        otworz();
        wybierzStrefe(3);
        wybierz("List2", QStringLiteral("01"));
        k<QPushButton>("Command1")->click();
        QCOMPARE(teksty(k<QListWidget>("List1")), (QStringList{"01", "02"}));
        wybierzStrefe(2);
        wybierzStrefe(3);
        QCOMPARE(teksty(k<QListWidget>("List1")), QStringList{"02"});
        QCOMPARE(int(m->Obraz.Strefy[3][14]), 0x02);
    }

    void drugiePolecenieWysuwaToSamoOkno()
    {
        otworz();
        wybierzStrefe(7);
        QPointer<EdytorStref> pierwsze = okno;
        m->wyczyscStatus();
        otworz();
        QCOMPARE(okno.data(), pierwsze.data());
        QCOMPARE(okno->wybranaStrefa(), 7); // unchanged
        QCOMPARE(m->status(), QStringLiteral("Programowanie parametrów stref."));
        int ile = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            ile += qobject_cast<EdytorStref*>(w) != nullptr;
        QCOMPARE(ile, 1);
    }

    void zamkniecieCzysciStatusINoweOknoZaczynaOd1()
    {
        otworz();
        wybierzStrefe(6);
        okno->close();
        QTRY_VERIFY(okno.isNull());
        QCOMPARE(m->status(), QString());
        otworz();
        QCOMPARE(okno->wybranaStrefa(), 1);
        QCOMPARE(k<QComboBox>("Combo1")->currentText(), QStringLiteral("01"));
    }
};

QTEST_MAIN(TestEdytorStref)
#include "tst_edytorstref.moc"
