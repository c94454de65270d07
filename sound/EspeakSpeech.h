#pragma once
// Speech with libespeak-ng's Japanese voice. The text is first turned into its
// katakana pronunciation (KanaReader), then synthesised block by block onto
// the mixer's speech voice, which starts playing with the first block.
// Synthesis runs many times faster than real time, so Speak holds the caller
// for a few milliseconds and returns while the reading is heard.
//
// espeak-ng keeps its state in the process: it is initialised on the first
// create() and stays initialised; one engine should exist at a time.

#include "sound/KanaReader.h"
#include "sound/MixerBackend.h"
#include "sound/SpeechEngine.h"

#include <QStringList>
#include <functional>
#include <memory>

namespace lumena {

struct VoiceSettings {
    QString voice = QStringLiteral("ja"); // espeak voice name, "ja" or "ja+<variant>"
    int rate = 175;                       // words per minute, 80..450
    int pitch = 50;                       // 0..100
    int volume = 100;                     // 0..200
    bool operator==(const VoiceSettings&) const = default;
};

class EspeakSpeech final : public SpeechEngine {
public:
    using DialogHook = std::function<void(QObject* owner, const QString& title, EspeakSpeech&)>;

    // Null when espeak-ng, its Japanese voice or the MeCab dictionary is
    // missing.
    static std::unique_ptr<EspeakSpeech> create(SpeechOutput& output);

    // Whether espeak-ng's Japanese voice and the MeCab dictionary are
    // installed: a cheap file check that stands for create() at start-up.
    static bool installed();

    void Speak(const QString& text) override;
    void Stop() override;
    qint32 Status() const override;
    void ShowSettingsDlg(QObject* owner, const QString& title) override;
    void SetReadingsFile(const QString& path) override;

    // The whole reading at once (mono, signed 16-bit, at sampleRate()), for
    // kana text that needs no further conversion. Empty on failure.
    std::vector<std::int16_t> synthesize(const QString& kana);
    int sampleRate() const { return m_rate; }

    // Voice choices as (name, label) pairs.
    static QList<QPair<QString, QString>> voices();
    VoiceSettings settings() const { return m_settings; }
    // Applies the settings; false (and nothing changed) for an unknown voice.
    bool setSettings(const VoiceSettings& settings);

    KanaReader& reader() { return *m_reader; }
    void setDialogHook(DialogHook hook) { m_dialog = std::move(hook); }

private:
    EspeakSpeech(SpeechOutput& output, std::unique_ptr<KanaReader> reader, int rate);

    SpeechOutput& m_output;
    std::unique_ptr<KanaReader> m_reader;
    int m_rate;
    bool m_failed = false;
    VoiceSettings m_settings;
    DialogHook m_dialog;
};

} // namespace lumena
