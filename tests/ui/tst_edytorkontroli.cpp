// The guard control editor window: listing, choosing, adding, deleting and saving controls.
#include "StanowiskoEdytora.h"
#include "TekstyKontrolek.h"
#include "editors/EdytorKontroli.h"

#include <QGroupBox>

using namespace zr05;

namespace
{
using Rekord = std::array<Bajt, 8>;
}

class TestEdytorKontroli : public QObject, StanowiskoEdytora
{
    Q_OBJECT
    void zdefiniuj(int n, Rekord r) { m->Obraz.Kontrole[n] = r; }

    void wybierzKontrole(const QString& numer) { wybierzZPola("Combo1", numer); }
    void przypisz(const QString& straznik) { wybierz("List2", straznik, "Command2"); }

    QStringList pokazane()
    {
        return {k<QComboBox>("Combo2")->currentText(), k<QComboBox>("Combo3")->currentText(),
                k<QComboBox>("Combo4")->currentText(), k<QComboBox>("Combo5")->currentText()};
    }

    void trzyKontrole()
    {
        zdefiniuj(1, {1, 1, 6, 0, 5, 0, 0, 0});
        zdefiniuj(2, {2, 2, 12, 30, 3, 0x01, 0, 0});
        zdefiniuj(3, {3, 4, 7, 5, 2, 0x81, 0x03, 0x42});
    }

public:
    TestEdytorKontroli() : StanowiskoEdytora(pokazEdytorKontroli, "Form5", "Command4") {}

private slots:
    void init()
    {
        utworz();
        for (int n = 1; n <= 24; ++n)
            m->Obraz.Kontrole[n][2] = 24;
    }
    void cleanup() { sprzataj(); }

    void listyPoOtwarciu()
    {
        otworz();
        QCOMPARE(pozycje(k<QComboBox>("Combo2")), liczby(0, 24, 2));
        QCOMPARE(pozycje(k<QComboBox>("Combo3")), liczby(0, 59, 2));
        QCOMPARE(pozycje(k<QComboBox>("Combo4")), liczby(1, 10, 2));
        QCOMPARE(pozycje(k<QComboBox>("Combo5")),
                 (QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}));
        for (const char* c : {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5"})
            QVERIFY(!k<QComboBox>(c)->isEditable());
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
        QCOMPARE(teksty(k<QListWidget>("List2")), liczby(1, 10, 2));
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
        wybierzKontrole("3");
        QCOMPARE(pokazane(), (QStringList{"07", "05", "02", "4"}));
        QCOMPARE(teksty(k<QListWidget>("List1")), (QStringList{"01", "08", "09", "10"}));
        QCOMPARE(teksty(k<QListWidget>("List2")), liczby(2, 7, 2));
        wybierzKontrole("2");
        QCOMPARE(pokazane(), (QStringList{"12", "30", "03", "2"}));
        QCOMPARE(teksty(k<QListWidget>("List1")), QStringList{"01"});
    }

    void straznicyZapisani()
    {
        zdefiniuj(4, {4, 3, 9, 15, 4, 0, 0xF0, 0x42});
        otworz();
        wybierzKontrole("4");
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
        wybierzKontrole("1");
        przypisz("05");
        k<QComboBox>("Combo3")->setCurrentIndex(44);
        wybierzKontrole("2");
        wybierzKontrole("1");
        QCOMPARE(pokazane(), (QStringList{"06", "00", "05", "1"}));
        QVERIFY(k<QListWidget>("List1")->count() == 0);
    }

    void usuniecieSrodkowej()
    {
        trzyKontrole();
        otworz();
        wybierzKontrole("2");
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
        wybierzKontrole("3");
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
        wybierzKontrole("1");
        k<QComboBox>("Combo2")->setCurrentIndex(24);
        zapisz(true);
        QCOMPARE(m->Obraz.Kontrole[1][2], Bajt(24));
        QCOMPARE(pozycje(k<QComboBox>("Combo1")), (QStringList{"1", "2", "3"}));
        okno->close();
        QTRY_VERIFY(okno.isNull());
        otworz();
        QCOMPARE(pozycje(k<QComboBox>("Combo1")), (QStringList{"2", "3"}));
    }
};

QTEST_MAIN(TestEdytorKontroli)
#include "tst_edytorkontroli.moc"
