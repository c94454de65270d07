// Redraw cost of one four-cell digit element: the work a board refresh does
// once per fare element.

#include "board/DegitElement.h"
#include "board/DegitRenderer.h"
#include "tests/common/FakeResLib.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace lumena;

// Value changes on an element whose look is settled: the common case.
static void BM_DegitRedrawValue(benchmark::State& state)
{
    test::FakeResLib res;
    DegitElement d(res);
    d.setDegitStyle(1);
    int v = 0;
    for (auto _ : state) {
        d.setValue(100 + (v++ % 900));
        benchmark::DoNotOptimize(d.image().constBits());
    }
}
BENCHMARK(BM_DegitRedrawValue);

// The lamp test: every segment of every cell lit.
static void BM_DegitLampTest(benchmark::State& state)
{
    test::FakeResLib res;
    DegitElement d(res);
    for (auto _ : state) {
        d.ResetDegit(true);
        benchmark::DoNotOptimize(d.image().constBits());
    }
}
BENCHMARK(BM_DegitLampTest);

// A colour change: the cell pictures are made again before the redraw.
static void BM_DegitRedrawNewColor(benchmark::State& state)
{
    test::FakeResLib res;
    DegitElement d(res);
    d.setValue(1234);
    quint32 c = 0;
    for (auto _ : state) {
        d.setDegitForeColor(0x0072D2F8 ^ (c++ & 0xff));
        benchmark::DoNotOptimize(d.image().constBits());
    }
}
BENCHMARK(BM_DegitRedrawNewColor);
