// The detection line editor window: its controls, showing and saving a line, the encrypted
// line lists, the atypical names, closing, and the single open instance.

#include "Module1.h"
#include "PrzechwytKomunikatow.h"
#include "editors/EdytorLinii.h"

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
QStringList pozycje(const QComboBox* c)
{
    QStringList t;
    for (int i = 0; i < c->count(); ++i)
        t << c->itemText(i);
    return t;
}

QStringList pozycje(const QListWidget* l)
{
    QStringList t;
    for (int i = 0; i < l->count(); ++i)
        t << l->item(i)->text();
    return t;
}

QStringList liczby(int od, int doo)
{
    QStringList t;
    for (int i = od; i <= doo; ++i)
        t << QString::number(i);
    return t;
}

const QString Pytanie = QStringLiteral("Czy zapisać zmiany w parametrach linii ?");
} // namespace

class TestEdytorLinii : public QObject
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
    QComboBox* c(const char* nazwa) { return k<QComboBox>(nazwa); }

    void otworz()
    {
        pokazEdytorLinii(*m, nullptr);
        okno = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("Form4") && w->isVisible())
                okno = w;
        QVERIFY(okno);
    }
    void wybierzLinie(int n)
    {
        c("Combo1")->setCurrentIndex(n - 1);
        emit c("Combo1")->activated(n - 1);
    }
    void wybierzTyp(const QString& typ)
    {
        const int i = c("Combo8")->findText(typ);
        QVERIFY(i >= 0);
        c("Combo8")->setCurrentIndex(i);
        emit c("Combo8")->activated(i);
    }
    void ustaw(const char* nazwa, const QString& tekst)
    {
        const int i = c(nazwa)->findText(tekst);
        QVERIFY2(i >= 0, qPrintable(tekst));
        c(nazwa)->setCurrentIndex(i);
    }
    void zamknij()
    {
        if (okno)
            okno->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!okno);
    }
    bool widoczna(const char* ramka) { return !k<QGroupBox>(ramka)->isHidden(); }
    void zapisz(PrzechwytKomunikatow& p)
    {
        k<QPushButton>("Command5")->click();
        QCOMPARE(p.teksty.last(), Pytanie);
        QCOMPARE(p.pytania.last(), true);
    }

