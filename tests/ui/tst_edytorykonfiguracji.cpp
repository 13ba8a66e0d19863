// The six configuration editors over random configurations, bytes they cannot show included:
// saving every record as shown changes no byte; each control writes exactly its own bytes; the
// rules between fields accept or refuse with the words the user reads; an editor left open while
// another configuration is read saves only the new one.
//
// A case is written as the user works: bytes set in the image before opening, then steps
// separated by "; ":
//   Combo4=10        pick an item (its text, or the item that begins with it and a blank)
//   Combo2~TEKST     type into an editable box          Check1_2=1   tick or untick a box
//   List2:08         select an item beginning with 08   List2:08:dwuklik   double-click it
//   Command1         click a button                     zapisz       save, answering Cancel
//                                                                    first, then OK
//   Combo9?5         the control shows 5 ("ukryta" when it is out of sight; a frame shows its
//                    title, a check box 1 or 0)
//   List1#01|03..05  the items, in order, begin with 01, 03, 04, 05
//   @Linie(1,8)=224  the image holds this already      zamknij, otworz   close, open again
// Bytes are named as the image names them: Linie(5,2), Kontrole(1..24,2) (a range),
// Linie(1,22..31)=1,2,0 (one value each, the last one for the rest), Linie(5,2)&0x70=0x40
// (only the masked bits), NazwyLinii(224..255)=<nn %1> (%1 is the position).

#include "KolejnoscTabulacji.h"
#include "Komunikaty.h"
#include "LosowyObraz.h"
#include "Module1.h"
#include "TekstyKontrolek.h"
#include "config/PlikKonfiguracji.h"
#include "editors/EdytorAutoUzbrajania.h"
#include "editors/EdytorKlawiatur.h"
#include "editors/EdytorKontroli.h"
#include "editors/EdytorLinii.h"
#include "editors/EdytorStref.h"
#include "editors/EdytorWyjsc.h"
#include "editors/RozniceKonfiguracji.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace zr05;

