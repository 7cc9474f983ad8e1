// SPDX-License-Identifier: MIT
// The store under damage found at any time, files SQLite cannot use, a folder that cannot be
// written and values too large to accept: settings are never silently lost.
#include <gtest/gtest.h>

#include <climits>
#include <regex>
#include <sqlite3.h>
#include <unistd.h>

#include "platform/registry/ChildProcess.h"
#include "platform/registry/RegistryStore.h"
#include "platform/registry/TempConfigHome.h"
#include "settings/RegistryFunctions.h"

namespace {

std::vector<std::string> DamagedCopies(const std::string& strFolder) {
    std::vector<std::string> copies;
    const std::regex pattern(R"(registry\.sqlite3\.damaged-\d{8}-\d{6}(-\d+)?)");
    for (const auto& entry : std::filesystem::directory_iterator(strFolder)) {
        if (std::regex_match(entry.path().filename().string(), pattern)) {
            copies.push_back(entry.path().string());
        }
    }
    return copies;
}

// Runs SQL on the store file as another tool would; answers the first column of each row.
std::vector<std::string> RunSql(const std::string& strFile, const std::string& strSql) {
    sqlite3* pDb = nullptr;
    std::vector<std::string> rows;
    EXPECT_EQ(sqlite3_open(strFile.c_str(), &pDb), SQLITE_OK);
    sqlite3_stmt* pStatement = nullptr;
    const char* pszTail = strSql.c_str();
    while (*pszTail != '\0') {
        EXPECT_EQ(sqlite3_prepare_v2(pDb, pszTail, -1, &pStatement, &pszTail), SQLITE_OK)
            << sqlite3_errmsg(pDb);
        if (pStatement == nullptr) {
            break;
        }
        while (sqlite3_step(pStatement) == SQLITE_ROW) {
            const auto* psz = reinterpret_cast<const char*>(sqlite3_column_text(pStatement, 0));
            rows.emplace_back(psz != nullptr ? psz : "");
        }
        sqlite3_finalize(pStatement);
    }
    sqlite3_close(pDb);
    return rows;
}

// Overwrites bytes of the file in place.
void Patch(const std::string& strFile, long nOffset, const std::string& strBytes) {
    FILE* pFile = std::fopen(strFile.c_str(), "r+b");
    ASSERT_NE(pFile, nullptr);
    std::fseek(pFile, nOffset, SEEK_SET);
    std::fwrite(strBytes.data(), 1, strBytes.size(), pFile);
    std::fclose(pFile);
}

// Fills every page of the value table and its index with garbage.
void DamageValueTable(const std::string& strFile) {
    const std::vector<std::string> pages =
        RunSql(strFile, "SELECT rootpage FROM sqlite_master WHERE tbl_name = 'value'");
    const std::vector<std::string> size = RunSql(strFile, "PRAGMA page_size");
    ASSERT_FALSE(pages.empty());
    ASSERT_EQ(size.size(), 1u);
    const long nPageSize = std::stol(size[0]);
    for (const std::string& strPage : pages) {
        Patch(strFile, (std::stol(strPage) - 1) * nPageSize, std::string(nPageSize, '\xFF'));
    }
}

// Whether any descriptor of this process is open on a file set aside.
bool HoldsASetAsideFile() {
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        const std::string strTarget = std::filesystem::read_symlink(entry.path(), ec).string();
        if (!ec && strTarget.find(".damaged-") != std::string::npos) {
            return true;
        }
    }
    return false;
}

const char* const kViewNames[] = {
    "VonKochView",    "MandelbrotView",    "MinkowskiView", "HilbertView", "CesaroView",
    "SierpinskiView", "SierpinskiObjView", "PeanoView",     "SquaresView", "HeighwayView"};

class StoreDamageTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_oldHandler = SetRegistryStoreWarningHandler([this] { ++m_nNotices; });
    }
    void TearDown() override { SetRegistryStoreWarningHandler(m_oldHandler); }

    CTempConfigHome m_home;
    std::function<void()> m_oldHandler;
    int m_nNotices = 0;
};

