#include "reslib/OsInfo.h"

#include <QSysInfo>

namespace lumena {

QString operatingSystemName()
{
    return QSysInfo::prettyProductName();
}

} // namespace lumena
