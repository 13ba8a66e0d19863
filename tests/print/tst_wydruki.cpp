// The printouts: every section of the configuration printout and the register printout as their
// exact lines, the chosen sections making the document, and on paper (PDF) the longest texts
// losing nothing at the right margin, going on at their own indent, page after page.

#include "Drukarka.h"
#include "PrzechwytKomunikatow.h"
#include "print/SekcjeKonfiguracji.h"
#include "print/WydrukKonfiguracji.h"
#include "print/WydrukRejestru.h"
#include "tables/NazwyLinii.h"

#include <QDir>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <map>

using namespace zr05;

using Budowa = std::function<zr05::Wydruk()>;
Q_DECLARE_METATYPE(zr05::Wydruk)
Q_DECLARE_METATYPE(Budowa)

namespace
{
using Op = OperacjaWydruku;

// The printout as rows: "@x:" where the position is set, "[b1]" "[s10]" "[f:name]" for the
// font, "[end]" for the end of the document; a row ends where the printer ends the line.
QStringList wiersze(const Wydruk& w)
{
    static const char* const Wzory[] = {"[f:%1]", "[s%1]", "[b%1]", "@%1:", "%1", "%1", "[end]%1"};
    QStringList r;
    QString biezacy;
    for (const Op& op : w.operacje()) {
        const bool liczba = op.rodzaj >= Op::Rozmiar && op.rodzaj <= Op::Pozycja;
        biezacy +=
            QString::fromUtf8(Wzory[op.rodzaj]).arg(liczba ? QString::number(op.liczba) : op.tekst);
        if (op.rodzaj == Op::Linia || op.rodzaj == Op::KoniecDokumentu)
            r << std::exchange(biezacy, QString());
    }
    return biezacy.isEmpty() ? r : r << biezacy; // left unfinished: a fault the rows will show
}

// ii, ii+1, ..., n, each followed by the separator.
QString kolejne(int od, int doN, const QString& separator = QStringLiteral(", "))
{
    QString t;
    for (int i = od; i <= doN; ++i)
        t += QString::number(i) + separator;
    return t;
}

Konfiguracja pusty()
{
    Konfiguracja k;
    WpiszNazwyLinii(k.NazwyLinii);
    return k;
}

// One image holding the edges of every section.
Konfiguracja przyklad()
{
    Konfiguracja k = pusty();
    k.Urzadzenia[0] = 1; // item 0 is never used
    k.Urzadzenia[1] = 0xFF, k.Urzadzenia[3] = 0x32;
    k.Urzadzenia[10] = 0x39, k.Urzadzenia[16] = 0x3F; // subpanels 2 and 8
    auto& l1 = k.Linie[1]; // 24-hour, 2-state, 500 ms, 3 alarms, zones 3 and 7
    l1 = {1, 0, 0x24, 0xC3};
    l1[8] = 48, l1[9] = 2, l1[14] = 3, l1[18] = 7;
    k.Linie[2] = {2, 0, 0x42, 0x01, 0, 0, 30, 15}; // delayed, 1 s, no zone
    k.Linie[3] = {3, 0, 0x52, 0x09, 0, 0, 0, 20};  // immediate, exit delay ignored
    k.Linie[3][21] = 10;
    auto& l4 = k.Linie[4]; // conditional, user name with its blanks
    l4 = {4, 0, 0x38, 0x82, 12, 0, 5, 7};
    l4[8] = 224, l4[12] = 1;
    k.NazwyLinii[224] = QStringLiteral("ABC     ");
    k.Linie[5] = {5, 0, 0x21, 0x01}; // encrypting every line
    k.Linie[5][12] = 1;
    std::fill(k.Linie[5].begin() + 22, k.Linie[5].end(), 0xFF);
    k.Linie[6][2] = 0x0F; // a type code no editor writes, a name with control characters
    k.Linie[6][8] = 230, k.Linie[6][10] = 7;
    k.NazwyLinii[230] = QStringLiteral("A\r\nB\tC") + QChar(0x7F) + QStringLiteral("Ż");
    k.Linie[7] = {7, 0, 0x74, 0x85}; // only bit 7 makes a 2-state line
    k.Linie[17] = {17, 0, 0x14, 0};
    k.Linie[17][8] = 110, k.Linie[17][9] = 1, k.Linie[17][10] = 5;
    k.Linie[18] = {18, 0, 0x64, 0};
    k.Linie[72][8] = 185, k.Linie[72][9] = 255, k.Linie[72][10] = 255;
    k.Linie[25][2] = k.Linie[73][2] = 0x04; // subpanel 3 absent, 73..80 never printed

    k.WyjOC[0][2] = 192;
    k.WyjOC[1][2] = 192, k.WyjOC[1][3] = 3, k.WyjOC[1][14] = 1, k.WyjOC[1][15] = 1;
    k.WyjOC[2][2] = 128, k.WyjOC[2][3] = 9;
    k.WyjOC[3][2] = 0xC1; // neither value: closed
    std::fill(k.WyjOC[16].begin() + 14, k.WyjOC[16].end(), 0xFF);
    k.WyjPk[1] = {0, 1, 4, 2};
    k.WyjPk[1][20] = 0x80;
    k.WyjPk[2] = {0, 0, 255, 9};
    k.WyjPk[2][16] = 0x05;
    k.Kontrole[1] = {1, 2, 7, 5, 5, 0x01, 0x02};
    k.Kontrole[3] = {0, 4, 12, 30, 3, 0xFF, 0xFF}; // free: its other bytes do not count
    k.Kontrole[5] = {5, 8, 24, 0, 10, 0, 0};
    k.Kontrole[24] = {255, 255, 255, 255, 255, 0x80, 0x80};
    k.AutoUzbr = {6, 0, 10, 0x81, 0x02};
    k.Strefy[1][14] = 0x02; // zone 1 can depend on none: not printed
    k.Strefy[2][14] = 0x01;
    k.Strefy[5][14] = 0x0B;
    k.Strefy[10][15] = 0x01;
    k.Strefy[7][0] = 0xFF; // contents alone are no dependency
    k.KlawFun = 0xF5;
    k.KodyTajne = 0x80;
    k.CzasKodu = 30;
    k.CzasBlokady = 5;
    k.Buzzery = 0x85;
    return k;
}

template <typename F> Budowa sekcja(F druk, const Konfiguracja& k)
{
    return [=] {
        Wydruk w;
        druk(w, k);
        return w;
    };
}

const QDateTime Chwila(QDate(2001, 3, 7), QTime(9, 5, 0));
const QString Puste = QStringLiteral("@3000:11   3-st    250    0   ");

QStringList linieDozorowe()
{
    QStringList l = {
        QStringLiteral("[s10][b1]@1000:LINIE DOZOROWE:"),
        QStringLiteral("@1000:Nr:  Nazwa:@2900:Str: Stan: Czuł: Al:  TYP LINII:"),
        QStringLiteral("[b0]@1000:01 - DOKUMENT2@3000:03   2-st    500    3   CAŁODOBOWA"),
        QStringLiteral(
            "@1000:02 - <bez nazwy>@3000:11   3-st    1000    1   OPÓŹN.:  Op. We=30[s], "
            "Op. Wy=15[s]"),
        QStringLiteral("@1000:03 - <bez nazwy>@3000:10   3-st    250    9   NATYCHMIASTOWA"),
        QStringLiteral("@1000:04 - ABC     @3000:01   2-st    750    2   WARUN.:  Op. We=5[s], Op. "
                       "Wy=7[s], War. We=12, War. Wy=0"),
        // Broken once the text passed 90, then 66 characters.
        QStringLiteral("@1000:05 - <bez nazwy>@3000:01   3-st    500    1   SZYFR.: ") +
            kolejne(1, 23, QStringLiteral(",")),
        QStringLiteral("@4700:") + kolejne(24, 46, QStringLiteral(",")),
        QStringLiteral("@4700:") + kolejne(47, 69, QStringLiteral(",")),
        QStringLiteral("@4700:") + kolejne(70, 80, QStringLiteral(",")),
        QStringLiteral("@1000:06 - A  B C Ż7") + Puste,
        QStringLiteral("@1000:07 - <bez nazwy>@3000:11   2-st    750    5   CAŁODOBOWA"),
        QStringLiteral("@1000:08 - <bez nazwy>") + Puste,
        QStringLiteral("@1000:17 - Panel15@3000:11   3-st    250    0   CAŁODOBOWA"),
        QStringLiteral("@1000:18 - <bez nazwy>@3000:11   3-st    500    0   CAŁODOBOWA"),
    };
    for (int n = 19; n <= 24; ++n)
        l << QStringLiteral("@1000:%1 - <bez nazwy>").arg(n) + Puste;
    for (int n = 65; n <= 71; ++n)
        l << QStringLiteral("@1000:%1 - <bez nazwy>").arg(n) + Puste;
    return l << QStringLiteral("@1000:72 - ZAKLAD255255") + Puste;
}

QStringList wyjsciaOC()
{
    QStringList l = {QStringLiteral("[s10][b1]@1000:WYJŚCIA OC:"),
                     QStringLiteral("@1000:Nr:  TYP:  Opóźn.:  Zdarzenia:"),
                     QStringLiteral("[b0]@1000:01     NO     3[min]   1, 9, "),
                     QStringLiteral("@1000:02     NC     9[min]   ")};
    for (int n = 3; n <= 15; ++n)
        l << QStringLiteral("@1000:%1     NC     0[min]   ").arg(n, 2, 10, QLatin1Char('0'));
    return l << QStringLiteral("@1000:16     NC     0[min]   ") + kolejne(1, 56);
}

QStringList parametry(const QString& a, const QString& b, const QString& c, const QString& d,
                      const QStringList& reszta)
{
    return QStringList{QStringLiteral("[s10][b1]@1000:PARAMETRY SYSTEMOWE:"),
                       QStringLiteral("@1000:Klawisze funkcyjne:"),
                       QStringLiteral("[b0]@1000:A - POLICJA                - ") + a,
                       QStringLiteral("@1000:B - POGOTOWIE         - ") + b,
                       QStringLiteral("@1000:C - STRAŻ POŻARNA - ") + c,
                       QStringLiteral("@1000:D - OCHRONA             - ") + d} +
           reszta;
}

// Every set of the image full, every value at its largest, subpanels all present.
Konfiguracja pelna()
{
    Konfiguracja k = pusty();
    k.Urzadzenia.fill(1);
    for (auto& l : k.Linie) {
        l.fill(255);
        l[2] = 0x38; // conditional, 1000 ms
    }
    k.Linie[1][2] = 0x01; // encrypting every line
    auto pelne = [](auto& tablica) {
        std::for_each(tablica.begin(), tablica.end(), [](auto& r) { r.fill(255); });
    };
    pelne(k.WyjOC);
    pelne(k.WyjPk);
    pelne(k.Kontrole);
    pelne(k.Strefy);
    k.AutoUzbr.fill(255);
    k.KlawFun = k.Buzzery = k.CzasKodu = k.CzasBlokady = 255;
    return k;
}

QString pdfDoTekstu(const QStringList& argumenty)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), argumenty);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString bezOdstepow(QString t)
{
    return t.remove(QRegularExpression(QStringLiteral("\\s")));
}

