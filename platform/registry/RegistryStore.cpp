// SPDX-License-Identifier: MIT
#include "platform/registry/RegistryStore.h"

#include <cstdio>
#include <memory>
#include <mutex>
#include <set>
#include <sqlite3.h>
#include <unistd.h>

#include "platform/registry/RegistryBatch.h"
#include "platform/registry/StoreLocation.h"
#include "platform/registry/StoreRecovery.h"

namespace {

// The tables, exactly: other programs may read the store with their own SQLite tools.
constexpr const char* kKeyTable = "CREATE TABLE key (path TEXT PRIMARY KEY COLLATE NOCASE)";
constexpr const char* kValueTable =
    "CREATE TABLE value (key TEXT NOT NULL COLLATE NOCASE REFERENCES key(path), "
    "name TEXT NOT NULL COLLATE NOCASE, type INTEGER NOT NULL, data BLOB NOT NULL, "
    "PRIMARY KEY (key, name))";

// How long a call waits for another program's write before giving up, in milliseconds.
constexpr int kBusyTimeout = 5000;
// A file found damaged is set aside and the open tried again this often.
constexpr int kOpenAttempts = 3;

using CStatementPtr = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

// The last connection to close normally copies the journal into the file and deletes the
// journal. A damaged file and its journal must stay as they are, to be set aside together.
void LeaveFileAlone(sqlite3* pDb) {
    sqlite3_db_config(pDb, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
}

// Whether a result says the file itself cannot serve as a store: damaged, not a database,
// a format this SQLite cannot read ("unsupported file format" and other schema errors come
// as SQLITE_ERROR), or anything else that is not about the machine or other programs. The
// file is looked at again before it is set aside, so an error of our own moves nothing.
bool IsDamage(int nResult) {
    switch (nResult & 0xFF) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_NOMEM:
    case SQLITE_READONLY:
    case SQLITE_INTERRUPT:
    case SQLITE_IOERR:
    case SQLITE_FULL:
    case SQLITE_CANTOPEN:
    case SQLITE_PROTOCOL:
    case SQLITE_CONSTRAINT:
    case SQLITE_NOLFS:
    case SQLITE_AUTH:
    case SQLITE_PERM:
    case SQLITE_MISUSE:
        return false;
    default:
        return true;
    }
}

// Results that mean this process may not write where the store lives.
bool IsWriteRefused(int nResult) {
    switch (nResult & 0xFF) {
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_IOERR:
        return true;
    default:
        return false;
    }
}

// The files this process has quick-checked: the check reads every page, cheap at the size of
// a settings store, but once per process is enough.
std::mutex g_checkedMutex;
std::set<std::string> g_checkedFiles;

// A file name as a URI path: everything but unreserved characters and '/' escaped.
std::string UriPath(const std::string& strFile) {
    std::string strUri;
    for (const char c : strFile) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
            c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            strUri += c;
        } else {
            char szEscape[4];
            std::snprintf(szEscape, sizeof szEscape, "%%%02X", b);
            strUri += szEscape;
        }
    }
    return strUri;
}

LSTATUS ErrorCode(int nResult) {
    switch (nResult & 0xFF) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
        return ERROR_SUCCESS;
    case SQLITE_CANTOPEN:
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return ERROR_ACCESS_DENIED;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return ERROR_SHARING_VIOLATION;
    case SQLITE_FULL:
        return ERROR_DISK_FULL;
    case SQLITE_NOMEM:
        return ERROR_OUTOFMEMORY;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return ERROR_BADDB;
    case SQLITE_CONSTRAINT:
        // The one rule a write can break: its value's key is no longer there.
        return ERROR_KEY_DELETED;
    default:
        return ERROR_REGISTRY_IO_FAILED;
    }
}

