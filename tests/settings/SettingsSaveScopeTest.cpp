// SPDX-License-Identifier: MIT
// Saving at exit while another program holds the store's lock: one question, then the
// settings saved after Retry or dropped after Cancel, never a wait value after value.
#include "settings/SettingsSaveScope.h"

#include <gtest/gtest.h>

#include "platform/registry/StoreLockHolder.h"
#include "platform/registry/TempConfigHome.h"
#include "settings/RegistryFunctions.h"

namespace {

const char* const kNames[] = {"VonKochView", "MandelbrotView", "MinkowskiView",     "HilbertView",
                              "CesaroView",  "SierpinskiView", "SierpinskiObjView", "PeanoView",
                              "SquaresView", "HeighwayView"};

constexpr int kShortWait = 50;

class SettingsSaveScopeTest : public ::testing::Test {
protected:
    void SetUp() override {
        CSettingsSaveScope::AskAgain();
        ASSERT_EQ(CreateRegistryBranch(kParameterKey), 1);
    }
    void TearDown() override { CSettingsSaveScope::AskAgain(); }

    // What the views do as the frame goes, inside the scope; the results of the writes.
    std::vector<long> SaveAll() {
        std::vector<long> results;
        const CSettingsSaveScope saving(kShortWait);
        for (const char* pszName : kNames) {
            results.push_back(WriteRegistryString(kParameterKey, pszName, REG_SZ, "1,2\n"));
        }
        return results;
    }
    int StoredCount() {
        int nCount = 0;
        for (const char* pszName : kNames) {
            std::string strText;
            nCount += ReadRegistryString(kParameterKey, pszName, strText) == 0 ? 1 : 0;
        }
        return nCount;
    }

    CTempConfigHome m_home;
};

TEST_F(SettingsSaveScopeTest, AFreeStoreIsWrittenWithoutAWord) {
    EXPECT_EQ(SaveAll(), std::vector<long>(10, ERROR_SUCCESS));
    EXPECT_EQ(StoredCount(), 10);
    EXPECT_TRUE(m_home.Messages().empty());
}

TEST_F(SettingsSaveScopeTest, CancelQuitsWithoutSavingAfterOneQuestion) {
    CStoreLockHolder other(m_home.StoreFile());
    ASSERT_TRUE(other.IsHeld());
    EXPECT_EQ(SaveAll(), std::vector<long>(10, long(ERROR_SHARING_VIOLATION)));
    ASSERT_EQ(m_home.Messages(), std::vector<std::string>{kSettingsLockedText});
    EXPECT_EQ(m_home.MessageTypes()[0] & MB_TYPEMASK, UINT(MB_RETRYCANCEL));
    // The rest of the shut-down (the frame's own state) is not asked about again.
    EXPECT_EQ(SaveAll(), std::vector<long>(10, long(ERROR_SHARING_VIOLATION)));
    EXPECT_EQ(m_home.Messages().size(), 1u);
    other.Release();
    EXPECT_EQ(StoredCount(), 0);
}

TEST_F(SettingsSaveScopeTest, RetrySavesOnceTheOtherProgramLetsGo) {
    CStoreLockHolder other(m_home.StoreFile());
    ASSERT_TRUE(other.IsHeld());
    int nAsked = 0;
    m_home.AnswerRetryCancel([&] {
        // The first time the lock is still held; the second time the other program is done.
        if (++nAsked == 2) {
            other.Release();
        }
        return int(IDRETRY);
    });
    EXPECT_EQ(SaveAll(), std::vector<long>(10, ERROR_SUCCESS));
    EXPECT_EQ(nAsked, 2);
    EXPECT_EQ(StoredCount(), 10);
}

} // namespace
