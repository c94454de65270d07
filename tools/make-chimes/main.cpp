// make-chimes: writes the sounds that come with Lumena, made from nothing but
// the scores below, so anyone can remake or change them:
//
//   make-chimes OUTDIR
//
// The files are mono 16-bit WAV at 22050 Hz and one standard MIDI file. The
// same program on the same platform writes the same bytes every time, so the
// committed files in samples/sounds can be checked against a fresh run.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;

enum class Voice {
    Bell, // a struck tone bar: a ringing fundamental with a few inharmonic partials
    Beep, // a short electronic tone
};

struct Note {
    int key;      // MIDI key number, 69 = A4 = 440 Hz
    int startMs;  // from the start of the sound
    int holdMs;   // how long the key is held in the MIDI file; a beep's length
    int velocity; // 1..127
};

struct Chime {
    const char* file;
    Voice voice;
    double ringSeconds; // a bell's decay time constant
    int lengthMs;       // the whole sound, the fade-out included
    std::vector<Note> notes;
};

// The bundled sounds. The names are the ones the first start chooses.
const std::vector<Chime>& chimes()
{
    static const std::vector<Chime> all = {
        // Route set: one short high beep, "ピッ".
        {"route-set.wav", Voice::Beep, 0, 200, {{93, 0, 150, 100}}},
        // Step: the two-tone "ピンポン", a major third down.
        {"step-chime.wav", Voice::Bell, 0.38, 1300, {{83, 0, 400, 110}, {79, 350, 800, 100}}},
        // Before an announcement, by the flag of its entry: 1 the first
        // announcement of a route (rising), 2 the next stop (falling), 3 the
        // terminal (falling further, slower).
        {"pre-chime-1.wav",
         Voice::Bell,
         0.42,
         1700,
         {{84, 0, 300, 100}, {88, 170, 300, 100}, {91, 340, 300, 100}, {96, 510, 900, 105}}},
        {"pre-chime-2.wav",
         Voice::Bell,
         0.40,
         1500,
         {{91, 0, 300, 105}, {88, 200, 300, 100}, {84, 400, 900, 100}}},
        {"pre-chime-3.wav",
         Voice::Bell,
         0.55,
         2300,
         {{88, 0, 400, 105}, {84, 280, 400, 100}, {79, 560, 400, 100}, {72, 840, 1200, 105}}},
    };
    return all;
}

// The terminal chime once more as a MIDI file, played on the General MIDI
// vibraphone, so the MIDI path has a sound of its own.
constexpr const char* kMidiFile = "pre-chime-3.mid";
constexpr const char* kMidiFrom = "pre-chime-3.wav";
constexpr int kMidiProgram = 11; // Vibraphone (0-based)

