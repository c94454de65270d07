#include "app/Adapters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace lumena {

QString bundledSampleData()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        exeDir + u"/samples/data"_s,
        exeDir + u"/../share/lumena/samples/data"_s,
        QStringLiteral(LUMENA_SOURCE_SAMPLES),
    };
    for (const QString& dir : candidates)
        if (QFileInfo(dir).isDir())
            return QDir::cleanPath(dir);
    return {};
}

} // namespace lumena
