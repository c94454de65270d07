// A long run of the simulator as the program wires it (app/Simulator), on
// the offscreen platform with the virtual clock, a silent mixer, a speech
// engine that only takes its texts and a settings folder of its own, driven
// through the panel's controls: 10,000 steps, 500 route settings (one in
// five refused: a missing file, a damaged one), tape readings, backlight and
// late-night toggles and display clear. It reports the resident memory after
// 100 operations, after 10,000 and at the end, and the time per step. Target:
// memory after 10,000 operations within 5 MB of the memory after 100.
//
// BM_HugeAnnouncementFile sets a route whose announcement file is 60 MB
// (2.1 million lines): it is refused by its size before it is read, so route
// setting takes no longer and memory does not grow.

#include "app/Simulator.h"
#include "board/BoardWindow.h"
#include "panel/PanelWindow.h"
#include "panel/RouteFile.h"
#include "reslib/ModalAnswer.h"
#include "reslib/ShiftJis.h"
#include "reslib/VirtualHost.h"
#include "settings/OptionsDialog.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <unistd.h>

using namespace lumena;
using namespace Qt::StringLiterals;

namespace {

double residentMB()
{
    QFile f(u"/proc/self/statm"_s);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? double(fields[1].toLongLong() * sysconf(_SC_PAGESIZE)) / 1e6 : 0;
}

class NullSpeech final : public SpeechEngine {
public:
    void Speak(const QString& text) override { m_last = text; }
    void Stop() override {}
    qint32 Status() const override { return SpeechIdle; }
    void ShowSettingsDlg(QObject*, const QString&) override {}
    void SetReadingsFile(const QString&) override {}

private:
    QString m_last;
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::abort();
}

// Route `number` of `stops` stops, with an announcement per stop that steps
// the board. Every tenth name is long enough to scroll.
void writeRoute(const QString& dir, int number, int stops)
{
    QList<RouteRecord> records;
    QByteArray tape;
    for (int i = 1; i <= stops; ++i) {
        RouteRecord r;
        r.StopName = i % 10 == 0 ? u"ひばりヶ丘ニュータウン（北口）ロータリー前%1"_s.arg(i)
                                 : u"市民病院前%1"_s.arg(i);
        r.TicketNo = qint16(i);
        for (int k = 1; k <= RouteRecord::FareCount; ++k)
            r.setFare(k, qint16(k <= i ? 150 + 10 * (i - k) : 0));
        records << r;
        tape += sjis::fromUnicode(u"次は、%1です。,1,%2\r\n"_s.arg(r.StopName).arg(i % 4));
    }
    QByteArray image;
    if (routefile::encode(records, image))
        std::abort();
    writeFile(dir + u"/%1.hy3"_s.arg(number), image);
    writeFile(dir + u"/%1tp.csv"_s.arg(number), tape);
}

struct Rig {
    QTemporaryDir settingsDir;
    QTemporaryDir data;
    VirtualHost host;
    SilentMixer mixer;
    ModalAnswerer answerer; // the backlight's box, should one open
    std::unique_ptr<Simulator> sim;

    Rig()
    {
        host.runsEvents = true;
        writeRoute(data.path(), 12, 301);
        writeRoute(data.path(), 305, 40);
        // Route 7 is cut inside its third record; route 99 has no file.
        writeRoute(data.path(), 7, 5);
        QFile f(data.filePath(u"7.hy3"_s));
        if (!f.open(QIODevice::ReadWrite) || !f.resize(2 + 2 * 330))
            std::abort();
        sim = std::make_unique<Simulator>(
            Simulator::Setup{host,
                             mixer,
                             [] { return std::make_unique<NullSpeech>(); },
                             IniLocation(settingsDir.path(), u"soak"_s, {}),
                             {},
                             {},
                             QString()});
        sim->options().setDefaultDataDir(data.path());
        sim->start();
        QCoreApplication::processEvents();
    }
    ~Rig() { sim->panel().setSessionEnding(true); }

