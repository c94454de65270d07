#pragma once
// What the sound channels and the speech engine need from an audio mixer.
// The real one is SdlMixer; tests put a recording fake in its place so the
// channel rules are checked without audio.

#include <QString>
#include <cstdint>
#include <vector>

namespace lumena {

enum class SoundKind { Wav, Mp3, Midi };

// The largest sound file played (a few minutes of MP3); a larger one, like
// any file that is no regular file, is not played, silently as a missing
// one. The file is decoded whole, so its decoded length is bounded only
// through this: a MIDI file may still decode to much more than its size.
namespace sound_limits {
inline constexpr qint64 MaxFileBytes = qint64(8) << 20; // 8,388,608
} // namespace sound_limits

// Four sound channels, 0..3 for "S1".."S4". A channel holds at most one
// sound; open() replaces nothing (the caller closes first).
class MixerBackend {
public:
    virtual ~MixerBackend() = default;
    // Loads the file onto the channel. False when the mixer refuses the file;
    // the channel then stays closed.
    virtual bool open(int channel, const QString& path, SoundKind kind) = 0;
    // Ends whatever the channel plays and forgets its sound.
    virtual void close(int channel) = 0;
    // Plays the channel's sound from its beginning; returns at once.
    virtual void play(int channel) = 0;
    virtual void stop(int channel) = 0;
    virtual bool isPlaying(int channel) const = 0;
};

// A mixer voice of its own for speech, so a reading never cuts a chime on
// "S1".."S4" and the reverse. A reading is streamed: it starts playing with
// its first samples while the rest are still being made.
class SpeechOutput {
public:
    virtual ~SpeechOutput() = default;
    // Starts a reading of mono signed 16-bit samples at `rate` Hz, replacing
    // any speech still playing. False when the mixer cannot play speech.
    virtual bool beginSpeech(int rate) = 0;
    // Adds samples to the reading begun last.
    virtual void appendSpeech(const std::int16_t* samples, std::size_t count) = 0;
    // No more samples follow: the reading ends after the last one.
    virtual void endSpeech() = 0;
    virtual void stopSpeech() = 0;
    // True from beginSpeech until the last sample has been played (or stopSpeech).
    virtual bool speechPlaying() const = 0;

    // A whole reading at once.
    bool playSpeech(const std::vector<std::int16_t>& samples, int rate)
    {
        if (!beginSpeech(rate))
            return false;
        appendSpeech(samples.data(), samples.size());
        endSpeech();
        return true;
    }
};

} // namespace lumena
