#pragma once
// The archive window: choice of archive, the range of time, download with its counter and
// stop, and the view and printout of the range. The archive choice and the counter belong to
// the download in the core; this window shows them.

#include <QDateTime>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <array>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace zr05
{

class Module1;
class PobieranieArchiwum;
class Przesylanie;

class OknoArchiwum : public QWidget
{
    Q_OBJECT
public:
    // `teraz`: the computer's clock, which gives the end of the range. `przesylanie` may be
    // null when no upload can be running (tests).
    OknoArchiwum(Module1& m, PobieranieArchiwum& pobieranie, const Przesylanie* przesylanie,
                 const QDateTime& teraz, QWidget* parent = nullptr);

    // Opened by the alarms command.
    void pokazAlarmy();

    // Texts of the start and end fields (year, month, day, hour, minute).
    QStringList polaOd() const;
    QStringList polaDo() const;

public slots:
    void pobierzArchiwum();    // "Pobierz"
    void wyswietlZakres();     // "Wyświetl"
    void drukujZakres();       // "Drukuj"
    void przerwijPobieranie(); // "Przerwij"
    void Wyswietl();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QWidget* utworzRamkeCzasu(const QString& nazwa, const QString& tytul, const QString& podpowiedz,
                              std::array<QComboBox*, 5>& pola, const QDateTime* poczatkowo);
    void pokazOpcje(bool alarmy);

    Module1& m;
    QPointer<PobieranieArchiwum> m_pobieranie;
    const Przesylanie* m_przesylanie;
    std::array<QRadioButton*, 2> m_rodzajArchiwum{};
    std::array<QComboBox*, 5> m_polaOd{};
    std::array<QComboBox*, 5> m_polaDo{};
    QLineEdit* m_licznik = nullptr;
    QPlainTextEdit* m_tekstArchiwum = nullptr;
};

// Entry point of the window, called by "&Historia" → "&Alarmy" / "&Zdarzenia" and toolbar
// buttons 8 and 9 after the login check. Shows the one archive window under `rodzic`
// (creating it when none is open). For alarms it selects "Alarmów" and its caption says so;
// for events an open window keeps its state.
OknoArchiwum* pokazOknoArchiwum(Module1& m, PobieranieArchiwum& pobieranie,
                                const Przesylanie& przesylanie, bool alarmy, QWidget* rodzic);

} // namespace zr05
