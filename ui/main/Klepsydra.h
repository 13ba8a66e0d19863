#pragma once
// The hourglass pointer for as long as a secondary window is being created.

#include <QApplication>
#include <QCursor>

namespace zr05
{

class Klepsydra
{
public:
    Klepsydra() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~Klepsydra() { QApplication::restoreOverrideCursor(); }
    Klepsydra(const Klepsydra&) = delete;
    Klepsydra& operator=(const Klepsydra&) = delete;
};

} // namespace zr05
