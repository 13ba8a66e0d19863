// Every window keeps the control names that tests and screen readers find its controls by and
// shows its fixed texts exactly; the main window's layout cuts off or covers nothing the user must
// read (set ZR05_ZRZUT to a directory for pictures of it).

#include "OknaScena.h"
#include "access/OknoKodu.h"
#include "access/OknoPostepu.h"
#include "archive/OknoArchiwum.h"
#include "config/OknoPliku.h"
#include "editors/EdytorAutoUzbrajania.h"
#include "editors/EdytorKlawiatur.h"
#include "editors/EdytorKontroli.h"
#include "editors/EdytorLinii.h"
#include "editors/EdytorStref.h"
#include "editors/EdytorWyjsc.h"
#include "main/OknoOProgramie.h"
#include "print/OknoWydrukuKonfiguracji.h"

using namespace zr05;

namespace
{
// Every window's control names, "Name = names" ("Text4_{0-79}" for Text4_0 ... Text4_79), and
// fixed texts (but those the editor and main window tests already read), "Name control what "text""
// (blanks and typos kept): control "-" is the window itself, "*" any of its labels; what: t text, p
// tool tip, r frame title, o window title. A line starting with blanks goes on with the line above.
const char* const Napisy = R"(
Form1 = MenuBar1 StatusBar1 StatusBar1_Tekst Timer1 Obszar Toolbar1 Przycisk{1-9} mnuKonf
    = mnuKonfLog mnuKonfWyUZYT mnuKonfWyINST mnuKonfKreska{1-4} mnuKonfPobierz mnuKonfPrzekaz
    = mnuKonfCzytaj mnuKonfZapisz mnuKonfDruk mnuKonfKoniec mnuOn mnuProg mnuProgLinie mnuProgWyj
    = mnuProgStrefy mnuProgKont mnuProgAuto mnuProgSys mnuHist mnuHistAla mnuHistZda mnuPom
    = mnuPomOPr Frame{1-7} Option1_{0-4} Label1 Command5 Check1_{0-1} Picture1 Text1_{0-5}
    = Text4_{0-79} Text8_{0-4} Text6 Text2_{0-12} Text3_{0-9} Label2_{0-9} Text5 Command10 Command1
Form2 = Label1 ProgressBar1
Form3 = Text1 Text2 Command1
Form4 = Combo{1-2} Combo3_{0-1} Combo{4-12} Command{1-5} Frame{1-4} List{1-2}
Form5 = Combo{1-5} Command{1-5} Frame{1-2} Label{1-8} List{1-2}
Form6 = Combo{1-3} Label{1-3} Label4_{0-1} List{1-2} Command{1-3}
Form7 = Frame{1-4} Label{1-4} List{1-2} Check1_{0-7} Check2_{0-3} Option1_{0-1} Combo{1-2} Command1
Form8 = Combo{1-6} Frame{1-3} Label{1-6} List{1-2} Command{1-3}
Form9 = Frame{1-5} Label{4-5} Option1_{0-1} Combo1_{0-4} Combo2_{0-4} Command{1-4} Text{1-2}
Form10 = Combo1 Label{1-3} List{1-2} Command1 Command4 Command5
Form11 = Check1_{0-8} Command{1-2}
Form12 = Frame1 Drive1 Dir1 File1 Label1 Text1 Command{1-4}
Form13 = Label{1-2} Command1
Form1 - o "Program do centrali alarmowej ZR-5  VOR-electronics.  "
Form1 mnuKonf t "&Konfiguracja"
Form1 mnuKonfLog t "Za&loguj się"
Form1 mnuKonfWyUZYT t "Wyloguj &Użytkownika"
Form1 mnuKonfWyINST t "Wyloguj &Instalatora"
Form1 mnuKonfPobierz t "Pobierz &z cenralki"
Form1 mnuKonfPrzekaz t "Przekaż do &centralki"
Form1 mnuKonfCzytaj t "&Czytaj z pliku"
Form1 mnuKonfZapisz t "Z&apisz do pliku"
Form1 mnuKonfDruk t "&Drukuj"
Form1 mnuKonfKoniec t "K&oniec"
Form1 mnuOn t "On&Line"
Form1 mnuProg t "&Program"
Form1 mnuProgLinie t "&Linie"
Form1 mnuProgWyj t "&Wyjścia"
Form1 mnuProgStrefy t "&Strefy"
Form1 mnuProgKont t "&Kontrola Straż."
Form1 mnuProgAuto t "&Autom. Uzbrajanie"
Form1 mnuProgSys t "Klawia&tury"
Form1 mnuHist t "&Historia"
Form1 mnuHistAla t "&Alarmy"
Form1 mnuHistZda t "&Zdarzenia"
Form1 mnuPom t "P&omoc"
Form1 mnuPomOPr t "&O programie"
Form1 Przycisk1 p "Logowanie się (podanie kodu urzytk., nadz, instal."
Form1 Przycisk2 p "Czytanie konfiguracji z pliku"
Form1 Przycisk3 p "Zapis konfiguracji do pliku"
Form1 Przycisk4 p "Pobranie konfiguracji z centralki"
Form1 Przycisk5 p "Wpisanie konfiguracji do centralki"
Form1 Przycisk6 p "Wydruk konfiguracji na drukarce"
Form1 Przycisk7 p "Włączenie/wyłączenie pracy OnLine"
Form1 Przycisk8 p "Pobranie i wyświetlenie archiwum alarmów"
Form1 Przycisk9 p "Pobranie i wyświetlenie archiwum zdarzeń"
Form1 Frame1 r "STANY LINII:"
Form1 Frame2 r "Bieżący rejestr zdarzeń i alarmów:"
Form1 Frame3 r "Zalogowany:"
Form1 Frame4 r "Data i czas centralki:"
Form1 Frame5 r "STANY STREF:"
Form1 Frame6 r "Wybrane alarmy:"
Form1 Frame7 r "Wybierz port komputera:"
Form1 Check1_0 t "Użytk./Nadzorca"
Form1 Check1_1 t "Instalator"
Form1 Label2_1 t ""pod przymusem""
Form1 Text6 t "STAN SYSTEMU"
Form1 Command10 t "Drukuj rejestr"
Form1 Command1 t "Wyczyść rejestr"
Form1 Text1_2 p "Czas centralki - godziny"
Form1 Text1_3 p "Data centralki - dzień"
Form1 Option1_0 t "Praca bez podłączonej centralki"
Form1 Option1_0 p "Praca bez centralki umożliwia tylko zmianę konfiguracji zapisanej na dysku "
    "komputera."
Form1 Option1_1 t "COM1"
Form1 Option1_1 p "Wybór portu szeregowego komputera do którego podłączona jest centralka."
Form1 Option1_4 t "COM4"
Form1 Command5 t "OK"
Form1 Command5 p "Zatwierdzenie wyboru portu komputera."
Form4 - o "Parametry linii dozorowych"
Form4 Combo1 p "Numer i nazwa wybranej z listy linii któej parametry przedstawione są na tym "
    "ekranie"
Form4 Combo2 p "Nazwa wybranej linii. Aby ją zmienić należy wybrać dowolną z listy."
Form4 Combo3_0 p "Wartość wyświetlana po wybranej nazwie."
Form4 Combo3_1 p "Wartość wyświetlana po wybranej nazwie."
Form4 Combo4 p "Numer strefy dla wybranej linii."
Form4 Combo5 p "Rodzaj wybranej linii."
Form4 Combo6 p "Czułość wybranej linii."
Form4 Combo7 p "Ilość alarmów na dobę sygnalizowanych przez wybraną linię."
Form4 Combo8 p "Typ wybranej linii"
Form4 Command1 t "<="
Form4 Command4 t "=>"
Form4 Command2 t "Dodaj do listy"
Form4 Command2 p "Dodanie do listy nazw nazwy z okna wyżej. Nazwa ta zostanie umieszczona na "
    "jednej z 32 ostatnich pozycji listy."
Form4 Command3 t "Usuń z listy"
Form4 Command3 p "Usunięcie z listy wybranej powyżej nazwy. Uwaga: Można usunąć tylko jedną z "
    "ostatnich 32 nazw."
Form4 Command5 t "ZAPISZ  ZMIANY"
Form4 Command5 p "Zapisz wprowadzone zmiany do odpowiednich rejestrów pamięci RAM komputera."
Form4 * t "Numer i nazwa wybranej linii:"
Form4 * t "Nazwa:"
Form4 * t "Wartość:"
Form4 * t "Nr. strefy:"
Form4 * t "Linia:"
Form4 * t "Czułość:"
Form4 * t "Ilość alarmów:"
Form4 * t "wejścia:"
Form4 * t "wyjścia:"
Form4 * t "następujące linie szyfrowane:"
Form5 - o "Parametry kontroli strażników"
Form5 Combo1 p "Wybór numeru kontroli"
Form5 Command1 t "Dodaj nową kontrolę"
Form5 Command5 t "Usuń tę kontrolę"
Form5 Command2 t "<="
Form5 Command3 t "=>"
Form5 Command4 t "ZAPISZ  ZMIANY"
Form5 Command4 p "Zapisz wprowadzone zmiany do odpowiednich rejestrów pamięci RAM komputera."
Form5 * t "Numer kontroli"
Form5 * t "Godzina:"
Form5 * t ":"
Form5 * t "Minuta:"
Form5 * t "Tolerancja:"
Form5 * t "[min]"
Form5 * t "Z klawiatury numer:"
Form5 * t "Strażnicy:"
Form6 - o "Parametry automatycznego uzbrajania stref"
Form6 Combo1 p "Godzina automatycznego uzbrojenia stref"
Form6 Combo2 p "Minuta automatycznego uzbrojenia stref"
Form6 Combo3 p "Czas cichego alarmu po automatycznym uzbrojeniu"
Form6 Label1 t "Godzina:"
Form6 Label2 t "Minuta:"
Form6 Label3 t "Czas cichego alarmu:"
Form6 Label4_0 t "Strefy uzbrajane automatycznie:"
Form6 Label4_1 t "Pozostałe strefy:"
Form6 Command1 t "<="
Form6 Command2 t "=>"
Form6 Command3 t "ZAPISZ ZMIANY"
Form6 Command3 p "Zapisz wprowadzone zmiany do odpowiednich rejestrów pamięci RAM komputera."
Form7 - o "Parametry klawiatur"
Form7 Frame1 r "Urządzenia pracujące w systemie:"
Form7 Frame2 r "Włączone buzzery w klawiaturach:"
Form7 Frame3 r "Wprowadzanie kodów:"
Form7 Frame4 r "Aktywne funkcje wzywania:"
Form7 Label1 t "Klawiatury:"
Form7 Label2 t "Podcentrale:"
Form7 Label3 t "Czas wprowadzania kodu [sek]:"
Form7 Label4 t "Czas blokady klawiatury [min]:"
Form7 List1 p "Wykaz numerów klawiatur pracujących w systemie"
Form7 List2 p "Wykaz numerów podcentral pracujących w systemie"
Form7 Check1_0 t "1"
Form7 Check1_7 t "8"
Form7 Check2_0 t "A - POLICJA"
Form7 Check2_1 t "B - STRAŻ POŻ."
Form7 Check2_2 t "C - POGOTOWIE"
Form7 Check2_3 t "D - OCHRONA"
Form7 Option1_0 t "Jawne"
Form7 Option1_0 p "Wyświetlanie cyfr kodu na wyświetlaczach klawiatur"
Form7 Option1_1 t "Tajne"
Form7 Option1_1 p "Wyświetlanie gwiazdek zamiast cyfr kodu na wyświetlaczach klawiatur"
Form7 Combo1 p "Maksymalny czas wprowadzania kodu"
Form7 Combo2 p "Czas blokady klawiatury po wprowadzeniu błędnego kodu"
Form7 Command1 t "ZAPISZ ZMIANY"
Form7 Command1 p "Zapisz wprowadzone zmiany do odpowiednich rejestrów pamięci RAM komputera."
Form8 - o "Parametry wyjść OC i Pk"
Form8 Combo1 p "Wybór wyjścia OC lub Pk dla którego wyświetlane są parametry na tym ekranie"
Form8 Combo2 p "Typ wyjścia OC"
Form8 Combo3 p "Opóźnienie pojawienia się alarmu na wyjściu OC"
Form8 Combo4 p "Wybór sposobu kasowania alarmu na wyjściu Pk"
Form8 Combo5 p "Czas trwania alarmu na wyjściu Pk"
Form8 Combo6 p "Opóźnienie pojawienia się alarmu na wyjściu Pk"
Form8 Frame1 r "OC:"
Form8 Frame2 r "Pk:"
Form8 Frame3 r ""
Form8 Command1 t "<="
Form8 Command2 t "=>"
Form8 Command3 t "ZAPISZ ZMIANY"
Form8 Command3 p "Zapisz wprowadzone zmiany do odpowiednich rejestrów pamięci RAM komputera."
Form8 * t "NC/NO:"
Form8 * t "Opóźnienie [min]:"
Form8 * t "Kasowanie:"
Form8 * t "Przyporządkowane zdarzenia:"
Form8 * p "Zdarzenia wywołujące alarm na wybranym wyjściu"
Form10 - o "Parametry stref"
Form10 Combo1 p "Numer wybranej strefy"
Form10 List1 p "Aby dodać strefę należy ją dwukliknąć na prawej liście lub zaznaczyć  i nacisnąć "
    "przycisk "<=". Aby usunąć - dwukliknąć na lewej liście"
Form10 List2 p "Aby dodać strefę należy ją dwukliknąć na prawej liście lub zaznaczyć  i nacisnąć "
    "przycisk "<=". Aby usunąć - dwukliknąć na lewej liście"
Form10 Command1 t "<="
Form10 Command1 p "Aby dodać strefę należy ją zaznaczyć  i nacisnąć przycisk "<=""
Form10 Command4 t "=>"
Form10 Command4 p "Aby usunąć strefę należy ją zaznaczyć  i nacisnąć przycisk "=>""
Form10 Command5 t "ZAPISZ ZMIANY"
Form10 Command5 p "Zapisz wprowadzone zmiany do odpowiednich rejestrów pamięci RAM komputera."
Form10 * t "Numer wybranej strefy:"
Form10 * t "strefy współzależne od wybranej strefy:"
Form10 * t "strefy niezależne:"
Form12 Frame1 r "Wybór pliku:"
Form12 Drive1 p "Wybór dysku"
Form12 Dir1 p "Wybór katalogu ścieżki dostępu"
Form12 Label1 t "Wybrano plik:"
Form12 Text1 p "Wybrany plik. W przypadku zapisu można zmieniać jego nazwę pozostawiając jednak "
    "rozszerzenie .vor"
Form12 Command1 t "&Zapisz"
Form12 Command1 p "Zapisanie konfiguracji w pliku o nazwie xxxxx.vor (wpisanej w oknie obok) na "
    "dysku i w katalogu jak w poniższych oknach."
Form12 Command2 t "&Czytaj"
Form12 Command2 p "Czytaj wybrany w oknie obok plik."
Form12 Command3 t "&OK"
Form12 Command4 t "&Anuluj"
Form12 Command4 p "Anuluj odczyt/zapis konfiguracji do pliku."
Form13 - o "O programie"
Form1 Label1 t "Centralka podłączona do szeregowego portu komputera:"
Form2 - o "Przesyłanie danych z/do centralki"
Form2 ProgressBar1 p "Zaawansowanie przesyłania danych"
Form3 - o "Wprowadzanie kodów"
Form3 * t "Wprowadź kod:"
Form3 Text1 p "Okno do wprowadzenia kodu najpierw użytkownika lub nadzorcy, a później "
    "instalatora. Po wprowadzeniu kodu proszę nacisnąć OK lub Enter."
Form3 Command1 t "OK"
Form3 Command1 p "Zatwierdzenie kodu wprowadzonego w oknie obok."
Form9 Label5 t "Archiwum:"
Form9 Option1_0 t "Zdarzeń"
Form9 Option1_1 t "Alarmów"
Form9 Frame3 r "Od:"
Form9 Frame3 p "Od kiedy ma być pobierane, wyświetlane lub drukowane archiwum"
Form9 Frame4 r "Do:"
Form9 Frame4 p "Do kiedy ma być pobierane, wyświetlane lub drukowane archiwum"
Form9 * t "Dnia:"
Form9 * t "Godziny:"
Form9 Frame5 r "Pobieranie archiwum z centralki:"
Form9 Command1 t "Pobierz"
Form9 Command1 p "Pobierz z centrali archiwum  zdarzeń lub alarmó od dnia do dnia."
Form9 Label4 t "Pobrano:"
Form9 Text2 p "Ilość pobranych z centralki zdarzeń lub alarmów"
Form9 Command4 t "Przerwij"
Form9 Command4 p "Przerwij pobieranie archiwum z centralki"
Form9 Command2 t "Wyświetl"
Form9 Command2 p "Wyświetl zdarzenia lub alarmy z wyspecyfikowanego przedziału czasu"
Form9 Command3 t "Drukuj"
Form9 Command3 p "Drukuj zdarzenia lub alarmy z wyspecyfikowanego przedziału czasu"
Form11 - o "Drukowanie konfiguracji systemu"
Form11 Check1_0 t "Nagłówek"
Form11 Check1_1 t "Istniejące klawiatury i podcentrale"
Form11 Check1_2 t "Linie dozorowe"
Form11 Check1_3 t "Wyjścia OC"
Form11 Check1_4 t "Wyjścia PK"
Form11 Check1_5 t "Kontrole strażnika"
Form11 Check1_6 t "Automatyczne Uzbrajanie"
Form11 Check1_7 t "Strefy zależne"
Form11 Check1_8 t "Klawiatury"
Form11 Command1 t "OK"
Form11 Command1 p "Rozpocznij drukowanie wyszczególnionych elementów konfiguracji"
Form11 Command2 t "ANULUJ"
Form11 Command2 p "Porzuć drukowanie"
Form12 File1 p "Wybór pliku do odczytu."
Form13 Label1 t "Program do centrali alarmowej ZR-5"
Form13 Label2 t "VOR-electronics"
)";

