// SPDX-License-Identifier: MIT
// The store as a file: its exact tables and bytes, several programs writing at once, a
// damaged file set aside, and a folder that cannot be written.
#include "platform/registry/RegistryStore.h"

#include <gtest/gtest.h>

#include <regex>
#include <sqlite3.h>

#include "platform/registry/ChildProcess.h"
#include "platform/registry/TempConfigHome.h"

namespace {

constexpr const char* kParameters = "Software\\Korvat\\Korvat Nimbrel\\Parameters";

LSTATUS SetValue(const char* pszKey, const std::string& strName, DWORD dwType,
                 const std::string& strBytes) {
    HKEY hKey = nullptr;
    char szClass[] = "";
    LSTATUS nResult = RegCreateKeyExA(HKEY_CURRENT_USER, pszKey, 0, szClass, 0, KEY_ALL_ACCESS,
                                      nullptr, &hKey, nullptr);
    if (nResult == ERROR_SUCCESS) {
        nResult =
            RegSetValueExA(hKey, strName.c_str(), 0, dwType,
                           reinterpret_cast<const BYTE*>(strBytes.data()), DWORD(strBytes.size()));
        RegCloseKey(hKey);
    }
    return nResult;
}

LSTATUS GetValue(const char* pszKey, const std::string& strName, std::string& strBytes) {
    HKEY hKey = nullptr;
    LSTATUS nResult = RegOpenKeyExA(HKEY_CURRENT_USER, pszKey, 0, KEY_READ, &hKey);
    if (nResult != ERROR_SUCCESS) {
        return nResult;
    }
    BYTE buffer[256];
    DWORD cbData = sizeof buffer;
    nResult = RegQueryValueExA(hKey, strName.c_str(), nullptr, nullptr, buffer, &cbData);
    if (nResult == ERROR_SUCCESS) {
        strBytes.assign(reinterpret_cast<const char*>(buffer), cbData);
    }
    RegCloseKey(hKey);
    return nResult;
}

// A read-only view of the store file, as another SQLite tool would see it.
class CStoreReader {
public:
    explicit CStoreReader(const std::string& strFile) {
        sqlite3_open_v2(strFile.c_str(), &m_pDb, SQLITE_OPEN_READONLY, nullptr);
    }
    ~CStoreReader() { sqlite3_close(m_pDb); }
    CStoreReader(const CStoreReader&) = delete;
    CStoreReader& operator=(const CStoreReader&) = delete;

    // Every row of the query, its columns as bytes joined by '|'.
    std::vector<std::string> Rows(const char* pszSql) {
        std::vector<std::string> rows;
        sqlite3_stmt* pStatement = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(m_pDb, pszSql, -1, &pStatement, nullptr), SQLITE_OK)
            << sqlite3_errmsg(m_pDb);
        while (sqlite3_step(pStatement) == SQLITE_ROW) {
            std::string strRow;
            for (int i = 0; i < sqlite3_column_count(pStatement); ++i) {
                const auto* pBytes = static_cast<const char*>(sqlite3_column_blob(pStatement, i));
                if (i > 0) {
                    strRow += '|';
                }
                strRow.append(pBytes != nullptr ? pBytes : "",
                              std::size_t(sqlite3_column_bytes(pStatement, i)));
            }
            rows.push_back(strRow);
        }
        sqlite3_finalize(pStatement);
        return rows;
    }

private:
    sqlite3* m_pDb = nullptr;
};

std::vector<std::string> DamagedCopies(const std::string& strFolder) {
    std::vector<std::string> copies;
    const std::regex pattern(R"(registry\.sqlite3\.damaged-\d{8}-\d{6}(-\d+)?)");
    for (const auto& entry : std::filesystem::directory_iterator(strFolder)) {
        if (std::regex_match(entry.path().filename().string(), pattern)) {
            copies.push_back(entry.path().string());
        }
    }
    std::sort(copies.begin(), copies.end());
    return copies;
}

class RegistryStoreTest : public ::testing::Test {
protected:
    CTempConfigHome m_home;
};

