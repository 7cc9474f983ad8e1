// SPDX-License-Identifier: MIT
// The raster surface beyond the reference pictures: coordinates anywhere in the int range,
// the current position, the selected objects, and a caller's buffer.
#include "platform/gdi/RasterDC.h"

#include <climits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr int Width = 40;
constexpr int Height = 30;
constexpr std::uint32_t Guard = 0x00ABCDEF;
constexpr COLORREF White = 0x00FFFFFF;
constexpr COLORREF Blue = RGB(0, 0, 255);

using CPixelSet = std::set<std::pair<int, int>>;

// A surface inside a caller's buffer with a guard border of two pixels all round, so that a
// write outside the surface shows up even without the address sanitizer.
class CGuardedSurface {
public:
    CGuardedSurface()
        : m_bits(std::size_t(Width + 4) * (Height + 4), Guard)
        , m_dc(m_bits.data() + 2 * (Width + 4) + 2, Width, Height, Width + 4) {
        m_dc.Erase(White);
    }

    CRasterDC& DC() { return m_dc; }

    bool GuardIntact() const {
        for (int y = 0; y < Height + 4; ++y) {
            for (int x = 0; x < Width + 4; ++x) {
                const bool bInside = x >= 2 && x < Width + 2 && y >= 2 && y < Height + 2;
                if (!bInside && m_bits[std::size_t(y) * (Width + 4) + x] != Guard) {
                    return false;
                }
            }
        }
        return true;
    }

    CPixelSet Painted() const {
        CPixelSet pixels;
        for (int y = 0; y < Height; ++y) {
            for (int x = 0; x < Width; ++x) {
                if (m_dc.GetPixel(x, y) != White) {
                    pixels.insert({x, y});
                }
            }
        }
        return pixels;
    }

private:
    std::vector<std::uint32_t> m_bits;
    CRasterDC m_dc;
};

// The pixels of a one-pixel line on the surface, each from its own closed form: step i of
// the major axis takes the minor offset round(i * minor / major), a half going to the
// smaller coordinate, and the end point is left out.
CPixelSet ExpectedLinePixels(long long x0, long long y0, long long x1, long long y1) {
    CPixelSet pixels;
    const long long dx = x1 - x0, dy = y1 - y0;
    const bool bXMajor = std::llabs(dx) >= std::llabs(dy);
    const long long da = bXMajor ? std::llabs(dx) : std::llabs(dy);
    const long long db = bXMajor ? std::llabs(dy) : std::llabs(dx);
    const long long sa = (bXMajor ? dx : dy) < 0 ? -1 : 1;
    const long long sb = (bXMajor ? dy : dx) < 0 ? -1 : 1;
    const long long a0 = bXMajor ? x0 : y0, b0 = bXMajor ? y0 : x0;
    const long long nLimit = bXMajor ? Width : Height;
    for (long long a = 0; a < nLimit; ++a) {
        const long long i = (a - a0) * sa;
        if (i < 0 || i >= da) {
            continue;
        }
        const __int128 num = __int128(2) * i * db + da - (sb > 0 ? 1 : 0);
        const long long b = b0 + sb * (long long)(num / (2 * da));
        const long long x = bXMajor ? a : b, y = bXMajor ? b : a;
        if (x >= 0 && x < Width && y >= 0 && y < Height) {
            pixels.insert({int(x), int(y)});
        }
    }
    return pixels;
}

struct CLineCase {
    const char* pszName;
    int x0, y0, x1, y1;
    int nVisible; // pixels on the surface
};

