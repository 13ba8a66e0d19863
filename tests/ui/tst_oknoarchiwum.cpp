// The archive window and the download it starts: its lists and defaults, one window whose
// option is the download's, the request it sends, answers stored frame by frame (ends, stops,
// late answers, the full table, an upload taking over), the options held while a download
// runs, the view of the chosen range, and the printout.

#include "Drukarka.h"
#include "PrzechwytKomunikatow.h"
#include "RamkiArchiwum.h"
#include "StanowiskoLacza.h"
#include "access/Przesylanie.h"
#include "archive/OknoArchiwum.h"
#include "archive/PobieranieArchiwum.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace zr05;
using namespace zr05::ramkiArchiwum;

namespace
{
const char* const Zakonczone = "Pobieranie archiwum z centralki zakończone.";
const char* const Trwa = "Pobieranie archiwum z centralki.";
const char* const Pelna = "Pobieranie archiwum zatrzymane po 1025 rekordach - tyle mieści "
                          "program; dalszych rekordów nie pobrano.";
const char* const Pytanie = "?";

// Steps: - logged out, W0 / W1 an upload running and its question answered no / yes; C "Pobierz"
// (from 2025-03-01); F a full answer at a slot, F* full answers while asked for, E<n> n records
// and the end record, ! a full answer with a bad sum, L a full answer arriving late (no slot),
// K<n> a late end record after n records, R answers of wrong lengths, P "Przerwij", Z the window
// closed, U an upload taking the link over.
const struct {
    const char* nazwa;
    bool alarmy;
    const char* kroki;
    int zapisane, ilosc;  // records in the table, and the count the range is shown from
    const char* liczniki; // how the counter box texts end
    int kodPo;
    const char* status;              // after the archive's name; none: the status line untouched
    int zakonczone;                  // -1: not counted
    const char* komunikat = nullptr; // the message shown, Pytanie a question
} Pobrania[] = {
    {"events: end at once", false, "C E0", 0, 0, ",KONIEC", 0, Zakonczone, 1},
    {"alarms: end at once", true, "C E0", 0, 0, ",KONIEC", 0, Zakonczone, 1},
    {"events: 3 full, 5 more", false, "C F F F E5", 53, 53, ",16,32,48,KONIEC", 0, Zakonczone, 1},
    {"alarms: 3 full, 5 more, Przerwij", true, "C F F F E5 P", 53, 53, ",16,32,48,KONIEC", 0,
     Zakonczone, 1},
    {"Przerwij after 3 full", false, "C F F F P", 48, 48, ",16,32,48", 0, Zakonczone, 0},
    // An answer to a request already sent still arrives, and goes to the archive it was for.
    {"events: late answer after Przerwij", false, "C F P L", 32, 16, ",16,32", 0, Zakonczone, 0},
    {"alarms: late answer after Przerwij", true, "C F P L", 32, 16, ",16,32", 0, Zakonczone, 0},
    {"alarms: late answer after closing", true, "C F Z L", 32, 16, ",16,32", 0, Zakonczone, 0},
    {"bad sum: asked again", false, "C F !", 16, 0, ",16", 47, Trwa, 0},
    {"wrong lengths dropped", false, "C R", 0, 0, "", 47, Trwa, 0},
    // An upload started since ends the download; "Przerwij" leaves the upload running.
    {"taken over by an upload", false, "C F U K1 P", 17, 17, ",16,KONIEC", 70, Zakonczone, 1},
    {"late end during an upload", false, "C F U K1", 17, 17, ",16,KONIEC", 70, Trwa, 1},
    // 64 full answers fill 0..1023; the 65th has room for one record, and no more is asked.
    {"events: 1025 at most", false, "C F*", 1025, 1025, ",1008,1024,KONIEC", 0, Pelna, 1},
    {"alarms: late answers to a full table", true, "C F* L K3", 1025, 1025, "KONIEC", 0, Pelna, -1},
    {"logged out", true, "- C", 0, 40, "", 0, nullptr, 0,
     "Nie zalogowany użytkownik. Operacja nie może być wykonana."},
    {"upload running, Cancel", false, "W0 C", 0, 40, "", 70, nullptr, 0, Pytanie},
    {"upload running, OK", false, "W1 C F E9", 25, 25, ",16,KONIEC", 0, Zakonczone, 1, Pytanie},
};

struct Scena : StanowiskoLacza {
    Przesylanie przesylanie{m, lacze};
    PobieranieArchiwum pobieranie{m, lacze};
    QWidget glowne;
    QPointer<OknoArchiwum> f;

