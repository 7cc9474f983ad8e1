// SPDX-License-Identifier: MIT
// The program and its settings store in trouble while it runs: damage found during the run
// is told at once and the settings written at exit still kept; another program holding the
// store's lock at exit costs one question, never a hang.
#include <QtTest>

#include <sqlite3.h>

#include "app/AppTestSupport.h"
#include "app/NimbrelApp.h"
#include "fractals/FractalCatalog.h"
#include "platform/registry/StoreLocation.h"
#include "platform/registry/StoreLockHolder.h"
#include "settings/RegistryFunctions.h"
#include "settings/SettingsSaveScope.h"
#include "views/NimbrelBaseView.h"

namespace {

// Every settings string stored, by the views' names.
int StoredViewCount() {
    int nCount = 0;
    for (int i = 0; i < kFractalCount; ++i) {
        const std::unique_ptr<CNimbrelBaseView> pView = CreateFractalView(i);
        std::string strText;
        nCount += ReadRegistryString(kParameterKey, pView->GetSettingsName(), strText) == 0;
    }
    return nCount;
}

// Fills the pages of the value table and its index with garbage, as a disk fault would.
bool DamageValueTable(const std::string& strFile) {
    sqlite3* pDb = nullptr;
    sqlite3_open(strFile.c_str(), &pDb);
    sqlite3_stmt* pStatement = nullptr;
    sqlite3_prepare_v2(pDb, "SELECT rootpage FROM sqlite_master WHERE tbl_name = 'value'", -1,
                       &pStatement, nullptr);
    std::vector<long> pages;
    while (sqlite3_step(pStatement) == SQLITE_ROW) {
        pages.push_back(sqlite3_column_int(pStatement, 0));
    }
    sqlite3_finalize(pStatement);
    sqlite3_close(pDb);
    FILE* pFile = std::fopen(strFile.c_str(), "r+b");
    if (pFile == nullptr || pages.empty()) {
        return false;
    }
    const std::string strGarbage(4096, '\xFF');
    for (long nPage : pages) {
        std::fseek(pFile, (nPage - 1) * 4096, SEEK_SET);
        std::fwrite(strGarbage.data(), 1, strGarbage.size(), pFile);
    }
    std::fclose(pFile);
    return true;
}

} // namespace

class CSettingsStoreAppTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void damageFoundWhileRunningIsToldAtOnceAndTheExitStillSaves();
    void lockedStoreAtExitAsksOnceAndEndsWithoutSaving();
    void retryAtExitSavesOnceTheLockIsFree();

private:
    CMainFrame* Start();

    std::unique_ptr<CGuiTestEnvironment> m_pEnvironment;
    std::unique_ptr<CNimbrelApp> m_pApp;
};

void CSettingsStoreAppTest::init() {
    m_pEnvironment = std::make_unique<CGuiTestEnvironment>();
    CSettingsSaveScope::AskAgain();
}

void CSettingsStoreAppTest::cleanup() {
    m_pApp.reset();
    m_pEnvironment.reset();
    CSettingsSaveScope::AskAgain();
}

CMainFrame* CSettingsStoreAppTest::Start() {
    m_pApp = std::make_unique<CNimbrelApp>();
    return m_pApp->InitInstance() ? m_pApp->GetMainFrame() : nullptr;
}

void CSettingsStoreAppTest::damageFoundWhileRunningIsToldAtOnceAndTheExitStillSaves() {
    CMainFrame* pFrame = Start();
    QVERIFY(pFrame != nullptr);
    QCOMPARE(WriteRegistryDword(kParameterKey, "LastCheckTime", REG_DWORD, 1), 0L);
    QVERIFY(DamageValueTable(RegistryStoreFile()));
    const int nLines = pFrame->GetOutputWnd().GetLineCount();

    // A read during the run (the update check reads its values so) finds the damage.
    DWORD dwValue = 0;
    QVERIFY(ReadRegistryDword(kParameterKey, "LastCheckTime", dwValue) != 0);
    auto& messages = m_pEnvironment->messages;
    QTRY_COMPARE(messages.m_texts.size(), std::size_t(1));
    QVERIFY(messages.m_texts[0].find("renamed") != std::string::npos);
    QCOMPARE(pFrame->GetOutputWnd().GetLineCount(), nLines + 1);
    QVERIFY(pFrame->GetOutputWnd().GetLine(nLines).find("renamed") != std::string::npos);

    m_pApp.reset();
    QCOMPARE(StoredViewCount(), kFractalCount);
    QCOMPARE(messages.m_texts.size(), std::size_t(1));
}

void CSettingsStoreAppTest::lockedStoreAtExitAsksOnceAndEndsWithoutSaving() {
    QVERIFY(Start() != nullptr);
    CStoreLockHolder other(RegistryStoreFile());
    QVERIFY(other.IsHeld());
    m_pApp->ExitInstance();
    const auto& messages = m_pEnvironment->messages;
    QCOMPARE(messages.m_texts, std::vector<std::string>{kSettingsLockedText});
    QCOMPARE(messages.m_types[0] & MB_TYPEMASK, UINT(MB_RETRYCANCEL));
    other.Release();
    QCOMPARE(StoredViewCount(), 0);
}

void CSettingsStoreAppTest::retryAtExitSavesOnceTheLockIsFree() {
    QVERIFY(Start() != nullptr);
    CStoreLockHolder other(RegistryStoreFile());
    QVERIFY(other.IsHeld());
    m_pEnvironment->messages.m_fnAnswer = [&other] {
        other.Release();
        return int(IDRETRY);
    };
    m_pApp->ExitInstance();
    QCOMPARE(m_pEnvironment->messages.m_texts.size(), std::size_t(1));
    QCOMPARE(StoredViewCount(), kFractalCount);
}

QTEST_MAIN(CSettingsStoreAppTest)
#include "SettingsStoreAppTest.moc"