int Prepare(sqlite3* pDb, const char* pszSql, CStatementPtr& statement) {
    sqlite3_stmt* pStatement = nullptr;
    const int nResult = sqlite3_prepare_v2(pDb, pszSql, -1, &pStatement, nullptr);
    statement.reset(pStatement);
    return nResult;
}

int BindText(sqlite3_stmt* pStatement, int nIndex, const std::string& strText) {
    return sqlite3_bind_text64(pStatement, nIndex, strText.data(), strText.size(), SQLITE_TRANSIENT,
                               SQLITE_UTF8);
}

// Runs a statement without results; SQLITE_OK when it went through.
int Execute(sqlite3* pDb, const char* pszSql, const std::string* pArgument = nullptr) {
    CStatementPtr statement(nullptr, sqlite3_finalize);
    int nResult = Prepare(pDb, pszSql, statement);
    if (nResult == SQLITE_OK && pArgument != nullptr) {
        nResult = BindText(statement.get(), 1, *pArgument);
    }
    if (nResult == SQLITE_OK) {
        nResult = sqlite3_step(statement.get());
    }
    while (nResult == SQLITE_ROW) {
        nResult = sqlite3_step(statement.get());
    }
    return nResult == SQLITE_DONE ? SQLITE_OK : nResult;
}

// BEGIN IMMEDIATE takes the write lock at once (waiting for it up to the busy timeout), so
// a transaction never has to give up half-way because another program wrote meanwhile.
// Inside a batch's transaction a call is a savepoint of it instead, undone alone on failure.
template <class Body> int InTransaction(sqlite3* pDb, Body body) {
    if (sqlite3_get_autocommit(pDb) == 0) {
        int nResult = Execute(pDb, "SAVEPOINT registry_call");
        if (nResult != SQLITE_OK) {
            return nResult;
        }
        nResult = body();
        if (nResult != SQLITE_OK) {
            Execute(pDb, "ROLLBACK TO registry_call");
        }
        const int nRelease = Execute(pDb, "RELEASE registry_call");
        return nResult != SQLITE_OK ? nResult : nRelease;
    }
    int nResult = Execute(pDb, "BEGIN IMMEDIATE");
    if (nResult != SQLITE_OK) {
        return nResult;
    }
    nResult = body();
    if (nResult == SQLITE_OK) {
        nResult = Execute(pDb, "COMMIT");
    }
    if (nResult != SQLITE_OK && sqlite3_get_autocommit(pDb) == 0) {
        Execute(pDb, "ROLLBACK");
    }
    return nResult;
}

struct CSchema {
    bool bKey = false;     // the key table, exactly as ours
    bool bValue = false;   // the value table, exactly as ours
    bool bForeign = false; // a table, view, index or trigger of either name made some other way

    bool IsComplete() const { return bKey && bValue && !bForeign; }
};

// Names of schema objects are compared without regard to case, so "VALUE" blocks "value".
int ReadSchema(sqlite3* pDb, CSchema& schema) {
    CStatementPtr statement(nullptr, sqlite3_finalize);
    int nResult = Prepare(pDb,
                          "SELECT type, name, sql FROM sqlite_master WHERE "
                          "lower(name) IN ('key', 'value')",
                          statement);
    if (nResult != SQLITE_OK) {
        return nResult;
    }
    schema = {};
    while ((nResult = sqlite3_step(statement.get())) == SQLITE_ROW) {
        auto column = [&statement](int i) {
            const auto* psz =
                reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), i));
            return std::string(psz != nullptr ? psz : "");
        };
        const std::string strType = column(0);
        const std::string strName = column(1);
        const std::string strSql = column(2);
        const bool bKey = strType == "table" && strName == "key" && strSql == kKeyTable;
        const bool bValue = strType == "table" && strName == "value" && strSql == kValueTable;
        schema.bKey = schema.bKey || bKey;
        schema.bValue = schema.bValue || bValue;
        schema.bForeign = schema.bForeign || (!bKey && !bValue);
    }
    return nResult == SQLITE_DONE ? SQLITE_OK : nResult;
}