    explicit Scena(bool alarmy = false)
    {
        m.ustawCheck1(0, true);
        f = pokazOknoArchiwum(m, pobieranie, przesylanie, alarmy, &glowne);
    }
    template <typename T = QWidget> T* k(const QString& nazwa) { return f->findChild<T*>(nazwa); }
    QRadioButton* opcja(int i) { return k<QRadioButton>(QStringLiteral("Option1_%1").arg(i)); }
    QComboBox* pole(int ktory, int i)
    {
        return k<QComboBox>(QStringLiteral("Combo%1_%2").arg(ktory).arg(i));
    }
    void ustaw(int ktory, const QString& pola)
    {
        const QStringList p = pola.split(' ');
        for (int i = 0; i < 5; ++i)
            pole(ktory, i)->setCurrentText(p[i]);
    }
    void kliknij(const char* nazwa) { QTest::mouseClick(k<QPushButton>(nazwa), Qt::LeftButton); }
    QString licznik() { return k<QLineEdit>(QStringLiteral("Text2"))->text(); }
    QStringList widok()
    {
        return k<QPlainTextEdit>(QStringLiteral("Text1"))
            ->toPlainText()
            .split('\n', Qt::SkipEmptyParts);
    }
};

} // namespace

class TestOknoArchiwum : public QObject
{
    Q_OBJECT

private slots:
    // The range lists run from 2000-01-01 00:00 to the computer's clock; the option is the
    // download's; asked again the one window keeps what it shows, and a closed one stops the
    // download and comes back with its defaults.
    void polaIOpcja()
    {
        Scena s;
        const QDateTime teraz = QDateTime::currentDateTime();
        const int od[5] = {2000, 1, 1, 0, 0}, ile[5] = {100, 12, 31, 24, 60};
        const QStringList doKiedy = teraz.toString(QStringLiteral("yyyy MM dd HH mm")).split(' ');
        for (int i = 0; i < 5; ++i) {
            for (int ktory : {1, 2}) {
                QComboBox* c = s.pole(ktory, i);
                QCOMPARE(c->count(), ile[i]);
                QVERIFY(!c->isEditable());
                for (int j = 0; j < ile[i]; ++j)
                    QCOMPARE(c->itemText(j),
                             QString::number(od[i] + j).rightJustified(i ? 2 : 4, '0'));
            }
            QCOMPARE(s.pole(1, i)->currentIndex(), 0);
            if (i < 3) // the minute may have turned meanwhile
                QCOMPARE(s.pole(2, i)->currentText(), doKiedy[i]);
        }
        QVERIFY(s.opcja(0)->isChecked() && !s.pobieranie.alarmy());
        QTest::mouseClick(s.opcja(1), Qt::LeftButton);
        QVERIFY(s.pobieranie.alarmy());
        s.pobieranie.ustawAlarmy(false);
        QVERIFY(s.opcja(0)->isChecked());

        QCOMPARE(pokazOknoArchiwum(s.m, s.pobieranie, s.przesylanie, true, &s.glowne), s.f.data());
        QCOMPARE(pokazOknoArchiwum(s.m, s.pobieranie, s.przesylanie, false, &s.glowne), s.f.data());
        QCOMPARE(s.f->windowTitle(), QStringLiteral("Historia alarmów"));
        QVERIFY(s.opcja(1)->isChecked());
        s.kliknij("Command1");
        s.pobieranie.rekordy(pelna(0));
        s.m.ustawStatus(QStringLiteral("HISTORIA ALARMÓW"));
        s.f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(s.f.isNull());
        QCOMPARE(s.m.status(), QString());
        QCOMPARE(s.m.KodOperacji, 0);
        s.f = pokazOknoArchiwum(s.m, s.pobieranie, s.przesylanie, false, &s.glowne);
        QCOMPARE(s.f->windowTitle(), QStringLiteral("Archiwum zdarzeń i alarmów"));
        QVERIFY(s.opcja(0)->isChecked());
    }

