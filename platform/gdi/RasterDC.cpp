// SPDX-License-Identifier: MIT
#include "platform/gdi/RasterDC.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

namespace {

// Exact intermediate products of coordinates anywhere in the int range (a difference of two
// ints needs 33 bits, a product of two differences 66).
using Int128 = __int128;

std::uint32_t ToPixel(COLORREF cr) {
    return (std::uint32_t(GetRValue(cr)) << 16) | (std::uint32_t(GetGValue(cr)) << 8) |
           GetBValue(cr);
}

// Floor and ceiling of a / b for b > 0, in 64 bits where the operands fit (a 128-bit
// division is a library call several times slower).
template <class Int> Int FloorDiv(Int a, Int b) {
    const Int q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}
template <class Int> Int CeilDiv(Int a, Int b) {
    const Int q = a / b;
    return (a % b != 0 && a > 0) ? q + 1 : q;
}

// The inner loop of every one-pixel line: nCount pixels from p, one step along the major
// axis each, and one along the minor axis whenever the error term reaches 0. Everything that
// does not change from pixel to pixel (colour, steps in memory, clipping) is decided by the
// caller, so the loop is a store, two adds and a compare. (Taking the minor step through a
// mask instead of the branch measured no faster: long lines are bound by their stores.)
inline void WalkLine(std::uint32_t* p, std::int64_t nCount, std::ptrdiff_t nMajorStep,
                     std::ptrdiff_t nMinorStep, std::int64_t nError, std::int64_t nTwoMinor,
                     std::int64_t nTwoMajor, std::uint32_t pixel) {
    for (; nCount > 0; --nCount) {
        *p = pixel;
        p += nMajorStep;
        nError += nTwoMinor;
        if (nError >= 0) {
            nError -= nTwoMajor;
            p += nMinorStep;
        }
    }
}

// The pixels of a one-pixel line, as the Windows GDI draws them: step i of the major axis
// (0 <= i < major length, so the end point is left out) takes the minor offset
// i * minor / major rounded to the nearest pixel, a half going to the smaller coordinate.
// In integers: q(i) = floor((2 i minor + major - bias) / (2 major)), with bias 1 when the
// minor coordinate grows along the line and 0 when it shrinks. The reference pictures pin
// this down in every octant.
constexpr std::int64_t TieBias(bool bMinorGrows) {
    return bMinorGrows ? 1 : 0;
}

// Wide pens: the stroke is the set of pixel centres within a radius of the segment. The
// Windows GDI flattens its round pen into a polygon, which makes the round ends a little
// smaller than the true circle and the body of a slanted line a little wider; these two
// radii, in pixels from half the width, reproduce the reference pictures best (every
// stroke within a pixel of them, horizontal and vertical ones exactly). Both stay below
// half a pixel, so a horizontal or vertical body keeps exactly the pen's width.
constexpr double WideEndTrim = 0.1;
constexpr double WideBodyGrowth = 0.3;

// Qt's drawing (AVX code that does not clear up after itself) can leave the upper halves of
// the vector registers dirty, and then every SSE instruction of the surface, built for
// baseline x86-64, pays for merging them: a deep curve painted in the window took twice as
// long as the same paint in a process where Qt had not drawn. vzeroupper marks them clean;
// the surface calls it when a paint begins (Erase, and a surface made over a window's image).
void ClearUpperVectorState() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool bHasAvx = __builtin_cpu_supports("avx");
    if (bHasAvx) {
        __asm__ volatile("vzeroupper");
    }
#endif
}

} // namespace

thread_local std::vector<CRasterDC::CWideCache> CRasterDC::s_wideCaches;

CRasterDC::CRasterDC(int nWidth, int nHeight, COLORREF crErase)
    : m_ownBuffer(std::size_t(std::max(nWidth, 0)) * std::size_t(std::max(nHeight, 0)))
    , m_pBits(m_ownBuffer.data())
    , m_nWidth(nHeight > 0 ? std::max(nWidth, 0) : 0)
    , m_nHeight(nWidth > 0 ? std::max(nHeight, 0) : 0)
    , m_nStride(std::max(nWidth, 0)) {
    BuildShortLines();
    Erase(crErase);
}

CRasterDC::CRasterDC(std::uint32_t* pBits, int nWidth, int nHeight, int nStridePixels)
    : m_pBits(pBits)
    , m_nWidth(pBits != nullptr ? std::clamp(nWidth, 0, std::max(nStridePixels, 0)) : 0)
    , m_nHeight(pBits != nullptr ? std::max(nHeight, 0) : 0)
    , m_nStride(std::max(nStridePixels, 0)) {
    ClearUpperVectorState();
    BuildShortLines();
}

