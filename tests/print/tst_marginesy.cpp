// Every printout on paper (PDF): the longest texts each printout can hold lose nothing at the
// right margin, and what would pass it goes on in the next line at its own indent.

#include "Drukarka.h"
#include "Module1.h"
#include "archive/WidokArchiwum.h"
#include "archive/WydrukArchiwum.h"
#include "print/SekcjeKonfiguracji.h"
#include "print/WydrukKonfiguracji.h"
#include "print/WydrukRejestru.h"
#include "tables/NazwyLinii.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <map>

using namespace zr05;

Q_DECLARE_METATYPE(zr05::Wydruk)

namespace
{
using Op = OperacjaWydruku;

const QDateTime Chwila(QDate(2026, 12, 31), QTime(23, 59, 58));
constexpr double PunktowNaMm = 72.0 / 25.4;
constexpr double Tolerancja = 1.0; // points

QString uruchom(const QStringList& argumenty)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), argumenty);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString bezOdstepow(QString t)
{
    t.remove(QRegularExpression(QStringLiteral("\\s")));
    return t;
}

struct Slowo {
    int strona;
    double xMin, yMin, xMax;
    QString tekst;
};

// The page's words with their boxes, from poppler's text boxes.
std::vector<Slowo> slowa(const QString& html, double& szerokoscStrony)
{
    std::vector<Slowo> s;
    int strona = -1;
    static const QRegularExpression znacznik(
        QStringLiteral("<page width=\"([\\d.]+)\"|<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                       "xMax=\"([\\d.]+)\" yMax=\"[\\d.]+\">([^<]*)</word>"));
    for (auto it = znacznik.globalMatch(html); it.hasNext();) {
        const auto z = it.next();
        if (!z.captured(1).isEmpty()) {
            ++strona;
            szerokoscStrony = z.captured(1).toDouble();
            continue;
        }
        s.push_back({strona, z.captured(2).toDouble(), z.captured(3).toDouble(),
                     z.captured(4).toDouble(),
                     z.captured(5)
                         .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
                         .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
                         .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
                         .replace(QStringLiteral("&amp;"), QStringLiteral("&"))});
    }
    return s;
}

// Printed lines that carry text: a wrapped line takes more than one of them on paper.
int liniePelne(const Wydruk& w)
{
    int n = 0;
    QString biezaca;
    for (const Op& op : w.operacje()) {
        if (op.rodzaj == Op::Tekst || op.rodzaj == Op::Linia)
            biezaca += op.tekst;
        if (op.rodzaj == Op::Linia) {
            n += bezOdstepow(biezaca).isEmpty() ? 0 : 1;
            biezaca.clear();
        }
    }
    return n;
}

QString calyTekst(const Wydruk& w)
{
    QString t;
    for (const Op& op : w.operacje())
        if (op.rodzaj == Op::Tekst || op.rodzaj == Op::Linia)
            t += op.tekst + QLatin1Char(' ');
    return t;
}

// Every set of the image full, every value at its largest, subpanels all present.
Konfiguracja pelna()
{
    Konfiguracja k;
    WpiszNazwyLinii(k.NazwyLinii);
    k.Urzadzenia.fill(1);
    for (auto& l : k.Linie) {
        l.fill(255);
        l[2] = 0x38; // conditional, 1000 ms
    }
    k.Linie[1][2] = 0x01; // encrypting every line
    for (auto& r : k.WyjOC)
        r.fill(255);
    for (auto& r : k.WyjPk)
        r.fill(255);
    for (auto& r : k.Kontrole)
        r.fill(255);
    k.AutoUzbr.fill(255);
    for (auto& r : k.Strefy)
        r.fill(255);
    k.KlawFun = 0x0F;
    k.Buzzery = 0xFF;
    k.CzasKodu = k.CzasBlokady = 255;
    return k;
}

// Every archive text with its placeholders at their widest.
QStringList linieArchiwum(bool alarmy)
{
    Module1 m;
    WpiszNazwyLinii(m.Obraz.NazwyLinii);
    QStringList l;
    const int od = alarmy ? 0 : TabeleTekstow::PierwszyKodZdarzenia;
    const int ile = alarmy ? TabeleTekstow::LiczbaAlarmow : TabeleTekstow::LiczbaZdarzen;
    for (int kod = od; kod < od + ile; ++kod)
        for (Bajt p : {Bajt(80), Bajt(255)}) {
            const TabeleArchiwum::Rekord r = {99, 12, 31, 23, 59, Bajt(kod), p, p};
            l << (alarmy ? liniaAlarmu(m.Tabele, m.Obraz, r) : liniaZdarzenia(m.Tabele, r));
        }
    return l;
}

QString rejestrNajdluzszy()
{
    QString r = QStringLiteral("23:59    ALARM C-STRAŻ POŻARNA z klawiatury nr: 7\r\n"
                               "23:59   SABOTAŻ z linii: ŁĄKA 12 255255\r\n");
    // The operator may type anything into the register.
    for (int i = 0; i < 40; ++i)
        r += QStringLiteral("notatka%1 ").arg(i);
    r += QStringLiteral("\r\n") + QStringLiteral("ŻÓŁW").repeated(60) + QStringLiteral("\r\n");
    return r;
}
} // namespace