    void pobieranie_data() { wierszeTabeli(Pobrania); }
    void pobieranie()
    {
        const auto& w = wiersz(Pobrania);
        Scena s(w.alarmy);
        TabeleArchiwum& a = s.m.Archiwum;
        // Left from earlier downloads: the new one starts its own archive from 0 and leaves
        // the other one alone.
        a.IloscZda = a.IloscAla = 40;
        a.LicznikZda = a.LicznikAla = 32;
        s.ustaw(1, QStringLiteral("2025 03 01 00 00"));
        s.m.ustawStatus(tekst::HistoriaAlarmow);
        QStringList liczniki;
        connect(&s.pobieranie, &PobieranieArchiwum::licznikZmieniony,
                [&](const QString& t) { liczniki << t; });
        QSignalSpy zakonczone(&s.pobieranie, &PobieranieArchiwum::zakonczone);
        PrzechwytKomunikatow k(!QByteArray(w.kroki).startsWith("W0"));
        int nastepny = 0; // the number of the next record the panel sends
        for (const QString& krok : QString::fromLatin1(w.kroki).split(' ')) {
            do {
                if (krok == "F" || krok == "F*" || krok == "!" || krok[0] == 'E')
                    s.graj(QStringLiteral("+200 S"));
                if (krok == "-") {
                    s.m.ustawCheck1(0, false);
                    QVERIFY(s.pobieranie.pobierz(1, 3, 25)); // refused below the window too
                } else if (krok[0] == 'W') {
                    s.m.KodOperacji = 70;
                } else if (krok == "C") {
                    s.kliknij("Command1");
                    QVERIFY(!QApplication::overrideCursor());
                    // The request for the archive and the day chosen goes at the next slot.
                    if (s.pobieranie.trwa()) {
                        s.graj(QStringLiteral("| S"));
                        QCOMPARE(s.odbierzWyslane(),
                                 ramka::zSuma(QByteArray::fromHex(w.alarmy ? "37b202010319"
                                                                           : "37b201010319")));
                    }
                } else if (krok == "R") {
                    s.pobieranie.rekordy(QByteArray(40, char(255)));
                    s.pobieranie.rekordy(QByteArray());
                } else if (krok == "P") {
                    s.kliknij("Command4");
                } else if (krok == "Z") {
                    s.pobieranie.oknoZamkniete();
                } else if (krok == "U") {
                    s.graj(QStringLiteral("=70 P"));
                    QVERIFY(!s.pobieranie.trwa());
                } else if (krok == "!") {
                    QByteArray r = pelna(nastepny);
                    r[40] = char(r[40] + 1);
                    s.odbierz(r);
                } else if (krok[0] == 'E' || krok[0] == 'K') {
                    s.odbierz(zKoncem(nastepny, krok.mid(1).toInt()));
                } else {
                    s.odbierz(pelna(nastepny));
                    nastepny += 16;
                }
            } while (krok == "F*" && s.m.KodOperacji == PobieranieArchiwum::Nastepne);
        }
        const bool al = w.alarmy;
        const auto& tabela = al ? a.RekAla : a.RekZda;
        for (int i = 0; i < w.zapisane; ++i)
            QVERIFY2(tabela[i] == rekordNr(i), qPrintable(QString::number(i)));
        if (w.zapisane < TabeleArchiwum::LiczbaRekordow)
            QCOMPARE(tabela[w.zapisane], TabeleArchiwum::Rekord{}); // nothing of the end record
        QCOMPARE(al ? a.IloscAla : a.IloscZda, w.ilosc);
        // The other archive lies right behind: a record past the end would land in it.
        const auto& inna = al ? a.RekZda : a.RekAla;
        QVERIFY(std::all_of(inna.begin(), inna.end(), [](const TabeleArchiwum::Rekord& r) {
            return r == TabeleArchiwum::Rekord{};
        }));
        QCOMPARE(al ? a.IloscZda : a.IloscAla, 40);
        QCOMPARE(al ? a.LicznikZda : a.LicznikAla, 32);
        QCOMPARE(liczniki.join(',').right(qstrlen(w.liczniki)), QLatin1String(w.liczniki));
        QCOMPARE(s.licznik(), liczniki.isEmpty() ? QString() : liczniki.last());
        QCOMPARE(s.m.KodOperacji, Bajt(w.kodPo));
        QCOMPARE(s.m.status(),
                 w.status ? QStringLiteral("HISTORIA %1. %2")
                                .arg(al ? "ALARMÓW" : "ZDARZEŃ", QString::fromUtf8(w.status))
                          : tekst::HistoriaAlarmow);
        if (w.zakonczone >= 0)
            QCOMPARE(zakonczone.count(), w.zakonczone);
        if (w.komunikat == Pytanie)
            QCOMPARE(k.pytania, QList<bool>{true});
        else
            QCOMPARE(k.teksty,
                     w.komunikat ? QStringList{QString::fromUtf8(w.komunikat)} : QStringList());
        // The view shows what came when the download ends, nothing while it runs or is stopped.
        QCOMPARE(s.widok().size(), zakonczone.count() ? w.ilosc : 0);
        const bool trwa = s.pobieranie.trwa();
        QCOMPARE(trwa, w.kodPo == PobieranieArchiwum::Nastepne);
        // The option is held while the download runs.
        QCOMPARE(s.opcja(0)->isEnabled(), !trwa);
        QCOMPARE(s.opcja(1)->isEnabled(), !trwa);
        QCOMPARE(s.pobieranie.ustawAlarmy(!al), !trwa);
        if (w.kodPo == 0) {
            s.graj(QStringLiteral("| S"));
            QCOMPARE(s.wyslane, QByteArray()); // nothing more is asked for
        }
    }

