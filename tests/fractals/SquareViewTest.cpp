// SPDX-License-Identifier: MIT
#include "fractals/SquareView.h"

#include <gtest/gtest.h>

#include <climits>

#include "resources/Resource.h"
#include "tests/fractals/CurveTestHost.h"
#include "tests/support/FakeRibbon.h"

namespace {

using Lines = std::vector<std::string>;

// A view with a plain background, so that the background is a single fill.
struct CSquares : CSquareView {
    CSquares(int nLevel, int nGrain) {
        m_nLevel = nLevel;
        m_nGrain = nGrain;
        m_Background.m_nFading = 0;
    }
};

// Keeps the arguments of every step before drawing it.
struct CStepRecorder : CSquares {
    using CSquares::CSquares;
    struct CStep {
        CRect rc;
        int nMask;
        int nLevel;
        friend bool operator==(const CStep&, const CStep&) = default;
    };
    void DrawStep(CDC* pDC, int left, int top, int right, int bottom, int nMask,
                  int nLevel) override {
        m_steps.push_back({{left, top, right, bottom}, nMask, nLevel});
        CSquareView::DrawStep(pDC, left, top, right, bottom, nMask, nLevel);
    }
    std::vector<CStep> m_steps;
};

const CRect kSquare100{0, 0, 100, 100};
const Lines kStart = {"fillrect -4 -4 104 104 255", "pen 1 16776960", "brush 16776960"};
const Lines kRestore = {"pen 1 0", "brush 16777215"};

Lines Concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// The first square of the square (0, 0, 100, 100) is (34, 34, 66, 66), halves 16.
const Lines kFirstSquareNormal = {"moveto 50 34", "lineto 66 34", "lineto 66 50", "moveto 50 34",
                                  "lineto 34 34", "lineto 34 50", "moveto 50 66", "lineto 66 66",
                                  "lineto 66 50", "moveto 34 50", "lineto 34 66", "lineto 50 66"};

TEST(SquareViewTest, LevelOneNormalIsTheClosedSquareOutline) {
    CSquares view(1, 0);
    EXPECT_EQ(PaintTrace(view, kSquare100), Concat({kStart, kFirstSquareNormal, kRestore}));
}

TEST(SquareViewTest, LevelOneFilledPaintsTheFourQuarters) {
    CSquares view(1, 1);
    EXPECT_EQ(PaintTrace(view, kSquare100),
              Concat({kStart,
                      {"rectangle 50 34 66 50", "rectangle 50 34 34 50", "rectangle 50 66 66 50",
                       "rectangle 34 50 50 66"},
                      kRestore}));
}

TEST(SquareViewTest, LevelTwoGrowsAChildOnEveryCornerLeavingOutTheInnerOne) {
    CStepRecorder view(2, 0);
    PaintTrace(view, kSquare100);
    const std::vector<CStepRecorder::CStep> expected = {{{34, 34, 66, 66}, 15, 2},
                                                        {{58, 26, 74, 42}, 7, 1},
                                                        {{26, 26, 42, 42}, 11, 1},
                                                        {{58, 58, 74, 74}, 13, 1},
                                                        {{26, 58, 42, 74}, 14, 1}};
    EXPECT_EQ(view.m_steps, expected);
}

// The first square's pieces leave out the quarters its children cover; the children, at
// the deepest level, are drawn whole.
TEST(SquareViewTest, LevelTwoOutlinedLeavesOutTheCoveredQuarters) {
    CSquares view(2, 2);
    const Lines trace = PaintTrace(view, kSquare100);
    const Lines first = {
        "moveto 50 34", "lineto 58 34", "moveto 66 42", "lineto 66 50", // top right
        "moveto 42 34", "lineto 50 34", "moveto 34 42", "lineto 34 50", // top left
        "moveto 66 50", "lineto 66 58", "moveto 50 66", "lineto 58 66", // bottom right
        "moveto 34 50", "lineto 34 58", "moveto 42 66", "lineto 50 66", // bottom left
        // The top right child (58, 26, 74, 42), corners 1, 2 and 4, Normal.
        "moveto 66 26", "lineto 74 26", "lineto 74 34", "moveto 66 26", "lineto 58 26",
        "lineto 58 34", "moveto 66 42", "lineto 74 42", "lineto 74 34"};
    ASSERT_EQ(trace.size(), 3 + 16 + 4 * 9 + 2u);
    EXPECT_EQ(Lines(trace.begin() + 3, trace.begin() + 3 + long(first.size())), first);
}

// An odd width or height counts as one more for the halves and quarters.
TEST(SquareViewTest, OddSidesRoundTheHalvesUp) {
    const struct {
        CRect rc;
        Lines piece;
    } cases[] = {
        {{0, 0, 33, 33}, {"moveto 16 0", "lineto 33 0", "lineto 33 16"}},
        {{0, 0, 32, 32}, {"moveto 16 0", "lineto 32 0", "lineto 32 16"}},
        {{0, 0, 33, 21}, {"moveto 16 0", "lineto 33 0", "lineto 33 10"}},
    };
    for (const auto& c : cases) {
        CSquares view(1, 0);
        CRecordingDC dc;
        view.DrawStep(&dc, c.rc.left, c.rc.top, c.rc.right, c.rc.bottom, 1, 1);
        EXPECT_EQ(dc.TraceLines(), c.piece);
    }
}

// The deepest level grows every square; stored levels outside the ribbon draw as its ends
// (tests/fractals/CrossCurveTest.cpp).
TEST(SquareViewTest, DeepestLevelGrowsEverySquare) {
    CSquares deepest(CSquareView::kMaxLevel, 0);
    // 1 + 4 x (3^9 - 1) / 2 squares, each with 3 or 4 Normal pieces of 3 calls.
    EXPECT_EQ(PaintCalls(deepest, kSquare100).size(), 3 + (4 + 39364 * 3) * 3 + 2u);
}

} // namespace