namespace
{
struct Edytor {
    const char* okno;
    void (*pokaz)(Module1&, QWidget*);
    const char* wybor;            // the record selector, or nullptr for a window of one record
    const char *zapisz, *pytanie; // the save button and the question it asks
};

const Edytor Edytory[] = {
    {"Form4", pokazEdytorLinii, "Combo1", "Command5", "Czy zapisać zmiany w parametrach linii ?"},
    {"Form10", pokazEdytorStref, "Combo1", "Command5", "Czy zapisać zmiany w parametrach stref ?"},
    {"Form8", pokazEdytorWyjsc, "Combo1", "Command3",
     "Czy zapisać zmiany w parametrach wyjść OC i Pk ?"},
    {"Form5", pokazEdytorKontroli, "Combo1", "Command4",
     "Czy zapisać zmiany w parametrach kontroli strażników ?"},
    {"Form6", pokazEdytorAutoUzbrajania, nullptr, "Command3",
     "Czy zapisać zmiany w parametrach automatycznego uzbrajania ?"},
    {"Form7", pokazEdytorKlawiatur, nullptr, "Command1",
     "Czy zapisać zmiany w parametrach systemowych ?"},
};

const Edytor& edytor(const QString& okno)
{
    for (const Edytor& e : Edytory)
        if (okno == QLatin1String(e.okno))
            return e;
    qFatal("no editor %s", qPrintable(okno));
}

QStringList podziel(const QString& t, const char* separator = "; ")
{
    return t.isEmpty() ? QStringList() : t.split(QLatin1String(separator));
}

Bajt* bajt(Konfiguracja& k, const QString& t, int i, int j)
{
    if (t == "Linie")
        return &k.Linie.at(i).at(j);
    if (t == "WyjOC")
        return &k.WyjOC.at(i).at(j);
    if (t == "WyjPk")
        return &k.WyjPk.at(i).at(j);
    if (t == "Kontrole")
        return &k.Kontrole.at(i).at(j);
    if (t == "Strefy")
        return &k.Strefy.at(i).at(j);
    if (t == "Urzadzenia")
        return &k.Urzadzenia.at(i);
    if (t == "AutoUzbr")
        return &k.AutoUzbr.at(i);
    Bajt* pojedyncze[] = {&k.KodyTajne, &k.Buzzery, &k.CzasKodu, &k.KlawFun, &k.CzasBlokady};
    const QStringList nazwy{"KodyTajne", "Buzzery", "CzasKodu", "KlawFun", "CzasBlokady"};
    if (nazwy.contains(t))
        return pojedyncze[nazwy.indexOf(t)];
    qFatal("no field %s", qPrintable(t));
}

// Gives the named bytes their values, or (when `tylkoSprawdz`) tells whether they hold them.
bool ustaw(Konfiguracja& k, const QString& przypisanie, bool tylkoSprawdz = false)
{
    static const QRegularExpression wzor(QStringLiteral(
        R"(^(\w+)(?:\((\d+)(?:\.\.(\d+))?(?:,(\d+)(?:\.\.(\d+))?)?\))?(?:&(\w+))?=(.*)$)"));
    const auto d = wzor.match(przypisanie);
    if (!d.hasMatch())
        qFatal("cannot read %s", qPrintable(przypisanie));
    const QString tabela = d.captured(1);
    const int i0 = d.captured(2).toInt(), j0 = d.captured(4).toInt();
    const int i1 = d.captured(3).isEmpty() ? i0 : d.captured(3).toInt();
    const int j1 = d.captured(5).isEmpty() ? j0 : d.captured(5).toInt();
    const int maska = d.captured(6).isEmpty() ? 0xFF : d.captured(6).toInt(nullptr, 0);
    const QStringList wartosci = d.captured(7).split(QLatin1Char(','));
    bool zgodne = true;
    int n = 0;
    for (int i = i0; i <= i1; ++i) {
        for (int j = j0; j <= j1; ++j, ++n) {
            const QString w = wartosci.at(qMin(n, int(wartosci.size()) - 1));
            if (tabela == "NazwyLinii") {
                const QString nazwa = QString(w).replace(QLatin1String("%1"), QString::number(i));
                zgodne &= k.NazwyLinii.at(i) == nazwa;
                if (!tylkoSprawdz)
                    k.NazwyLinii.at(i) = nazwa;
                continue;
            }
            Bajt& b = *bajt(k, tabela, i, j);
            const int v = w.toInt(nullptr, 0);
            zgodne &= (b & maska) == (v & maska);
            if (!tylkoSprawdz)
                b = Bajt((b & ~maska) | (v & maska));
        }
    }
    return zgodne;
}

// "01|03..05|OC-01..16" -> 01, 03, 04, 05, OC-01 .. OC-16: a range keeps its first number's width.
QStringList rozwin(const QString& opis)
{
    static const QRegularExpression zakres(QStringLiteral(R"(^(.*?)(\d+)\.\.(\d+)$)"));
    QStringList wynik;
    if (opis.isEmpty())
        return wynik;
    for (const QString& t : opis.split(QLatin1Char('|'))) {
        const auto z = zakres.match(t);
        if (!z.hasMatch()) {
            wynik << t;
            continue;
        }
        for (int n = z.captured(2).toInt(); n <= z.captured(3).toInt(); ++n)
            wynik << z.captured(1) + QStringLiteral("%1").arg(n, int(z.capturedLength(2)), 10,
                                                              QLatin1Char('0'));
    }
    return wynik;
}

// The image as a file holds it: what reading a file can fill.
QByteArray bajtyPliku(const Konfiguracja& k)
{
    QByteArray b;
    obrazDoBajtow(k, b);
    return b;
}

QString pokazane(QWidget* okno, QWidget* w)
{
    if (!w->isVisibleTo(okno))
        return QStringLiteral("ukryta");
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentText();
    if (auto* r = qobject_cast<QGroupBox*>(w))
        return r->title();
    if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable())
        return QString::number(b->isChecked());
    return w->property("text").toString();
}

