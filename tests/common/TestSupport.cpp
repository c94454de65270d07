#include "tests/common/TestSupport.h"

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>

namespace lumena::test {

namespace {

QtMessageHandler g_previous = nullptr;

// The offscreen platform's known notices about size hints and window masks.
const QString KnownNotices = QStringLiteral("propagateSizeHints|does not support|setMask");

void strictHandler(QtMsgType type, const QMessageLogContext& ctx, const QString& msg)
{
    static const QRegularExpression known(KnownNotices);
    // QTest's own ignoreMessage() handling must still see the message.
    if (g_previous)
        g_previous(type, ctx, msg);
    if ((type == QtWarningMsg || type == QtCriticalMsg) && !msg.contains(known)) {
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
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!.*(%1)).*").arg(KnownNotices),
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
