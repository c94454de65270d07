#pragma once
// PlaySnd and CloseAllSnd on the four channels "S1".."S4" over a mixer.
//
// Rules every caller relies on:
// - an empty or missing file sends nothing, so a sound still playing on the
//   channel goes on;
// - otherwise the channel is closed first, so one channel plays at most one
//   sound;
// - the kind comes from the last three characters of the name in any case
//   ("WAV", "MP3", "MID"); any other kind leaves the channel closed;
// - a file the mixer refuses plays nothing and reports nothing;
// - synchronous play returns when the sound has ended, waiting through the
//   Host in small slices so windows keep painting and input stays queued;
// - asynchronous play stops the channel and restarts from the beginning.

#include "sound/MixerBackend.h"
#include "sound/SoundPorts.h"

#include <optional>

namespace lumena {

class Host;

class SoundChannels final : public SoundPlayer {
public:
    // Length of one wait while a synchronous sound plays, in milliseconds.
    static constexpr int kSyncSliceMs = 5;

    SoundChannels(MixerBackend& mixer, Host& host);

    void PlaySnd(const QString& fileName, const QString& channel, bool sync,
                 qint16 waitMs) override;
    void CloseAllSnd() override;

    // The kind of a file name, or none for a name that is not played.
    static std::optional<SoundKind> kindOf(const QString& fileName);
    // 0..3 for "S1".."S4", -1 for any other name.
    static int channelIndex(const QString& channel);

private:
    MixerBackend& m_mixer;
    Host& m_host;
};

} // namespace lumena