// One editor opened by its menu command over a loaded configuration; every message it shows
// is kept, save questions are answered as the step says.
class Stanowisko
{
public:
    Module1 m;
    const Edytor& e;
    QPointer<QWidget> okno;
    QStringList komunikaty; // all but the save questions
    bool wZapisie = false, odpowiedz = true;
    int pytania = 0;

    Stanowisko(const Edytor& edytor, const Konfiguracja& obraz) : e(edytor)
    {
        m.Obraz = obraz;
        m.WpisKonfig();
        Komunikaty::ustawOdpowiadacz([this](const QString& tekst, bool pytanie) {
            if (pytanie && wZapisie && tekst == QString::fromUtf8(e.pytanie)) {
                ++pytania;
                return odpowiedz;
            }
            komunikaty << tekst;
            return true;
        });
    }
    ~Stanowisko()
    {
        delete okno;
        Komunikaty::ustawOdpowiadacz({});
    }

    // Asked for while open, the window comes up once, as it was left.
    void otworz()
    {
        e.pokaz(m, nullptr);
        int ile = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(e.okno) && w->isVisible()) {
                okno = w;
                ++ile;
            }
        QCOMPARE(ile, 1);
    }
    void zamknij()
    {
        okno->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!okno);
        QCOMPARE(m.status(), QString());
    }
    // Cancel leaves the image as it was; OK saves. Each click asks once.
    void zapisz(bool najpierwAnuluj = true)
    {
        auto* przycisk = okno->findChild<QAbstractButton*>(QLatin1String(e.zapisz));
        const Konfiguracja przed = m.Obraz;
        wZapisie = true;
        for (bool tak : {false, true}) {
            if (!tak && !najpierwAnuluj)
                continue;
            pytania = 0;
            odpowiedz = tak;
            przycisk->click();
            QCOMPARE(pytania, 1);
            QVERIFY2(tak || m.Obraz == przed, "saved although cancelled");
        }
        wZapisie = false;
    }
    // Every record the window offers is chosen and saved.
    void zapiszKazdyRekord()
    {
        auto* wybor = e.wybor ? okno->findChild<QComboBox*>(QLatin1String(e.wybor)) : nullptr;
        for (int i = 0; i < (wybor ? wybor->count() : 1) && !QTest::currentTestFailed(); ++i) {
            if (wybor) {
                wybor->setCurrentIndex(i);
                emit wybor->activated(i);
            }
            zapisz(false);
        }
    }

    void krok(const QString& k)
    {
        if (k == "zapisz")
            return zapisz();
        if (k == "zamknij")
            return zamknij();
        if (k == "otworz")
            return otworz();
        if (k.startsWith(QLatin1Char('@'))) {
            QVERIFY2(ustaw(m.Obraz, k.mid(1), true), qPrintable(k));
            return;
        }
        static const QRegularExpression wzor(QStringLiteral(R"(^(\w+)([=~?#:])(.*)$)"));
        const auto d = wzor.match(k);
        QWidget* w = okno->findChild<QWidget*>(d.hasMatch() ? d.captured(1) : k);
        QVERIFY2(w, qPrintable(k));
        auto* c = qobject_cast<QComboBox*>(w);
        auto* l = qobject_cast<QListWidget*>(w);
        auto* b = qobject_cast<QAbstractButton*>(w);
        if (!d.hasMatch())
            return b->click();
        const QString v = d.captured(3);
        switch (d.captured(2).at(0).toLatin1()) {
        case '?':
            QCOMPARE(pokazane(okno, w), v);
            break;
        case '#': {
            const QStringList jest = c ? pozycje(c) : teksty(l), ma = rozwin(v);
            bool zgodne = jest.size() == ma.size();
            for (int i = 0; zgodne && i < ma.size(); ++i)
                zgodne = jest[i].startsWith(ma[i]);
            QVERIFY2(zgodne, qPrintable(k + QStringLiteral(" <> ") + jest.join(QLatin1Char('|'))));
            break;
        }
        case '~':
            c->setEditText(v);
            break;
        case ':': {
            const bool dwuklik = v.endsWith(QLatin1String(":dwuklik"));
            const QString poczatek = dwuklik ? v.chopped(8) : v;
            QListWidgetItem* it = nullptr;
            for (int i = 0; i < l->count(); ++i)
                if (l->item(i)->text().startsWith(poczatek))
                    it = l->item(i);
            QVERIFY2(it, qPrintable(k));
            l->setCurrentItem(it);
            if (dwuklik)
                emit l->itemDoubleClicked(it);
            break;
        }
        default:
            if (b) {
                b->setChecked(v == "1");
                break;
            }
            int i = c->findText(v);
            for (int j = 0; i < 0 && j < c->count(); ++j)
                if (c->itemText(j).startsWith(v + QLatin1Char(' ')))
                    i = j;
            QVERIFY2(i >= 0, qPrintable(k));
            c->setCurrentIndex(i);
            emit c->activated(i);
        }
    }
};