// Every line of up to ShortReach pixels each way, by the same rounding rule as WalkLine.
void CRasterDC::BuildShortLines() {
    for (int dy = -ShortReach; dy <= ShortReach; ++dy) {
        for (int dx = -ShortReach; dx <= ShortReach; ++dx) {
            CShortLine& line =
                m_shortLines[std::size_t((dy + ShortReach) * ShortSide + dx + ShortReach)];
            line = CShortLine{{0, 0, 0}, dx == 0 && dy == 0};
            const bool bXMajor = std::abs(dx) >= std::abs(dy);
            const int da = bXMajor ? std::abs(dx) : std::abs(dy);
            const int db = bXMajor ? std::abs(dy) : std::abs(dx);
            const int sa = (bXMajor ? dx : dy) < 0 ? -1 : 1;
            const int sb = (bXMajor ? dy : dx) < 0 ? -1 : 1;
            for (int i = 0; i < da; ++i) {
                const int b = sb * ((2 * i * db + da - int(TieBias(sb > 0))) / (2 * da));
                const int x = bXMajor ? sa * i : b, y = bXMajor ? b : sa * i;
                line.offsets[i] = std::ptrdiff_t(y) * m_nStride + x;
            }
        }
    }
}

CPen CRasterDC::SelectObject(const CPen& pen) {
    m_penPixel = ToPixel(pen.crColor);
    m_nPenWidth = std::max(pen.nWidth, 1);
    return std::exchange(m_pen, pen);
}

CBrush CRasterDC::SelectObject(const CBrush& brush) {
    m_brushPixel = ToPixel(brush.crColor);
    return std::exchange(m_brush, brush);
}

int CRasterDC::SetPolyFillMode(int nMode) {
    return std::exchange(m_nPolyFillMode, nMode);
}

void CRasterDC::MoveTo(int x, int y) {
    m_ptCurrent = {x, y};
}

void CRasterDC::LineTo(int x, int y) {
    DrawLine(m_ptCurrent.x, m_ptCurrent.y, x, y);
    m_ptCurrent = {x, y};
}

void CRasterDC::DrawLine(int x0, int y0, int x1, int y1) {
    if (m_nPenWidth > 1) {
        WideLine(x0, y0, x1, y1);
        return;
    }
    // The short lines of a deep curve land here millions of times a paint. Setup: when both
    // ends are on the surface, so is every pixel between them, so the clip test is these
    // four unsigned compares and the differences cannot overflow; the colour was converted
    // when the pen was selected, and the pixels of short lines were tabled with the surface.
    // Loop: the table's stores, or WalkLine straight into the rows for longer lines.
    const unsigned nWidth = unsigned(m_nWidth), nHeight = unsigned(m_nHeight);
    if (unsigned(x0) < nWidth && unsigned(x1) < nWidth && unsigned(y0) < nHeight &&
        unsigned(y1) < nHeight) {
        const int dx = x1 - x0, dy = y1 - y0;
        std::uint32_t* p = m_pBits + std::ptrdiff_t(y0) * m_nStride + x0;
        // Up to three pixels each way: three stores from the table, no loop to mispredict.
        const unsigned ix = unsigned(dx + ShortReach), iy = unsigned(dy + ShortReach);
        if (ix < unsigned(ShortSide) && iy < unsigned(ShortSide)) {
            const CShortLine& line = m_shortLines[iy * ShortSide + ix];
            if (!line.bEmpty) {
                p[line.offsets[0]] = m_penPixel;
                p[line.offsets[1]] = m_penPixel;
                p[line.offsets[2]] = m_penPixel;
            }
            return;
        }
        const std::int64_t adx = std::abs(dx), ady = std::abs(dy);
        const std::ptrdiff_t xStep = dx < 0 ? -1 : 1;
        const std::ptrdiff_t yStep = dy < 0 ? -std::ptrdiff_t(m_nStride) : m_nStride;
        if (adx >= ady) {
            WalkLine(p, adx, xStep, yStep, -adx - TieBias(dy > 0), 2 * ady, 2 * adx, m_penPixel);
        } else {
            WalkLine(p, ady, yStep, xStep, -ady - TieBias(dx > 0), 2 * adx, 2 * ady, m_penPixel);
        }
        return;
    }
    ThinLineClipped(x0, y0, x1, y1);
}

