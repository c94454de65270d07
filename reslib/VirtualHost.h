#pragma once
// A Host on a virtual clock: a wait moves the clock on at once instead of
// sleeping, and messages are kept instead of shown. The render tool draws
// with it (a render comes out the same however long it takes), and the tests
// use it so that none of them ever sleeps.

#include "reslib/Host.h"

#include <QCoreApplication>
#include <QStringList>
#include <functional>
#include <vector>

namespace lumena {

class VirtualHost final : public Host {
public:
    QDateTime clock = QDateTime(QDate(2026, 12, 6), QTime(9, 30, 15));
    std::chrono::nanoseconds monotonic{0};
    std::vector<int> waits; // every wait, in milliseconds, in order
    int eventRuns = 0;      // processEvents calls (waits not counted)
    QStringList messages;
    // Called on every message (lets a test act like the user closing the box).
    std::function<void(const QString&)> onMessage;
    // Whether waits and processEvents let Qt's pending events run, as the
    // real host does; when false they only count, and the caller decides
    // when events run.
    bool runsEvents = false;
    // The screens' available areas (none by default: windows keep the places
    // they are given).
    QList<QRect> screens;

    QDateTime now() const override { return clock; }
    std::chrono::nanoseconds elapsed() const override { return monotonic; }
    void wait(int ms) override
    {
        waits.push_back(ms);
        if (runsEvents)
            QCoreApplication::processEvents();
        if (ms > 0)
            advance(std::chrono::milliseconds(ms));
    }
    void processEvents() override
    {
        ++eventRuns;
        if (runsEvents)
            QCoreApplication::processEvents();
    }
    void message(const QString& text) override
    {
        messages << text;
        if (onMessage)
            onMessage(text);
    }
    QList<QRect> screenAreas() const override { return screens; }
    void advance(std::chrono::milliseconds d)
    {
        clock = clock.addMSecs(d.count());
        monotonic += d;
    }
};

} // namespace lumena
