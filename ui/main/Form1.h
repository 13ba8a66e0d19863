#pragma once

#include "Module1.h"

#include <QMainWindow>

namespace zr05
{

// The main window.
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form1(Module1& m, QWidget* parent = nullptr);

private:
    Module1& m;
};

} // namespace zr05
