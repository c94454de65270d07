// Start-up until both windows are shown, against a bare Qt window shown the
// same way in the same run. Runs on the offscreen platform unless a display
// is given.

#include "app/Program.h"
#include "board/BoardWindow.h"
#include "panel/PanelWindow.h"

#include <QApplication>
#include <QProcess>
#include <QWidget>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

bool shown(QWidget& w)
{
    return w.windowHandle() && w.windowHandle()->isExposed();
}

void waitShown(QWidget& a, QWidget* b = nullptr)
{
    while (!shown(a) || (b && !shown(*b)))
        QCoreApplication::processEvents();
}

void BM_BareWindow(benchmark::State& state)
{
    for (auto _ : state) {
        auto window = std::make_unique<QWidget>();
        window->resize(678, 234);
        window->show();
        waitShown(*window);
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BareWindow)->Unit(benchmark::kMillisecond);

void BM_SimulatorStart(benchmark::State& state)
{
    for (auto _ : state) {
        auto program = std::make_unique<lumena::Program>();
        program->start();
        waitShown(program->simulator().board(), &program->simulator().panel());
        // Tearing down (closing the audio device joins its thread) is not start-up.
        state.PauseTiming();
        program->simulator().panel().setSessionEnding(true);
        program.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SimulatorStart)->Unit(benchmark::kMillisecond);

// The same two starts as whole processes (this executable started again with
// --child=bare or --child=simulator), from launch until the windows are shown.
void runChild(benchmark::State& state, const char* which)
{
    const QString self = QCoreApplication::applicationFilePath();
    for (auto _ : state) {
        QProcess child;
        child.start(self, {QString::fromLatin1(which)});
        if (!child.waitForFinished(30000) || child.exitCode() != 0)
            state.SkipWithError("child failed");
    }
}
void BM_BareWindowProcess(benchmark::State& state)
{
    runChild(state, "--child=bare");
}
BENCHMARK(BM_BareWindowProcess)->Unit(benchmark::kMillisecond);
void BM_SimulatorProcess(benchmark::State& state)
{
    runChild(state, "--child=simulator");
}
BENCHMARK(BM_SimulatorProcess)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && (std::strcmp(argv[1], "--child=bare") == 0 ||
                      std::strcmp(argv[1], "--child=simulator") == 0)) {
        const bool bare = std::strcmp(argv[1], "--child=bare") == 0;
        QApplication app(argc, argv);
        if (bare) {
            QWidget window;
            window.resize(678, 234);
            window.show();
            waitShown(window);
        } else {
            auto* program = new lumena::Program; // left to the process's end
            program->start();
            waitShown(program->simulator().board(), &program->simulator().panel());
        }
        std::_Exit(0);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
