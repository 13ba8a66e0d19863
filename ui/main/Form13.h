#pragma once
// The About window: program title and maker.

#include <QDialog>

namespace zr05
{

class Form13 : public QDialog
{
    Q_OBJECT
public:
    explicit Form13(QWidget* parent = nullptr);
};

} // namespace zr05
