#pragma once

#include <QWidget>

class QLineEdit;

namespace zr05
{

class Logowanie;
class Module1;

// "Wprowadzanie kodów": the code window. The checks and the exchange are the core's.
class Form3 : public QWidget
{
    Q_OBJECT
public:
    Form3(Module1& m, Logowanie& logowanie, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void zatwierdz();

    Module1& m;
    Logowanie& logowanie;
    QLineEdit* Text1;
    QLineEdit* Text2;
};

} // namespace zr05
