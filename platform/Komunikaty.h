#pragma once
// Every message box of the program goes through here: the application's title, no icon,
// "OK" alone or "OK" and Cancel. Tests install an answerer instead of clicking.

#include <QString>
#include <functional>

class QWidget;

namespace zr05
{

class Komunikaty
{
public:
    // Information or refusal: one OK button.
    static void info(QWidget* rodzic, const QString& tekst);
    // Question: OK and Cancel; true only for OK.
    static bool pytanie(QWidget* rodzic, const QString& tekst);

    // For tests: receives every message instead of a box; the result answers questions.
    using Odpowiadacz = std::function<bool(const QString& tekst, bool pytanie)>;
    static void ustawOdpowiadacz(Odpowiadacz o);
};

} // namespace zr05
