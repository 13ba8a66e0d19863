// Takes the screenshots of the guide: the real windows, driven through their menus against the
// simulated panel in virtual time, grabbed into PNG files.
//
//   zr05-zrzuty DIR    (tools/zrzuty.sh runs it and puts the pictures into docs/)

#include "Aplikacja.h"
#include "Module1.h"
#include "PrzechwytKomunikatow.h"
#include "Przewod.h"
#include "Pty.h"
#include "SymulatorCentrali.h"
#include "link/Lacze.h"
#include "main/OknoGlowne.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdio>

using namespace zr05;

namespace
{

QString g_katalog;
int g_bledy = 0;

void blad(const QString& co)
{
    std::fprintf(stderr, "zr05-zrzuty: %s\n", qPrintable(co));
    ++g_bledy;
}

void zrzut(QWidget* w, const char* plik)
{
    if (!w) {
        blad(QStringLiteral("no window for %1").arg(QLatin1String(plik)));
        return;
    }
    w->show();
    w->raise();
    QCoreApplication::processEvents();
    const QString sciezka = QDir(g_katalog).filePath(QLatin1String(plik));
    if (!w->grab().save(sciezka))
        blad(QStringLiteral("cannot write %1").arg(sciezka));
}

struct Stanowisko {
    Module1 m;
    Lacze lacze{m};
    OknoGlowne okno{m, lacze};
    SymulatorCentrali sym;
    Przewod przewod{lacze, sym};

    template <typename T = QWidget> T* okienko(const char* nazwa)
    {
        return okno.findChild<T*>(QLatin1String(nazwa));
    }
    void wyzwol(const char* akcja)
    {
        if (auto* a = okienko<QAction>(akcja))
            a->trigger();
        else
            blad(QStringLiteral("no action %1").arg(QLatin1String(akcja)));
    }
    void czekaj(const std::function<bool()>& warunek, qint64 maksMs, const char* na)
    {
        if (!przewod.runUntil(warunek, maksMs))
            blad(QStringLiteral("timed out waiting for %1").arg(QLatin1String(na)));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    void uplyw(qint64 ms)
    {
        przewod.uplyw(ms);
        QCoreApplication::processEvents();
    }
    void bezczynny(const char* na)
    {
        czekaj([this] { return m.KodOperacji == 0; }, 120000, na);
    }
    void kliknij(QWidget* okienko, const char* przycisk)
    {
        auto* p = okienko ? okienko->findChild<QPushButton*>(QLatin1String(przycisk)) : nullptr;
        if (p)
            QTest::mouseClick(p, Qt::LeftButton);
        else
            blad(QStringLiteral("no button %1").arg(QLatin1String(przycisk)));
    }
    QLineEdit* pole(QWidget* okienko, const char* nazwa)
    {
        auto* t = okienko ? okienko->findChild<QLineEdit*>(QLatin1String(nazwa)) : nullptr;
        if (!t)
            blad(QStringLiteral("no box %1").arg(QLatin1String(nazwa)));
        return t;
    }
    void zaloguj(const char* kod, const char* zdjecie = nullptr)
    {
        wyzwol("mnuKonfLog");
        bezczynny("the block query");
        QWidget* f = okienko("Form3");
        QLineEdit* t = pole(f, "Text1");
        if (!t)
            return;
        QTest::keyClicks(t, QLatin1String(kod));
        if (zdjecie)
            zrzut(f, zdjecie);
        QTest::keyClick(t, Qt::Key_Return);
        bezczynny("the code answer");
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    przygotujAplikacje(app);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    g_katalog = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(g_katalog);

    // A home of its own, so the file window shows the same folder on every machine.
    const QString dom = QStringLiteral("/tmp/zr05-zrzuty/instalator");
    QDir(QStringLiteral("/tmp/zr05-zrzuty")).removeRecursively();
    const QString dokumenty = dom + QStringLiteral("/Dokumenty");
    QDir().mkpath(dokumenty);
    qputenv("HOME", dom.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (dom + QStringLiteral("/.config")).toLocal8Bit());
    QDir().mkpath(dom + QStringLiteral("/.config"));
    QFile xdg(dom + QStringLiteral("/.config/user-dirs.dirs"));
    if (xdg.open(QIODevice::WriteOnly))
        xdg.write("XDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n");
    xdg.close();
    QDir::setCurrent(dokumenty);

    // COM1 is a pseudo-terminal nobody answers on: the panel talks over the in-process wire.
    Pty pty;
    if (!pty.gotowy()) {
        blad(QStringLiteral("no pseudo-terminal"));
        return 1;
    }
    qputenv("ZR05_COM1", pty.sciezkaSlave().toLocal8Bit());

    PrzechwytKomunikatow komunikaty;
    Stanowisko s;
    s.okno.resize(1024, 740);
    zrzut(&s.okno, "start.png");

    s.okienko<QRadioButton>("Option1_1")->click();
    s.kliknij(&s.okno, "Command5");
    s.uplyw(1000);

    s.zaloguj("2222");
    s.zaloguj("3333", "kod.png");

    s.wyzwol("mnuKonfPobierz");
    s.czekaj([&s] { return s.m.KodOperacji >= 20; }, 120000, "half of the download");
    zrzut(s.okienko("Form2"), "pobieranie.png");
    s.bezczynny("the end of the download");

    s.wyzwol("mnuProgLinie");
    zrzut(s.okienko("Form4"), "linie.png");
    if (auto* f = s.okienko("Form4"))
        f->close();

    // One saved file, so the file window has something to show.
    s.wyzwol("mnuKonfZapisz");
    if (auto* t = s.pole(s.okienko("Form12"), "Text1")) {
        QTest::keyClicks(t, QStringLiteral("biuro.vor"));
        s.kliknij(s.okienko("Form12"), "Command1");
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    s.wyzwol("mnuKonfZapisz");
    if (auto* t = s.pole(s.okienko("Form12"), "Text1"))
        QTest::keyClicks(t, QStringLiteral("biuro-po-zmianach.vor"));
    zrzut(s.okienko("Form12"), "plik.png");
    if (auto* f = s.okienko("Form12"))
        f->close();

    s.wyzwol("mnuKonfDruk");
    zrzut(s.okienko("Form11"), "drukowanie.png");
    if (auto* f = s.okienko("Form11"))
        f->close();

    s.wyzwol("mnuHistZda");
    QWidget* archiwum = s.okienko("Form9");
    s.kliknij(archiwum, "Command1");
    if (QLineEdit* pobrano = s.pole(archiwum, "Text2"))
        s.czekaj([pobrano] { return pobrano->text() == QLatin1String("KONIEC"); }, 1800000,
                 "the end of the archive");
    zrzut(archiwum, "archiwum.png");
    if (archiwum)
        archiwum->close();

    s.wyzwol("mnuOn");
    s.uplyw(90000);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    zrzut(&s.okno, "online.png");

    if (!komunikaty.teksty.isEmpty())
        blad(QStringLiteral("unexpected messages: %1").arg(komunikaty.teksty.join(" | ")));
    return g_bledy == 0 ? 0 : 1;
}
