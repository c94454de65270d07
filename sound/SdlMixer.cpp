#include "sound/SdlMixer.h"

#include <QFile>
#include <QFileInfo>

#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>

namespace lumena {

namespace {

extern "C" void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

// ALSA prints "cannot find card" lines on stderr before SDL gives up on a
// machine without sound; its error handler is reached through the library
// SDL itself loads, so the handler is set before SDL opens audio.
void silenceAlsa()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    void* lib = dlopen("libasound.so.2", RTLD_NOW | RTLD_GLOBAL);
    if (!lib)
        return;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    if (auto set = reinterpret_cast<SetHandler>(dlsym(lib, "snd_lib_error_set_handler")))
        set(&quietAlsa);
    // The library stays loaded: SDL uses it for the rest of the run.
}

bool openDevice()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    // 512 frames keep the delay between a call and the first sample small.
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 512) == 0)
        return true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

constexpr int kTailThreshold = 64; // of 32767: about -54 dB
constexpr int kTailKeepMs = 20;    // release kept after the last audible sample

} // namespace

SdlMixer::SdlMixer()
{
    silenceAlsa();
    m_open = openDevice();
    if (!m_open) {
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        m_open = openDevice();
    }
    if (!m_open)
        return;
    Mix_Init(MIX_INIT_MP3 | MIX_INIT_MID);
    // The default soundfont costs half a second per MIDI load.
    if (QFileInfo::exists(QString::fromLatin1(kSoundFont)))
        Mix_SetSoundFonts(kSoundFont);
    Mix_AllocateChannels(kSpeechChannel + 1);
    int freq = 0, chans = 0;
    Uint16 fmt = 0;
    Mix_QuerySpec(&freq, &fmt, &chans);
    m_rate = freq;
    m_format = fmt;
    m_channels = chans;
}

