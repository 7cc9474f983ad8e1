// SPDX-License-Identifier: MIT
#include "platform/gdi/TraceFile.h"

#include <gtest/gtest.h>

#include "platform/gdi/RecordingDC.h"

namespace {

struct CMalformedCase {
    const char* pszName;
    const char* pszText;
    const char* pszError; // the whole message
};

const CMalformedCase MalformedCases[] = {
    {"Empty", "", "the trace is empty: it must start with 'size W H BACKGROUND'"},
    {"OnlyBlankLines", "\n  \n\t\n",
     "the trace is empty: it must start with 'size W H BACKGROUND'"},
    {"NoSizeLine", "pen 1 0\n", "line 1: expected 'size W H BACKGROUND' first, found 'pen'"},
    {"ShortSizeLine", "size 10 10\n", "line 1: 'size' takes 3 numbers, found 2"},
    {"NegativeSize", "size -1 10 0\n", "line 1: '-1' is out of range (0 to 16384)"},
    {"SecondSizeLine", "size 10 10 0\nsize 10 10 0\n", "line 2: a second 'size' line"},
    {"UnknownCall", "size 10 10 0\n\nellipse 1 2 3 4\n", "line 3: unknown call 'ellipse'"},
    {"TooFewNumbers", "size 10 10 0\nlineto 1\n", "line 2: 'lineto' takes 2 numbers, found 1"},
    {"TooManyNumbers", "size 10 10 0\nfillrect 0 0 1 1 0 7\n",
     "line 2: 'fillrect' takes 5 numbers, found 6"},
    {"NotANumber", "size 10 10 0\nmoveto 1 2x\n", "line 2: '2x' is not a number"},
    {"CoordinateBeyondInt", "size 10 10 0\nmoveto 1 2147483648\n",
     "line 2: '2147483648' is out of range (-2147483648 to 2147483647)"},
    {"NegativeColour", "size 10 10 0\npen 1 -5\n",
     "line 2: '-5' is out of range (0 to 4294967295)"},
    {"ColourBeyond32Bits", "size 10 10 0\nsetpixel 1 2 4294967296\n",
     "line 2: '4294967296' is out of range (0 to 4294967295)"},
    {"OddPointList", "size 10 10 0\npolygon 1 2 3\n",
     "line 2: 'polygon' takes x y pairs, found 3 numbers"},
    {"UnknownFillMode", "size 10 10 0\npolyfillmode sideways\n",
     "line 2: 'polyfillmode' takes 'alternate' or 'winding'"},
};

class MalformedTraceTest : public testing::TestWithParam<CMalformedCase> {};

TEST_P(MalformedTraceTest, ReportsLineAndFault) {
    const CTraceReadResult result = ParseTrace(GetParam().pszText);
    EXPECT_FALSE(result.recording);
    EXPECT_EQ(result.strError, GetParam().pszError);
}

INSTANTIATE_TEST_SUITE_P(Cases, MalformedTraceTest, testing::ValuesIn(MalformedCases),
                         [](const testing::TestParamInfo<CMalformedCase>& info) {
                             return std::string(info.param.pszName);
                         });

CRecording EveryKindOfCall() {
    CRecordingDC dc(120, 80, RGB(1, 2, 3));
    const CPoint points[] = {{1, 2}, {-30, 40}, {2147483647, -2147483647 - 1}};
    dc.SelectObject(CPen{3, RGB(255, 0, 128)});
    dc.SelectObject(CBrush{0xFFFFFFFF});
    dc.SetPolyFillMode(ALTERNATE);
    dc.SetPolyFillMode(WINDING);
    dc.MoveTo(-5, 7);
    dc.LineTo(100, -200);
    dc.Polyline(points, 3);
    dc.Polygon(points, 2);
    dc.Polyline(points, 0);
    dc.Rectangle(40, 15, 25, 2);
    dc.SetPixel(3, 4, RGB(9, 8, 7));
    dc.FillRect(CRect{0, 1, 2, 3}, CBrush{RGB(4, 5, 6)});
    return dc.Recording();
}

TEST(TraceFileTest, WritesTheSizeLineThenEveryCall) {
    CRecordingDC dc(60, 40, 16777215);
    dc.SelectObject(CPen{1, 255});
    dc.MoveTo(5, 5);
    dc.LineTo(40, 5);
    EXPECT_EQ(WriteTrace(dc.Recording()), "size 60 40 16777215\npen 1 255\nmoveto 5 5\n"
                                          "lineto 40 5\n");
}

TEST(TraceFileTest, ReadsBackWhatItWrites) {
    const CRecording original = EveryKindOfCall();
    const CTraceReadResult result = ParseTrace(WriteTrace(original));
    ASSERT_TRUE(result.recording) << result.strError;
    EXPECT_EQ(result.recording->nWidth, original.nWidth);
    EXPECT_EQ(result.recording->nHeight, original.nHeight);
    EXPECT_EQ(result.recording->crBackground, original.crBackground);
    EXPECT_EQ(result.recording->calls, original.calls);
}

TEST(TraceFileTest, AcceptsBlankLinesTabsAndCrLf) {
    const CTraceReadResult result =
        ParseTrace("\r\nsize 8 6 255\r\n\r\n  moveto\t1  2 \r\nlineto 3 4");
    ASSERT_TRUE(result.recording) << result.strError;
    EXPECT_EQ(result.recording->nWidth, 8);
    EXPECT_EQ(result.recording->nHeight, 6);
    EXPECT_EQ(result.recording->crBackground, 255u);
    ASSERT_EQ(result.recording->calls.size(), 2u);
    EXPECT_EQ(TraceLine(result.recording->calls[0]), "moveto 1 2");
    EXPECT_EQ(TraceLine(result.recording->calls[1]), "lineto 3 4");
}

TEST(TraceFileTest, NamesTheFileItCannotOpen) {
    const CTraceReadResult result = ReadTraceFile("/nonexistent/folder/picture.trace");
    EXPECT_FALSE(result.recording);
    EXPECT_NE(result.strError.find("/nonexistent/folder/picture.trace"), std::string::npos)
        << result.strError;
}

} // namespace
