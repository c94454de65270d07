#pragma once
// The real mixer: SDL2_mixer with four sound channels and one speech voice.
//
// The audio device is opened by the first call that needs it (loading or
// playing a sound, starting a reading) or by openDevice(); calls that only
// stop or ask about playback leave it closed, as nothing can be playing yet.
// Probing the sound system's drivers takes a while, so the program opens it
// once its windows are on screen.
//
// Opening tries the real audio device first and SDL's dummy driver second, so
// without a sound card every sound is still timed (the dummy driver plays in
// real time, silently) and nothing else changes. ALSA's complaints about a
// missing card are kept off the terminal. If even the dummy driver cannot be
// opened, every file is refused and nothing crashes or hangs.
//
// Decoded sounds are kept in a small cache keyed by path, size and
// modification time, so a chime played again starts at once. MIDI renders
// through FluidSynth with the small General MIDI soundfont; the silent tail
// FluidSynth leaves after the last note is cut, so a synchronous chime ends
// when it is heard to end.

#include "sound/MixerBackend.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <list>
#include <memory>
#include <mutex>

struct Mix_Chunk;

namespace lumena {

class SdlMixer final : public MixerBackend, public SpeechOutput {
public:
    static constexpr int kSpeechChannel = 4;
    static constexpr int kCacheSize = 16;

    SdlMixer();
    ~SdlMixer() override;
    SdlMixer(const SdlMixer&) = delete;
    SdlMixer& operator=(const SdlMixer&) = delete;

    // Opens the audio device now, if that was not tried yet. False when no
    // audio device, not even the dummy one, could be opened.
    bool openDevice();
    // Whether the device is open; false until something opened it.
    bool isOpen() const { return m_open; }
    // Name of the SDL audio driver in use ("alsa", "pulseaudio", "dummy", ...).
    QString driverName() const;
    // Output rate and channel count of the opened device.
    int rate() const { return m_rate; }

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
    // Speech samples the device has mixed since the last beginSpeech.
    std::size_t speechSamplesMixed() const;

    // Playing length of the sound loaded on a channel, in milliseconds (0 when
    // the channel is closed).
    int lengthMs(int channel) const;
    // Number of decoded sounds held in the cache.
    int cachedCount() const { return static_cast<int>(m_cache.size()); }

private:
    struct Cached {
        QString path;
        qint64 size = 0;
        QDateTime modified;
        Mix_Chunk* chunk = nullptr;
    };

    Mix_Chunk* load(const QString& path, SoundKind kind);
    void evict();
    void trimSilentTail(Mix_Chunk* chunk) const;
    bool inUse(const Mix_Chunk* chunk) const;

    bool m_tried = false;
    bool m_open = false;
    int m_rate = 0;
    quint16 m_format = 0;
    int m_channels = 0;
    std::array<Mix_Chunk*, 4> m_loaded{};
    std::list<Cached> m_cache; // most recently used first
    // The speech voice plays a looping silent carrier whose sound an effect
    // replaces with the reading, resampled to the device rate as it is mixed.
    // The effect runs on the audio thread; m_speech is shared under its mutex.
    struct SpeechStream {
        std::mutex lock;
        std::vector<std::int16_t> in; // mono samples at `rate`
        int rate = 0;
        double pos = 0;        // next input position
        bool ended = false;    // endSpeech was called
        bool done = false;     // every sample has been mixed
        std::size_t mixed = 0; // input samples mixed
    };
    static void speechEffect(int chan, void* stream, int len, void* self);
    Mix_Chunk* m_carrier = nullptr;
    std::vector<std::uint8_t> m_carrierBuffer;
    std::unique_ptr<SpeechStream> m_speech;
};

} // namespace lumena
