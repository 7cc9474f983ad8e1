// SPDX-License-Identifier: MIT
#include "views/Background.h"

#include <gtest/gtest.h>

#include "platform/gdi/RecordingDC.h"

TEST(BackgroundTest, PlainColourFillsTheWholeRectangle) {
    CBackground background;
    background.m_crFirst = RGB(1, 2, 3);
    background.m_nFading = 0;
    CRecordingDC dc;
    background.Fill(CRect{10, 20, 30, 40}, &dc);
    EXPECT_EQ(dc.TraceLines(), std::vector<std::string>{"fillrect 10 20 30 40 197121"});
}
