// SPDX-License-Identifier: MIT
// Ribbon resource 307. Each curve's tab lists its panels and elements in ribbon order, with
// the identifiers, texts, ranges and widths its view answers to; the global tabs come first
// ("Nimbrel") and last ("View", "Help").
#include "resources/RibbonLayout.h"

#include "resources/Resource.h"

namespace {

using K = ERibbonElementKind;
using I = ERibbonImage;

constexpr CRibbonElementData Large(UINT nID, const char* pszText, ERibbonImage image) {
    return {K::LargeButton, nID, pszText, image};
}
constexpr CRibbonElementData Small(UINT nID, const char* pszText) {
    return {K::SmallButton, nID, pszText};
}
constexpr CRibbonElementData Slider(UINT nID, int nMin, int nMax) {
    return {K::Slider, nID, "", I::None, nMin, nMax};
}
constexpr CRibbonElementData Edit(UINT nID, int nWidth,
                                  const char* pszLabel = kStandardRibbonLabel) {
    return {K::Edit, nID, pszLabel, I::None, 0, 0, nWidth};
}
constexpr CRibbonElementData Check(UINT nID, const char* pszText) {
    return {K::CheckBox, nID, pszText};
}
constexpr CRibbonElementData Label(const char* pszText) {
    return {K::Label, 0, pszText};
}
constexpr CRibbonElementData Split(UINT nID, const char* pszText, ERibbonImage image,
                                   std::span<const CRibbonItemData> items) {
    return {K::SplitButton, nID, pszText, image, 0, 0, 0, items};
}

// The two panels every curve tab ends with.
constexpr CRibbonElementData Colour(UINT nID) {
    return Large(nID, "Curve and Background Color", I::Colour);
}
constexpr CRibbonElementData Clipboard(UINT nID) {
    return Large(nID, "To Clipboard", I::Clipboard);
}

// Quick-access toolbar, application button and tab row.
constexpr CRibbonElementData kQuickAccess[] = {
    {K::SmallButton, ID_FILE_NEW, "New", I::New},
    {K::SmallButton, ID_FILE_OPEN, "Open", I::Open},
    {K::SmallButton, ID_FILE_SAVE, "Save", I::Save},
    {K::SmallButton, ID_FILE_PRINT_DIRECT, "Quick Print", I::QuickPrint},
};

constexpr CRibbonItemData kStyleItems[] = {
    {ID_VIEW_APPLOOK_OFF_2007_BLUE, "Office 2007 (&Blue Style)"},
    {ID_VIEW_APPLOOK_OFF_2007_BLACK, "Office 2007 (B&lack Style)"},
    {ID_VIEW_APPLOOK_OFF_2007_SILVER, "Office 2007 (&Silver Style)"},
    {ID_VIEW_APPLOOK_OFF_2007_AQUA, "Office 2007 (&Aqua Style)"},
    {ID_VIEW_APPLOOK_WINDOWS_7, "Win&dows 7"},
};

constexpr CRibbonElementData kTabRow[] = {
    {K::MenuButton, 0, "Style", I::None, 0, 0, 0, kStyleItems, "S"},
    {K::SmallButton, ID_HELP_FINDER, "Help", I::Help, 0, 0, 0, {}, "A"},
};

// "Nimbrel"
constexpr CRibbonElementData kNimbrelMain[] = {
    Large(ID_EXIT_APP, "Exit", I::Exit),
    Large(ID_FEEDBACK, "Feedback and Support", I::Feedback),
};
constexpr CRibbonPanelData kNimbrelPanels[] = {{"Nimbrel 2.0", kNimbrelMain}};

// "Von Koch SnowFlake"
constexpr CRibbonElementData kVonKochRecursion[] = {
    Slider(ID_VON_KOCH_SLIDER_RECURSION, 1, 10),
    Edit(ID_VONKOCH_RECURSION, 20),
};
constexpr CRibbonElementData kVonKochFrame[] = {
    Small(ID_VON_KOCH_FRAME_LINE, "Line"),       Small(ID_VON_KOCH_FRAME_TRIANGLE, "Triangle"),
    Small(ID_VON_KOCH_FRAME_SQUARE, "Square"),   Small(ID_VON_KOCH_FRAME_PENTAGON, "Pentagon"),
    Small(ID_VON_KOCH_FRAME_HEXAGON, "Hexagon"),
};
constexpr CRibbonElementData kVonKochSimilarity[] = {
    Slider(ID_VON_KOCH_SLIDER_SIMILARITY, 150, 1000),
    Edit(ID_VON_KOCH_SIMILARITY, 40),
};
constexpr CRibbonElementData kVonKochOrientation[] = {
    Check(ID_VON_KOCH_CHECK_OUTSIDE, "Outside"),
    Check(ID_VON_KOCH_CHECK_INSIDE, "Inside"),
    Check(ID_VON_KOCH_CHECK_RANDOM, "Random"),
};
constexpr CRibbonElementData kVonKochGrain[] = {
    Small(ID_VON_KOCH_GRAIN_TRG, "Traingle"),
    Small(ID_VON_KOCH_GRAIN_SQUARE, "Square"),
};
constexpr CRibbonElementData kVonKochDisplay[] = {Colour(ID_VON_KOCH_COLOR)};
constexpr CRibbonElementData kVonKochCopy[] = {Clipboard(ID_VON_KOCH_CLIPBOARD)};
constexpr CRibbonPanelData kVonKochPanels[] = {
    {"Recursion Level", kVonKochRecursion},
    {"Frame", kVonKochFrame},
    {"Similarity Ratio", kVonKochSimilarity},
    {"Orientation", kVonKochOrientation},
    {"Grain", kVonKochGrain},
    {"Display Settings", kVonKochDisplay},
    {"Copy Image", kVonKochCopy},
};

// "Mandelbrot Curve"
constexpr CRibbonElementData kMandelbrotRecursion[] = {
    Slider(ID_MANDELBROT_SLIDER_RECURSION, 1, 10),
    Edit(ID_MANDELBROT_RECURSION, 20),
};
constexpr CRibbonElementData kMandelbrotFrame[] = {
    Small(ID_MANDELBROT_FRAME_LINE, "Line"),
    Small(ID_MANDELBROT_FRAME_SQUARE, "Square"),
};
constexpr CRibbonElementData kMandelbrotGrain[] = {
    Small(ID_MANDELBROT_GRAIN_NORMAL, "Normal"),
    Small(ID_MANDELBROT_GRAIN_CLIPPED, "Clipped"),
};
constexpr CRibbonElementData kMandelbrotDisplay[] = {Colour(ID_MANDELBROT_COLOR)};
constexpr CRibbonElementData kMandelbrotCopy[] = {Clipboard(ID_MANDELBROT_CLIPBOARD)};
constexpr CRibbonPanelData kMandelbrotPanels[] = {
    {"Recursion Level", kMandelbrotRecursion},
    {"Frame", kMandelbrotFrame},
    {"Grain", kMandelbrotGrain},
    {"Display Settings", kMandelbrotDisplay},
    {"Copy Image", kMandelbrotCopy},
};

// "Hilbert Curve"
constexpr CRibbonElementData kHilbertRecursion[] = {
    Slider(ID_HILBERT_SLIDER_RECURSION, 1, 10),
    Edit(ID_HILBERT_RECURSION, 20),
};
constexpr CRibbonElementData kHilbertSimilarity[] = {
    Slider(ID_HILBERT_SLIDER_SIMILARITY, 1, 12),
    Edit(ID_HILBERT_SIMILARITY, 40),
};
constexpr CRibbonElementData kHilbertDisplay[] = {Colour(ID_HILBERT_COLOR)};
constexpr CRibbonElementData kHilbertCopy[] = {Clipboard(ID_HILBERT_CLIPBOARD)};
constexpr CRibbonPanelData kHilbertPanels[] = {
    {"Recursion Level", kHilbertRecursion},
    {"Similarity Ratio", kHilbertSimilarity},
    {"Display Settings", kHilbertDisplay},
    {"Copy Image", kHilbertCopy},
};

// "Cesaro Curve"
constexpr CRibbonElementData kCesaroRecursion[] = {
    Slider(ID_CESARO_SLIDER_RECURSION, 1, 10),
    Edit(ID_CESARO_RECURSION, 20),
};
constexpr CRibbonElementData kCesaroDisplay[] = {Colour(ID_CESARO_COLOR)};
constexpr CRibbonElementData kCesaroCopy[] = {Clipboard(ID_CESARO_CLIPBOARD)};
constexpr CRibbonPanelData kCesaroPanels[] = {
    {"Recursion Level", kCesaroRecursion},
    {"Display Settings", kCesaroDisplay},
    {"Copy Image", kCesaroCopy},
};

// "Minkowski Sausage"
constexpr CRibbonElementData kMinkowskiRecursion[] = {
    Slider(ID_MINKOWSKI_SLIDER_RECURSION, 1, 10),
    Edit(ID_MINKOWSKI_RECURSION, 20),
};
constexpr CRibbonElementData kMinkowskiFrame[] = {
    Small(ID_MINKOWSKI_FRAME_LINE, "Line"),
    Small(ID_MINKOWSKI_FRAME_TRIANGLE, "Traingle"),
    Small(ID_MINKOWSKI_FRAME_SQUARE, "Square"),
};
constexpr CRibbonElementData kMinkowskiDisplay[] = {Colour(ID_MINKOWSKI_COLOR)};
constexpr CRibbonElementData kMinkowskiCopy[] = {Clipboard(ID_MINKOWSKI_CLIPBOARD)};
constexpr CRibbonPanelData kMinkowskiPanels[] = {
    {"Recursion Level", kMinkowskiRecursion},
    {"Frame", kMinkowskiFrame},
    {"Display Settings", kMinkowskiDisplay},
    {"Copy Image", kMinkowskiCopy},
};

// "Sierpinski Curve"
constexpr CRibbonElementData kSierpinskiRecursion[] = {
    Slider(ID_SIERPINSKI_SLIDER_RECURSION, 1, 8),
    Edit(ID_SIERPINSKI_RECURSION, 20),
};
constexpr CRibbonElementData kSierpinskiGrain[] = {
    Small(ID_SIERPINSKI_GRAIN_NORMAL, "Normal"),
    Small(ID_SIERPINSKI_GRAIN_FILLED, "Filled"),
};
constexpr CRibbonElementData kSierpinskiDisplay[] = {Colour(ID_SIERPINSKI_COLOR)};
constexpr CRibbonElementData kSierpinskiCopy[] = {Clipboard(ID_SIERPINSKI_CLIPBOARD)};
constexpr CRibbonPanelData kSierpinskiPanels[] = {
    {"Recursion Level", kSierpinskiRecursion},
    {"Grain", kSierpinskiGrain},
    {"Display Settings", kSierpinskiDisplay},
    {"Copy Image", kSierpinskiCopy},
};

// "Sierpinski Objects"
constexpr CRibbonElementData kSierpObjRecursion[] = {
    Slider(ID_SIERPINSKI_OBJ_SLIDER_RECURSION, 1, 8),
    Edit(ID_SIERPINSKI_OBJ_RECURSION, 20),
};
constexpr CRibbonElementData kSierpObjFrame[] = {
    Small(ID_SIERP_OBJ_FRAME_TRIANGLE, "Triangle"),
    Small(ID_SIERP_OBJ_FRAME_SQUARE, "Square"),
    Small(ID_SIERP_OBJ_FRAME_PENTAGON, "Pentagon"),
    Small(ID_SIERP_OBJ_FRAME_HEXAGON, "Haxagon"),
};
constexpr CRibbonElementData kSierpObjGrain[] = {
    Small(ID_SIERP_OBJ_GRAIN_NORMAL, "Normal"),
    Small(ID_SIERP_OBJ_GRAIN_FILLED, "Filled"),
};
constexpr CRibbonElementData kSierpObjDisplay[] = {Colour(ID_SIERP_OBJ_COLOR)};
constexpr CRibbonElementData kSierpObjCopy[] = {Clipboard(ID_SIERP_OBJ_CLIPBOARD)};
constexpr CRibbonPanelData kSierpObjPanels[] = {
    {"Recursion Level", kSierpObjRecursion},
    {"Frame", kSierpObjFrame},
    {"Grain", kSierpObjGrain},
    {"Display Settings", kSierpObjDisplay},
    {"Copy Image", kSierpObjCopy},
};

// "Peano Curve"
constexpr CRibbonElementData kPeanoRecursion[] = {
    Slider(ID_PEANO_SLIDER_RECURSION, 1, 5),
    Edit(ID_PEANO_RECURSION, 20),
};
constexpr CRibbonElementData kPeanoGrain[] = {
    Small(ID_PEANO_GRAIN_NORMAL, "Normal"),
    Small(ID_PEANO_GRAIN_FILLED, "Filled"),
};
constexpr CRibbonElementData kPeanoDisplay[] = {Colour(ID_PEANO_COLOR)};
constexpr CRibbonElementData kPeanoCopy[] = {Clipboard(ID_PEANO_CLIPBOARD)};
constexpr CRibbonPanelData kPeanoPanels[] = {
    {"Recursion Level", kPeanoRecursion},
    {"Grain", kPeanoGrain},
    {"Display Settings", kPeanoDisplay},
    {"Copy Image", kPeanoCopy},
};

// "Square Curve"
constexpr CRibbonElementData kSquareRecursion[] = {
    Slider(ID_SQUARE_SLIDER_RECURSION, 1, 10),
    Edit(ID_SQUARE_RECURSION, 20),
};
constexpr CRibbonElementData kSquareGrain[] = {
    Small(ID_SQUARE_GRAIN_NORMAL, "Normal"),
    Small(ID_SQUARE_GRAIN__FILLED, "Filled"),
    Small(ID_SQUARE_GRAIN__OUTLINED, "Outlined"),
};
constexpr CRibbonElementData kSquareDisplay[] = {Colour(ID_SQUARE_COLOR)};
constexpr CRibbonElementData kSquareCopy[] = {Clipboard(ID_SQUARE_CLIPBOARD)};
constexpr CRibbonPanelData kSquarePanels[] = {
    {"Recursion Level", kSquareRecursion},
    {"Grain", kSquareGrain},
    {"Display Settings", kSquareDisplay},
    {"Copy Image", kSquareCopy},
};

// "Heighway Dragon"
constexpr CRibbonElementData kHeighwayFolding[] = {
    Edit(ID_HEIGHWAY_CODE, 125, "Folding Code:"),
    Label("0: Folding Paper Left on Paper Right"),
    Label("1 : Folding Paper Right on Paper Left"),
};
constexpr CRibbonElementData kHeighwayDisplay[] = {Colour(ID_HEIGHWAY_COLOR)};
constexpr CRibbonElementData kHeighwayCopy[] = {Clipboard(ID_HEIGHWAY_CLIPBOARD)};
constexpr CRibbonPanelData kHeighwayPanels[] = {
    {"Folding Data", kHeighwayFolding},
    {"Display Settings", kHeighwayDisplay},
    {"Copy Image", kHeighwayCopy},
};

// "View"
constexpr CRibbonItemData kStatusBarItems[] = {
    {ID_VIEW_STATUS_BAR, "Show the Status bar"},
    {ID_HIDE_STATUS_BAR, "Hide the Status bar"},
};
constexpr CRibbonItemData kOutputPaneItems[] = {
    {ID_VIEW_OUTPUT_PANE, "Show the Output Pane"},
    {ID_HIDE_OUTPUT_PANE, "Hide the Output Pane"},
};
constexpr CRibbonElementData kViewStatusBar[] = {
    Split(ID_TOGGLE_STATUS_BAR, "Status bar", I::StatusBar, kStatusBarItems),
};
constexpr CRibbonElementData kViewOutputPane[] = {
    Split(ID_TOOGLE_OUTPUT_PANE, "Output Pane", I::OutputPane, kOutputPaneItems),
};
constexpr CRibbonElementData kViewIcons[] = {
    Large(ID_IMG_SMALL, "Small Icons", I::SmallIcons),
    Large(ID_IMG_LARGE, "Large Icons", I::LargeIcons),
};
constexpr CRibbonPanelData kViewPanels[] = {
    {"", kViewStatusBar},
    {"", kViewOutputPane},
    {"Curve Selection Icons", kViewIcons},
};

// "Help"
constexpr CRibbonElementData kHelpFeedback[] = {
    Large(ID_FEEDBACK, "Feedback and Support", I::Feedback)};
constexpr CRibbonElementData kHelpCheck[] = {Large(ID_CHECK, "Check for Update", I::CheckUpdate)};
constexpr CRibbonElementData kHelpKorvat[] = {Large(ID_KORVAT, "Nimbrel on Korvat", I::WebPage)};
constexpr CRibbonElementData kHelpSupport[] = {
    Large(ID_KORVAT_SUPPORT, "Korvat Support", I::Support)};
constexpr CRibbonElementData kHelpAbout[] = {Large(ID_ABOUT, "About Nimbrel", I::About)};
constexpr CRibbonPanelData kHelpPanels[] = {
    {"", kHelpFeedback}, {"", kHelpCheck}, {"", kHelpKorvat}, {"", kHelpSupport}, {"", kHelpAbout},
};

constexpr CRibbonCategoryData kCategories[] = {
    {"Nimbrel", "A", kNimbrelPanels},
    {"Von Koch SnowFlake", "", kVonKochPanels},
    {"Mandelbrot Curve", "", kMandelbrotPanels},
    {"Hilbert Curve", "", kHilbertPanels},
    {"Cesaro Curve", "", kCesaroPanels},
    {"Minkowski Sausage", "", kMinkowskiPanels},
    {"Sierpinski Curve", "", kSierpinskiPanels},
    {"Sierpinski Objects", "", kSierpObjPanels},
    {"Peano Curve", "", kPeanoPanels},
    {"Square Curve", "", kSquarePanels},
    {"Heighway Dragon", "", kHeighwayPanels},
    {"View", "", kViewPanels},
    {"Help", "", kHelpPanels},
};

constexpr CRibbonLayoutData kRibbonLayout = {
    IDR_RIBBON,   {K::MenuButton, 0, "Nimbrel", I::Application, 0, 0, 0, {}, "F"},
    kQuickAccess, kTabRow,
    kCategories,
};

} // namespace

const CRibbonLayoutData& RibbonLayout() {
    return kRibbonLayout;
}