private slots:
    void init()
    {
        m = new Module1;
        m->KonfigJest = 1;
        auto& L = m->Obraz.Linie;
        for (int n = 1; n <= 80; ++n) {
            L[n][0] = Bajt(n);
            L[n][2] = 0x12; // 250 ms, immediate
            L[n][3] = 1;
            L[n][12] = 1;
        }
        L[1][8] = 169; // TARAS
        L[7][8] = 169;
        L[7][9] = 2;
        L[2] = {2, 0, 0x42, 0x85, 0, 0, 5, 9, 48, 0, 0, 0, 0, 0, 3}; // delayed, zone 3
        L[3] = {3, 0, 0x18, 0x03, 0, 80, 7, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10};
        L[4] = {4, 0, 0x11, 0x02, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0,
                0, 0, 0,    0,    0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}; // encrypts 1, 3, 80
        L[5] = {5, 9, 0x83, 0x4C, 99, 200, 0, 150, 0, 120, 255, 0};       // nothing the boxes offer
    }
    void cleanup()
    {
        delete okno;
        delete m;
    }

    void listy_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QStringList>("lista");
        QTest::newRow("Combo3_0") << "Combo3_0" << liczby(0, 99);
        QTest::newRow("Combo3_1") << "Combo3_1" << liczby(0, 99);
        QTest::newRow("Combo4") << "Combo4" << QStringList{"01", "02", "03", "04", "05",
                                                           "06", "07", "08", "09", "10"};
        QTest::newRow("Combo5") << "Combo5" << QStringList{"3-stanowa", "2-stanowa"};
        QTest::newRow("Combo6") << "Combo6" << QStringList{"250 ms", "500 ms", "750 ms", "1 sek."};
        QTest::newRow("Combo7") << "Combo7" << liczby(1, 9);
        QTest::newRow("Combo8") << "Combo8"
                                << QStringList{"Natychmiastowa", "Opóźniona", "Całodobowa",
                                               "Warunkowa", "Szyfrująca"};
        QTest::newRow("Combo9") << "Combo9" << liczby(1, 99);
        QTest::newRow("Combo10") << "Combo10" << liczby(1, 99);
        QTest::newRow("Combo11") << "Combo11" << liczby(1, 80);
        QTest::newRow("Combo12") << "Combo12" << liczby(0, 80);
    }
    void listy()
    {
        QFETCH(QString, nazwa);
        QFETCH(QStringList, lista);
        otworz();
        QComboBox* b = c(qPrintable(nazwa));
        QVERIFY(b);
        QCOMPARE(pozycje(b), lista);
        QVERIFY(!b->isEditable());
    }

    void oknoPoOtwarciu()
    {
        PrzechwytKomunikatow p;
        otworz();
        QCOMPARE(c("Combo1")->count(), 80);
        QCOMPARE(c("Combo1")->itemText(0), QStringLiteral("01 - TARAS"));
        QCOMPARE(c("Combo1")->itemText(6), QStringLiteral("07 - TARAS2"));
        QCOMPARE(c("Combo1")->itemText(1), QStringLiteral("02 - DOKUMENT"));
        QCOMPARE(c("Combo1")->itemText(79), QStringLiteral("80 - <bez nazwy>"));
        QCOMPARE(c("Combo1")->currentIndex(), 0);
        QVERIFY(c("Combo2")->isEditable());
        QCOMPARE(c("Combo2")->count(), 256);
        QCOMPARE(c("Combo2")->itemText(41), QStringLiteral("Czas"));
        QCOMPARE(c("Combo2")->itemText(255), QStringLiteral("<nn 255>"));
        QCOMPARE(c("Combo2")->currentText(), QStringLiteral("TARAS"));
        QCOMPARE(c("Combo8")->currentText(), QStringLiteral("Natychmiastowa"));
        QVERIFY(!widoczna("Frame1"));
        QVERIFY(!widoczna("Frame4"));

        QVERIFY(p.teksty.isEmpty());
    }

    void natychmiastowaIOpozniona()
    {
        otworz();
        wybierzLinie(2);
        QCOMPARE(c("Combo8")->currentText(), QStringLiteral("Opóźniona"));
        QVERIFY(widoczna("Frame1"));
        QVERIFY(widoczna("Frame2"));
        QVERIFY(!widoczna("Frame3"));
        QVERIFY(!widoczna("Frame4"));
        QCOMPARE(k<QGroupBox>("Frame1")->title(), QStringLiteral("Linia Opóźniona"));
        QCOMPARE(c("Combo9")->currentText(), QStringLiteral("5"));
        QCOMPARE(c("Combo10")->currentText(), QStringLiteral("9"));
        QCOMPARE(c("Combo2")->currentText(), QStringLiteral("DOKUMENT"));
        QCOMPARE(c("Combo4")->currentText(), QStringLiteral("03"));
        QCOMPARE(c("Combo5")->currentText(), QStringLiteral("2-stanowa")); // bit 7 alone
        QCOMPARE(c("Combo6")->currentText(), QStringLiteral("1 sek."));
        QCOMPARE(c("Combo7")->currentText(), QStringLiteral("5"));

        // Picking the type again reads the delays from the image again.
        ustaw("Combo9", "60");
        wybierzTyp("Opóźniona");
        QCOMPARE(c("Combo9")->currentText(), QStringLiteral("5"));

        PrzechwytKomunikatow p;
        wybierzTyp("Natychmiastowa");
        QVERIFY(!widoczna("Frame1"));
        zapisz(p);
        const auto& r = m->Obraz.Linie[2];
        QCOMPARE(int(r[2]), 64 + 2);
        QCOMPARE(int(r[3]), 0xC5);
        QCOMPARE(int(r[6]), 0);
        QCOMPARE(int(r[7]), 0);
        QCOMPARE(int(r[14]), 3);
        wybierzLinie(2);
        QCOMPARE(c("Combo8")->currentText(), QStringLiteral("Natychmiastowa"));
    }

    void warunkowa()
    {
        otworz();
        wybierzLinie(3);
        QCOMPARE(c("Combo8")->currentText(), QStringLiteral("Warunkowa"));
        QVERIFY(widoczna("Frame2"));
        QVERIFY(widoczna("Frame3"));
        QCOMPARE(k<QGroupBox>("Frame1")->title(), QStringLiteral("Linia Warunkowa"));
        QCOMPARE(c("Combo11")->currentText(), QStringLiteral("1")); // stored 0
        QCOMPARE(c("Combo12")->currentText(), QStringLiteral("80"));
        QCOMPARE(c("Combo4")->currentText(), QStringLiteral("10"));
        ustaw("Combo12", "0");
        ustaw("Combo4", "10");
        PrzechwytKomunikatow p;
        zapisz(p);
        const auto& r = m->Obraz.Linie[3];
        QCOMPARE(int(r[4]), 1);
        QCOMPARE(int(r[5]), 0);
        QCOMPARE(int(r[6]), 7);
        QCOMPARE(int(r[7]), 8);
        QCOMPARE(int(r[21]), 10);
        QCOMPARE(int(r[2]), 16 + 8);
    }

    void anulowanieNicNieZmienia()
    {
        otworz();
        wybierzLinie(2);
        ustaw("Combo7", "9");
        ustaw("Combo4", "07");
        const Konfiguracja przed = m->Obraz;
        PrzechwytKomunikatow p(false);
        zapisz(p);
        QVERIFY(m->Obraz == przed);
        // Another line without saving drops the change.
        wybierzLinie(1);
        wybierzLinie(2);
        QCOMPARE(c("Combo7")->currentText(), QStringLiteral("5"));
    }

    void szyfrujaca()
    {
        otworz();
        wybierzLinie(4);
        QCOMPARE(c("Combo8")->currentText(), QStringLiteral("Szyfrująca"));
        QVERIFY(!widoczna("Frame1"));
        QVERIFY(widoczna("Frame4"));
        QCOMPARE(k<QGroupBox>("Frame4")->title(), QStringLiteral("Linia Szyfrująca"));
        auto* l1 = k<QListWidget>("List1");
        auto* l2 = k<QListWidget>("List2");
        QCOMPARE(pozycje(l1), (QStringList{"01 - TARAS", "03 - <bez nazwy>", "80 - <bez nazwy>"}));
        QCOMPARE(l2->count(), 77);
        QVERIFY(pozycje(l2).contains(QStringLiteral("04 - <bez nazwy>"))); // itself too

        // 1, 8 and 9 in the left list.
        for (const char* t : {"03 - <bez nazwy>", "80 - <bez nazwy>"}) {
            l1->setCurrentItem(l1->findItems(QString::fromUtf8(t), Qt::MatchExactly).first());
            k<QPushButton>("Command4")->click();
        }
        for (const char* t : {"09 - <bez nazwy>", "08 - <bez nazwy>"}) {
            auto* it = l2->findItems(QString::fromUtf8(t), Qt::MatchExactly).first();
            l2->setCurrentItem(it);
            emit l2->itemDoubleClicked(it);
        }
        QCOMPARE(pozycje(l1), (QStringList{"01 - TARAS", "08 - <bez nazwy>", "09 - <bez nazwy>"}));
        PrzechwytKomunikatow p;
        zapisz(p);
        const auto& r = m->Obraz.Linie[4];
        QCOMPARE(int(r[22]), 129);
        QCOMPARE(int(r[23]), 1);
        for (int j = 24; j < 32; ++j)
            QCOMPARE(int(r[j]), 0);
        QCOMPARE(int(r[2]), 16 + 1);

        // Changing the type away from encrypting clears the set.
        wybierzTyp("Całodobowa");
        QVERIFY(!widoczna("Frame4"));
        zapisz(p);
        QCOMPARE(int(r[22]), 0);
        QCOMPARE(int(r[2]), 16 + 4);
    }

    void bajtyPozaListamiSaPokazaneIZachowane()
    {
        otworz();
        const auto przed = m->Obraz.Linie[5];
        wybierzLinie(4); // a known type first: an unknown code must not inherit it
        wybierzLinie(5);
        QCOMPARE(c("Combo8")->currentIndex(), -1);
        QVERIFY(!widoczna("Frame1"));
        QVERIFY(!widoczna("Frame4"));
        QCOMPARE(c("Combo4")->currentIndex(), -1);                         // no zone byte
        QCOMPARE(c("Combo7")->currentIndex(), -1);                         // 12 alarms
        QCOMPARE(c("Combo3_0")->currentIndex(), -1);                       // 120
        QCOMPARE(c("Combo3_1")->currentIndex(), -1);                       // 255
        QCOMPARE(c("Combo5")->currentText(), QStringLiteral("3-stanowa")); // bit 6 alone
        QCOMPARE(c("Combo6")->currentText(), QStringLiteral("250 ms"));    // code 0
        PrzechwytKomunikatow p;
        zapisz(p);
        const auto& r = m->Obraz.Linie[5];
        QCOMPARE(int(r[0]), 5);
        QCOMPARE(int(r[1]), 0);
        QCOMPARE(int(r[2]), 0x13);
        QCOMPARE(int(r[3]), 0x0C);
        for (int j : {4, 5, 6, 7, 9, 10})
            QCOMPARE(int(r[j]), int(przed[j]));

        // A conditional type chosen for it still keeps the delays the lists cannot show.
        wybierzTyp("Warunkowa");
        QCOMPARE(c("Combo9")->currentText(), QStringLiteral("1")); // stored 0
        QCOMPARE(c("Combo10")->currentIndex(), -1);                // 150
        QCOMPARE(c("Combo11")->currentIndex(), -1);                // 99
        QCOMPARE(c("Combo12")->currentIndex(), -1);                // 200
        zapisz(p);
        QCOMPARE(int(r[7]), 150);
        QCOMPARE(int(r[5]), 200);
        QCOMPARE(int(r[4]), 99);
        QCOMPARE(int(r[6]), 1);
    }

    void nazwaINumery()
    {
        otworz();
        wybierzLinie(7);
        QCOMPARE(c("Combo3_0")->currentText(), QStringLiteral("2"));
        c("Combo2")->setCurrentIndex(c("Combo2")->findText("WINDA"));
        ustaw("Combo3_0", "0");
        ustaw("Combo3_1", "99");
        PrzechwytKomunikatow p;
        zapisz(p);
        QCOMPARE(int(m->Obraz.Linie[7][8]), 179);
        QCOMPARE(int(m->Obraz.Linie[7][9]), 0);
        QCOMPARE(int(m->Obraz.Linie[7][10]), 99);
        // The selector keeps its texts until the window opens again.
        QCOMPARE(c("Combo1")->itemText(6), QStringLiteral("07 - TARAS2"));
    }

    void wpisanaNazwaSpozaListy()
    {
        otworz();
        const Konfiguracja przed = m->Obraz;
        c("Combo2")->setEditText(QStringLiteral("taras"));
        PrzechwytKomunikatow p;
        k<QPushButton>("Command5")->click();
        QCOMPARE(p.teksty.size(), 1);
        QCOMPARE(p.pytania.first(), false);
        QVERIFY(p.teksty.first().startsWith(QStringLiteral("Nazwa: <taras> nie występuje")));
        QVERIFY(m->Obraz == przed);
    }

    void dodanieIUsuniecieNazw()
    {
        otworz();
        PrzechwytKomunikatow p;
        auto* nazwa = c("Combo2");
        nazwa->setEditText(QStringLiteral("ZAPLECZE1"));
        k<QPushButton>("Command2")->click();
        QCOMPARE(nazwa->currentText(), QStringLiteral("ZAPLECZE"));
        QCOMPARE(nazwa->itemText(224), QStringLiteral("ZAPLECZE"));
        QCOMPARE(p.teksty.last(),
                 QStringLiteral("Nazwa: <ZAPLECZE> została dopisana na pozycji: 224"));
        // The dictionary changes only when the window closes.
        QCOMPARE(m->Obraz.NazwyLinii[224], QStringLiteral("<nn 224>"));

        // The new name can be given to a line.
        PrzechwytKomunikatow odpowiedzi;
        k<QPushButton>("Command5")->click();
        QCOMPARE(int(m->Obraz.Linie[1][8]), 224);

        nazwa->setEditText(QStringLiteral("TARAS"));
        k<QPushButton>("Command3")->click();
        QVERIFY(odpowiedzi.teksty.last().endsWith(QStringLiteral("(pozycje listy>223).")));
        QCOMPARE(nazwa->itemText(169), QStringLiteral("TARAS"));

        nazwa->setEditText(QStringLiteral("ŁAZIENKA"));
        k<QPushButton>("Command2")->click();
        QCOMPARE(nazwa->itemText(225), QStringLiteral("ŁAZIENKA"));
        nazwa->setEditText(QStringLiteral("ZAPLECZE"));
        k<QPushButton>("Command3")->click();
        QCOMPARE(odpowiedzi.teksty.last(),
                 QStringLiteral("Nazwa: <ZAPLECZE> została usunięta z pozycji: 224 listy."));
        QCOMPARE(nazwa->itemText(224), QStringLiteral("<nn 224>"));

        nazwa->setEditText(QStringLiteral("KOT→"));
        k<QPushButton>("Command2")->click();
        QVERIFY(odpowiedzi.teksty.last().contains(QStringLiteral("Windows-1250")));
        QCOMPARE(nazwa->itemText(224), QStringLiteral("<nn 224>"));

        m->ustawStatus(QStringLiteral("Programowanie parametrów linii dozorowych."));
        zamknij();
        QCOMPARE(m->Obraz.NazwyLinii[224], QStringLiteral("<nn 224>"));
        QCOMPARE(m->Obraz.NazwyLinii[225], QStringLiteral("ŁAZIENKA"));
        QCOMPARE(m->Obraz.NazwyLinii[169], QStringLiteral("TARAS"));
        QCOMPARE(m->status(), QString());
        // Line 1 keeps index 224, now the free slot's text.
        QCOMPARE(int(m->Obraz.Linie[1][8]), 224);
    }

    void nazwyWczytaneWTrakcieZostaja()
    {
        otworz();
        PrzechwytKomunikatow p;
        // A file is read while the window is open: its names must survive the closing.
        m->Obraz.NazwyLinii[224] = QStringLiteral("PLIK1   ");
        m->Obraz.NazwyLinii[240] = QStringLiteral("PLIK2   ");
        c("Combo2")->setEditText(QStringLiteral("OKNO"));
        k<QPushButton>("Command2")->click();
        QCOMPARE(p.teksty.last(), QStringLiteral("Nazwa: <OKNO> została dopisana na pozycji: 224"));
        zamknij();
        QCOMPARE(m->Obraz.NazwyLinii[224], QStringLiteral("OKNO"));
        QCOMPARE(m->Obraz.NazwyLinii[240], QStringLiteral("PLIK2   "));
        QCOMPARE(m->Obraz.NazwyLinii[241], QStringLiteral("<nn 241>"));
    }

    void pelnaListaNazw()
    {
        for (int i = 224; i <= 255; ++i)
            m->Obraz.NazwyLinii[i] = QStringLiteral("N%1     ").arg(i);
        otworz();
        PrzechwytKomunikatow p;
        c("Combo2")->setEditText(QStringLiteral("NOWA"));
        k<QPushButton>("Command2")->click();
        QCOMPARE(p.teksty.last(), QStringLiteral("Wszystkie nietypowe nazwy (32) są używane. "
                                                 "Aby wpisać nową usuń najpierw jedną z nich."));
        QCOMPARE(c("Combo2")->itemText(255), QStringLiteral("N255     "));
    }

    void zamkniecieBezZapisu()
    {
        const Konfiguracja przed = m->Obraz;
        otworz();
        wybierzLinie(2);
        ustaw("Combo7", "9");
        zamknij();
        QVERIFY(m->Obraz == przed);
        QCOMPARE(m->status(), QString());
        // A new opening builds everything afresh and shows line 1.
        m->Obraz.Linie[1][9] = 4;
        otworz();
        QCOMPARE(c("Combo1")->currentText(), QStringLiteral("01 - TARAS4"));
    }
};

QTEST_MAIN(TestEdytorLinii)
#include "tst_edytorlinii.moc"