TEST_F(StoreDamageTest, DamageFoundDuringTheRunIsToldAtOnceAndTheExitWritesAreKept) {
    ASSERT_EQ(CreateRegistryBranch(kParameterKey), 1);
    ASSERT_EQ(WriteRegistryString(kParameterKey, "VonKochView", REG_SZ, "4,0,0,0,0,3\n"), 0);
    DamageValueTable(m_home.StoreFile());

    std::string strText = "defaults";
    EXPECT_NE(ReadRegistryString(kParameterKey, "VonKochView", strText), 0);
    EXPECT_EQ(strText, "defaults");
    EXPECT_EQ(DamagedCopies(m_home.StoreFolder()).size(), 1u);
    // The program hears of it while the read is still the latest thing that happened.
    EXPECT_EQ(m_nNotices, 1);
    EXPECT_TRUE(TakeRegistryStoreWarning().has_value());

    // What the views write at exit lands in the fresh store.
    for (const char* pszName : kViewNames) {
        EXPECT_EQ(WriteRegistryString(kParameterKey, pszName, REG_SZ, std::string(pszName) + "\n"),
                  0)
            << pszName;
    }
    EXPECT_EQ(WriteRegistryDword(kParameterKey, "LastCheckTime", REG_DWORD, 7), 0);
    for (const char* pszName : kViewNames) {
        EXPECT_EQ(ReadRegistryString(kParameterKey, pszName, strText), 0);
        EXPECT_EQ(strText, std::string(pszName) + "\n");
    }
    EXPECT_EQ(m_nNotices, 1);
    EXPECT_TRUE(m_home.Messages().empty());
}

TEST_F(StoreDamageTest, AReadThatFindsDamageLeavesNoConnectionBehind) {
    ASSERT_EQ(CreateRegistryBranch(kParameterKey), 1);
    ASSERT_EQ(WriteRegistryDword(kParameterKey, "LastCheckTime", REG_DWORD, 7), 0);
    DamageValueTable(m_home.StoreFile());
    DWORD dwValue = 1;
    EXPECT_NE(ReadRegistryDword(kParameterKey, "LastCheckTime", dwValue), 0);
    ASSERT_EQ(DamagedCopies(m_home.StoreFolder()).size(), 1u);
    EXPECT_FALSE(HoldsASetAsideFile());
}

TEST_F(StoreDamageTest, FilesThisSqliteCannotUseAreSetAsideLikeDamagedOnes) {
    const struct {
        const char* pszWhat;
        const char* pszSql; // run on a fresh database
        long nPatchAt;      // then these bytes written, when nPatchAt >= 0
        const char* pszPatch;
    } cases[] = {
        {"schema format of a later SQLite", "CREATE TABLE t (a)", 44, "\x00\x00\x00\x63"},
        {"a view named like the value table", "CREATE VIEW value AS SELECT 1 AS a", -1, ""},
        {"an index named like the key table", "CREATE TABLE t (a); CREATE INDEX key ON t (a)", -1,
         ""},
        {"a table named like ours in capitals", "CREATE TABLE VALUE (a)", -1, ""},
    };
    for (const auto& c : cases) {
        CTempConfigHome home;
        std::filesystem::create_directories(home.StoreFolder());
        RunSql(home.StoreFile(), c.pszSql);
        if (c.nPatchAt >= 0) {
            Patch(home.StoreFile(), c.nPatchAt, std::string(c.pszPatch, 4));
        }
        const std::string strBefore = CTempConfigHome::ReadFile(home.StoreFile());

        EXPECT_EQ(CreateRegistryBranch(kParameterKey), 1);
        EXPECT_TRUE(home.Messages().empty()) << c.pszWhat << ": " << home.Messages()[0];
        EXPECT_EQ(WriteRegistryString(kParameterKey, "PeanoView", REG_SZ, "1\n"), 0) << c.pszWhat;
        const std::vector<std::string> copies = DamagedCopies(home.StoreFolder());
        ASSERT_EQ(copies.size(), 1u) << c.pszWhat;
        EXPECT_TRUE(CTempConfigHome::ReadFile(copies[0]) == strBefore) << c.pszWhat;
        EXPECT_TRUE(TakeRegistryStoreWarning().has_value()) << c.pszWhat;
    }
}

