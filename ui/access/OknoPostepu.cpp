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

    Label1 = new QLabel(tekst::EtykietaPobierania, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setToolTip(QStringLiteral("Zaawansowanie przesyłania danych"));
    ProgressBar1->setValue(int(przesylanie.postep()));

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(Label1);
    uklad->addWidget(ProgressBar1);

    connect(&przesylanie, &Przesylanie::postepZmieniony, this,
            [this](double p) { ProgressBar1->setValue(int(p)); });
    connect(&przesylanie, &Przesylanie::zakonczone, this, &QWidget::close);
}

void OknoPostepu::ustawEtykiete(const QString& tekst)
{
    Label1->setText(tekst);
}

} // namespace zr05
