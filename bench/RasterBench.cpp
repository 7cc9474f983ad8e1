// SPDX-License-Identifier: MIT
// The raster surface against QPainter on the same streams of primitives, in one run: what
// a deep curve draws (1-3 pixel lines), long lines, small filled polygons and one-pixel
// rectangle fills. Both draw into a 1024 x 768 RGB32 buffer; QPainter uses the raster
// engine of a QImage, no antialiasing, a cosmetic one-pixel solid pen.
//
// Measured on: AMD EPYC (Zen 4, KVM guest, 2 cores, 24 GiB), Debian 12, GCC 12.2, Qt 6.4.2,
// Google Benchmark 1.7.1, CMake Release build (-O3 -DNDEBUG), no -march flags.
// Run: scripts/run-bench.sh BUILD_DIR (prints the per-stream ratios at the end).
#include <functional>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include <QColor>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QRect>

#include "platform/crt/CrtRandom.h"
#include "platform/gdi/RasterDC.h"

namespace {

constexpr int SurfaceWidth = 1024;
constexpr int SurfaceHeight = 768;
constexpr int StreamLength = 20000; // primitives per iteration
constexpr int PolygonPoints = 16;
constexpr COLORREF PenColour = RGB(30, 60, 200);
constexpr COLORREF BrushColour = RGB(250, 200, 40);

struct CStreams {
    std::vector<CPoint> shortLines; // pairs: from, to
    std::vector<CPoint> longLines;  // pairs: from, to
    std::vector<CPoint> polygons;   // PolygonPoints per polygon
    std::vector<CPoint> pixels;     // top-left corner of each 1 x 1 fill
};

int Uniform(CCrtRandom& random, int nLow, int nHigh) {
    return nLow + random.rand() % (nHigh - nLow + 1);
}

// The same fixed streams for both painters, made once, outside the timed loops.
const CStreams& Streams() {
    static const CStreams streams = [] {
        CStreams s;
        CCrtRandom random(2024);
        CPoint walk{SurfaceWidth / 2, SurfaceHeight / 2};
        for (int i = 0; i < StreamLength; ++i) {
            // A deep curve: one to three pixels in any direction, each line starting where
            // the last one ended, turned back at the borders.
            CPoint to{walk.x + Uniform(random, -3, 3), walk.y + Uniform(random, -3, 3)};
            if (to == walk) {
                ++to.x;
            }
            to.x = to.x < 0 || to.x >= SurfaceWidth ? 2 * walk.x - to.x : to.x;
            to.y = to.y < 0 || to.y >= SurfaceHeight ? 2 * walk.y - to.y : to.y;
            s.shortLines.insert(s.shortLines.end(), {walk, to});
            walk = to;

            const CPoint start{Uniform(random, 100, SurfaceWidth - 101),
                               Uniform(random, 100, SurfaceHeight - 101)};
            const int dx = Uniform(random, -100, 100);
            const int dy = (i % 2 == 0 ? 1 : -1) * (100 - (dx < 0 ? -dx : dx));
            s.longLines.insert(s.longLines.end(), {start, CPoint{start.x + (i % 4 < 2 ? dx : dy),
                                                                 start.y + (i % 4 < 2 ? dy : dx)}});

            // A cell of a Peano or square curve: an octagon-like ring of 16 points, ~10 px.
            static const CPoint Cell[PolygonPoints] = {
                {3, 0}, {5, 0}, {6, 1}, {7, 1}, {9, 3}, {9, 5}, {8, 6}, {8, 7},
                {6, 9}, {4, 9}, {3, 8}, {2, 8}, {0, 6}, {0, 4}, {1, 3}, {1, 2}};
            const int x = Uniform(random, 0, SurfaceWidth - 12);
            const int y = Uniform(random, 0, SurfaceHeight - 12);
            for (const CPoint& p : Cell) {
                s.polygons.push_back(CPoint{x + p.x, y + p.y});
            }

            s.pixels.push_back(CPoint{Uniform(random, 0, SurfaceWidth - 1),
                                      Uniform(random, 0, SurfaceHeight - 1)});
        }
        return s;
    }();
    return streams;
}

// --- The raster surface, called through CDC as the views call it. ---

void RunRaster(benchmark::State& state, const std::function<void(CDC*)>& draw) {
    CRasterDC raster(SurfaceWidth, SurfaceHeight);
    CDC* pDC = &raster;
    pDC->SelectObject(CPen{1, PenColour});
    pDC->SelectObject(CBrush{BrushColour});
    for (auto _ : state) {
        draw(pDC);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(raster.Bits());
    state.SetItemsProcessed(state.iterations() * StreamLength);
}

void RasterLines(CDC* pDC, const std::vector<CPoint>& lines) {
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        pDC->MoveTo(lines[i]);
        pDC->LineTo(lines[i + 1]);
    }
}

void BM_RasterShortLines(benchmark::State& state) {
    RunRaster(state, [](CDC* pDC) { RasterLines(pDC, Streams().shortLines); });
}
void BM_RasterLongLines(benchmark::State& state) {
    RunRaster(state, [](CDC* pDC) { RasterLines(pDC, Streams().longLines); });
}
void BM_RasterPolygons(benchmark::State& state) {
    RunRaster(state, [](CDC* pDC) {
        const std::vector<CPoint>& points = Streams().polygons;
        for (std::size_t i = 0; i < points.size(); i += PolygonPoints) {
            pDC->Polygon(&points[i], PolygonPoints);
        }
    });
}
void BM_RasterPixelFills(benchmark::State& state) {
    RunRaster(state, [](CDC* pDC) {
        const CBrush brush{BrushColour};
        for (const CPoint& p : Streams().pixels) {
            pDC->FillRect(CRect{p.x, p.y, p.x + 1, p.y + 1}, brush);
        }
    });
}

// --- QPainter on a QImage, the same streams. ---

QColor ToQColor(COLORREF cr) {
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

void RunQPainter(benchmark::State& state, const std::function<void(QPainter&)>& draw) {
    QImage image(SurfaceWidth, SurfaceHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(ToQColor(PenColour));
    pen.setWidth(1);
    pen.setCosmetic(true);
    pen.setStyle(Qt::SolidLine);
    painter.setPen(pen);
    painter.setBrush(ToQColor(BrushColour));
    for (auto _ : state) {
        draw(painter);
        benchmark::ClobberMemory();
    }
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
    state.SetItemsProcessed(state.iterations() * StreamLength);
}

void QPainterLines(QPainter& painter, const std::vector<CPoint>& lines) {
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        painter.drawLine(lines[i].x, lines[i].y, lines[i + 1].x, lines[i + 1].y);
    }
}

void BM_QPainterShortLines(benchmark::State& state) {
    RunQPainter(state, [](QPainter& painter) { QPainterLines(painter, Streams().shortLines); });
}
void BM_QPainterLongLines(benchmark::State& state) {
    RunQPainter(state, [](QPainter& painter) { QPainterLines(painter, Streams().longLines); });
}
void BM_QPainterPolygons(benchmark::State& state) {
    // The points converted once, outside the timed loop, as a Qt program would keep them.
    static const std::vector<QPoint> points = [] {
        std::vector<QPoint> converted;
        for (const CPoint& p : Streams().polygons) {
            converted.emplace_back(p.x, p.y);
        }
        return converted;
    }();
    RunQPainter(state, [](QPainter& painter) {
        for (std::size_t i = 0; i < points.size(); i += PolygonPoints) {
            painter.drawPolygon(&points[i], PolygonPoints, Qt::OddEvenFill);
        }
    });
}
void BM_QPainterPixelFills(benchmark::State& state) {
    const QColor colour = ToQColor(BrushColour);
    RunQPainter(state, [&colour](QPainter& painter) {
        for (const CPoint& p : Streams().pixels) {
            painter.fillRect(QRect(p.x, p.y, 1, 1), colour);
        }
    });
}

} // namespace

// Names are STREAM/PAINTER, which scripts/run-bench.sh pairs up.
BENCHMARK(BM_RasterShortLines)->Name("short_lines/raster");
BENCHMARK(BM_QPainterShortLines)->Name("short_lines/qpainter");
BENCHMARK(BM_RasterLongLines)->Name("long_lines/raster");
BENCHMARK(BM_QPainterLongLines)->Name("long_lines/qpainter");
BENCHMARK(BM_RasterPolygons)->Name("polygons/raster");
BENCHMARK(BM_QPainterPolygons)->Name("polygons/qpainter");
BENCHMARK(BM_RasterPixelFills)->Name("pixel_fills/raster");
BENCHMARK(BM_QPainterPixelFills)->Name("pixel_fills/qpainter");

BENCHMARK_MAIN();
