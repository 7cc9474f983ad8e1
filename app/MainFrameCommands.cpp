// SPDX-License-Identifier: MIT
// The main window's commands that belong to no fractal view: the application looks, the
// status bar and output pane toggles, the icon sizes, saving and printing the picture, the maker's
// web pages, the update check, the About box, Exit, and the keyboard accelerators.
#include <QAction>
#include <QApplication>
#include <QKeySequence>

#include "app/MainFrame.h"
#include "app/NimbrelApp.h"
#include "app/PictureExport.h"
#include "app/PicturePrinter.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/UpdateCheckDlg.h"
#include "platform/ui/AppLooks.h"
#include "platform/ui/core/BusyWait.h"
#include "resources/Menus.h"
#include "resources/Resource.h"
#include "resources/StringTable.h"
#include "settings/ProgramSettings.h"

namespace {

constexpr const char* kWindowIDProperty = "windowID";

} // namespace

void CMainFrame::MapGlobalCommands() {
    OnCommandRange(kFirstAppLook, kLastAppLook,
                   [this](UINT nLook) { ApplyApplicationLook(nLook); });
    for (UINT nLook = kFirstAppLook; nLook <= kLastAppLook; ++nLook) {
        OnUpdateCommandUI(nLook, [this](CCmdUI* pCmdUI) {
            pCmdUI->SetRadio(m_pApp != nullptr && m_pApp->m_nAppLook == pCmdUI->m_nID);
        });
    }

    OnCommand(ID_TOGGLE_STATUS_BAR, [this] { OnStatusBarCommand(-1); });
    OnCommand(ID_VIEW_STATUS_BAR, [this] { OnStatusBarCommand(1); });
    OnCommand(ID_HIDE_STATUS_BAR, [this] { OnStatusBarCommand(0); });
    OnUpdateCommandUI(ID_VIEW_STATUS_BAR,
                      [this](CCmdUI* pCmdUI) { pCmdUI->SetCheck(!m_wndStatusBar.isHidden()); });
    OnUpdateCommandUI(ID_HIDE_STATUS_BAR,
                      [this](CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_wndStatusBar.isHidden()); });

    OnCommand(ID_TOOGLE_OUTPUT_PANE, [this] { OnOutputPaneCommand(-1); });
    OnCommand(ID_VIEW_OUTPUT_PANE, [this] { OnOutputPaneCommand(1); });
    OnCommand(ID_HIDE_OUTPUT_PANE, [this] { OnOutputPaneCommand(0); });
    OnUpdateCommandUI(ID_VIEW_OUTPUT_PANE,
                      [this](CCmdUI* pCmdUI) { pCmdUI->SetCheck(!m_wndOutput.isHidden()); });
    OnUpdateCommandUI(ID_HIDE_OUTPUT_PANE,
                      [this](CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_wndOutput.isHidden()); });

    OnCommand(ID_IMG_SMALL, [this] { OnImageListStyle(true); });
    OnCommand(ID_IMG_LARGE, [this] { OnImageListStyle(false); });
    OnCommand(ID_FEEDBACK, [this] { OnWebPage(kFeedbackPage); });
    OnCommand(ID_KORVAT, [this] { OnWebPage(kKorvatPage); });
    OnCommand(ID_KORVAT_SUPPORT, [this] { OnWebPage(kKorvatSupportPage); });
    OnCommand(ID_CHECK, [this] { CUpdateCheckDlg::CheckNow(this); });
    OnCommand(ID_ABOUT, [this] { CAboutDlg(this).exec(); });
    // The visible picture: saved as PNG or SVG, printed as vectors.
    OnCommand(ID_FILE_SAVE, [this] { OnSavePicture(*this); });
    OnCommand(ID_FILE_PRINT, [this] { OnPrintPicture(*this, EPrintCommand::Print); });
    OnCommand(ID_FILE_PRINT_DIRECT, [this] { OnPrintPicture(*this, EPrintCommand::QuickPrint); });
    OnCommand(ID_FILE_PRINT_PREVIEW, [this] { OnPrintPicture(*this, EPrintCommand::Preview); });
    OnUpdateCommandUI(ID_FILE_PRINT_PREVIEW,
                      [](CCmdUI* pCmdUI) { pCmdUI->SetCheck(IsInPrintPreview()); });
    // The system close: the window's placement is kept and every view keeps its settings.
    OnCommand(ID_EXIT_APP, [this] { close(); });
}

