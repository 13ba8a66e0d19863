#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace zr05
{

class Przesylanie;

// "Przesyłanie danych z/do centralki": progress of a download or an upload, stage by stage
// (the label names the stage: reading, writing, checking, correcting).
class OknoPostepu : public QWidget
{
    Q_OBJECT
public:
    explicit OknoPostepu(Przesylanie& przesylanie, QWidget* parent = nullptr);

private:
    QLabel* m_etykieta;
    QProgressBar* m_pasekPostepu;
};

} // namespace zr05