TEST_F(StoreDamageTest, AStoreFailingTheQuickCheckIsSetAsideAtItsFirstOpen) {
    // Written by another program, then damaged where ordinary reads never look: the count of
    // free pages in the header.
    const int nStatus = RunInChild([] {
        CreateRegistryBranch(kParameterKey);
        EXPECT_EQ(WriteRegistryString(kParameterKey, "HilbertView", REG_SZ, "1\n"), 0);
    });
    ASSERT_TRUE(ExitedCleanly(nStatus));
    Patch(m_home.StoreFile(), 36, std::string("\x00\x00\x00\x05", 4));

    std::string strText = "defaults";
    EXPECT_EQ(ReadRegistryString(kParameterKey, "HilbertView", strText), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(strText, "defaults");
    EXPECT_EQ(DamagedCopies(m_home.StoreFolder()).size(), 1u);
    EXPECT_TRUE(TakeRegistryStoreWarning().has_value());
}

TEST_F(StoreDamageTest, AStoreInAReadOnlyFolderIsReadAndSaysOnceItCannotBeSaved) {
    ASSERT_EQ(CreateRegistryBranch(kParameterKey), 1);
    ASSERT_EQ(WriteRegistryString(kParameterKey, "CesaroView", REG_SZ, "5,1\n"), 0);
    chmod(m_home.StoreFile().c_str(), 0644);
    chmod(m_home.StoreFolder().c_str(), 0555);
    const int nStatus = RunInChild([this] {
        BecomeUnprivileged(m_home.Root());
        TakeRegistryStoreWarning();
        std::string strText;
        EXPECT_EQ(ReadRegistryString(kParameterKey, "CesaroView", strText), 0);
        EXPECT_EQ(strText, "5,1\n");
        const std::optional<std::string> warning = TakeRegistryStoreWarning();
        ASSERT_TRUE(warning.has_value());
        EXPECT_NE(warning->find("cannot be saved"), std::string::npos) << *warning;
        EXPECT_NE(WriteRegistryString(kParameterKey, "CesaroView", REG_SZ, "6\n"), 0);
        EXPECT_EQ(CreateRegistryBranch(kParameterKey), 1);
        EXPECT_EQ(ReadRegistryString(kParameterKey, "CesaroView", strText), 0);
        EXPECT_EQ(strText, "5,1\n");
        EXPECT_FALSE(TakeRegistryStoreWarning().has_value());
        EXPECT_TRUE(m_home.Messages().empty());
    });
    if (CouldNotDropRoot(nStatus)) {
        GTEST_SKIP() << "cannot give up root here";
    }
    EXPECT_TRUE(ExitedCleanly(nStatus)) << "status " << nStatus;
    EXPECT_TRUE(DamagedCopies(m_home.StoreFolder()).empty());
}

TEST_F(StoreDamageTest, HugeValuesAreRefusedWithoutBeingRead) {
    ASSERT_EQ(CreateRegistryBranch(kParameterKey), 1);
    constexpr int kHuge = 20 * 1000 * 1000;
    const std::string strKey = std::string("'") + kParameterKey + "'";
    RunSql(m_home.StoreFile(), "INSERT INTO value VALUES (" + strKey +
                                   ", 'VonKochView', 1, zeroblob(" + std::to_string(kHuge) + "));" +
                                   "INSERT INTO value VALUES (" + strKey +
                                   ", 'PeanoView', 1, CAST(replace(hex(zeroblob(" +
                                   std::to_string(kHuge / 2) + ")), '0', '1') AS TEXT))");
    // The measure works: reading one of them whole takes its size in memory.
    sqlite3_memory_highwater(1);
    RunSql(m_home.StoreFile(), "SELECT length(CAST(data AS BLOB) || x'00') FROM value WHERE "
                               "name = 'VonKochView'");
    ASSERT_GT(sqlite3_memory_highwater(1), kHuge);

    for (const char* pszName : {"VonKochView", "PeanoView"}) {
        std::string strText = "defaults";
        sqlite3_memory_highwater(1);
        EXPECT_EQ(ReadRegistryString(kParameterKey, pszName, strText), ERROR_MORE_DATA);
        EXPECT_LT(sqlite3_memory_highwater(1), kHuge / 10) << pszName;
        EXPECT_EQ(strText, "defaults");
        // The registry call tells the size without the bytes.
        HKEY hKey = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kParameterKey, 0, KEY_READ, &hKey), 0);
        DWORD cbData = 0;
        EXPECT_EQ(RegQueryValueExA(hKey, pszName, nullptr, nullptr, nullptr, &cbData), 0);
        EXPECT_EQ(cbData, DWORD(kHuge));
        RegCloseKey(hKey);
    }
}

} // namespace
