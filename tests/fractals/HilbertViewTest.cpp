// SPDX-License-Identifier: MIT
#include "fractals/HilbertView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "platform/gdi/RecordingDC.h"
#include "resources/Resource.h"

namespace {

using Lines = std::vector<std::string>;

// Keeps every DrawStep call and how deep the recursion went.
class CStepRecorder : public CHilbertView {
public:
    struct CStep {
        int x1, y1, x2, y2, nType, nLevel;
        friend bool operator==(const CStep&, const CStep&) = default;
    };

    void DrawStep(CDC* pDC, int x1, int y1, int x2, int y2, int nType, int nLevel) override {
        m_steps.push_back({x1, y1, x2, y2, nType, nLevel});
        ++m_nDepth;
        m_nMaxDepth = std::max(m_nMaxDepth, m_nDepth);
        CHilbertView::DrawStep(pDC, x1, y1, x2, y2, nType, nLevel);
        --m_nDepth;
    }

    std::vector<CStep> m_steps;
    int m_nDepth = 0;
    int m_nMaxDepth = 0;
};

// Counts the moves and lines of a picture too large to keep call by call.
class CCountingDC : public CRecordingDC {
public:
    void MoveTo(int, int) override { ++m_nCalls; }
    void LineTo(int, int) override { ++m_nCalls; }
    long m_nCalls = 0;
};

// A plain background, so that it is one fill before the curve.
template <class View> void DrawOn(View& view, CRect rcDraw, CRecordingDC& dc) {
    view.m_Background.m_nFading = 0;
    view.m_Background.m_crFirst = 7;
    CRect rcBackground{0, 0, 1, 1};
    view.DrawFractal(&dc, &rcBackground, &rcDraw);
}

template <class View> Lines Draw(View& view, CRect rcDraw) {
    CRecordingDC dc;
    DrawOn(view, rcDraw, dc);
    return dc.TraceLines();
}

const std::string kBackground = "fillrect 0 0 1 1 7";
const std::string kPen = "pen 1 37632"; // RGB(0, 147, 0), the default green
const std::string kPenBack = "pen 1 0";

struct CPictureCase {
    int nLevel;
    int nRatio;
    Lines curve;
};

class HilbertPictureTest : public testing::TestWithParam<CPictureCase> {};

// Drawing square (0, 0, 100, 100): a = 128, s = 18, so the curve lives in (18, 18, 82, 82).
TEST_P(HilbertPictureTest, DrawsTheCellsThenTheConnectors) {
    CHilbertView view;
    view.m_nLevel = GetParam().nLevel;
    view.m_nParam1 = GetParam().nRatio;
    Lines expected{kBackground, kPen};
    expected.insert(expected.end(), GetParam().curve.begin(), GetParam().curve.end());
    expected.push_back(kPenBack);
    EXPECT_EQ(Draw(view, CRect{0, 0, 100, 100}), expected);
}

INSTANTIATE_TEST_SUITE_P(
    HilbertWorkedExamples, HilbertPictureTest,
    testing::Values(
        CPictureCase{1, 2, {"moveto 18 18", "lineto 18 82", "lineto 82 82", "lineto 82 18"}},
        CPictureCase{2, 2, {"moveto 18 18", "lineto 39 18", "lineto 39 39", "lineto 18 39",
                            "moveto 18 61", "lineto 18 82", "lineto 39 82", "lineto 39 61",
                            "moveto 61 61", "lineto 61 82", "lineto 82 82", "lineto 82 61",
                            "moveto 82 18", "lineto 61 18", "lineto 61 39", "lineto 82 39",
                            "moveto 18 39", "lineto 18 61", "moveto 82 39", "lineto 82 61",
                            "moveto 39 61", "lineto 61 61"}},
        // Corner cells 30 pixels wide, connectors 4 pixels long.
        CPictureCase{2, 12, {"moveto 18 18", "lineto 48 18", "lineto 48 48", "lineto 18 48",
                             "moveto 18 52", "lineto 18 82", "lineto 48 82", "lineto 48 52",
                             "moveto 52 52", "lineto 52 82", "lineto 82 82", "lineto 82 52",
                             "moveto 82 18", "lineto 52 18", "lineto 52 48", "lineto 82 48",
                             "moveto 18 48", "lineto 18 52", "moveto 82 48", "lineto 82 52",
                             "moveto 48 52", "lineto 52 52"}},
        // r = 1 with level 1 leaves no grid step: background only.
        CPictureCase{1, 1, {}}));

// The outer cell: the power-of-two square, then fitted to a whole number of grid steps.
TEST(HilbertViewTest, OuterCellIsThePowerOfTwoSquareFittedToTheGrid) {
    using CStep = CStepRecorder::CStep;
    const struct {
        CRect rcDraw;
        int nLevel;
        CStep outer;
    } cases[] = {
        {{0, 0, 100, 100}, 1, {18, 18, 82, 82, 4, 1}},
        {{0, 0, 100, 100}, 2, {18, 18, 82, 82, 4, 2}},
        // n = 16, f = 7: Wq = 62, so one pixel in on every side.
        {{0, 0, 100, 100}, 3, {19, 19, 81, 81, 4, 3}},
        // A power of two is halved; one pixel more keeps its whole side.
        {{0, 0, 128, 128}, 1, {32, 32, 96, 96, 4, 1}},
        {{0, 0, 129, 129}, 1, {0, 0, 129, 129, 4, 1}},
        {{10, 20, 139, 149}, 1, {10, 20, 139, 149, 4, 1}},
    };
    for (const auto& c : cases) {
        CStepRecorder view;
        view.m_nLevel = c.nLevel;
        Draw(view, c.rcDraw);
        ASSERT_FALSE(view.m_steps.empty());
        EXPECT_EQ(view.m_steps.front(), c.outer) << c.rcDraw.right << " level " << c.nLevel;
    }
}

TEST(HilbertViewTest, UnknownCellTypeDrawsNothingAtAnyLevel) {
    for (int nType : {0, 3, 5, 16, -4}) {
        for (int nLevel : {1, 3}) {
            CHilbertView view;
            CRecordingDC dc;
            view.DrawStep(&dc, 0, 0, 64, 64, nType, nLevel);
            EXPECT_TRUE(dc.TraceLines().empty()) << nType << " at " << nLevel;
        }
    }
}

// Level 10 draws 4^9 level-1 cells (a move and three lines each) and three connectors
// (a move and a line each) in every one of the (4^9 - 1) / 3 larger cells, however small
// they get; a stored level above 10 draws the same.
TEST(HilbertViewTest, LevelTenDrawsEveryCellAndHigherLevelsDrawAsTen) {
    const long nCells = 1L << 18;
    const long nParents = (nCells - 1) / 3;
    for (int nLevel : {10, 11, 1000000, INT_MAX}) {
        CStepRecorder view;
        view.m_nLevel = nLevel;
        CCountingDC dc;
        DrawOn(view, CRect{0, 0, 100, 100}, dc);
        EXPECT_EQ(dc.m_nCalls, 4 * nCells + 6 * nParents) << "level " << nLevel;
        EXPECT_EQ(view.m_nMaxDepth, CHilbertView::kMaxLevel);
    }
}

// Below 1 the corner cells would not shrink (at 0 each is its parent); such a ratio draws
// as 1. A ratio past 2^20 draws as 2^20, which a screen cannot tell from any larger one.
TEST(HilbertViewTest, StoredRatioOutsideItsBoundsDrawsAsTheBound) {
    const struct {
        int nStored;
        int nDrawnAs;
    } cases[] = {{0, 1},
                 {-1, 1},
                 {INT_MIN, 1},
                 {CHilbertView::kMaxRatio + 1, CHilbertView::kMaxRatio},
                 {INT_MAX, CHilbertView::kMaxRatio}};
    for (const auto& c : cases) {
        for (int nLevel : {1, 3}) {
            CHilbertView bound;
            bound.m_nLevel = nLevel;
            bound.m_nParam1 = c.nDrawnAs;
            CHilbertView view;
            view.m_nLevel = nLevel;
            view.m_nParam1 = c.nStored;
            EXPECT_EQ(Draw(view, CRect{0, 0, 100, 100}), Draw(bound, CRect{0, 0, 100, 100}))
                << "ratio " << c.nStored << " level " << nLevel;
        }
    }
    // Already half the bound gives the picture of the bound in a screen-sized square.
    CHilbertView atBound;
    atBound.m_nParam1 = CHilbertView::kMaxRatio;
    CHilbertView halfBound;
    halfBound.m_nParam1 = CHilbertView::kMaxRatio / 2;
    EXPECT_EQ(Draw(atBound, CRect{0, 0, 100, 100}), Draw(halfBound, CRect{0, 0, 100, 100}));
}

} // namespace
