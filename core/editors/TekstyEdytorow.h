#pragma once
// The item texts of the editors' pick lists, in the order of their boxes. The windows offer
// them and the comparison of two configurations speaks with them.

#include <QString>
#include <QStringList>

namespace zr05::tekst
{

// Line editor: type (by TypLinii), kind, sensitivity (code 1..4 is item 0..3).
inline const QStringList TypyLinii = {QStringLiteral("Natychmiastowa"), QStringLiteral("Opóźniona"),
                                      QStringLiteral("Całodobowa"), QStringLiteral("Warunkowa"),
                                      QStringLiteral("Szyfrująca")};
inline const QStringList RodzajeLinii = {QStringLiteral("3-stanowa"), QStringLiteral("2-stanowa")};
inline const QStringList Czulosci = {QStringLiteral("250 ms"), QStringLiteral("500 ms"),
                                     QStringLiteral("750 ms"), QStringLiteral("1 sek.")};

// Output editor: OC contact, Pk reset.
inline const QStringList Kontakty = {QStringLiteral("NO"), QStringLiteral("NC")};
inline const QStringList Kasowania = {QStringLiteral("Automatyczne"), QStringLiteral("Ręczne")};

// Keypad editor: function keys A..D (bits 0..3) and code entry.
inline const QStringList FunkcjeWzywania = {
    QStringLiteral("A - POLICJA"), QStringLiteral("B - STRAŻ POŻ."),
    QStringLiteral("C - POGOTOWIE"), QStringLiteral("D - OCHRONA")};
inline const QStringList WprowadzanieKodow = {QStringLiteral("Jawne"), QStringLiteral("Tajne")};

} // namespace zr05::tekst