// A one-pixel line with an end off the surface. Setup: the range of steps whose pixel is on
// the surface is found exactly from the rounding rule (the major coordinate bounds it
// directly; the minor offset never decreases, so its bounds are two divisions), and the
// error term is set up at the first visible step. Loop: the same WalkLine, over the visible
// steps only, so a line from -2e9 to 2e9 costs what its visible part costs.
void CRasterDC::ThinLineClipped(int x0, int y0, int x1, int y1) {
    const std::int64_t dx = std::int64_t(x1) - x0, dy = std::int64_t(y1) - y0;
    const bool bXMajor = std::abs(dx) >= std::abs(dy);
    const std::int64_t a0 = bXMajor ? x0 : y0, b0 = bXMajor ? y0 : x0;
    const std::int64_t da = bXMajor ? std::abs(dx) : std::abs(dy);
    const std::int64_t db = bXMajor ? std::abs(dy) : std::abs(dx);
    const int sa = (bXMajor ? dx : dy) < 0 ? -1 : 1;
    const int sb = (bXMajor ? dy : dx) < 0 ? -1 : 1;
    const std::int64_t aLimit = bXMajor ? m_nWidth : m_nHeight;
    const std::int64_t bLimit = bXMajor ? m_nHeight : m_nWidth;
    if (da == 0 || aLimit == 0 || bLimit == 0) {
        return;
    }
    const std::int64_t bias = TieBias(sb > 0);

    std::int64_t iFirst = 0, iLast = da - 1;
    if (sa > 0) {
        iFirst = std::max(iFirst, -a0);
        iLast = std::min(iLast, aLimit - 1 - a0);
    } else {
        iFirst = std::max(iFirst, a0 - (aLimit - 1));
        iLast = std::min(iLast, a0);
    }
    // The smallest step whose minor offset is at least q, or da when none is.
    const auto firstStepReaching = [&](std::int64_t q) -> std::int64_t {
        if (q <= 0) {
            return 0;
        }
        if (db == 0) {
            return da;
        }
        const Int128 i = CeilDiv(Int128(2) * q * da - da + bias, Int128(2) * db);
        return i > da ? da : std::int64_t(i);
    };
    const std::int64_t qLow = sb > 0 ? -b0 : b0 - (bLimit - 1);
    const std::int64_t qHigh = sb > 0 ? bLimit - 1 - b0 : b0;
    iFirst = std::max(iFirst, firstStepReaching(qLow));
    iLast = std::min(iLast, firstStepReaching(qHigh + 1) - 1);
    if (iFirst > iLast) {
        return;
    }

    const Int128 num = Int128(2) * iFirst * db + da - bias;
    const std::int64_t q = std::int64_t(num / (2 * da));
    const std::int64_t nError = std::int64_t(num - Int128(q) * (2 * da)) - 2 * da;
    const std::int64_t a = a0 + sa * iFirst, b = b0 + sb * q;
    const std::int64_t x = bXMajor ? a : b, y = bXMajor ? b : a;
    const std::ptrdiff_t xStep = bXMajor ? sa : sb;
    const std::ptrdiff_t yStep = std::ptrdiff_t(bXMajor ? sb : sa) * m_nStride;
    WalkLine(m_pBits + y * m_nStride + x, iLast - iFirst + 1, bXMajor ? xStep : yStep,
             bXMajor ? yStep : xStep, nError, 2 * db, 2 * da, m_penPixel);
}

namespace {

// What a wide stroke covers of one row, before clipping: up to three runs (the two end
// discs and the body), run i from base[i] + lo[i] to base[i] + hi[i] in surface
// coordinates, base[i] being the x of an end point; a run with lo > hi is absent.
struct CWideRowRuns {
    double base[3];
    double lo[3];
    double hi[3];

    double Low(int i) const { return base[i] + lo[i]; }
    double High(int i) const { return base[i] + hi[i]; }
};

// A wide stroke's geometry in the surface's coordinates, every value computed once per line.
struct CWideStroke {
    double ax, ay, bx, by; // the end points, even widths moved half a pixel up and left
    double dx, dy, len;
    double rr;    // squared radius of the end discs
    double rBody; // half the body's width

    CWideStroke(int x0, int y0, int x1, int y1, int nPenWidth) {
        const double r = nPenWidth * 0.5 - WideEndTrim;
        rBody = nPenWidth * 0.5 + WideBodyGrowth;
        const double offset = nPenWidth % 2 == 0 ? 0.5 : 0.0;
        ax = x0 - offset;
        ay = y0 - offset;
        bx = x1 - offset;
        by = y1 - offset;
        dx = bx - ax;
        dy = by - ay;
        len = std::hypot(dx, dy);
        rr = r * r;
    }

    // Per row, the stroke is convex, so its pixels form one run, found from the two end
    // discs and the body between them. Every value here depends on the end points only
    // through differences of integers, which the doubles hold exactly: the same segment
    // moved by whole pixels gives the same h, uLo and uHi bit for bit.
    CWideRowRuns Row(int y) const {
        CWideRowRuns runs{{ax, bx, ax}, {HUGE_VAL, HUGE_VAL, HUGE_VAL}, {0.0, 0.0, 0.0}};
        const double centreRows[2] = {ay, by};
        for (int i = 0; i < 2; ++i) {
            const double t = y - centreRows[i];
            if (t * t <= rr) {
                const double h = std::sqrt(rr - t * t);
                runs.lo[i] = -h;
                runs.hi[i] = h;
            }
        }
        // The body: u = x - ax with |u dy - t dx| <= rBody len and 0 <= u dx + t dy <= len^2.
        const double t = y - ay;
        double uLo = -HUGE_VAL, uHi = HUGE_VAL;
        const auto constrain = [&](double coef, double c, double low, double high) {
            if (coef == 0.0) {
                if (c < low || c > high) {
                    uLo = HUGE_VAL;
                }
                return;
            }
            double u1 = (low - c) / coef, u2 = (high - c) / coef;
            if (u1 > u2) {
                std::swap(u1, u2);
            }
            uLo = std::max(uLo, u1);
            uHi = std::min(uHi, u2);
        };
        constrain(dy, -t * dx, -rBody * len, rBody * len);
        constrain(dx, t * dy, 0.0, len * len);
        if (uLo <= uHi) {
            runs.lo[2] = uLo;
            runs.hi[2] = uHi;
        }
        return runs;
    }
};

// A run end base + d (base the x of an end point, a multiple of one half) computed for a
// segment starting at x = 0, and the same end for the segment moved by a whole x0: the
// rounding of x0 + base + d differs from that of base + d only in its last bits (by less
// than 2^-21 for any int x0), so ceil and floor move by exactly x0 when the end is more
// than 2^-19 from a whole number, or when d is a multiple of one half (both sums exact).
bool MovesExactly(double base, double d) {
    if (d * 2.0 == std::floor(d * 2.0) && std::abs(d) < 0x1p40) {
        return true;
    }
    const double v = base + d;
    return std::abs(v - std::nearbyint(v)) > 0x1p-19;
}

} // namespace

