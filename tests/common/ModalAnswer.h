#pragma once
// Answers the next modal dialog from the test: once it is open, `act` runs on
// it (and is expected to close it). Retries until the dialog exists.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace lumena::test {

inline void answerModal(std::function<void(QWidget*)> act, int triesLeft = 500)
{
    QTimer::singleShot(0, qApp, [act = std::move(act), triesLeft]() mutable {
        if (QWidget* w = QApplication::activeModalWidget()) {
            act(w);
            return;
        }
        if (triesLeft > 0)
            answerModal(std::move(act), triesLeft - 1);
    });
}

// Clicks `button` of the next message box; keeps "title|text" when asked.
inline void answerMessageBox(QMessageBox::StandardButton button, QString* shown = nullptr)
{
    answerModal([button, shown](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box)
            return;
        if (shown)
            *shown = box->windowTitle() + u'|' + box->text();
        box->button(button)->click();
    });
}

} // namespace lumena::test
