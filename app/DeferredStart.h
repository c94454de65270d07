#pragma once
// Work the start sequence puts off until both windows are on screen: opening
// the audio device (the sound system's drivers are probed one by one) and
// building the speech engine (espeak-ng reads its whole voice list, MeCab maps
// its dictionary). Each is still built on first use at the latest, so what
// the program does is unchanged; only the windows appear sooner.

#include "sound/MixerBackend.h"
#include "sound/SpeechEngine.h"

#include <QObject>
#include <functional>
#include <memory>

class QWidget;

namespace lumena {

class SdlMixer;

// The audio mixer, opened on the first call that needs the device. Calls that
// only end or ask about playback do not open it: nothing can be playing yet.
class DeferredMixer final : public MixerBackend, public SpeechOutput {
public:
    DeferredMixer();
    ~DeferredMixer() override;

    // Opens the device now, if it is not open yet.
    SdlMixer& mixer();

    bool open(int channel, const QString& path, SoundKind kind) override;
    void close(int channel) override;
    void play(int channel) override;
    void stop(int channel) override;
    bool isPlaying(int channel) const override;

    bool beginSpeech(int rate) override;
    void appendSpeech(const std::int16_t* samples, std::size_t count) override;
    void endSpeech() override;
    void stopSpeech() override;
    bool speechPlaying() const override;

private:
    std::unique_ptr<SdlMixer> m_mixer;
};

// The speech engine, built on first use. The tape frame's state is decided
// before that from whether the voice and dictionary files are installed; if
// building fails after all, the engine behaves as one whose readings fail:
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
