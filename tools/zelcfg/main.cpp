#include "Commands.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    return zelcfg(app.arguments().mid(1));
}
