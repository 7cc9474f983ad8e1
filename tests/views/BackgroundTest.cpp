// SPDX-License-Identifier: MIT
#include "views/Background.h"

#include <gtest/gtest.h>

#include "platform/gdi/RecordingDC.h"

namespace {

std::vector<CDrawCall> FillCalls(COLORREF crFirst, COLORREF crSecond, int nFading,
                                 const CRect& rc) {
    CBackground background;
    background.m_crFirst = crFirst;
    background.m_crSecond = crSecond;
    background.m_nFading = nFading;
    CRecordingDC dc;
    background.Fill(rc, &dc);
    return dc.Calls();
}

CRect FillRectOf(const CDrawCall& call) {
    return {call.a[0], call.a[1], call.a[2], call.a[3]};
}

} // namespace

TEST(BackgroundTest, PlainColourFillsTheWholeRectangle) {
    const auto calls = FillCalls(RGB(1, 2, 3), RGB(9, 9, 9), 0, {10, 20, 30, 40});
    CRecordingDC expected;
    expected.FillRect({10, 20, 30, 40}, CBrush{RGB(1, 2, 3)});
    EXPECT_EQ(calls, expected.Calls());
}

// Black to blue from the top down over 100 rows: 255 bands of blue k, about 100 of them one
// row high and the others empty; the bottom row is blue 254, never 255.
TEST(BackgroundTest, WorkedExampleBlackToBlueTopDown) {
    const auto calls = FillCalls(RGB(0, 0, 0), RGB(0, 0, 255), 1, {0, 0, 50, 100});
    ASSERT_EQ(calls.size(), 255u);
    const float sy = 100.0f / 255.0f;
    float p = 0.0f;
    int nPainted = 0;
    for (int k = 0; k < 255; ++k) {
        const CDrawCall& call = calls[std::size_t(k)];
        EXPECT_EQ(call.cr, RGB(0, 0, BYTE(k))) << "band " << k;
        EXPECT_EQ(FillRectOf(call), (CRect{0, int(p), 50, int(p + sy)})) << "band " << k;
        nPainted += call.a[3] > call.a[1] ? 1 : 0;
        p += sy;
    }
    EXPECT_EQ(calls.back().cr, RGB(0, 0, 254));
    EXPECT_EQ(calls.back().a[3], 100);
    EXPECT_NEAR(nPainted, 100, 1);
}

// Equal colours, or colours one unit apart, give one band in the start colour.
TEST(BackgroundTest, NearlyEqualColoursGiveOneBand) {
    const CRect rc{0, 0, 40, 30};
    for (int nFading = 1; nFading <= 4; ++nFading) {
        for (COLORREF crSecond : {RGB(10, 20, 30), RGB(11, 20, 30)}) {
            const auto calls = FillCalls(RGB(10, 20, 30), crSecond, nFading, rc);
            ASSERT_EQ(calls.size(), 1u) << "type " << nFading;
            EXPECT_EQ(FillRectOf(calls[0]), rc) << "type " << nFading;
            EXPECT_EQ(calls[0].cr, RGB(10, 20, 30));
        }
    }
}

// Equal colours paint one ring of four strips reaching the inset (W / 2, H / 2); with an
// odd width and height the centre pixel stays unpainted.
TEST(BackgroundTest, EqualColoursPaintOneRingToTheHalfInset) {
    const auto calls = FillCalls(RGB(5, 5, 5), RGB(5, 5, 5), 5, {0, 0, 11, 9});
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(FillRectOf(calls[0]), (CRect{0, 0, 11, 4}));
    EXPECT_EQ(FillRectOf(calls[1]), (CRect{6, 0, 11, 5}));
    EXPECT_EQ(FillRectOf(calls[2]), (CRect{5, 5, 11, 9}));
    EXPECT_EQ(FillRectOf(calls[3]), (CRect{0, 4, 5, 9}));
}

TEST(BackgroundTest, RingsOfTypeSixRunFromTheSecondColourInward) {
    const auto calls = FillCalls(RGB(0, 0, 0), RGB(255, 255, 255), 6, {0, 0, 600, 600});
    ASSERT_EQ(calls.size(), 4u * 255u);
    EXPECT_EQ(calls.front().cr, RGB(255, 255, 255));
    EXPECT_EQ(calls.back().cr, RGB(1, 1, 1));
}

TEST(BackgroundTest, VerticalBandsNarrowerThanTheirCountStillRunTheWholeRange) {
    const auto calls = FillCalls(RGB(0, 0, 0), RGB(200, 0, 0), 4, {0, 0, 20, 10});
    ASSERT_EQ(calls.size(), 200u);
    EXPECT_EQ(calls.front().cr, RGB(0, 0, 0));
    EXPECT_EQ(calls.front().a[2], 20);
    EXPECT_EQ(calls.back().cr, RGB(199, 0, 0));
    EXPECT_EQ(calls.back().a[0], 0);
}

TEST(BackgroundTest, UnknownTypesPaintNothing) {
    for (int nFading : {7, -1, 1000}) {
        EXPECT_TRUE(FillCalls(RGB(0, 0, 0), RGB(255, 0, 0), nFading, {0, 0, 10, 10}).empty());
    }
}
