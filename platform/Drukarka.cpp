#include "Drukarka.h"

#include "Komunikaty.h"
#include "print/Zawijanie.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

namespace zr05
{

namespace
{
QString g_katalogPdf;

// Font substitutions are set up in the main thread, before any painting thread reads them.

// The printouts ask for the Central European Times of the old printers; the metric-compatible
// free serif stands in for it.
void podstawCzcionki()
{
    static const bool zrobione = [] {
        const QString zastepcza = QStringLiteral("Liberation Serif");
        QFont::insertSubstitution(QStringLiteral("Times New Roman CE"), zastepcza);
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), zastepcza);
        return true;
    }();
    (void)zrobione;
}

// Printer position and line state while the operations run.
class Wykonanie
{
public:
    Wykonanie(QPagedPaintDevice& u, QPainter& p) : m_u(u), m_p(p)
    {
        m_czcionka.setFamily(QStringLiteral("Times New Roman CE"));
        m_czcionka.setPointSize(12);
        ustawCzcionke();
    }

    void wykonaj(const OperacjaWydruku& op)
    {
        switch (op.rodzaj) {
        case OperacjaWydruku::Czcionka:
            m_czcionka.setFamily(op.tekst);
            ustawCzcionke();
            break;
        case OperacjaWydruku::Rozmiar:
            if (op.liczba > 0)
                m_czcionka.setPointSize(op.liczba);
            ustawCzcionke();
            break;
        case OperacjaWydruku::Pogrubienie:
            m_czcionka.setBold(op.liczba != 0);
            ustawCzcionke();
            break;
        case OperacjaWydruku::Pozycja:
            m_x = double(op.liczba) * m_u.logicalDpiX() / Wydruk::TwipyNaCal;
            m_wciecie = m_x;
            break;
        case OperacjaWydruku::Tekst:
            pisz(op.tekst);
            break;
        case OperacjaWydruku::Linia:
            pisz(op.tekst);
            koniecLinii();
            break;
        case OperacjaWydruku::KoniecDokumentu:
            break;
        }
    }

private:
    void ustawCzcionke()
    {
        m_p.setFont(m_czcionka);
        m_wysokosc = QFontMetricsF(m_czcionka, &m_u).lineSpacing();
    }
    // Text that would pass the right margin goes on in the next line at the indent of the
    // position last set.
    void pisz(const QString& t)
    {
        if (t.isEmpty())
            return;
        const QFontMetricsF miary(m_czcionka, &m_u);
        const QStringList kawalki =
            zawijaj(t, m_x, m_wciecie, m_p.viewport().width(),
                    [&miary](const QString& s) { return miary.horizontalAdvance(s); });
        for (qsizetype i = 0; i < kawalki.size(); ++i) {
            if (i > 0) {
                m_y += m_wysokosc;
                m_x = m_wciecie;
            }
            rysuj(kawalki[i], miary);
        }
    }
    void rysuj(const QString& t, const QFontMetricsF& miary)
    {
        if (t.isEmpty())
            return;
        // A line that would run below the page starts the next page.
        if (m_y + m_wysokosc > m_p.viewport().height() && m_y > 0) {
            m_u.newPage();
            m_y = 0;
        }
        m_p.drawText(QPointF(m_x, m_y + miary.ascent()), t);
        m_x += miary.horizontalAdvance(t);
    }
    // The page turns when the next text needs room, so blank lines at the foot of a page
    // never open an empty page.
    void koniecLinii()
    {
        m_y += m_wysokosc;
        m_x = 0;
        m_wciecie = 0;
    }

    QPagedPaintDevice& m_u;
    QPainter& m_p;
    QFont m_czcionka;
    double m_x = 0, m_y = 0, m_wysokosc = 0;
    double m_wciecie = 0; // where the current line's text started
};
} // namespace

bool Drukarka::wykonaj(const Wydruk& w, QPagedPaintDevice& urzadzenie)
{
    podstawCzcionki();
    QPainter p;
    if (!p.begin(&urzadzenie))
        return false;
    Wykonanie wyk(urzadzenie, p);
    for (const auto& op : w.operacje())
        wyk.wykonaj(op);
    return p.end();
}

bool Drukarka::doPdf(const Wydruk& w, const QString& sciezka)
{
    QSaveFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly))
        return false;
    if (!doPdf(w, plik)) {
        plik.cancelWriting();
        return false;
    }
    return plik.commit();
}

bool Drukarka::doPdf(const Wydruk& w, QIODevice& urzadzenie)
{
    QPdfWriter pdf(&urzadzenie);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(LewyMarginesMm, 15, PrawyMarginesMm, 15), QPageLayout::Millimeter);
    pdf.setResolution(600);
    return wykonaj(w, pdf);
}

void Drukarka::ustawKatalogPdf(const QString& katalog)
{
    g_katalogPdf = katalog;
}

