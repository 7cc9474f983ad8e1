// SPDX-License-Identifier: MIT
// One paint of each curve per iteration, at 1024 x 1024 and 1920 x 1080, through the two
// paths the program has: "bare", the raster surface over a buffer of its own in a process
// where nothing else has drawn yet, and "window", the view window's path (the raster surface
// into an RGB32 QImage's bits, erased and painted as the window does) in a thread where
// QPainter has drawn, as it has in the running program. The bare cases run first.
//
// Measured on: AMD EPYC (Zen 4, KVM guest, 2 cores), Debian 12, GCC 12.2, Qt 6.4.2,
// Google Benchmark 1.7.1, CMake Release build (-O3 -DNDEBUG), no -march flags.
// Run: scripts/run-bench.sh BUILD_DIR (prints one line per case at the end).
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include "fractals/FractalCatalog.h"
#include "platform/gdi/RasterDC.h"
#include "platform/ui/HostedViewImage.h"

namespace {

struct CPaintCase {
    const char* pszName;
    int nPosition;
    int nLevel;
    int nFrame;
    int nGrain;
    int nParam1;
    int nParam2;
    const char* pszFoldCode; // Heighway only; null keeps the default
    int nFading = -1;        // the background's fading; -1 keeps the default
};

// Zero means "keep the default" for level, frame, grain and the two parameters. Each curve
// at its ribbon maximum with its default record, and at the costliest record the ribbon
// reaches.
constexpr CPaintCase kCases[] = {
    {"koch/level10", 0, 10, 0, 0, 0, 0, nullptr},
    {"koch/hexagon-level10-ratio1000-triangle", 0, 10, 6, 1, 1, 1000, nullptr},
    {"koch/hexagon-level10-ratio1000-square", 0, 10, 6, 2, 1, 1000, nullptr},
    {"mandelbrot/level10", 1, 10, 0, 0, 0, 0, nullptr},
    {"mandelbrot/square-level10-clipped", 1, 10, 4, 1, 0, 0, nullptr},
    {"hilbert/level10", 2, 10, 0, 0, 0, 0, nullptr},
    {"hilbert/level10-ratio12", 2, 10, 0, 0, 12, 0, nullptr},
    {"cesaro/level10", 3, 10, 0, 0, 0, 0, nullptr},
    {"minkowski/level10", 4, 10, 0, 0, 0, 0, nullptr},
    {"minkowski/square-level10", 4, 10, 4, 0, 0, 0, nullptr},
    {"sierpinski/level8", 5, 8, 0, 0, 0, 0, nullptr},
    {"sierpinski/filled-level8", 5, 8, 0, 1, 0, 0, nullptr},
    {"sierpinski-objects/level8", 6, 8, 0, 0, 0, 0, nullptr},
    {"sierpinski-objects/triangle-level8-filled", 6, 8, 3, 1, 0, 0, nullptr},
    {"sierpinski-objects/carpet-level8-filled", 6, 8, 4, 1, 0, 0, nullptr},
    {"sierpinski-objects/pentagon-level8-filled", 6, 8, 5, 1, 0, 0, nullptr},
    {"sierpinski-objects/hexagon-level8-filled", 6, 8, 6, 1, 0, 0, nullptr},
    {"peano/level5", 7, 5, 0, 0, 0, 0, nullptr},
    {"peano/filled-level5", 7, 5, 0, 1, 0, 0, nullptr},
    {"square/level10", 8, 10, 0, 0, 0, 0, nullptr},
    {"square/filled-level10", 8, 10, 0, 1, 0, 0, nullptr},
    {"heighway/folds16", 9, 0, 0, 0, 0, 0, "1101100111001001"},
    // The background alone (a start figure that draws no curve): upright bands and rings.
    {"background/upright-bands", 1, 10, 1, 0, 0, 0, nullptr, 3},
    {"background/rings", 1, 10, 1, 0, 0, 0, nullptr, 6},
};

struct CSize {
    int nWidth;
    int nHeight;
};
constexpr CSize kSizes[] = {{1024, 1024}, {1920, 1080}};

std::unique_ptr<CNimbrelBaseView> MakeView(const CPaintCase& c, CSize size) {
    std::unique_ptr<CNimbrelBaseView> pView = CreateFractalView(c.nPosition);
    if (c.nLevel != 0) {
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
    if (c.nFading >= 0) {
        pView->m_Background.m_nFading = c.nFading;
    }
    if (c.pszFoldCode != nullptr) {
        pView->m_strFoldCode = c.pszFoldCode;
        pView->m_nParam1 = int(pView->m_strFoldCode.size());
    }
    // A fixed clock: the random pictures come out the same every paint.
    pView->SetClock([] { return std::int64_t(1); });
    pView->ComputeDrawingRects(CRect{0, 0, size.nWidth, size.nHeight});
    return pView;
}

// Counts what a paint draws: every line segment, polygon, rectangle, pixel and fill.
class CCountingDC : public CDC {
public:
    CPen SelectObject(const CPen& pen) override { return std::exchange(m_pen, pen); }
    CBrush SelectObject(const CBrush& brush) override { return std::exchange(m_brush, brush); }
    int SetPolyFillMode(int nMode) override { return std::exchange(m_nMode, nMode); }
    void MoveTo(int, int) override {}
    void LineTo(int, int) override { ++m_nPrimitives; }
    void Polyline(const CPoint*, int nCount) override {
        m_nPrimitives += nCount > 1 ? nCount - 1 : 0;
    }
    void Polygon(const CPoint*, int) override { ++m_nPrimitives; }
    void Rectangle(int, int, int, int) override { ++m_nPrimitives; }
    void SetPixel(int, int, COLORREF) override { ++m_nPrimitives; }
    void FillRect(const CRect&, const CBrush&) override { ++m_nPrimitives; }
    void Erase(COLORREF) override {}
    using CDC::LineTo;
    using CDC::MoveTo;

    std::int64_t m_nPrimitives = 0;

private:
    CPen m_pen = DefaultPen;
    CBrush m_brush = DefaultBrush;
    int m_nMode = ALTERNATE;
};

std::int64_t CountPrimitives(CNimbrelBaseView& view) {
    CCountingDC dc;
    view.OnDraw(&dc);
    return dc.m_nPrimitives;
}

void Report(benchmark::State& state, std::int64_t nPrimitives) {
    state.counters["primitives"] = double(nPrimitives);
    state.SetItemsProcessed(std::int64_t(state.iterations()) * nPrimitives);
}

void PaintBare(benchmark::State& state, const CPaintCase& c, CSize size) {
    std::unique_ptr<CNimbrelBaseView> pView = MakeView(c, size);
    const std::int64_t nPrimitives = CountPrimitives(*pView);
    CRasterDC dc(size.nWidth, size.nHeight);
    for (auto _ : state) {
        PaintHostedView(*pView, dc);
        benchmark::DoNotOptimize(dc.Bits());
    }
    Report(state, nPrimitives);
}

// What the window's own painting does around each paint: QPainter draws the image (and a
// little antialiased decoration, as the frame's widgets do) on the same thread.
void DrawWithQPainter(const QImage& image, QImage& screen) {
    QPainter painter(&screen);
    painter.drawImage(0, 0, image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 80, 160), 1.5));
    QPainterPath path;
    path.addEllipse(QRectF(10.5, 10.5, 200.0, 120.0));
    painter.drawPath(path);
}