// SQLITE_CORRUPT unless the file passes SQLite's quick check.
int QuickCheck(sqlite3* pDb) {
    CStatementPtr statement(nullptr, sqlite3_finalize);
    int nResult = Prepare(pDb, "PRAGMA quick_check", statement);
    if (nResult == SQLITE_OK) {
        nResult = sqlite3_step(statement.get());
    }
    if (nResult == SQLITE_ROW) {
        const auto* pszCheck =
            reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), 0));
        return pszCheck != nullptr && std::string(pszCheck) == "ok" ? SQLITE_OK : SQLITE_CORRUPT;
    }
    return nResult == SQLITE_DONE ? SQLITE_CORRUPT : nResult;
}

// Creates whichever of the two tables is missing, looking again inside the transaction
// because another program may have created them since.
int CreateTables(sqlite3* pDb) {
    return InTransaction(pDb, [pDb] {
        CSchema schema;
        int nResult = ReadSchema(pDb, schema);
        if (nResult == SQLITE_OK && !schema.bForeign && !schema.bKey) {
            nResult = Execute(pDb, kKeyTable);
        }
        if (nResult == SQLITE_OK && !schema.bForeign && !schema.bValue) {
            nResult = Execute(pDb, kValueTable);
        }
        return nResult;
    });
}

// The store's tables, created when missing; SQLITE_NOTADB for a file that holds tables of
// those names defined differently, which is no store of ours.
int EnsureSchema(sqlite3* pDb) {
    CSchema schema;
    int nResult = ReadSchema(pDb, schema);
    if (nResult == SQLITE_OK && !schema.IsComplete() && !schema.bForeign) {
        nResult = CreateTables(pDb);
        if (nResult == SQLITE_OK) {
            nResult = ReadSchema(pDb, schema);
        }
    }
    if (nResult == SQLITE_OK && !schema.IsComplete()) {
        nResult = SQLITE_NOTADB;
    }
    return nResult;
}

// Splits "a\b\c" into "a", "a\b", "a\b\c".
std::vector<std::string> PathAndParents(const std::string& strPath) {
    std::vector<std::string> paths;
    for (std::size_t nPos = strPath.find('\\'); nPos != std::string::npos;
         nPos = strPath.find('\\', nPos + 1)) {
        paths.push_back(strPath.substr(0, nPos));
    }
    paths.push_back(strPath);
    return paths;
}

// Looks a key up by its path; SQLITE_ROW with the stored spelling, SQLITE_DONE when absent.
int LookUpKey(sqlite3* pDb, const std::string& strPath, std::string& strStoredPath) {
    CStatementPtr statement(nullptr, sqlite3_finalize);
    int nResult = Prepare(pDb, "SELECT path FROM key WHERE path = ?1", statement);
    if (nResult == SQLITE_OK) {
        nResult = BindText(statement.get(), 1, strPath);
    }
    if (nResult == SQLITE_OK) {
        nResult = sqlite3_step(statement.get());
    }
    if (nResult == SQLITE_ROW) {
        const auto* pText = static_cast<const char*>(sqlite3_column_blob(statement.get(), 0));
        strStoredPath.assign(pText != nullptr ? pText : "",
                             std::size_t(sqlite3_column_bytes(statement.get(), 0)));
    }
    return nResult;
}

// A text or blob value through a blob handle, which knows the size without reading the bytes.
int ReadBytes(sqlite3* pDb, sqlite3_int64 nRow, DWORD cbWanted, DWORD& cbSize,
              std::vector<BYTE>& data) {
    sqlite3_blob* pBlob = nullptr;
    int nResult = sqlite3_blob_open(pDb, "main", "value", "data", nRow, 0, &pBlob);
    if (nResult == SQLITE_OK) {
        const int nBytes = sqlite3_blob_bytes(pBlob);
        cbSize = DWORD(nBytes);
        data.clear();
        if (cbSize <= cbWanted && nBytes > 0) {
            data.resize(std::size_t(nBytes));
            nResult = sqlite3_blob_read(pBlob, data.data(), nBytes, 0);
        }
    }
    const int nClose = sqlite3_blob_close(pBlob);
    return nResult == SQLITE_OK ? nClose : nResult;
}