class TstMarginesy : public QObject
{
    Q_OBJECT
private slots:
    void nicNieZaMarginesem_data();
    void nicNieZaMarginesem();
};

void TstMarginesy::nicNieZaMarginesem_data()
{
    QTest::addColumn<Wydruk>("wydruk");
    QTest::addColumn<QList<int>>("wciecia"); // twips where a printed line may start
    QTest::addColumn<bool>("zawija");        // some line is known to need more than one

    const QString sciezka = QStringLiteral(
        "/home/administrator/Dokumenty/Obiekty chronione/Hurtownia przy ulicy Długiej 15/"
        "konfiguracja centrali z 2026 roku.vor");
    Wydruk naglowek;
    DrukNaglowek(naglowek, sciezka, Chwila);
    QTest::newRow("header, long path") << naglowek << QList<int>{2000} << true;
    Wydruk bezSpacji;
    DrukNaglowek(bezSpacji, QStringLiteral("/") + QStringLiteral("katalog_").repeated(25), Chwila);
    QTest::newRow("header, path without blanks") << bezSpacji << QList<int>{2000} << true;
    Wydruk oc;
    DrukWyOC(oc, pelna());
    QTest::newRow("OC, all events") << oc << QList<int>{1000} << true;
    Wydruk pk;
    DrukWyPk(pk, pelna());
    QTest::newRow("Pk, all events") << pk << QList<int>{1000} << true;
    // The short automatic arming line begins with blanks, off every indent.
    WyborSekcji bezAutoUzbr = WszystkieSekcje;
    bezAutoUzbr[int(SekcjaKonfiguracji::AutoUzbr)] = false;
    QTest::newRow("whole configuration, all full")
        << wydrukKonfiguracji(pelna(), sciezka, Chwila, bezAutoUzbr)
        << QList<int>{1000, 2000, 3000, 4700} << true;
    QTest::newRow("register") << wydrukRejestru(rejestrNajdluzszy(), Chwila)
                              << QList<int>{0, 2000, 3000} << true;
    QTest::newRow("alarm archive")
        << wydrukArchiwum(true, linieArchiwum(true)) << QList<int>{1000, 2000} << false;
    QTest::newRow("event archive")
        << wydrukArchiwum(false, linieArchiwum(false)) << QList<int>{1000, 2000} << false;
}

void TstMarginesy::nicNieZaMarginesem()
{
    QFETCH(Wydruk, wydruk);
    QFETCH(QList<int>, wciecia);
    QFETCH(bool, zawija);
    QTemporaryDir katalog;
    QVERIFY(katalog.isValid());
    const QString pdf = katalog.filePath(QStringLiteral("w.pdf"));
    QVERIFY(Drukarka::doPdf(wydruk, pdf));

    // All the text is on the pages, in its order.
    const QString strony = uruchom({QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY2(!strony.isEmpty(), "pdftotext gave nothing");
    QCOMPARE(bezOdstepow(strony), bezOdstepow(calyTekst(wydruk)));

    double szerokosc = 0;
    const std::vector<Slowo> s =
        slowa(uruchom({QStringLiteral("-bbox"), pdf, QStringLiteral("-")}), szerokosc);
    QVERIFY(!s.empty());
    const double lewy = Drukarka::LewyMarginesMm * PunktowNaMm;
    const double prawy = szerokosc - Drukarka::PrawyMarginesMm * PunktowNaMm;
    // The first word of every line on paper, by page and height.
    std::map<std::pair<int, int>, const Slowo*> pierwsze;
    for (const Slowo& w : s) {
        QVERIFY2(
            w.xMax <= prawy + Tolerancja,
            qPrintable(QStringLiteral("%1 ends at %2 > %3").arg(w.tekst).arg(w.xMax).arg(prawy)));
        const auto klucz = std::make_pair(w.strona, qRound(w.yMin));
        if (!pierwsze.count(klucz) || pierwsze[klucz]->xMin > w.xMin)
            pierwsze[klucz] = &w;
    }
    for (const auto& para : pierwsze) {
        const auto* w = para.second;
        const bool naWcieciu = std::any_of(wciecia.begin(), wciecia.end(), [&](int x) {
            return std::abs(w->xMin - (lewy + x / 20.0)) <= Tolerancja;
        });
        QVERIFY2(
            naWcieciu,
            qPrintable(QStringLiteral("line starting with %1 at %2").arg(w->tekst).arg(w->xMin)));
    }
    QVERIFY(int(pierwsze.size()) >= liniePelne(wydruk));
    if (zawija)
        QVERIFY(int(pierwsze.size()) > liniePelne(wydruk));
}

QTEST_MAIN(TstMarginesy)
#include "tst_marginesy.moc"