const CLineCase HugeLineCases[] = {
    {"AcrossAtAShallowSlope", -2000000000, 5, 2000000000, 7, 40},
    {"AcrossBackwards", 2000000000, 7, -2000000000, 5, 40},
    {"DownAtASteepSlope", 5, -2000000000, 9, 2000000000, 30},
    {"CornerToCorner", INT_MIN, INT_MIN, INT_MAX, INT_MAX, 30},
    {"OtherDiagonal", INT_MAX, INT_MIN, INT_MIN, INT_MAX, 0},
    {"InFromFarLeft", INT_MIN, 12, 20, 14, 20},
    {"OutToFarRight", 20, 14, INT_MAX, 2, 20},
    {"ThroughTheCorner", -1000000, -1000000 + 1, 1000000, 1000000 + 1, 29},
    {"GrazingTheTopEdge", -3000, -1, 3000, 1, 40},
    {"PassingOutside", -5000, -100, 5000, -90, 0},
    {"FarAndVertical", 3, INT_MIN, 3, INT_MAX, 30},
    {"FarAndHorizontal", INT_MAX, 29, INT_MIN, 29, 40},
    {"AlongTheEdgeOutside", INT_MIN, 30, INT_MAX, 30, 0},
    {"EndingJustInside", 100, 100, 39, 29, 0},
    {"ShortAtTheBorder", 39, 29, 41, 31, 1},
};

class HugeLineTest : public testing::TestWithParam<CLineCase> {};

TEST_P(HugeLineTest, DrawsExactlyTheVisiblePart) {
    const CLineCase& c = GetParam();
    CGuardedSurface surface;
    surface.DC().SelectObject(CPen{1, Blue});
    surface.DC().MoveTo(c.x0, c.y0);
    surface.DC().LineTo(c.x1, c.y1);
    EXPECT_EQ(surface.Painted(), ExpectedLinePixels(c.x0, c.y0, c.x1, c.y1));
    EXPECT_EQ(int(surface.Painted().size()), c.nVisible);
    EXPECT_TRUE(surface.GuardIntact());
}

INSTANTIATE_TEST_SUITE_P(Cases, HugeLineTest, testing::ValuesIn(HugeLineCases),
                         [](const testing::TestParamInfo<CLineCase>& info) {
                             return std::string(info.param.pszName);
                         });

// Every other primitive with coordinates at the ends of the int range: nothing outside the
// surface is touched, and what shows is what the figure covers.
struct CFigureCase {
    const char* pszName;
    void (*pfnDraw)(CRasterDC&);
    int nExpectedPainted; // pixels that differ from the background afterwards
};

const CFigureCase HugeFigureCases[] = {
    {"FillRectCoveringAll",
     [](CRasterDC& dc) {
         dc.FillRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {Blue});
     },
     Width* Height},
    {"FillRectInvertedCoveringAll",
     [](CRasterDC& dc) {
         dc.FillRect({INT_MAX, INT_MAX, INT_MIN, INT_MIN}, {Blue});
     },
     Width* Height},
    {"FillRectFarAway",
     [](CRasterDC& dc) {
         dc.FillRect({INT_MIN, 0, INT_MIN + 5, 10}, {Blue});
     },
     0},
    {"RectangleOutlineOutside",
     [](CRasterDC& dc) {
         dc.SelectObject(CBrush{RGB(0, 255, 0)});
         dc.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
     },
     Width* Height},
    {"RectangleAcrossTheLeftEdge",
     [](CRasterDC& dc) {
         dc.SelectObject(CPen{1, Blue});
         dc.Rectangle(INT_MIN, 10, 10, 20);
     },
     // The top and bottom rows from 0 to 9, the right column 9 between them.
     10 + 10 + 8},
    {"PolygonCoveringAll",
     [](CRasterDC& dc) {
         const CPoint points[] = {
             {INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}};
         dc.SelectObject(CBrush{Blue});
         dc.Polygon(points, 4);
     },
     Width* Height},
    {"PolygonHalfPlane",
     [](CRasterDC& dc) {
         // Everything left of the line x = 20 (the edge column is in: left edges belong to
         // the interior).
         const CPoint points[] = {
             {INT_MIN, INT_MIN}, {20, INT_MIN}, {20, INT_MAX}, {INT_MIN, INT_MAX}};
         dc.SelectObject(CPen{1, White});
         dc.SelectObject(CBrush{Blue});
         dc.Polygon(points, 4);
     },
     20 * Height},
    {"PolygonFarAway",
     [](CRasterDC& dc) {
         const CPoint points[] = {
             {INT_MAX, INT_MAX}, {INT_MAX - 9, INT_MAX}, {INT_MAX, INT_MAX - 9}};
         dc.Polygon(points, 3);
     },
     0},
    {"WideLineAcross",
     [](CRasterDC& dc) {
         dc.SelectObject(CPen{5, Blue});
         dc.MoveTo(-2000000000, 10);
         dc.LineTo(2000000000, 10);
     },
     5 * Width},
    {"WidePolylineCorners",
     [](CRasterDC& dc) {
         const CPoint points[] = {
             {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}};
         dc.SelectObject(CPen{3, Blue});
         dc.Polyline(points, 4);
     },
     -1},
    {"HugePenWidth",
     [](CRasterDC& dc) {
         dc.SelectObject(CPen{INT_MAX, Blue});
         dc.MoveTo(INT_MIN, INT_MIN);
         dc.LineTo(INT_MAX, INT_MAX);
     },
     Width* Height},
    {"PixelsOutside",
     [](CRasterDC& dc) {
         for (const auto& [x, y] : {std::pair(-1, 0), std::pair(Width, 0), std::pair(0, -1),
                                    std::pair(0, Height), std::pair(INT_MIN, INT_MAX)}) {
             dc.SetPixel(x, y, Blue);
         }
     },
     0},
};

