#pragma once
// The About window: program title and maker.

#include <QDialog>

namespace zr05
{

class OknoOProgramie : public QDialog
{
    Q_OBJECT
public:
    explicit OknoOProgramie(QWidget* parent = nullptr);
};

} // namespace zr05
