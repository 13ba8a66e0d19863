#include "Module1.h"
#include "main/Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    zr05::Module1 modul;
    zr05::Form1 okno(modul);
    okno.show();
    return app.exec();
}