SdlMixer::~SdlMixer()
{
    if (!m_open)
        return;
    Mix_HaltChannel(-1);
    for (Cached& c : m_cache)
        Mix_FreeChunk(c.chunk);
    m_cache.clear();
    if (m_speechChunk)
        Mix_FreeChunk(m_speechChunk);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

QString SdlMixer::driverName() const
{
    const char* name = m_open ? SDL_GetCurrentAudioDriver() : nullptr;
    return name ? QString::fromLatin1(name) : QString();
}

bool SdlMixer::open(int channel, const QString& path, SoundKind kind)
{
    if (!m_open || channel < 0 || channel > 3)
        return false;
    Mix_Chunk* chunk = load(path, kind);
    m_loaded[channel] = chunk;
    return chunk != nullptr;
}

void SdlMixer::close(int channel)
{
    if (!m_open || channel < 0 || channel > 3)
        return;
    Mix_HaltChannel(channel);
    m_loaded[channel] = nullptr;
}

void SdlMixer::play(int channel)
{
    if (!m_open || channel < 0 || channel > 3 || !m_loaded[channel])
        return;
    Mix_PlayChannel(channel, m_loaded[channel], 0);
}

void SdlMixer::stop(int channel)
{
    if (m_open && channel >= 0 && channel <= 3)
        Mix_HaltChannel(channel);
}

bool SdlMixer::isPlaying(int channel) const
{
    return m_open && channel >= 0 && channel <= 3 && Mix_Playing(channel) != 0;
}

int SdlMixer::lengthMs(int channel) const
{
    const Mix_Chunk* c = (channel >= 0 && channel <= 3) ? m_loaded[channel] : nullptr;
    if (!c || m_rate <= 0)
        return 0;
    const int frameBytes = SDL_AUDIO_BITSIZE(m_format) / 8 * m_channels;
    return static_cast<int>(qint64(c->alen) / frameBytes * 1000 / m_rate);
}

Mix_Chunk* SdlMixer::load(const QString& path, SoundKind kind)
{
    const QFileInfo info(path);
    const qint64 size = info.size();
    const QDateTime modified = info.lastModified();
    for (auto it = m_cache.begin(); it != m_cache.end(); ++it) {
        if (it->path == path && it->size == size && it->modified == modified) {
            m_cache.splice(m_cache.begin(), m_cache, it);
            return m_cache.front().chunk;
        }
    }
    Mix_Chunk* chunk = Mix_LoadWAV(QFile::encodeName(path).constData());
    if (!chunk)
        return nullptr;
    if (kind == SoundKind::Midi)
        trimSilentTail(chunk);
    m_cache.push_front({path, size, modified, chunk});
    evict();
    return chunk;
}

bool SdlMixer::inUse(const Mix_Chunk* chunk) const
{
    for (int ch = 0; ch < 4; ++ch) {
        if (m_loaded[ch] == chunk || (Mix_Playing(ch) && Mix_GetChunk(ch) == chunk))
            return true;
    }
    return false;
}

void SdlMixer::evict()
{
    // A sound still on a channel is never freed: SDL would cut it.
    auto it = m_cache.end();
    while (static_cast<int>(m_cache.size()) > kCacheSize && it != m_cache.begin()) {
        --it;
        if (!inUse(it->chunk)) {
            Mix_FreeChunk(it->chunk);
            it = m_cache.erase(it);
        }
    }
}

void SdlMixer::trimSilentTail(Mix_Chunk* chunk) const
{
    if (SDL_AUDIO_BITSIZE(m_format) != 16 || !SDL_AUDIO_ISSIGNED(m_format) || m_channels <= 0)
        return;
    const auto* s = reinterpret_cast<const Sint16*>(chunk->abuf);
    const Uint32 samples = chunk->alen / 2;
    Uint32 last = samples;
    while (last > 0 && std::abs(int(s[last - 1])) <= kTailThreshold)
        --last;
    const Uint32 keep = Uint32(m_rate * kTailKeepMs / 1000 * m_channels);
    Uint32 end = std::min(samples, last + keep);
    end -= end % Uint32(m_channels);
    chunk->alen = end * 2;
}

bool SdlMixer::playSpeech(std::vector<std::int16_t> samples, int rate)
{
    if (!m_open || rate <= 0)
        return false;
    stopSpeech();
    if (samples.empty())
        return true;
    if (m_format == AUDIO_S16SYS) {
        // Linear interpolation to the device rate, copied to every output
        // channel: a few milliseconds for a long reading, where SDL's
        // converter takes tens.
        const size_t in = samples.size();
        const size_t out = size_t(double(in) * m_rate / rate);
        m_speechBuffer.resize(out * size_t(m_channels) * sizeof(Sint16));
        auto* dst = reinterpret_cast<Sint16*>(m_speechBuffer.data());
        const double step = double(rate) / m_rate;
        for (size_t i = 0; i < out; ++i) {
            const double pos = double(i) * step;
            const size_t k = size_t(pos);
            const double f = pos - double(k);
            const int a = samples[std::min(k, in - 1)];
            const int b = samples[std::min(k + 1, in - 1)];
            const auto v = Sint16(a + (b - a) * f);
            for (int c = 0; c < m_channels; ++c)
                *dst++ = v;
        }
    } else {
        SDL_AudioCVT cvt;
        if (SDL_BuildAudioCVT(&cvt, AUDIO_S16SYS, 1, rate, m_format, Uint8(m_channels), m_rate) < 0)
            return false;
        const int len = static_cast<int>(samples.size() * sizeof(std::int16_t));
        m_speechBuffer.assign(size_t(len) * size_t(cvt.len_mult), 0);
        std::memcpy(m_speechBuffer.data(), samples.data(), size_t(len));
        cvt.len = len;
        cvt.buf = m_speechBuffer.data();
        if (cvt.needed && SDL_ConvertAudio(&cvt) != 0)
            return false;
        m_speechBuffer.resize(cvt.needed ? size_t(cvt.len_cvt) : size_t(len));
    }
    // QuickLoad does not copy: the buffer lives until the chunk is freed.
    m_speechChunk = Mix_QuickLoad_RAW(m_speechBuffer.data(), Uint32(m_speechBuffer.size()));
    if (!m_speechChunk)
        return false;
    return Mix_PlayChannel(kSpeechChannel, m_speechChunk, 0) >= 0;
}

void SdlMixer::stopSpeech()
{
    if (!m_open)
        return;
    Mix_HaltChannel(kSpeechChannel);
    if (m_speechChunk) {
        Mix_FreeChunk(m_speechChunk);
        m_speechChunk = nullptr;
    }
}

bool SdlMixer::speechPlaying() const
{
    return m_open && Mix_Playing(kSpeechChannel) != 0;
}

} // namespace lumena
