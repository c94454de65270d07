#pragma once
// Modal dialogs answered from code, so that neither the render tool nor a
// test ever waits for a person: the next dialog answered one way, or every
// dialog closed as soon as it opens.

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace lumena {

// Runs `act` on the next modal dialog once it is open (`act` is expected to
// close it). Looks from the event loop, `triesLeft` times at most.
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

// While it exists, closes every modal dialog that opens: a message box as
// if OK were pressed, with its text kept in `texts`; any other dialog as if
// cancelled.
class ModalAnswerer final : public QObject {
public:
    QStringList texts;

    ModalAnswerer()
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                texts << box->text();
                box->done(QMessageBox::Ok);
            } else if (auto* dialog = qobject_cast<QDialog*>(w)) {
                dialog->reject();
            }
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

} // namespace lumena
