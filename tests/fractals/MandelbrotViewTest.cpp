// SPDX-License-Identifier: MIT
#include "fractals/MandelbrotView.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/gdi/RecordingDC.h"
#include "resources/Resource.h"

namespace {

using Lines = std::vector<std::string>;

constexpr int kYellow = 65535; // RGB(255, 255, 0), the default curve colour

// Keeps every DrawStep call, so that the pieces of one level can be checked, and how deep
// the recursion went.
class CStepRecorder : public CMandelbrotView {
public:
    struct CStep {
        int x1, y1, x2, y2, nLevel;
        friend bool operator==(const CStep&, const CStep&) = default;
    };

    void DrawStep(CDC* pDC, int x1, int y1, int x2, int y2, int nLevel) override {
        m_steps.push_back({x1, y1, x2, y2, nLevel});
        ++m_nDepth;
        m_nMaxDepth = std::max(m_nMaxDepth, m_nDepth);
        CMandelbrotView::DrawStep(pDC, x1, y1, x2, y2, nLevel);
        --m_nDepth;
    }

    std::vector<CStep> m_steps;
    int m_nDepth = 0;
    int m_nMaxDepth = 0;
};

// A plain background, so that it is one fill before the curve.
template <class View> Lines Draw(View& view, CRect rcDraw) {
    view.m_Background.m_nFading = 0;
    view.m_Background.m_crFirst = 7;
    CRect rcBackground{0, 0, 1, 1};
    CRecordingDC dc;
    view.DrawFractal(&dc, &rcBackground, &rcDraw);
    return dc.TraceLines();
}

const std::string kBackground = "fillrect 0 0 1 1 7";
const std::string kPen = "pen 1 " + std::to_string(kYellow);
const std::string kPenBack = "pen 1 0";

struct CSquareCase {
    int nGrain;
    Lines edges;
};

class MandelbrotSquareTest : public testing::TestWithParam<CSquareCase> {};

// Drawing square (0, 0, 120, 120), Square frame, level 1: the square inset by 30, each edge
// drawn as itself and one box polyline.
TEST_P(MandelbrotSquareTest, LevelOneDrawsEachEdgeAndItsBox) {
    CMandelbrotView view;
    view.m_nLevel = 1;
    view.m_nGrain = GetParam().nGrain;
    Lines expected{kBackground, kPen};
    expected.insert(expected.end(), GetParam().edges.begin(), GetParam().edges.end());
    expected.push_back(kPenBack);
    EXPECT_EQ(Draw(view, CRect{0, 0, 120, 120}), expected);
}

INSTANTIATE_TEST_SUITE_P(
    MandelbrotGrains, MandelbrotSquareTest,
    testing::Values(
        CSquareCase{0,
                    {"moveto 30 30", "lineto 90 30", "polyline 50 50 50 10 70 10 70 50",
                     "moveto 90 30", "lineto 90 90", "polyline 70 50 110 50 110 70 70 70",
                     "moveto 90 90", "lineto 30 90", "polyline 70 70 70 110 50 110 50 70",
                     "moveto 30 90", "lineto 30 30", "polyline 50 70 10 70 10 50 50 50"}},
        CSquareCase{1,
                    {"moveto 30 30", "lineto 90 30", "polyline 50 30 50 10 70 10 70 30",
                     "moveto 90 30", "lineto 90 90", "polyline 90 50 110 50 110 70 90 70",
                     "moveto 90 90", "lineto 30 90", "polyline 70 90 70 110 50 110 50 90",
                     "moveto 30 90", "lineto 30 30", "polyline 30 70 10 70 10 50 30 50"}}));

struct CPiecesCase {
    int nGrain;
    std::vector<CStepRecorder::CStep> pieces;
};

class MandelbrotPiecesTest : public testing::TestWithParam<CPiecesCase> {};

// Level 2 on the first edge of the worked example: the pieces of level 1, in order; the
// legs below the edge only for Normal.
TEST_P(MandelbrotPiecesTest, LevelTwoSplitsTheEdgeInOrder) {
    CStepRecorder view;
    view.m_nGrain = GetParam().nGrain;
    CRecordingDC dc;
    view.DrawStep(&dc, 30, 30, 90, 30, 2);
    std::vector<CStepRecorder::CStep> expected{{30, 30, 90, 30, 2}};
    expected.insert(expected.end(), GetParam().pieces.begin(), GetParam().pieces.end());
    EXPECT_EQ(view.m_steps, expected);
}

INSTANTIATE_TEST_SUITE_P(MandelbrotGrains, MandelbrotPiecesTest,
                         testing::Values(CPiecesCase{0,
                                                     {{30, 30, 50, 30, 1},
                                                      {50, 30, 70, 30, 1},
                                                      {70, 30, 90, 30, 1},
                                                      {50, 50, 50, 30, 1},
                                                      {50, 30, 50, 10, 1},
                                                      {50, 10, 70, 10, 1},
                                                      {70, 10, 70, 30, 1},
                                                      {70, 30, 70, 50, 1}}},
                                         CPiecesCase{1,
                                                     {{30, 30, 50, 30, 1},
                                                      {50, 30, 70, 30, 1},
                                                      {70, 30, 90, 30, 1},
                                                      {50, 30, 50, 10, 1},
                                                      {50, 10, 70, 10, 1},
                                                      {70, 10, 70, 30, 1}}}));

TEST(MandelbrotViewTest, LineFrameSitsAtMidHeightForNormalAndLowerForClipped) {
    const struct {
        int nGrain;
        CStepRecorder::CStep first;
    } cases[] = {{0, {0, 60, 120, 60, 3}}, {1, {0, 90, 120, 90, 3}}, {2, {0, 90, 120, 90, 3}}};
    for (const auto& c : cases) {
        CStepRecorder view;
        view.m_nFrame = 2;
        view.m_nGrain = c.nGrain;
        view.m_nLevel = 3;
        Draw(view, CRect{0, 0, 120, 120});
        ASSERT_FALSE(view.m_steps.empty());
        EXPECT_EQ(view.m_steps.front(), c.first) << "grain " << c.nGrain;
    }
}

TEST(MandelbrotViewTest, PiecesShorterThanThreePixelsAreLeavesWhateverTheLevel) {
    const struct {
        int x2, y2;
        Lines expected;
    } cases[] = {
        {2, 2, {"moveto 0 0", "lineto 2 2", "polyline 0 0 0 0 2 2 2 2"}},
        {-2, 1, {"moveto 0 0", "lineto -2 1", "polyline 0 0 0 0 -2 1 -2 1"}},
    };
    for (const auto& c : cases) {
        CMandelbrotView view;
        CRecordingDC dc;
        view.DrawStep(&dc, 0, 0, c.x2, c.y2, 5);
        EXPECT_EQ(dc.TraceLines(), c.expected);
    }
    // Three pixels is long enough to be split.
    CStepRecorder view;
    CRecordingDC dc;
    view.DrawStep(&dc, 0, 0, 3, 0, 2);
    EXPECT_EQ(view.m_steps.size(), 9u);
}

// A hand-edited level outside the ribbon's range recurses at most ten levels deep; in any
// square of a screen that is the picture whose leaves are all shorter than 3 pixels. That
// it is the deepest picture is a row of tests/fractals/CrossCurveTest.cpp.
TEST(MandelbrotViewTest, StoredLevelOutsideTheRibbonRecursesAtMostTenDeep) {
    for (int nGrain : {0, 1}) {
        CMandelbrotView deepest;
        deepest.m_nGrain = nGrain;
        deepest.m_nLevel = CMandelbrotView::kMaxLevel;
        const Lines expected = Draw(deepest, CRect{0, 0, 90, 90});
        for (std::size_t i = 2; i + 1 < expected.size(); i += 3) {
            int x1, y1, x2, y2;
            ASSERT_EQ(std::sscanf(expected[i].c_str(), "moveto %d %d", &x1, &y1), 2);
            ASSERT_EQ(std::sscanf(expected[i + 1].c_str(), "lineto %d %d", &x2, &y2), 2);
            ASSERT_TRUE(std::abs(x2 - x1) < 3 && std::abs(y2 - y1) < 3) << expected[i];
        }
        for (int nLevel : {0, -1, -1000000, INT_MIN, 11, 1000000, INT_MAX}) {
            CStepRecorder view;
            view.m_nGrain = nGrain;
            view.m_nLevel = nLevel;
            Draw(view, CRect{0, 0, 90, 90});
            EXPECT_LE(view.m_nMaxDepth, CMandelbrotView::kMaxLevel) << "level " << nLevel;
        }
    }
}

} // namespace
