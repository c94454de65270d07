#pragma once
// Answers the next modal dialog from the test: once it is open, `act` runs on
// it (and is expected to close it). Retries until the dialog exists.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace lumena::test {

inline void answerModal(std::function<void(QWidget*)> act, int triesLeft = 500)
{
    QTimer::singleShot(0, [act = std::move(act), triesLeft]() mutable {
        if (QWidget* w = QApplication::activeModalWidget()) {
            act(w);
            return;
        }
        if (triesLeft > 0)
            answerModal(std::move(act), triesLeft - 1);
    });
}

} // namespace lumena::test
