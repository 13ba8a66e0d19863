#pragma once
// Configuration download (32 reads into the image) and upload (41 writes and the end frame).

#include "Module1.h"

#include <QObject>
#include <QString>
#include <optional>

namespace zr05
{

class Lacze;

namespace tekst
{
inline const QString PytaniePrzesylanie =
    QStringLiteral("Czy napewno wysłąć nową konfigurację do centralki ?");
inline const QString PytaniePrzerwanie = QStringLiteral(
    "Przesyłanie konfiguracji do centralki nie zostało zakończone. Przerwanie go pozostawi w "
    "centralce częściowo zapisaną konfigurację.\nCzy przerwać przesyłanie?");
inline const QString StatusPobierania = QStringLiteral("Pobieranie konfiguracji z centralki.");
inline const QString StatusPrzesylania = QStringLiteral("Przesyłanie danych do centralki.");
inline const QString EtykietaPobierania = QStringLiteral("Trwa pobieranie danych z centralki");
inline const QString EtykietaPrzesylania = QStringLiteral("Trwa przesyłanie danych do centralki");
} // namespace tekst

class Przesylanie : public QObject
{
    Q_OBJECT
public:
    Przesylanie(Module1& m, Lacze& lacze, QObject* parent = nullptr);

    // Both commands need the installer; they return the refusal to show, none when started.
    std::optional<QString> pobierz();
    std::optional<QString> przekaz(); // the caller has asked the question and got OK

    // An upload is running or its end frame is still due: replacing it needs the user's word.
    bool przesylanieTrwa() const;

    double postep() const { return m_postep; }

signals:
    void postepZmieniony(double procent);
    void zakonczone(); // the progress window closes

private:
    std::optional<QString> zacznij(Bajt pierwszyKrok, const QString& status);
    void daneOdczytu(int kod, const QByteArray& dane);
    void zadanieWyslane(int kod);
    void ustawPostep(double p);

    Module1& m;
    double m_postep = 0;
};

} // namespace zr05
