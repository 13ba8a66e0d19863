#pragma once
// A printout as the list of printer operations that make it: font, size, bold, horizontal
// position in twips, text with or without ending the line, end of the document. Building one
// needs no printer; the platform's printer runs it.

#include <QList>
#include <QString>

namespace zr05
{

struct OperacjaWydruku {
    enum Rodzaj {
        Czcionka,        // tekst: font name
        Rozmiar,         // liczba: points
        Pogrubienie,     // liczba: 1 bold, 0 not
        Pozycja,         // liczba: twips from the left margin
        Tekst,           // tekst, the line goes on
        Linia,           // tekst, then the line ends (the next starts at the left margin)
        KoniecDokumentu, // sends the document to the printer
    };
    Rodzaj rodzaj;
    QString tekst;
    int liczba = 0;
    bool operator==(const OperacjaWydruku&) const = default;
};

class Wydruk
{
public:
    static constexpr int TwipyNaCal = 1440;

    void czcionka(const QString& nazwa) { m_op.append({OperacjaWydruku::Czcionka, nazwa, 0}); }
    void rozmiar(int punkty) { m_op.append({OperacjaWydruku::Rozmiar, QString(), punkty}); }
    void pogrubienie(bool tak) { m_op.append({OperacjaWydruku::Pogrubienie, QString(), tak}); }
    void pozycja(int twipy) { m_op.append({OperacjaWydruku::Pozycja, QString(), twipy}); }
    void tekst(const QString& t) { m_op.append({OperacjaWydruku::Tekst, t, 0}); }
    void linia(const QString& t = QString()) { m_op.append({OperacjaWydruku::Linia, t, 0}); }
    void koniecDokumentu() { m_op.append({OperacjaWydruku::KoniecDokumentu, QString(), 0}); }

    const QList<OperacjaWydruku>& operacje() const { return m_op; }

private:
    QList<OperacjaWydruku> m_op;
};

} // namespace zr05
