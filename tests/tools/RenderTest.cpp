// SPDX-License-Identifier: MIT
// nimbrel-render run as a program: its outputs and its refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct CRunResult {
    int nStatus;
    std::string strOut;
    std::string strErr;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class RenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("nimbrel-render-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        setenv("XDG_CONFIG_HOME", (m_dir / "config").c_str(), 1);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    CRunResult Run(const std::string& strArgs) {
        const fs::path out = m_dir / "stdout", err = m_dir / "stderr";
        const std::string command = std::string(NIMBREL_RENDER_EXE) + " " + strArgs + " >" +
                                    out.string() + " 2>" + err.string();
        const int nRaw = std::system(command.c_str());
        return {WIFEXITED(nRaw) ? WEXITSTATUS(nRaw) : -1, ReadFile(out), ReadFile(err)};
    }

    fs::path m_dir;
};

} // namespace

TEST_F(RenderTest, ListsTheCurves) {
    const CRunResult result = Run("--list");
    EXPECT_EQ(result.nStatus, 0);
    EXPECT_EQ(result.strOut.substr(0, 5), "koch\n");
    EXPECT_NE(result.strOut.find("heighway\n"), std::string::npos);
}

TEST_F(RenderTest, TraceOfTheWorkedExample) {
    const fs::path trace = m_dir / "koch.trace";
    const CRunResult result =
        Run("--draw 0,0,100,100 --size 120x110 --level 1 --fading 0 --trace " + trace.string());
    ASSERT_EQ(result.nStatus, 0) << result.strErr;
    EXPECT_EQ(ReadFile(trace), "size 120 110 16777215\n"
                               "fillrect 0 0 100 100 14803425\n"
                               "pen 1 65535\n"
                               "moveto 0 68\nlineto 33 68\nmoveto 33 68\nlineto 50 33\n"
                               "moveto 50 33\nlineto 67 68\nmoveto 67 68\nlineto 100 68\n"
                               "pen 1 0\n");
}

TEST_F(RenderTest, PrintsTheSettingsStringAfterTheOptions) {
    const CRunResult result =
        Run("--level 7 --curve-colour '#ff0000' --second-colour 255 --settings");
    EXPECT_EQ(result.nStatus, 0) << result.strErr;
    EXPECT_EQ(result.strOut, "7,1,1,348,0,2,255,14803425,255,2\n");
}

TEST_F(RenderTest, WritesAPictureAndAnSvg) {
    const CRunResult result = Run("--curve koch --size 64x48 -o " + (m_dir / "k.png").string() +
                                  " --svg " + (m_dir / "k.svg").string());
    ASSERT_EQ(result.nStatus, 0) << result.strErr;
    EXPECT_EQ(ReadFile(m_dir / "k.png").substr(1, 3), "PNG");
    EXPECT_EQ(ReadFile(m_dir / "k.svg").substr(0, 4), "<svg");
}

// Every refusal is one line on standard error, status 2, and no file left behind.
TEST_F(RenderTest, RefusesBadUsage) {
    const fs::path png = m_dir / "out.png";
    std::ofstream(m_dir / "bad.trace") << "size 10 10 0\nlineto 1\n";
    const std::string cases[] = {
        "--curve nosuch -o " + png.string(),
        "--level 12x -o " + png.string(),
        "--level 99999999999 -o " + png.string(),
        "--size 0x10 -o " + png.string(),
        "--draw 1,2,3 -o " + png.string(),
        "--curve-colour '#12345' -o " + png.string(),
        "--code 10201 -o " + png.string(),
        "--frobnicate -o " + png.string(),
        "--level",
        "--level 3",
        "--replay " + (m_dir / "bad.trace").string() + " -o " + png.string(),
        "--replay " + (m_dir / "missing.trace").string() + " -o " + png.string(),
        "-o " + (m_dir / "no-such-dir" / "x.png").string(),
        "--trace " + (m_dir / "no-such-dir" / "x.trace").string(),
    };
    for (const std::string& args : cases) {
        const CRunResult result = Run(args);
        EXPECT_EQ(result.nStatus, 2) << args;
        EXPECT_EQ(std::count(result.strErr.begin(), result.strErr.end(), '\n'), 1) << args;
        EXPECT_FALSE(fs::exists(png)) << args;
    }
    for (const auto& entry : fs::directory_iterator(m_dir)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "bad.trace" || name == "stdout" || name == "stderr") << name;
    }
}
