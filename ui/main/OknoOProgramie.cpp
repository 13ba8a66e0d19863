#include "OknoOProgramie.h"

#include "Aplikacja.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zr05
{

OknoOProgramie::OknoOProgramie(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("O programie"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* ikona = new QLabel(this);
    ikona->setPixmap(ikonaProgramu().pixmap(64, 64));
    ikona->setAlignment(Qt::AlignCenter);

    auto* tytul = new QLabel(QStringLiteral("Program do centrali alarmowej ZR-5"), this);
    tytul->setObjectName(QStringLiteral("Label1"));
    QFont f = tytul->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    tytul->setFont(f);
    tytul->setAlignment(Qt::AlignCenter);

    auto* producent = new QLabel(QStringLiteral("VOR-electronics"), this);
    producent->setObjectName(QStringLiteral("Label2"));
    producent->setAlignment(Qt::AlignCenter);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(30, 24, 30, 18);
    uklad->setSpacing(12);
    uklad->addWidget(ikona);
    uklad->addWidget(tytul);
    uklad->addWidget(producent);
    uklad->addWidget(ok, 0, Qt::AlignCenter);
    setFixedSize(sizeHint());
}

} // namespace zr05
