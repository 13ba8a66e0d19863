#pragma once
// What happens in the protected building while someone watches on line: zones armed and
// disarmed, alarms, tampers, mains loss and return, all drawn from a seed. The scenario keeps
// the state of lines, zones and alarms and gives the status frames and event messages that
// report it; what it does also goes into the archives.

#include "ArchiwumCentrali.h"
#include "Losowanie.h"
#include "config/Konfiguracja.h"

#include <QByteArray>
#include <QDateTime>
#include <array>
#include <vector>

namespace zr05
{

class ScenariuszOnLine
{
public:
    explicit ScenariuszOnLine(std::uint64_t ziarno = 1) : m_los(ziarno) {}

    // The installation the scenario plays in, and the 256 user name bytes from 0x0D00.
    void ustawInstalacje(const Konfiguracja& k, const QByteArray& nazwyUzytkownika);

    // Everything the PC needs when it switches the view on: the clock, the state and the
    // status frames.
    std::vector<QByteArray> obraz(const QDateTime& zegar) const;
    // One step of life in the building; its messages and frames, in sending order.
    std::vector<QByteArray> krok(const QDateTime& zegar, ArchiwumCentrali& archiwum);

    static QByteArray ramkaZegara(const QDateTime& zegar);
    static QByteArray komunikat(std::initializer_list<int> bajty);
    QByteArray ramkaStanu(char rodzaj) const;
    int stanSystemu() const;

    // Line state: 0 disarmed, 1 armed, 2 tamper, 3 alarm.
    int stanLinii(int n) const { return m_linie[n]; }
    bool strefaUzbrojona(int z) const { return m_uzbrojona[z]; }

private:
    enum Stan { Rozbrojona = 0, Uzbrojona = 1, Sabotaz = 2, Alarm = 3 };
    void uzbroj(int z, bool tak);
    int strefaLinii(int n) const;
    bool calodobowa(int n) const { return (m_k.Linie[n][2] & 0x0F) == 4; }
    QByteArray nazwa(int n) const;

    Losowanie m_los;
    Konfiguracja m_k;
    QByteArray m_nazwyUzytkownika;
    std::vector<int> m_istniejace; // lines with a type
    std::vector<int> m_strefy;     // zones with lines
    std::array<int, 81> m_linie{}; // Stan of each line
    std::array<bool, 11> m_uzbrojona{};
    std::array<bool, 10> m_alarmy{}; // the ten selected alarms
    bool m_siec = true;
};

} // namespace zr05
