#pragma once
// The operating system's name, as ResLib::GetOsInfo reports it.

#include <QString>

namespace lumena {
// Human-readable name of the running operating system, e.g. "Debian GNU/Linux 12 (bookworm)".
QString operatingSystemName();
} // namespace lumena