// A pen wider than one pixel: the segment with round ends (joins come out round from the
// ends of neighbouring segments). Setup: the rows the stroke can reach, clipped to the
// surface; even widths are centred half a pixel up and left, as the Windows GDI centres
// them. Loop: per row, the run of CWideStroke::Row clipped and filled straight into the row.
// A curve draws thousands of short strokes with one pen and a few distinct (dx, dy): their
// runs, relative to the start point, come from WideShape, computed once per shape.
void CRasterDC::WideLine(int x0, int y0, int x1, int y1) {
    if ((x0 == x1 && y0 == y1) || m_nWidth == 0 || m_nHeight == 0) {
        return;
    }
    const double rBody = m_nPenWidth * 0.5 + WideBodyGrowth;
    const double offset = m_nPenWidth % 2 == 0 ? 0.5 : 0.0;
    const double ax = x0 - offset, ay = y0 - offset, bx = x1 - offset, by = y1 - offset;
    const double top = std::max(std::min(ay, by) - rBody, 0.0);
    const double bottom = std::min(std::max(ay, by) + rBody, double(m_nHeight - 1));
    const double left = std::min(ax, bx) - rBody, right = std::max(ax, bx) + rBody;
    if (top > bottom || right < 0.0 || left > double(m_nWidth - 1)) {
        return;
    }
    const int yFirst = int(std::ceil(top)), yLast = int(std::floor(bottom));
    // One row the way every row was drawn before runs were kept: from the stroke's doubles.
    std::optional<CWideStroke> stroke;
    const auto fillRowFromStroke = [&](int y) {
        if (!stroke) {
            stroke.emplace(x0, y0, x1, y1, m_nPenWidth);
        }
        const CWideRowRuns runs = stroke->Row(y);
        double lo = HUGE_VAL, hi = -HUGE_VAL;
        for (int i = 0; i < 3; ++i) {
            if (runs.lo[i] <= runs.hi[i]) {
                lo = std::min(lo, runs.Low(i));
                hi = std::max(hi, runs.High(i));
            }
        }
        lo = std::max(lo, 0.0);
        hi = std::min(hi, double(m_nWidth - 1));
        if (lo > hi) {
            return;
        }
        std::uint32_t* pRow = m_pBits + std::ptrdiff_t(y) * m_nStride;
        std::fill(pRow + int(std::ceil(lo)), pRow + int(std::floor(hi)) + 1, m_penPixel);
    };

    const std::int64_t dx = std::int64_t(x1) - x0, dy = std::int64_t(y1) - y0;
    if (const CWideShape* pShape = WideShape(dx, dy);
        pShape != nullptr && yFirst - std::int64_t(y0) >= pShape->nFirstRow &&
        yLast - std::int64_t(y0) < std::int64_t(pShape->nFirstRow) + pShape->nRows) {
        const CWideCache& cache = s_wideCaches[std::size_t(m_nPenWidth)];
        const CWideRun* pRun =
            cache.runs.data() + pShape->nStart + (yFirst - std::int64_t(y0) - pShape->nFirstRow);
        const std::int64_t xLast = m_nWidth - 1;
        std::uint32_t* pRow = m_pBits + std::ptrdiff_t(yFirst) * m_nStride;
        for (int y = yFirst; y <= yLast; ++y, ++pRun, pRow += m_nStride) {
            if (!pRun->bMovesExactly) {
                // The row's runs as the stroke's doubles give them, moved by x0 exactly
                // (x0 plus a multiple of one half) and rounded as every stroke rounds them.
                const CWideNearRow& runs = cache.nearRows[std::size_t(pRun->lo)];
                double lo = HUGE_VAL, hi = -HUGE_VAL;
                for (int i = 0; i < 3; ++i) {
                    if (runs.lo[i] <= runs.hi[i]) {
                        const double base = double(x0) + runs.base[i];
                        lo = std::min(lo, base + runs.lo[i]);
                        hi = std::max(hi, base + runs.hi[i]);
                    }
                }
                lo = std::max(lo, 0.0);
                hi = std::min(hi, double(xLast));
                if (lo <= hi) {
                    std::fill(pRow + int(std::ceil(lo)), pRow + int(std::floor(hi)) + 1,
                              m_penPixel);
                }
                continue;
            }
            const std::int64_t lo = std::max<std::int64_t>(x0 + std::int64_t(pRun->lo), 0);
            const std::int64_t hi = std::min<std::int64_t>(x0 + std::int64_t(pRun->hi), xLast);
            if (lo <= hi) {
                std::fill(pRow + lo, pRow + hi + 1, m_penPixel);
            }
        }
        return;
    }
    for (int y = yFirst; y <= yLast; ++y) {
        fillRowFromStroke(y);
    }
}

