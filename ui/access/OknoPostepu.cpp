#include "OknoPostepu.h"
#include "access/Przesylanie.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace zr05
{

OknoPostepu::OknoPostepu(Przesylanie& przesylanie, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Przesyłanie danych z/do centralki"));
    setMinimumWidth(360);

    m_etykieta = new QLabel(przesylanie.etykieta().isEmpty() ? tekst::EtykietaPobierania
                                                             : przesylanie.etykieta(),
                            this);
    m_etykieta->setObjectName(QStringLiteral("Label1"));
    m_pasekPostepu = new QProgressBar(this);
    m_pasekPostepu->setObjectName(QStringLiteral("ProgressBar1"));
    m_pasekPostepu->setRange(0, 100);
    m_pasekPostepu->setToolTip(QStringLiteral("Zaawansowanie przesyłania danych"));
    m_pasekPostepu->setValue(int(przesylanie.postep()));

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(m_etykieta);
    uklad->addWidget(m_pasekPostepu);

    connect(&przesylanie, &Przesylanie::postepZmieniony, this,
            [this](double p) { m_pasekPostepu->setValue(int(p)); });
    connect(&przesylanie, &Przesylanie::etykietaZmieniona, m_etykieta, &QLabel::setText);
    connect(&przesylanie, &Przesylanie::zakonczone, this, &QWidget::close);
}

} // namespace zr05