struct Przypadek {
    QString okno, nazwa;
    QString dane, kroki, zmiany, komunikaty; // as edytory.txt describes them
};

// The cases of edytory.txt beside this test.
QList<Przypadek> przypadkiZPliku()
{
    QFile plik(QStringLiteral(ZR05_DANE_TESTOW "/ui/edytory.txt"));
    QList<Przypadek> wynik;
    if (!plik.open(QIODevice::ReadOnly))
        return wynik;
    for (const QString& wiersz : QString::fromUtf8(plik.readAll()).split(u'\n')) {
        const QString w = wiersz.trimmed();
        if (w.isEmpty() || w.startsWith(u'#'))
            continue;
        if (!wiersz.startsWith(u' ')) {
            const qsizetype odstep = w.indexOf(u' ');
            wynik.append({w.left(odstep), w.mid(odstep + 1), {}, {}, {}, {}});
            continue;
        }
        const qsizetype dwukropek = w.indexOf(u':');
        const QString pole = w.left(dwukropek), wartosc = w.mid(dwukropek + 1).trimmed();
        Przypadek& p = wynik.last();
        (pole == "dane"     ? p.dane
         : pole == "kroki"  ? p.kroki
         : pole == "zmiany" ? p.zmiany
                            : p.komunikaty) = wartosc;
    }
    return wynik;
}

const QList<Przypadek> Przypadki = przypadkiZPliku();

} // namespace

class TestEdytoryKonfiguracji : public QObject
{
    Q_OBJECT

    static void wiersze(quint32 obrazy)
    {
        QTest::addColumn<int>("edytor");
        QTest::addColumn<quint32>("ziarno");
        for (int e = 0; e < int(std::size(Edytory)); ++e)
            for (quint32 z = 1; z <= obrazy; ++z)
                QTest::addRow("%s %u", Edytory[e].okno, z) << e << z;
    }

private slots:
    // Saving what the window shows, record after record, changes no byte; only the name box
    // takes typed text.
    void niezmienionyZapisNicNieZmienia_data() { wiersze(4); }
    void niezmienionyZapisNicNieZmienia()
    {
        QFETCH(int, edytor);
        QFETCH(quint32, ziarno);
        Stanowisko s(Edytory[edytor], losowyObraz(ziarno));
        const Konfiguracja przed = s.m.Obraz;
        s.otworz();
        for (QComboBox* c : s.okno->findChildren<QComboBox*>())
            QCOMPARE(c->isEditable(), edytor == 0 && c->objectName() == "Combo2");
        s.zapiszKazdyRekord();
        s.otworz();
        s.zamknij();
        QVERIFY2(s.m.Obraz == przed,
                 qPrintable(rozniceKonfiguracji(przed, s.m.Obraz).join(QLatin1Char('\n'))));
        QCOMPARE(s.komunikaty, QStringList());
    }