QString napis(const QObject* o, char co)
{
    const char* wlasnosc = co == 'p'   ? "toolTip"
                           : co == 'r' ? "title"
                           : co == 'o' ? "windowTitle"
                                       : "text";
    return o->property(wlasnosc).toString();
}

// Every window of the program at once, found by its name.
struct WszystkieOkna {
    Module1 m;
    Lacze lacze{m};
    OknoGlowne glowne{m, lacze};
    std::unique_ptr<QWidget> inne[12] = {
        std::make_unique<OknoPostepu>(glowne.przesylanie()),
        std::make_unique<OknoKodu>(glowne.logowanie(), glowne.przesylanie()),
        std::make_unique<EdytorLinii>(m),
        std::make_unique<EdytorKontroli>(m),
        std::make_unique<EdytorAutoUzbrajania>(m),
        std::make_unique<EdytorKlawiatur>(m),
        std::make_unique<EdytorWyjsc>(m),
        std::make_unique<OknoArchiwum>(m, glowne.pobieranieArchiwum(), nullptr,
                                       QDateTime::currentDateTime()),
        std::make_unique<EdytorStref>(m),
        std::make_unique<OknoWydrukuKonfiguracji>(m),
        std::make_unique<OknoPliku>(m),
        std::make_unique<OknoOProgramie>(),
    };
    QWidget* okno(const QString& nazwa)
    {
        for (const auto& w : inne)
            if (w->objectName() == nazwa)
                return w.get();
        return glowne.objectName() == nazwa ? &glowne : nullptr;
    }
};

