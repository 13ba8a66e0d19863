#pragma once
// The current register of events and alarms: one text, newest line first, lines ending in
// "\r\n". The operator may edit it in its box; the box's text then replaces this one, and the
// next line goes in front of whatever it holds.

#include <QObject>
#include <QString>

namespace zr05
{

class Rejestr : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    const QString& tekst() const { return m_tekst; }
    // Puts a line in front of the text; an empty line changes nothing.
    void dodaj(const QString& linijka);
    // "Wyczyść rejestr".
    void wyczysc();
    // The box's text after the operator edited it (any line ends; stored with "\r\n").
    void ustawTekst(const QString& tekstOkna);

signals:
    void dodano(const QString& linijka);
    void wyczyszczony();

private:
    QString m_tekst;
};

} // namespace zr05
