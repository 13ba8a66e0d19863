#pragma once
// Logging in with panel codes, the access block after three wrong codes, and both logouts.
// The code window shows `komunikat()` and forwards the entered code; everything else is here.

#include "Module1.h"

#include <QObject>
#include <QString>

namespace zr05
{

class Lacze;

namespace tekst
{
inline const QString ZlaDlugoscKodu = QStringLiteral("Nieprawidłowa długość kodu");
inline const QString ZlyZnakKodu = QStringLiteral("Nieprawidłowy kod");
inline const QString NiepoprawnyKod = QStringLiteral("Niepoprawny kod");
inline const QString BlokadaDostepu = QStringLiteral("BLOKADA DOSTĘPU");
inline const QString LogowanieUzytkownika =
    QStringLiteral("Logowanie się użytkownika lub nadzorcy.");
inline const QString LogowanieInstalatora = QStringLiteral("Logowanie się instalatora.");
} // namespace tekst

namespace dostep
{
constexpr Bajt Uzytkownik = 0x20;
constexpr Bajt Nadzorca = 0x40;
constexpr Bajt Instalator = 0x80;
constexpr Bajt Odblokowanie = 4;
} // namespace dostep

class Logowanie : public QObject
{
    Q_OBJECT
public:
    enum class OcenaKodu { Dobry, ZlaDlugosc, ZlyZnak };

    Logowanie(Module1& m, Lacze& lacze, QObject* parent = nullptr);

    // Checks a typed code and packs it: digit i (from 1) into byte (i-1)/2, odd positions in
    // the high half-byte; positions after the last digit hold 0xF.
    static OcenaKodu spakujKod(const QString& kod, std::array<Bajt, 4>& spakowany);

    // The code window has opened: ask the panel whether access is blocked.
    void oknoOtwarte();
    // The code window is closing: the entered code is forgotten.
    void oknoZamkniete();
    // OK or Enter in the code window.
    void zatwierdzKod(const QString& kod);

    void wylogujUzytkownika();
    void wylogujInstalatora();

    // The code window's message box `Text2`.
    const QString& komunikat() const { return m_komunikat; }

signals:
    void komunikatZmieniony(const QString& tekst);
    void wyczyscKod(); // clear the code box and give it the focus
    void zamknijOkno();

private:
    void odpowiedzKodu(Bajt dostep);
    void daneOdczytu(int kod, const QByteArray& dane);
    void ustawKomunikat(const QString& t);
    void zapomnijKod();
    void komunikatNaOtwarcie();

    Module1& m;
    QString m_komunikat;
};

} // namespace zr05