void PaintWindow(benchmark::State& state, const CPaintCase& c, CSize size) {
    std::unique_ptr<CNimbrelBaseView> pView = MakeView(c, size);
    const std::int64_t nPrimitives = CountPrimitives(*pView);
    QImage image(size.nWidth, size.nHeight, QImage::Format_RGB32);
    QImage screen(size.nWidth, size.nHeight, QImage::Format_ARGB32_Premultiplied);
    DrawWithQPainter(image, screen);
    for (auto _ : state) {
        PaintHostedViewImage(*pView, image);
        benchmark::DoNotOptimize(image.constBits());
        state.PauseTiming();
        DrawWithQPainter(image, screen);
        state.ResumeTiming();
    }
    Report(state, nPrimitives);
}

std::string CaseName(const char* pszPath, const CPaintCase& c, CSize size) {
    return std::string(pszPath) + "/" + std::to_string(size.nWidth) + "x" +
           std::to_string(size.nHeight) + "/" + c.pszName;
}

const bool kRegistered = [] {
    for (const CSize size : kSizes) {
        for (const CPaintCase& c : kCases) {
            benchmark::RegisterBenchmark(CaseName("bare", c, size).c_str(), PaintBare, c, size)
                ->Unit(benchmark::kMillisecond);
        }
    }
    for (const CSize size : kSizes) {
        for (const CPaintCase& c : kCases) {
            benchmark::RegisterBenchmark(CaseName("window", c, size).c_str(), PaintWindow, c, size)
                ->Unit(benchmark::kMillisecond);
        }
    }
    return true;
}();

} // namespace

BENCHMARK_MAIN();
