// lumena-data: tools for people who make routes, tickets and settings.

#include "tools/lumena-data/Command.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <memory>

using namespace lumena::tool;

namespace {

void usage(std::FILE* to)
{
    std::fprintf(to, "usage:\n");
    for (const Command& c : commands())
        std::fprintf(to, "  lumena-data %s\n", c.usage.toUtf8().constData());
}

} // namespace

int main(int argc, char** argv)
{
    // Rendering commands draw with QtGui; run them offscreen unless a display is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);

    if (words.value(0) == QStringLiteral("--version")) {
        std::printf("lumena-data %s\n", LUMENA_VERSION);
        return 0;
    }
    if (words.value(0) == QStringLiteral("--help") || words.value(0) == QStringLiteral("-h")) {
        usage(stdout);
        return 0;
    }
    const Command* found = nullptr;
    for (const Command& c : commands()) {
        if (words.size() >= c.path.size() && words.mid(0, c.path.size()) == c.path) {
            if (!found || c.path.size() > found->path.size())
                found = &c;
        }
    }
    if (!found) {
        usage(stderr);
        return 2;
    }
    Args args;
    QString error;
    if (!parseArgs(words.mid(found->path.size()), found->valued, found->flags, args, error)) {
        fail(QString(), error);
        std::fprintf(stderr, "usage: lumena-data %s\n", found->usage.toUtf8().constData());
        return 2;
    }
    // Commands that draw need a GUI application; the others a core one.
    std::unique_ptr<QCoreApplication> app;
    if (found->path.first().startsWith(QStringLiteral("render")) ||
        found->path.first() == QStringLiteral("ticket")) {
        // Qt must not read our options: it would take "--style" as its own.
        static int qtArgc = 1;
        app = std::make_unique<QApplication>(qtArgc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return found->run(args);
}
