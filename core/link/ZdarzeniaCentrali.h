#pragma once
// Event messages ('@' frames) from the panel: each one becomes a line at the top of the
// register, a new text of the system state box, or nothing. The clock message is the link's.

#include "Module1.h"
#include "link/Rejestr.h"

#include <QByteArray>
#include <QObject>
#include <QString>

namespace zr05
{

class Lacze;

class ZdarzeniaCentrali : public QObject
{
    Q_OBJECT
public:
    explicit ZdarzeniaCentrali(Module1& m, QObject* parent = nullptr);

    // Takes every valid event message of this link.
    void polacz(const Lacze& lacze);

    // One valid event message, start byte to checksum.
    void Komunikat(const QByteArray& ramka);

    Rejestr& rejestr() { return m_rejestr; }
    const Rejestr& rejestr() const { return m_rejestr; }
    // Text6, "STAN SYSTEMU" until the panel reports a state.
    const QString& stanSystemu() const { return m_stanSystemu; }
    // The line built from the last message; empty when it formed none.
    const QString& LinijkaRejestru() const { return m_linijka; }

    // The line a message forms (without touching any state); empty for none. `czasZegara` is
    // the clock boxes' "HH:MM" for the lines that carry no time of their own.
    static QString linijkaKomunikatu(const QByteArray& ramka, const QString& czasZegara);
    // Text6 for system state 0..3; empty for other values.
    static QString tekstStanu(int stan);

signals:
    // Text6 is written (also with the same text again).
    void stanSystemuUstawiony(const QString& tekst);

private:
    void ustawStan(const QString& tekst);

    Module1& m;
    Rejestr m_rejestr;
    QString m_stanSystemu;
    QString m_linijka;
};

} // namespace zr05
