#include "reslib/SystemHost.h"

#include "reslib/Japanese.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

namespace lumena {

SystemHost::SystemHost()
{
    m_timer.start();
}

QDateTime SystemHost::now() const
{
    return QDateTime::currentDateTime();
}

std::chrono::nanoseconds SystemHost::elapsed() const
{
    return std::chrono::nanoseconds(m_timer.nsecsElapsed());
}

void SystemHost::wait(int ms)
{
    if (ms <= 0)
        return;
    // A local loop that runs timers and paints but leaves user input queued
    // until the wait is over.
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void SystemHost::processEvents()
{
    QCoreApplication::processEvents();
}

void SystemHost::message(const QString& text)
{
    QWidget* owner = m_owner ? m_owner : QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), japanese::wrapLines(text),
                    QMessageBox::Ok, owner);
    japanese::setButtonTexts(box);
    box.exec();
}

QList<QRect> SystemHost::screenAreas() const
{
    QList<QRect> areas;
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        areas << primary->availableGeometry();
    for (QScreen* s : QGuiApplication::screens())
        if (s != primary)
            areas << s->availableGeometry();
    return areas;
}

} // namespace lumena