TEST_F(RegistryStoreTest, FileHoldsTheTablesAndTheValuesBytesExactly) {
    ASSERT_EQ(SetValue(kParameters, "VonKochView", REG_SZ, std::string("5,1\n", 5)), ERROR_SUCCESS);
    ASSERT_EQ(SetValue(kParameters, "NoUpdateCheck", REG_DWORD, std::string("\x04\x03\x02\x01")),
              ERROR_SUCCESS);

    CStoreReader reader(m_home.StoreFile());
    EXPECT_EQ(reader.Rows("SELECT name, sql FROM sqlite_master WHERE type = 'table' ORDER BY name"),
              (std::vector<std::string>{
                  "key|CREATE TABLE key (path TEXT PRIMARY KEY COLLATE NOCASE)",
                  "value|CREATE TABLE value (key TEXT NOT NULL COLLATE NOCASE REFERENCES "
                  "key(path), name TEXT NOT NULL COLLATE NOCASE, type INTEGER NOT NULL, data "
                  "BLOB NOT NULL, PRIMARY KEY (key, name))"}));
    EXPECT_EQ(reader.Rows("PRAGMA journal_mode"), std::vector<std::string>{"wal"});
    EXPECT_EQ(reader.Rows("SELECT path FROM key ORDER BY path"),
              (std::vector<std::string>{"Software", "Software\\Korvat",
                                        "Software\\Korvat\\Korvat Nimbrel",
                                        "Software\\Korvat\\Korvat Nimbrel\\Parameters"}));
    EXPECT_EQ(reader.Rows("SELECT key, name, type, typeof(data), data FROM value ORDER BY name"),
              (std::vector<std::string>{
                  std::string("Software\\Korvat\\Korvat Nimbrel\\Parameters|NoUpdateCheck|4|blob|"
                              "\x04\x03\x02\x01"),
                  "Software\\Korvat\\Korvat Nimbrel\\Parameters|VonKochView|1|blob|" +
                      std::string("5,1\n\0", 5)}));
}

TEST_F(RegistryStoreTest, ProgramsWritingAtOnceKeepEachOthersValues) {
    constexpr int kChildren = 4;
    constexpr int kValuesEach = 100;
    ASSERT_EQ(SetValue(kParameters, "Start", REG_DWORD, std::string(4, '\0')), ERROR_SUCCESS);
    // The children wait on the pipe and all start writing when the parent closes it.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    std::vector<pid_t> children;
    for (int nChild = 0; nChild < kChildren; ++nChild) {
        const pid_t pid = fork();
        if (pid == 0) {
            close(fds[1]);
            char c;
            while (read(fds[0], &c, 1) > 0) {
            }
            int nFailures = 0;
            for (int i = 0; i < kValuesEach; ++i) {
                const std::string strName =
                    "Child" + std::to_string(nChild) + "Value" + std::to_string(i);
                nFailures +=
                    SetValue(kParameters, strName, REG_SZ, strName + '\0') != ERROR_SUCCESS;
                // Everyone also rewrites one shared value and creates keys of their own.
                nFailures +=
                    SetValue(kParameters, "Shared", REG_SZ, strName + '\0') != ERROR_SUCCESS;
                const std::string strKey =
                    std::string(kParameters) + "\\Child" + std::to_string(nChild);
                nFailures += SetValue(strKey.c_str(), strName, REG_DWORD, "abcd") != ERROR_SUCCESS;
            }
            _exit(nFailures == 0 ? 0 : 1);
        }
        children.push_back(pid);
    }
    close(fds[0]);
    close(fds[1]);
    for (pid_t pid : children) {
        int nStatus = -1;
        waitpid(pid, &nStatus, 0);
        EXPECT_TRUE(ExitedCleanly(nStatus)) << "status " << nStatus;
    }
    for (int nChild = 0; nChild < kChildren; ++nChild) {
        for (int i = 0; i < kValuesEach; ++i) {
            const std::string strName =
                "Child" + std::to_string(nChild) + "Value" + std::to_string(i);
            std::string strBytes;
            EXPECT_EQ(GetValue(kParameters, strName, strBytes), ERROR_SUCCESS) << strName;
            EXPECT_EQ(strBytes, strName + '\0');
            const std::string strKey =
                std::string(kParameters) + "\\Child" + std::to_string(nChild);
            EXPECT_EQ(GetValue(strKey.c_str(), strName, strBytes), ERROR_SUCCESS) << strName;
        }
    }
    CStoreReader reader(m_home.StoreFile());
    EXPECT_EQ(reader.Rows("PRAGMA integrity_check"), std::vector<std::string>{"ok"});
    EXPECT_EQ(reader.Rows("SELECT count(*) FROM value"),
              std::vector<std::string>{std::to_string(2 + 2 * kChildren * kValuesEach)});
}

