// The file window: reading and saving by click, keys and Enter, the ".vor" rule, the names and
// files it refuses while staying open where it was, the long-file question, cancelling, the
// folder it opens in, and its lists of drives, folders and files.

#include "Komunikaty.h"
#include "Module1.h"
#include "config/ListaDyskow.h"
#include "config/ListaKatalogow.h"
#include "config/ListaPlikow.h"
#include "config/OknoPliku.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
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
    bool odpowiedz = true;
    Module1* m = nullptr;
    QPointer<QWidget> okno;

    template <typename T = QWidget> T* k(const QString& nazwa)
    {
        return okno->findChild<T*>(nazwa);
    }
    void otworz(TrybPliku tryb)
    {
        pokazOknoPliku(*m, tryb, nullptr);
        okno = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("Form12") && w->isVisible())
                okno = w;
        QVERIFY(okno);
    }
    void kliknij(const QString& plik)
    {
        auto* lista = k<ListaPlikow>(QStringLiteral("File1"));
        const auto znalezione = lista->findItems(plik, Qt::MatchExactly);
        QCOMPARE(znalezione.size(), 1);
        lista->scrollToItem(znalezione[0]);
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                          lista->visualItemRect(znalezione[0]).center());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(katalog.isValid());
        Komunikaty::ustawOdpowiadacz([this](const QString& t, bool) {
            komunikaty << t;
            return odpowiedz;
        });
    }
    void init()
    {
        for (const QString& p : QDir(katalog.path()).entryList(QDir::Files))
            QFile::remove(katalog.filePath(p));
        utworz(katalog.filePath("a.vor"), wzor(3626));
        utworz(katalog.filePath("X.VOR"), wzor(3626));
        utworz(katalog.filePath("krotki.vor"), wzor(100));
        utworz(katalog.filePath("dlugi.vor"), wzor(5000));
        utworz(katalog.filePath("inny.txt"), "tekst");
        QDir(katalog.path()).mkpath("podkatalog/zajety.vor");
        m = new Module1;
        m->NazwaPliku = katalog.filePath("poprzedni.vor");
        m->Obraz.Strefy[10][15] = 0x42;
        komunikaty.clear();
        odpowiedz = true;
    }
    void cleanup()
    {
        delete okno;
        delete m;
    }

    void plik_data()
    {
        // Steps: "klik:F" a file in the list, "wpisz:N" typed into the name box, "folder:D", arrow
        // "klawisze" in the list, "enter" in the name box, "nie" to answer questions No, a button.
        // Then a part of the one message shown, if any, and the file read or saved.
        const char* const Wielkie = "Wybrany zbiór: <X.VOR> jest nieprawidłowy";
        const char* const Dlugi = "Plik ma 5000 bajtów, a plik konfiguracji 3626. Czytać mimo to?";
        const struct {
            const char* nazwa;
            bool zapis;
            const char *kroki, *komunikat, *wynik;
        } Przypadki[] = {
            {"read by click", false, "klik:a.vor Command2", "", "a.vor"},
            {"read by keys", false, "klawisze enter", "", "a.vor"},
            {"read, capitals refused", false, "klik:a.vor klik:X.VOR Command2 enter", Wielkie, ""},
            {"read, short file", false, "klik:krotki.vor Command2", "za krótki", ""},
            {"read, long file, No", false, "nie klik:dlugi.vor Command2", Dlugi, ""},
            {"read, long file, Yes", false, "klik:dlugi.vor Command2", Dlugi, "dlugi.vor"},
            {"save", true, "wpisz:nowy.vor Command1", "", "nowy.vor"},
            {"save by Enter", true, "wpisz:nowy.vor enter", "", "nowy.vor"},
            {"save over a listed file", true, "klik:krotki.vor Command1", "", "krotki.vor"},
            {"save, capitals refused", true, "wpisz:moj.vor klik:X.VOR Command1", Wielkie,
             "moj.vor"},
            {"save, '..'", true, "wpisz:../zly.vor enter", "nie może zawierać", ""},
            {"save, '/'", true, "wpisz:podkatalog/zly.vor Command1", "nie może zawierać", ""},
            {"save, '\\'", true, "wpisz:a\\zly.vor enter", "nie może zawierać", ""},
            {"save, a folder in the way", true, "folder:podkatalog wpisz:zajety.vor Command1",
             "Nie można zapisać", ""},
            {"Anuluj, read", false, "klik:a.vor Command4", "", ""},
            {"OK, read", false, "klik:a.vor Command3", "", ""},
            {"Anuluj, save", true, "wpisz:nowy.vor Command4", "", ""},
            {"OK, save", true, "klik:a.vor Command3", "", ""},
        };
        QTest::addColumn<bool>("zapis");
        QTest::addColumn<QString>("kroki");
        QTest::addColumn<QString>("komunikat");
        QTest::addColumn<QString>("wynik");
        for (const auto& p : Przypadki)
            QTest::newRow(p.nazwa)
                << p.zapis << p.kroki << QString::fromUtf8(p.komunikat) << p.wynik;
    }

    // What is read or saved is the whole configuration, and then the window closes; a refusal or a
    // failure keeps it open where it was, with the image, its file name and the files unchanged.
    void plik()
    {
        QFETCH(bool, zapis);
        QFETCH(QString, kroki);
        QFETCH(QString, komunikat);
        QFETCH(QString, wynik);
        const Konfiguracja przed = m->Obraz;
        const QString nazwaPrzed = m->NazwaPliku;
        otworz(zapis ? TrybPliku::Zapisz : TrybPliku::Czytaj);
        k<ListaKatalogow>(QStringLiteral("Dir1"))->ustawSciezke(katalog.path());
        QCOMPARE(k<QLineEdit>(QStringLiteral("Text1"))->isReadOnly(), !zapis);
        QVERIFY(!k<QPushButton>(QStringLiteral("Command1"))->isEnabled());
        QVERIFY(!k<QPushButton>(QStringLiteral("Command2"))->isEnabled());
        QCOMPARE(k(QStringLiteral("Command1"))->isVisible(), zapis);
        QCOMPARE(k(QStringLiteral("Command2"))->isVisible(), !zapis);
        QString folder = katalog.path();
        for (const QString& krok : kroki.split(' ')) {
            const QString arg = krok.section(':', 1);
            if (krok.startsWith("klik:")) {
                kliknij(arg);
            } else if (krok.startsWith("wpisz:")) {
                QTest::keyClicks(k<QLineEdit>(QStringLiteral("Text1")), arg);
            } else if (krok.startsWith("folder:")) {
                folder = katalog.filePath(arg);
                k<ListaKatalogow>(QStringLiteral("Dir1"))->ustawSciezke(folder);
            } else if (krok == "klawisze") { // arrows in the file list choose the file
                auto* lista = k<ListaPlikow>(QStringLiteral("File1"));
                okno->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(okno));
                lista->setFocus();
                for (int i = 0; i < lista->count() && k<QLineEdit>("Text1")->text().isEmpty(); ++i)
                    QTest::keyClick(lista, Qt::Key_Down);
            } else if (krok == "enter") {
                QTest::keyClick(k<QLineEdit>(QStringLiteral("Text1")), Qt::Key_Return);
            } else if (krok == "nie") {
                odpowiedz = false;
            } else {
                QTest::mouseClick(k<QPushButton>(krok), Qt::LeftButton);
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(komunikaty.size(), int(!komunikat.isEmpty()));
        if (!komunikat.isEmpty())
            QVERIFY2(komunikaty[0].contains(komunikat), qPrintable(komunikaty[0]));
        const bool zamkniete = !wynik.isEmpty() || kroki.contains(QLatin1String("Command3")) ||
                               kroki.contains(QLatin1String("Command4"));
        QCOMPARE(okno.isNull(), zamkniete);
        if (!okno.isNull())
            QCOMPARE(k<ListaPlikow>(QStringLiteral("File1"))->sciezka(), folder);
        else
            QVERIFY(m->status().isEmpty());
        QCOMPARE(m->KonfigJest, int(!zapis && !wynik.isEmpty()));
        QCOMPARE(m->NazwaPliku,
                 wynik.isEmpty() ? nazwaPrzed : QDir::toNativeSeparators(katalog.filePath(wynik)));
        QCOMPARE(tresc(katalog.filePath("a.vor")), wzor(3626));
        QVERIFY(!QFile::exists(katalog.filePath("../zly.vor")));
        if (zapis || wynik.isEmpty())
            QVERIFY(m->Obraz == przed);
        else // the file's first bytes are the first line's parameters
            QVERIFY(m->Obraz.Linie[1][0] == 1 && m->Obraz.Linie[1][1] == 14);
        if (zapis && !wynik.isEmpty()) {
            const QByteArray dane = tresc(katalog.filePath(wynik));
            QCOMPARE(dane.size(), 3626);
            QCOMPARE(Bajt(dane[3369]), Bajt(0x42));
        }
    }

    // The save button goes with the exact ".vor" ending.
    void rozszerzenie()
    {
        otworz(TrybPliku::Zapisz);
        auto* nazwa = k<QLineEdit>(QStringLiteral("Text1"));
        const std::pair<const char*, bool> nazwy[] = {
            {"a.vor", true},   {".vor", true},  {"a.VOR", false},
            {"a.Vor", false},  {"a.vo", false}, {"a.vor ", false},
            {"a.vorx", false}, {"avor", false}, {"", false}};
        for (const auto& [tekst, dobra] : nazwy) {
            nazwa->clear();
            QTest::keyClicks(nazwa, tekst);
            QVERIFY2(k<QPushButton>(QStringLiteral("Command1"))->isEnabled() == dobra, tekst);
        }
    }

    // It opens in the documents folder, later where the last configuration was; its list shows the
    // ".vor" files as the platform matches them; folders and drives lead the list; a second
    // command takes the open window over clean; at the root the path gets one separator.
    void folderyILista()
    {
        m->NazwaPliku.clear();
        otworz(TrybPliku::Zapisz);
        const QString dokumenty =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        auto* pliki = k<ListaPlikow>(QStringLiteral("File1"));
        QCOMPARE(pliki->sciezka(), QFileInfo(dokumenty).isDir() ? dokumenty : QDir::homePath());
        QTest::keyClicks(k<QLineEdit>(QStringLiteral("Text1")), "a.vor");
        QPointer<QWidget> pierwsze = okno;
        m->NazwaPliku = katalog.filePath("a.vor");
        otworz(TrybPliku::Czytaj);
        QCOMPARE(okno.data(), pierwsze.data());
        QVERIFY(k<QLineEdit>(QStringLiteral("Text1"))->text().isEmpty());
        delete okno;
        otworz(TrybPliku::Czytaj);
        pliki = k<ListaPlikow>(QStringLiteral("File1"));
        QCOMPARE(pliki->sciezka(), katalog.path());
        QStringList nazwy;
        for (int i = 0; i < pliki->count(); ++i)
            nazwy << pliki->item(i)->text();
        nazwy.sort();
        QCOMPARE(nazwy, (QStringList{"X.VOR", "a.vor", "dlugi.vor", "krotki.vor"}));

        auto* katalogi = k<ListaKatalogow>(QStringLiteral("Dir1"));
        katalogi->ustawSciezke(katalog.filePath("podkatalog"));
        QCOMPARE(pliki->sciezka(), katalog.filePath("podkatalog"));
        const auto rodzic = katalogi->findItems(QDir(katalog.path()).dirName(), Qt::MatchEndsWith);
        QCOMPARE(rodzic.size(), 1);
        emit katalogi->itemActivated(rodzic[0]);
        QCOMPARE(pliki->sciezka(), katalog.path());
        auto* dyski = k<ListaDyskow>(QStringLiteral("Drive1"));
        const int korzen = dyski->findData(QDir::rootPath());
        QVERIFY(korzen >= 0);
        dyski->setCurrentIndex(dyski->currentIndex() == korzen ? -1 : korzen);
        dyski->setCurrentIndex(korzen);
        QCOMPARE(katalogi->sciezka(), QDir::rootPath());
        QCOMPARE(pliki->sciezka(), QDir::rootPath());

        otworz(TrybPliku::Zapisz);
        const QString nazwa =
            QStringLiteral("zr05-tst-oknopliku-%1.vor").arg(QCoreApplication::applicationPid());
        QTest::keyClicks(k<QLineEdit>(QStringLiteral("Text1")), nazwa);
        QTest::mouseClick(k<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);
        QTRY_VERIFY(okno.isNull());
        const QString oczekiwana = QDir::toNativeSeparators(QDir::rootPath()) + nazwa;
        const bool zapisany = QFile::remove(oczekiwana); // whatever follows, leave no file
        if (!komunikaty.isEmpty()) // a root we may not write to names the path
            QVERIFY2(komunikaty[0].contains(oczekiwana), qPrintable(komunikaty[0]));
        else
            QVERIFY(zapisany && m->NazwaPliku == oczekiwana);
    }
};

QTEST_MAIN(TestOknoPliku)
#include "tst_oknopliku.moc"
