// SPDX-License-Identifier: MIT
// nimbrel-render run as a program: its outputs and its refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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

    // nBoundSeconds > 0 ends a run that would never end by itself.
    CRunResult Run(const std::string& strArgs, int nBoundSeconds = 0) {
        const fs::path out = m_dir / "stdout", err = m_dir / "stderr";
        const std::string bound =
            nBoundSeconds > 0 ? "timeout " + std::to_string(nBoundSeconds) + " " : "";
        const std::string command = bound + std::string(NIMBREL_RENDER_EXE) + " " + strArgs + " >" +
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

namespace {

struct stat StatOf(const fs::path& path) {
    struct stat info {};
    lstat(path.c_str(), &info);
    return info;
}

} // namespace

// Outputs go only over regular files or to new names; nothing else named is touched.
TEST_F(RenderTest, OutputsReplaceOnlyRegularFilesKeepingTheirPermissions) {
    const fs::path fifo = m_dir / "fifo", folder = m_dir / "folder", device = m_dir / "null";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    fs::create_directories(folder);
    // A device node of our own; without the right to make one, the other kinds stand in.
    const bool bDevice = mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    std::vector<fs::path> refused = {fifo, folder};
    if (bDevice) {
        refused.push_back(device);
    }
    for (const char* pszOption : {"-o", "--trace", "--svg"}) {
        for (const fs::path& target : refused) {
            const mode_t nBefore = StatOf(target).st_mode;
            const CRunResult result =
                Run(std::string("--size 16x16 --level 1 ") + pszOption + " " + target.string());
            EXPECT_EQ(result.nStatus, 2) << pszOption << " " << target;
            EXPECT_EQ(std::count(result.strErr.begin(), result.strErr.end(), '\n'), 1)
                << result.strErr;
            EXPECT_EQ(StatOf(target).st_mode, nBefore) << pszOption << " " << target;
        }
        // An existing file keeps its permissions; a link is followed and stays a link.
        const fs::path kept = m_dir / "kept", real = m_dir / "real", link = m_dir / "link";
        std::ofstream(kept) << "old";
        chmod(kept.c_str(), 0600);
        fs::remove(real);
        fs::remove(link);
        fs::create_symlink("real", link);
        for (const fs::path& target : {kept, link}) {
            const CRunResult result =
                Run(std::string("--size 16x16 --level 1 ") + pszOption + " " + target.string());
            EXPECT_EQ(result.nStatus, 0) << pszOption << " " << target << result.strErr;
        }
        EXPECT_EQ(StatOf(kept).st_mode & 07777, 0600u) << pszOption;
        EXPECT_NE(ReadFile(kept), "old") << pszOption;
        EXPECT_TRUE(S_ISLNK(StatOf(link).st_mode)) << pszOption;
        EXPECT_TRUE(S_ISREG(StatOf(real).st_mode)) << pszOption;
        EXPECT_EQ(ReadFile(real), ReadFile(kept)) << pszOption;
    }
}

// A trace that is no regular file is refused at once: a FIFO without a writer and an endless
// device never block the renderer nor fill its memory.
TEST_F(RenderTest, ReplayReadsOnlyRegularFiles) {
    const fs::path fifo = m_dir / "fifo", png = m_dir / "out.png";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    std::ofstream(m_dir / "empty.trace") << "size 0 0 0\n";
    const struct {
        std::string strTrace;
        const char* pszSays;
    } cases[] = {{fifo.string(), "FIFO"},
                 {"/dev/zero", "device"},
                 {m_dir.string(), "directory"},
                 {(m_dir / "empty.trace").string(), "at least 1 x 1"}};
    for (const auto& c : cases) {
        // The bound only keeps a faulty renderer from stopping the test run.
        const CRunResult result = Run("--replay " + c.strTrace + " -o " + png.string(), 60);
        EXPECT_EQ(result.nStatus, 2) << c.strTrace;
        EXPECT_NE(result.strErr.find(c.pszSays), std::string::npos) << result.strErr;
        EXPECT_EQ(std::count(result.strErr.begin(), result.strErr.end(), '\n'), 1) << result.strErr;
        EXPECT_FALSE(fs::exists(png));
    }
}

// Values are read exactly: no leading spaces or signs slip through, and a drawing square
// whose edges lie where widths no longer fit in the curves' arithmetic is refused before
// anything is drawn.
TEST_F(RenderTest, OptionValuesAreReadExactly) {
    const fs::path svg = m_dir / "out.svg";
    const std::string cases[] = {
        "--size ' 10x10'",
        "--size '10x 10'",
        "--size '+10x10'",
        "--size '10x10 '",
        "--curve-colour '# 1 2 3'",
        "--curve-colour '#+1+2+3'",
        "--curve-colour ' 255'",
        "--level ' 3'",
        "--level '+3'",
        "--draw '0, 0,10,10'",
        "--draw -2147483648,0,2147483647,100",
        "--draw 2147483000,0,2147483647,600",
        "--draw 0,0,16777217,10",
    };
    for (const std::string& args : cases) {
        const CRunResult result = Run(args + " --size 10x10 --svg " + svg.string());
        EXPECT_EQ(result.nStatus, 2) << args;
        EXPECT_EQ(std::count(result.strErr.begin(), result.strErr.end(), '\n'), 1) << args;
        EXPECT_FALSE(fs::exists(svg)) << args;
    }
    const CRunResult result = Run("--draw -16777216,0,16777216,5 --size 10x10 --fading 0 "
                                  "--curve-colour '#0a0B0c' --svg " +
                                  svg.string());
    EXPECT_EQ(result.nStatus, 0) << result.strErr;
}
