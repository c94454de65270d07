#pragma once
// A Host for tests: a virtual clock that waits advance, recorded waits and
// messages, and no sleeping.

#include "reslib/Host.h"

#include <functional>

#include <QStringList>
#include <vector>

namespace lumena::test {

class FakeHost final : public Host {
public:
    QDateTime clock = QDateTime(QDate(2026, 12, 6), QTime(9, 30, 15));
    std::chrono::nanoseconds monotonic{0};
    std::vector<int> waits;
    int eventRuns = 0;
    QStringList messages;
    // Called on every message (lets a test act like the user closing the box).
    std::function<void(const QString&)> onMessage;

    QDateTime now() const override { return clock; }
    std::chrono::nanoseconds elapsed() const override { return monotonic; }
    void wait(int ms) override
    {
        waits.push_back(ms);
        if (ms > 0) {
            clock = clock.addMSecs(ms);
            monotonic += std::chrono::milliseconds(ms);
        }
    }
    void processEvents() override { ++eventRuns; }
    void message(const QString& text) override
    {
        messages << text;
        if (onMessage)
            onMessage(text);
    }
    void advance(std::chrono::milliseconds d)
    {
        clock = clock.addMSecs(d.count());
        monotonic += d;
    }
};

} // namespace lumena::test
