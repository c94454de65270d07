#pragma once
// Runs lumena-data as a separate process (the test target defines
// LUMENA_DATA_EXE) and checks the shape of a refusal.

#include <QProcess>
#include <QStringList>
#include <QTest>

namespace lumena::test {

struct ToolRun {
    int exitCode = -1; // -2: crashed, -1: did not finish
    QByteArray out, err;
};

inline ToolRun runTool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(LUMENA_DATA_EXE), args);
    ToolRun r;
    if (!p.waitForFinished(30000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

// A refusal: exit code 1, nothing on standard output, exactly one line on
// standard error naming the tool and containing `problem`.
inline bool isOneLineRefusal(const ToolRun& r, const QString& problem)
{
    const QString err = QString::fromUtf8(r.err);
    const bool ok = r.exitCode == 1 && r.out.isEmpty() && err.count(u'\n') == 1 &&
                    err.startsWith(QLatin1StringView("lumena-data: ")) && err.contains(problem);
    if (!ok)
        qWarning("exit %d, stdout %d bytes, stderr: %s", r.exitCode, int(r.out.size()),
                 r.err.constData());
    return ok;
}

} // namespace lumena::test
