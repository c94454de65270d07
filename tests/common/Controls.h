#pragma once
// Widget tests: answering a modal dialog and finding a named control.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace lumena::test {

// Arms a one-shot that waits for the next modal dialog and hands it to `answer`
// (which is expected to close it).
inline void answerModal(std::function<void(QWidget*)> answer, int triesLeft = 500)
{
    QTimer::singleShot(0, [answer = std::move(answer), triesLeft]() mutable {
        if (QWidget* w = QApplication::activeModalWidget())
            answer(w);
        else if (triesLeft > 0)
            answerModal(std::move(answer), triesLeft - 1);
    });
}

template <typename T> T* child(const QWidget* parent, const QString& name)
{
    T* w = parent->findChild<T*>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

} // namespace lumena::test