struct Slowo {
    int strona;
    double xMin, yMin, xMax;
    QString tekst;
};

// The words on the pages with their boxes, from poppler's text boxes.
std::vector<Slowo> slowa(const QString& html, double& szerokoscStrony, int& stron)
{
    std::vector<Slowo> s;
    stron = 0;
    static const QRegularExpression znacznik(
        QStringLiteral("<page width=\"([\\d.]+)\"|<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                       "xMax=\"([\\d.]+)\" yMax=\"[\\d.]+\">([^<]*)</word>"));
    for (auto it = znacznik.globalMatch(html); it.hasNext();) {
        const auto z = it.next();
        if (!z.captured(1).isEmpty()) {
            ++stron;
            szerokoscStrony = z.captured(1).toDouble();
        } else {
            s.push_back({stron - 1, z.captured(2).toDouble(), z.captured(3).toDouble(),
                         z.captured(4).toDouble(), z.captured(5)});
        }
    }
    return s;
}

} // namespace

class TstWydruki : public QObject
{
    Q_OBJECT
private slots:
    void sekcje_data()
    {
        QTest::addColumn<Budowa>("zbuduj");
        QTest::addColumn<QStringList>("oczekiwane");
        const QString a = QStringLiteral("AKTYWNA"), n = QStringLiteral("NIEAKTYWNA");
        const QString tytul =
            QStringLiteral("[f:Times New Roman CE][s12][b1]@2000:KONFIGURACJA SYSTEMU VOR ZR-05");
        const QStringList klawiatury = {"[s10][b1]@1000:KLAWIATURY I PODCENTRALE:",
                                        "[b0]@1000:Klawiatury: 1, 3,   Podcentrale: 2, 8, "};
        const QStringList strefy = {
            "[s10][b1]@1000:STREFY ZALEŻNE:", "[b0]@1000:Strefa: 02  zależna od stref: 1, ",
            "@1000:Strefa: 05  zależna od stref: 1, 2, 4, ",
            "@1000:Strefa: 10  zależna od stref: 9, "};
        const QStringList calosc =
            QStringList{
                tytul, "@2000:pobrana z pliku: </home/jan/obiekt 1.vor> dnia: 2026-12-31  23:59:58",
                ""} +
            klawiatury + linieDozorowe() + wyjsciaOC() +
            QStringList{"[s10][b1]@1000:WYJŚCIA PK:",
                        "@1000:Nr:  Kas:    Czas al:  Opóźn.:  Zdarzenia:",
                        "[b0]@1000:01    autom.   4[min]   2[min]   56, ",
                        "@1000:02    ręczne   255[min]   9[min]   17, 19, ",
                        "[s10][b1]@1000:KONTROLE STRAŻNIKÓW:",
                        "@1000:Nr:  Klaw:   Czas:     Tol.:     Nr strażników:",
                        "[b0]@1000:01       2        07:05      5min    1, 10, ",
                        "@1000:05       8        24:00      10min    ",
                        "@1000:255       255        255:255      255min    8, 16, ",
                        "[s10][b1]@1000:AUTOMATYCZNE UZBRAJANIE STREF:",
                        "@1000:Czas uzbr:  Cichy Al:  Nr uzbr. stref:",
                        "[b0]@1000:       06:00        10min       1, 8, 10, "} +
            strefy +
            parametry(a, n, a, n,
                      {"@1000:KODY - TAJNE", "@1000:Maksymalny czas wprowadzania kodu: 30 [s]",
                       "@1000:Czas blokowania klawiatury: 5 [min]",
                       "@1000:Buzzer aktywny w klawiaturach: 1, 3, 8, ", "[end]"});
        auto wybrane = [](std::initializer_list<SekcjaKonfiguracji> sekcje, const QString& plik) {
            WyborSekcji w{};
            for (auto s : sekcje)
                w[int(s)] = true;
            return Budowa([=] { return wydrukKonfiguracji(przyklad(), plik, Chwila, w); });
        };

        QTest::newRow("all sections, from a file") << Budowa([] {
            return wydrukKonfiguracji(przyklad(), "/home/jan/obiekt 1.vor",
                                      QDateTime(QDate(2026, 12, 31), QTime(23, 59, 58)));
        }) << calosc;
        QTest::newRow("header alone, from the panel")
            << wybrane({SekcjaKonfiguracji::Naglowek}, QString())
            << QStringList{tytul, "@2000:pobrana z centralki dnia: 2001-03-07  09:05:00", "",
                           "[end]"};
        QTest::newRow("keypads and dependent zones alone")
            << wybrane({SekcjaKonfiguracji::StrZal, SekcjaKonfiguracji::KlawPodc}, "x.vor")
            << klawiatury + strefy + QStringList{"[end]"};
        QTest::newRow("nothing chosen") << wybrane({}, "x.vor") << QStringList{"[end]"};
        Konfiguracja bd = pusty();
        bd.KlawFun = 0x0A, bd.CzasKodu = bd.CzasBlokady = 255;
        QTest::newRow("system, B and D, open codes")
            << sekcja(DrukKlawFun, bd)
            << parametry(n, a, n, a,
                         {"@1000:KODY - JAWNE", "@1000:Maksymalny czas wprowadzania kodu: 255 [s]",
                          "@1000:Czas blokowania klawiatury: 255 [min]",
                          "@1000:Buzzer aktywny w klawiaturach: "});
        // Any line end the operator typed ends a line; the last one opens no empty line.
        QTest::newRow("register")
            << Budowa([] {
                   return wydrukRejestru(
                       "09:05    ALARM z linii: 17 w strefie: 3\r\nA\nB\rC\r\n\r\n"
                       "POKOJ   \r\n",
                       QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)));
               })
            << QStringList{"[f:Times New Roman CE][s12][b1]@2000:REJESTR BIEŻĄCY SYSTEMU VOR ZR-05",
                           "@3000:2026-03-04  05:06:07",
                           "[s10][b0]09:05    ALARM z linii: 17 w strefie: 3",
                           "A",
                           "B",
                           "C",
                           "",
                           "POKOJ   ",
                           "[end]"};
        QTest::newRow("register without a last line end")
            << Budowa([] { return wydrukRejestru("A\r\nB", Chwila); })
            << QStringList{"[f:Times New Roman CE][s12][b1]@2000:REJESTR BIEŻĄCY SYSTEMU VOR ZR-05",
                           "@3000:2001-03-07  09:05:00", "[s10][b0]A", "B", "[end]"};
    }

    void sekcje()
    {
        QFETCH(Budowa, zbuduj);
        QFETCH(QStringList, oczekiwane);
        QCOMPARE(wiersze(zbuduj()), oczekiwane);
    }

    void nicNieZaMarginesem_data()
    {
        QTest::addColumn<Wydruk>("wydruk");
        QTest::addColumn<QList<int>>("wciecia"); // twips where a printed line may start
        QTest::addColumn<bool>("zawija");        // some line is known to need more than one

        const QString sciezka = QStringLiteral(
            "/home/administrator/Dokumenty/Obiekty chronione/Hurtownia przy ulicy Długiej 15/"
            "konfiguracja centrali z 2026 roku.vor");
        // The short automatic arming line begins with blanks, off every indent.
        WyborSekcji bezAutoUzbr = WszystkieSekcje;
        bezAutoUzbr[int(SekcjaKonfiguracji::AutoUzbr)] = false;
        QTest::newRow("whole configuration, all full")
            << wydrukKonfiguracji(pelna(), sciezka, Chwila, bezAutoUzbr)
            << QList<int>{1000, 2000, 3000, 4700} << true;
        // The operator may type anything into the register; pages follow one another, and empty
        // lines at the end open none.
        QString rejestr = QStringLiteral("23:59    ALARM C-STRAŻ POŻARNA z klawiatury nr: 7\r\n");
        for (int i = 0; i < 40; ++i)
            rejestr += QStringLiteral("notatka%1 ").arg(i);
        rejestr +=
            QStringLiteral("\r\n") + QStringLiteral("ŻÓŁW").repeated(60) + QStringLiteral("\r\n");
        for (int i = 1; i <= 400; ++i)
            rejestr += QStringLiteral("Linia rejestru numer %1\r\n").arg(i);
        QTest::newRow("register, pages")
            << wydrukRejestru(rejestr + QString("\r\n").repeated(500), Chwila)
            << QList<int>{0, 2000, 3000} << true;
    }

    void nicNieZaMarginesem()
    {
        QFETCH(Wydruk, wydruk);
        QFETCH(QList<int>, wciecia);
        QFETCH(bool, zawija);
        QTemporaryDir katalog;
        const QString pdf = katalog.filePath(QStringLiteral("w.pdf"));
        QVERIFY(Drukarka::doPdf(wydruk, pdf));

        // All the text is on the pages, in its order; a wrapped line takes more than one there.
        QStringList tekst = wiersze(wydruk).replaceInStrings(
            QRegularExpression(QStringLiteral("\\[(f:[^\\]]*|s\\d+|b\\d|end)\\]|@\\d+:|\\s")),
            QString());
        QCOMPARE(bezOdstepow(pdfDoTekstu({"-layout", pdf, "-"})), tekst.join(QString()));
        tekst.removeAll(QString());
        const int linie = int(tekst.size());

        double szerokosc = 0;
        int stron = 0;
        const auto s = slowa(pdfDoTekstu({"-bbox", pdf, "-"}), szerokosc, stron);
        QVERIFY(!s.empty());
        QCOMPARE(s.back().strona, stron - 1); // no empty page at the end
        constexpr double PunktowNaMm = 72.0 / 25.4, Tolerancja = 1.0;
        const double lewy = Drukarka::LewyMarginesMm * PunktowNaMm;
        const double prawy = szerokosc - Drukarka::PrawyMarginesMm * PunktowNaMm;
        // The first word of every line on paper, by page and height.
        std::map<std::pair<int, int>, const Slowo*> pierwsze;
        for (const Slowo& w : s) {
            QVERIFY2(w.xMax <= prawy + Tolerancja, qPrintable(w.tekst));
            const auto klucz = std::make_pair(w.strona, qRound(w.yMin));
            if (!pierwsze.count(klucz) || pierwsze[klucz]->xMin > w.xMin)
                pierwsze[klucz] = &w;
        }
        for (const auto& [klucz, w] : pierwsze) {
            const double x = w->xMin;
            QVERIFY2(
                std::any_of(wciecia.begin(), wciecia.end(),
                            [x, lewy](int t) { return std::abs(x - (lewy + t / 20.0)) <= 1.0; }),
                qPrintable(QStringLiteral("%1 at %2").arg(w->tekst).arg(x)));
        }
        QVERIFY(int(pierwsze.size()) >= linie);
        if (zawija)
            QVERIFY(int(pierwsze.size()) > linie);
    }

    // Without a printer each printout goes to a PDF file of its own, in the order given, with the
    // busy pointer while any is waiting; a file that cannot be written is told as not printed.
    void bezDrukarkiDoPlikow()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a default printer is installed here");
        QTemporaryDir katalog;
        Drukarka::ustawKatalogPdf(katalog.path());
        PrzechwytKomunikatow przechwyt;
        Drukarka::drukuj(wydrukRejestru(QStringLiteral("PIERWSZY"), Chwila), nullptr, "Rejestr");
        Drukarka::drukuj([] { return wydrukRejestru(QStringLiteral("DRUGI"), Chwila); }, nullptr,
                         "Rejestr");
        QCOMPARE(Drukarka::wToku(), 2);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
        Drukarka::zaczekaj();
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(przechwyt.teksty.size(), 2);
        QCOMPARE(QDir(katalog.path()).entryList({"Rejestr_*.pdf"}).size(), 2);
        const QString pierwszy = przechwyt.teksty[0].section(QLatin1Char('/'), -1);
        QVERIFY(pdfDoTekstu({katalog.filePath(pierwszy), "-"}).contains("PIERWSZY"));

        Drukarka::ustawKatalogPdf(QStringLiteral("/nonexistent-dir/x"));
        Drukarka::drukuj(wydrukRejestru(QStringLiteral("X"), Chwila), nullptr, QStringLiteral("R"));
        Drukarka::zaczekaj();
        Drukarka::ustawKatalogPdf(QString());
        QCOMPARE(przechwyt.teksty.size(), 3);
        QVERIFY(przechwyt.teksty[2].contains(QStringLiteral("nie został wykonany")));
    }
};

QTEST_MAIN(TstWydruki)
#include "tst_wydruki.moc"