class HugeFigureTest : public testing::TestWithParam<CFigureCase> {};

TEST_P(HugeFigureTest, StaysOnTheSurface) {
    CGuardedSurface surface;
    GetParam().pfnDraw(surface.DC());
    EXPECT_TRUE(surface.GuardIntact());
    if (GetParam().nExpectedPainted >= 0) {
        EXPECT_EQ(int(surface.Painted().size()), GetParam().nExpectedPainted);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, HugeFigureTest, testing::ValuesIn(HugeFigureCases),
                         [](const testing::TestParamInfo<CFigureCase>& info) {
                             return std::string(info.param.pszName);
                         });

TEST(RasterDCTest, ShortAndLongLinesFollowTheSameRule) {
    // Lines of up to three pixels each way come from a table, longer ones from the walk.
    for (int dy = -6; dy <= 6; ++dy) {
        for (int dx = -6; dx <= 6; ++dx) {
            CGuardedSurface surface;
            surface.DC().SelectObject(CPen{1, Blue});
            surface.DC().MoveTo(20, 15);
            surface.DC().LineTo(20 + dx, 15 + dy);
            EXPECT_EQ(surface.Painted(), ExpectedLinePixels(20, 15, 20 + dx, 15 + dy))
                << "to (" << 20 + dx << ", " << 15 + dy << ")";
        }
    }
}

TEST(RasterDCTest, SelectReturnsThePreviousObject) {
    CRasterDC dc(4, 4);
    EXPECT_EQ(dc.SelectObject(CPen{3, Blue}), CDC::DefaultPen);
    EXPECT_EQ(dc.SelectObject(CPen{1, White}), (CPen{3, Blue}));
    EXPECT_EQ(dc.SelectObject(CBrush{Blue}), CDC::DefaultBrush);
    EXPECT_EQ(dc.SelectObject(CBrush{White}), CBrush{Blue});
    EXPECT_EQ(dc.SetPolyFillMode(WINDING), ALTERNATE);
    EXPECT_EQ(dc.SetPolyFillMode(ALTERNATE), WINDING);
}

TEST(RasterDCTest, LineToMovesTheCurrentPositionPolylineDoesNot) {
    CRasterDC dc(20, 10);
    dc.SelectObject(CPen{1, Blue});
    dc.MoveTo(2, 2);
    dc.LineTo(5, 2);
    const CPoint points[] = {{10, 8}, {15, 8}};
    dc.Polyline(points, 2);
    dc.LineTo(5, 6); // from (5, 2), not from the polyline's end
    for (int y = 2; y < 6; ++y) {
        EXPECT_EQ(dc.GetPixel(5, y), Blue) << y;
    }
    EXPECT_EQ(dc.GetPixel(5, 6), White);
    EXPECT_EQ(dc.GetPixel(15, 8), White);
    EXPECT_EQ(dc.GetPixel(14, 8), Blue);
}

TEST(RasterDCTest, WidthZeroDrawsLikeWidthOne) {
    CRasterDC thin(30, 20), zero(30, 20);
    zero.SelectObject(CPen{0, Blue});
    thin.SelectObject(CPen{1, Blue});
    for (CRasterDC* pDC : {&thin, &zero}) {
        pDC->MoveTo(1, 1);
        pDC->LineTo(28, 17);
        pDC->LineTo(3, 15);
    }
    EXPECT_TRUE(std::equal(thin.Bits(), thin.Bits() + 30 * 20, zero.Bits()));
}

TEST(RasterDCTest, ColourIsConvertedToPixelOrder) {
    CRasterDC dc(3, 1);
    dc.SetPixel(0, 0, RGB(0x12, 0x34, 0x56));
    dc.SelectObject(CPen{1, RGB(0xAB, 0xCD, 0xEF)});
    dc.MoveTo(1, 0);
    dc.LineTo(2, 0);
    dc.FillRect({2, 0, 3, 1}, CBrush{RGB(1, 2, 3)});
    EXPECT_EQ(dc.Bits()[0], 0x00123456u);
    EXPECT_EQ(dc.Bits()[1], 0x00ABCDEFu);
    EXPECT_EQ(dc.Bits()[2], 0x00010203u);
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(dc.GetPixel(3, 0), 0u);
}

TEST(RasterDCTest, DegenerateCallsDrawNothing) {
    CGuardedSurface surface;
    CRasterDC& dc = surface.DC();
    const CPoint point[] = {{5, 5}};
    dc.Polygon(nullptr, 4);
    dc.Polygon(point, 1);
    dc.Polygon(point, -3);
    dc.Polyline(nullptr, 3);
    dc.Polyline(point, 1);
    dc.MoveTo(7, 7);
    dc.LineTo(7, 7);
    dc.Rectangle(5, 5, 5, 20);
    dc.Rectangle(5, 5, 6, 6);
    dc.FillRect({10, 10, 10, 20}, CBrush{Blue});
    EXPECT_TRUE(surface.Painted().empty());
}

TEST(RasterDCTest, EmptyOrInvalidSurfaceDrawsNothing) {
    for (const auto& [nWidth, nHeight] : {std::pair(0, 0), std::pair(-5, 10), std::pair(10, -5)}) {
        CRasterDC dc(nWidth, nHeight);
        EXPECT_EQ(dc.Width() * dc.Height(), 0);
        const CPoint points[] = {{0, 0}, {10, 0}, {0, 10}};
        dc.Polygon(points, 3);
        dc.MoveTo(-5, -5);
        dc.LineTo(5, 5);
        dc.SelectObject(CPen{4, Blue});
        dc.LineTo(0, 9);
        dc.FillRect({0, 0, 10, 10}, CBrush{Blue});
        dc.Rectangle(0, 0, 10, 10);
        dc.SetPixel(0, 0, Blue);
        EXPECT_EQ(dc.GetPixel(0, 0), 0u);
    }
    CRasterDC none(nullptr, 10, 10, 10);
    none.FillRect({0, 0, 10, 10}, CBrush{Blue});
    EXPECT_EQ(none.Width(), 0);
}

// A star drawn in one stroke: its centre pentagon is crossed twice. Scaled up, it takes
// the general fill instead of the one for small polygons.
class PolygonFillModeTest : public testing::TestWithParam<int> {};

TEST_P(PolygonFillModeTest, WindingFillsOverlapsAlternateLeavesThemOut) {
    const int k = GetParam();
    const CPoint star[] = {
        {20 * k, 2 * k}, {31 * k, 27 * k}, {4 * k, 11 * k}, {36 * k, 11 * k}, {9 * k, 27 * k}};
    CRasterDC alternate(40 * k, 30 * k), winding(40 * k, 30 * k);
    winding.SetPolyFillMode(WINDING);
    for (CRasterDC* pDC : {&alternate, &winding}) {
        pDC->SelectObject(CBrush{Blue});
        pDC->Polygon(star, 5);
    }
    EXPECT_EQ(alternate.GetPixel(20 * k, 15 * k), White);
    EXPECT_EQ(winding.GetPixel(20 * k, 15 * k), Blue);
    EXPECT_EQ(alternate.GetPixel(20 * k, 6 * k), Blue);
    EXPECT_EQ(winding.GetPixel(20 * k, 6 * k), Blue);
    EXPECT_EQ(alternate.GetPixel(20 * k, 28 * k), White);
}

INSTANTIATE_TEST_SUITE_P(Scales, PolygonFillModeTest, testing::Values(1, 5));

TEST(RasterDCTest, SmallAndGeneralFillsAgree) {
    // The same 16-point cell on the surface (the small-polygon fill) and reaching past its
    // left edge (the general fill): the visible columns must match.
    const CPoint cell[] = {{3, 0}, {5, 0}, {6, 1}, {7, 1}, {9, 3}, {9, 5}, {8, 6}, {8, 7},
                           {6, 9}, {4, 9}, {3, 8}, {2, 8}, {0, 6}, {0, 4}, {1, 3}, {1, 2}};
    CPoint shifted[16], clipped[16];
    for (int i = 0; i < 16; ++i) {
        shifted[i] = {cell[i].x + 10, cell[i].y + 10};
        clipped[i] = {cell[i].x - 2, cell[i].y + 10};
    }
    CRasterDC whole(30, 30), cut(30, 30);
    for (CRasterDC* pDC : {&whole, &cut}) {
        pDC->SelectObject(CPen{1, White});
        pDC->SelectObject(CBrush{Blue});
    }
    whole.Polygon(shifted, 16);
    cut.Polygon(clipped, 16);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(cut.GetPixel(x, y), whole.GetPixel(x + 12, y)) << x << ", " << y;
        }
    }
}

