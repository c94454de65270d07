// Sound and speech timings: loading each kind of sound file (decoded first,
// then from the cache), the start of a cached sound, the time from a tape
// button to the first mixed buffer of speech, and synthesis speed.
//
// Run on the real device or with SDL_AUDIODRIVER=dummy.

#include "reslib/ShiftJis.h"
#include "sound/EspeakSpeech.h"
#include "sound/SdlMixer.h"
#include "sound/SoundChannels.h"
#include "sound/Tape.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeResLib.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <SDL_mixer.h>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <thread>

using namespace lumena;
using Clock = std::chrono::steady_clock;

namespace {

SdlMixer& mixer()
{
    static SdlMixer m;
    m.openDevice(); // opening the device is not what is timed
    return m;
}

QTemporaryDir& tempDir()
{
    static QTemporaryDir d;
    return d;
}

QString wavFile()
{
    const QString path = tempDir().filePath(QStringLiteral("chime.wav"));
    if (!QFile::exists(path)) {
        const int rate = 22050, frames = rate / 2;
        QByteArray pcm(frames * 2, Qt::Uninitialized);
        for (int i = 0; i < frames; ++i)
            qToLittleEndian<qint16>(qint16(8000 * std::sin(2 * M_PI * 660.0 * i / rate)),
                                    pcm.data() + 2 * i);
        QByteArray w("RIFF");
        auto u32 = [&w](quint32 v) { w.append(reinterpret_cast<const char*>(&v), 4); };
        auto u16 = [&w](quint16 v) { w.append(reinterpret_cast<const char*>(&v), 2); };
        u32(36 + pcm.size());
        w.append("WAVEfmt ");
        u32(16), u16(1), u16(1), u32(rate), u32(rate * 2), u16(2), u16(16);
        w.append("data");
        u32(pcm.size());
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(w + pcm);
    }
    return path;
}

QString fileOf(int kind)
{
    const QString data = QStringLiteral(LUMENA_SOURCE_DIR "/tests/sound/data/");
    switch (SoundKind(kind)) {
    case SoundKind::Wav:
        return wavFile();
    case SoundKind::Mp3:
        return data + QStringLiteral("tone.mp3");
    case SoundKind::Midi:
        return data + QStringLiteral("chime.mid");
    }
    return {};
}

const char* kindName(int kind)
{
    static const char* names[] = {"wav", "mp3", "midi"};
    return names[kind];
}

void BM_LoadFirst(benchmark::State& state)
{
    // A new modification time makes every load a cache miss.
    const QString src = fileOf(int(state.range(0)));
    const QString path = tempDir().filePath(QStringLiteral("first.") +
                                            QLatin1StringView(kindName(int(state.range(0)))));
    QFile::remove(path);
    QFile::copy(src, path);
    QDateTime t = QDateTime::currentDateTime();
    for (auto _ : state) {
        state.PauseTiming();
        t = t.addSecs(1);
        QFile f(path);
        f.open(QIODevice::ReadWrite);
        f.setFileTime(t, QFileDevice::FileModificationTime);
        f.close();
        state.ResumeTiming();
        benchmark::DoNotOptimize(mixer().open(0, path, SoundKind(state.range(0))));
    }
    state.SetLabel(kindName(int(state.range(0))));
}
BENCHMARK(BM_LoadFirst)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_LoadCached(benchmark::State& state)
{
    const QString path = fileOf(int(state.range(0)));
    mixer().open(0, path, SoundKind(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(mixer().open(0, path, SoundKind(state.range(0))));
    state.SetLabel(kindName(int(state.range(0))));
}
BENCHMARK(BM_LoadCached)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// A cached sound: the whole PlaySnd call, until the mixer has the channel
// playing.
void BM_PlaySndCachedStart(benchmark::State& state)
{
    test::FakeHost host;
    SoundChannels sound(mixer(), host);
    const QString path = fileOf(int(state.range(0)));
    sound.PlaySnd(path, QStringLiteral("S1"), false, 0);
    for (auto _ : state)
        sound.PlaySnd(path, QStringLiteral("S1"), false, 0);
    state.SetLabel(kindName(int(state.range(0))));
}
BENCHMARK(BM_PlaySndCachedStart)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

struct NullFrame final : TapeFrame {
    void setTapeCaption(const QString&) override {}
    void setTapeFrameEnabled(bool) override {}
    void setTapeButtonsEnabled(bool) override {}
    QObject* tapeDialogOwner() override { return nullptr; }
};
struct NoSounds final : TapeOptions {
    bool preSoundAlways() const override { return false; }
    QString preSoundFile() const override { return {}; }
    QString preSound(int) const override { return {}; }
    bool preSoundSync() const override { return false; }
};

std::atomic<bool> g_armed{false};
std::atomic<Clock::rep> g_firstMix{0};

void postMix(void*, Uint8*, int)
{
    if (g_armed.load() && mixer().speechSamplesMixed() > 0) {
        g_firstMix = Clock::now().time_since_epoch().count();
        g_armed = false;
    }
}

// From the "送り" button (tape step, reading conversion, synthesis of the
// first block, hand-over to the mixer) to the first device buffer that holds
// samples of the reading. button_call_ms is how long the button's handler
// holds the UI thread (the whole reading is synthesised within it).
void BM_TapeButtonToFirstSpeech(benchmark::State& state)
{
    const QString folder = tempDir().path() + u'/';
    QFile f(folder + QStringLiteral("1tp.csv"));
    f.open(QIODevice::WriteOnly);
    f.write(sjis::fromUnicode(u"次は、上大岡駅前です。お降りの方はお知らせください。,0,0\r\n"));
    f.close();
    NullFrame frame;
    NoSounds options;
    test::FakeHost host;
    SoundChannels sound(mixer(), host);
    test::FakeResLib res;
    Tape tape(frame, options, sound, res, host, [] { return EspeakSpeech::create(mixer()); });
    tape.InitSpeech();
    if (!tape.SpeechAvailable()) {
        state.SkipWithError("no speech engine");
        return;
    }
    Mix_SetPostMix(&postMix, nullptr);
    double callSeconds = 0;
    for (auto _ : state) {
        tape.TapeStop();
        tape.LoadTapeData(folder, QStringLiteral("1"));
        g_armed = true;
        const auto t0 = Clock::now();
        tape.TapeNext();
        callSeconds += std::chrono::duration<double>(Clock::now() - t0).count();
        while (g_armed.load() && Clock::now() - t0 < std::chrono::seconds(1))
            std::this_thread::yield();
        const auto t1 = Clock::time_point(Clock::duration(g_firstMix.load()));
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    Mix_SetPostMix(nullptr, nullptr);
    state.counters["button_call_ms"] = 1000 * callSeconds / double(state.iterations());
    tape.TermSpeech();
}
BENCHMARK(BM_TapeButtonToFirstSpeech)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);

// Seconds of speech produced per second of synthesis: the multiple of real
// time.
void BM_SynthesisSpeed(benchmark::State& state)
{
    std::unique_ptr<EspeakSpeech> engine = EspeakSpeech::create(mixer());
    if (!engine) {
        state.SkipWithError("no speech engine");
        return;
    }
    const QString kana = engine->reader().toKana(QStringLiteral(
        "次は、市役所前です。お降りの方は、お近くのボタンを押してお知らせください。"));
    double audioSeconds = 0;
    for (auto _ : state) {
        const std::vector<std::int16_t> s = engine->synthesize(kana);
        audioSeconds += double(s.size()) / engine->sampleRate();
    }
    state.counters["x_realtime"] = benchmark::Counter(audioSeconds, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SynthesisSpeed)->Unit(benchmark::kMillisecond);

} // namespace
