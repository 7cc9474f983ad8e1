// SPDX-License-Identifier: MIT
// Many registry calls in one transaction: all or nothing, one bounded wait for another
// program's lock, and calls that fail at once once the batch could not have the lock.
#include "platform/registry/RegistryBatch.h"

#include <gtest/gtest.h>

#include "platform/registry/StoreLockHolder.h"
#include "platform/registry/TempConfigHome.h"
#include "settings/RegistryFunctions.h"

namespace {

const char* const kNames[] = {"VonKochView", "MandelbrotView", "HilbertView", "CesaroView",
                              "PeanoView"};

std::string Stored(const char* pszName) {
    std::string strText;
    return ReadRegistryString(kParameterKey, pszName, strText) == 0 ? strText : "<missing>";
}

// What another program sees of the store, on a connection of its own.
int CountOtherProgramSees(const std::string& strFile) {
    sqlite3* pDb = nullptr;
    sqlite3_open_v2(strFile.c_str(), &pDb, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* pStatement = nullptr;
    sqlite3_prepare_v2(pDb, "SELECT count(*) FROM value", -1, &pStatement, nullptr);
    const int nCount =
        sqlite3_step(pStatement) == SQLITE_ROW ? sqlite3_column_int(pStatement, 0) : -1;
    sqlite3_finalize(pStatement);
    sqlite3_close(pDb);
    return nCount;
}

class RegistryBatchTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(CreateRegistryBranch(kParameterKey), 1); }
    CTempConfigHome m_home;
};

TEST_F(RegistryBatchTest, WritesInsideLandTogetherWhenTheBatchEnds) {
    {
        CRegistryBatch batch;
        ASSERT_EQ(batch.Status(), ERROR_SUCCESS);
        for (const char* pszName : kNames) {
            EXPECT_EQ(WriteRegistryString(kParameterKey, pszName, REG_SZ, pszName), 0);
        }
        // Calls inside see their own writes; other programs do not, yet.
        EXPECT_EQ(Stored("PeanoView"), "PeanoView");
        EXPECT_EQ(CountOtherProgramSees(m_home.StoreFile()), 0);
    }
    EXPECT_EQ(CountOtherProgramSees(m_home.StoreFile()), 5);
    for (const char* pszName : kNames) {
        EXPECT_EQ(Stored(pszName), pszName);
    }
}

TEST_F(RegistryBatchTest, AHeldLockRefusesTheBatchAndItsCallsFailAtOnce) {
    CStoreLockHolder other(m_home.StoreFile());
    ASSERT_TRUE(other.IsHeld());
    {
        CRegistryBatch batch(50);
        EXPECT_EQ(batch.Status(), ERROR_SHARING_VIOLATION);
        for (const char* pszName : kNames) {
            EXPECT_EQ(WriteRegistryString(kParameterKey, pszName, REG_SZ, "x"),
                      ERROR_SHARING_VIOLATION);
        }
    }
    other.Release();
    for (const char* pszName : kNames) {
        EXPECT_EQ(Stored(pszName), "<missing>");
    }
    // Without a batch the calls are as before.
    EXPECT_EQ(WriteRegistryString(kParameterKey, "PeanoView", REG_SZ, "y"), 0);
}

TEST_F(RegistryBatchTest, ADiscardedBatchKeepsNothingAndRefusesTheRest) {
    {
        CRegistryBatch batch;
        ASSERT_EQ(batch.Status(), ERROR_SUCCESS);
        EXPECT_EQ(WriteRegistryString(kParameterKey, "VonKochView", REG_SZ, "1"), 0);
        batch.Discard();
        EXPECT_EQ(WriteRegistryString(kParameterKey, "HilbertView", REG_SZ, "2"),
                  ERROR_SHARING_VIOLATION);
    }
    EXPECT_EQ(Stored("VonKochView"), "<missing>");
    EXPECT_EQ(Stored("HilbertView"), "<missing>");
}

TEST_F(RegistryBatchTest, AKeyHandleOutlivingItsBatchIsNoLongerUsable) {
    HKEY hKey = nullptr;
    {
        CRegistryBatch batch;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kParameterKey, 0, KEY_ALL_ACCESS, &hKey), 0);
    }
    const BYTE bytes[] = {'1', 0};
    EXPECT_NE(RegSetValueExA(hKey, "VonKochView", 0, REG_SZ, bytes, 2), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(hKey), ERROR_SUCCESS);
}

} // namespace
