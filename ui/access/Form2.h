#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace zr05
{

class Module1;
class Przesylanie;

// "Przesyłanie danych z/do centralki": progress of a download or an upload.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    Form2(Module1& m, Przesylanie& przesylanie, QWidget* parent = nullptr);

    void ustawEtykiete(const QString& tekst);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Module1& m;
    QLabel* Label1;
    QProgressBar* ProgressBar1;
};

} // namespace zr05