// The runs of a stroke from (0, 0) to (dx, dy) in the selected pen, one per row from
// nFirstRow, as columns from the start point: each is the ceiling of the lowest run end and
// the floor of the highest, which for a stroke moved by whole pixels (x0, y0) are those of
// the moved stroke moved back, as long as every end moves exactly (MovesExactly; a row where
// one does not is marked, and drawn from the stroke itself). Null when the shape is not
// kept: a pen too wide or a segment too long.
const CRasterDC::CWideShape* CRasterDC::WideShape(std::int64_t dx, std::int64_t dy) {
    if (m_nPenWidth > WideCacheMaxWidth || std::abs(dx) > WideCacheReach ||
        std::abs(dy) > WideCacheReach) {
        return nullptr;
    }
    if (s_wideCaches.empty()) {
        s_wideCaches.resize(WideCacheMaxWidth + 1);
    }
    CWideCache& cache = s_wideCaches[std::size_t(m_nPenWidth)];
    if (cache.shapes.empty()) {
        cache.shapes.resize(WideCacheSide * WideCacheSide);
    }
    CWideShape& shape =
        cache.shapes[std::size_t((dy + WideCacheReach) * WideCacheSide + (dx + WideCacheReach))];
    if (shape.nState == CWideShape::Unknown) {
        const CWideStroke stroke(0, 0, int(dx), int(dy), m_nPenWidth);
        shape.nFirstRow = int(std::ceil(std::min(stroke.ay, stroke.by) - stroke.rBody));
        const int nLastRow = int(std::floor(std::max(stroke.ay, stroke.by) + stroke.rBody));
        shape.nRows = nLastRow - shape.nFirstRow + 1;
        shape.nStart = int(cache.runs.size());
        shape.nState = CWideShape::Kept;
        for (int y = shape.nFirstRow; y <= nLastRow; ++y) {
            const CWideRowRuns runs = stroke.Row(y);
            // An empty row: lo above hi by more than any surface is wide.
            CWideRun run{INT_MAX / 2, INT_MIN / 2, true};
            for (int i = 0; i < 3; ++i) {
                if (runs.lo[i] > runs.hi[i]) {
                    continue;
                }
                if (!MovesExactly(runs.base[i], runs.lo[i]) ||
                    !MovesExactly(runs.base[i], runs.hi[i])) {
                    run.bMovesExactly = false;
                }
                run.lo = std::min(run.lo, int(std::ceil(runs.Low(i))));
                run.hi = std::max(run.hi, int(std::floor(runs.High(i))));
            }
            if (!run.bMovesExactly) {
                // Kept as doubles instead; lo indexes them.
                run.lo = int(cache.nearRows.size());
                CWideNearRow& near = cache.nearRows.emplace_back();
                for (int i = 0; i < 3; ++i) {
                    near.base[i] = runs.base[i];
                    near.lo[i] = runs.lo[i];
                    near.hi[i] = runs.hi[i];
                }
            }
            cache.runs.push_back(run);
        }
    }
    return &shape;
}

void CRasterDC::Polyline(const CPoint* pPoints, int nCount) {
    if (pPoints == nullptr) {
        return;
    }
    for (int i = 1; i < nCount; ++i) {
        DrawLine(pPoints[i - 1].x, pPoints[i - 1].y, pPoints[i].x, pPoints[i].y);
    }
}

void CRasterDC::Polygon(const CPoint* pPoints, int nCount) {
    if (pPoints == nullptr || nCount < 2) {
        return;
    }
    FillPolygon(pPoints, nCount);
    for (int i = 0; i < nCount; ++i) {
        const CPoint& to = pPoints[i + 1 == nCount ? 0 : i + 1];
        DrawLine(pPoints[i].x, pPoints[i].y, to.x, to.y);
    }
}

namespace {

// A stable sort that costs what insertion sort costs on nearly sorted input (a curve's
// polygons: a handful of edges, an order that hardly changes from row to row) and never more
// than std::stable_sort's O(n log n) (a polygon of thousands of random points). Once the
// insertion sort has moved more than a few elements per element it hands over; both keep
// equal elements in their order, so the result is the same either way.
template <class T, class Less> void SortStably(std::vector<T>& items, Less less) {
    const std::size_t nBudget = 4 * items.size() + 16;
    std::size_t nMoves = 0;
    for (std::size_t i = 1; i < items.size(); ++i) {
        if (!less(items[i], items[i - 1])) {
            continue;
        }
        const T item = items[i];
        std::size_t j = i;
        for (; j > 0 && less(item, items[j - 1]); --j) {
            items[j] = items[j - 1];
        }
        items[j] = item;
        nMoves += i - j;
        if (nMoves > nBudget) {
            std::stable_sort(items.begin(), items.end(), less);
            return;
        }
    }
}

} // namespace

