// The guard control editor window: listing, choosing, adding, deleting and saving controls.
#include "Module1.h"
#include "PrzechwytKomunikatow.h"
#include "TekstyKontrolek.h"
#include "editors/EdytorKontroli.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace zr05;

namespace
{
using Rekord = std::array<Bajt, 8>;
}

class TestEdytorKontroli : public QObject
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
            if (w->objectName() == QLatin1String("Form5") && w->isVisible())
                return w;
        return nullptr;
    }

    void otworz()
    {
        pokazEdytorKontroli(*m, nullptr);
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

    void zdefiniuj(int n, Rekord r) { m->Obraz.Kontrole[n] = r; }

    void wybierz(const QString& numer)
    {
        auto* c = k<QComboBox>("Combo1");
        const int i = c->findText(numer);
        QVERIFY(i >= 0);
        c->setCurrentIndex(i);
        emit c->activated(i);
    }

    static QStringList dwucyfrowe(int od, int doLiczby)
    {
        QStringList t;
        for (int i = od; i <= doLiczby; ++i)
            t << QStringLiteral("%1").arg(i, 2, 10, QChar('0'));
        return t;
    }

    void przypisz(const QString& straznik)
    {
        auto* l = k<QListWidget>("List2");
        const auto z = l->findItems(straznik, Qt::MatchExactly);
        QCOMPARE(z.size(), 1);
        l->setCurrentItem(z.first());
        k<QPushButton>("Command2")->click();
    }

    QStringList pokazane()
    {
        return {k<QComboBox>("Combo2")->currentText(), k<QComboBox>("Combo3")->currentText(),
                k<QComboBox>("Combo4")->currentText(), k<QComboBox>("Combo5")->currentText()};
    }

    void zapisz(bool odpowiedz)
    {
        PrzechwytKomunikatow p(odpowiedz);
        k<QPushButton>("Command4")->click();
        QCOMPARE(p.teksty, QStringList{"Czy zapisać zmiany w parametrach kontroli strażników ?"});
        QCOMPARE(p.pytania, QList<bool>{true});
    }

    void trzyKontrole()
    {
        zdefiniuj(1, {1, 1, 6, 0, 5, 0, 0, 0});
        zdefiniuj(2, {2, 2, 12, 30, 3, 0x01, 0, 0});
        zdefiniuj(3, {3, 4, 7, 5, 2, 0x81, 0x03, 0x42});
    }

private slots:
    void init()
    {
        m = new Module1;
        m->KonfigJest = 1;
        for (int n = 1; n <= 24; ++n)
            m->Obraz.Kontrole[n][2] = 24;
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
        QCOMPARE(okno->windowTitle(), QStringLiteral("Parametry kontroli strażników"));
        QCOMPARE(m->status(), QStringLiteral("Programowanie parametrów kontroli strażników."));
        QCOMPARE(k<QComboBox>("Combo1")->toolTip(), QStringLiteral("Wybór numeru kontroli"));
        QCOMPARE(k<QPushButton>("Command1")->text(), QStringLiteral("Dodaj nową kontrolę"));
        QCOMPARE(k<QPushButton>("Command5")->text(), QStringLiteral("Usuń tę kontrolę"));
        QCOMPARE(k<QPushButton>("Command2")->text(), QStringLiteral("<="));
        QCOMPARE(k<QPushButton>("Command3")->text(), QStringLiteral("=>"));
        QCOMPARE(k<QPushButton>("Command4")->text(), QStringLiteral("ZAPISZ  ZMIANY"));
        QCOMPARE(k<QPushButton>("Command4")->toolTip(),
                 QStringLiteral("Zapisz wprowadzone zmiany do odpowiednich rejestrów pamięci RAM "
                                "komputera."));
        QCOMPARE(k<QGroupBox>("Frame1")->title(), QStringLiteral("Czas kontroli:"));
        QCOMPARE(k<QGroupBox>("Frame2")->title(), QStringLiteral("Wykonujący kontrole:"));
        QCOMPARE(pozycje(k<QComboBox>("Combo2")), dwucyfrowe(0, 24));
        QCOMPARE(pozycje(k<QComboBox>("Combo3")), dwucyfrowe(0, 59));
        QCOMPARE(pozycje(k<QComboBox>("Combo4")), dwucyfrowe(1, 10));
        QCOMPARE(pozycje(k<QComboBox>("Combo5")),
                 (QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}));
        for (const char* c : {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5"})
            QVERIFY(!k<QComboBox>(c)->isEditable());

        QStringList etykiety;
        for (QLabel* l : okno->findChildren<QLabel*>())
            etykiety << l->text();
        for (const char* t : {"Numer kontroli", "Godzina:", ":", "Minuta:", "Tolerancja:", "[min]",
                              "Z klawiatury numer:", "Strażnicy:"})
            QVERIFY2(etykiety.contains(QString::fromUtf8(t)), t);
    }

    void pustyObrazDodajePierwsza()
    {
        otworz();
        QCOMPARE(k<QComboBox>("Combo1")->count(), 0);
        QVERIFY(k<QGroupBox>("Frame1")->isHidden());
        QVERIFY(k<QGroupBox>("Frame2")->isHidden());
        k<QPushButton>("Command1")->click();
        QCOMPARE(pozycje(k<QComboBox>("Combo1")), QStringList{"1"});
        QCOMPARE(k<QComboBox>("Combo1")->currentText(), QStringLiteral("1"));
        QVERIFY(!k<QGroupBox>("Frame1")->isHidden());
        QVERIFY(!k<QGroupBox>("Frame2")->isHidden());
        // A free record: hour 24 shows as "00", keypad and tolerance 0 as their first items.
        QCOMPARE(pokazane(), (QStringList{"00", "00", "01", "1"}));
        QCOMPARE(teksty(k<QListWidget>("List2")), dwucyfrowe(1, 10));
        // Nothing reaches the image before saving.
        QCOMPARE(m->Obraz.Kontrole[1][0], Bajt(0));
        zapisz(true);
        QCOMPARE(m->Obraz.Kontrole[1], (Rekord{1, 1, 0, 0, 1, 0, 0, 0}));
    }

    void listaIBrakWyboruPrzyOtwarciu()
    {
        trzyKontrole();
        zdefiniuj(5, {5, 1, 24, 0, 1, 0, 0, 0}); // hour 24: free
        zdefiniuj(6, {0, 1, 8, 0, 1, 0, 0, 0});  // number 0: free
        otworz();
        QCOMPARE(pozycje(k<QComboBox>("Combo1")), (QStringList{"1", "2", "3"}));
        QCOMPARE(k<QComboBox>("Combo1")->currentIndex(), -1);
        QCOMPARE(pokazane(), (QStringList{"", "", "", ""}));
        QCOMPARE(k<QListWidget>("List1")->count() + k<QListWidget>("List2")->count(), 0);
        QVERIFY(!k<QGroupBox>("Frame1")->isHidden());

        // Save and delete do nothing while no control is chosen.
        const Konfiguracja przed = m->Obraz;
        PrzechwytKomunikatow p;
        k<QPushButton>("Command4")->click();
        k<QPushButton>("Command5")->click();
        QVERIFY(p.teksty.isEmpty());
        QVERIFY(m->Obraz == przed);
        QCOMPARE(k<QComboBox>("Combo1")->count(), 3);
    }

    void pokazujeKontrole()
    {
        trzyKontrole();
        otworz();
        wybierz("3");
        QCOMPARE(pokazane(), (QStringList{"07", "05", "02", "4"}));
        QCOMPARE(teksty(k<QListWidget>("List1")), (QStringList{"01", "08", "09", "10"}));
        QCOMPARE(teksty(k<QListWidget>("List2")), dwucyfrowe(2, 7));
        wybierz("2");
        QCOMPARE(pokazane(), (QStringList{"12", "30", "03", "2"}));
        QCOMPARE(teksty(k<QListWidget>("List1")), QStringList{"01"});
    }

    void straznicyZapisani()
    {
        zdefiniuj(4, {4, 3, 9, 15, 4, 0, 0xF0, 0x42});
        otworz();
        wybierz("4");
        for (const char* g : {"01", "08", "09", "10"})
            przypisz(QLatin1String(g));
        k<QComboBox>("Combo2")->setCurrentIndex(23);
        k<QComboBox>("Combo3")->setCurrentIndex(59);
        k<QComboBox>("Combo4")->setCurrentIndex(9);
        k<QComboBox>("Combo5")->setCurrentIndex(7);
        const Konfiguracja przed = m->Obraz;
        zapisz(false);
        QVERIFY(m->Obraz == przed);
        zapisz(true);
        QCOMPARE(m->Obraz.Kontrole[4], (Rekord{4, 8, 23, 59, 10, 129, 3, 0x42}));
    }

    void wyborPorzucaNiezapisane()
    {
        trzyKontrole();
        otworz();
        wybierz("1");
        przypisz("05");
        k<QComboBox>("Combo3")->setCurrentIndex(44);
        wybierz("2");
        wybierz("1");
        QCOMPARE(pokazane(), (QStringList{"06", "00", "05", "1"}));
        QVERIFY(k<QListWidget>("List1")->count() == 0);
    }

    void usuniecieSrodkowej()
    {
        trzyKontrole();
        otworz();
        wybierz("2");
        PrzechwytKomunikatow p;
        k<QPushButton>("Command5")->click();
        QVERIFY(p.teksty.isEmpty()); // no question
        QCOMPARE(m->Obraz.Kontrole[2], (Rekord{0, 2, 24, 30, 3, 0x01, 0, 0}));
        QCOMPARE(pozycje(k<QComboBox>("Combo1")), (QStringList{"1", "3"}));
        QCOMPARE(k<QComboBox>("Combo1")->currentText(), QStringLiteral("3"));
        QCOMPARE(pokazane(), (QStringList{"07", "05", "02", "4"}));

        // The new control takes the freed number, not one still listed.
        k<QPushButton>("Command1")->click();
        QCOMPARE(pozycje(k<QComboBox>("Combo1")), (QStringList{"1", "3", "2"}));
        QCOMPARE(k<QComboBox>("Combo1")->currentText(), QStringLiteral("2"));
        zapisz(true);
        QCOMPARE(m->Obraz.Kontrole[2][0], Bajt(2));
        QCOMPARE(m->Obraz.Kontrole[3], (Rekord{3, 4, 7, 5, 2, 0x81, 0x03, 0x42}));
    }

    void usuniecieOstatniejIWszystkich()
    {
        trzyKontrole();
        otworz();
        wybierz("3");
        k<QPushButton>("Command5")->click();
        QCOMPARE(k<QComboBox>("Combo1")->currentText(), QStringLiteral("2"));
        QCOMPARE(pokazane(), (QStringList{"12", "30", "03", "2"}));
        k<QPushButton>("Command5")->click();
        k<QPushButton>("Command5")->click();
        QCOMPARE(k<QComboBox>("Combo1")->count(), 0);
        QVERIFY(k<QGroupBox>("Frame1")->isHidden());
        QVERIFY(k<QGroupBox>("Frame2")->isHidden());
        for (int n = 1; n <= 3; ++n) {
            QCOMPARE(m->Obraz.Kontrole[n][0], Bajt(0));
            QCOMPARE(m->Obraz.Kontrole[n][2], Bajt(24));
        }
        // With nothing left, a further delete touches nothing.
        const Konfiguracja przed = m->Obraz;
        k<QPushButton>("Command5")->click();
        QVERIFY(m->Obraz == przed);
    }

    void najwyzej24()
    {
        for (int n = 1; n <= 23; ++n)
            zdefiniuj(n, {Bajt(n), 1, 8, 0, 1, 0, 0, 0});
        otworz();
        k<QPushButton>("Command1")->click();
        QCOMPARE(k<QComboBox>("Combo1")->currentText(), QStringLiteral("24"));
        PrzechwytKomunikatow p;
        k<QPushButton>("Command1")->click();
        QCOMPARE(p.teksty, QStringList{"Maksymalna ilość kontroli wynosi 24. Nie można już "
                                       "dodać nowej kontroli"});
        QCOMPARE(p.pytania, QList<bool>{false});
        QCOMPARE(k<QComboBox>("Combo1")->count(), 24);
        QCOMPARE(k<QComboBox>("Combo1")->currentText(), QStringLiteral("24"));
    }

    void zapisanaZGodzina24ZostajeDoZamkniecia()
    {
        trzyKontrole();
        otworz();
        wybierz("1");
        k<QComboBox>("Combo2")->setCurrentIndex(24);
        zapisz(true);
        QCOMPARE(m->Obraz.Kontrole[1][2], Bajt(24));
        QCOMPARE(pozycje(k<QComboBox>("Combo1")), (QStringList{"1", "2", "3"}));
        zamknij();
        otworz();
        QCOMPARE(pozycje(k<QComboBox>("Combo1")), (QStringList{"2", "3"}));
    }

    void drugiePolecenieWyciagaToSamoOkno()
    {
        trzyKontrole();
        otworz();
        wybierz("2");
        QPointer<QWidget> pierwsze = okno;
        m->ustawStatus(QString());
        otworz();
        QCOMPARE(okno, pierwsze);
        QCOMPARE(k<QComboBox>("Combo1")->currentText(), QStringLiteral("2"));
        QCOMPARE(m->status(), QStringLiteral("Programowanie parametrów kontroli strażników."));
        zamknij();
        QCOMPARE(m->status(), QString());
        otworz();
        QCOMPARE(k<QComboBox>("Combo1")->currentIndex(), -1);
    }
};

QTEST_MAIN(TestEdytorKontroli)
#include "tst_edytorkontroli.moc"
