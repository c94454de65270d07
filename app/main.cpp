// Lumena: the fare display board of a Japanese route bus. Takes no options:
// everything it is configured with lives in the settings file and the
// options dialog.

#include "app/Program.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumena"));
    QApplication::setApplicationVersion(QStringLiteral(LUMENA_VERSION));
    lumena::Program program;
    program.start();
    return QApplication::exec();
}
