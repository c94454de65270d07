// One ticket drawing at a board refresh (target: 2 ms) and reading a plug-in
// file's text (target: 1 ms).

#include "reslib/plugin/PluginEngine.h"
#include "reslib/plugin/TicketPlugin.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

using namespace lumena;

namespace {

QString thermalSample()
{
    return QStringLiteral(LUMENA_SOURCE_DIR "/samples/plugins/thermal-nw7.4SP");
}

void BM_DrawSeirikenThermal(benchmark::State& state)
{
    PluginEngine engine;
    const QString path = thermalSample();
    QImage image(220, 108, QImage::Format_RGB32);
    PlgInfo info;
    engine.getPlgInfo(path, info); // the plug-in is read when chosen, not at the refresh
    qint16 ticket = 1;
    for (auto _ : state) {
        image.fill(Qt::white);
        QString stop = QStringLiteral("中央駅前");
        QString date = QStringLiteral("12-06-2026");
        benchmark::DoNotOptimize(engine.drawSeiriken(
            path, &image, stop, date, QStringLiteral("17:45:10"), 12, ticket, 5, -1));
        ticket = static_cast<qint16>(ticket % 50 + 1);
    }
}
BENCHMARK(BM_DrawSeirikenThermal)->Unit(benchmark::kMicrosecond);

void BM_ParsePlugin(benchmark::State& state)
{
    QFile f(QStringLiteral(LUMENA_SOURCE_DIR "/samples/plugins/companies.4SP"));
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    for (auto _ : state) {
        TicketPlugin p;
        QString error;
        benchmark::DoNotOptimize(parseTicketPlugin(bytes, p, error));
    }
}
BENCHMARK(BM_ParsePlugin)->Unit(benchmark::kMicrosecond);

} // namespace