    void click(const QString& name)
    {
        auto* b = sim->panel().findChild<QAbstractButton*>(name);
        if (!b)
            std::abort();
        b->click();
    }
    void setRoute(const QString& route, const QString& section)
    {
        click(u"CommandButton1(10)"_s);
        for (const QChar d : route)
            click(u"CommandButton1(%1)"_s.arg(d.digitValue()));
        click(u"CommandButton1(11)"_s);
        for (const QChar d : section)
            click(u"CommandButton1(%1)"_s.arg(d.digitValue()));
        click(u"Command1(1)"_s);
    }
};

void BM_Soak(benchmark::State& state)
{
    const int steps = int(state.range(0));
    for (auto _ : state) {
        Rig rig;
        double after100 = 0, after10000 = 0;
        qint64 stepNs = 0;
        int ops = 0, stepped = 0, routes = 0;
        const auto op = [&] {
            ++ops;
            if (ops == 100)
                after100 = residentMB();
            if (ops == 10'000)
                after10000 = residentMB();
        };
        QElapsedTimer t;
        while (stepped < steps) {
            const int n = stepped;
            if (n % 20 == 0) {
                // 500 settings in 10,000 steps; every fifth refused.
                static const QString cycle[] = {u"12"_s, u"305"_s, u"7"_s, u"12"_s, u"99"_s};
                rig.setRoute(cycle[routes % 5], u"%1"_s.arg(1 + routes % 30));
                ++routes;
                op();
            }
            if (n % 7 == 3) {
                rig.click(n % 14 == 3 ? u"cmdTapeNext"_s : u"cmdTapeBack"_s);
                op();
            }
            if (n % 50 == 25) {
                rig.click(u"Option4(%1)"_s.arg((n / 50) % 3));
                op();
            }
            if (n % 97 == 50) {
                rig.click(u"Check2"_s); // late night
                op();
            }
            // Display clear for one step, and back (while it is on, route
            // setting is not offered).
            const bool clear = n % 101 == 60;
            if (clear) {
                rig.click(u"Check1"_s);
                op();
            }
            t.start();
            rig.click((n / 150) % 2 == 0 ? u"Command2(1)"_s : u"Command2(0)"_s);
            stepNs += t.nsecsElapsed();
            ++stepped;
            op();
            if (clear) {
                rig.click(u"Check1"_s);
                op();
            }
            rig.host.advance(std::chrono::milliseconds(500));
        }
        const double atEnd = residentMB();
        state.counters["rss_after_100_MB"] = after100;
        state.counters["rss_after_10000_MB"] = after10000;
        state.counters["rss_at_end_MB"] = atEnd;
        state.counters["growth_100_to_10000_MB"] = after10000 - after100;
        state.counters["operations"] = ops;
        state.counters["route_settings"] = routes;
        state.counters["messages"] = double(rig.host.messages.size() + rig.answerer.texts.size());
        state.counters["us_per_step"] = double(stepNs) / 1e3 / stepped;
    }
}
BENCHMARK(BM_Soak)->Arg(10'000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// Route setting with a 60 MB announcement file beside the route.
void BM_HugeAnnouncementFile(benchmark::State& state)
{
    Rig rig;
    writeRoute(rig.data.path(), 60, 10);
    {
        const QByteArray line = sjis::fromUnicode(u"次は、市民病院前です。,0,0\r\n"_s);
        QByteArray block = line.repeated(qsizetype(1 << 20) / line.size());
        QFile f(rig.data.filePath(u"60tp.csv"_s));
        if (!f.open(QIODevice::WriteOnly))
            std::abort();
        while (f.size() < 60'000'000)
            f.write(block);
    }
    const double before = residentMB();
    qint64 longest = 0;
    for (auto _ : state) {
        rig.host.messages.clear();
        QElapsedTimer t;
        t.start();
        rig.setRoute(u"60"_s, u"1"_s);
        longest = qMax(longest, t.nsecsElapsed());
        if (rig.host.messages.size() != 1 || !rig.host.messages[0].contains(u"大きすぎます"_s))
            state.SkipWithError("the announcement file was not refused");
    }
    state.counters["rss_before_MB"] = before;
    state.counters["rss_after_MB"] = residentMB();
    state.counters["longest_route_setting_ms"] = double(longest) / 1e6;
}
BENCHMARK(BM_HugeAnnouncementFile)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace
