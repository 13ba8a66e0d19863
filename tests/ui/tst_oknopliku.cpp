// The file window: its two modes, the ".vor" rule, the list click, the buttons and cancelling.
#include "Komunikaty.h"
#include "Module1.h"
#include "config/ListaDyskow.h"
#include "config/ListaKatalogow.h"
#include "config/ListaPlikow.h"
#include "config/OknoPliku.h"
#include "config/PlikKonfiguracji.h"
#include "config/RegulyPliku.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace zr05;

namespace
{
QByteArray wzor(int dlugosc)
{
    QByteArray d(dlugosc, '\0');
    for (int i = 0; i < dlugosc; ++i)
        d[i] = char(i * 13 + 1);
    return d;
}

void utworz(const QString& sciezka, const QByteArray& dane)
{
    QFile f(sciezka);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(dane);
}

QByteArray tresc(const QString& sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestOknoPliku : public QObject
{
    Q_OBJECT
    QTemporaryDir katalog;
    QStringList komunikaty;
    Module1* m = nullptr;
    QPointer<QWidget> okno;

    template <typename T> T* kontrolka(const char* nazwa)
    {
        T* k = okno ? okno->findChild<T*>(QLatin1String(nazwa)) : nullptr;
        if (!k)
            qWarning() << "no control" << nazwa;
        return k;
    }

    void otworz(TrybPliku tryb)
    {
        pokazOknoPliku(*m, tryb, nullptr);
        okno = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "Form12" && w->isVisible())
                okno = w;
        QVERIFY(okno);
        kontrolka<ListaKatalogow>("Dir1")->ustawSciezke(katalog.path());
    }

    void kliknijPlik(const QString& nazwa)
    {
        auto* lista = kontrolka<ListaPlikow>("File1");
        const auto znalezione = lista->findItems(nazwa, Qt::MatchExactly);
        QCOMPARE(znalezione.size(), 1);
        lista->scrollToItem(znalezione[0]);
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                          lista->visualItemRect(znalezione[0]).center());
    }

    void czekajNaZamkniecie()
    {
        QTRY_VERIFY(okno.isNull()); // closed and destroyed
    }

private slots:
    void initTestCase()
    {
        QVERIFY(katalog.isValid());
        utworz(katalog.filePath("a.vor"), wzor(3626));
        utworz(katalog.filePath("X.VOR"), wzor(3626));
        utworz(katalog.filePath("krotki.vor"), wzor(100));
        utworz(katalog.filePath("inny.txt"), "tekst");
        QDir(katalog.path()).mkdir("podkatalog");
        Komunikaty::ustawOdpowiadacz([this](const QString& t, bool) {
            komunikaty << t;
            return true;
        });
    }
    void init()
    {
        m = new Module1;
        komunikaty.clear();
    }
    void cleanup()
    {
        delete okno;
        delete m;
    }

    void oknoOdczytu()
    {
        otworz(TrybPliku::Czytaj);
        QCOMPARE(okno->windowTitle(), QString("Czytanie konfiguracji z pliku"));
        QCOMPARE(m->status(), QString("Czytanie konfiguracji z pliku."));
        auto* t = kontrolka<QLineEdit>("Text1");
        QVERIFY(t->text().isEmpty());
        QVERIFY(t->isReadOnly());
        QVERIFY(!kontrolka<QPushButton>("Command1")->isVisible());
        QVERIFY(kontrolka<QPushButton>("Command2")->isVisible());
        QVERIFY(!kontrolka<QPushButton>("Command2")->isEnabled());
        QVERIFY(!okno->isModal());
    }

    void oknoZapisu()
    {
        otworz(TrybPliku::Zapisz);
        QCOMPARE(okno->windowTitle(), QString("Zapisywanie konfiguracji do pliku."));
        QCOMPARE(m->status(), QString("Zapisywanie konfiguracji do pliku."));
        QVERIFY(!kontrolka<QLineEdit>("Text1")->isReadOnly());
        QVERIFY(kontrolka<QPushButton>("Command1")->isVisible());
        QVERIFY(!kontrolka<QPushButton>("Command1")->isEnabled());
        QVERIFY(!kontrolka<QPushButton>("Command2")->isVisible());
    }

