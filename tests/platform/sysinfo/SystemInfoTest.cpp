// SPDX-License-Identifier: MIT
// The computer name, address and login name with each of their fallbacks: a failing host
// name call, a name too long for its buffer, a name that does not resolve, a user without a
// password entry or environment.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include <unistd.h>

#include "platform/sysinfo/SystemInfo.h"

namespace {

// Calls that answer what the test says: host "atlas" at 192.168.7.21, user "erin".
struct CFakeSystem {
    int nHostResult = 0;
    std::string strHost = "atlas";
    std::optional<std::string> strAddress = "192.168.7.21";
    std::optional<std::string> strPasswordName = "erin";
    std::map<std::string, std::string> environment;
    std::string strResolved;

    CSystemCalls Calls() {
        CSystemCalls calls;
        calls.GetHostName = [this](char* pszName, std::size_t nSize) {
            if (nHostResult == 0) {
                // Like gethostname, a name that does not fit is cut without its zero.
                std::memcpy(pszName, strHost.data(), std::min(nSize, strHost.size()));
                if (strHost.size() < nSize) {
                    pszName[strHost.size()] = '\0';
                }
            }
            return nHostResult;
        };
        calls.ResolveIPv4 = [this](const std::string& strName) {
            strResolved = strName;
            return strAddress;
        };
        calls.PasswordName = [this](uid_t) { return strPasswordName; };
        calls.GetEnv = [this](const char* pszName) -> const char* {
            const auto it = environment.find(pszName);
            return it == environment.end() ? nullptr : it->second.c_str();
        };
        return calls;
    }
};

TEST(SystemInfoTest, KnownHostAndUser) {
    CFakeSystem system;
    const CSystemInfo info = GatherSystemInfo(system.Calls());
    EXPECT_EQ(info.strComputerName, "atlas");
    EXPECT_EQ(info.strIPAddress, "192.168.7.21");
    EXPECT_EQ(info.strLoginName, "erin");
    EXPECT_EQ(system.strResolved, "atlas");
}

TEST(SystemInfoTest, NoHostNameGivesUnknownAndNoAddress) {
    CFakeSystem system;
    system.nHostResult = -1;
    const CSystemInfo info = GatherSystemInfo(system.Calls());
    EXPECT_EQ(info.strComputerName, "Unknown");
    EXPECT_EQ(info.strIPAddress, "");
    EXPECT_EQ(system.strResolved, "") << "nothing to resolve without a host name";
}

TEST(SystemInfoTest, HostNameThatDoesNotFitItsBufferIsNotAvailable) {
    for (const std::size_t nLength : {kNameBufferSize - 1, kNameBufferSize, kNameBufferSize + 40}) {
        CFakeSystem system;
        system.strHost = std::string(nLength, 'h');
        const CSystemInfo info = GatherSystemInfo(system.Calls());
        EXPECT_EQ(info.strComputerName, nLength < kNameBufferSize ? system.strHost : "Unknown")
            << nLength;
    }
}

TEST(SystemInfoTest, UnresolvedHostKeepsItsNameWithoutAddress) {
    CFakeSystem system;
    system.strAddress.reset();
    const CSystemInfo info = GatherSystemInfo(system.Calls());
    EXPECT_EQ(info.strComputerName, "atlas");
    EXPECT_EQ(info.strIPAddress, "");
}

struct CLoginCase {
    const char* pszName;
    std::optional<std::string> strPasswordName;
    std::map<std::string, std::string> environment;
    std::string strExpected;
};

class LoginNameTest : public ::testing::TestWithParam<CLoginCase> {};

TEST_P(LoginNameTest, FallsBackInOrder) {
    CFakeSystem system;
    system.strPasswordName = GetParam().strPasswordName;
    system.environment = GetParam().environment;
    EXPECT_EQ(GatherSystemInfo(system.Calls()).strLoginName, GetParam().strExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, LoginNameTest,
    ::testing::Values(
        CLoginCase{"PasswordEntryFirst", "erin", {{"LOGNAME", "lou"}, {"USER", "una"}}, "erin"},
        CLoginCase{"ThenLogname", std::nullopt, {{"LOGNAME", "lou"}, {"USER", "una"}}, "lou"},
        CLoginCase{"ThenUser", std::nullopt, {{"USER", "una"}}, "una"},
        CLoginCase{"EmptyNamesPassedOver", "", {{"LOGNAME", ""}, {"USER", "una"}}, "una"},
        CLoginCase{"TooLongPassedOver",
                   std::string(kNameBufferSize, 'p'),
                   {{"LOGNAME", std::string(300, 'l')}, {"USER", "una"}},
                   "una"},
        CLoginCase{"NothingGivesUnknown", std::nullopt, {}, "Unknown"}),
    [](const auto& info) { return std::string(info.param.pszName); });

TEST(SystemInfoTest, ResolverGivesTheFirstIPv4AddressOrNothing) {
    // Numeric names resolve without asking any name server.
    EXPECT_EQ(FirstIPv4Address("127.0.0.1"), "127.0.0.1");
    EXPECT_EQ(FirstIPv4Address("10.1.2.3"), "10.1.2.3");
    EXPECT_EQ(FirstIPv4Address("::1"), std::nullopt);
}

TEST(SystemInfoTest, RealCallsNameThisUserAndHost) {
    const CSystemInfo info = GatherSystemInfo();
    char szHost[256] = {};
    ASSERT_EQ(gethostname(szHost, sizeof szHost - 1), 0);
    EXPECT_EQ(info.strComputerName, szHost);
    EXPECT_FALSE(info.strLoginName.empty());
    if (const std::optional<std::string> strEntry = PasswordDatabaseName(getuid())) {
        EXPECT_EQ(info.strLoginName, *strEntry);
    }
}

TEST(SystemInfoTest, UserIdWithoutEntryHasNoPasswordName) {
    EXPECT_EQ(PasswordDatabaseName(uid_t(3999999999u)), std::nullopt);
}

} // namespace
