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

QStringList podziel(const char* tekst, const char* separator = "; ")
{
    const QString t = QString::fromUtf8(tekst);
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
    const char* okno;
    const char* nazwa;
    const char* dane;           // bytes set before the window opens
    const char* kroki;          // what the user does and sees
    const char* zmiany;         // every byte that changes; the others stay
    const char* komunikaty{""}; // messages shown (not the save questions), "|" between them
};

#define TRZY_KONTROLE                                                                              \
    "Kontrole(1..24,2)=24; Kontrole(1,0..7)=1,1,6,0,5,0,0,0; Kontrole(2,0..7)=2,2,12,30,3,1,0,0; " \
    "Kontrole(3,0..7)=3,4,7,5,2,0x81,3,0x42"

const Przypadek Przypadki[] = {
    // The detection line editor.
    {"Form4", "pola i teksty",
     "Linie(1,8..10)=169,0,0; Linie(7,8..10)=169,2,0; Linie(80,8..10)=48,1,12",
     "Combo1#01..80; Combo3_0#0..99; Combo3_1#0..99; Combo4#01..10; Combo5#3-stanowa|2-stanowa; "
     "Combo6#250 ms|500 ms|750 ms|1 sek.; Combo7#1..9; "
     "Combo8#Natychmiastowa|Opóźniona|Całodobowa|Warunkowa|Szyfrująca; Combo9#1..99; "
     "Combo10#1..99; Combo11#1..80; Combo12#0..80; Combo1?01 - TARAS; Combo2?TARAS; Combo1=07; "
     "Combo1?07 - TARAS2; Combo1=80; Combo1?80 - DOKUMENT112",
     ""},
    {"Form4", "typy",
     "Linie(9,2)=0x12; Linie(9,6)=0; Linie(10,2)=0x12; Linie(10,6..7)=5,9; Linie(11,2)=0x14; "
     "Linie(12,2)=0x18; Linie(12,4..7)=0,80,7,8; Linie(13,2)=0x11; "
     "Linie(13,22..31)=5,0,0,0,0,0,0,0,0,0x80; Linie(14,2)=0x13",
     "Combo1=09; Combo8?Natychmiastowa; Frame1?ukryta; Frame4?ukryta; Combo1=10; "
     "Combo8?Opóźniona; Frame1?Linia Opóźniona; Frame3?ukryta; Frame4?ukryta; Combo9?5; "
     "Combo10?9; Combo1=11; Combo8?Całodobowa; Frame1?ukryta; Frame4?ukryta; Combo1=12; "
     "Combo8?Warunkowa; Frame1?Linia Warunkowa; Frame2?Czasy opóźnienia:; Frame3?Warunek; "
     "Frame4?ukryta; Combo9?7; Combo10?8; Combo11?1; Combo12?80; Combo1=13; Combo8?Szyfrująca; "
     "Frame1?ukryta; Frame4?Linia Szyfrująca; List1#01 - |03 - |80 - ; List2#02|04..79; "
     "Combo1=14; Combo8?; Frame1?ukryta; Frame4?ukryta",
     ""},
    {"Form4", "pola linii",
     "Linie(15,2..3)=0x42,0x85; Linie(15,12..21)=0,0,3,0,0,0,7,0; Linie(16,2..3)=0xA2,0x41; "
     "Linie(17,2..3)=3,0x4C; Linie(17,9..21)=120,255,0",
     "Combo1=15; Combo4?03; Combo5?2-stanowa; Combo6?1 sek.; Combo7?5; Combo1=16; "
     "Combo5?3-stanowa; Combo6?500 ms; Combo1=17; Combo8?; Combo4?; Combo7?; Combo3_0?; "
     "Combo3_1?; Combo6?; Combo5?3-stanowa",
     ""},
    {"Form4", "czułość", "Linie(1,2)&0x70=0x10", "Combo6=1 sek.; zapisz", "Linie(1,2)&0x70=0x40"},
    {"Form4", "2-stanowa i 3-stanowa", "Linie(1,3)&0xC0=0; Linie(2,3)&0xC0=0xC0",
     "Combo5=2-stanowa; zapisz; Combo1=02; Combo5=3-stanowa; zapisz",
     "Linie(1,3)&0xC0=0xC0; Linie(2,3)&0xC0=0"},
    {"Form4", "alarmy", "Linie(1,3)&0x0F=2", "Combo7=9; zapisz", "Linie(1,3)&0x0F=9"},
    {"Form4", "strefy 10 i 1", "Linie(1,12..21)=0,0,3,0; Linie(2,12..21)=0,0,0,0,0,0,0,0,0,10",
     "Combo4=10; zapisz; Combo1=02; Combo4=01; zapisz",
     "Linie(1,14)=0; Linie(1,21)=10; Linie(2,12)=1; Linie(2,21)=0"},
    {"Form4", "nazwa", "Linie(1,8)=169", "Combo2=WINDA; zapisz", "Linie(1,8)=179"},
    {"Form4", "wartości", "Linie(1,9..10)=5", "Combo3_0=0; Combo3_1=99; zapisz",
     "Linie(1,9..10)=0,99"},
    {"Form4", "opóźniona na natychmiastową",
     "Linie(1,2)&0x0F=2; Linie(1,4..7)=0,0,20,30; Linie(1,22..31)=0",
     "Combo8?Opóźniona; Combo8=Natychmiastowa; Frame1?ukryta; zapisz", "Linie(1,6..7)=0"},
    {"Form4", "natychmiastowa na opóźnioną",
     "Linie(1,2)&0x0F=2; Linie(1,4..7)=0; Linie(1,22..31)=0",
     "Combo8=Opóźniona; Combo9?1; Combo10=45; zapisz", "Linie(1,6..7)=1,45"},
    {"Form4", "całodobowa na warunkową", "Linie(1,2)&0x0F=4; Linie(1,4..7)=0; Linie(1,22..31)=0",
     "Combo8=Warunkowa; Combo12?0; Combo9=30; Combo10=99; Combo11=80; Combo12=80; zapisz",
     "Linie(1,2)&0x0F=8; Linie(1,4..7)=80,80,30,99"},
    {"Form4", "warunek wyjścia 0", "Linie(1,2)&0x0F=8; Linie(1,4..7)=3,7,4,5; Linie(1,22..31)=0",
     "Combo12=0; zapisz", "Linie(1,5)=0"},
    {"Form4", "warunkowa na całodobową",
     "Linie(1,2)&0x0F=8; Linie(1,4..7)=3,7,4,5; Linie(1,22..31)=0", "Combo8=Całodobowa; zapisz",
     "Linie(1,2)&0x0F=4; Linie(1,4..7)=0"},
    {"Form4", "linie szyfrowane",
     "Linie(1,2)&0x0F=1; Linie(1,4..7)=0; Linie(1,22..31)=0x14,0,0,0,0,0,0,0,0,0",
     "List1:03; Command4; List1:05:dwuklik; List2:01; Command1; List2:08:dwuklik; "
     "List2:09:dwuklik; List2:80; Command1; List1#01|08|09|80; zapisz",
     "Linie(1,22..23)=0x81,1; Linie(1,31)=0x80"},
    {"Form4", "szyfrująca na całodobową", "Linie(1,2)&0x0F=1; Linie(1,4..7)=0; Linie(1,22..31)=255",
     "Combo8=Całodobowa; Frame4?ukryta; zapisz", "Linie(1,2)&0x0F=4; Linie(1,22..31)=0"},
    {"Form4", "całodobowa na szyfrującą", "Linie(1,2)&0x0F=4; Linie(1,4..7)=0; Linie(1,22..31)=0",
     "Combo8=Szyfrująca; List1#; List2:02; Command1; zapisz", "Linie(1,2)&0x0F=1; Linie(1,22)=2"},
    {"Form4", "nieznany typ na warunkowy zachowuje liczby spoza list",
     "Linie(1,2)&0x0F=3; Linie(1,4..7)=99,200,0,150; Linie(1,22..31)=0x33",
     "Combo8?; Combo8=Warunkowa; Combo9?1; Combo10?; Combo11?; Combo12?; zapisz",
     "Linie(1,2)&0x0F=8; Linie(1,6)=1; Linie(1,22..31)=0"},
    {"Form4", "ponowny wybór porzuca zmiany",
     "Linie(1,2)&0x0F=2; Linie(1,3)&0x0F=5; Linie(1,4..7)=0,0,5,9; Linie(1,22..31)=0",
     "Combo9=60; otworz; Combo9?60; Combo8=Opóźniona; Combo9?5; Combo7=9; Combo1=02; Combo1=01; "
     "Combo7?5",
     ""},
    {"Form4", "dopisanie nazwy", "NazwyLinii(224..255)=<nn %1>",
     "Combo2~MAGAZYN12; Command2; Combo2?MAGAZYN1; @NazwyLinii(224)=<nn 224>; zapisz; "
     "@NazwyLinii(224)=MAGAZYN1",
     "NazwyLinii(224)=MAGAZYN1; Linie(1,8)=224",
     "Nazwa: <MAGAZYN1> została dopisana na pozycji: 224"},
    {"Form4", "pierwsze wolne miejsce",
     "NazwyLinii(224..255)=<nn %1>; NazwyLinii(224)=<nn 240>; NazwyLinii(225)=ABC",
     "Combo2~ŁAŹNIA; Command2", "NazwyLinii(226)=ŁAŹNIA",
     "Nazwa: <ŁAŹNIA> została dopisana na pozycji: 226"},
    {"Form4", "brak wolnego miejsca", "NazwyLinii(224..255)=N%1", "Combo2~NOWA; Command2", "",
     "Wszystkie nietypowe nazwy (32) są używane. Aby wpisać nową usuń najpierw jedną z nich."},
    {"Form4", "znaki spoza strony kodowej", "NazwyLinii(224..255)=<nn %1>", "Combo2~KOT→; Command2",
     "",
     "Nazwa: <KOT→> zawiera znaki, których nie można zapisać w centralce (strona kodowa "
     "Windows-1250). Nazwa nie została dopisana."},
    {"Form4", "usunięcie pierwszej z dwóch", "NazwyLinii(240)=SZAFA; NazwyLinii(250)=SZAFA",
     "Combo2~SZAFA; Command3", "NazwyLinii(240)=<nn 240>",
     "Nazwa: <SZAFA> została usunięta z pozycji: 240 listy."},
    {"Form4", "usunięta nazwa linii", "NazwyLinii(224)=ZAPLECZE; Linie(1,8)=224",
     "Combo2?ZAPLECZE; Command3; Combo1=02; Combo1=01; Combo2?<nn 224>; zapisz",
     "NazwyLinii(224)=<nn 224>", "Nazwa: <ZAPLECZE> została usunięta z pozycji: 224 listy."},
    {"Form4", "usunięcie typowej", "", "Combo2~TARAS; Command3", "",
     "Nazwa: <TARAS> występuje na liście nazw typowych. Usunięcie jej jest niemożliwe. Można "
     "usunąć tylko nazwy nietypowe (pozycje listy>223)."},
    {"Form4", "usunięcie nieznanej", "", "Combo2~taras; Command3", "",
     "Nazwa: <taras> nie występuje na liście nazw nietypowych. Usunięcie jej jest niemożliwe."},
    {"Form4", "zapis nazwy spoza listy", "", "Combo2~taras; Command5", "",
     "Nazwa: <taras> nie występuje na liście nazw. Wybierz ją z listy lub dopisz przyciskiem "
     "\"Dodaj do listy\". Zmiany nie zostały zapisane."},

    // The output editor.
    {"Form8", "pola i OC-01", "WyjOC(1,2..3)=192,6; WyjOC(1,14..20)=2,0,0,0,0,0,0x80",
     "Combo1#OC-01..16|Pk-01..02; Combo2#NO|NC; Combo3#0..9; Combo4#Automatyczne|Ręczne; "
     "Combo5#0..9; Combo6#0..9; Combo1?OC-01; Frame2?ukryta; Combo2?NO; Combo3?6; "
     "List1#02 - sabotaż w dowolnej linii|56 - OCHRONA; "
     "List2#01 - alarm w dowolnej linii|11 - alarm w strefie nr. 1|12..55",
     ""},
    {"Form8", "kontakt i opóźnienie OC", "WyjOC(1,2)=193; WyjOC(3,2..3)=128,200",
     "Combo2?NC; zapisz; Combo1=OC-03; Combo3?; Combo2=NO; Combo3=4; zapisz",
     "WyjOC(1,2)=128; WyjOC(3,2..3)=192,4"},
    {"Form8", "zdarzenia", "WyjOC(3,14..20)=0",
     "Combo1=OC-03; List2:01; Command1; List2:11; Command1; List2:30:dwuklik; List2:44; Command1; "
     "List2:56; Command1; zapisz",
     "WyjOC(3,14..15)=1,4; WyjOC(3,17)=0x20; WyjOC(3,19..20)=8,0x80"},
    {"Form8", "zdarzenia 3..10 i bajty 21..23",
     "WyjOC(3,14..20)=255,255,0,0,0,0,0; WyjOC(3,21..23)=0xEE",
     "Combo1=OC-03; List1#01|02|11..16; zapisz", "WyjOC(3,14..15)=3,0xFC; WyjOC(3,21..23)=0"},
    {"Form8", "Pk ręczne", "WyjPk(2,1..3)=2,7,4; WyjPk(2,21)=0xEE",
     "Combo1=Pk-02; Frame1?ukryta; Combo4?Ręczne; Combo5?ukryta; Label4?ukryta; Combo6?4; "
     "Combo4=Automatyczne; Combo5?ukryta; Combo4=Ręczne; zapisz",
     "WyjPk(2,21)=0"},
    {"Form8", "Pk automatyczne", "WyjPk(1,1..3)=1,3,0",
     "Combo1=Pk-01; Combo4?Automatyczne; Combo5?3; Label4?Czas trwania [min]:; Combo4=Ręczne; "
     "Combo5=8; Combo6=9; zapisz",
     "WyjPk(1,1..3)=2,8,9"},
    {"Form8", "Pk zdarzenie", "WyjPk(2,1)=7; WyjPk(2,19)=0",
     "Combo1=Pk-02; Combo4?Ręczne; List2:44; Command1; zapisz", "WyjPk(2,1)=2; WyjPk(2,19)=8"},
    {"Form8", "wybór wyjścia porzuca zmiany", "WyjOC(2,3)=0; WyjOC(2,14..20)=0",
     "Combo1=OC-02; List2:01; Command1; Combo3=5; Combo1=OC-02; List1#; Combo3?0", ""},

    // The guard control editor.
    {"Form5", "pola i pierwsza kontrola",
     "Kontrole(1..24,2)=24; Kontrole(1,0..7)=0,0,24,0,0,0,0,0x42",
     "Combo1#; Frame1?ukryta; Frame2?ukryta; Combo2#00..24; Combo3#00..59; Combo4#01..10; "
     "Combo5#1..8; Command1; Combo1#1; Combo1?1; Frame1?Czas kontroli:; "
     "Frame2?Wykonujący kontrole:; Combo2?00; Combo3?00; Combo4?01; Combo5?1; List2#01..10; "
     "@Kontrole(1,0)=0; zapisz",
     "Kontrole(1,0..6)=1,1,0,0,1,0,0"},
    {"Form5", "wykaz bez wyboru",
     TRZY_KONTROLE "; Kontrole(5,0..2)=5,1,24; Kontrole(6,0..2)=0,1,8; Kontrole(7,0..2)=200,1,99",
     "Combo1#1|2|3|7; Combo1?; Combo2?; Combo5?; List1#; List2#; Command4; Command5; "
     "Combo1#1|2|3|7",
     ""},
    {"Form5", "liczby spoza list", "Kontrole(4,0..4)=4,0,0,60,11; Kontrole(5,0..4)=5,9,25,59,0",
     "Combo1=4; Combo5?1; Combo2?00; Combo3?; Combo4?; Combo1=5; Combo5?; Combo2?; Combo3?59; "
     "Combo4?01",
     ""},
    {"Form5", "strażnicy i czas", "Kontrole(4,0..7)=4,3,9,15,4,0,0xF0,0x42",
     "Combo1=4; List2:01; Command2; List2:08; Command2; List2:09:dwuklik; List2:10; Command2; "
     "Combo2=23; Combo3=59; Combo4=10; Combo5=8; zapisz",
     "Kontrole(4,1..6)=8,23,59,10,129,3"},
    {"Form5", "wybór porzuca zmiany", TRZY_KONTROLE,
     "Combo1=1; List2:05; Command2; Combo3=44; Combo1=2; Combo1=1; Combo3?00; List1#", ""},
    {"Form5", "usunięcie środkowej", TRZY_KONTROLE,
     "Combo1=2; Command5; @Kontrole(2,0..7)=0,2,24,30,3,1,0,0; Combo1#1|3; Combo1?3; Combo2?07; "
     "Command1; Combo1#1|3|2; Combo1?2; zapisz",
     "Kontrole(2,2)=0"},
    {"Form5", "usunięcie ostatniej i wszystkich", TRZY_KONTROLE,
     "Combo1=3; Command5; Combo1?2; Combo2?12; Command5; Command5; Combo1#; Frame1?ukryta; "
     "Frame2?ukryta; Command5",
     "Kontrole(1..3,0)=0; Kontrole(1..3,2)=24"},
    {"Form5", "najwyżej 24", "Kontrole(1..23,0)=1; Kontrole(1..23,2)=8; Kontrole(24,2)=24",
     "Command1; Combo1?24; Command1; Combo1#1..24; Combo1?24", "",
     "Maksymalna ilość kontroli wynosi 24. Nie można już dodać nowej kontroli"},
    {"Form5", "godzina 24 do zamknięcia", TRZY_KONTROLE,
     "Combo1=1; Combo2=24; zapisz; Combo1#1|2|3; zamknij; otworz; Combo1#2|3", "Kontrole(1,2)=24"},

    // The zone editor; its lists show the two-list picker every editor uses.
    {"Form10", "pola i strefa 1", "Strefy(1,11..15)=0x3C",
     "Combo1#01..10; Combo1?01; List1#; List2#; zapisz", "Strefy(1,11..15)=0"},
    {"Form10", "strefa 10 od 1 i 9", "Strefy(10,14..15)=0",
     "Combo1=10; List2:09:dwuklik; List2:01; Command1; zapisz", "Strefy(10,14..15)=1"},
    {"Form10", "strefa 4", "Strefy(4,14..15)=0xF9,3", "Combo1=04; List1#01; List2#02|03; zapisz",
     "Strefy(4,14..15)=1,0"},
    {"Form10", "usunięcie zależności", "Strefy(3,14)=3", "Combo1=03; List1:01; Command4; zapisz",
     "Strefy(3,14)=2"},
    {"Form10", "wybór porzuca zmiany", "Strefy(3,14)=2",
     "Combo1=03; List2:01; Command1; List1#01|02; Combo1=02; Combo1=03; List1#02; zamknij; otworz; "
     "Combo1?01",
     ""},
    {"Form10", "przenoszenie", "Strefy(10,14..15)=0",
     "Combo1=10; Command1; List1#; List2:05; Command1; Command1; List1#05; List2#01..04|06..09; "
     "List2:09; Command1; List2:02; Command1; List1#02|05|09; List1:05; Command4; Command4; "
     "List1#02|09; List2#01|03..08",
     ""},

    // The automatic arming editor.
    {"Form6", "pola", "AutoUzbr(0..4)=7,5,3,5,2",
     "Combo1#00..24; Combo2#00..59; Combo3#0..10; Combo1?07; Combo2?05; Combo3?3; "
     "List1#01|03|10; List2#02|04..09",
     ""},
    {"Form6", "strefa 10 i godzina 24", "AutoUzbr(0..4)=0,0,0,4,0",
     "List2:10; Command1; Combo1=24; Combo2=59; Combo3=10; zapisz", "AutoUzbr(0..4)=24,59,10,4,2"},
    {"Form6", "żadnej strefy", "AutoUzbr(3..4)=1,2", "List1:01; Command2; List1:10:dwuklik; zapisz",
     "AutoUzbr(3..4)=0"},
    {"Form6", "liczby spoza list", "AutoUzbr(0..2)=25,60,11", "Combo1=00; Combo1=25; zapisz", ""},
    {"Form6", "strefa 9", "AutoUzbr(3..4)=0", "List2:09:dwuklik; zapisz", "AutoUzbr(4)=1"},

    // The keypad and system editor.
    {"Form7", "pola", "CzasKodu=3; CzasBlokady=1; Urzadzenia(0..16)=0; KodyTajne=0; Buzzery=0",
     "Combo1#3..60; Combo2#1..99; List1#; List2#; Option1_0?1; Option1_1?0; Check1_0?0", ""},
    {"Form7", "pokazane",
     "Urzadzenia(1..16)=0,0x31,0,0,0x99,0,0,0,0,0,0,0,0,0,0x3E,0; Buzzery=0x81; KlawFun=5; "
     "KodyTajne=5; CzasKodu=20; CzasBlokady=5",
     "List1#2|5; List2#7; Check1_0?1; Check1_1?0; Check1_7?1; Check2_0?1; Check2_1?0; Check2_2?1; "
     "Check2_3?0; Option1_1?1; Option1_0?0; Combo1?20; Combo2?5",
     ""},
    {"Form7", "własne kody urządzeń",
     "Urzadzenia(1..16)=0,0,0x55,0,0,0,0,0,1,0; KodyTajne=5; KlawFun=0xF2", "zapisz",
     "Urzadzenia(3)=0x32; Urzadzenia(9)=0x38; KodyTajne=1; KlawFun=2"},
    {"Form7", "zmiany", "Buzzery=0; KlawFun=2; KodyTajne=1; CzasKodu=20; CzasBlokady=5",
     "Check1_2=1; Check1_7=1; Check2_1=0; Check2_3=1; Option1_0=1; Combo1=3; Combo2=99; zapisz",
     "Buzzery=0x84; KlawFun=8; KodyTajne=0; CzasKodu=3; CzasBlokady=99"},
};

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
        for (int i = 0; i < int(std::size(Przypadki)); ++i)
            QTest::addRow("%s %s", Przypadki[i].okno, Przypadki[i].nazwa)
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
        Stanowisko s(edytor(QLatin1String(p.okno)), obraz);
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
