// Lumena: the fare display board of a Japanese route bus. Takes no options:
// everything it is configured with lives in the settings file and the
// options dialog.

#include "app/Simulator.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumena"));
    QApplication::setApplicationVersion(QStringLiteral(LUMENA_VERSION));
    lumena::Simulator simulator;
    simulator.start();
    return QApplication::exec();
}