TEST_F(RegistryStoreTest, DamagedFileIsRenamedAsideAndReportedOnce) {
    std::string strGarbage;
    for (int i = 0; i < 200; ++i) {
        strGarbage += "this is no database, only garbage ";
    }
    CTempConfigHome::WriteFile(m_home.StoreFile(), strGarbage);
    CTempConfigHome::WriteFile(m_home.StoreFile() + "-wal", "stale journal");

    ASSERT_EQ(SetValue(kParameters, "Fresh", REG_SZ, std::string("1", 2)), ERROR_SUCCESS);
    std::string strBytes;
    EXPECT_EQ(GetValue(kParameters, "Fresh", strBytes), ERROR_SUCCESS);

    const std::vector<std::string> copies = DamagedCopies(m_home.StoreFolder());
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(CTempConfigHome::ReadFile(copies[0]), strGarbage);
    EXPECT_EQ(CTempConfigHome::ReadFile(copies[0] + "-wal"), "stale journal");

    const std::optional<std::string> warning = TakeRegistryStoreWarning();
    ASSERT_TRUE(warning.has_value());
    EXPECT_NE(warning->find(copies[0]), std::string::npos) << *warning;
    for (char c : *warning) {
        EXPECT_TRUE(c > 0 && c < 0x7F) << "not plain text: " << int(c);
    }
    EXPECT_FALSE(TakeRegistryStoreWarning().has_value());
    // Later calls work on the fresh store and have nothing more to report.
    EXPECT_EQ(GetValue(kParameters, "Fresh", strBytes), ERROR_SUCCESS);
    EXPECT_FALSE(TakeRegistryStoreWarning().has_value());
}

TEST_F(RegistryStoreTest, EveryDamagedFileKeepsACopyOfItsOwn) {
    const std::vector<std::string> damaged = {
        std::string(5000, '\xFF'),                                            // garbage
        "SQLite format 3" + std::string(1, '\0') + std::string(1000, '\x01'), // broken header
    };
    for (const std::string& strBytes : damaged) {
        CTempConfigHome::WriteFile(m_home.StoreFile(), strBytes);
        EXPECT_EQ(SetValue(kParameters, "Fresh", REG_SZ, std::string("1", 2)), ERROR_SUCCESS);
    }
    const std::vector<std::string> copies = DamagedCopies(m_home.StoreFolder());
    ASSERT_EQ(copies.size(), damaged.size());
    std::vector<std::string> contents;
    for (const std::string& strCopy : copies) {
        contents.push_back(CTempConfigHome::ReadFile(strCopy));
    }
    std::sort(contents.begin(), contents.end());
    std::vector<std::string> expected = damaged;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(contents, expected);
    // Both reported, in one warning.
    const std::optional<std::string> warning = TakeRegistryStoreWarning();
    ASSERT_TRUE(warning.has_value());
    for (const std::string& strCopy : copies) {
        EXPECT_NE(warning->find(strCopy), std::string::npos);
    }
}

TEST_F(RegistryStoreTest, DatabaseWithOtherTablesOfTheseNamesIsSetAside) {
    std::filesystem::create_directories(m_home.StoreFolder());
    {
        sqlite3* pDb = nullptr;
        ASSERT_EQ(sqlite3_open(m_home.StoreFile().c_str(), &pDb), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(pDb, "CREATE TABLE key (id INTEGER, label TEXT)", nullptr, nullptr,
                               nullptr),
                  SQLITE_OK);
        sqlite3_close(pDb);
    }
    EXPECT_EQ(SetValue(kParameters, "Fresh", REG_SZ, std::string("1", 2)), ERROR_SUCCESS);
    EXPECT_EQ(DamagedCopies(m_home.StoreFolder()).size(), 1u);
    EXPECT_TRUE(TakeRegistryStoreWarning().has_value());
}

TEST_F(RegistryStoreTest, FolderThatCannotBeWrittenGivesErrorCodes) {
    // One folder without a store yet, one with a store written before it became read-only.
    for (const bool bWithStore : {false, true}) {
        CTempConfigHome home;
        if (bWithStore) {
            ASSERT_EQ(SetValue(kParameters, "Kept", REG_SZ, std::string("1", 2)), ERROR_SUCCESS);
        } else {
            std::filesystem::create_directories(home.StoreFolder());
        }
        const std::string strBefore = CTempConfigHome::ReadFile(home.StoreFile());
        chmod(home.StoreFolder().c_str(), 0555);
        if (bWithStore) {
            chmod(home.StoreFile().c_str(), 0444);
        }
        const int nStatus = RunInChild([&] {
            BecomeUnprivileged(home.Root());
            EXPECT_NE(SetValue(kParameters, "New", REG_SZ, std::string("2", 2)), ERROR_SUCCESS);
            std::string strBytes = "untouched";
            const LSTATUS nRead = GetValue(kParameters, "Kept", strBytes);
            // Reading may or may not be possible without writing; either way no guess.
            EXPECT_TRUE(nRead == ERROR_SUCCESS ? strBytes == std::string("1", 2)
                                               : strBytes == "untouched");
            EXPECT_NE(GetValue(kParameters, "New", strBytes), ERROR_SUCCESS);
        });
        if (CouldNotDropRoot(nStatus)) {
            GTEST_SKIP() << "cannot give up root here";
        }
        EXPECT_TRUE(ExitedCleanly(nStatus)) << "status " << nStatus;
        EXPECT_EQ(CTempConfigHome::ReadFile(home.StoreFile()), strBefore);
        EXPECT_TRUE(DamagedCopies(home.StoreFolder()).empty());
    }
}

} // namespace