// Scan conversion of the interior. A pixel is filled when its centre (the integer point) is
// inside, an edge owning the scanlines from its upper end down to, not including, its lower
// end and the columns from its crossing rightwards: left and top borders are in, right and
// bottom ones out, so polygons sharing an edge never overlap. Setup: each edge is clipped
// to the surface rows once and its crossing is set up exactly at its first row (one
// division, 128-bit only for huge coordinates). Loop: per row, the active edges step by
// integer quotient and remainder, and the runs between crossings are filled into the row.
void CRasterDC::FillPolygon(const CPoint* pPoints, int nCount) {
    if (m_nWidth == 0 || m_nHeight == 0 || FillSmallPolygon(pPoints, nCount)) {
        return;
    }
    m_edges.clear();
    for (int i = 0; i < nCount; ++i) {
        const CPoint& from = pPoints[i];
        const CPoint& to = pPoints[i + 1 == nCount ? 0 : i + 1];
        if (from.y == to.y) {
            continue;
        }
        const CPoint& upper = from.y < to.y ? from : to;
        const CPoint& lower = from.y < to.y ? to : from;
        const int yFirst = std::max(upper.y, 0), yEnd = std::min(lower.y, m_nHeight);
        if (yFirst >= yEnd) {
            continue;
        }
        CPolygonEdge edge;
        edge.nDy = std::int64_t(lower.y) - upper.y;
        const std::int64_t dx = std::int64_t(lower.x) - upper.x;
        edge.nStepQuotient = FloorDiv(dx, edge.nDy);
        edge.nStepRemainder = dx - edge.nStepQuotient * edge.nDy;
        // The crossing at yFirst is upper.x + rows * dx / nDy; rows * dx fits 64 bits unless
        // both are beyond 31 bits.
        const std::int64_t rows = std::int64_t(yFirst) - upper.y;
        std::int64_t nCeil = 0;
        if (rows == 0) {
            edge.nError = 0;
        } else if (rows < (std::int64_t(1) << 31) && std::abs(dx) < (std::int64_t(1) << 31)) {
            const std::int64_t offset = rows * dx;
            nCeil = CeilDiv(offset, edge.nDy);
            edge.nError = nCeil * edge.nDy - offset;
        } else {
            const Int128 offset = Int128(rows) * dx;
            nCeil = std::int64_t(CeilDiv(offset, Int128(edge.nDy)));
            edge.nError = std::int64_t(Int128(nCeil) * edge.nDy - offset);
        }
        edge.xCeil = upper.x + nCeil;
        edge.yFirst = yFirst;
        edge.yEnd = yEnd;
        edge.nDirection = from.y < to.y ? 1 : -1;
        m_edges.push_back(edge);
    }
    if (m_edges.empty()) {
        return;
    }
    SortStably(m_edges,
               [](const CPolygonEdge& a, const CPolygonEdge& b) { return a.yFirst < b.yFirst; });

    m_active.clear();
    std::size_t nNext = 0;
    for (int y = m_edges.front().yFirst;; ++y) {
        m_active.erase(std::remove_if(m_active.begin(), m_active.end(),
                                      [y](const CPolygonEdge* e) { return e->yEnd <= y; }),
                       m_active.end());
        if (m_active.empty()) {
            if (nNext == m_edges.size()) {
                break;
            }
            y = m_edges[nNext].yFirst;
        }
        while (nNext < m_edges.size() && m_edges[nNext].yFirst == y) {
            m_active.push_back(&m_edges[nNext++]);
        }
        // The order changes little from row to row in a curve's polygons.
        SortStably(m_active, [](const CPolygonEdge* a, const CPolygonEdge* b) {
            return a->xCeil < b->xCeil;
        });
        FillSpans(y);
        for (CPolygonEdge* e : m_active) {
            e->xCeil += e->nStepQuotient;
            e->nError -= e->nStepRemainder;
            if (e->nError < 0) {
                e->nError += e->nDy;
                ++e->xCeil;
            }
        }
    }
}

namespace {

// The polygons of the curves: a few rows high, a few crossings a row.
constexpr int SmallPolygonRows = 64;
constexpr int SmallPolygonCrossings = 8;
// Columns are stored doubled (see below), so they must stay below 2^30.
constexpr int SmallPolygonMaxColumn = 1 << 30;

} // namespace

