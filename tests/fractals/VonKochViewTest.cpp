// SPDX-License-Identifier: MIT
#include "fractals/VonKochView.h"

#include <gtest/gtest.h>

#include "platform/gdi/RecordingDC.h"
#include "support/DigestDC.h"
#include "resources/Resource.h"

namespace {

// The calls after the background, which the tests leave plain.
std::vector<std::string> DrawCurve(CVonKochView& view, CRect rcDraw) {
    view.m_Background.m_nFading = 0;
    CRect rcBackground = rcDraw;
    CRecordingDC dc;
    view.DrawFractal(&dc, &rcBackground, &rcDraw);
    std::vector<std::string> lines = dc.TraceLines();
    lines.erase(lines.begin());
    return lines;
}

CVonKochView& Configure(CVonKochView& view, int nFrame, int nLevel, int nGrain, int nParam1,
                        int nParam2) {
    view.m_nFrame = nFrame;
    view.m_nLevel = nLevel;
    view.m_nGrain = nGrain;
    view.m_nParam1 = nParam1;
    view.m_nParam2 = nParam2;
    return view;
}

} // namespace

TEST(VonKochViewTest, Defaults) {
    CVonKochView view;
    EXPECT_EQ(view.FormatSettings("VonKochView"), "5,1,1,348,0,2,65535,14803425,15780518,2\n");
}

TEST(VonKochViewTest, WorkedExampleLineLevelOneTriangleOutside) {
    CVonKochView view;
    Configure(view, 2, 1, 1, 1, 348);
    const std::vector<std::string> expected = {
        "pen 1 65535",  "moveto 0 68",  "lineto 33 68", "moveto 33 68",  "lineto 50 33",
        "moveto 50 33", "lineto 67 68", "moveto 67 68", "lineto 100 68", "pen 1 0"};
    EXPECT_EQ(DrawCurve(view, {0, 0, 100, 100}), expected);
    EXPECT_EQ(view.m_nMaxX - view.m_nMinX, 67);
    EXPECT_EQ(view.m_nMaxY - view.m_nMinY, 35);
}

TEST(VonKochViewTest, WorkedExampleSquareLevelOneSquareGrainShrinks) {
    CVonKochView view;
    Configure(view, 4, 1, 2, 1, 348);
    const std::vector<std::string> lines = DrawCurve(view, {0, 0, 100, 100});
    EXPECT_EQ(view.m_nMaxX - view.m_nMinX, 170);
    EXPECT_EQ(view.m_nMaxY - view.m_nMinY, 170);
    const std::vector<std::string> first(lines.begin(), lines.begin() + 11);
    const std::vector<std::string> expected = {"pen 1 65535",  "moveto 20 80", "lineto 20 60",
                                               "moveto 20 60", "lineto -1 60", "moveto -1 60",
                                               "lineto -1 40", "moveto -1 40", "lineto 20 40",
                                               "moveto 20 40", "lineto 20 20"};
    EXPECT_EQ(first, expected);
    // Four edges of five pieces each.
    EXPECT_EQ(lines.size(), 1 + 4 * 5 * 2 + 1u);
}

TEST(VonKochViewTest, LevelZeroDrawsTheStraightStartFigure) {
    CVonKochView view;
    Configure(view, 6, 0, 1, 1, 348);
    const std::vector<std::string> expected = {
        "pen 1 65535",   "moveto 25 100", "lineto 0 50",   "moveto 0 50",   "lineto 25 0",
        "moveto 25 0",   "lineto 75 0",   "moveto 75 0",   "lineto 100 50", "moveto 100 50",
        "lineto 75 100", "moveto 75 100", "lineto 25 100", "pen 1 0"};
    EXPECT_EQ(DrawCurve(view, {0, 0, 100, 100}), expected);
}

