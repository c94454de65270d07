#include "app/Adapters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace lumena {

namespace {

// A folder of the bundled samples: samples/<name> beside the executable, or
// where the installation keeps them, found from the executable's own folder
// (the build tree mirrors that place). Never the source tree.
QString bundledFolder(const QString& name)
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        exeDir + u"/samples/"_s + name,
        exeDir + u'/' + QStringLiteral(LUMENA_SAMPLES_FROM_BIN) + u'/' + name,
    };
    for (const QString& dir : candidates)
        if (QFileInfo(dir).isDir())
            return QDir::cleanPath(dir);
    return {};
}

} // namespace

QString bundledSampleData()
{
    return bundledFolder(u"data"_s);
}

QString bundledSounds()
{
    return bundledFolder(u"sounds"_s);
}

} // namespace lumena
