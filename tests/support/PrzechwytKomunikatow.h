#pragma once
// Catches every message box of the program while it lives; questions get a set answer.

#include <QList>
#include <QStringList>

namespace zr05
{

class PrzechwytKomunikatow
{
public:
    explicit PrzechwytKomunikatow(bool odpowiedz = true);
    ~PrzechwytKomunikatow();
    PrzechwytKomunikatow(const PrzechwytKomunikatow&) = delete;
    PrzechwytKomunikatow& operator=(const PrzechwytKomunikatow&) = delete;

    QStringList teksty;  // in the order shown
    QList<bool> pytania; // true where the box was a question
};

} // namespace zr05