// The same fill for the small polygons the curves draw by the thousand, when the polygon
// lies on the surface (no clipping, and every coordinate difference fits 32 bits). Setup:
// each edge is walked once, top to bottom, dropping its crossing column into the bucket of
// each row it spans; no edge list, sorting of edges or active-edge bookkeeping. Loop: per
// row, the two or so crossings are put in order and the runs written into the row. False
// when the polygon does not qualify or a row has too many crossings; the general fill then
// draws it.
bool CRasterDC::FillSmallPolygon(const CPoint* pPoints, int nCount) {
    int left = pPoints[0].x, right = left, top = pPoints[0].y, bottom = top;
    for (int i = 1; i < nCount; ++i) {
        left = std::min(left, pPoints[i].x);
        right = std::max(right, pPoints[i].x);
        top = std::min(top, pPoints[i].y);
        bottom = std::max(bottom, pPoints[i].y);
    }
    if (left < 0 || top < 0 || right >= m_nWidth || bottom >= m_nHeight ||
        bottom - top > SmallPolygonRows || right >= SmallPolygonMaxColumn) {
        return false;
    }
    // Each crossing is stored as column * 2 + (1 for a downward edge), so that sorting the
    // values sorts the columns and the winding direction rides along.
    int crossings[SmallPolygonRows][SmallPolygonCrossings];
    int counts[SmallPolygonRows] = {};
    for (int i = 0; i < nCount; ++i) {
        const CPoint& from = pPoints[i];
        const CPoint& to = pPoints[i + 1 == nCount ? 0 : i + 1];
        if (from.y == to.y) {
            continue;
        }
        const bool bDown = from.y < to.y;
        const CPoint& upper = bDown ? from : to;
        const CPoint& lower = bDown ? to : from;
        const int dy = lower.y - upper.y, dx = lower.x - upper.x;
        const int nQuotient = FloorDiv(dx, dy), nRemainder = dx - nQuotient * dy;
        int x = upper.x, nError = 0;
        for (int row = upper.y - top, rowEnd = lower.y - top; row < rowEnd; ++row) {
            if (counts[row] == SmallPolygonCrossings) {
                return false;
            }
            crossings[row][counts[row]++] = x * 2 + (bDown ? 1 : 0);
            x += nQuotient;
            nError -= nRemainder;
            if (nError < 0) {
                nError += dy;
                ++x;
            }
        }
    }
    std::uint32_t* pRow = m_pBits + std::ptrdiff_t(top) * m_nStride;
    for (int row = 0; row < bottom - top; ++row, pRow += m_nStride) {
        int* pCrossings = crossings[row];
        const int n = counts[row];
        for (int i = 1; i < n; ++i) {
            const int value = pCrossings[i];
            int j = i;
            for (; j > 0 && pCrossings[j - 1] > value; --j) {
                pCrossings[j] = pCrossings[j - 1];
            }
            pCrossings[j] = value;
        }
        if (m_nPolyFillMode == WINDING) {
            int nWinding = 0, from = 0;
            for (int i = 0; i < n; ++i) {
                const int nBefore = nWinding;
                nWinding += (pCrossings[i] & 1) != 0 ? 1 : -1;
                if (nBefore == 0) {
                    from = pCrossings[i] >> 1;
                } else if (nWinding == 0) {
                    std::fill(pRow + from, pRow + (pCrossings[i] >> 1), m_brushPixel);
                }
            }
            continue;
        }
        for (int i = 0; i + 1 < n; i += 2) {
            std::fill(pRow + (pCrossings[i] >> 1), pRow + (pCrossings[i + 1] >> 1), m_brushPixel);
        }
    }
    return true;
}

// Fills row y between the crossings of the active edges (sorted by column): by pairs for
// the ALTERNATE mode, where the winding number is not zero for WINDING.
void CRasterDC::FillSpans(int y) {
    std::uint32_t* pRow = m_pBits + std::ptrdiff_t(y) * m_nStride;
    const auto fill = [&](std::int64_t from, std::int64_t to) {
        from = std::max<std::int64_t>(from, 0);
        to = std::min<std::int64_t>(to, m_nWidth);
        if (from < to) {
            std::fill(pRow + from, pRow + to, m_brushPixel);
        }
    };
    if (m_nPolyFillMode == WINDING) {
        int nWinding = 0;
        std::int64_t from = 0;
        for (const CPolygonEdge* e : m_active) {
            const int nBefore = nWinding;
            nWinding += e->nDirection;
            if (nBefore == 0) {
                from = e->xCeil;
            } else if (nWinding == 0) {
                fill(from, e->xCeil);
            }
        }
        return;
    }
    for (std::size_t i = 0; i + 1 < m_active.size(); i += 2) {
        fill(m_active[i]->xCeil, m_active[i + 1]->xCeil);
    }
}

void CRasterDC::Rectangle(int left, int top, int right, int bottom) {
    CRect rc{left, top, right, bottom};
    rc.NormalizeRect();
    if (rc.IsRectEmpty()) {
        return;
    }
    // The outline runs through the outermost pixels, the last column and row being
    // right - 1 and bottom - 1; the brush fills what is inside it.
    FillRectPixels(std::int64_t(rc.left) + 1, std::int64_t(rc.top) + 1, std::int64_t(rc.right) - 1,
                   std::int64_t(rc.bottom) - 1, m_brushPixel);
    const int r = rc.right - 1, b = rc.bottom - 1;
    DrawLine(rc.left, rc.top, r, rc.top);
    DrawLine(r, rc.top, r, b);
    DrawLine(r, b, rc.left, b);
    DrawLine(rc.left, b, rc.left, rc.top);
}

