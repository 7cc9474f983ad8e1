// SPDX-License-Identifier: MIT
#include "fractals/PeanoView.h"

#include <gtest/gtest.h>

#include <climits>

#include "resources/Resource.h"
#include "tests/fractals/CurveTestHost.h"
#include "tests/support/FakeRibbon.h"

namespace {

using Lines = std::vector<std::string>;

// A view with a plain background, so that the background is a single fill.
struct CPeano : CPeanoView {
    CPeano(int nLevel, int nGrain) {
        m_nLevel = nLevel;
        m_nGrain = nGrain;
        m_Background.m_crFirst = RGB(1, 2, 3);
        m_Background.m_nFading = 0;
    }
};

const CRect kSquare100{0, 0, 100, 100};
const Lines kStart = {"fillrect -4 -4 104 104 197121", "pen 1 16777215", "brush 16777215"};
const Lines kRestore = {"pen 1 0", "brush 16777215"};

Lines Concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// Level 0 in the curve square (18, 18, 82, 82): thirds at 39 and 61, ninths at 25 and 75.
const Lines kOctagon = {"moveto 25 61", "lineto 25 39", "lineto 39 25",
                        "lineto 61 25", "lineto 75 39", "lineto 75 61",
                        "lineto 61 75", "lineto 39 75", "lineto 25 61"};

TEST(PeanoViewTest, LevelZeroIsOneOctagon) {
    CPeano view(0, 0);
    EXPECT_EQ(PaintTrace(view, kSquare100), Concat({kStart, kOctagon, kRestore}));
}

TEST(PeanoViewTest, LevelZeroFilledClosesTheOctagonImplicitly) {
    CPeano view(0, 1);
    const Lines polygon = {"polyfillmode alternate",
                           "polygon 25 61 25 39 39 25 61 25 75 39 75 61 61 75 39 75"};
    EXPECT_EQ(PaintTrace(view, kSquare100), Concat({kStart, kOctagon, polygon, kRestore}));
}

// Every side opened: four pairs of stubs out to the cell's edge, which stays undrawn in the
// outline and closes the polygon.
TEST(PeanoViewTest, OpenedSidesBecomeStubsToTheEdge) {
    CPeano view(0, 1);
    CRecordingDC dc;
    view.DrawStep(&dc, 18, 18, 82, 82, 0, 15);
    const Lines expected = {
        "moveto 25 61",
        "lineto 18 61",
        "moveto 18 39",
        "lineto 25 39",
        "lineto 39 25",
        "lineto 39 18",
        "moveto 61 18",
        "lineto 61 25",
        "lineto 75 39",
        "lineto 82 39",
        "moveto 82 61",
        "lineto 75 61",
        "lineto 61 75",
        "lineto 61 82",
        "moveto 39 82",
        "lineto 39 75",
        "lineto 25 61",
        "polyfillmode alternate",
        "polygon 25 61 18 61 18 39 25 39 39 25 39 18 61 18 61 25 75 39 82 39 82 61 75 61 "
        "61 75 61 82 39 82 39 75"};
    EXPECT_EQ(dc.TraceLines(), expected);
}

TEST(PeanoViewTest, LevelOneStartsWithTheBottomLeftCellOpenAtTheTop) {
    CPeano view(1, 0);
    const Lines trace = PaintTrace(view, kSquare100);
    const Lines first = {"moveto 20 75", "lineto 20 68", "lineto 25 63", "lineto 25 61",
                         "moveto 32 61", "lineto 32 63", "lineto 37 68", "lineto 37 75",
                         "lineto 32 80", "lineto 25 80", "lineto 20 75"};
    ASSERT_GT(trace.size(), 3 + first.size());
    EXPECT_EQ(Lines(trace.begin() + 3, trace.begin() + 3 + long(first.size())), first);
}

// All octagons merge into one closed outline, the border of the curve square never opened.
TEST(PeanoViewTest, CellsJoinIntoOneClosedCurve) {
    for (int nLevel : {1, 2, 3}) {
        CPeano view(nLevel, 0);
        const std::vector<CDrawCall> calls = PaintCalls(view, CRect{0, 0, 600, 600});
        EXPECT_TRUE(IsOneClosedCurve(calls)) << nLevel;
        // Curve square (44, 44, 556, 556): nothing reaches its border.
        for (const CDrawCall& call : calls) {
            if (call.kind == CDrawCall::LineTo) {
                EXPECT_TRUE(call.a[0] > 44 && call.a[0] < 556 && call.a[1] > 44 && call.a[1] < 556)
                    << TraceLine(call);
            }
        }
    }
}

} // namespace
