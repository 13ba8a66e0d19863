#pragma once

#include <QWidget>

class QLineEdit;

namespace zr05
{

class Logowanie;
class Przesylanie;

// "Wprowadzanie kodów": the code window. The checks and the exchange are the core's.
class OknoKodu : public QWidget
{
    Q_OBJECT
public:
    OknoKodu(Logowanie& logowanie, const Przesylanie& przesylanie, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void zatwierdz();

    Logowanie& logowanie;
    const Przesylanie& przesylanie;
    QLineEdit* m_kod;
    QLineEdit* m_komunikat;
};

} // namespace zr05
