// SPDX-License-Identifier: MIT
#include "fractals/CesaroView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/gdi/RecordingDC.h"
#include "resources/Resource.h"

namespace {

using Lines = std::vector<std::string>;

const std::string kBackground = "fillrect 0 0 1 1 7";
const std::string kPenBack = "pen 1 0";

std::string Pen(int nWidth) {
    return "pen " + std::to_string(nWidth) + " 37632";
} // green

// One motif as the surface sees it: its pen, six separate segments, the pen put back.
Lines Motif(int nWidth, std::initializer_list<std::array<int, 4>> segments) {
    Lines lines{Pen(nWidth)};
    for (const auto& s : segments) {
        lines.push_back("moveto " + std::to_string(s[0]) + " " + std::to_string(s[1]));
        lines.push_back("lineto " + std::to_string(s[2]) + " " + std::to_string(s[3]));
    }
    lines.push_back(kPenBack);
    return lines;
}

void Append(Lines& lines, const Lines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

// A plain background, so that it is one fill before the curve.
Lines Draw(CCesaroView& view, CRect rcDraw) {
    view.m_Background.m_nFading = 0;
    view.m_Background.m_crFirst = 7;
    CRect rcBackground{0, 0, 1, 1};
    CRecordingDC dc;
    view.DrawFractal(&dc, &rcBackground, &rcDraw);
    return dc.TraceLines();
}

const Lines kFrame100{kBackground,    Pen(1),         "moveto 18 18", "lineto 18 82",
                      "lineto 82 82", "lineto 82 18", "lineto 18 18", kPenBack};

// Drawing square (0, 0, 100, 100), level 2: a = 128, d = 18; the frame, the level-2 motif
// in a 2-pixel pen, then the four quarters and the centre square in 1-pixel pens: 36
// segments in all.
TEST(CesaroViewTest, LevelTwoDrawsTheFrameAndSixMotifs) {
    CCesaroView view;
    view.m_nLevel = 2;
    Lines expected = kFrame100;
    Append(expected, Motif(2, {{34, 66, 66, 34},
                               {34, 34, 66, 66},
                               {50, 82, 50, 66},
                               {82, 50, 66, 50},
                               {50, 18, 50, 34},
                               {18, 50, 34, 50}}));
    Append(expected, Motif(1, {{26, 42, 42, 26},
                               {26, 26, 42, 42},
                               {34, 50, 34, 42},
                               {50, 34, 42, 34},
                               {34, 18, 34, 26},
                               {18, 34, 26, 34}}));
    Append(expected, Motif(1, {{58, 42, 74, 26},
                               {58, 26, 74, 42},
                               {66, 50, 66, 42},
                               {82, 34, 74, 34},
                               {66, 18, 66, 26},
                               {50, 34, 58, 34}}));
    Append(expected, Motif(1, {{26, 74, 42, 58},
                               {26, 58, 42, 74},
                               {34, 82, 34, 74},
                               {50, 66, 42, 66},
                               {34, 50, 34, 58},
                               {18, 66, 26, 66}}));
    Append(expected, Motif(1, {{58, 74, 74, 58},
                               {58, 58, 74, 74},
                               {66, 82, 66, 74},
                               {82, 66, 74, 66},
                               {66, 50, 66, 58},
                               {50, 66, 58, 66}}));
    Append(expected, Motif(1, {{42, 58, 58, 42},
                               {42, 42, 58, 58},
                               {50, 66, 50, 58},
                               {66, 50, 58, 50},
                               {50, 34, 50, 42},
                               {34, 50, 42, 50}}));
    EXPECT_EQ(Draw(view, CRect{0, 0, 100, 100}), expected);
}

// Level 1 is the frame and one motif; a stored 0 the same in a zero-width pen (one-pixel
// lines); a stored negative level draws as 0 rather than asking for a negative pen.
TEST(CesaroViewTest, LevelOneAndBelowDrawOneMotifWithoutRecursing) {
    const struct {
        int nLevel;
        int nPenWidth;
    } cases[] = {{1, 1}, {0, 0}, {-1, 0}, {-1000000, 0}, {INT_MIN, 0}};
    for (const auto& c : cases) {
        CCesaroView view;
        view.m_nLevel = c.nLevel;
        Lines expected = kFrame100;
        Append(expected, Motif(c.nPenWidth, {{34, 66, 66, 34},
                                             {34, 34, 66, 66},
                                             {50, 82, 50, 66},
                                             {82, 50, 66, 50},
                                             {50, 18, 50, 34},
                                             {18, 50, 34, 50}}));
        EXPECT_EQ(Draw(view, CRect{0, 0, 100, 100}), expected) << "level " << c.nLevel;
    }
}

TEST(CesaroViewTest, SquaresUnderFivePixelsDoNotRecurse) {
    const struct {
        int x2, y2;
        std::size_t nMotifs;
    } cases[] = {{4, 4, 1}, {-4, 4, 1}, {5, 0, 6}, {0, 5, 6}, {-5, -5, 6}};
    for (const auto& c : cases) {
        CCesaroView view;
        CRecordingDC dc;
        view.DrawStep(&dc, 0, 0, c.x2, c.y2, 2);
        EXPECT_EQ(dc.TraceLines().size(), c.nMotifs * 14) << c.x2 << " " << c.y2;
    }
}

TEST(CesaroViewTest, FrameIsInsetToThePowerOfTwoBelowTheSide) {
    const struct {
        CRect rcDraw;
        Lines frame;
    } cases[] = {
        {{0, 0, 128, 128}, {"moveto 32 32", "lineto 32 96", "lineto 96 96", "lineto 96 32"}},
        {{0, 0, 129, 129}, {"moveto 0 0", "lineto 0 129", "lineto 129 129", "lineto 129 0"}},
    };
    for (const auto& c : cases) {
        CCesaroView view;
        view.m_nLevel = 1;
        const Lines lines = Draw(view, c.rcDraw);
        ASSERT_GE(lines.size(), 6u);
        EXPECT_EQ(Lines(lines.begin() + 2, lines.begin() + 6), c.frame);
    }
}

// The deepest level widens the pen to ten pixels; stored levels above it draw the same
// picture (tests/fractals/CrossCurveTest.cpp).
TEST(CesaroViewTest, DeepestLevelDrawsWithATenPixelPen) {
    CCesaroView ten;
    ten.m_nLevel = CCesaroView::kMaxLevel;
    int nWidest = 0;
    for (const std::string& line : Draw(ten, CRect{0, 0, 100, 100})) {
        int nWidth = 0;
        if (std::sscanf(line.c_str(), "pen %d", &nWidth) == 1) {
            nWidest = std::max(nWidest, nWidth);
        }
    }
    EXPECT_EQ(nWidest, CCesaroView::kMaxLevel);
}

} // namespace
