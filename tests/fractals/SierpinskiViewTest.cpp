// SPDX-License-Identifier: MIT
#include "fractals/SierpinskiView.h"

#include <gtest/gtest.h>

#include <climits>

#include "resources/Resource.h"
#include "tests/fractals/CurveTestHost.h"
#include "tests/support/FakeRibbon.h"

namespace {

using Lines = std::vector<std::string>;

// The paint context's pen and brush, selected back after the curve.
const Lines kRestore = {"pen 1 0", "brush 16777215"};

// A view with a plain red background, so that the background is a single fill.
struct CSierpinski : CSierpinskiView {
    CSierpinski(int nLevel, int nGrain) {
        m_nLevel = nLevel;
        m_nGrain = nGrain;
        m_Background.m_nFading = 0;
    }
};

const CRect kSquare100{0, 0, 100, 100};
const std::string kFill100 = "fillrect -4 -4 104 104 255";

Lines Concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// The level-1 cell of the square (0, 0, 100, 100): its curve square is (18, 18, 82, 82)
// and its eighth lines are 26, 34, 42, 50, 58, 66, 74.
const Lines kCell100 = {
    "moveto 42 34", "lineto 58 34", "lineto 66 26", "lineto 74 34", "lineto 66 42", "lineto 66 58",
    "lineto 74 66", "lineto 66 74", "lineto 58 66", "lineto 42 66", "lineto 34 74", "lineto 26 66",
    "lineto 34 58", "lineto 34 42", "lineto 26 34", "lineto 34 26", "lineto 42 34"};

TEST(SierpinskiViewTest, LevelOneNormalIsTheClosedNotchedOutline) {
    CSierpinski view(1, 0);
    EXPECT_EQ(PaintTrace(view, kSquare100),
              Concat({{kFill100, "pen 1 65280", "brush 65280"}, kCell100, kRestore}));
}

TEST(SierpinskiViewTest, LevelOneFilledAddsTheSixteenPointPolygon) {
    CSierpinski view(1, 1);
    const Lines polygon = {"polyfillmode alternate",
                           "polygon 42 34 58 34 66 26 74 34 66 42 66 58 74 66 66 74 58 66 42 66 "
                           "34 74 26 66 34 58 34 42 26 34 34 26"};
    EXPECT_EQ(PaintTrace(view, kSquare100),
              Concat({{kFill100, "pen 1 65280", "brush 65280"}, kCell100, polygon, kRestore}));
}

// Each corner bit turns the step across that corner's diagonal into a move.
struct CMaskCase {
    int nMask;
    Lines moves;
};

class SierpinskiCellMaskTest : public testing::TestWithParam<CMaskCase> {};

TEST_P(SierpinskiCellMaskTest, LeavesOutTheNamedDiagonals) {
    CSierpinski view(1, 0);
    CRecordingDC dc;
    view.DrawCellStep(&dc, 18, 18, 82, 82, 1, GetParam().nMask);
    Lines expected = kCell100;
    for (std::string& line : expected) {
        for (const std::string& move : GetParam().moves) {
            if (line == "lineto" + move.substr(6)) {
                line = move;
            }
        }
    }
    EXPECT_EQ(dc.TraceLines(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Corners, SierpinskiCellMaskTest,
    testing::Values(CMaskCase{1, {"moveto 34 26"}}, CMaskCase{2, {"moveto 74 34"}},
                    CMaskCase{4, {"moveto 26 66"}}, CMaskCase{8, {"moveto 66 74"}},
                    CMaskCase{15,
                              {"moveto 74 34", "moveto 66 74", "moveto 26 66", "moveto 34 26"}}));

// The guide grid's first line runs along the top of the curve square, its last one down
// its right side: the square's placement shows in them.
struct CSquareCase {
    int nWidth;
    CRect rcCurve;
};

class SierpinskiCurveSquareTest : public testing::TestWithParam<CSquareCase> {};

TEST_P(SierpinskiCurveSquareTest, CentresThePowerOfTwoSquare) {
    const CSquareCase& c = GetParam();
    CSierpinski view(1, 0);
    view.m_nParam1 = 1;
    const Lines trace = PaintTrace(view, CRect{0, 0, c.nWidth, c.nWidth});
    const CRect& s = c.rcCurve;
    const auto point = [](const char* op, int x, int y) {
        return std::string(op) + " " + std::to_string(x) + " " + std::to_string(y);
    };
    ASSERT_GT(trace.size(), 37u);
    EXPECT_EQ(trace[1], point("moveto", s.left, s.top));
    EXPECT_EQ(trace[2], point("lineto", s.right, s.top));
    EXPECT_EQ(trace[35], point("moveto", s.right, s.top));
    EXPECT_EQ(trace[36], point("lineto", s.right, s.bottom));
    EXPECT_EQ(trace[37], "pen 1 65280");
}

INSTANTIATE_TEST_SUITE_P(Widths, SierpinskiCurveSquareTest,
                         testing::Values(CSquareCase{64, {16, 16, 48, 48}},
                                         CSquareCase{65, {0, 0, 65, 65}},
                                         CSquareCase{384, {64, 64, 320, 320}},
                                         CSquareCase{100, {18, 18, 82, 82}}));

TEST(SierpinskiViewTest, GuideGridUsesTheDefaultPenOnEighthsOfTheDeepestCells) {
    CSierpinski view(2, 0);
    view.m_nParam1 = 1;
    const Lines trace = PaintTrace(view, kSquare100);
    // 8 x 2^(2 - 1) = 16 steps: 17 lines each way, every 4 pixels of the side 64.
    Lines grid;
    for (int i = 0; i <= 16; ++i) {
        const std::string y = std::to_string(18 + 4 * i);
        grid.insert(grid.end(), {"moveto 18 " + y, "lineto 82 " + y});
    }
    for (int i = 0; i <= 16; ++i) {
        const std::string x = std::to_string(18 + 4 * i);
        grid.insert(grid.end(), {"moveto " + x + " 18", "lineto " + x + " 82"});
    }
    ASSERT_GT(trace.size(), grid.size() + 1);
    EXPECT_EQ(Lines(trace.begin() + 1, trace.begin() + 1 + long(grid.size())), grid);
    EXPECT_EQ(trace[grid.size() + 1], "pen 1 65280");
}

// Level 2 in the square (0, 0, 100, 100): the four quadrants, then the centre square.
struct CCellCase {
    std::string start;
    Lines moves;
};

TEST(SierpinskiViewTest, LevelTwoDrawsFourQuadrantsAndTheCentreSquare) {
    CSierpinski view(2, 0);
    const Lines trace = PaintTrace(view, kSquare100);
    const CCellCase cells[] = {
        {"moveto 62 26", {"moveto 54 42"}}, // top right, bottom left diagonal out
        {"moveto 62 58", {"moveto 58 54"}}, // bottom right, top left out
        {"moveto 30 58", {"moveto 46 58"}}, // bottom left, top right out
        {"moveto 30 26", {"moveto 42 46"}}, // top left, bottom right out
        {"moveto 46 42",
         {"moveto 62 42", "moveto 58 62", "moveto 38 58", "moveto 42 38"}}, // centre, all out
    };
    ASSERT_EQ(trace.size(), 3 + 5 * 17 + 2u);
    for (std::size_t k = 0; k < std::size(cells); ++k) {
        const auto first = trace.begin() + 3 + 17 * long(k);
        EXPECT_EQ(*first, cells[k].start) << "cell " << k;
        Lines moves;
        for (auto it = first + 1; it != first + 17; ++it) {
            if (it->starts_with("moveto")) {
                moves.push_back(*it);
            }
        }
        EXPECT_EQ(moves, cells[k].moves) << "cell " << k;
    }
}

// The deepest level draws every cell, grid included; a stored level above it draws the
// same (tests/fractals/CrossCurveTest.cpp).
TEST(SierpinskiViewTest, DeepestLevelDrawsEveryCell) {
    CSierpinski deepest(CSierpinskiView::kMaxLevel, 1);
    deepest.m_nParam1 = 1;
    // 5^7 cells, each a move, 16 steps, a fill mode and a polygon.
    EXPECT_EQ(PaintCalls(deepest, kSquare100).size(), 1 + 2 * 2 * 1025 + 2 + 78125 * 19 + 2u);
}

} // namespace
