// SPDX-License-Identifier: MIT
// Traces that cannot make a picture or have no end: refused with a clear message, at once.
#include "platform/gdi/TraceFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fcntl.h>
#include <unistd.h>

#include "platform/gdi/SvgWriter.h"

namespace {

class TraceBoundsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string strTemplate =
            (std::filesystem::temp_directory_path() / "nimbrel-trace-XXXXXX").string();
        m_strDir = mkdtemp(strTemplate.data());
    }
    void TearDown() override { std::filesystem::remove_all(m_strDir); }

    // A file of nBytes that takes no room on disk: zeros, no line break anywhere.
    std::string SparseFile(const std::string& strName, const std::string& strStart, off_t nBytes) {
        const std::string strPath = m_strDir + "/" + strName;
        const int fd = open(strPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        EXPECT_GE(fd, 0);
        EXPECT_EQ(write(fd, strStart.data(), strStart.size()), ssize_t(strStart.size()));
        EXPECT_EQ(ftruncate(fd, nBytes), 0);
        close(fd);
        return strPath;
    }

    std::string m_strDir;
};

TEST_F(TraceBoundsTest, ASurfaceWithoutPixelsIsRefusedOnItsSizeLine) {
    for (const char* pszText : {"size 0 0 0\n", "size 10 0 0\n", "size 0 7 255\n"}) {
        const CTraceReadResult result = ParseTrace(pszText);
        EXPECT_FALSE(result.recording.has_value()) << pszText;
        EXPECT_EQ(result.strError.rfind("line 1: the surface must be at least 1 x 1 pixels", 0), 0u)
            << result.strError;
    }
    EXPECT_TRUE(ParseTrace("size 1 1 0\n").recording.has_value());
}

TEST_F(TraceBoundsTest, LinesAndFilesBeyondTheBoundsAreRefusedUnread) {
    const struct {
        const char* pszName;
        std::string strStart;
        off_t nBytes;
        const char* pszError;
    } cases[] = {
        {"long-line", "size 4 4 0\npolygon 1", off_t(MaxTraceLine) + 100,
         "line 2 is longer than 67108864 bytes"},
        {"huge", "size 4 4 0\n", off_t(MaxTraceBytes) + 1, "the trace is larger than"},
    };
    for (const auto& c : cases) {
        const std::string strPath = SparseFile(c.pszName, c.strStart, c.nBytes);
        const CTraceReadResult result = ReadTraceFile(strPath);
        EXPECT_FALSE(result.recording.has_value()) << c.pszName;
        EXPECT_NE(result.strError.find(c.pszError), std::string::npos) << result.strError;
        EXPECT_EQ(result.strError.rfind(strPath, 0), 0u) << result.strError;
    }
}

TEST_F(TraceBoundsTest, OnlyRegularFilesAreRead) {
    const std::string strFifo = m_strDir + "/fifo";
    ASSERT_EQ(mkfifo(strFifo.c_str(), 0644), 0);
    const struct {
        std::string strPath;
        const char* pszError;
    } cases[] = {
        {m_strDir, "is a directory"}, {strFifo, "is a FIFO"}, {"/dev/zero", "is a device"}};
    for (const auto& c : cases) {
        const CTraceReadResult result = ReadTraceFile(c.strPath);
        EXPECT_FALSE(result.recording.has_value());
        EXPECT_NE(result.strError.find(c.pszError), std::string::npos) << result.strError;
        EXPECT_EQ(result.strError.find("empty"), std::string::npos) << result.strError;
    }
}

TEST_F(TraceBoundsTest, AStreamedFileReadsLikeTheSameText) {
    // Lines that straddle the reader's 64 KiB chunks.
    std::string strText = "size 50 40 16777215\r\n\npen 1 255\n";
    for (int i = 0; strText.size() < 300000; ++i) {
        strText += "polyline";
        for (int k = 0; k < 500 + i % 7; ++k) {
            strText += ' ' + std::to_string((i + k) % 50) + ' ' + std::to_string(k % 40);
        }
        strText += '\n';
    }
    strText += "lineto 3 4";
    const std::string strPath = m_strDir + "/big.trace";
    {
        const int fd = open(strPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_EQ(write(fd, strText.data(), strText.size()), ssize_t(strText.size()));
        close(fd);
    }
    const CTraceReadResult fromFile = ReadTraceFile(strPath);
    const CTraceReadResult fromText = ParseTrace(strText);
    ASSERT_TRUE(fromFile.recording.has_value()) << fromFile.strError;
    ASSERT_TRUE(fromText.recording.has_value());
    EXPECT_EQ(WriteTrace(*fromFile.recording), WriteTrace(*fromText.recording));
}

// Edges anywhere in int: the picture's sizes are computed without overflow.
TEST(SvgWriterTest, RectanglesSpanningMoreThanAnIntGetTheirTrueSize) {
    CRecording recording;
    recording.nWidth = 10;
    recording.nHeight = 10;
    CDrawCall rectangle{CDrawCall::Rectangle, {-2000000000, 5, 2000000000, -2100000000}, 0, {}};
    CDrawCall fill{CDrawCall::FillRect, {-2147483647 - 1, 0, 2147483647, 3}, 0x00FF0000, {}};
    recording.calls = {rectangle, fill};
    const std::string strSvg = WriteSvg(recording);
    EXPECT_NE(strSvg.find("x=\"-2000000000.5\" y=\"-2100000000.5\" width=\"3999999999\" "
                          "height=\"2100000004\""),
              std::string::npos)
        << strSvg;
    EXPECT_NE(strSvg.find("x=\"-2147483648\" y=\"0\" width=\"4294967295\" height=\"3\""),
              std::string::npos)
        << strSvg;
}

} // namespace