    void listyPlikowIKatalogow()
    {
        otworz(TrybPliku::Czytaj);
        auto* pliki = kontrolka<ListaPlikow>("File1");
        QStringList nazwy;
        for (int i = 0; i < pliki->count(); ++i)
            nazwy << pliki->item(i)->text();
        nazwy.sort();
        // "*.vor" matches as the platform lists files: the capital extension is listed too
        QCOMPARE(nazwy, (QStringList{"X.VOR", "a.vor", "krotki.vor"}));

        auto* katalogi = kontrolka<ListaKatalogow>("Dir1");
        katalogi->ustawSciezke(katalog.filePath("podkatalog"));
        QCOMPARE(pliki->sciezka(), katalog.filePath("podkatalog"));
        QCOMPARE(pliki->count(), 0);
        // the open path is listed with its parent, which opens on activation
        const auto rodzic = katalogi->findItems(QDir(katalog.path()).dirName(), Qt::MatchEndsWith);
        QCOMPARE(rodzic.size(), 1);
        emit katalogi->itemActivated(rodzic[0]);
        QCOMPARE(pliki->sciezka(), katalog.path());

        auto* dyski = kontrolka<ListaDyskow>("Drive1");
        QVERIFY(dyski->count() >= 1);
        const int korzen = dyski->findData(QDir::rootPath());
        QVERIFY(korzen >= 0);
        dyski->setCurrentIndex(dyski->currentIndex() == korzen ? -1 : korzen);
        dyski->setCurrentIndex(korzen);
        QCOMPARE(katalogi->sciezka(), QDir::rootPath());
        QCOMPARE(pliki->sciezka(), QDir::rootPath());
    }

