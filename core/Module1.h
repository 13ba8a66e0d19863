#pragma once
// The program-wide state: one object created by the application and handed to every window.
// Windows read it and forward user actions; they keep no program state of their own.

#include "Elementy.h"
#include "archive/TabeleArchiwum.h"
#include "config/Konfiguracja.h"
#include "tables/TekstyZdarzen.h"

#include <QObject>
#include <QString>
#include <array>

namespace zr05
{

class Module1 : public QObject
{
    Q_OBJECT
public:
    explicit Module1(QObject* parent = nullptr);

    // --- configuration image ---
    Konfiguracja Obraz;
    int KonfigJest = 0;
    QString NazwaPliku;
    // The file the image in memory was last read from or saved to; empty once a download from
    // the panel has replaced it. The printout names it as the configuration's source.
    QString PlikObrazu;
    // Marks the image present and enables what needs it. Called after a complete download
    // and after reading a file, never elsewhere.
    void WpisKonfig();

    // --- name and event tables (filled at construction; Obraz.NazwyLinii holds the line
    // name dictionary) ---
    TabeleTekstow Tabele;

    // --- link state ---
    Bajt KodOperacji = 0;
    Bajt BajtOdpowiedzi = 0;
    qint16 LicznikLacza = 0;
    // Set by the watchdog when no poll came in time, cleared by the next poll. Whatever the
    // status bar shows meanwhile, this is what tells whether the panel is there.
    bool LaczeUtracone = false;
    std::array<Bajt, 6> Zegar{}; // seconds, minutes, hours, day, month, year
    bool ZegarZnany = false;     // the panel has sent its clock (the clock boxes are filled)
    Bajt OstatniStan = 0;        // the system state last reported by message 73
    qint16 OdliczanieKonca = 0;
    int WybranyPort = 0; // Option1 index: 0 = "Praca bez podłączonej centralki", 1..4 = COM1..4

    // --- archive request ---
    std::array<Bajt, 3> DataArchiwum{}; // day, month, two-digit year
    TabeleArchiwum Archiwum;            // downloaded records and their counts

    // --- login ---
    // The packed code, kept only while the code operation (40) is current: it goes out at
    // every request slot until the panel answers.
    std::array<Bajt, 4> KodWprowadzony{};
    qint16 ProbyKodu = 0;
    qint16 BlokadaDostepu = 0;
    bool zalogowanyUzytkownik() const { return m_check1[0]; } // Check1(0) "Użytk./Nadzorca"
    bool zalogowanyInstalator() const { return m_check1[1]; } // Check1(1) "Instalator"
    void ustawCheck1(int indeks, bool wartosc);

    // --- status bar (one line of text) ---
    const QString& status() const { return m_status; }
    void ustawStatus(const QString& tekst);
    void wyczyscStatus() { ustawStatus(QString()); }

    // --- availability of menu items and toolbar buttons ---
    bool dostepny(Element e) const { return m_dostepne[int(e)]; }
    void ustawDostepny(Element e, bool tak);

    // --- on-line view (the lamp, clock and register frames visible) ---
    bool onLine() const { return m_onLine; }
    void ustawOnLine(bool wlaczony);

    // Tell the views that the clock or the image changed (the link and loaders call these).
    void zglosZegar() { emit zegarZmieniony(); }
    void zglosKonfiguracje() { emit konfiguracjaZmieniona(); }

signals:
    void statusZmieniony(const QString& tekst);
    void dostepnoscZmieniona(zr05::Element e, bool dostepny);
    void zalogowanieZmienione();
    void onLineZmieniony(bool wlaczony);
    void zegarZmieniony();
    void konfiguracjaZmieniona();
    // A whole configuration replaced the image (WpisKonfig): windows that show or edit it start
    // again from the new one and never write back what they read from the former.
    void konfiguracjaWczytana();

private:
    QString m_status;
    std::array<bool, int(Element::Liczba)> m_dostepne{};
    bool m_check1[2] = {false, false};
    bool m_onLine = false;
};

} // namespace zr05
