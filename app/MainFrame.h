// SPDX-License-Identifier: MIT
// The program's only top-level window: the ribbon, the status bar, the selection and
// output panes, and the ten fractal views, of which exactly one is visible. It switches
// between the views, shows the matching ribbon tab, logs each switch, and routes every
// command to the visible view, then to itself, then to the application.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include <QMainWindow>

#include "app/OutputWnd.h"
#include "app/SelectionView.h"
#include "fractals/FractalCatalog.h"
#include "platform/ui/DockablePane.h"
#include "platform/ui/RibbonBar.h"
#include "platform/ui/RibbonStatusBar.h"
#include "platform/ui/core/CmdTarget.h"
#include "platform/ui/core/FrameLink.h"

class QGridLayout;
class CRibbonKeyTips;
class CNimbrelApp;
class CViewWindow;

class CMainFrame : public QMainWindow,
                   public CMainFrameLink,
                   public CCmdTarget,
                   public CSelectionTarget {
    Q_OBJECT

public:
    // Makes the view of a position; null when it cannot be made.
    using CViewFactory = std::function<std::unique_ptr<CNimbrelBaseView>(int nPosition)>;

    // pApp is the last command target of the route and opens the web pages; it may be null.
    explicit CMainFrame(CNimbrelApp* pApp = nullptr);
    ~CMainFrame() override;

    // The window's creation: ribbon, status bar, panes, saved placement and docking layout.
    // False when a pane could not be made; the program then ends.
    bool Create();
    // The ten views, hidden, in position order, each with its initial update; then the
    // start-up line. A view the factory cannot make is reported and left out.
    void CreateViews(const CViewFactory& factory = CreateFractalView);
    // Hides the active view and shows pNewView in its place; FALSE when either is missing.
    BOOL SwitchView(CViewWindow* pNewView);
    // Switches to the view of a position (0 to 9) and logs its switch line.
    BOOL SwitchToFractal(int nPosition) override;
    // Shows only the fractal tab of this name, and makes it active; other names hide all ten.
    void ActivateCategory(const std::string& strName) override;
    // The one entry point of the output log.
    void AddMessage(const std::string& strMessage);

    CRibbonBarLink* GetRibbonBar() override { return &m_wndRibbonBar; }
    CRibbonBar& GetRibbon() { return m_wndRibbonBar; }
    CRibbonStatusBar& GetStatusBar() { return m_wndStatusBar; }
    COutputWnd& GetOutputWnd() { return m_wndOutput; }
    CSelectionView& GetSelectionPane() { return m_wndSelectionView; }
    // Null outside 0 to 9 or when that view could not be made.
    CViewWindow* GetViewWindow(int nPosition) const;
    CNimbrelBaseView* GetView(int nPosition) const;
    // The visible fractal view; null until the first switch.
    CViewWindow* GetActiveViewWindow() const { return m_pActiveViewWindow; }
    CNimbrelBaseView* GetActiveView() const;

    // A command from the ribbon, the status bar or the keyboard: the visible view, then the
    // frame, then the application; then the ribbon's command state is asked anew.
    void RouteCommand(UINT nID);
    bool RouteCmdUI(CCmdUI* pCmdUI);
    void UpdateRibbonCmdUI();
    // FALSE refuses the close: the selection pane never closes.
    BOOL OnCloseDockingPane(CDockablePane* pPane);
    // The framework profile's copy of the window placement and the docking layout.
    void SaveFrameState();

    // Installs a look (205 to 219) on the whole window and stores it as "ApplicationLook".
    void ApplyApplicationLook(UINT nLook);
    // Whether the panes dock the smart way (set by the look).
    bool IsSmartDocking() const { return m_bSmartDocking; }
    // The window identifier a view window carries now: the visible one carries the main
    // pane's (AFX_IDW_PANE_FIRST), a hidden one what it was last given; 0 for no window.
    UINT GetWindowID(const QWidget* pWindow) const;
    // The ribbon's key tips, shown by Alt.
    CRibbonKeyTips* GetKeyTips() const { return m_pKeyTips; }

signals:
    // A command entered the route (ribbon, status bar, keyboard), handled or not.
    void CommandRouted(UINT nID);

protected:
    bool event(QEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;
    // Floating panes come up over the window, never behind it.
    void showEvent(QShowEvent* pEvent) override;
    // The panes have no caption menu.
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void CreateClientArea();
    bool CreateStatusBarPanes();
    bool CreatePanes();
    bool CreateSelectionPane();
    void SetPaneIcons();
    void LoadFrameState();
    // A floating pane outside every screen goes back to where a fresh run docks it; one on
    // a screen is made a transient of the main window and raised over it.
    void DockPanesOffTheScreens();
    void RaiseFloatingPanes();
    void DestroyViews();
    void OnStatusLink();
    // "Small Icons" and "Large Icons": store the choice, refill the selection pane.
    void OnImageListStyle(bool bSmall);
    // The commands that belong to no fractal view: looks, bars and panes, web pages.
    void MapGlobalCommands();
    // nShow: 1 shows, 0 hides, -1 toggles.
    void OnStatusBarCommand(int nShow);
    void OnOutputPaneCommand(int nShow);
    // Docks the output pane anew, on its side or at the bottom, and gives it this visibility.
    void RedockOutputPane(bool bVisible);
    void OnWebPage(const char* pszAddress);
    // The accelerators of table 128, sending their identifiers through the command route.
    void BindAccelerators();

    CNimbrelApp* m_pApp;
    CRibbonBar m_wndRibbonBar;
    CRibbonStatusBar m_wndStatusBar;
    CSelectionView m_wndSelectionView;
    COutputWnd m_wndOutput;

    // The windows of the ten views by position, and the views they own; null where a view
    // could not be made.
    std::array<CViewWindow*, kFractalCount> m_apViewWindows{};
    std::array<CNimbrelBaseView*, kFractalCount> m_apViews{};
    QGridLayout* m_pClientLayout = nullptr;
    // The blank view the client area shows until the first switch.
    QWidget* m_pDefaultView = nullptr;
    QWidget* m_pActiveView = nullptr;
    CViewWindow* m_pActiveViewWindow = nullptr;
    bool m_bSmartDocking = false;
    CRibbonKeyTips* m_pKeyTips = nullptr;
};
