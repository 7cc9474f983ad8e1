// SPDX-License-Identifier: MIT
// The whole check against servers on 127.0.0.1 started by each test, with a settings store
// of its own: outcomes, the registry bookkeeping, the 28-day rule, failures, the time-out
// and one check at a time.
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "dialogs/core/UpdateCheck.h"
#include "platform/registry/TempConfigHome.h"
#include "platform/ui/core/BusyWait.h"
#include "resources/Resource.h"
#include "settings/RegistryFunctions.h"
#include "settings/UpdateCheckSettings.h"
#include "support/LoopbackHttpServer.h"

namespace {

constexpr int kDay = 86400;

// A check that stands in for another build's version, or for one whose version cannot be
// read.
class CTestCheck : public CUpdateCheck {
public:
    explicit CTestCheck(
        std::optional<std::pair<DWORD, DWORD>> local = std::pair<DWORD, DWORD>(0x20000, 0))
        : m_local(local) {}
    BOOL GetLocalVersion(DWORD& dwMS, DWORD& dwLS) override {
        if (!m_local) {
            return 0;
        }
        dwMS = m_local->first;
        dwLS = m_local->second;
        return 1;
    }

private:
    std::optional<std::pair<DWORD, DWORD>> m_local;
};

// The threads of this process.
int ThreadCount() {
    std::ifstream status("/proc/self/status");
    std::string strLine;
    while (std::getline(status, strLine)) {
        if (strLine.rfind("Threads:", 0) == 0) {
            return std::atoi(strLine.c_str() + 8);
        }
    }
    return -1;
}

DWORD Now() {
    return DWORD(std::time(nullptr));
}

class UpdateCheckFixture {
public:
    UpdateCheckFixture() { CreateRegistryBranch(kParameterKey); }
    ~UpdateCheckFixture() { unsetenv(kUpdateUrlVariable); }
    UpdateCheckFixture(const UpdateCheckFixture&) = delete;
    UpdateCheckFixture& operator=(const UpdateCheckFixture&) = delete;

