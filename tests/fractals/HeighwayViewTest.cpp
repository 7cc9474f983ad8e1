// SPDX-License-Identifier: MIT
#include "fractals/HeighwayView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/gdi/RecordingDC.h"
#include "platform/ui/core/ViewHost.h"
#include "resources/Resource.h"

namespace {

using Lines = std::vector<std::string>;

const std::string kBackground = "fillrect 0 0 1 1 7";
const std::string kPen = "pen 1 9109504"; // RGB(0, 0, 139), the default dark blue
const std::string kPenBack = "pen 1 0";

// A plain background, so that it is one fill before the curve.
Lines Draw(CHeighwayView& view, CRect rcDraw) {
    view.m_Background.m_nFading = 0;
    view.m_Background.m_crFirst = 7;
    CRect rcBackground{0, 0, 1, 1};
    CRecordingDC dc;
    view.DrawFractal(&dc, &rcBackground, &rcDraw);
    return dc.TraceLines();
}

Lines DrawCode(const std::string& strCode, CRect rcDraw) {
    CHeighwayView view;
    view.m_strFoldCode = strCode;
    view.m_nParam1 = int(strCode.size());
    return Draw(view, rcDraw);
}

// The curve's calls alone, without the background and the pen.
Lines Curve(const Lines& lines) {
    return lines.size() < 3 ? Lines{} : Lines(lines.begin() + 2, lines.end() - 1);
}

CPoint PointOf(const std::string& line) {
    CPoint pt;
    char name[8] = {};
    std::sscanf(line.c_str(), "%7s %d %d", name, &pt.x, &pt.y);
    return pt;
}

struct CCodeCase {
    std::string strCode;
    Lines curve;
};

class HeighwayCodeTest : public testing::TestWithParam<CCodeCase> {};

TEST_P(HeighwayCodeTest, DrawsTheUnfoldedStripWithCutCorners) {
    Lines expected{kBackground, kPen};
    expected.insert(expected.end(), GetParam().curve.begin(), GetParam().curve.end());
    expected.push_back(kPenBack);
    EXPECT_EQ(DrawCode(GetParam().strCode, CRect{0, 0, 100, 100}), expected);
}

// Drawing square (0, 0, 100, 100). Code 10: turns -1, +1, +1, unit 25, gap 4, origin
// (25, 37). Code 1, and the empty code: the single turn +1, unit 33, gap 4, origin (33, 66).
// The first character is never read, and any character but '1' folds as '0'.
const Lines kCode10{"moveto 25 37", "lineto 46 37", "lineto 50 41", "lineto 50 58", "lineto 54 62",
                    "lineto 71 62", "lineto 75 58", "lineto 75 41", "lineto 75 37"};
const Lines kCode1{"moveto 33 66", "lineto 62 66", "lineto 66 62", "lineto 66 37", "lineto 66 33"};

INSTANTIATE_TEST_SUITE_P(HeighwayWorkedExamples, HeighwayCodeTest,
                         testing::Values(CCodeCase{"10", kCode10}, CCodeCase{"00", kCode10},
                                         CCodeCase{"1a", kCode10}, CCodeCase{"1", kCode1},
                                         CCodeCase{"0", kCode1}, CCodeCase{"", kCode1}));

// unit is where the first corner lies, gap how far before it the first segment stops.
TEST(HeighwayViewTest, UnitAndGapFollowTheSquare) {
    const struct {
        std::string strCode;
        int nSide;
        int nUnit;
        int nGap;
    } cases[] = {
        {"1", 3, 1, 0},   {"1", 15, 5, 0},    {"1", 18, 6, 1},          {"1", 60, 20, 3},
        {"1", 63, 21, 4}, {"1", 300, 100, 4}, {"10101111", 384, 19, 3},
    };
    for (const auto& c : cases) {
        const Lines curve = Curve(DrawCode(c.strCode, CRect{0, 0, c.nSide, c.nSide}));
        ASSERT_GE(curve.size(), 3u);
        const CPoint v0 = PointOf(curve[0]);
        const CPoint beforeCorner = PointOf(curve[1]);
        const CPoint afterCorner = PointOf(curve[2]);
        EXPECT_EQ(afterCorner.x - v0.x, c.nUnit) << c.strCode << " in " << c.nSide;
        EXPECT_EQ(afterCorner.x - beforeCorner.x, c.nGap) << c.strCode << " in " << c.nSide;
    }
}

// n folds give 2^n - 1 turns (one for no fold): a move, then two lines per turn and one
// at each end.
TEST(HeighwayViewTest, EveryFoldDoublesTheTurns) {
    for (const std::string strCode : {"", "1", "10", "10101111", "1111111111111111"}) {
        const long nTurns = strCode.empty() ? 1 : (1L << strCode.size()) - 1;
        const Lines curve = Curve(DrawCode(strCode, CRect{0, 0, 384, 384}));
        ASSERT_FALSE(curve.empty());
        EXPECT_EQ(curve.front().rfind("moveto", 0), 0u);
        EXPECT_EQ(long(curve.size()), 1 + 2 * nTurns + 2) << strCode;
    }
}

// The dragon of sixteen folds spans 383 units: in a 384-pixel square the unit is 0 and
// every point is the same one.
TEST(HeighwayViewTest, SixteenFoldsInASmallSquareShrinkToADot) {
    const Lines curve = Curve(DrawCode("1111111111111111", CRect{0, 0, 384, 384}));
    ASSERT_FALSE(curve.empty());
    const CPoint dot = PointOf(curve.front());
    EXPECT_TRUE(std::all_of(curve.begin(), curve.end(),
                            [dot](const std::string& line) { return PointOf(line) == dot; }));
}

// The fold count should be the code's length. One the code does not match is kept within
// 0..16 and never reads past the code: missing characters fold as '0'.
TEST(HeighwayViewTest, FoldCountOutsideTheCodeIsBounded) {
    const struct {
        std::string strCode;
        int nParam1;
        std::string strDrawnAs;
    } cases[] = {
        {"10", 99, "1000000000000000"},
        {"10", INT_MAX, "1000000000000000"},
        {"11111111111111111111", 20, "1111111111111111"},
        {"1011", -5, ""},
        {"1011", INT_MIN, ""},
        {"1011", 2, "10"},
    };
    for (const auto& c : cases) {
        CHeighwayView view;
        view.m_strFoldCode = c.strCode;
        view.m_nParam1 = c.nParam1;
        EXPECT_EQ(Draw(view, CRect{0, 0, 600, 600}), DrawCode(c.strDrawnAs, CRect{0, 0, 600, 600}))
            << c.strCode << " with " << c.nParam1;
    }
}

TEST(HeighwayViewTest, CodeCommandWithoutARibbonTakesFiveOnes) {
    CHeighwayView view;
    EXPECT_TRUE(view.OnCmdMsg(ID_HEIGHWAY_CODE));
    EXPECT_EQ(view.m_strFoldCode, "11111");
    EXPECT_EQ(view.m_nParam1, 5);
}

// A ribbon with only the folding-code edit element, and a window that counts repaints.
class CCodeRibbon : public CMainFrameLink, CRibbonBarLink, CRibbonEditLink {
public:
    CCodeRibbon() { AfxSetMainFrame(this); }
    ~CCodeRibbon() override { AfxSetMainFrame(nullptr); }

