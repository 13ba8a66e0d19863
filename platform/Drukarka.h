#pragma once
// Runs a printout on the default printer. Without a printer the printout goes to a PDF file
// and the user is told where it is.

#include "print/Wydruk.h"

#include <QString>

class QIODevice;
class QPagedPaintDevice;
class QWidget;

namespace zr05
{

class Drukarka
{
public:
    // `nazwa` names the PDF file when there is no printer (without extension).
    static void drukuj(const Wydruk& w, QWidget* rodzic, const QString& nazwa);
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
};

} // namespace zr05
