#pragma once
// The tests' Host: the virtual clock of reslib, whose waits advance the clock
// and are recorded, and whose messages are kept.

#include "reslib/VirtualHost.h"

namespace lumena::test {

using FakeHost = VirtualHost;

} // namespace lumena::test
