// The on-line frames of the main window: lamp colours, the state box, the register box with
// the operator's edits, its buttons, and the line lamps' hover text.

#include "Drukarka.h"
#include "Module1.h"
#include "PrzechwytKomunikatow.h"
#include "link/Lacze.h"
#include "link/Ramka.h"
#include "main/OknoGlowne.h"
#include "main/WidokMonitora.h"
#include "tables/NazwyLinii.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace zr05;

namespace
{
QByteArray bajty(char start, std::initializer_list<int> b, const QByteArray& ogon = {})
{
    QByteArray r(1, start);
    for (int x : b)
        r.append(char(x));
    return ramka::zSuma(r + ogon);
}

struct Program {
    Module1 m;
    Lacze lacze{m};
    OknoGlowne okno{m, lacze};
    qint64 czas = 0;

    template <typename T> T* widget(const QString& nazwa) { return okno.findChild<T*>(nazwa); }
    QColor tlo(const QString& nazwa)
    {
        return widget<QLineEdit>(nazwa)->palette().color(QPalette::Base);
    }
    void wyslij(const QByteArray& r)
    {
        czas += 500;
        lacze.odbierz(r, czas);
    }
    QPlainTextEdit* text5() { return widget<QPlainTextEdit>(QStringLiteral("Text5")); }
};

const QColor Bialy(255, 255, 255), Zielony(0, 255, 0), Czerwony(255, 0, 0), Niebieski(0, 128, 255),
    Zolty(255, 255, 0);
} // namespace

class TestMonitor : public QObject
{
    Q_OBJECT
private slots:
    void kolory();
    void lampkiPoRamceC();
    void stanSystemu();
    void rejestrNowaLiniaNaGorze();
    void miejsceOperatora_data();
    void miejsceOperatora();
    void edycjaOperatoraIKolejnaLinia();
    void cofanieNieUsuwaLiniiCentrali();
    void wyczyscRejestr();
    void drukujRejestr();
    void podpowiedzPoRuchuMyszy();
    void bezKonfiguracjiPodpowiedzBezZmian();
    void dlugiRejestr();
};

void TestMonitor::kolory()
{
    QCOMPARE(WidokMonitora::kolor(KolorLampki::Bialy), Bialy);
    QCOMPARE(WidokMonitora::kolor(KolorLampki::Zielony), Zielony);
    QCOMPARE(WidokMonitora::kolor(KolorLampki::Czerwony), Czerwony);
    QCOMPARE(WidokMonitora::kolor(KolorLampki::Niebieski), Niebieski);
    QCOMPARE(WidokMonitora::kolor(KolorLampki::Zolty), Zolty);
    // A line that does not exist is plainly apart from a disarmed one.
    QVERIFY(WidokMonitora::kolor(KolorLampki::Nieczynny).lightness() <= Bialy.lightness() - 64);
}

