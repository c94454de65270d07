#include "app/DeferredStart.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace lumena {

void DeferredSpeech::build()
{
    engine();
}

SpeechEngine* DeferredSpeech::engine()
{
    if (!m_tried) {
        m_tried = true;
        m_engine = m_make ? m_make() : nullptr;
        if (m_engine && m_hasReadings)
            m_engine->SetReadingsFile(m_readings);
    }
    return m_engine.get();
}

void DeferredSpeech::Speak(const QString& text)
{
    if (SpeechEngine* e = engine())
        e->Speak(text);
    else
        m_failed = true;
}

void DeferredSpeech::Stop()
{
    m_failed = false;
    if (m_engine)
        m_engine->Stop();
}

qint32 DeferredSpeech::Status() const
{
    if (m_engine)
        return m_engine->Status();
    return m_failed ? SpeechFailed : SpeechIdle;
}

void DeferredSpeech::ShowSettingsDlg(QObject* owner, const QString& title)
{
    if (SpeechEngine* e = engine())
        e->ShowSettingsDlg(owner, title);
}

void DeferredSpeech::SetReadingsFile(const QString& path)
{
    // Kept for the engine still to be built: reading the file is its job.
    m_readings = path;
    m_hasReadings = true;
    if (m_engine)
        m_engine->SetReadingsFile(path);
}

namespace {

class FirstPaint final : public QObject {
public:
    FirstPaint(QWidget* window, QObject* context, std::function<void()> work)
        : QObject(context), m_window(window), m_work(std::move(work))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint) {
            m_window->removeEventFilter(this);
            // After the paint has reached the screen, not inside it.
            QTimer::singleShot(0, this, [this] {
                const std::function<void()> work = std::move(m_work);
                deleteLater();
                work();
            });
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    std::function<void()> m_work;
};

} // namespace

void afterFirstPaint(QWidget* window, QObject* context, std::function<void()> work)
{
    new FirstPaint(window, context, std::move(work));
}

} // namespace lumena