// A number or NULL put there by hand: small, read as SQLite shows it as bytes.
int ReadOtherValue(sqlite3* pDb, sqlite3_int64 nRow, DWORD cbWanted, DWORD& cbSize,
                   std::vector<BYTE>& data) {
    CStatementPtr statement(nullptr, sqlite3_finalize);
    int nResult = Prepare(pDb, "SELECT data FROM value WHERE rowid = ?1", statement);
    if (nResult == SQLITE_OK) {
        nResult = sqlite3_bind_int64(statement.get(), 1, nRow);
    }
    if (nResult == SQLITE_OK) {
        nResult = sqlite3_step(statement.get());
    }
    if (nResult == SQLITE_ROW) {
        const auto* pData = static_cast<const BYTE*>(sqlite3_column_blob(statement.get(), 0));
        const int nBytes = pData != nullptr ? sqlite3_column_bytes(statement.get(), 0) : 0;
        cbSize = DWORD(nBytes);
        data.clear();
        if (cbSize <= cbWanted) {
            data.assign(pData, pData + nBytes);
        }
        return SQLITE_OK;
    }
    return nResult;
}

} // namespace

CRegistryStore::~CRegistryStore() {
    Disconnect();
}

int CRegistryStore::Connect() {
    m_bReadOnly = false;
    const int nResult = sqlite3_open_v2(m_strFile.c_str(), &m_pDb,
                                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (m_pDb != nullptr) {
        sqlite3_extended_result_codes(m_pDb, 1);
        sqlite3_busy_timeout(m_pDb, kBusyTimeout);
    }
    return nResult;
}

// In a folder this process cannot write, the journal of a write-ahead store cannot be made.
// Plain read-only access is tried first; when even that needs the journal's files, the file
// is read as immutable, which is sound because no program can write the store there either.
int CRegistryStore::ConnectReadOnly() {
    int nResult = SQLITE_CANTOPEN;
    for (const char* pszMode : {"?mode=ro", "?immutable=1"}) {
        const std::string strUri = "file:" + UriPath(m_strFile) + pszMode;
        nResult = sqlite3_open_v2(strUri.c_str(), &m_pDb, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                                  nullptr);
        if (m_pDb != nullptr) {
            sqlite3_extended_result_codes(m_pDb, 1);
            sqlite3_busy_timeout(m_pDb, kBusyTimeout);
        }
        CSchema schema;
        if (nResult == SQLITE_OK) {
            nResult = ReadSchema(m_pDb, schema);
        }
        if (nResult == SQLITE_OK && schema.bForeign) {
            nResult = SQLITE_NOTADB;
        } else if (nResult == SQLITE_OK && !schema.IsComplete()) {
            // Nothing stored yet, and no way to make the tables.
            nResult = SQLITE_CANTOPEN;
        }
        if (nResult == SQLITE_OK) {
            m_bReadOnly = true;
            return nResult;
        }
        Disconnect(IsDamage(nResult));
        if (IsDamage(nResult)) {
            return nResult;
        }
    }
    return nResult;
}

sqlite3* CRegistryStore::Connection() {
    if (m_bBorrowed) {
        const CRegistryBatch* pBatch = CRegistryBatch::Active(m_strFile);
        if (pBatch == nullptr || pBatch->m_state != CRegistryBatch::EState::Held ||
            pBatch->m_store.m_nBatchSerial != m_nBatchSerial) {
            m_pDb = nullptr;
            m_bBorrowed = false;
        }
    }
    return m_pDb;
}

void CRegistryStore::Disconnect(bool bDamaged) {
    if (m_bBorrowed) {
        // The batch's connection stays open for the batch.
        m_pDb = nullptr;
        m_bBorrowed = false;
        return;
    }
    if (bDamaged && m_pDb != nullptr) {
        LeaveFileAlone(m_pDb);
    }
    // Every statement is finalised before this; should one be left, the connection still
    // closes as soon as it goes instead of holding the file for the rest of the run.
    sqlite3_close_v2(m_pDb);
    m_pDb = nullptr;
}

int CRegistryStore::CheckOnce() {
    {
        std::lock_guard lock(g_checkedMutex);
        if (g_checkedFiles.count(m_strFile) != 0) {
            return SQLITE_OK;
        }
    }
    const int nResult = QuickCheck(m_pDb);
    if (nResult == SQLITE_OK) {
        std::lock_guard lock(g_checkedMutex);
        g_checkedFiles.insert(m_strFile);
    }
    return nResult;
}

int CRegistryStore::PrepareStore() {
    // A file that is no store of ours is set aside as it was found, before the journal mode
    // below rewrites its header.
    CSchema schema;
    int nSchema = ReadSchema(m_pDb, schema);
    if (nSchema == SQLITE_OK && schema.bForeign) {
        nSchema = SQLITE_NOTADB;
    }
    if (nSchema != SQLITE_OK) {
        return nSchema;
    }
    // Write-ahead logging lets readers and one writer of several programs work at once
    // without ever blocking a reader. The mode stays with the file; when another program
    // holds it busy the file already has it, so that result is not an error.
    int nResult = Execute(m_pDb, "PRAGMA journal_mode = WAL");
    if (nResult != SQLITE_OK && (nResult & 0xFF) != SQLITE_BUSY) {
        return nResult;
    }
    // With the journal, NORMAL never corrupts the store; only a power cut right after a
    // write may lose that write. FULL would wait for the disk on every value.
    nResult = Execute(m_pDb, "PRAGMA synchronous = NORMAL");
    if (nResult != SQLITE_OK) {
        return nResult;
    }
    nResult = Execute(m_pDb, "PRAGMA foreign_keys = ON");
    if (nResult != SQLITE_OK) {
        return nResult;
    }
    return EnsureSchema(m_pDb);
}

LSTATUS CRegistryStore::Open() {
    Disconnect();
    m_strFile = RegistryStoreFile();
    if (CRegistryBatch* pBatch = CRegistryBatch::Active(m_strFile)) {
        if (pBatch->m_state == CRegistryBatch::EState::Refused) {
            return ERROR_SHARING_VIOLATION;
        }
        if (pBatch->m_state == CRegistryBatch::EState::Held) {
            m_pDb = pBatch->m_store.m_pDb;
            m_bReadOnly = false;
            m_bBorrowed = true;
            m_nBatchSerial = pBatch->m_store.m_nBatchSerial;
            return ERROR_SUCCESS;
        }
    }
    const LSTATUS nFolder = MakeStoreFolder(RegistryStoreFolder());
    if (nFolder != ERROR_SUCCESS) {
        return nFolder;
    }
    for (int nAttempt = 0; nAttempt < kOpenAttempts; ++nAttempt) {
        int nResult = Connect();
        if (nResult == SQLITE_OK) {
            nResult = PrepareStore();
        }
        if (nResult != SQLITE_OK && IsWriteRefused(nResult) &&
            access(m_strFile.c_str(), F_OK) == 0) {
            Disconnect();
            const int nReadOnly = ConnectReadOnly();
            if (nReadOnly == SQLITE_OK) {
                ReportReadOnlyStore(RegistryStoreFolder());
            }
            nResult = nReadOnly == SQLITE_OK || IsDamage(nReadOnly) ? nReadOnly : nResult;
        }
        if (nResult == SQLITE_OK) {
            nResult = CheckOnce();
        }
        if (nResult == SQLITE_OK) {
            return ERROR_SUCCESS;
        }
        Disconnect(IsDamage(nResult));
        if (!IsDamage(nResult)) {
            return ErrorCode(nResult);
        }
        if (SetDamagedStoreAside(m_strFile, IsDamagedStore) == CSetAsideResult::Failed) {
            return ERROR_BADDB;
        }
    }
    return ERROR_BADDB;
}

LSTATUS CRegistryStore::Result(int nResult) {
    if (IsDamage(nResult)) {
        const bool bBorrowed = m_bBorrowed;
        Disconnect(true);
        if (CRegistryBatch* pBatch = CRegistryBatch::Active(m_strFile); pBatch && bBorrowed) {
            pBatch->EndOnDamage();
        }
        SetDamagedStoreAside(m_strFile, IsDamagedStore);
    }
    return ErrorCode(nResult);
}

LSTATUS CRegistryStore::FindKey(const std::string& strPath, std::string& strStoredPath) {
    if (strPath.empty()) {
        strStoredPath.clear();
        return ERROR_SUCCESS;
    }
    if (Connection() == nullptr) {
        return ERROR_BADDB;
    }
    const int nResult = LookUpKey(m_pDb, strPath, strStoredPath);
    if (nResult == SQLITE_ROW) {
        return ERROR_SUCCESS;
    }
    return nResult == SQLITE_DONE ? ERROR_FILE_NOT_FOUND : Result(nResult);
}

LSTATUS CRegistryStore::CreateKey(const std::string& strPath, std::string& strStoredPath,
                                  bool& bCreated) {
    bCreated = false;
    if (strPath.empty()) {
        strStoredPath.clear();
        return ERROR_SUCCESS;
    }
    if (Connection() == nullptr) {
        return ERROR_BADDB;
    }
    if (m_bReadOnly) {
        std::string strStored;
        const LSTATUS nFound = FindKey(strPath, strStored);
        if (nFound == ERROR_SUCCESS) {
            strStoredPath = strStored;
        }
        return nFound == ERROR_FILE_NOT_FOUND ? ERROR_ACCESS_DENIED : nFound;
    }
    bool bNew = false;
    std::string strStored;
    const int nResult = InTransaction(m_pDb, [&] {
        int nStep = LookUpKey(m_pDb, strPath, strStored);
        if (nStep != SQLITE_DONE) {
            return nStep == SQLITE_ROW ? SQLITE_OK : nStep;
        }
        // Like the registry, a key comes with all its parents; those that exist keep
        // the spelling they were created with.
        for (const std::string& strKey : PathAndParents(strPath)) {
            nStep = Execute(m_pDb, "INSERT OR IGNORE INTO key (path) VALUES (?1)", &strKey);
            if (nStep != SQLITE_OK) {
                return nStep;
            }
        }
        bNew = true;
        strStored = strPath;
        return SQLITE_OK;
    });
    if (nResult != SQLITE_OK) {
        return Result(nResult);
    }
    bCreated = bNew;
    strStoredPath = strStored;
    return ERROR_SUCCESS;
}

LSTATUS CRegistryStore::QueryValue(const std::string& strKey, const std::string& strName,
                                   DWORD cbWanted, DWORD& dwType, DWORD& cbSize,
                                   std::vector<BYTE>& data) {
    if (Connection() == nullptr) {
        return ERROR_BADDB;
    }
    // typeof() and the blob handle's size come from the row's header: a value's bytes are
    // read only when the caller can take them.
    CStatementPtr statement(nullptr, sqlite3_finalize);
    int nResult = Prepare(m_pDb,
                          "SELECT type, rowid, typeof(data) IN ('blob', 'text') FROM value "
                          "WHERE key = ?1 AND name = ?2",
                          statement);
    if (nResult == SQLITE_OK) {
        nResult = BindText(statement.get(), 1, strKey);
    }
    if (nResult == SQLITE_OK) {
        nResult = BindText(statement.get(), 2, strName);
    }
    if (nResult == SQLITE_OK) {
        nResult = sqlite3_step(statement.get());
    }
    if (nResult == SQLITE_ROW) {
        dwType = DWORD(sqlite3_column_int64(statement.get(), 0));
        const sqlite3_int64 nRow = sqlite3_column_int64(statement.get(), 1);
        const bool bBytes = sqlite3_column_int(statement.get(), 2) != 0;
        // The statement's read transaction stays open while the bytes are read.
        nResult = bBytes ? ReadBytes(m_pDb, nRow, cbWanted, cbSize, data)
                         : ReadOtherValue(m_pDb, nRow, cbWanted, cbSize, data);
    }
    statement.reset();
    if (nResult == SQLITE_OK) {
        return ERROR_SUCCESS;
    }
    return nResult == SQLITE_DONE ? ERROR_FILE_NOT_FOUND : Result(nResult);
}

LSTATUS CRegistryStore::SetValue(const std::string& strKey, const std::string& strName,
                                 DWORD dwType, const BYTE* pData, DWORD cbData) {
    if (Connection() == nullptr) {
        return ERROR_BADDB;
    }
    if (m_bReadOnly) {
        return ERROR_ACCESS_DENIED;
    }
    const int nResult = InTransaction(m_pDb, [&] {
        // Values set on the root itself hang on a key row of their own, "".
        if (strKey.empty()) {
            const int nRoot = Execute(m_pDb, "INSERT OR IGNORE INTO key (path) VALUES ('')");
            if (nRoot != SQLITE_OK) {
                return nRoot;
            }
        }
        CStatementPtr statement(nullptr, sqlite3_finalize);
        // A name that differs only in case replaces the value and keeps its first spelling.
        int nSet = Prepare(m_pDb,
                           "INSERT INTO value (key, name, type, data) VALUES (?1, ?2, ?3, ?4) "
                           "ON CONFLICT (key, name) DO UPDATE SET type = excluded.type, "
                           "data = excluded.data",
                           statement);
        if (nSet == SQLITE_OK) {
            nSet = BindText(statement.get(), 1, strKey);
        }
        if (nSet == SQLITE_OK) {
            nSet = BindText(statement.get(), 2, strName);
        }
        if (nSet == SQLITE_OK) {
            nSet = sqlite3_bind_int64(statement.get(), 3, sqlite3_int64(dwType));
        }
        if (nSet == SQLITE_OK) {
            // An empty value is an empty blob, never NULL.
            nSet = cbData == 0
                       ? sqlite3_bind_zeroblob(statement.get(), 4, 0)
                       : sqlite3_bind_blob64(statement.get(), 4, pData, cbData, SQLITE_TRANSIENT);
        }
        if (nSet == SQLITE_OK) {
            nSet = sqlite3_step(statement.get());
        }
        return nSet == SQLITE_DONE ? SQLITE_OK : nSet;
    });
    return Result(nResult);
}

bool CRegistryStore::IsDamagedStore(const std::string& strFile) {
    sqlite3* pDb = nullptr;
    int nResult = sqlite3_open_v2(strFile.c_str(), &pDb, SQLITE_OPEN_READWRITE, nullptr);
    if (nResult == SQLITE_OK) {
        sqlite3_extended_result_codes(pDb, 1);
        sqlite3_busy_timeout(pDb, kBusyTimeout);
        LeaveFileAlone(pDb);
        nResult = QuickCheck(pDb);
    }
    if (nResult == SQLITE_OK) {
        CSchema schema;
        nResult = ReadSchema(pDb, schema);
        if (nResult == SQLITE_OK && schema.bForeign) {
            nResult = SQLITE_NOTADB;
        }
    }
    sqlite3_close_v2(pDb);
    return IsDamage(nResult);
}
