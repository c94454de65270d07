#include "app/DeferredStart.h"

#include "sound/SdlMixer.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace lumena {

DeferredMixer::DeferredMixer() = default;
DeferredMixer::~DeferredMixer() = default;

SdlMixer& DeferredMixer::mixer()
{
    if (!m_mixer)
        m_mixer = std::make_unique<SdlMixer>();
    return *m_mixer;
}

bool DeferredMixer::open(int channel, const QString& path, SoundKind kind)
{
    return mixer().open(channel, path, kind);
}

void DeferredMixer::close(int channel)
{
    if (m_mixer)
        m_mixer->close(channel);
}

void DeferredMixer::play(int channel)
{
    mixer().play(channel);
}

void DeferredMixer::stop(int channel)
{
    if (m_mixer)
        m_mixer->stop(channel);
}

bool DeferredMixer::isPlaying(int channel) const
{
    return m_mixer && m_mixer->isPlaying(channel);
}

bool DeferredMixer::beginSpeech(int rate)
{
    return mixer().beginSpeech(rate);
}

void DeferredMixer::appendSpeech(const std::int16_t* samples, std::size_t count)
{
    mixer().appendSpeech(samples, count);
}

void DeferredMixer::endSpeech()
{
    mixer().endSpeech();
}

void DeferredMixer::stopSpeech()
{
    if (m_mixer)
        m_mixer->stopSpeech();
}

bool DeferredMixer::speechPlaying() const
{
    return m_mixer && m_mixer->speechPlaying();
}

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