TEST(RasterDCTest, FillRectsPaintsAsFillRectsInOrder) {
    // Overlapping (the later one wins), inverted, empty, partly and wholly off the surface,
    // upright strips crossing several bands of rows, over a caller's stride wider than the
    // surface and over a stride of the width.
    const CDC::CFill fills[] = {
        {{0, 0, 300, 200}, RGB(1, 2, 3)},      {{10, 5, 14, 200}, RGB(200, 0, 0)},
        {{12, 0, 16, 150}, RGB(0, 200, 0)},    {{30, 10, 25, 2}, RGB(0, 0, 200)},
        {{-50, -60, 20, 8}, RGB(9, 9, 9)},     {{280, 190, 900, 900}, RGB(7, 7, 7)},
        {{40, 40, 40, 90}, RGB(5, 5, 5)},      {{-900, 50, -10, 60}, RGB(6, 6, 6)},
        {{100, 0, 103, 200}, RGB(10, 20, 30)}, {{0, 100, 300, 101}, RGB(40, 50, 60)},
    };
    for (const int nStride : {300, 2048}) {
        std::vector<std::uint32_t> batch(std::size_t(nStride) * 200, Guard);
        std::vector<std::uint32_t> single(batch);
        CRasterDC batchDC(batch.data(), 300, 200, nStride);
        CRasterDC singleDC(single.data(), 300, 200, nStride);
        batchDC.FillRects(fills, int(std::size(fills)));
        for (const CDC::CFill& fill : fills) {
            singleDC.FillRect(fill.rc, CBrush{fill.cr});
        }
        EXPECT_EQ(batch, single) << "stride " << nStride;
    }
}

} // namespace