    CRibbonBarLink* GetRibbonBar() override { return this; }
    CRibbonSliderLink* FindSlider(UINT) override { return nullptr; }
    CRibbonEditLink* FindEdit(UINT nID) override {
        return nID == ID_HEIGHWAY_CODE ? this : nullptr;
    }
    void RedrawWindow(UINT) override {}
    std::string GetEditText() const override { return m_strText; }
    void SetEditText(const std::string& strText) override {
        m_strText = strText;
        ++m_nWrites;
    }
    void SetTextAlign(int) override {}
    void SetLabel(const std::string&) override {}
    void Redraw() override {}

    std::string m_strText;
    int m_nWrites = 0;
};

// A window that drives the ribbon and leaves the store alone, as a view no host took.
class CCountingWindow : public CViewHost {
public:
    CViewHosting GetHosting() const override { return kUnhosted; }
    CRect GetWindowRectInClient() const override { return {0, 0, 100, 100}; }
    void Invalidate(bool bErase) override { m_nErasingRepaints += bErase ? 1 : 0; }
    void SetScrollSizes(int, int) override {}
    void CopyToClipboard() override {}
    int m_nErasingRepaints = 0;
};

TEST(HeighwayViewTest, CodeCommandTakesTheTypedCodeAndCutsItToSixteen) {
    const struct {
        std::string strTyped;
        std::string strKept;
        int nWrites; // times the edit element is rewritten
    } cases[] = {
        {"0110", "0110", 0},
        {"", "", 0},
        {"1234567890abcdef", "1234567890abcdef", 0},
        {"10101010101010101111", "1010101010101010", 1},
    };
    for (const auto& c : cases) {
        CCodeRibbon ribbon;
        ribbon.m_strText = c.strTyped;
        CCountingWindow window;
        CHeighwayView view;
        view.AttachHost(&window);
        EXPECT_TRUE(view.OnCmdMsg(ID_HEIGHWAY_CODE));
        EXPECT_EQ(view.m_strFoldCode, c.strKept);
        EXPECT_EQ(view.m_nParam1, int(c.strKept.size()));
        EXPECT_EQ(ribbon.m_strText, c.strKept);
        EXPECT_EQ(ribbon.m_nWrites, c.nWrites) << c.strTyped;
        EXPECT_EQ(window.m_nErasingRepaints, 1);
    }
}

TEST(HeighwayViewTest, ShowingTheViewPutsItsCodeOnTheRibbon) {
    CCodeRibbon ribbon;
    ribbon.m_strText = "111";
    CHeighwayView view;
    view.m_nParam1 = 0;
    view.OnShowWindow(true);
    EXPECT_EQ(ribbon.m_strText, "10101111");
    EXPECT_EQ(view.m_nParam1, 8);
    view.m_strFoldCode = "1";
    view.OnShowWindow(false);
    EXPECT_EQ(ribbon.m_strText, "10101111");
}

} // namespace
