// SPDX-License-Identifier: MIT
#include "app/NimbrelApp.h"

#include "platform/registry/StoreRecovery.h"
#include "platform/shell/ShellOpen.h"
#include "platform/ui/core/MessageBox.h"
#include "settings/ProgramSettings.h"

namespace {

struct CShellErrorText {
    int nCode;
    const char* pszText;
};

constexpr CShellErrorText kShellErrors[] = {
    {SE_ERR_OUT_OF_RESOURCES, "The operating system is out of memory or resources"},
    {SE_ERR_FNF, "The specified file was not found"},
    {SE_ERR_PNF, "The specified path was not found"},
    {SE_ERR_ACCESSDENIED, "The operating system denied access to the specified file"},
    {SE_ERR_OOM, "There was not enough memory to complete the operation"},
    {SE_ERR_BAD_FORMAT, "The .exe file is invalid (non-Win32 .exe or error in .exe image)"},
    {SE_ERR_SHARE, "A sharing violation occurred"},
    {SE_ERR_ASSOCINCOMPLETE, "The file name association is incomplete or invalid"},
    {SE_ERR_DDETIMEOUT, "The DDE transaction could not be completed because the request timed out"},
    {SE_ERR_DDEFAIL, "The DDE transaction failed"},
    {SE_ERR_DDEBUSY, "The DDE transaction could not be completed because other DDE "
                     "transactions were being processed"},
    {SE_ERR_NOASSOC, "There is no application associated with the given file name extension "
                     "or File is not printable"},
    {SE_ERR_DLLNOTFOUND, "The specified DLL was not found"},
};

constexpr const char* kFirstFractalTab = "Von Koch SnowFlake";

} // namespace

CNimbrelApp::CNimbrelApp() = default;

CNimbrelApp::~CNimbrelApp() {
    ExitInstance();
}

BOOL CNimbrelApp::InitInstance() {
    CreateParameterKey();
    ReportDamagedStore();
    auto* pFrame = new CMainFrame(this);
    m_pMainWnd = pFrame;
    if (!pFrame->Create()) {
        delete pFrame;
        return 0;
    }
    pFrame->CreateViews();
    pFrame->show();
    pFrame->SwitchToFractal(0);
    pFrame->ActivateCategory(kFirstFractalTab);
    return 1;
}

void CNimbrelApp::BeginClosing() {
    if (!m_closingStore) {
        m_closingStore.emplace();
    }
}

int CNimbrelApp::ExitInstance(int nExitCode) {
    if (m_pMainWnd != nullptr) {
        BeginClosing();
        // Closing saves the window's placement; destroying it lets every view keep its
        // settings.
        if (m_pMainWnd->isVisible()) {
            m_pMainWnd->close();
        }
        delete m_pMainWnd.data();
    }
    m_closingStore.reset();
    return nExitCode;
}

std::string CNimbrelApp::ShellErrorMessage(int nCode) {
    std::string strMessage = "An Error Occured Starting your Web Browser \n";
    for (const CShellErrorText& entry : kShellErrors) {
        if (entry.nCode == nCode) {
            strMessage += entry.pszText;
        }
    }
    return strMessage;
}

void CNimbrelApp::ReportShellError(int nCode) {
    AfxMessageBox(ShellErrorMessage(nCode), MB_OK);
}

void CNimbrelApp::OpenWebPage(const std::string& strAddress) {
    const int nResult = ShellOpen(strAddress);
    if (nResult <= 32) {
        ReportShellError(nResult);
    }
}

void CNimbrelApp::ReportDamagedStore() {
    // A damaged store was set aside and a fresh one started when the key was opened; the
    // user hears of it once.
    if (const std::optional<std::string> strWarning = TakeRegistryStoreWarning()) {
        AfxMessageBox(*strWarning, MB_OK | MB_ICONWARNING);
    }
}