void CMainFrame::ApplyApplicationLook(UINT nLook) {
    const CWaitCursor wait;
    if (m_pApp != nullptr) {
        m_pApp->m_nAppLook = nLook;
    }
    InstallAppLook(nLook);
    m_bSmartDocking = UsesSmartDocking(nLook);
    setDockOptions(m_bSmartDocking
                       ? (AnimatedDocks | AllowNestedDocks | AllowTabbedDocks | GroupedDragging)
                       : (AllowNestedDocks | AllowTabbedDocks));
    // The ribbon paints the look's background behind its rows.
    m_wndRibbonBar.setAttribute(Qt::WA_StyledBackground, true);
    SetRibbonWindows7Look(&m_wndRibbonBar, nLook == ID_VIEW_APPLOOK_WINDOWS_7);
    m_wndRibbonBar.RecalcLayout();
    // The whole frame with every child, at once.
    for (QWidget* pChild : findChildren<QWidget*>()) {
        pChild->update();
    }
    update();
    repaint();
    WriteApplicationLook(int(nLook));
}

void CMainFrame::OnStatusBarCommand(int nShow) {
    const bool bOutputVisible = !m_wndOutput.isHidden();
    const bool bShow = nShow < 0 ? m_wndStatusBar.isHidden() : nShow != 0;
    m_wndStatusBar.setVisible(bShow);
    RedockOutputPane(bOutputVisible);
}

void CMainFrame::OnOutputPaneCommand(int nShow) {
    const bool bShow = nShow < 0 ? m_wndOutput.isHidden() : nShow != 0;
    RedockOutputPane(bShow);
    WriteOutputPaneVisible(bShow);
}

void CMainFrame::RedockOutputPane(bool bVisible) {
    m_wndOutput.setAllowedAreas(Qt::AllDockWidgetAreas);
    Qt::DockWidgetArea area = dockWidgetArea(&m_wndOutput);
    // A pane the stored layout left floating, or outside every side, goes back to the
    // bottom where it was created; one docked on a side stays there.
    if (m_wndOutput.isFloating() || area == Qt::NoDockWidgetArea) {
        m_wndOutput.setFloating(false);
        addDockWidget(area == Qt::NoDockWidgetArea ? Qt::BottomDockWidgetArea : area, &m_wndOutput);
    }
    m_wndOutput.setVisible(bVisible);
    if (bVisible) {
        m_wndOutput.raise();
    }
}

void CMainFrame::OnWebPage(const char* pszAddress) {
    if (m_pApp != nullptr) {
        m_pApp->OpenWebPage(pszAddress);
    }
}

void CMainFrame::BindAccelerators() {
    for (const CAcceleratorData& accelerator : FrameAccelerators()) {
        auto* pAction = new QAction(this);
        pAction->setObjectName(QStringLiteral("Accelerator%1").arg(accelerator.nID));
        pAction->setShortcut(QKeySequence(QString::fromLatin1(accelerator.pszKey)));
        pAction->setShortcutContext(Qt::WindowShortcut);
        connect(pAction, &QAction::triggered, this,
                [this, nID = accelerator.nID] { RouteCommand(nID); });
        addAction(pAction);
    }
}

UINT CMainFrame::GetWindowID(const QWidget* pWindow) const {
    return pWindow != nullptr ? pWindow->property(kWindowIDProperty).toUInt() : 0;
}
