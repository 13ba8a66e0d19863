#pragma once
// The current register of events and alarms: one text, newest line first, lines ending in
// "\r\n". The operator may edit it in its box; the box's text then is the register, and the
// next line goes in front of whatever it holds.

#include <QObject>
#include <QString>
#include <deque>
#include <functional>

namespace zr05
{

class Rejestr : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    QString tekst() const;
    // Puts a line in front of the text; an empty line changes nothing.
    void dodaj(const QString& linijka);
    // "Wyczyść rejestr".
    void wyczysc();
    // A text given whole (any line ends; kept with "\r\n").
    void ustawTekst(const QString& tekst);
    // The operator edited the box: from now on the register is what `tekstOkna` gives (any
    // line ends; read with "\r\n"), the box taking the new lines in front. It is read only
    // when the text is wanted, so that a key pressed in a long register costs no copy.
    void ustawOkno(std::function<QString()> tekstOkna);

signals:
    void dodano(const QString& linijka);
    void wyczyszczony();

private:
    // Oldest first: a line put in front costs the same however long the register is.
    std::deque<QString> m_linie;
    std::function<QString()> m_tekstOkna;
};

} // namespace zr05
