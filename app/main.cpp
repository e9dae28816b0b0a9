#include "app/StartupU.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return Irisonde::RunIrisonde(app);
}