QString Drukarka::katalogPdf()
{
    if (!g_katalogPdf.isEmpty())
        return g_katalogPdf;
    QString k = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (k.isEmpty() || !QDir().mkpath(k))
        k = QDir::tempPath();
    return k;
}

QString Drukarka::wydrukuj(const Wydruk& w, const QString& katalogPdf, const QString& nazwa)
{
    const QPrinterInfo domyslna = QPrinterInfo::defaultPrinter();
    if (!domyslna.isNull()) {
        QPrinter drukarka(domyslna, QPrinter::HighResolution);
        if (!wykonaj(w, drukarka))
            return QStringLiteral("Drukowanie nie powiodło się: drukarka %1 nie przyjęła "
                                  "wydruku.")
                .arg(domyslna.printerName());
        return QString();
    }
    // A second printout within the same second gets its own file.
    const QDir katalog(katalogPdf);
    const QString rdzen = QStringLiteral("%1_%2").arg(
        nazwa, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss")));
    QString sciezka = katalog.filePath(rdzen + QStringLiteral(".pdf"));
    for (int i = 2; QFileInfo::exists(sciezka); ++i)
        sciezka = katalog.filePath(QStringLiteral("%1_%2.pdf").arg(rdzen).arg(i));
    if (doPdf(w, sciezka))
        return QStringLiteral("Brak drukarki w systemie. Wydruk zapisano do pliku:\n%1")
            .arg(QDir::toNativeSeparators(sciezka));
    return QStringLiteral("Brak drukarki w systemie, a pliku %1 nie można zapisać. Wydruk nie "
                          "został wykonany.")
        .arg(QDir::toNativeSeparators(sciezka));
}

namespace
{
// The printing thread and the count of printouts not yet told. Lives in the main thread.
class Kolejka : public QObject
{
public:
    Kolejka() : m_wWatku(new QObject)
    {
        m_watek.setObjectName(QStringLiteral("drukowanie"));
        m_wWatku->moveToThread(&m_watek);
        m_watek.start(QThread::LowPriority);
        // Before the application goes, so no painting outlives what it paints with.
        connect(qApp, &QCoreApplication::aboutToQuit, this, [] { Drukarka::zaczekaj(); });
    }
    ~Kolejka() override
    {
        m_watek.quit();
        m_watek.wait();
        delete m_wWatku;
    }

    static Kolejka& jedyna()
    {
        static Kolejka* k = new Kolejka; // parented to nothing; ends with the process
        return *k;
    }

    void dodaj(std::function<QString()> praca, QPointer<QWidget> rodzic)
    {
        if (m_wToku++ == 0)
            zmiana(true);
        QMetaObject::invokeMethod(m_wWatku, [this, praca = std::move(praca), rodzic] {
            const QString wynik = praca();
            QMetaObject::invokeMethod(this, [this, wynik, rodzic] { zakonczono(wynik, rodzic); });
        });
    }

    int wToku() const { return m_wToku; }

    void zaczekaj()
    {
        while (m_wToku > 0)
            QCoreApplication::processEvents(
                QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, 50);
    }

    void przyZmianie(QObject* odbiorca, std::function<void(bool)> f)
    {
        m_odbiorcy.append({odbiorca, std::move(f)});
    }

private:
    void zakonczono(const QString& wynik, QPointer<QWidget> rodzic)
    {
        if (!wynik.isEmpty())
            Komunikaty::info(rodzic, wynik);
        if (--m_wToku == 0)
            zmiana(false);
    }
    void zmiana(bool trwa)
    {
        // Printing goes on in the background: the busy cursor says so and still lets the
        // user work.
        if (trwa)
            QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        else
            QGuiApplication::restoreOverrideCursor();
        for (const auto& [odbiorca, f] : m_odbiorcy)
            if (odbiorca)
                f(trwa);
    }

    QThread m_watek;
    QObject* m_wWatku;
    int m_wToku = 0;
    QList<QPair<QPointer<QObject>, std::function<void(bool)>>> m_odbiorcy;
};
} // namespace

void Drukarka::drukuj(const Wydruk& w, QWidget* rodzic, const QString& nazwa)
{
    // The operations are shared, never changed: the copy is the printout as it is now.
    drukuj([w] { return w; }, rodzic, nazwa);
}

void Drukarka::drukuj(std::function<Wydruk()> zbuduj, QWidget* rodzic, const QString& nazwa)
{
    podstawCzcionki();
    Kolejka::jedyna().dodaj([zbuduj = std::move(zbuduj), katalog = katalogPdf(),
                             nazwa] { return wydrukuj(zbuduj(), katalog, nazwa); },
                            rodzic);
}

int Drukarka::wToku()
{
    return Kolejka::jedyna().wToku();
}

void Drukarka::zaczekaj()
{
    Kolejka::jedyna().zaczekaj();
}

void Drukarka::przyZmianie(QObject* odbiorca, std::function<void(bool)> f)
{
    Kolejka::jedyna().przyZmianie(odbiorca, std::move(f));
}

} // namespace zr05
