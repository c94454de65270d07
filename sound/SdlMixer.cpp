#include "sound/SdlMixer.h"

#include "reslib/InputFile.h"
#include "reslib/SystemPaths.h"

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

bool openSdlAudio()
{
    // SDL would otherwise take SIGINT and SIGTERM for its own event queue,
    // which nobody reads here, and the program could no longer be ended.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
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

SdlMixer::SdlMixer() = default;

bool SdlMixer::openDevice()
{
    if (m_tried)
        return m_open;
    m_tried = true;
    silenceAlsa();
    m_open = openSdlAudio();
    if (!m_open) {
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        m_open = openSdlAudio();
    }
    if (!m_open)
        return false;
    Mix_Init(MIX_INIT_MP3 | MIX_INIT_MID);
    // The default soundfont costs half a second per MIDI load.
    const QString soundFont = system_paths::soundFont();
    if (QFileInfo::exists(soundFont))
        Mix_SetSoundFonts(QFile::encodeName(soundFont).constData());
    Mix_AllocateChannels(kSpeechChannel + 1);
    int freq = 0, chans = 0;
    Uint16 fmt = 0;
    Mix_QuerySpec(&freq, &fmt, &chans);
    m_rate = freq;
    m_format = fmt;
    m_channels = chans;
    return true;
}

SdlMixer::~SdlMixer()
{
    if (!m_open)
        return;
    Mix_HaltChannel(-1);
    for (Cached& c : m_cache)
        Mix_FreeChunk(c.chunk);
    m_cache.clear();
    if (m_carrier)
        Mix_FreeChunk(m_carrier);
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
    if (!openDevice() || channel < 0 || channel > 3)
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
    if (!openDevice() || channel < 0 || channel > 3 || !m_loaded[channel])
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
    // Read here, so that only a regular file within the limit reaches SDL
    // (its own open would block on a FIFO); SDL decodes from the bytes.
    QByteArray bytes;
    if (readInputFile(path, sound_limits::MaxFileBytes, bytes) != InputCheck::Ok)
        return nullptr;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.constData(), int(bytes.size()));
    // Closed here: SDL_mixer 2.6 leaves it open after a broken MIDI file
    // although asked to close it.
    Mix_Chunk* chunk = rw ? Mix_LoadWAV_RW(rw, 0) : nullptr;
    if (rw)
        SDL_RWclose(rw);
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

void SdlMixer::speechEffect(int, void* stream, int len, void* self)
{
    auto* mixer = static_cast<SdlMixer*>(self);
    SpeechStream& sp = *mixer->m_speech;
    auto* out = static_cast<Sint16*>(stream);
    const int frames = len / int(sizeof(Sint16)) / mixer->m_channels;
    std::lock_guard guard(sp.lock);
    const double step = double(sp.rate) / mixer->m_rate;
    const std::size_t n = sp.in.size();
    for (int i = 0; i < frames; ++i) {
        Sint16 v = 0;
        const std::size_t k = std::size_t(sp.pos);
        if (k + 1 < n || (sp.ended && k < n)) {
            // Linear interpolation between neighbouring input samples.
            const double f = sp.pos - double(k);
            const int a = sp.in[k];
            const int b = k + 1 < n ? sp.in[k + 1] : a;
            v = Sint16(a + (b - a) * f);
            sp.pos += step;
            sp.mixed = std::min(n, std::size_t(sp.pos));
        } else if (sp.ended) {
            sp.done = true;
        }
        for (int c = 0; c < mixer->m_channels; ++c)
            *out++ = v;
    }
}

bool SdlMixer::beginSpeech(int rate)
{
    if (!openDevice() || rate <= 0 || m_format != AUDIO_S16SYS)
        return false;
    stopSpeech();
    if (!m_carrier) {
        m_carrierBuffer.assign(std::size_t(m_rate / 4) * std::size_t(m_channels) * 2, 0);
        m_carrier = Mix_QuickLoad_RAW(m_carrierBuffer.data(), Uint32(m_carrierBuffer.size()));
        if (!m_carrier)
            return false;
    }
    if (!m_speech)
        m_speech = std::make_unique<SpeechStream>();
    {
        std::lock_guard guard(m_speech->lock);
        m_speech->in.clear();
        m_speech->rate = rate;
        m_speech->pos = 0;
        m_speech->ended = m_speech->done = false;
        m_speech->mixed = 0;
    }
    if (!Mix_RegisterEffect(kSpeechChannel, &SdlMixer::speechEffect, nullptr, this))
        return false;
    return Mix_PlayChannel(kSpeechChannel, m_carrier, -1) >= 0;
}

void SdlMixer::appendSpeech(const std::int16_t* samples, std::size_t count)
{
    if (!m_speech || count == 0)
        return;
    std::lock_guard guard(m_speech->lock);
    m_speech->in.insert(m_speech->in.end(), samples, samples + count);
}

void SdlMixer::endSpeech()
{
    if (!m_speech)
        return;
    std::lock_guard guard(m_speech->lock);
    m_speech->ended = true;
}

void SdlMixer::stopSpeech()
{
    // Halting the channel also removes its effect.
    if (m_open)
        Mix_HaltChannel(kSpeechChannel);
}

bool SdlMixer::speechPlaying() const
{
    if (!m_open || !m_speech || !Mix_Playing(kSpeechChannel))
        return false;
    std::lock_guard guard(m_speech->lock);
    return !m_speech->done;
}

std::size_t SdlMixer::speechSamplesMixed() const
{
    if (!m_speech)
        return 0;
    std::lock_guard guard(m_speech->lock);
    return m_speech->mixed;
}

} // namespace lumena