    void otwartyEdytorPrzyOdczycieZapisujeNowa_data() { wiersze(2); }
    void otwartyEdytorPrzyOdczycieZapisujeNowa()
    {
        QFETCH(int, edytor);
        QFETCH(quint32, ziarno);
        QTemporaryDir katalog;
        const QString plik = katalog.filePath("b.vor");
        QVERIFY(ZapiszKonfig(losowyObraz(ziarno + 100), plik));
        Konfiguracja b;
        QVERIFY(CzytajKonfig(plik, b));

        Stanowisko s(Edytory[edytor], losowyObraz(ziarno));
        s.otworz();
        QVERIFY(CzytajKonfig(s.m, plik));
        QVERIFY(bajtyPliku(s.m.Obraz) == bajtyPliku(b));
        // What the window shows now comes from the new image: saved as it is, it changes nothing.
        auto* wybor = s.e.wybor ? s.okno->findChild<QComboBox*>(s.e.wybor) : nullptr;
        if (!wybor || wybor->currentIndex() >= 0)
            s.zapisz();
        s.zapiszKazdyRekord();
        s.zamknij();
        QVERIFY2(bajtyPliku(s.m.Obraz) == bajtyPliku(b),
                 qPrintable(rozniceKonfiguracji(b, s.m.Obraz).join(QLatin1Char('\n'))));
    }

    void przypadki_data()
    {
        QTest::addColumn<int>("przypadek");
        QTest::addColumn<quint32>("ziarno");
        // Each case over another of three random images.
        QVERIFY2(Przypadki.size() > 50, "edytory.txt missing");
        for (int i = 0; i < Przypadki.size(); ++i)
            QTest::addRow("%s %s", qPrintable(Przypadki[i].okno), qPrintable(Przypadki[i].nazwa))
                << i << quint32(5 + i % 3);
    }
    void przypadki()
    {
        QFETCH(int, przypadek);
        QFETCH(quint32, ziarno);
        const Przypadek& p = Przypadki[przypadek];
        Konfiguracja obraz = losowyObraz(ziarno);
        for (const QString& d : podziel(p.dane))
            ustaw(obraz, d);
        Stanowisko s(edytor(p.okno), obraz);
        s.otworz();
        for (const QString& k : podziel(p.kroki)) {
            s.krok(k);
            if (QTest::currentTestFailed())
                return;
        }
        if (s.okno)
            s.zamknij();
        for (const QString& z : podziel(p.zmiany))
            ustaw(obraz, z);
        QVERIFY2(s.m.Obraz == obraz,
                 qPrintable(rozniceKonfiguracji(obraz, s.m.Obraz).join(QLatin1Char('\n'))));
        QCOMPARE(s.komunikaty, podziel(p.komunikaty, "|"));
    }

    // Tab runs through the line editor row by row, the delay boxes after the type.
    void tabulacjaLinii()
    {
        Konfiguracja obraz = losowyObraz(7);
        ustaw(obraz, "Linie(1,2)&0x0F=2");
        ustaw(obraz, "Linie(1,6)=5");
        Stanowisko s(Edytory[0], obraz);
        s.otworz();
        QCOMPARE(kolejnoscTabulacji(s.okno, s.okno->findChild<QWidget*>("Combo1"), 15),
                 (QStringList{"Combo1", "Combo2", "Command2", "Combo3_0", "Combo3_1", "Command3",
                              "Combo4", "Combo5", "Combo6", "Combo7", "Combo8", "Combo9", "Combo10",
                              "Command5", "Combo1"}));
    }
};

QTEST_MAIN(TestEdytoryKonfiguracji)
#include "tst_edytorykonfiguracji.moc"
