// SPDX-License-Identifier: MIT
// One paint of a 1920 x 1080 window per iteration, for each curve at its defaults and at
// the records that cost the most: the ribbon's extremes and hand-edited levels far outside.
// Machine: the project's 2-core x86-64 build machine; Release build (-O3 via CMake).
#include <benchmark/benchmark.h>

#include <memory>

#include "fractals/FractalCatalog.h"
#include "platform/gdi/RasterDC.h"

namespace {

struct CCurveCase {
    const char* pszName;
    int nPosition;
    int nLevel;
    int nFrame;
    int nGrain;
    int nParam1;
    int nParam2;
};

// Zero means "keep the default" for frame, grain and the two parameters.
constexpr CCurveCase kCases[] = {
    {"koch/defaults", 0, 5, 0, 0, 0, 0},
    {"koch/hexagon-level10-ratio1000-triangle", 0, 10, 6, 1, 1, 1000},
    {"koch/hexagon-level10-ratio1000-square", 0, 10, 6, 2, 1, 1000},
    {"koch/hexagon-level10-random", 0, 10, 6, 1, 2, 348},
    {"koch/stored-level-minus1-square", 0, -1, 6, 2, 1, 1000},
    {"mandelbrot/level10", 1, 10, 0, 0, 0, 0},
    {"mandelbrot/stored-level-0", 1, 0, 0, 0, 0, 0},
    {"hilbert/level10", 2, 10, 0, 0, 0, 0},
    {"hilbert/level10-ratio12", 2, 10, 0, 0, 12, 0},
    {"cesaro/level10", 3, 10, 0, 0, 0, 0},
    {"minkowski/square-level10", 4, 10, 4, 0, 0, 0},
    {"minkowski/stored-level-0", 4, 0, 4, 0, 0, 0},
    {"sierpinski/filled-level8", 5, 8, 0, 1, 0, 0},
    {"sierpinski-objects/carpet-level8-filled", 6, 8, 4, 1, 0, 0},
    {"sierpinski-objects/cloud-default", 6, 4, 0, 0, 1, 0},
    {"peano/filled-level5", 7, 5, 0, 1, 0, 0},
    {"square/level10", 8, 10, 0, 0, 0, 0},
    {"heighway/defaults", 9, 0, 0, 0, 0, 0},
};

void PaintWindow(benchmark::State& state, const CCurveCase& c) {
    std::unique_ptr<CNimbrelBaseView> pView = CreateFractalView(c.nPosition);
    if (c.nPosition != 9) {
        pView->m_nLevel = c.nLevel;
    }
    if (c.nFrame != 0) {
        pView->m_nFrame = c.nFrame;
    }
    if (c.nGrain != 0) {
        pView->m_nGrain = c.nGrain;
    }
    if (c.nParam1 != 0) {
        pView->m_nParam1 = c.nParam1;
    }
    if (c.nParam2 != 0) {
        pView->m_nParam2 = c.nParam2;
    }
    pView->SetClock([] { return std::int64_t(1); });
    pView->ComputeDrawingRects(CRect{0, 0, 1920, 1080});
    CRasterDC dc(1920, 1080);
    for (auto _ : state) {
        dc.Erase(0x00FFFFFF);
        pView->OnDraw(&dc);
        benchmark::DoNotOptimize(dc.Bits());
    }
}

const bool kRegistered = [] {
    for (const CCurveCase& c : kCases) {
        benchmark::RegisterBenchmark(c.pszName, PaintWindow, c)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(1);
    }
    return true;
}();

} // namespace

BENCHMARK_MAIN();
