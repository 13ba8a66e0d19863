#include "ObrazStartowy.h"

#include <QPainter>

namespace zr05
{

ObrazStartowy::ObrazStartowy(const QString& plikSvg, QWidget* parent)
    : QWidget(parent), m_obraz(plikSvg)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize ObrazStartowy::sizeHint() const
{
    return m_obraz.defaultSize();
}

void ObrazStartowy::paintEvent(QPaintEvent*)
{
    QSizeF rozmiar = m_obraz.defaultSize();
    rozmiar.scale(size(), Qt::KeepAspectRatio);
    const QRectF cel(QPointF((width() - rozmiar.width()) / 2, (height() - rozmiar.height()) / 2),
                     rozmiar);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    m_obraz.render(&p, cel);
}

} // namespace zr05
