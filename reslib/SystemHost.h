#pragma once
// The real Host: wall clock, waits that keep windows painting but take no
// user input, message boxes under the application's title, the screens the
// window system reports.

#include "reslib/Host.h"

#include <QElapsedTimer>

class QWidget;

namespace lumena {

class SystemHost final : public Host {
public:
    SystemHost();
    QDateTime now() const override;
    std::chrono::nanoseconds elapsed() const override;
    void wait(int ms) override;
    void processEvents() override;
    void message(const QString& text) override;
    QList<QRect> screenAreas() const override;

    // Owner of the message boxes (the active window when unset).
    void setMessageOwner(QWidget* owner) { m_owner = owner; }

private:
    QElapsedTimer m_timer;
    QWidget* m_owner = nullptr;
};

} // namespace lumena