void TestMonitor::lampkiPoRamceC()
{
    Program p;
    p.wyslij(bajty('D', {0x0F, 0, 0, 0, 0, 0x01, 0, 0, 0, 0}));
    p.wyslij(bajty('A', {0x06, 0, 0, 0, 0, 0x0C, 0, 0, 0, 0}));
    p.wyslij(bajty('B', {0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    // Before the 'C' frame the lamps keep their design colours.
    QCOMPARE(p.tlo(QStringLiteral("Text4_1")), Bialy);
    QCOMPARE(p.tlo(QStringLiteral("Text4_79")), Bialy);
    p.wyslij(bajty('C', {0x01, 0x02, 0x04, 0, 0, 0x02, 0, 0x81, 0x02, 0}));

    QCOMPARE(p.tlo(QStringLiteral("Text4_0")), Bialy);
    QCOMPARE(p.tlo(QStringLiteral("Text4_1")), Zielony);
    QCOMPARE(p.tlo(QStringLiteral("Text4_2")), Czerwony);
    QCOMPARE(p.tlo(QStringLiteral("Text4_3")), Niebieski);
    QCOMPARE(p.tlo(QStringLiteral("Text4_4")), WidokMonitora::kolor(KolorLampki::Nieczynny));
    QCOMPARE(p.tlo(QStringLiteral("Text4_40")), Zielony);
    QCOMPARE(p.tlo(QStringLiteral("Text4_79")), WidokMonitora::kolor(KolorLampki::Nieczynny));

    QCOMPARE(p.tlo(QStringLiteral("Text2_0")), Zielony);
    QCOMPARE(p.tlo(QStringLiteral("Text2_1")), Zielony);
    QCOMPARE(p.tlo(QStringLiteral("Text2_2")), Zolty);
    QCOMPARE(p.tlo(QStringLiteral("Text2_3")), Bialy);
    QCOMPARE(p.tlo(QStringLiteral("Text2_9")), Zielony);
    // The legend keeps its colours.
    QCOMPARE(p.tlo(QStringLiteral("Text2_12")), Zolty);
    QCOMPARE(p.tlo(QStringLiteral("Text8_2")), Czerwony);
    QCOMPARE(p.tlo(QStringLiteral("Text8_4")), WidokMonitora::kolor(KolorLampki::Nieczynny));

    QCOMPARE(p.tlo(QStringLiteral("Text3_0")), Czerwony);
    QCOMPARE(p.tlo(QStringLiteral("Text3_1")), Bialy);
    QCOMPARE(p.tlo(QStringLiteral("Text3_7")), Czerwony);
    QCOMPARE(p.tlo(QStringLiteral("Text3_9")), Czerwony);
    p.m.ustawOnLine(true);
    p.okno.show();

    // A 'C' with a bad checksum repaints nothing.
    QByteArray zla = bajty('C', {0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    zla[11] = char(zla[11] + 1);
    p.wyslij(zla);
    QCOMPARE(p.tlo(QStringLiteral("Text2_0")), Zielony);
    QCOMPARE(p.tlo(QStringLiteral("Text3_0")), Czerwony);
    p.wyslij(bajty('C', {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(p.tlo(QStringLiteral("Text2_0")), Bialy);
    QCOMPARE(p.tlo(QStringLiteral("Text3_0")), Bialy);
}

void TestMonitor::stanSystemu()
{
    Program p;
    auto* text6 = p.widget<QLineEdit>(QStringLiteral("Text6"));
    QCOMPARE(text6->text(), QStringLiteral("STAN SYSTEMU"));
    p.wyslij(bajty('@', {73, 2}));
    QCOMPARE(text6->text(), QStringLiteral("SYSTEM CZĘŚĆ. UZBR."));
    p.wyslij(bajty('@', {38, 0}));
    QCOMPARE(text6->text(), QStringLiteral("KONFIGURACJA SYSTEMU"));
    p.wyslij(bajty('@', {73, 0}));
    QCOMPARE(text6->text(), QStringLiteral("SYSTEM ROZBROJONY"));
}

void TestMonitor::rejestrNowaLiniaNaGorze()
{
    Program p;
    p.wyslij(bajty('@', {193, 26, 12, 6, 8, 3, 0}));
    QCOMPARE(p.widget<QLineEdit>(QStringLiteral("Text1_2"))->text(), QStringLiteral("08"));
    p.wyslij(bajty('@', {1, 3, 12, 7, 5}));
    p.wyslij(bajty('@', {37}));
    QCOMPARE(p.text5()->toPlainText(),
             QStringLiteral("08:03 Kasowanie alarmów\n07:05    ALARM z linii: 12 w strefie: 3\n"));
    QCOMPARE(
        p.okno.zdarzenia().rejestr().tekst(),
        QStringLiteral("08:03 Kasowanie alarmów\r\n07:05    ALARM z linii: 12 w strefie: 3\r\n"));
}

void TestMonitor::miejsceOperatora_data()
{
    QTest::addColumn<bool>("przewiniety");
    QTest::newRow("cursor and view at the top") << false;
    QTest::newRow("scrolled down to read") << true;
}

void TestMonitor::miejsceOperatora()
{
    QFETCH(bool, przewiniety);
    Program p;
    p.m.ustawOnLine(true);
    p.okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.okno));
    const auto linie = [&p](int od, int ile) {
        for (int i = od; i < od + ile; ++i)
            p.okno.zdarzenia().Komunikat(bajty('@', {1, 1, 1 + i % 80, i / 60 % 24, i % 60}));
    };
    linie(0, 60);
    auto* t5 = p.text5();
    QScrollBar* pasek = t5->verticalScrollBar();
    QVERIFY(pasek->maximum() > 30);
    t5->setFocus();
    QCOMPARE(t5->textCursor().position(), 0);
    QCOMPARE(pasek->value(), 0);
    if (przewiniety)
        pasek->setValue(20);
    const auto gornaLinia = [t5] { return t5->cursorForPosition(QPoint(2, 2)).block().text(); };
    const QString widoczna = gornaLinia();
    linie(60, 30);
    if (przewiniety) {
        QCOMPARE(gornaLinia(), widoczna);
        return;
    }
    QVERIFY(gornaLinia().startsWith(QStringLiteral("01:29    ALARM z linii: 10")));
    QCOMPARE(pasek->value(), 0);
    QCOMPARE(t5->textCursor().position(), 0);
    // The arrow key goes from the newest line to the next one.
    QTest::keyClick(t5, Qt::Key_Down);
    QCOMPARE(t5->textCursor().blockNumber(), 1);
    QCOMPARE(pasek->value(), 0);
}

void TestMonitor::edycjaOperatoraIKolejnaLinia()
{
    Program p;
    p.wyslij(bajty('@', {1, 3, 12, 7, 5}));
    auto* t5 = p.text5();
    t5->setFocus();
    QTextCursor k = t5->textCursor();
    k.movePosition(QTextCursor::End);
    t5->setTextCursor(k);
    QTest::keyClicks(t5, QStringLiteral("sprawdzone"));
    QCOMPARE(p.okno.zdarzenia().rejestr().tekst(),
             QStringLiteral("07:05    ALARM z linii: 12 w strefie: 3\r\nsprawdzone"));
    // The next line goes in front of what the operator left.
    p.wyslij(bajty('@', {2, 35, 7, 6}));
    QCOMPARE(t5->toPlainText(), QStringLiteral("07:06    ALARM błąd transmisji\n"
                                               "07:05    ALARM z linii: 12 w strefie: 3\n"
                                               "sprawdzone"));
    QCOMPARE(p.okno.zdarzenia().rejestr().tekst(),
             QStringLiteral("07:06    ALARM błąd transmisji\r\n"
                            "07:05    ALARM z linii: 12 w strefie: 3\r\nsprawdzone"));
    // The operator's cursor stays in the text they were editing.
    QVERIFY(t5->textCursor().position() > 0);
}

void TestMonitor::cofanieNieUsuwaLiniiCentrali()
{
    Program p;
    auto* t5 = p.text5();
    t5->setFocus();
    QTest::keyClicks(t5, QStringLiteral("notatka"));
    p.wyslij(bajty('@', {1, 3, 12, 7, 5}));
    const QString poLinii = t5->toPlainText();
    QCOMPARE(poLinii, QStringLiteral("07:05    ALARM z linii: 12 w strefie: 3\nnotatka"));
    t5->undo();
    QCOMPARE(t5->toPlainText(), poLinii);
    QCOMPARE(p.okno.zdarzenia().rejestr().tekst(),
             QStringLiteral("07:05    ALARM z linii: 12 w strefie: 3\r\nnotatka"));
    // The operator's own later edits can still be undone, and the register follows.
    QTextCursor k = t5->textCursor();
    k.movePosition(QTextCursor::End);
    t5->setTextCursor(k);
    QTest::keyClicks(t5, QStringLiteral("!"));
    QVERIFY(p.okno.zdarzenia().rejestr().tekst().endsWith(QStringLiteral("notatka!")));
    t5->undo();
    QCOMPARE(t5->toPlainText(), poLinii);
    QVERIFY(p.okno.zdarzenia().rejestr().tekst().endsWith(QStringLiteral("notatka")));
}

void TestMonitor::wyczyscRejestr()
{
    Program p;
    p.wyslij(bajty('@', {1, 3, 12, 7, 5}));
    p.wyslij(bajty('@', {1, 3, 13, 7, 6}));
    QTest::mouseClick(p.widget<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(p.text5()->toPlainText().isEmpty());
    QVERIFY(p.okno.zdarzenia().rejestr().tekst().isEmpty());
    p.wyslij(bajty('@', {1, 3, 14, 7, 7}));
    QCOMPARE(p.text5()->toPlainText(), QStringLiteral("07:07    ALARM z linii: 14 w strefie: 3\n"));
}

void TestMonitor::drukujRejestr()
{
    QTemporaryDir katalog;
    Drukarka::ustawKatalogPdf(katalog.path());
    PrzechwytKomunikatow przechwyt;
    Program p;
    p.okno.monitor().ustawZegarKomputera(
        [] { return QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)); });
    p.wyslij(bajty('@', {1, 3, 12, 7, 5}));
    QTest::mouseClick(p.widget<QPushButton>(QStringLiteral("Command10")), Qt::LeftButton);
    Drukarka::zaczekaj();
    Drukarka::ustawKatalogPdf(QString());
    QCOMPARE(p.okno.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(przechwyt.teksty.size(), 1);
    const QStringList pliki = QDir(katalog.path()).entryList({QStringLiteral("*.pdf")});
    QCOMPARE(pliki.size(), 1);
    QVERIFY(przechwyt.teksty[0].contains(pliki[0]));
}

void TestMonitor::podpowiedzPoRuchuMyszy()
{
    Program p;
    auto& L = p.m.Obraz.Linie[7];
    L[2] = 0x22;
    L[3] = 3;
    L[6] = 30;
    L[7] = 20;
    L[8] = 29;
    L[13] = 1;
    p.m.KonfigJest = 1;
    auto* lampka = p.widget<QLineEdit>(QStringLiteral("Text4_6"));
    QMouseEvent ruch(QEvent::MouseMove, QPointF(3, 3), lampka->mapToGlobal(QPointF(3, 3)),
                     Qt::NoButton, Qt::NoButton, Qt::ShiftModifier);
    QApplication::sendEvent(lampka, &ruch);
    QCOMPARE(lampka->toolTip(),
             QStringLiteral("Linia nr:07 - BIURO Strefa:02 3-st Czuł:500ms  Al:3 LINIA OPÓŹN.:  "
                            "Op. We=30[s], Op. Wy=20[s]"));
    // The text follows the image at the next move.
    L[7] = 45;
    QApplication::sendEvent(lampka, &ruch);
    QVERIFY(lampka->toolTip().endsWith(QStringLiteral("Op. Wy=45[s]")));
    // Other lamps are not touched.
    QVERIFY(p.widget<QLineEdit>(QStringLiteral("Text4_7"))->toolTip().isEmpty());
}

void TestMonitor::bezKonfiguracjiPodpowiedzBezZmian()
{
    Program p;
    p.m.Obraz.Linie[1][2] = 4;
    auto* lampka = p.widget<QLineEdit>(QStringLiteral("Text4_0"));
    lampka->setToolTip(QStringLiteral("dawna"));
    QMouseEvent ruch(QEvent::MouseMove, QPointF(2, 2), lampka->mapToGlobal(QPointF(2, 2)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    for (int konfig : {0, 2}) {
        p.m.KonfigJest = konfig;
        QApplication::sendEvent(lampka, &ruch);
        QCOMPARE(lampka->toolTip(), QStringLiteral("dawna"));
    }
}

void TestMonitor::dlugiRejestr()
{
    Program p;
    QElapsedTimer t;
    t.start();
    constexpr int Linii = 5000;
    for (int i = 0; i < Linii; ++i)
        p.okno.zdarzenia().Komunikat(bajty('@', {1, 1 + i % 10, 1 + i % 80, i / 60 % 24, i % 60}));
    const qint64 ms = t.elapsed();
    qInfo("%d register lines added in %lld ms", Linii, ms);
    QCOMPARE(p.text5()->document()->blockCount(), Linii + 1);
    QVERIFY(p.text5()->toPlainText().startsWith(
        QStringLiteral("11:19    ALARM z linii: 40 w strefie: 10\n")));
    QCOMPARE(p.okno.zdarzenia().rejestr().tekst().count(QStringLiteral("\r\n")), Linii);
    QVERIFY2(ms < 20000, qPrintable(QString::number(ms)));
}

QTEST_MAIN(TestMonitor)
#include "tst_monitor.moc"
