// SPDX-License-Identifier: MIT
// The general polygon fill on polygons of many random points, against the fill rule worked
// out pixel by pixel: a pixel is filled when the crossings left of or on its centre, of the
// edges owning its row (from the upper end down to, not including, the lower end), are odd
// in number (ALTERNATE) or wind to other than zero (WINDING).
#include "platform/gdi/RasterDC.h"

#include <cstdint>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr COLORREF Background = 0x00FFFFFF;
constexpr COLORREF PenColour = RGB(200, 0, 0);
constexpr COLORREF BrushColour = RGB(0, 0, 255);

bool InsideByRule(const std::vector<CPoint>& points, int nMode, int x, int y) {
    int nCrossings = 0, nWinding = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const CPoint& from = points[i];
        const CPoint& to = points[(i + 1) % points.size()];
        if (from.y == to.y) {
            continue;
        }
        const CPoint& upper = from.y < to.y ? from : to;
        const CPoint& lower = from.y < to.y ? to : from;
        if (y < upper.y || y >= lower.y) {
            continue;
        }
        // The crossing upper.x + (y - upper.y) * dx / dy lies at or left of x.
        const std::int64_t dx = std::int64_t(lower.x) - upper.x,
                           dy = std::int64_t(lower.y) - upper.y;
        if ((std::int64_t(y) - upper.y) * dx <= (std::int64_t(x) - upper.x) * dy) {
            ++nCrossings;
            nWinding += from.y < to.y ? 1 : -1;
        }
    }
    return nMode == ALTERNATE ? nCrossings % 2 == 1 : nWinding != 0;
}

TEST(PolygonFillTest, ManyRandomPointsFillByTheRule) {
    const struct {
        int nPoints;
        int nLow, nHigh; // the range of the coordinates
        int nWidth, nHeight;
    } cases[] = {
        {2000, -40, 140, 96, 96}, // across the surface and beyond it
        {5000, 0, 95, 96, 96},    // inside: thousands of crossings a row
        {300, -100000, 100000, 64, 48},
        {40, 10, 60, 70, 70},
    };
    std::mt19937 random(15);
    for (const auto& c : cases) {
        std::uniform_int_distribution<int> coordinate(c.nLow, c.nHigh);
        std::vector<CPoint> points(std::size_t(c.nPoints));
        for (CPoint& p : points) {
            p = {coordinate(random), coordinate(random)};
        }
        std::vector<CPoint> closed = points;
        closed.push_back(points.front());
        for (const int nMode : {ALTERNATE, WINDING}) {
            CRasterDC actual(c.nWidth, c.nHeight, Background);
            actual.SetPolyFillMode(nMode);
            actual.SelectObject(CPen{1, PenColour});
            actual.SelectObject(CBrush{BrushColour});
            actual.Polygon(points.data(), int(points.size()));

            // The outline goes over the fill, as Polygon draws it.
            CRasterDC expected(c.nWidth, c.nHeight, Background);
            for (int y = 0; y < c.nHeight; ++y) {
                for (int x = 0; x < c.nWidth; ++x) {
                    if (InsideByRule(points, nMode, x, y)) {
                        expected.SetPixel(x, y, BrushColour);
                    }
                }
            }
            expected.SelectObject(CPen{1, PenColour});
            expected.Polyline(closed.data(), int(closed.size()));

            int nDifferent = 0;
            for (int y = 0; y < c.nHeight; ++y) {
                for (int x = 0; x < c.nWidth; ++x) {
                    nDifferent += actual.GetPixel(x, y) != expected.GetPixel(x, y) ? 1 : 0;
                }
            }
            EXPECT_EQ(nDifferent, 0) << c.nPoints << " points, mode " << nMode;
        }
    }
}

} // namespace
