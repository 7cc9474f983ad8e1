// SPDX-License-Identifier: MIT
// What every curve of the catalogue does alike, one table each: a drawing square with no
// inside or far off shows only the background, a stored level outside the ribbon's range
// draws as a level inside it, an unknown frame or grain draws no curve, the commands set the
// record, and showing a view puts its level on the ribbon. A row names the curve by its
// renderer name.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "fractals/CesaroView.h"
#include "fractals/HilbertView.h"
#include "fractals/MandelbrotView.h"
#include "fractals/MinkowskiView.h"
#include "fractals/PeanoView.h"
#include "fractals/SierpinskiObjView.h"
#include "fractals/SierpinskiView.h"
#include "fractals/SquareView.h"
#include "fractals/VonKochView.h"
#include "resources/Resource.h"
#include "support/FakeRibbon.h"
#include "tests/fractals/CatalogCurve.h"
#include "tests/fractals/CurveTestHost.h"

namespace {

using Lines = std::vector<std::string>;

std::ostream& operator<<(std::ostream& os, const CRect& rc) {
    return os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

// ---- A square with no inside, or one far off, shows only the background.

struct CBackgroundCase {
    const char* pszCurve;
    CRecordSetup setup;
    CRect rcDraw;
    friend std::ostream& operator<<(std::ostream& os, const CBackgroundCase& c) {
        return os << c.pszCurve << c.setup << " in " << c.rcDraw;
    }
};

const std::vector<CRect> kNoInsideOrFarOff = {{0, 0, 0, 0},
                                              {50, 50, 40, 40},
                                              {0, 0, 100, 0},
                                              {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                                              {0, 0, 1 << 30, 1 << 30}};
const CRect kSquare100{0, 0, 100, 100};

std::vector<CBackgroundCase> BackgroundCases() {
    std::vector<CBackgroundCase> cases;
    const auto add = [&cases](const char* pszCurve, CRecordSetup setup,
                              const std::vector<CRect>& squares) {
        for (const CRect& rc : squares) {
            cases.push_back({pszCurve, setup, rc});
        }
    };
    add("cesaro", {}, kNoInsideOrFarOff);
    add("heighway", {}, kNoInsideOrFarOff);
    add("hilbert", {}, kNoInsideOrFarOff);
    add("mandelbrot", {.nLevel = 10}, kNoInsideOrFarOff);
    for (int nFrame : {2, 3, 4}) {
        add("minkowski", {.nFrame = nFrame}, kNoInsideOrFarOff);
    }
    add("peano", {.nLevel = 2, .nGrain = 1},
        {{8, 8, 8, 8}, {8, 8, 2, 2}, {0, 1000000000, 100, 1000000100}});
    for (int nParam1 : {0, 1}) {
        add("sierpinski-objects", {.nFrame = 5, .nLevel = 4, .nGrain = 1, .nParam1 = nParam1},
            {{8, 8, 8, 8}, {8, 8, 2, 2}, {0, 0, 2000000000, 2000000000}});
    }
    // A level below one has nothing to draw either.
    for (int nLevel : {0, -1, INT_MIN}) {
        add("sierpinski", {.nLevel = nLevel, .nGrain = 1, .nParam1 = 1}, {kSquare100});
    }
    add("sierpinski", {.nLevel = 3, .nGrain = 1, .nParam1 = 1},
        {{8, 8, 8, 8}, {8, 8, 2, 2}, {-2000000000, 0, 2000000000, 100}});
    add("square", {.nLevel = 5, .nGrain = 2},
        {{8, 8, 8, 8}, {8, 8, 2, 2}, {-1000000000, 0, -999999900, 100}});
    add("koch", {}, {{0, 0, 100, 0}, {10, 10, 2, 2}, {0, 0, 0, 50}});
    return cases;
}

class CurveBackgroundTest : public testing::TestWithParam<CBackgroundCase> {};

TEST_P(CurveBackgroundTest, SquareWithNoInsideOrFarOffShowsOnlyTheBackground) {
    const CBackgroundCase& c = GetParam();
    auto pView = MakeCatalogCurve(c.pszCurve, c.setup);
    ASSERT_NE(pView, nullptr);
    EXPECT_EQ(PlainTrace(*pView, c.rcDraw), Lines{kPlainFill});
}

INSTANTIATE_TEST_SUITE_P(Catalog, CurveBackgroundTest, testing::ValuesIn(BackgroundCases()));

// ---- A stored level outside the ribbon's range draws the picture of a level inside it.

struct CLevelCase {
    const char* pszCurve;
    CRecordSetup setup; // without the level
    CRect rcDraw;
    int nStored;
    int nDrawnAs;
    friend std::ostream& operator<<(std::ostream& os, const CLevelCase& c) {
        return os << c.pszCurve << c.setup << " in " << c.rcDraw << ": level " << c.nStored
                  << " drawn as " << c.nDrawnAs;
    }
};

std::vector<CLevelCase> LevelCases() {
    std::vector<CLevelCase> cases;
    const auto add = [&cases](const char* pszCurve, CRecordSetup setup, CRect rcDraw,
                              std::initializer_list<int> stored, int nDrawnAs) {
        for (int nStored : stored) {
            cases.push_back({pszCurve, setup, rcDraw, nStored, nDrawnAs});
        }
    };
    // Mandelbrot and Minkowski draw every level outside 1..10 as the deepest picture.
    const auto allOutside = {0, -1, -1000000, INT_MIN, 11, 1000000, INT_MAX};

    // Above 10 a level would be a pen that many pixels wide and a recursion that deep.
    add("cesaro", {}, kSquare100, {11, 1000000, INT_MAX}, CCesaroView::kMaxLevel);
    add("hilbert", {}, kSquare100, {11, 1000000, INT_MAX}, CHilbertView::kMaxLevel);
    // Below 1 a level would never meet the level-1 test; it draws one cell, as level 1.
    add("hilbert", {}, kSquare100, {0, -1, -1000000, INT_MIN}, 1);
    // Pieces that cannot get shorter are not subdivided for ever.
    for (int nGrain : {0, 1}) {
        add("mandelbrot", {.nGrain = nGrain}, {0, 0, 90, 90}, allOutside,
            CMandelbrotView::kMaxLevel);
    }
    for (int nFrame : {2, 3, 4}) {
        add("minkowski", {.nFrame = nFrame}, {0, 0, 40, 40}, allOutside, CMinkowskiView::kMaxLevel);
    }
    // The other curves draw a level outside the ribbon at its nearest end: below 0 the
    // octagon, below 1 the start figure or the first square.
    add("peano", {.nGrain = 1}, kSquare100, {-1, INT_MIN}, 0);
    add("peano", {.nGrain = 1}, kSquare100, {6, 1000000, INT_MAX}, CPeanoView::kMaxLevel);
    for (int nFrame : {3, 5, 6}) {
        add("sierpinski-objects", {.nFrame = nFrame, .nGrain = 1}, kSquare100, {0, INT_MIN}, 1);
        add("sierpinski-objects", {.nFrame = nFrame, .nGrain = 1}, kSquare100,
            {9, 1000000, INT_MAX}, CSierpinskiObjView::kMaxLevel);
    }
    // The carpet's 8^7 leaves at the deepest level need a square of 1064 pixels.
    add("sierpinski-objects", {.nFrame = 4, .nGrain = 1}, {0, 0, 1064, 1064}, {0}, 1);
    add("sierpinski-objects", {.nFrame = 4, .nGrain = 1}, {0, 0, 1064, 1064}, {1000000},
        CSierpinskiObjView::kMaxLevel);
    add("sierpinski", {.nGrain = 1, .nParam1 = 1}, kSquare100, {9, 1000000, INT_MAX},
        CSierpinskiView::kMaxLevel);
    for (int nGrain : {1, 2}) {
        add("square", {.nGrain = nGrain}, kSquare100, {0, -7, INT_MIN}, 1);
        add("square", {.nGrain = nGrain}, kSquare100, {11, 1000000, INT_MAX},
            CSquareView::kMaxLevel);
    }
    // Subdividing at most ten times ends pictures whose pieces never shrink (a square bump,
    // a tall triangle) as well as ordinary ones.
    for (const CRecordSetup& setup :
         {CRecordSetup{.nFrame = 2, .nGrain = 2, .nParam1 = 1, .nParam2 = 348},
          CRecordSetup{.nFrame = 2, .nGrain = 1, .nParam1 = 1, .nParam2 = 750},
          CRecordSetup{.nFrame = 2, .nGrain = 2, .nParam1 = 1, .nParam2 = 1000}}) {
        add("koch", setup, {0, 0, 40, 40}, {-1, 2000000000}, CVonKochView::kMaxLevel);
    }
    return cases;
}

class CurveLevelTest : public testing::TestWithParam<CLevelCase> {};

TEST_P(CurveLevelTest, StoredLevelOutsideTheRibbonDrawsAsALevelInside) {
    const CLevelCase& c = GetParam();
    CRecordSetup stored = c.setup, drawnAs = c.setup;
    stored.nLevel = c.nStored;
    drawnAs.nLevel = c.nDrawnAs;
    auto pStored = MakeCatalogCurve(c.pszCurve, stored);
    auto pDrawnAs = MakeCatalogCurve(c.pszCurve, drawnAs);
    ASSERT_NE(pStored, nullptr);
    EXPECT_EQ(PlainDigest(*pStored, c.rcDraw), PlainDigest(*pDrawnAs, c.rcDraw));
}

INSTANTIATE_TEST_SUITE_P(Catalog, CurveLevelTest, testing::ValuesIn(LevelCases()));

// ---- A frame or grain the curve does not know draws no curve: the curve's pen (and brush)
// are selected and put back, nothing is drawn between.

struct CUnknownShapeCase {
    const char* pszCurve;
    CRecordSetup setup;
    CRect rcDraw;
    Lines selections; // what follows the background
    friend std::ostream& operator<<(std::ostream& os, const CUnknownShapeCase& c) {
        return os << c.pszCurve << c.setup << " in " << c.rcDraw;
    }
};

std::vector<CUnknownShapeCase> UnknownShapeCases() {
    const Lines yellowPen = {"pen 1 65535", "pen 1 0"};
    std::vector<CUnknownShapeCase> cases;
    for (int nFrame : {0, 1, 7, -2}) {
        cases.push_back({"koch",
                         {.nFrame = nFrame, .nLevel = 3, .nGrain = 1, .nParam1 = 1, .nParam2 = 348},
                         kSquare100,
                         yellowPen});
    }
    for (int nFrame : {0, 1, 3, 5, 6, -4, INT_MAX}) {
        cases.push_back({"mandelbrot", {.nFrame = nFrame}, {0, 0, 120, 120}, yellowPen});
    }
    for (int nFrame : {0, 1, 5, 6, -2, INT_MIN}) {
        cases.push_back({"minkowski", {.nFrame = nFrame}, {0, 0, 90, 90}, yellowPen});
    }
    for (int nGrain : {3, -1, INT_MAX}) {
        cases.push_back({"square",
                         {.nLevel = 4, .nGrain = nGrain},
                         kSquare100,
                         {"pen 1 16776960", "brush 16776960", "pen 1 0", "brush 16777215"}});
    }
    return cases;
}

class CurveUnknownShapeTest : public testing::TestWithParam<CUnknownShapeCase> {};

TEST_P(CurveUnknownShapeTest, UnknownFrameOrGrainDrawsNoCurve) {
    const CUnknownShapeCase& c = GetParam();
    auto pView = MakeCatalogCurve(c.pszCurve, c.setup);
    ASSERT_NE(pView, nullptr);
    Lines expected{kPlainFill};
    expected.insert(expected.end(), c.selections.begin(), c.selections.end());
    EXPECT_EQ(PlainTrace(*pView, c.rcDraw), expected);
}

INSTANTIATE_TEST_SUITE_P(Catalog, CurveUnknownShapeTest, testing::ValuesIn(UnknownShapeCases()));

// ---- A command sets its member of the record and repaints once.

struct CCommandCase {
    const char* pszCurve;
    UINT nID;
    int CNimbrelBaseView::*pMember;
    int nValue;
    // A slider command reads its slider: without a ribbon it reads 1; with one, the slider
    // stands at nValue and the edit beside it (nEditID) then shows the same number.
    UINT nEditID = 0;
    friend std::ostream& operator<<(std::ostream& os, const CCommandCase& c) {
        return os << c.pszCurve << " command " << c.nID << " sets " << c.nValue
                  << (c.nEditID != 0 ? " from the ribbon" : "");
    }
};

constexpr auto kLevel = &CNimbrelBaseView::m_nLevel;
constexpr auto kFrame = &CNimbrelBaseView::m_nFrame;
constexpr auto kGrain = &CNimbrelBaseView::m_nGrain;
constexpr auto kParam1 = &CNimbrelBaseView::m_nParam1;
constexpr auto kParam2 = &CNimbrelBaseView::m_nParam2;

const CCommandCase kCommandCases[] = {
    {"koch", ID_VON_KOCH_FRAME_LINE, kFrame, 2},
    {"koch", ID_VON_KOCH_FRAME_TRIANGLE, kFrame, 3},
    {"koch", ID_VON_KOCH_FRAME_SQUARE, kFrame, 4},
    {"koch", ID_VON_KOCH_FRAME_PENTAGON, kFrame, 5},
    {"koch", ID_VON_KOCH_FRAME_HEXAGON, kFrame, 6},
    {"koch", ID_VON_KOCH_GRAIN_SQUARE, kGrain, 2},
    {"koch", ID_VON_KOCH_GRAIN_TRG, kGrain, 1},
    {"koch", ID_VON_KOCH_CHECK_INSIDE, kParam1, -1},
    {"koch", ID_VON_KOCH_CHECK_RANDOM, kParam1, 2},
    {"koch", ID_VON_KOCH_CHECK_OUTSIDE, kParam1, 1},
    {"koch", ID_VON_KOCH_SLIDER_RECURSION, kLevel, 1},
    {"koch", ID_VON_KOCH_SLIDER_SIMILARITY, kParam2, 1},
    {"mandelbrot", ID_MANDELBROT_SLIDER_RECURSION, kLevel, 1},
    {"mandelbrot", ID_MANDELBROT_FRAME_LINE, kFrame, 2},
    {"mandelbrot", ID_MANDELBROT_FRAME_SQUARE, kFrame, 4},
    {"mandelbrot", ID_MANDELBROT_GRAIN_NORMAL, kGrain, 0},
    {"mandelbrot", ID_MANDELBROT_GRAIN_CLIPPED, kGrain, 1},
    {"hilbert", ID_HILBERT_SLIDER_RECURSION, kLevel, 1},
    {"hilbert", ID_HILBERT_SLIDER_SIMILARITY, kParam1, 1},
    {"cesaro", ID_CESARO_SLIDER_RECURSION, kLevel, 1},
    {"minkowski", ID_MINKOWSKI_SLIDER_RECURSION, kLevel, 1},
    {"minkowski", ID_MINKOWSKI_FRAME_LINE, kFrame, 2},
    {"minkowski", ID_MINKOWSKI_FRAME_TRIANGLE, kFrame, 3},
    {"minkowski", ID_MINKOWSKI_FRAME_SQUARE, kFrame, 4},
    {"sierpinski", ID_SIERPINSKI_SLIDER_RECURSION, kLevel, 7, ID_SIERPINSKI_RECURSION},
    {"sierpinski", ID_SIERPINSKI_GRAIN_NORMAL, kGrain, 0},
    {"sierpinski", ID_SIERPINSKI_GRAIN_FILLED, kGrain, 1},
    {"sierpinski-objects", ID_SIERPINSKI_OBJ_SLIDER_RECURSION, kLevel, 6,
     ID_SIERPINSKI_OBJ_RECURSION},
    {"sierpinski-objects", ID_SIERP_OBJ_FRAME_SQUARE, kFrame, 4},
    {"sierpinski-objects", ID_SIERP_OBJ_FRAME_PENTAGON, kFrame, 5},
    {"sierpinski-objects", ID_SIERP_OBJ_FRAME_HEXAGON, kFrame, 6},
    {"sierpinski-objects", ID_SIERP_OBJ_FRAME_TRIANGLE, kFrame, 3},
    {"sierpinski-objects", ID_SIERP_OBJ_GRAIN_FILLED, kGrain, 1},
    {"sierpinski-objects", ID_SIERP_OBJ_GRAIN_NORMAL, kGrain, 0},
    {"peano", ID_PEANO_SLIDER_RECURSION, kLevel, 4, ID_PEANO_RECURSION},
    {"peano", ID_PEANO_GRAIN_FILLED, kGrain, 1},
    {"peano", ID_PEANO_GRAIN_NORMAL, kGrain, 0},
    {"square", ID_SQUARE_SLIDER_RECURSION, kLevel, 9, ID_SQUARE_RECURSION},
    {"square", ID_SQUARE_GRAIN_NORMAL, kGrain, 0},
    {"square", ID_SQUARE_GRAIN__FILLED, kGrain, 1},
    {"square", ID_SQUARE_GRAIN__OUTLINED, kGrain, 2},
};

class CurveCommandTest : public testing::TestWithParam<CCommandCase> {};

TEST_P(CurveCommandTest, CommandSetsTheRecordAndRepaintsOnce) {
    const CCommandCase& c = GetParam();
    std::optional<CFakeMainFrame> frame; // none: no ribbon, a slider reads 1
    if (c.nEditID != 0) {
        frame.emplace();
        frame->m_ribbon.m_sliders.emplace(c.nID, CFakeSlider(1, 10, c.nValue));
        frame->m_ribbon.m_edits[c.nEditID];
    }
    CCountingWindow window;
    auto pView = MakeCatalogCurve(c.pszCurve);
    ASSERT_NE(pView, nullptr);
    pView->AttachHost(&window);
    (*pView).*c.pMember = 77;
    EXPECT_TRUE(pView->OnCmdMsg(c.nID));
    EXPECT_EQ((*pView).*c.pMember, c.nValue);
    EXPECT_EQ(window.m_nErasingRepaints, 1);
    if (c.nEditID != 0) {
        EXPECT_EQ(frame->m_ribbon.m_edits[c.nEditID].m_strText, std::to_string(c.nValue));
    }
}

INSTANTIATE_TEST_SUITE_P(Catalog, CurveCommandTest, testing::ValuesIn(kCommandCases));

// ---- Every curve copies its picture on its own clipboard command, keeps its record under
// its own settings name, and leaves another curve's commands alone.

struct CCurveCase {
    const char* pszCurve;
    UINT nClipboardID;
    const char* pszSettingsName;
    UINT nForeignID;
    friend std::ostream& operator<<(std::ostream& os, const CCurveCase& c) {
        return os << c.pszCurve;
    }
};

const CCurveCase kCurveCases[] = {
    {"koch", ID_VON_KOCH_CLIPBOARD, "VonKochView", ID_MANDELBROT_FRAME_LINE},
    {"mandelbrot", ID_MANDELBROT_CLIPBOARD, "MandelbrotView", ID_VON_KOCH_FRAME_LINE},
    {"hilbert", ID_HILBERT_CLIPBOARD, "HilbertView", ID_CESARO_SLIDER_RECURSION},
    {"cesaro", ID_CESARO_CLIPBOARD, "CesaroView", ID_HILBERT_SLIDER_RECURSION},
    {"minkowski", ID_MINKOWSKI_CLIPBOARD, "MinkowskiView", ID_MANDELBROT_FRAME_SQUARE},
    {"sierpinski", ID_SIERPINSKI_CLIPBOARD, "SierpinskiView", ID_PEANO_GRAIN_FILLED},
    {"sierpinski-objects", ID_SIERP_OBJ_CLIPBOARD, "SierpinskiObjView", ID_VON_KOCH_FRAME_LINE},
    {"peano", ID_PEANO_CLIPBOARD, "PeanoView", ID_SIERPINSKI_GRAIN_FILLED},
    {"square", ID_SQUARE_CLIPBOARD, "SquaresView", ID_PEANO_GRAIN_NORMAL},
    {"heighway", ID_HEIGHWAY_CLIPBOARD, "HeighwayView", ID_SQUARE_CLIPBOARD},
};

class CurveOwnCommandsTest : public testing::TestWithParam<CCurveCase> {};

TEST_P(CurveOwnCommandsTest, CopiesOnItsClipboardCommandOnly) {
    const CCurveCase& c = GetParam();
    CCountingWindow window;
    auto pView = MakeCatalogCurve(c.pszCurve);
    ASSERT_NE(pView, nullptr);
    pView->AttachHost(&window);
    EXPECT_STREQ(pView->GetSettingsName(), c.pszSettingsName);
    EXPECT_TRUE(pView->HasCommandHandler(c.nClipboardID));
    EXPECT_TRUE(pView->OnCmdMsg(c.nClipboardID));
    EXPECT_EQ(window.m_nCopies, 1);
    EXPECT_EQ(window.m_nErasingRepaints, 0);
    EXPECT_FALSE(pView->OnCmdMsg(c.nForeignID));
}

INSTANTIATE_TEST_SUITE_P(Catalog, CurveOwnCommandsTest, testing::ValuesIn(kCurveCases));

// ---- Showing a view puts its stored level on the slider, within the slider's range, and
// on the edit beside it as it is.

struct CShowCase {
    const char* pszCurve;
    UINT nSliderID;
    UINT nEditID;
    int nSliderMax;
    int nStored;
    int nSliderPos;
    friend std::ostream& operator<<(std::ostream& os, const CShowCase& c) {
        return os << c.pszCurve << " level " << c.nStored;
    }
};

const CShowCase kShowCases[] = {
    {"peano", ID_PEANO_SLIDER_RECURSION, ID_PEANO_RECURSION, 5, 3, 3},
    {"sierpinski-objects", ID_SIERPINSKI_OBJ_SLIDER_RECURSION, ID_SIERPINSKI_OBJ_RECURSION, 8, 2,
     2},
    {"sierpinski", ID_SIERPINSKI_SLIDER_RECURSION, ID_SIERPINSKI_RECURSION, 8, 12, 8},
    {"square", ID_SQUARE_SLIDER_RECURSION, ID_SQUARE_RECURSION, 10, 0, 1},
};

class CurveShowTest : public testing::TestWithParam<CShowCase> {};

TEST_P(CurveShowTest, ShowingTheViewPutsItsLevelOnTheRibbon) {
    const CShowCase& c = GetParam();
    CFakeMainFrame frame;
    frame.m_ribbon.m_sliders.emplace(c.nSliderID, CFakeSlider(1, c.nSliderMax, 1));
    frame.m_ribbon.m_edits[c.nEditID];
    CCountingWindow window;
    auto pView = MakeCatalogCurve(c.pszCurve, {.nLevel = c.nStored});
    ASSERT_NE(pView, nullptr);
    pView->AttachHost(&window);
    pView->OnShowWindow(true);
    EXPECT_EQ(frame.m_ribbon.m_sliders.at(c.nSliderID).m_nPos, c.nSliderPos);
    EXPECT_EQ(frame.m_ribbon.m_edits[c.nEditID].m_strText, std::to_string(c.nStored));
}

INSTANTIATE_TEST_SUITE_P(Catalog, CurveShowTest, testing::ValuesIn(kShowCases));

} // namespace
