#include "tests/common/TestSupport.h"

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>

namespace lumena::test {

namespace {

QtMessageHandler g_previous = nullptr;

bool isKnownPlatformNotice(const QString& msg)
{
    static const char* const known[] = {
        "propagateSizeHints",           "does not support", "setMask", "QXcbConnection",
        "This plugin does not support",
    };
    for (const char* k : known) {
        if (msg.contains(QLatin1StringView(k)))
            return true;
    }
    return false;
}

void strictHandler(QtMsgType type, const QMessageLogContext& ctx, const QString& msg)
{
    if (type == QtDebugMsg || type == QtInfoMsg || isKnownPlatformNotice(msg)) {
        if (g_previous)
            g_previous(type, ctx, msg);
        return;
    }
    // QTest's own ignoreMessage() handling must still see the message.
    if (g_previous)
        g_previous(type, ctx, msg);
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        std::fprintf(stderr, "FAIL: unexpected warning: %s\n", msg.toLocal8Bit().constData());
        std::_Exit(3);
    }
}

} // namespace

void installStrictMessageHandler()
{
    g_previous = qInstallMessageHandler(strictHandler);
}

void failOnUnexpectedWarnings()
{
    QTest::failOnWarning(
        QRegularExpression(QStringLiteral("^(?!.*(propagateSizeHints|does not support|setMask)).*"),
                           QRegularExpression::DotMatchesEverythingOption));
}

QString sourceDir()
{
    const QByteArray env = qgetenv("LUMENA_SOURCE_DIR");
    return env.isEmpty() ? QString() : QString::fromLocal8Bit(env);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace lumena::test
