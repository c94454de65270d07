#include "reslib/SystemPaths.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace lumena::system_paths {

QString dotFont(const QString& fileName)
{
    return u"/usr/share/fonts/X11/misc/"_s + fileName;
}

QString ipaGothic()
{
    return u"/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"_s;
}

QString ipaMincho()
{
    return u"/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf"_s;
}

QString soundFont()
{
    return u"/usr/share/sounds/sf2/TimGM6mb.sf2"_s;
}

QString mecabDictionary()
{
    return u"/var/lib/mecab/dic/ipadic-utf8"_s;
}

QString espeakData()
{
    const QString fromEnv = qEnvironmentVariable("ESPEAK_DATA_PATH");
    if (!fromEnv.isEmpty() && QFileInfo::exists(fromEnv + u"/espeak-ng-data/phontab"_s))
        return fromEnv + u"/espeak-ng-data"_s;
    // The multiarch folder of the build machine's architecture (Debian
    // installs the data beside the library).
    return u"/usr/lib/"_s + QStringLiteral(LUMENA_MULTIARCH) + u"/espeak-ng-data"_s;
}

} // namespace lumena::system_paths
