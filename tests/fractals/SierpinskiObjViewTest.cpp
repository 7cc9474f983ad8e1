// SPDX-License-Identifier: MIT
#include "fractals/SierpinskiObjView.h"

#include <gtest/gtest.h>

#include <climits>

#include "resources/Resource.h"
#include "tests/fractals/CurveTestHost.h"
#include "tests/support/FakeRibbon.h"

namespace {

using Lines = std::vector<std::string>;

// A view with a plain background (a single fill) and a fixed clock.
struct CObjects : CSierpinskiObjView {
    CObjects(int nFrame, int nLevel, int nGrain) {
        m_nFrame = nFrame;
        m_nLevel = nLevel;
        m_nGrain = nGrain;
        m_Background.m_nFading = 0;
        SetClock([] { return std::int64_t(12345); });
    }
};

const CRect kSquare100{0, 0, 100, 100};
const Lines kStart = {"fillrect -4 -4 104 104 65280", "pen 1 7910460", "brush 7910460"};
const Lines kRestore = {"pen 1 0", "brush 16777215"};

Lines Concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// The square (0, 0, 100, 100): half 50, margin 2.
struct CFigureCase {
    const char* pszName;
    int nFrame;
    int nLevel;
    int nGrain;
    Lines figure;
};

class SierpinskiObjFigureTest : public testing::TestWithParam<CFigureCase> {};

TEST_P(SierpinskiObjFigureTest, DrawsTheLeavesInOrder) {
    const CFigureCase& c = GetParam();
    CObjects view(c.nFrame, c.nLevel, c.nGrain);
    EXPECT_EQ(PaintTrace(view, kSquare100), Concat({kStart, c.figure, kRestore}));
}

INSTANTIATE_TEST_SUITE_P(
    Square100, SierpinskiObjFigureTest,
    testing::Values(
        CFigureCase{"TriangleStart", 3, 1, 0, {"polyline 2 98 98 98 52 2 2 98"}},
        CFigureCase{
            "TriangleFilled", 3, 1, 1, {"polyfillmode alternate", "polygon 2 98 98 98 52 2 2 98"}},
        CFigureCase{"TriangleLevel2",
                    3,
                    2,
                    0,
                    {"polyline 2 98 27 50 50 98 2 98", "polyline 27 50 52 2 75 50 27 50",
                     "polyline 50 98 75 50 98 98 50 98"}},
        CFigureCase{"CarpetHole", 4, 1, 0, {"polyline 34 34 34 66 66 66 66 34 34 34"}},
        CFigureCase{"CarpetFilled",
                    4,
                    1,
                    1,
                    {"rectangle 2 2 98 34", "rectangle 2 66 98 98", "rectangle 2 34 34 66",
                     "rectangle 66 34 98 66"}},
        CFigureCase{
            "CarpetLevel2",
            4,
            2,
            0,
            {"polyline 12 12 12 24 24 24 24 12 12 12", "polyline 44 12 44 24 56 24 56 12 44 12",
             "polyline 76 12 76 24 88 24 88 12 76 12", "polyline 12 44 12 56 24 56 24 44 12 44",
             "polyline 76 44 76 56 88 56 88 44 76 44", "polyline 12 76 12 88 24 88 24 76 12 76",
             "polyline 44 76 44 88 56 88 56 76 44 76", "polyline 76 76 76 88 88 88 88 76 76 76"}},
        CFigureCase{"PentagonStart", 5, 1, 0, {"polyline 20 96 2 40 50 5 98 40 80 96 20 96"}},
        // Parts of side MulDiv(60, 1000, 2618) = 23: top, right, left, bottom right,
        // bottom left.
        CFigureCase{"PentagonLevel2",
                    5,
                    2,
                    0,
                    {"polyline 39 40 32 18 50 5 68 18 61 40 39 40",
                     "polyline 68 62 61 40 80 27 98 40 91 62 68 62",
                     "polyline 9 62 2 40 20 27 39 40 32 62 9 62",
                     "polyline 57 96 50 75 68 62 87 74 80 96 57 96",
                     "polyline 20 96 13 74 32 62 50 75 43 96 20 96"}},
        CFigureCase{"HexagonStart", 6, 1, 0, {"polyline 50 98 8 74 8 26 50 2 92 26 92 74 50 98"}},
        // An unknown grain leaves the outlined leaves out and fills the carpet's.
        CFigureCase{"TriangleUnknownGrain", 3, 2, 2, {}},
        CFigureCase{"PentagonUnknownGrain", 5, 2, -1, {}},
        CFigureCase{"HexagonUnknownGrain", 6, 2, 7, {}},
        CFigureCase{"CarpetUnknownGrain",
                    4,
                    1,
                    2,
                    {"rectangle 2 2 98 34", "rectangle 2 66 98 98", "rectangle 2 34 34 66",
                     "rectangle 66 34 98 66"}},
        // A frame outside 3 to 6 draws nothing with the pen and brush it selects.
        CFigureCase{"FrameTwo", 2, 3, 0, {}}, CFigureCase{"FrameSeven", 7, 3, 0, {}}),
    [](const testing::TestParamInfo<CFigureCase>& info) { return info.param.pszName; });

// The hexagon's parts are hexagons of a third of the height at the six vertices.
TEST(SierpinskiObjViewTest, HexagonLevelTwoPutsAPartOnEveryVertex) {
    CObjects view(6, 2, 0);
    const Lines trace = PaintTrace(view, kSquare100);
    // H 96: thirds 32, sixths 16, twelfths 8; w = MulDiv(16, 866, 1000) = 14; yC 50.
    const Lines parts = {"polyline 50 34 36 26 36 10 50 2 64 10 64 26 50 34",
                         "polyline 78 50 64 42 64 26 78 18 92 26 92 42 78 50",
                         "polyline 22 50 8 42 8 26 22 18 36 26 36 42 22 50",
                         "polyline 22 82 8 74 8 58 22 50 36 58 36 74 22 82",
                         "polyline 78 82 64 74 64 58 78 50 92 58 92 74 78 82",
                         "polyline 50 98 36 90 36 74 50 66 64 74 64 90 50 98"};
    EXPECT_EQ(trace, Concat({kStart, parts, kRestore}));
}

// A cloud is seeded with the clock's low 32 bits: the first points of the seed 12345.
struct CCloudCase {
    const char* pszName;
    int nFrame;
    int nColours;
    Lines points;
};

class SierpinskiObjCloudTest : public testing::TestWithParam<CCloudCase> {};

TEST_P(SierpinskiObjCloudTest, FollowsTheSeededGenerator) {
    const CCloudCase& c = GetParam();
    CObjects view(c.nFrame, 5, 1);
    view.m_nParam1 = 1;
    view.m_nParam2 = int(c.points.size());
    view.m_nParam3 = c.nColours;
    view.SetClock([] { return (std::int64_t(1) << 32) + 12345; });
    EXPECT_EQ(PaintTrace(view, kSquare100), Concat({kStart, c.points, kRestore}));
}

INSTANTIATE_TEST_SUITE_P(
    Seed12345, SierpinskiObjCloudTest,
    testing::Values(CCloudCase{"TriangleRandomColours",
                               3,
                               1,
                               {"setpixel 2 98 2566339", "setpixel 27 50 13156410",
                                "setpixel 39 26 13084938", "setpixel 68 62 3760947"}},
                    CCloudCase{"TriangleCurveColour",
                               3,
                               0,
                               {"setpixel 2 98 7910460", "setpixel 2 98 7910460",
                                "setpixel 50 98 7910460", "setpixel 26 98 7910460"}},
                    CCloudCase{"Carpet",
                               4,
                               0,
                               {"setpixel 2 2 7910460", "setpixel 2 2 7910460",
                                "setpixel 45 66 7910460", "setpixel 16 88 7910460"}},
                    CCloudCase{"Pentagon",
                               5,
                               0,
                               {"setpixel 58 96 7910460", "setpixel 72 96 7910460",
                                "setpixel 39 96 7910460", "setpixel 27 96 7910460",
                                "setpixel 71 61 7910460", "setpixel 39 83 7910460"}},
                    CCloudCase{"Hexagon",
                               6,
                               0,
                               {"setpixel 50 98 7910460", "setpixel 50 98 7910460",
                                "setpixel 22 82 7910460", "setpixel 41 28 7910460"}}),
    [](const testing::TestParamInfo<CCloudCase>& info) { return info.param.pszName; });

TEST(SierpinskiObjViewTest, CloudSizeIsTheStoredCountUpToTheLimit) {
    const struct {
        int nStored;
        long long nDrawn;
    } cases[] = {{0, 0},
                 {-5, 0},
                 {INT_MIN, 0},
                 {100000, 100000},
                 {CSierpinskiObjView::kMaxPoints, CSierpinskiObjView::kMaxPoints},
                 {2000000000, CSierpinskiObjView::kMaxPoints},
                 {INT_MAX, CSierpinskiObjView::kMaxPoints}};
    for (const auto& c : cases) {
        CObjects view(6, 5, 0);
        view.m_nParam1 = 1;
        view.m_nParam2 = c.nStored;
        CCountingDC dc;
        CRect rcBackground{0, 0, 100, 100}, rcDraw = kSquare100;
        view.DrawFractal(&dc, &rcBackground, &rcDraw);
        EXPECT_EQ(dc.m_nCounts[CDrawCall::SetPixel], c.nDrawn) << c.nStored;
    }
}

// The carpet's 8^7 leaves are only counted: each is one outline or four rectangles. A stored
// level below 1 draws the start figure, above 8 level 8 (tests/fractals/CrossCurveTest.cpp).
TEST(SierpinskiObjViewTest, CarpetDrawsFourRectanglesPerLeaf) {
    for (int nStored : {0, 8, 1000000}) {
        CObjects view(4, nStored, 1);
        CCountingDC dc;
        CRect rcBackground{0, 0, 1064, 1064}, rcDraw = rcBackground;
        view.DrawFractal(&dc, &rcBackground, &rcDraw);
        EXPECT_EQ(dc.m_nCounts[CDrawCall::Rectangle], nStored == 0 ? 4 : 4 * 2097152) << nStored;
    }
}

// Below 100 pixels the margin stays 2.
TEST(SierpinskiObjViewTest, SmallSquareKeepsAMarginOfTwo) {
    CObjects view(3, 1, 0);
    EXPECT_EQ(PaintTrace(view, CRect{10, 10, 40, 40}),
              Concat({{"fillrect 6 6 44 44 65280", "pen 1 7910460", "brush 7910460",
                       "polyline 12 38 38 38 27 12 12 38"},
                      kRestore}));
}

} // namespace