    void przyciskZapisuIdzieZaRozszerzeniem_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<bool>("wlaczony");
        QTest::newRow("a.vor") << "a.vor" << true;
        QTest::newRow(".vor alone") << ".vor" << true;
        QTest::newRow("capitals") << "a.VOR" << false;
        QTest::newRow("mixed case") << "a.Vor" << false;
        QTest::newRow("short") << "a.vo" << false;
        QTest::newRow("trailing blank") << "a.vor " << false;
        QTest::newRow("longer extension") << "a.vorx" << false;
        QTest::newRow("no dot") << "avor" << false;
        QTest::newRow("empty") << "" << false;
    }
    void przyciskZapisuIdzieZaRozszerzeniem()
    {
        QFETCH(QString, nazwa);
        QFETCH(bool, wlaczony);
        otworz(TrybPliku::Zapisz);
        auto* t = kontrolka<QLineEdit>("Text1");
        auto* zapisz = kontrolka<QPushButton>("Command1");
        QTest::keyClicks(t, "x.vor");
        QVERIFY(zapisz->isEnabled());
        t->clear();
        QTest::keyClicks(t, nazwa);
        QCOMPARE(zapisz->isEnabled(), wlaczony);
    }

    void klikNaZlaNazweWOdczycie()
    {
        otworz(TrybPliku::Czytaj);
        auto* czytaj = kontrolka<QPushButton>("Command2");
        kliknijPlik("a.vor");
        QCOMPARE(kontrolka<QLineEdit>("Text1")->text(), QString("a.vor"));
        QVERIFY(czytaj->isEnabled());
        QVERIFY(komunikaty.isEmpty());
        kliknijPlik("X.VOR");
        QCOMPARE(komunikaty, QStringList{"Wybrany zbiór: <X.VOR> jest nieprawidłowy"});
        QVERIFY(!czytaj->isEnabled());
    }

    void klikNaZlaNazweWZapisie()
    {
        otworz(TrybPliku::Zapisz);
        auto* t = kontrolka<QLineEdit>("Text1");
        QTest::keyClicks(t, "moj.vor");
        kliknijPlik("X.VOR");
        QCOMPARE(komunikaty, QStringList{"Wybrany zbiór: <X.VOR> jest nieprawidłowy"});
        QCOMPARE(t->text(), QString("moj.vor"));
        QVERIFY(kontrolka<QPushButton>("Command1")->isEnabled());
        kliknijPlik("krotki.vor");
        QCOMPARE(t->text(), QString("krotki.vor"));
        QVERIFY(kontrolka<QPushButton>("Command1")->isEnabled());
    }

    void odczyt()
    {
        otworz(TrybPliku::Czytaj);
        kliknijPlik("a.vor");
        QTest::mouseClick(kontrolka<QPushButton>("Command2"), Qt::LeftButton);
        czekajNaZamkniecie();
        QVERIFY(komunikaty.isEmpty());
        QCOMPARE(m->KonfigJest, 1);
        QVERIFY(m->dostepny(Element::mnuKonfZapisz));
        QVERIFY(m->dostepny(Element::mnuKonfDruk));
        QCOMPARE(m->NazwaPliku, QDir::toNativeSeparators(katalog.filePath("a.vor")));
        QVERIFY(m->status().isEmpty());
        QCOMPARE(m->Obraz.Linie[1][0], Bajt(1)); // first byte of the file
        QCOMPARE(m->Obraz.Linie[1][1], Bajt(14));
    }

    void nieudanyOdczyt()
    {
        m->NazwaPliku = "poprzedni.vor";
        const Konfiguracja przed = m->Obraz;
        otworz(TrybPliku::Czytaj);
        kliknijPlik("krotki.vor");
        QTest::mouseClick(kontrolka<QPushButton>("Command2"), Qt::LeftButton);
        czekajNaZamkniecie();
        QCOMPARE(komunikaty.size(), 1);
        QVERIFY2(komunikaty[0].contains(QDir::toNativeSeparators(katalog.filePath("krotki.vor"))),
                 qPrintable(komunikaty[0]));
        QVERIFY(komunikaty[0].contains("za krótki"));
        QCOMPARE(m->KonfigJest, 0);
        QVERIFY(m->Obraz == przed);
        QCOMPARE(m->NazwaPliku, QString("poprzedni.vor"));
        QVERIFY(m->status().isEmpty());
    }

    void zapis()
    {
        m->Obraz.Strefy[10][15] = 0x42;
        otworz(TrybPliku::Zapisz);
        QTest::keyClicks(kontrolka<QLineEdit>("Text1"), "nowy.vor");
        QTest::mouseClick(kontrolka<QPushButton>("Command1"), Qt::LeftButton);
        czekajNaZamkniecie();
        QVERIFY(komunikaty.isEmpty());
        const QString plik = katalog.filePath("nowy.vor");
        const QByteArray dane = tresc(plik);
        QCOMPARE(dane.size(), 3626);
        QCOMPARE(Bajt(dane[3369]), Bajt(0x42));
        QCOMPARE(m->NazwaPliku, QDir::toNativeSeparators(plik));
        QCOMPARE(m->KonfigJest, 0); // saving does not mark a configuration present
        QVERIFY(m->status().isEmpty());
        QFile::remove(plik);
    }

    void zapisNaIstniejacyPlikZListy()
    {
        const QString plik = katalog.filePath("nadpis.vor");
        utworz(plik, "stary");
        m->Obraz.Linie[80][31] = 0x99;
        otworz(TrybPliku::Zapisz);
        kliknijPlik("nadpis.vor");
        QTest::mouseClick(kontrolka<QPushButton>("Command1"), Qt::LeftButton);
        czekajNaZamkniecie();
        QCOMPARE(tresc(plik).size(), 3626);
        QCOMPARE(Bajt(tresc(plik)[2559]), Bajt(0x99));
        QFile::remove(plik);
    }

    void nieudanyZapis()
    {
        otworz(TrybPliku::Zapisz);
        kontrolka<ListaKatalogow>("Dir1")->ustawSciezke(katalog.filePath("podkatalog"));
        QDir(katalog.filePath("podkatalog")).mkdir("zajety.vor");
        QTest::keyClicks(kontrolka<QLineEdit>("Text1"), "zajety.vor");
        QTest::mouseClick(kontrolka<QPushButton>("Command1"), Qt::LeftButton);
        czekajNaZamkniecie();
        QCOMPARE(komunikaty.size(), 1);
        QVERIFY(komunikaty[0].startsWith("Nie można zapisać"));
        QVERIFY(m->NazwaPliku.isEmpty());
        QVERIFY(m->status().isEmpty());
    }

    void anulowanie_data()
    {
        QTest::addColumn<QString>("przycisk");
        QTest::addColumn<int>("tryb");
        QTest::newRow("Anuluj, read") << "Command4" << int(TrybPliku::Czytaj);
        QTest::newRow("OK, read") << "Command3" << int(TrybPliku::Czytaj);
        QTest::newRow("Anuluj, save") << "Command4" << int(TrybPliku::Zapisz);
        QTest::newRow("OK, save") << "Command3" << int(TrybPliku::Zapisz);
    }
    void anulowanie()
    {
        QFETCH(QString, przycisk);
        QFETCH(int, tryb);
        m->NazwaPliku = "bez/zmian.vor";
        m->Obraz.Linie[2][2] = 7;
        const Konfiguracja przed = m->Obraz;
        const QByteArray plik = tresc(katalog.filePath("a.vor"));
        otworz(TrybPliku(tryb));
        kliknijPlik("a.vor");
        QTest::mouseClick(kontrolka<QPushButton>(qPrintable(przycisk)), Qt::LeftButton);
        czekajNaZamkniecie();
        QVERIFY(m->Obraz == przed);
        QCOMPARE(m->KonfigJest, 0);
        QCOMPARE(m->NazwaPliku, QString("bez/zmian.vor"));
        QCOMPARE(tresc(katalog.filePath("a.vor")), plik);
        QVERIFY(m->status().isEmpty());
        QVERIFY(komunikaty.isEmpty());
    }

    void drugiePolecenieBierzeOtwarteOkno()
    {
        otworz(TrybPliku::Zapisz);
        QTest::keyClicks(kontrolka<QLineEdit>("Text1"), "a.vor");
        QPointer<QWidget> pierwsze = okno;
        otworz(TrybPliku::Czytaj);
        QCOMPARE(okno.data(), pierwsze.data());
        QCOMPARE(okno->windowTitle(), QString("Czytanie konfiguracji z pliku"));
        QVERIFY(kontrolka<QLineEdit>("Text1")->text().isEmpty());
        QVERIFY(kontrolka<QLineEdit>("Text1")->isReadOnly());
        QCOMPARE(m->status(), QString("Czytanie konfiguracji z pliku."));
    }

    void zapisWKorzeniu()
    {
        otworz(TrybPliku::Zapisz);
        kontrolka<ListaKatalogow>("Dir1")->ustawSciezke(QDir::rootPath());
        QCOMPARE(kontrolka<ListaPlikow>("File1")->sciezka(), QDir::rootPath());
        // the window's own path: root and name with one separator
        const QString nazwa =
            QStringLiteral("zr05-tst-oknopliku-%1.vor").arg(QCoreApplication::applicationPid());
        QTest::keyClicks(kontrolka<QLineEdit>("Text1"), nazwa);
        QTest::mouseClick(kontrolka<QPushButton>("Command1"), Qt::LeftButton);
        czekajNaZamkniecie();
        const QString oczekiwana = QDir::toNativeSeparators(QDir::rootPath()) + nazwa;
        const bool zapisany = QFile::remove(oczekiwana); // whatever follows, leave no file
        if (!komunikaty.isEmpty()) { // a root we may not write to still names the right path
            QVERIFY2(komunikaty[0].contains(oczekiwana), qPrintable(komunikaty[0]));
        } else {
            QVERIFY(zapisany);
            QCOMPARE(m->NazwaPliku, oczekiwana);
        }
    }
};

QTEST_MAIN(TestOknoPliku)
#include "tst_oknopliku.moc"
