// SPDX-License-Identifier: MIT
#include "fractals/MinkowskiView.h"

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
class CStepRecorder : public CMinkowskiView {
public:
    struct CStep {
        int x1, y1, x2, y2, nLevel;
        friend bool operator==(const CStep&, const CStep&) = default;
    };

    void DrawStep(CDC* pDC, int x1, int y1, int x2, int y2, int nLevel) override {
        m_steps.push_back({x1, y1, x2, y2, nLevel});
        ++m_nDepth;
        m_nMaxDepth = std::max(m_nMaxDepth, m_nDepth);
        CMinkowskiView::DrawStep(pDC, x1, y1, x2, y2, nLevel);
        --m_nDepth;
    }

    // The calls the start figure made, at the level it was drawn with.
    std::vector<CStep> StartEdges() const {
        std::vector<CStep> edges;
        std::copy_if(m_steps.begin(), m_steps.end(), std::back_inserter(edges),
                     [this](const CStep& s) { return s.nLevel == m_nLevel; });
        return edges;
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
const std::string kPen = "pen 1 65535"; // the default yellow
const std::string kPenBack = "pen 1 0";

// Drawing square (0, 0, 90, 90), Square frame, level 1: c = 20, one motif per edge; the
// quarters are 12 pixels and the remainder goes to the last piece. The fourth edge runs
// from the top-left corner down.
TEST(MinkowskiViewTest, SquareFrameLevelOneDrawsOneMotifPerEdge) {
    CMinkowskiView view;
    view.m_nFrame = 4;
    view.m_nLevel = 1;
    EXPECT_EQ(
        Draw(view, CRect{0, 0, 90, 90}),
        (Lines{kBackground, kPen, "polyline 20 20 32 20 32 8 44 8 44 20 44 32 56 32 56 20 70 20",
               "polyline 70 20 70 32 82 32 82 44 70 44 58 44 58 56 70 56 70 70",
               "polyline 70 70 58 70 58 82 46 82 46 70 46 58 34 58 34 70 20 70",
               "polyline 20 20 20 32 32 32 32 44 20 44 8 44 8 56 20 56 20 70", kPenBack}));
}

TEST(MinkowskiViewTest, StartFiguresPassTheirEdgesInOrder) {
    using CStep = CStepRecorder::CStep;
    const struct {
        int nFrame;
        CRect rcDraw;
        std::vector<CStep> edges;
    } cases[] = {
        {2, {0, 0, 90, 91}, {{0, 45, 90, 45, 3}}},
        // q = 30, e = 10: apex on the top side, base inset and raised.
        {3, {0, 0, 135, 135}, {{67, 0, 125, 95, 3}, {125, 95, 10, 95, 3}, {10, 95, 67, 0, 3}}},
        {4,
         {0, 0, 90, 90},
         {{20, 20, 70, 20, 3}, {70, 20, 70, 70, 3}, {70, 70, 20, 70, 3}, {20, 20, 20, 70, 3}}},
    };
    for (const auto& c : cases) {
        CStepRecorder view;
        view.m_nFrame = c.nFrame;
        view.m_nLevel = 3;
        Draw(view, c.rcDraw);
        EXPECT_EQ(view.StartEdges(), c.edges) << "frame " << c.nFrame;
    }
}

TEST(MinkowskiViewTest, PiecesShorterThanTwoPixelsAreOneMotifWhateverTheLevel) {
    CMinkowskiView view;
    CRecordingDC dc;
    view.DrawStep(&dc, 5, 5, 6, 4, 7);
    EXPECT_EQ(dc.TraceLines(), Lines{"polyline 5 5 5 5 5 5 5 5 5 5 5 5 5 5 5 5 6 4"});
}

// A piece 3 pixels long has quarters of 0: seven of its pieces are single points and the
// last is the piece itself, so only the level ends it. At level 10 that is nine such
// splits and the piece's own motif at the bottom.
TEST(MinkowskiViewTest, PieceThatCannotShrinkEndsAtTheLevel) {
    CStepRecorder view;
    CRecordingDC dc;
    view.DrawStep(&dc, 0, 0, 3, 0, 10);
    const Lines lines = dc.TraceLines();
    ASSERT_EQ(lines.size(), 9u * 7u + 1u);
    EXPECT_EQ(lines.back(), "polyline 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 3 0");
    EXPECT_EQ(view.m_nMaxDepth, 10);
}

// A hand-edited level outside the ribbon's range draws as the deepest level, 10, instead
// of subdividing pieces that cannot get shorter for ever: it recurses at most ten deep, and
// draws the deepest picture (a row of tests/fractals/CrossCurveTest.cpp).
TEST(MinkowskiViewTest, StoredLevelOutsideTheRibbonRecursesAtMostTenDeep) {
    for (int nFrame : {2, 3, 4}) {
        for (int nLevel : {0, -1, -1000000, INT_MIN, 11, 1000000, INT_MAX}) {
            CStepRecorder view;
            view.m_nFrame = nFrame;
            view.m_nLevel = nLevel;
            Draw(view, CRect{0, 0, 40, 40});
            EXPECT_LE(view.m_nMaxDepth, CMinkowskiView::kMaxLevel) << "level " << nLevel;
        }
    }
}

} // namespace