void CRasterDC::SetPixel(int x, int y, COLORREF cr) {
    if (unsigned(x) < unsigned(m_nWidth) && unsigned(y) < unsigned(m_nHeight)) {
        m_pBits[std::ptrdiff_t(y) * m_nStride + x] = ToPixel(cr);
    }
}

namespace {

// The left and top edges are painted, the right and bottom ones left out. An inverted side
// keeps that meaning for the edges as given: the Windows GDI paints (30, 10, 25, 2) as
// columns 26 to 30 and rows 3 to 10, as the reference pictures show.
std::array<std::int64_t, 4> FillEdges(const CRect& rc) {
    const auto span = [](int from, int to) {
        return from <= to ? std::pair<std::int64_t, std::int64_t>(from, to)
                          : std::pair<std::int64_t, std::int64_t>(std::int64_t(to) + 1,
                                                                  std::int64_t(from) + 1);
    };
    const auto [left, right] = span(rc.left, rc.right);
    const auto [top, bottom] = span(rc.top, rc.bottom);
    return {left, top, right, bottom};
}

// FillRects paints its rows in bands of this many rows: few enough that a band's rows stay
// in the cache even when they are 4 KiB apart and collide, enough that going through the
// rectangles once per band costs little.
constexpr std::int64_t FillBandRows = 8;

} // namespace

void CRasterDC::FillRect(const CRect& rc, const CBrush& brush) {
    const auto [left, top, right, bottom] = FillEdges(rc);
    FillRectPixels(left, top, right, bottom, ToPixel(brush.crColor));
}

// Setup: each rectangle's edges as FillRect takes them, clipped to the surface, once. Loop:
// the rows in bands of a few rows, each band painted rectangle by rectangle in the order
// given, so every pixel ends in the colour of the last rectangle covering it, as with
// FillRect calls one after another.
void CRasterDC::FillRects(const CFill* pFills, int nCount) {
    if (pFills == nullptr || m_nWidth == 0 || m_nHeight == 0) {
        return;
    }
    m_clippedFills.clear();
    std::int64_t top = m_nHeight, bottom = 0;
    for (int i = 0; i < nCount; ++i) {
        const auto [left, fillTop, right, fillBottom] = FillEdges(pFills[i].rc);
        const CClippedFill fill{std::max<std::int64_t>(left, 0), std::max<std::int64_t>(fillTop, 0),
                                std::min<std::int64_t>(right, m_nWidth),
                                std::min<std::int64_t>(fillBottom, m_nHeight),
                                ToPixel(pFills[i].cr)};
        if (fill.left >= fill.right || fill.top >= fill.bottom) {
            continue;
        }
        top = std::min(top, fill.top);
        bottom = std::max(bottom, fill.bottom);
        m_clippedFills.push_back(fill);
    }
    const std::int64_t nBandRows = FillBandRows;
    for (std::int64_t y = top; y < bottom; y += nBandRows) {
        const std::int64_t yEnd = std::min(y + nBandRows, bottom);
        for (const CClippedFill& fill : m_clippedFills) {
            const std::int64_t from = std::max(fill.top, y), to = std::min(fill.bottom, yEnd);
            std::uint32_t* pRow = m_pBits + from * m_nStride;
            for (std::int64_t row = from; row < to; ++row, pRow += m_nStride) {
                std::fill(pRow + fill.left, pRow + fill.right, fill.pixel);
            }
        }
    }
}

void CRasterDC::FillRectPixels(std::int64_t left, std::int64_t top, std::int64_t right,
                               std::int64_t bottom, std::uint32_t pixel) {
    left = std::max<std::int64_t>(left, 0);
    top = std::max<std::int64_t>(top, 0);
    right = std::min<std::int64_t>(right, m_nWidth);
    bottom = std::min<std::int64_t>(bottom, m_nHeight);
    if (left >= right || top >= bottom) {
        return;
    }
    std::uint32_t* pRow = m_pBits + top * m_nStride;
    for (std::int64_t y = top; y < bottom; ++y, pRow += m_nStride) {
        std::fill(pRow + left, pRow + right, pixel);
    }
}

void CRasterDC::Erase(COLORREF cr) {
    ClearUpperVectorState();
    FillRectPixels(0, 0, m_nWidth, m_nHeight, ToPixel(cr));
}

COLORREF CRasterDC::GetPixel(int x, int y) const {
    if (unsigned(x) >= unsigned(m_nWidth) || unsigned(y) >= unsigned(m_nHeight)) {
        return 0;
    }
    const std::uint32_t p = m_pBits[std::ptrdiff_t(y) * m_nStride + x];
    return RGB(BYTE(p >> 16), BYTE(p >> 8), BYTE(p));
}