    static void PointAt(const std::string& strUrl) {
        setenv(kUpdateUrlVariable, strUrl.c_str(), 1);
    }
    const CTempConfigHome& Home() const { return m_home; }

private:
    CTempConfigHome m_home;
};

struct COutcomeCase {
    const char* pszName;
    std::string strBody;
    DWORD dwLocalMS;
    DWORD dwLocalLS;
    int nStatus;
    DWORD dwWebMS;
    DWORD dwWebLS;
    std::string strLink;
};

void PrintTo(const COutcomeCase& c, std::ostream* pStream) {
    *pStream << c.pszName;
}

std::string Padded(const std::string& strStart, std::size_t nLength) {
    std::string strText = strStart;
    strText.resize(nLength, 'x');
    return strText;
}

const std::string kPage = "http://www.korvat.com/applications/nimbrel/nimbrel.php";

const COutcomeCase kOutcomes[] = {
    {"SameVersion", "2|0|0|" + kPage, 0x20000, 0, 2, 0x20000, 0, kPage},
    {"NewerThirdNumber", "2|0|1|" + kPage, 0x20000, 0, 1, 0x20000, 0x10000, kPage},
    {"LocalFourthNumberAbove", "2|0|1|" + kPage, 0x20000, 0x10005, 2, 0x20000, 0x10000, kPage},
    {"LowHalvesComparedAlone", "1|9|1|" + kPage, 0x20000, 0, 1, 0x10009, 0x10000, kPage},
    {"Above16Bits", "65537|0|0|", 0x20000, 0, 2, 0x10000, 0, ""},
    {"NewerMajor", "3|0|0|\n", 0x20000, 0, 1, 0x30000, 0, "\n"},
    {"Exactly512", Padded("2|0|1|http://", 512), 0x20000, 0, 1, 0x20000, 0x10000,
     Padded("http://", 506)},
    {"Longer", Padded("2|0|1|http://", 2000), 0x20000, 0, 1, 0x20000, 0x10000,
     Padded("http://", 506)},
    {"ErrorPageWithoutBar", "<html><body>Not Found</body></html>", 0x20000, 0, 2, 0, 0, ""},
    {"BinaryBytes", std::string("\x02\xFF\x00|9|9|", 9), 0x20000, 0, 2, 0, 0, ""},
    {"FileLink", "3|0|0|file:///etc/passwd", 0x20000, 0, 1, 0x30000, 0, "file:///etc/passwd"},
};

class UpdateCheckOutcomeTest : public testing::TestWithParam<COutcomeCase> {};

TEST_P(UpdateCheckOutcomeTest, ComparesThePublishedVersion) {
    const COutcomeCase& c = GetParam();
    UpdateCheckFixture fixture;
    CLoopbackHttpServer server(CLoopbackHttpServer::HttpAnswer(c.strBody));
    fixture.PointAt(server.Url());
    const DWORD dwBefore = Now();
    CTestCheck check({{c.dwLocalMS, c.dwLocalLS}});
    check.Check(IDS_VERSION_ADDRESS, 1);
    EXPECT_EQ(check.m_nStatus, c.nStatus);
    EXPECT_EQ(check.m_dwLocalMS, c.dwLocalMS);
    EXPECT_EQ(check.m_dwLocalLS, c.dwLocalLS);
    EXPECT_EQ(check.m_dwWebMS, c.dwWebMS);
    EXPECT_EQ(check.m_dwWebLS, c.dwWebLS);
    EXPECT_EQ(check.m_strLink, c.strLink);
    // Every answer, even one that is no version text, counts as a completed fetch.
    EXPECT_GE(ReadLastCheckTime(), dwBefore);
    EXPECT_LE(ReadLastCheckTime(), Now());
    EXPECT_EQ(server.Requests(), 1);
    EXPECT_TRUE(fixture.Home().Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Answers, UpdateCheckOutcomeTest, testing::ValuesIn(kOutcomes),
                         [](const auto& info) { return std::string(info.param.pszName); });

TEST(UpdateCheckTest, TheProgramsOwnVersionComesFromTheBuild) {
    CUpdateCheck check;
    DWORD dwMS = 0;
    DWORD dwLS = 1;
    ASSERT_TRUE(check.GetLocalVersion(dwMS, dwLS));
    EXPECT_EQ(dwMS, 0x20000u);
    EXPECT_EQ(dwLS, 0u);
}

TEST(UpdateCheckTest, VersionAddressFromTheStringTableUnlessTheEnvironmentNamesOne) {
    UpdateCheckFixture fixture;
    unsetenv(kUpdateUrlVariable);
    EXPECT_EQ(CUpdateCheck::VersionAddress(IDS_VERSION_ADDRESS),
              "http://www.korvat.com/version/nimbrel_version.txt");
    fixture.PointAt("http://127.0.0.1:1/mirror.txt");
    EXPECT_EQ(CUpdateCheck::VersionAddress(IDS_VERSION_ADDRESS), "http://127.0.0.1:1/mirror.txt");
}

TEST(UpdateCheckTest, AStampBelow20ReEnablesTheCheckOnce) {
    struct CCase {
        std::optional<DWORD> dwStamp;
        bool bRuns;
    };
    const CCase cases[] = {
        {std::nullopt, true}, {19, true}, {0x80000000, true}, {20, false}, {21, false}};
    for (const CCase& c : cases) {
        UpdateCheckFixture fixture;
        CLoopbackHttpServer server(CLoopbackHttpServer::HttpAnswer("2|0|0|"));
        fixture.PointAt(server.Url());
        WriteNoUpdateCheck(1);
        if (c.dwStamp) {
            WriteCurrentVersion(*c.dwStamp);
        }
        CTestCheck check;
        check.Check(IDS_VERSION_ADDRESS, 0);
        const std::string strCase = c.dwStamp ? std::to_string(*c.dwStamp) : "absent";
        EXPECT_EQ(server.Requests(), c.bRuns ? 1 : 0) << strCase;
        EXPECT_EQ(check.m_nStatus, c.bRuns ? 2 : 0) << strCase;
        EXPECT_EQ(ReadNoUpdateCheck(), c.bRuns ? 0u : 1u) << strCase;
        EXPECT_EQ(ReadCurrentVersion(), c.bRuns ? std::optional<DWORD>(20) : c.dwStamp) << strCase;
    }
}

TEST(UpdateCheckTest, AForcedCheckIgnoresNoUpdateCheckAndTheInterval) {
    UpdateCheckFixture fixture;
    CLoopbackHttpServer server(CLoopbackHttpServer::HttpAnswer("2|0|1|"));
    fixture.PointAt(server.Url());
    WriteCurrentVersion(20);
    WriteNoUpdateCheck(1);
    WriteLastCheckTime(Now());
    CTestCheck check;
    check.Check(IDS_VERSION_ADDRESS, 1);
    EXPECT_EQ(server.Requests(), 1);
    EXPECT_EQ(check.m_nStatus, 1);
    EXPECT_EQ(ReadNoUpdateCheck(), 1u);
}

TEST(UpdateCheckTest, AnUnforcedCheckRuns28DaysAfterTheLastOne) {
    struct CCase {
        const char* pszName;
        std::int64_t nAgo;
        bool bRuns;
    };
    const CCase cases[] = {
        {"27 days", 27 * kDay, false}, {"an hour short of 28 days", 28 * kDay - 3600, false},
        {"28 days", 28 * kDay, true},  {"a year", 365 * kDay, true},
        {"a day ahead", -kDay, false}, {"never", std::int64_t(Now()), true},
    };
    for (const CCase& c : cases) {
        UpdateCheckFixture fixture;
        CLoopbackHttpServer server(CLoopbackHttpServer::HttpAnswer("2|0|0|"));
        fixture.PointAt(server.Url());
        WriteCurrentVersion(20);
        const DWORD dwLast = DWORD(std::int64_t(Now()) - c.nAgo);
        WriteLastCheckTime(dwLast);
        CTestCheck check;
        check.Check(IDS_VERSION_ADDRESS, 0);
        EXPECT_EQ(server.Requests(), c.bRuns ? 1 : 0) << c.pszName;
        EXPECT_EQ(check.m_nStatus, c.bRuns ? 2 : 0) << c.pszName;
        if (!c.bRuns) {
            EXPECT_EQ(ReadLastCheckTime(), dwLast) << c.pszName;
        }
    }
}

TEST(UpdateCheckTest, FailedFetchesLeaveTheLastCheckTime) {
    struct CCase {
        const char* pszName;
        std::string strUrl;
    };
    CLoopbackHttpServer closing("", CLoopbackHttpServer::EMode::Answer);
    const CCase cases[] = {
        {"refused", CLoopbackHttpServer::RefusingUrl()},
        {"closed without an answer", closing.Url()},
        {"not a web address", "file:///etc/passwd"},
    };
    for (const CCase& c : cases) {
        UpdateCheckFixture fixture;
        fixture.PointAt(c.strUrl);
        WriteLastCheckTime(1234);
        CTestCheck check;
        check.Check(IDS_VERSION_ADDRESS, 1);
        EXPECT_EQ(check.m_nStatus, 0) << c.pszName;
        EXPECT_EQ(check.m_dwLocalMS, 0x20000u) << c.pszName;
        EXPECT_EQ(check.m_dwWebMS, 0u) << c.pszName;
        EXPECT_EQ(check.m_dwWebLS, 0u) << c.pszName;
        EXPECT_EQ(check.m_strLink, "") << c.pszName;
        EXPECT_EQ(ReadLastCheckTime(), 1234u) << c.pszName;
        EXPECT_TRUE(fixture.Home().Messages().empty()) << c.pszName;
    }
}

TEST(UpdateCheckTest, AnEmptyAnswerGivesNoResultButCountsAsAFetch) {
    UpdateCheckFixture fixture;
    CLoopbackHttpServer server(CLoopbackHttpServer::HttpAnswer(""));
    fixture.PointAt(server.Url());
    CTestCheck check;
    check.Check(IDS_VERSION_ADDRESS, 1);
    EXPECT_EQ(check.m_nStatus, 0);
    EXPECT_EQ(check.m_dwWebMS, 0u);
    EXPECT_NE(ReadLastCheckTime(), 0u);
}

TEST(UpdateCheckTest, NothingIsFetchedWhenTheOwnVersionCannotBeRead) {
    UpdateCheckFixture fixture;
    CLoopbackHttpServer server(CLoopbackHttpServer::HttpAnswer("2|0|0|"));
    fixture.PointAt(server.Url());
    CTestCheck check(std::nullopt);
    check.Check(IDS_VERSION_ADDRESS, 1);
    EXPECT_EQ(server.Requests(), 0);
    EXPECT_EQ(check.m_nStatus, 0);
    EXPECT_EQ(check.m_dwLocalMS, 0u);
    EXPECT_EQ(ReadLastCheckTime(), 0u);
}

// Records the wait cursor and runs a second check from inside the wait, as a timer of the
// event loop could.
class CNestingWait : public CBusyWaitHandler {
public:
    void BeginWaitCursor() override { ++m_nBegun; }
    void EndWaitCursor() override { ++m_nEnded; }
    bool Wait(const CWaitStep& waitStep, std::chrono::milliseconds limit) override {
        CTestCheck nested;
        nested.Check(IDS_VERSION_ADDRESS, 1);
        m_nNestedStatus = nested.m_nStatus;
        m_nCursorDuringWait = m_nBegun - m_nEnded;
        return waitStep(limit);
    }

    int m_nBegun = 0;
    int m_nEnded = 0;
    int m_nCursorDuringWait = 0;
    int m_nNestedStatus = -1;
};

TEST(UpdateCheckTest, OneCheckAtATimeWithTheWaitCursorShown) {
    UpdateCheckFixture fixture;
    CLoopbackHttpServer server(CLoopbackHttpServer::HttpAnswer("2|0|1|"));
    fixture.PointAt(server.Url());
    CNestingWait wait;
    CBusyWaitScope scope(&wait);
    CTestCheck check;
    check.Check(IDS_VERSION_ADDRESS, 1);
    EXPECT_EQ(check.m_nStatus, 1);
    EXPECT_EQ(wait.m_nNestedStatus, 0);
    EXPECT_EQ(server.Requests(), 1);
    EXPECT_EQ(wait.m_nCursorDuringWait, 1);
    EXPECT_EQ(wait.m_nBegun, 1);
    EXPECT_EQ(wait.m_nEnded, 1);
}

// The one slow test: it waits out the ten-second bound.
TEST(UpdateCheckTest, AServerThatNeverAnswersGivesUnknownAndLeavesNoThread) {
    UpdateCheckFixture fixture;
    CLoopbackHttpServer server("", CLoopbackHttpServer::EMode::Silent);
    fixture.PointAt(server.Url());
    WriteLastCheckTime(1234);
    const int nThreadsBefore = ThreadCount();
    CTestCheck check;
    check.Check(IDS_VERSION_ADDRESS, 1);
    EXPECT_EQ(server.Requests(), 1);
    EXPECT_EQ(check.m_nStatus, 0);
    EXPECT_EQ(check.m_dwLocalMS, 0x20000u);
    EXPECT_EQ(check.m_dwWebMS, 0u);
    EXPECT_EQ(check.m_dwWebLS, 0u);
    EXPECT_EQ(ReadLastCheckTime(), 1234u);
    EXPECT_EQ(ThreadCount(), nThreadsBefore);
    EXPECT_TRUE(fixture.Home().Messages().empty());
}

} // namespace
