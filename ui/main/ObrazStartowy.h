#pragma once
// The start picture over the working area, drawn to fit without distortion.

#include <QSvgRenderer>
#include <QWidget>

namespace zr05
{

class ObrazStartowy : public QWidget
{
    Q_OBJECT
public:
    explicit ObrazStartowy(const QString& plikSvg, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QSvgRenderer m_obraz;
};

} // namespace zr05
