#include "Drukarka.h"

#include "Komunikaty.h"
#include "print/Zawijanie.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace zr05
{

namespace
{
QString g_katalogPdf;

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

void Drukarka::drukuj(const Wydruk& w, QWidget* rodzic, const QString& nazwa)
{
    const QPrinterInfo domyslna = QPrinterInfo::defaultPrinter();
    if (!domyslna.isNull()) {
        QPrinter drukarka(domyslna, QPrinter::HighResolution);
        if (!wykonaj(w, drukarka))
            Komunikaty::info(rodzic, QStringLiteral("Drukowanie nie powiodło się: drukarka %1 "
                                                    "nie przyjęła wydruku.")
                                         .arg(domyslna.printerName()));
        return;
    }
    // A second printout within the same second gets its own file.
    const QDir katalog(katalogPdf());
    const QString rdzen = QStringLiteral("%1_%2").arg(
        nazwa, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss")));
    QString sciezka = katalog.filePath(rdzen + QStringLiteral(".pdf"));
    for (int i = 2; QFileInfo::exists(sciezka); ++i)
        sciezka = katalog.filePath(QStringLiteral("%1_%2.pdf").arg(rdzen).arg(i));
    if (doPdf(w, sciezka))
        Komunikaty::info(rodzic,
                         QStringLiteral("Brak drukarki w systemie. Wydruk zapisano do pliku:\n%1")
                             .arg(QDir::toNativeSeparators(sciezka)));
    else
        Komunikaty::info(rodzic, QStringLiteral("Brak drukarki w systemie, a pliku %1 nie "
                                                "można zapisać. Wydruk nie został wykonany.")
                                     .arg(QDir::toNativeSeparators(sciezka)));
}

} // namespace zr05
