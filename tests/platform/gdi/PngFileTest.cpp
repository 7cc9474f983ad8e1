// SPDX-License-Identifier: MIT
#include "platform/gdi/PngFile.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards.
class PngFileTest : public testing::Test {
protected:
    void SetUp() override {
        std::string strTemplate = (fs::temp_directory_path() / "nimbrel-png-XXXXXX").string();
        ASSERT_NE(mkdtemp(strTemplate.data()), nullptr);
        m_folder = strTemplate;
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    fs::path m_folder;
};

TEST_F(PngFileTest, ReadsBackTheWrittenPixels) {
    // Three rows of four pixels in a buffer of six per row: the padding is not written.
    const std::vector<std::uint32_t> bits = {
        0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0xDEAD,   0xBEEF,   0x0000FF, 0x123456, 0x789ABC,
        0xFEDCBA, 0xDEAD,   0xBEEF,   0x010203, 0x808080, 0x7F7F7F, 0xC0FFEE, 0xDEAD,   0xBEEF,
    };
    const std::string path = (m_folder / "picture.png").string();
    const CPngWriteResult written = WritePngFile(path, bits.data(), 4, 3, 6);
    ASSERT_TRUE(written.bOk) << written.strError;

    const CPngReadResult read = ReadPngFile(path);
    ASSERT_TRUE(read.image) << read.strError;
    ASSERT_EQ(read.image->nWidth, 4);
    ASSERT_EQ(read.image->nHeight, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(read.image->At(x, y), bits[std::size_t(y) * 6 + x]) << x << ", " << y;
        }
    }
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"picture.png"});
}

TEST_F(PngFileTest, FailedRenameLeavesNoTemporary) {
    // The target is a folder: everything is written, then the rename fails.
    fs::create_directory(m_folder / "picture.png");
    const std::uint32_t bits[4] = {};
    const CPngWriteResult result = WritePngFile((m_folder / "picture.png").string(), bits, 2, 2, 2);
    EXPECT_FALSE(result.bOk);
    EXPECT_NE(result.strError.find("picture.png"), std::string::npos) << result.strError;
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"picture.png"});
    EXPECT_TRUE(fs::is_directory(m_folder / "picture.png"));
}

TEST_F(PngFileTest, FailedWriteKeepsThePreviousFile) {
    const fs::path path = m_folder / "picture.png";
    std::ofstream(path) << "previous";
    const std::uint32_t bits[1] = {};
    for (const auto& [nWidth, nHeight] :
         {std::pair(0, 1), std::pair(1, -1), std::pair(MaxPngSide + 1, 1)}) {
        const CPngWriteResult result = WritePngFile(path.string(), bits, nWidth, nHeight, 1);
        EXPECT_FALSE(result.bOk) << nWidth << " x " << nHeight;
        EXPECT_FALSE(result.strError.empty());
    }
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"picture.png"});
    std::ifstream file(path);
    std::string content;
    std::getline(file, content);
    EXPECT_EQ(content, "previous");
}

TEST_F(PngFileTest, MissingFolderIsAnError) {
    const std::uint32_t bits[1] = {};
    const CPngWriteResult result =
        WritePngFile((m_folder / "missing" / "picture.png").string(), bits, 1, 1, 1);
    EXPECT_FALSE(result.bOk);
    EXPECT_TRUE(FolderEntries().empty());
}

TEST_F(PngFileTest, ReadingSomethingElseIsAnError) {
    const fs::path path = m_folder / "not-a.png";
    std::ofstream(path) << "size 10 10 0\n";
    const CPngReadResult result = ReadPngFile(path.string());
    EXPECT_FALSE(result.image);
    EXPECT_NE(result.strError.find("not-a.png"), std::string::npos) << result.strError;
    EXPECT_FALSE(ReadPngFile((m_folder / "missing.png").string()).image);
}

} // namespace
