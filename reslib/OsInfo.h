#pragma once
#include <QString>

namespace lumena {
// Human-readable name of the running operating system, e.g. "Debian GNU/Linux 12 (bookworm)".
QString operatingSystemName();
} // namespace lumena
