#include "sound/SoundChannels.h"

#include "reslib/Host.h"
#include "reslib/InputFile.h"

namespace lumena {

SoundChannels::SoundChannels(MixerBackend& mixer, Host& host) : m_mixer(mixer), m_host(host) {}

std::optional<SoundKind> SoundChannels::kindOf(const QString& fileName)
{
    const QString kind = fileName.right(3).toUpper().trimmed();
    if (kind == u"WAV")
        return SoundKind::Wav;
    if (kind == u"MP3")
        return SoundKind::Mp3;
    if (kind == u"MID")
        return SoundKind::Midi;
    return std::nullopt;
}

int SoundChannels::channelIndex(const QString& channel)
{
    static const QString names[] = {QStringLiteral("S1"), QStringLiteral("S2"),
                                    QStringLiteral("S3"), QStringLiteral("S4")};
    for (int i = 0; i < 4; ++i) {
        if (channel == names[i])
            return i;
    }
    return -1;
}

void SoundChannels::PlaySnd(const QString& fileName, const QString& channel, bool sync,
                            qint16 waitMs)
{
    // A name that is no existing normal file (also one no file can carry),
    // or a file over the limit, is treated as missing: nothing reaches the mixer.
    if (checkInputFile(fileName, sound_limits::MaxFileBytes) != InputCheck::Ok)
        return;
    const int ch = channelIndex(channel);
    if (ch < 0)
        return;

    m_mixer.close(ch);
    const std::optional<SoundKind> kind = kindOf(fileName);
    if (!kind)
        return;
    if (!m_mixer.open(ch, fileName, *kind))
        return;

    if (sync) {
        m_mixer.play(ch);
        while (m_mixer.isPlaying(ch))
            m_host.wait(kSyncSliceMs);
        if (waitMs > 0)
            m_host.wait(waitMs);
    } else {
        m_mixer.stop(ch);
        m_mixer.play(ch);
    }
}

void SoundChannels::CloseAllSnd()
{
    for (int ch = 0; ch < 4; ++ch)
        m_mixer.close(ch);
}

} // namespace lumena
