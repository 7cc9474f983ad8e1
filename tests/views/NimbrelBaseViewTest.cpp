// SPDX-License-Identifier: MIT
#include "views/NimbrelBaseView.h"

#include <gtest/gtest.h>

#include "fractals/VonKochView.h"
#include "resources/Resource.h"
#include "support/FakeRibbon.h"
#include "support/GdiPrinters.h"

namespace {

struct CRectsCase {
    const char* pszName;
    CRect rcWindow;
    CRect rcBackground;
    CRect rcDraw;
};

} // namespace

TEST(NimbrelBaseViewTest, DrawingRectsAreACentredSquareInsideTheBackground) {
    const CRectsCase cases[] = {
        {"wide", {0, 0, 800, 600}, {4, 4, 796, 596}, {108, 8, 692, 592}},
        {"tall", {0, 0, 300, 500}, {4, 4, 296, 496}, {8, 108, 292, 392}},
        // An odd excess leaves the square one pixel wider than m - 8.
        {"odd", {0, 0, 301, 200}, {4, 4, 297, 196}, {58, 8, 243, 192}},
        {"offset", {-1, -1, 101, 101}, {3, 3, 97, 97}, {7, 7, 93, 93}},
    };
    CVonKochView view;
    for (const CRectsCase& c : cases) {
        view.ComputeDrawingRects(c.rcWindow);
        EXPECT_EQ(view.m_rcWindow, c.rcWindow) << c.pszName;
        EXPECT_EQ(view.m_rcBackground, c.rcBackground) << c.pszName;
        EXPECT_EQ(view.m_rcDraw, c.rcDraw) << c.pszName;
    }
}

TEST(NimbrelBaseViewTest, ResetAndSetParametersStoreTheRecord) {
    CVonKochView view;
    view.ResetParameters();
    EXPECT_EQ(view.m_nLevel, 5);
    EXPECT_EQ(view.m_crCurve, 0u);
    EXPECT_EQ(view.m_nFrame, 0);
    EXPECT_EQ(view.m_Background.m_nFading, 0);

    view.SetParameters(-3, 7, 8, 9, 10, 11, 12, 13, 14, 99);
    EXPECT_EQ(view.FormatSettings("VonKochView"), "-3,7,8,9,10,11,12,13,14,99\n");

    view.SetFoldParameters("0110", 1, 2, 3, 4);
    EXPECT_EQ(view.m_strFoldCode, "0110");
    EXPECT_EQ(view.m_nParam1, 4);
    EXPECT_EQ(view.m_nLevel, 0);
    EXPECT_EQ(view.m_nFrame, 0);
}

TEST(NimbrelBaseViewTest, RibbonHelpersWithoutARibbon) {
    CVonKochView view;
    EXPECT_EQ(view.ReadRibbonSlider(ID_VON_KOCH_SLIDER_RECURSION, ID_VONKOCH_RECURSION), 1);
    std::string strCode = "0101";
    EXPECT_EQ(view.GetFoldCodeText(strCode), 5);
    EXPECT_EQ(strCode, "11111");
    EXPECT_EQ(view.SetFoldCodeText("101"), 3);
    view.SetRibbonSlider(ID_VON_KOCH_SLIDER_RECURSION, ID_VONKOCH_RECURSION, 3,
                         kStandardRibbonLabel);
}

TEST(NimbrelBaseViewTest, ReadRibbonSliderEchoesThePositionIntoTheEdit) {
    CFakeMainFrame frame;
    frame.m_ribbon.m_sliders.emplace(ID_VON_KOCH_SLIDER_RECURSION, CFakeSlider(1, 10, 7));
    CFakeEdit& edit = frame.m_ribbon.m_edits[ID_VONKOCH_RECURSION];
    CVonKochView view;
    EXPECT_EQ(view.ReadRibbonSlider(ID_VON_KOCH_SLIDER_RECURSION, ID_VONKOCH_RECURSION), 7);
    EXPECT_EQ(edit.m_strText, "7");
    EXPECT_EQ(edit.m_nAlign, ES_CENTER);
    EXPECT_EQ(edit.m_strLabel, std::string(12, '\xA0'));
    EXPECT_EQ(view.ReadRibbonSlider(ID_VON_KOCH_SLIDER_RECURSION, ID_VONKOCH_RECURSION, "L:"), 7);
    EXPECT_EQ(edit.m_strLabel, "L:");
    // A missing slider still reads 1 and shows it.
    EXPECT_EQ(view.ReadRibbonSlider(ID_HILBERT_SLIDER_RECURSION, ID_VONKOCH_RECURSION), 1);
    EXPECT_EQ(edit.m_strText, "1");
}

// A stored level above the slider's range: the slider shows its maximum, the edit the number.
TEST(NimbrelBaseViewTest, SetRibbonSliderClampsOnlyTheSlider) {
    CFakeMainFrame frame;
    CFakeSlider& slider =
        frame.m_ribbon.m_sliders.emplace(ID_VON_KOCH_SLIDER_RECURSION, CFakeSlider(1, 10, 5))
            .first->second;
    CFakeEdit& edit = frame.m_ribbon.m_edits[ID_VONKOCH_RECURSION];
    CVonKochView view;
    view.SetRibbonSlider(ID_VON_KOCH_SLIDER_RECURSION, ID_VONKOCH_RECURSION, 25,
                         kStandardRibbonLabel);
    EXPECT_EQ(slider.m_nPos, 10);
    EXPECT_EQ(slider.m_nRedraws, 1);
    EXPECT_EQ(edit.m_strText, "25");
    EXPECT_EQ(edit.m_nRedraws, 1);
    EXPECT_EQ(frame.m_ribbon.m_lastRedrawFlags, 0x0105u);

    // The ribbon is redrawn even when neither element is there.
    frame.m_ribbon.m_lastRedrawFlags = 0;
    view.SetRibbonSlider(1, 2, 3, kStandardRibbonLabel);
    EXPECT_EQ(frame.m_ribbon.m_lastRedrawFlags, 0x0105u);
}

TEST(NimbrelBaseViewTest, FoldCodeTextGoesThroughTheCodeEdit) {
    CFakeMainFrame frame;
    CFakeEdit& edit = frame.m_ribbon.m_edits[ID_HEIGHWAY_CODE];
    edit.m_strText = "0011";
    CVonKochView view;
    std::string strCode;
    EXPECT_EQ(view.GetFoldCodeText(strCode), 4);
    EXPECT_EQ(strCode, "0011");
    EXPECT_EQ(view.SetFoldCodeText("1"), 1);
    EXPECT_EQ(edit.m_strText, "1");
}