QRect wOknie(const QWidget* w, const QWidget* okno)
{
    return QRect(w->mapTo(okno, QPoint(0, 0)), w->size());
}

// The first of the named widgets that covers one named before it, or none.
QString zachodzi(const QWidget* okno, const QStringList& nazwy)
{
    QList<QRect> przed;
    for (const QString& nazwa : nazwy) {
        const QRect r = wOknie(okno->findChild<QWidget*>(nazwa), okno);
        for (const QRect& inny : przed)
            if (inny.intersects(r))
                return nazwa;
        przed << r;
    }
    return QString();
}
} // namespace

class TestWyglad : public QObject
{
    Q_OBJECT

private slots:
    void nazwyINapisy()
    {
        static const QRegularExpression nazwy(QStringLiteral("^(\\w+) = (.*)$"));
        static const QRegularExpression tekst(
            QStringLiteral("^(\\w+) ([\\w*-]+) ([tpro]) \"(.*)\"$"));
        static const QRegularExpression zakres(QStringLiteral("^(\\w*)\\{(\\d+)-(\\d+)\\}$"));
        WszystkieOkna o;
        QStringList wiersze;
        for (const QString& l : QString::fromUtf8(Napisy).split(u'\n', Qt::SkipEmptyParts)) {
            if (!l.startsWith(' '))
                wiersze << l;
            else if (l.trimmed().startsWith('='))
                wiersze.last() += l.trimmed().mid(1);
            else
                wiersze.last().insert(wiersze.last().size() - 1, l.trimmed().mid(1).chopped(1));
        }
        int napisow = 0;
        for (const QString& l : wiersze) {
            if (const auto n = nazwy.match(l); n.hasMatch()) {
                QWidget* okno = o.okno(n.captured(1));
                QVERIFY2(okno, qPrintable(l));
                for (const QString& nazwa : n.captured(2).split(' ', Qt::SkipEmptyParts)) {
                    const auto z = zakres.match(nazwa);
                    for (int i = z.hasMatch() ? z.captured(2).toInt() : 0;
                         i <= (z.hasMatch() ? z.captured(3).toInt() : 0); ++i) {
                        const QString pelna =
                            z.hasMatch() ? z.captured(1) + QString::number(i) : nazwa;
                        QVERIFY2(okno->findChild<QObject*>(pelna),
                                 qPrintable(n.captured(1) + ' ' + pelna));
                    }
                }
                continue;
            }
            const auto t = tekst.match(l);
            QVERIFY2(t.hasMatch(), qPrintable(l));
            QWidget* okno = o.okno(t.captured(1));
            const QString kontrolka = t.captured(2);
            const char co = t.captured(3)[0].toLatin1();
            QVERIFY2(okno, qPrintable(l));
            ++napisow;
            if (kontrolka == QLatin1String("*")) {
                QStringList etykiety;
                for (const QLabel* e : okno->findChildren<QLabel*>())
                    etykiety << napis(e, co);
                QVERIFY2(etykiety.contains(t.captured(4)), qPrintable(l));
                continue;
            }
            // A menu's text is on its action, which carries the same name.
            const QObject* k = kontrolka == QLatin1String("-")
                                   ? static_cast<QObject*>(okno)
                                   : okno->findChild<QAction*>(kontrolka);
            if (!k)
                k = okno->findChild<QObject*>(kontrolka);
            QVERIFY2(k, qPrintable(l));
            QCOMPARE(napis(k, co), t.captured(4));
        }
        QVERIFY(napisow > 200);
    }

