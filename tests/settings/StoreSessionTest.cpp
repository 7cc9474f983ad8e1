// SPDX-License-Identifier: MIT
// The store kept open over a run of writes: every value is there while it is open and after
// it has closed, and a session without a store changes nothing.
#include "settings/StoreSession.h"

#include <gtest/gtest.h>

#include "platform/registry/TempConfigHome.h"
#include "settings/RegistryFunctions.h"
#include "settings/StoreKeys.h"

namespace {

class StoreSessionTest : public ::testing::Test {
protected:
    CTempConfigHome m_home;
};

TEST_F(StoreSessionTest, ValuesWrittenInASessionAreKept) {
    ASSERT_EQ(CreateRegistryBranch(kParameterKey), 1);
    const char* const names[] = {"VonKochView", "HilbertView", "HeighwayView"};
    {
        const CStoreSession session;
        EXPECT_TRUE(session.IsOpen());
        for (const char* pszName : names) {
            EXPECT_EQ(WriteRegistryString(kParameterKey, pszName, REG_SZ, pszName), 0);
            std::string strRead;
            EXPECT_EQ(ReadRegistryString(kParameterKey, pszName, strRead), 0);
            EXPECT_EQ(strRead, pszName);
        }
    }
    for (const char* pszName : names) {
        std::string strRead;
        EXPECT_EQ(ReadRegistryString(kParameterKey, pszName, strRead), 0);
        EXPECT_EQ(strRead, pszName);
    }
    EXPECT_TRUE(m_home.Messages().empty());
}

TEST_F(StoreSessionTest, NoProgramKeyMeansNoSessionAndNoKey) {
    {
        const CStoreSession session;
        EXPECT_FALSE(session.IsOpen());
    }
    HKEY hKey = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kParameterKey, 0, KEY_READ, &hKey),
              ERROR_FILE_NOT_FOUND);
}

} // namespace
