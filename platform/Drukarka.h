#pragma once
// Runs a printout on the default printer. Without a printer the printout goes to a PDF file
// and the user is told where it is. Printouts are painted in a thread of their own, one after
// another in the order given, so the window and the panel's line are never kept waiting; the
// result is told when each is done.

#include "print/Wydruk.h"

#include <QString>
#include <functional>

class QIODevice;
class QObject;
class QPagedPaintDevice;
class QWidget;

namespace zr05
{

class Drukarka
{
public:
    // Queues the printout. `nazwa` names the PDF file when there is no printer (without
    // extension); the result is told over `rodzic` if it is still there.
    static void drukuj(const Wydruk& w, QWidget* rodzic, const QString& nazwa);
    // The same, with the printout built in the printing thread too: `zbuduj` must hold its
    // own copies of whatever it reads.
    static void drukuj(std::function<Wydruk()> zbuduj, QWidget* rodzic, const QString& nazwa);
    // Printouts queued or being painted.
    static int wToku();
    // Waits until every queued printout is done and its result told.
    static void zaczekaj();
    // Called with true when printing starts and with false when the queue is empty again.
    static void przyZmianie(QObject* odbiorca, std::function<void(bool trwa)> f);

    // Writes the printout to a PDF file, put in place only when complete; false when the file
    // cannot be written (an older file of that name then stays as it was).
    static bool doPdf(const Wydruk& w, const QString& sciezka);
    // Writes the printout as PDF to an open device. Needs a QGuiApplication, no widgets.
    static bool doPdf(const Wydruk& w, QIODevice& urzadzenie);
    // Where PDF files go without a printer; empty = the user's documents (or temp) folder.
    static void ustawKatalogPdf(const QString& katalog);
    static QString katalogPdf();
    // The PDF page: A4 with these side margins.
    static constexpr double LewyMarginesMm = 20;
    static constexpr double PrawyMarginesMm = 15;

private:
    static bool wykonaj(const Wydruk& w, QPagedPaintDevice& urzadzenie);
    // Prints or writes the PDF; the message for the user.
    static QString wydrukuj(const Wydruk& w, const QString& katalog, const QString& nazwa);
};

} // namespace zr05
