// The automatic arming editor window: its controls, what it shows and what it saves.

#include "Module1.h"
#include "PrzechwytKomunikatow.h"
#include "TekstyKontrolek.h"
#include "editors/EdytorAutoUzbrajania.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace zr05;

class TestEdytorAutoUzbrajania : public QObject
{
    Q_OBJECT
    Module1* m = nullptr;
    QPointer<EdytorAutoUzbrajania> okno;

    template <typename T> T* k(const char* nazwa)
    {
        T* w = okno ? okno->findChild<T*>(QLatin1String(nazwa)) : nullptr;
        if (!w)
            qWarning() << "no control" << nazwa;
        return w;
    }
    static QStringList liczby(int od, int doW, int szerokosc)
    {
        QStringList t;
        for (int n = od; n <= doW; ++n)
            t << QStringLiteral("%1").arg(n, szerokosc, 10, QLatin1Char('0'));
        return t;
    }
    void otworz()
    {
        pokazEdytorAutoUzbrajania(*m, nullptr);
        okno = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<EdytorAutoUzbrajania*>(w); f && f->isVisible())
                okno = f;
        QVERIFY(okno);
    }
    void przenies(const char* lista, const QString& tekst, const char* przycisk)
    {
        auto* l = k<QListWidget>(lista);
        const auto znalezione = l->findItems(tekst, Qt::MatchExactly);
        QVERIFY(!znalezione.isEmpty());
        l->setCurrentItem(znalezione.first());
        k<QPushButton>(przycisk)->click();
    }
    void zapisz(bool odpowiedz)
    {
        PrzechwytKomunikatow p(odpowiedz);
        k<QPushButton>("Command3")->click();
        QCOMPARE(p.teksty, QStringList{QStringLiteral(
                               "Czy zapisać zmiany w parametrach automatycznego uzbrajania ?")});
        QCOMPARE(p.pytania, QList<bool>{true});
        QVERIFY(okno); // stays open either way
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
        QCOMPARE(m->status(), QString());
        delete m;
    }

    void wygladOkna()
    {
        otworz();
        QCOMPARE(okno->windowTitle(), QStringLiteral("Parametry automatycznego uzbrajania stref"));
        QCOMPARE(m->status(),
                 QStringLiteral("Programowanie parametrów automatycznego uzbrajania stref."));
        QCOMPARE(pozycje(k<QComboBox>("Combo1")), liczby(0, 24, 2));
        QCOMPARE(pozycje(k<QComboBox>("Combo2")), liczby(0, 59, 2));
        QCOMPARE(pozycje(k<QComboBox>("Combo3")), liczby(0, 10, 1));
        for (const char* c : {"Combo1", "Combo2", "Combo3"})
            QVERIFY(!k<QComboBox>(c)->isEditable());
        QCOMPARE(k<QComboBox>("Combo1")->toolTip(),
                 QStringLiteral("Godzina automatycznego uzbrojenia stref"));
        QCOMPARE(k<QComboBox>("Combo2")->toolTip(),
                 QStringLiteral("Minuta automatycznego uzbrojenia stref"));
        QCOMPARE(k<QComboBox>("Combo3")->toolTip(),
                 QStringLiteral("Czas cichego alarmu po automatycznym uzbrojeniu"));
        QCOMPARE(k<QLabel>("Label1")->text(), QStringLiteral("Godzina:"));
        QCOMPARE(k<QLabel>("Label2")->text(), QStringLiteral("Minuta:"));
        QCOMPARE(k<QLabel>("Label3")->text(), QStringLiteral("Czas cichego alarmu:"));
        QCOMPARE(k<QLabel>("Label4_0")->text(), QStringLiteral("Strefy uzbrajane automatycznie:"));
        QCOMPARE(k<QLabel>("Label4_1")->text(), QStringLiteral("Pozostałe strefy:"));
        QCOMPARE(k<QPushButton>("Command1")->text(), QStringLiteral("<="));
        QCOMPARE(k<QPushButton>("Command2")->text(), QStringLiteral("=>"));
        QCOMPARE(k<QPushButton>("Command3")->text(), QStringLiteral("ZAPISZ ZMIANY"));
        QCOMPARE(k<QPushButton>("Command3")->toolTip(),
                 QStringLiteral("Zapisz wprowadzone zmiany do odpowiednich rejestrów pamięci "
                                "RAM komputera."));
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

    void wszystkieNaPrawoZerujaZbior()
    {
        m->Obraz.AutoUzbr = {1, 2, 3, 0x81, 0x01};
        otworz();
        for (const QString& t : {QStringLiteral("01"), QStringLiteral("08"), QStringLiteral("09")})
            przenies("List1", t, "Command2");
        zapisz(true);
        QCOMPARE(int(m->Obraz.AutoUzbr[3]), 0);
        QCOMPARE(int(m->Obraz.AutoUzbr[4]), 0);
        QCOMPARE(int(m->Obraz.AutoUzbr[0]), 1);
        QCOMPARE(int(m->Obraz.AutoUzbr[1]), 2);
        QCOMPARE(int(m->Obraz.AutoUzbr[2]), 3);
    }

    void strefa10IGodzina24()
    {
        m->Obraz.AutoUzbr = {0, 0, 0, 0x04, 0};
        otworz();
        przenies("List2", QStringLiteral("10"), "Command1");
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
        przenies("List1", QStringLiteral("05"), "Command2");
        zapisz(false);
        QVERIFY(m->Obraz == przed);
        okno->close();
        QTRY_VERIFY(okno.isNull());
        QVERIFY(m->Obraz == przed);
    }

    void drugiePolecenieWysuwaToSamoOkno()
    {
        otworz();
        k<QComboBox>("Combo1")->setCurrentIndex(9);
        QPointer<EdytorAutoUzbrajania> pierwsze = okno;
        m->wyczyscStatus();
        otworz();
        QCOMPARE(okno.data(), pierwsze.data());
        QCOMPARE(k<QComboBox>("Combo1")->currentText(), QStringLiteral("09"));
        QCOMPARE(m->status(),
                 QStringLiteral("Programowanie parametrów automatycznego uzbrajania stref."));
        int ile = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            ile += qobject_cast<EdytorAutoUzbrajania*>(w) != nullptr;
        QCOMPARE(ile, 1);
    }
};

QTEST_MAIN(TestEdytorAutoUzbrajania)
#include "tst_edytorautouzbrajania.moc"
