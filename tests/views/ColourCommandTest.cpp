// SPDX-License-Identifier: MIT
// The "Curve and Background Color" command of every curve, with the dialog replaced by a
// runner that records what it was handed: the kind and the whole record go in, and only the
// curve colour, the two background colours and the fading come back, on OK alone.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "fractals/FractalCatalog.h"
#include "resources/Resource.h"
#include "support/ViewRecord.h"
#include "views/ColourDialogRunner.h"

namespace {

// The colour command of each curve, by catalog position.
constexpr UINT kColourCommands[kFractalCount] = {
    ID_VON_KOCH_COLOR,   ID_MANDELBROT_COLOR, ID_HILBERT_COLOR, ID_CESARO_COLOR, ID_MINKOWSKI_COLOR,
    ID_SIERPINSKI_COLOR, ID_SIERP_OBJ_COLOR,  ID_PEANO_COLOR,   ID_SQUARE_COLOR, ID_HEIGHWAY_COLOR};

// Installs a runner for as long as it lives and restores the previous one.
class CScopedRunner {
public:
    explicit CScopedRunner(CColourDialogRunner runner)
        : m_previous(SetColourDialogRunner(std::move(runner))) {}
    ~CScopedRunner() { SetColourDialogRunner(std::move(m_previous)); }
    CScopedRunner(const CScopedRunner&) = delete;
    CScopedRunner& operator=(const CScopedRunner&) = delete;

private:
    CColourDialogRunner m_previous;
};

// A record unlike every default, so that a value taken from the wrong member shows.
void FillRecord(CNimbrelBaseView& view) {
    view.SetParameters(7, 2, 3, 123, 1, 4, RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), 5);
    view.m_strFoldCode = "110";
}

class ColourCommandTest : public testing::TestWithParam<int> {};

} // namespace

TEST_P(ColourCommandTest, HandsTheKindAndTheWholeRecordToTheDialog) {
    const int nPosition = GetParam();
    std::unique_ptr<CNimbrelBaseView> pView = CreateFractalView(nPosition);
    FillRecord(*pView);
    CColourChoice handed;
    int nRuns = 0;
    CScopedRunner runner([&](CColourChoice& choice) {
        handed = choice;
        ++nRuns;
        return IDCANCEL;
    });
    ASSERT_TRUE(pView->OnCmdMsg(kColourCommands[nPosition]));
    EXPECT_EQ(nRuns, 1);
    EXPECT_EQ(handed.nCurve, nPosition);
    EXPECT_EQ(handed.nLevel, 7);
    EXPECT_EQ(handed.nGrain, 2);
    EXPECT_EQ(handed.nParam1, 3);
    EXPECT_EQ(handed.nParam2, 123);
    EXPECT_EQ(handed.nParam3, 1);
    EXPECT_EQ(handed.nFrame, 4);
    EXPECT_EQ(handed.crCurve, RGB(1, 2, 3));
    EXPECT_EQ(handed.crFirst, RGB(4, 5, 6));
    EXPECT_EQ(handed.crSecond, RGB(7, 8, 9));
    EXPECT_EQ(handed.nFading, 5);
    EXPECT_EQ(handed.strFoldCode, "110");
}

TEST_P(ColourCommandTest, OkTakesBackTheFourValuesAndCancelNothing) {
    const int nPosition = GetParam();
    std::unique_ptr<CNimbrelBaseView> pView = CreateFractalView(nPosition);
    FillRecord(*pView);
    const CViewRecord before = ViewRecord(*pView);
    int nAnswer = IDCANCEL;
    // The dialog edits every value it was handed; only the four it owns may come back.
    CScopedRunner runner([&](CColourChoice& choice) {
        choice = CColourChoice{
            -5, 99,    99, 99, 99, 99, 99, RGB(10, 20, 30), RGB(40, 50, 60), RGB(70, 80, 90),
            6,  "0000"};
        return nAnswer;
    });

    ASSERT_TRUE(pView->OnCmdMsg(kColourCommands[nPosition]));
    EXPECT_EQ(ViewRecord(*pView), before);

    nAnswer = IDOK;
    ASSERT_TRUE(pView->OnCmdMsg(kColourCommands[nPosition]));
    CViewRecord expected = before;
    std::get<1>(expected) = RGB(10, 20, 30);
    std::get<8>(expected) = RGB(40, 50, 60);
    std::get<9>(expected) = RGB(70, 80, 90);
    std::get<10>(expected) = 6;
    EXPECT_EQ(ViewRecord(*pView), expected);
}

INSTANTIATE_TEST_SUITE_P(EveryCurve, ColourCommandTest, testing::Range(0, kFractalCount));

TEST(ColourCommandWithoutDialogTest, NothingChangesWhenNoDialogIsInstalled) {
    CScopedRunner runner({});
    std::unique_ptr<CNimbrelBaseView> pView = CreateFractalView(0);
    FillRecord(*pView);
    const CViewRecord before = ViewRecord(*pView);
    ASSERT_TRUE(pView->OnCmdMsg(ID_VON_KOCH_COLOR));
    EXPECT_EQ(ViewRecord(*pView), before);
}
