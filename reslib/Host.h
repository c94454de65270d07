#pragma once
// The one facility through which the program reads the clock, waits, lets
// pending events run, shows plain message boxes and learns where the screens
// are. Objects that need it take a Host& when they are made: the application
// passes the real one (SystemHost), tests pass a fake that records waits and
// moves a virtual clock, so no test ever sleeps and any screen can be given.

#include <QDateTime>
#include <QList>
#include <QRect>
#include <QString>
#include <chrono>

namespace lumena {

class Host {
public:
    virtual ~Host() = default;

    // Local wall-clock time.
    virtual QDateTime now() const = 0;

    // Monotonic time since an arbitrary start, for pacing animations.
    virtual std::chrono::nanoseconds elapsed() const = 0;

    // Blocks the caller for `ms` milliseconds while windows keep painting and
    // timers keep running, but no user input is taken.
    virtual void wait(int ms) = 0;

    // Lets pending events run once.
    virtual void processEvents() = 0;

    // Modal message box with one OK button, no icon, the application's title.
    virtual void message(const QString& text) = 0;

    // The areas of the screens that windows may use (without the desktop's
    // panels), in desktop coordinates, the primary screen first. None known:
    // windows stay where they are put.
    virtual QList<QRect> screenAreas() const { return {}; }
};

} // namespace lumena