double frequency(int key)
{
    return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

// Adds one note to `out`, starting at sample `at`.
void addNote(std::vector<double>& out, const Chime& chime, const Note& note)
{
    const double f = frequency(note.key);
    const double gain = note.velocity / 127.0;
    const std::size_t at = std::size_t(note.startMs) * kRate / 1000;
    if (chime.voice == Voice::Beep) {
        // A sine with a little third harmonic, 5 ms rise and 20 ms fall.
        const std::size_t n = std::size_t(note.holdMs) * kRate / 1000;
        for (std::size_t i = 0; i < n && at + i < out.size(); ++i) {
            const double t = double(i) / kRate;
            const double rise = std::min(1.0, t / 0.005);
            const double fall = std::min(1.0, (double(n - i) / kRate) / 0.020);
            const double w = 2 * std::numbers::pi * f * t;
            out[at + i] += gain * rise * fall * (std::sin(w) + 0.15 * std::sin(3 * w));
        }
        return;
    }
    // A tone bar: the fundamental, a quiet octave, and the bar's first two
    // inharmonic modes, which ring shorter the higher they are.
    struct Partial {
        double ratio, level, decay;
    };
    static constexpr Partial partials[] = {
        {1.0, 1.0, 1.0}, {2.0, 0.12, 1.8}, {2.756, 0.18, 3.5}, {5.404, 0.06, 7.0}};
    for (std::size_t i = 0; at + i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double strike = std::min(1.0, t / 0.002);
        double v = 0;
        for (const Partial& p : partials) {
            if (f * p.ratio >= kRate / 2.0)
                continue;
            v += p.level * std::exp(-t * p.decay / chime.ringSeconds) *
                 std::sin(2 * std::numbers::pi * f * p.ratio * t);
        }
        out[at + i] += gain * strike * v;
    }
}

// The chime as 16-bit samples: peaks at -3 dBFS, fades out over its last 250 ms.
std::vector<std::int16_t> render(const Chime& chime)
{
    std::vector<double> mix(std::size_t(chime.lengthMs) * kRate / 1000, 0.0);
    for (const Note& note : chime.notes)
        addNote(mix, chime, note);
    const std::size_t fade = std::min(mix.size(), std::size_t(kRate / 4));
    for (std::size_t i = 0; i < fade; ++i) {
        const double x = double(i) / double(fade); // 0 at the fade's start
        mix[mix.size() - fade + i] *= 0.5 * (1 + std::cos(std::numbers::pi * x));
    }
    double peak = 0;
    for (double v : mix)
        peak = std::max(peak, std::abs(v));
    const double scale = peak > 0 ? 0.7 * 32767 / peak : 0;
    std::vector<std::int16_t> out(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i)
        out[i] = std::int16_t(std::lround(mix[i] * scale));
    return out;
}

void putLe(std::string& s, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        s.push_back(char((v >> (8 * i)) & 0xFF));
}

void putBe(std::string& s, std::uint32_t v, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        s.push_back(char((v >> (8 * i)) & 0xFF));
}

std::string wavFile(const std::vector<std::int16_t>& samples)
{
    const auto dataBytes = std::uint32_t(samples.size() * 2);
    std::string s = "RIFF";
    putLe(s, 36 + dataBytes, 4);
    s += "WAVEfmt ";
    putLe(s, 16, 4);
    putLe(s, 1, 2); // PCM
    putLe(s, 1, 2); // mono
    putLe(s, kRate, 4);
    putLe(s, kRate * 2, 4);
    putLe(s, 2, 2);
    putLe(s, 16, 2);
    s += "data";
    putLe(s, dataBytes, 4);
    for (std::int16_t v : samples)
        putLe(s, std::uint16_t(v), 2);
    return s;
}

// A MIDI variable-length quantity.
void putVarLen(std::string& s, std::uint32_t v)
{
    std::string bytes(1, char(v & 0x7F));
    while ((v >>= 7) != 0)
        bytes.insert(bytes.begin(), char(0x80 | (v & 0x7F)));
    s += bytes;
}

// A format-0 standard MIDI file of the chime's notes on channel 1, at
// 120 beats a minute and 500 ticks a beat, so a tick is one millisecond.
std::string midiFile(const Chime& chime, int program)
{
    struct Event {
        int ms;
        int order; // note-offs before note-ons at the same time
        std::string bytes;
    };
    std::vector<Event> events;
    for (const Note& n : chime.notes) {
        events.push_back({n.startMs, 1, {char(0x90), char(n.key), char(n.velocity)}});
        events.push_back({n.startMs + n.holdMs, 0, {char(0x80), char(n.key), char(64)}});
    }
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.ms != b.ms ? a.ms < b.ms : a.order < b.order;
    });
    std::string track;
    track += std::string{0, char(0xFF), 0x51, 3}; // tempo: 500000 us a beat
    putBe(track, 500000, 3);
    track += std::string{0, char(0xC0), char(program)};
    int now = 0;
    for (const Event& e : events) {
        putVarLen(track, std::uint32_t(e.ms - now));
        track += e.bytes;
        now = e.ms;
    }
    track += std::string{0, char(0xFF), 0x2F, 0}; // end of track
    std::string s = "MThd";
    putBe(s, 6, 4);
    putBe(s, 0, 2); // format 0
    putBe(s, 1, 2); // one track
    putBe(s, 500, 2);
    s += "MTrk";
    putBe(s, std::uint32_t(track.size()), 4);
    return s + track;
}

bool writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), std::streamsize(bytes.size()));
    f.close();
    if (!f) {
        std::fprintf(stderr, "make-chimes: %s: cannot write\n", path.string().c_str());
        return false;
    }
    std::printf("%s (%zu bytes)\n", path.string().c_str(), bytes.size());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-chimes OUTDIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    bool ok = true;
    for (const Chime& chime : chimes()) {
        ok = writeFile(dir / chime.file, wavFile(render(chime))) && ok;
        if (std::string(chime.file) == kMidiFrom)
            ok = writeFile(dir / kMidiFile, midiFile(chime, kMidiProgram)) && ok;
    }
    return ok ? 0 : 1;
}