    // "Wyświetl" shows the chosen archive within the range, only when asked; "Drukuj" prints it.
    void widokIWydruk()
    {
        Scena s;
        s.m.Archiwum.RekZda[0] = {25, 1, 2, 3, 4, 128, 0, 0};
        s.m.Archiwum.RekAla[0] = {25, 1, 2, 3, 5, 8, 7, 0};
        s.m.Archiwum.RekAla[1] = {25, 1, 2, 3, 6, 8, 8, 0}; // not part of the last download
        s.m.Archiwum.IloscZda = s.m.Archiwum.IloscAla = 1;
        s.kliknij("Command2");
        QCOMPARE(s.widok(), QStringList{"25-01-02  03:04  ZDARZENIE: INSTALATOR      "});
        QTest::mouseClick(s.opcja(1), Qt::LeftButton);
        QCOMPARE(s.widok(), QStringList{"25-01-02  03:04  ZDARZENIE: INSTALATOR      "});
        s.kliknij("Command2");
        QCOMPARE(s.widok(), QStringList{"25-01-02  03:05  ALARM: NAPAD z Klaw-07 "});
        s.ustaw(1, QStringLiteral("2025 01 02 03 06"));
        s.kliknij("Command2");
        QVERIFY(s.widok().isEmpty());
        s.ustaw(1, QStringLiteral("2025 01 02 03 04"));
        s.ustaw(2, QStringLiteral("2025 01 02 03 04"));
        s.kliknij("Command2");
        QVERIFY(s.widok().isEmpty());
        s.ustaw(2, QStringLiteral("2025 01 02 03 05"));
        s.ustaw(1, QStringLiteral("2025 01 02 03 05"));

        QTemporaryDir katalog;
        Drukarka::ustawKatalogPdf(katalog.path());
        PrzechwytKomunikatow k;
        s.kliknij("Command3");
        Drukarka::zaczekaj();
        Drukarka::ustawKatalogPdf(QString());
        const QStringList pliki = QDir(katalog.path()).entryList({QStringLiteral("*.pdf")});
        QCOMPARE(pliki.size(), 1);
        QCOMPARE(k.teksty.size(), 1);
        QProcess p;
        p.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), katalog.filePath(pliki[0]), QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QString tekst = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(tekst.contains(QStringLiteral("WYDRUK ARCHIWUM ALARMÓW Z CENTRALI VOR ZR-05")) &&
                     tekst.contains(QStringLiteral("NAPAD z Klaw-07")),
                 qPrintable(tekst));
    }
};

QTEST_MAIN(TestOknoArchiwum)
#include "tst_oknoarchiwum.moc"