TEST(VonKochViewTest, InsideBumpsHangBelowTheLine) {
    CVonKochView view;
    Configure(view, 2, 1, 1, -1, 348);
    const std::vector<std::string> lines = DrawCurve(view, {0, 0, 100, 100});
    ASSERT_EQ(lines.size(), 10u);
    // The apex lies below the line, which sits above the centre to make room.
    EXPECT_EQ(lines[3], "moveto 33 33");
    EXPECT_EQ(lines[4], "lineto 50 68");
}

// Random orientation draws one number per subdivided edge; srand(1) starts with 41, which
// turns the bump inward, so level 1 looks like Inside. The clock in seconds is the seed.
TEST(VonKochViewTest, RandomOrientationIsSeededFromTheClock) {
    CVonKochView inside;
    Configure(inside, 2, 1, 1, -1, 348);
    CVonKochView random;
    Configure(random, 2, 1, 1, 2, 348);
    random.SetClock([] { return std::int64_t(1); });
    EXPECT_EQ(DrawCurve(random, {0, 0, 100, 100}), DrawCurve(inside, {0, 0, 100, 100}));
    EXPECT_EQ(random.m_tSeed, 1);

    Configure(random, 5, 4, 2, 2, 500);
    EXPECT_EQ(DrawCurve(random, {0, 0, 300, 300}), DrawCurve(random, {0, 0, 300, 300}));
}

// A level outside 0..10 subdivides at most ten times (tests/fractals/CrossCurveTest.cpp):
// the pieces of an ordinary picture are shorter than 2 pixels long before that, and
// pictures whose pieces never shrink (a square bump, a tall triangle) end at the ribbon's
// deepest level, which is still a picture of its own.
TEST(VonKochViewTest, issue2_DeepestLevelStillSubdivides) {
    auto digest = [](int nLevel, int nGrain, int nParam2) {
        CVonKochView view;
        Configure(view, 2, nLevel, nGrain, 1, nParam2);
        CRect rc{0, 0, 40, 40};
        CDigestDC dc;
        view.DrawFractal(&dc, &rc, &rc);
        return dc.m_nDigest;
    };
    const struct {
        int nGrain;
        int nParam2;
    } shapes[] = {{2, 348}, {1, 750}, {2, 1000}};
    for (const auto& shape : shapes) {
        EXPECT_NE(digest(10, shape.nGrain, shape.nParam2), digest(9, shape.nGrain, shape.nParam2))
            << "ratio " << shape.nParam2;
    }
}

TEST(VonKochViewTest, issue2_HostileRatiosAndFactorsStayInRange) {
    for (int nParam : {2147483647, -2147483647 - 1}) {
        CVonKochView view;
        Configure(view, 6, 3, 1, nParam, nParam);
        EXPECT_FALSE(DrawCurve(view, {0, 0, 200, 200}).empty());
        Configure(view, 5, 3, 2, 1, nParam);
        EXPECT_FALSE(DrawCurve(view, {0, 0, 200, 200}).empty());
    }
}

TEST(VonKochViewTest, OrientationMarksFollowTheRecord) {
    CVonKochView view;
    const UINT ids[] = {ID_VON_KOCH_CHECK_OUTSIDE, ID_VON_KOCH_CHECK_INSIDE,
                        ID_VON_KOCH_CHECK_RANDOM};
    for (int nParam1 : {1, -1, 2, 0}) {
        view.m_nParam1 = nParam1;
        for (UINT nID : ids) {
            CCmdUI ui(nID);
            EXPECT_TRUE(view.OnUpdateCmdUI(&ui));
            const bool bExpected = (nID == ID_VON_KOCH_CHECK_OUTSIDE && nParam1 == 1) ||
                                   (nID == ID_VON_KOCH_CHECK_INSIDE && nParam1 == -1) ||
                                   (nID == ID_VON_KOCH_CHECK_RANDOM && nParam1 == 2);
            EXPECT_EQ(ui.m_nCheck, bExpected ? 1 : 0) << nID << " with " << nParam1;
        }
    }
}