    void uklad_data()
    {
        QTest::addColumn<QSize>("rozmiar");
        QTest::addColumn<bool>("onLine");
        QTest::newRow("default size, port choice") << QSize() << false;
        QTest::newRow("1920x1080, port choice") << QSize(1920, 1080) << false;
        QTest::newRow("1024x768, on line") << QSize(1024, 768) << true;
        QTest::newRow("1920x1080, on line") << QSize(1920, 1080) << true;
    }

    void uklad()
    {
        QFETCH(QSize, rozmiar);
        QFETCH(bool, onLine);
        Module1 m;
        Lacze lacze(m);
        OknoGlowne okno(m, lacze);
        if (rozmiar.isValid())
            okno.resize(rozmiar);
        okno.show();
        if (onLine) {
            okno.potwierdzPort();
            m.ustawOnLine(true);
            m.Zegar = {59, 59, 23, 31, 12, 99};
            m.ZegarZnany = true;
            m.zglosZegar();
        }
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QTest::qWait(50);
        if (const QString katalog = qEnvironmentVariable("ZR05_ZRZUT"); !katalog.isEmpty())
            okno.grab().save(QDir(katalog).filePath(QString(QTest::currentDataTag()) + ".png"));
        auto ramka = [&](const char* nazwa) {
            return okno.findChild<QGroupBox*>(QLatin1String(nazwa));
        };
        // The left column keeps its natural width, whatever room the right one leaves.
        int naturalna = 0;
        for (const char* nazwa : {"Frame7", "Frame3", "Frame4"})
            if (ramka(nazwa)->isVisible())
                naturalna = std::max(naturalna, ramka(nazwa)->sizeHint().width());
        for (const char* nazwa : {"Frame7", "Frame3", "Frame4"})
            QVERIFY2(!ramka(nazwa)->isVisible() || ramka(nazwa)->width() <= naturalna + 1, nazwa);
        if (!onLine) {
            auto* obraz = okno.findChild<QWidget*>(QStringLiteral("Picture1"));
            QVERIFY(obraz->width() > 200 && obraz->height() > 150);
            QCOMPARE(zachodzi(&okno, {"Picture1", "Frame7"}), QString());
            QVERIFY(okno.rect().contains(wOknie(ramka("Frame7"), &okno)));
            return;
        }
        // Boxes show their whole text within the window, the lamps side by side, the frames apart.
        const QRect obszar = okno.centralWidget()->rect();
        QStringList lampy;
        for (int i = 0; i < 80; ++i)
            lampy << QStringLiteral("Text4_%1").arg(i);
        for (const QString& nazwa : lampy + QStringList{"Text8_0", "Text8_4", "Text6", "Text2_9",
                                                        "Text2_12", "Text1_0", "Text1_5"}) {
            auto* l = okno.findChild<QLineEdit*>(nazwa);
            QVERIFY2(l->isVisible() && obszar.contains(wOknie(l, okno.centralWidget())),
                     qPrintable(nazwa));
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) + 4 <= l->width(),
                     qPrintable(nazwa));
        }
        QCOMPARE(zachodzi(&okno, lampy), QString());
        QCOMPARE(zachodzi(&okno, {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame6"}),
                 QString());
        for (int i = 0; i < 10; ++i) {
            auto* podpis = okno.findChild<QLabel*>(QStringLiteral("Label2_%1").arg(i));
            QVERIFY(podpis->width() >= podpis->sizeHint().width());
        }
    }
};

QTEST_MAIN(TestWyglad)
#include "tst_wyglad.moc"
