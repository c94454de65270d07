#pragma once
// Work the start sequence puts off until both windows are on screen: building
// the speech engine (espeak-ng reads its whole voice list, MeCab maps its
// dictionary). It is still built on first use at the latest, so what the
// program does is unchanged; only the windows appear sooner. The audio device
// opens the same way (SdlMixer opens it on first use).

#include "sound/SpeechEngine.h"

#include <QObject>
#include <functional>
#include <memory>

class QWidget;

namespace lumena {

// The speech engine, built on first use. The tape frame's state is decided
// before that, from whether speech is to be had at all (the program asks
// whether the voice and dictionary files are installed); if building fails
// after all, the engine behaves as one whose readings fail:
// Speak leaves SpeechFailed, the settings dialog does not open.
class DeferredSpeech final : public SpeechEngine {
public:
    using Factory = std::function<std::unique_ptr<SpeechEngine>()>;
    explicit DeferredSpeech(Factory make) : m_make(std::move(make)) {}

    // Builds the engine now, if that was not tried yet.
    void build();

    void Speak(const QString& text) override;
    void Stop() override;
    qint32 Status() const override;
    void ShowSettingsDlg(QObject* owner, const QString& title) override;
    void SetReadingsFile(const QString& path) override;

private:
    SpeechEngine* engine();

    Factory m_make;
    std::unique_ptr<SpeechEngine> m_engine;
    bool m_tried = false;
    bool m_failed = false;
    bool m_hasReadings = false;
    QString m_readings;
};

// Runs `work` once, from the event loop, after `window` has been painted for
// the first time. Nothing runs if `context` is deleted before.
void afterFirstPaint(QWidget* window, QObject* context, std::function<void()> work);

} // namespace lumena
