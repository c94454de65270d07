// Lumena: the fare display board of a Japanese route bus. Beyond --help and
// --version it takes no options: everything it is configured with lives in
// the settings file and the options dialog.

#include "app/Program.h"

#include <QApplication>
#include <cstdio>
#include <string_view>

int main(int argc, char** argv)
{
    // Answered before the window system is reached, so they work without a display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-v" || arg == "--version") {
            std::printf("lumena %s\n", LUMENA_VERSION);
            return 0;
        }
        if (arg == "-h" || arg == "--help") {
            std::printf("usage: lumena [--help] [--version]\n"
                        "The fare display board (運賃表示器) of a Japanese route bus and its "
                        "operation panel.\n"
                        "Everything else is set in the options dialog (\"設定...\") and kept "
                        "in the settings file.\n"
                        "See lumena(6).\n");
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumena"));
    QApplication::setApplicationVersion(QStringLiteral(LUMENA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(LUMENA_APP_ID));
    lumena::Program program;
    program.start();
    return QApplication::exec();
}
