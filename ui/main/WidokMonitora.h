#pragma once
// Shows the monitoring state of the core in the on-line frames: lamp colours after each 'C'
// frame, the system state box, the register and its two buttons, and the line lamps' hover
// text. It keeps no state of its own beyond what the widgets show.

#include "Module1.h"
#include "link/Lampki.h"
#include "link/ZdarzeniaCentrali.h"

#include <QColor>
#include <QDateTime>
#include <QObject>
#include <array>
#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace zr05
{

class WidokMonitora : public QObject
{
    Q_OBJECT
public:
    // `okno` holds the on-line frames (found by their controls' names).
    WidokMonitora(Module1& m, ZdarzeniaCentrali& zdarzenia, LampkiStanu& lampki, QWidget* okno);

    static QColor kolor(KolorLampki k);
    // The computer's clock for the register printout; tests set a fixed one.
    void ustawZegarKomputera(std::function<QDateTime()> zegar) { m_zegar = std::move(zegar); }

    void wyczyscRejestr(); // "Wyczyść rejestr"
    void drukujRejestr();  // "Drukuj rejestr"

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void pokazLampki();
    void dodajLinijke(const QString& linijka);
    void kursorNaPoczatek();
    void zwolnijUkladPodWidokiem();
    void tekstZmieniony();

    Module1& m;
    ZdarzeniaCentrali& m_zdarzenia;
    LampkiStanu& m_lampki;
    QWidget* m_okno;
    std::array<QLineEdit*, 80> m_lampkiLinii{};
    std::array<QLineEdit*, 10> m_lampkiStref{};
    std::array<QLineEdit*, 10> m_lampkiAlarmow{};
    QLineEdit* m_stanSystemu = nullptr;
    QPlainTextEdit* m_rejestr = nullptr;
    bool m_wpisujeProgram = false; // the change of m_rejestr is the program's, not the operator's
    bool m_kursorDoGory = false;   // the hidden box's cursor goes to the top when it is shown
    std::function<QDateTime()> m_zegar = [] { return QDateTime::currentDateTime(); };
};

} // namespace zr05
