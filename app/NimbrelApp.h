// SPDX-License-Identifier: MIT
// The application object: start-up (settings key, main frame, the ten views, the first
// picture) and shut-down (the frame and its views destroyed, each view keeping its
// settings), the last command target of the route, and the one way web pages are opened.
#pragma once

#include <optional>
#include <string>

#include <QPointer>

#include "app/MainFrame.h"
#include "platform/ui/core/CmdTarget.h"
#include "resources/Resource.h"
#include "settings/StoreSession.h"

class CNimbrelApp : public CCmdTarget {
public:
    CNimbrelApp();
    ~CNimbrelApp() override;
    CNimbrelApp(const CNimbrelApp&) = delete;
    CNimbrelApp& operator=(const CNimbrelApp&) = delete;

    // TRUE when the program is to run its event loop, FALSE to end at once.
    BOOL InitInstance();
    // Destroys the main frame if it is still there (its views keep their settings) and
    // answers the exit code to end with.
    int ExitInstance(int nExitCode = 0);

    // The main window is closing: the store stays open until ExitInstance has destroyed the
    // views, so the dozen values saved on the way out reach the disk together.
    void BeginClosing();

    // The message for a web page the shell could not open, by the shell's result code.
    void ReportShellError(int nCode);
    // Opens the address with the desktop's opener; a result of 32 or less is reported.
    void OpenWebPage(const std::string& strAddress);
    // The text ReportShellError shows for a code.
    static std::string ShellErrorMessage(int nCode);

    // Null before InitInstance and once the frame is destroyed.
    CMainFrame* GetMainFrame() const { return m_pMainWnd; }

    // The current application look (a command identifier 205 to 219), read from the
    // framework profile when the frame is constructed.
    UINT m_nAppLook = ID_VIEW_APPLOOK_VS_2008;

private:
    void ReportDamagedStore();

    QPointer<CMainFrame> m_pMainWnd;
    std::optional<CStoreSession> m_closingStore;
};
