#pragma once
// A check box that only shows a state set by the program; the user cannot change it.

#include <QCheckBox>

namespace zr05
{

class PoleWyswietlane : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
};

} // namespace zr05
