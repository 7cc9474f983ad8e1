// SPDX-License-Identifier: MIT
#include "app/MainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include "app/NimbrelApp.h"
#include "platform/ui/RibbonAccessibility.h"
#include "platform/ui/RibbonKeyTips.h"
#include "platform/ui/Text.h"
#include "platform/ui/ViewWindow.h"
#include "platform/ui/core/MessageBox.h"
#include "resources/Resource.h"
#include "resources/RibbonLayout.h"
#include "resources/StringTable.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingsSaveScope.h"

namespace {

// The first window size, when nothing is stored, within the screen's free area.
constexpr QSize kDefaultSize(1100, 760);
constexpr int kDefaultOutputHeight = 150;
constexpr int kDefaultSelectionWidth = 210;

std::vector<std::uint8_t> ToBytes(const QByteArray& data) {
    return {reinterpret_cast<const std::uint8_t*>(data.constData()),
            reinterpret_cast<const std::uint8_t*>(data.constData()) + data.size()};
}

QByteArray FromBytes(const std::vector<std::uint8_t>& data) {
    return QByteArray(reinterpret_cast<const char*>(data.data()), qsizetype(data.size()));
}

// Enough of a floating pane's caption to take hold of it with the mouse.
constexpr int kGrabbableWidth = 40;
constexpr int kGrabbableHeight = 8;

bool CanBeGrabbed(const QRect& rcPane) {
    const QRect rcCaption(rcPane.topLeft(), QSize(rcPane.width(), kGrabbableHeight * 3));
    for (const QScreen* pScreen : QGuiApplication::screens()) {
        const QRect rcShown = rcCaption.intersected(pScreen->availableGeometry());
        if (rcShown.width() >= kGrabbableWidth && rcShown.height() >= kGrabbableHeight) {
            return true;
        }
    }
    return false;
}

bool IsFractalTabName(const std::string& strName) {
    for (const CFractalInfo& info : FractalCatalog()) {
        if (strName == info.pszTabName) {
            return true;
        }
    }
    return false;
}

} // namespace

CMainFrame::CMainFrame(CNimbrelApp* pApp)
    : m_pApp(pApp)
    , m_wndRibbonBar(RibbonLayout())
    , m_wndSelectionView(this) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("MainFrame"));
    AfxSetMainFrame(this);
    if (m_pApp != nullptr) {
        m_pApp->m_nAppLook = ReadApplicationLook();
    }
    OnCommand(ID_STATUS_LINK, [this] { OnStatusLink(); });
    MapGlobalCommands();
}

CMainFrame::~CMainFrame() {
    // The key tips watch every event of the application and point at the ribbon: they go
    // before the ribbon starts to come apart.
    delete m_pKeyTips;
    m_pKeyTips = nullptr;
    {
        // The ten settings strings go into the store together, with one bounded wait.
        const CSettingsSaveScope saving;
        DestroyViews();
    }
    if (AfxGetMainFrame() == this) {
        AfxSetMainFrame(nullptr);
    }
}

bool CMainFrame::Create() {
    if (m_pApp != nullptr) {
        ApplyApplicationLook(m_pApp->m_nAppLook);
    }
    setMenuWidget(&m_wndRibbonBar);
    connect(&m_wndRibbonBar, &CRibbonBar::Command, this, &CMainFrame::RouteCommand);
    connect(&m_wndRibbonBar, &CRibbonBar::ActiveCategoryChanged, this,
            [this] { UpdateRibbonCmdUI(); });
    CreateClientArea();
    CreateStatusBarPanes();
    setDockNestingEnabled(true);
    setCorner(Qt::TopLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    if (!CreatePanes()) {
        return false;
    }
    addDockWidget(Qt::LeftDockWidgetArea, &m_wndSelectionView);
    addDockWidget(Qt::BottomDockWidgetArea, &m_wndOutput);
    setWindowTitle(FromAnsi(kFrameTitle));
    BindAccelerators();
    NameRibbonControls(&m_wndRibbonBar);
    m_pKeyTips = new CRibbonKeyTips(&m_wndRibbonBar, RibbonLayout());
    // Never narrower than the ribbon with every panel collapsed: below that its texts would
    // be cut.
    setMinimumWidth(qMax(minimumSizeHint().width(), m_wndRibbonBar.minimumSizeHint().width()));
    LoadFrameState();
    UpdateRibbonCmdUI();
    return true;
}

void CMainFrame::CreateClientArea() {
    auto* pClientArea = new QWidget(this);
    pClientArea->setObjectName(QStringLiteral("ClientArea"));
    m_pClientLayout = new QGridLayout(pClientArea);
    m_pClientLayout->setContentsMargins(0, 0, 0, 0);
    m_pDefaultView = new QWidget(pClientArea);
    m_pDefaultView->setAutoFillBackground(true);
    QPalette palette = m_pDefaultView->palette();
    palette.setColor(QPalette::Window, Qt::white);
    m_pDefaultView->setPalette(palette);
    m_pDefaultView->setProperty("windowID", UINT(AFX_IDW_PANE_FIRST));
    m_pClientLayout->addWidget(m_pDefaultView, 0, 0);
    m_pActiveView = m_pDefaultView;
    setCentralWidget(pClientArea);
}

bool CMainFrame::CreateStatusBarPanes() {
    setStatusBar(&m_wndStatusBar);
    m_wndStatusBar.AddLink(ID_STATUS_LINK, kMakerHost, kMakerSite, "Link to Korvat Web Site");
    m_wndStatusBar.AddSeparator();
    m_wndStatusBar.AddExtendedPane(
        ID_STATUS_WELCOME, std::string("Welcome to ") + kProductVersionName,
        "0123456789012345678901234567890123456789", std::string(kProductVersionName) + " Messages");
    connect(&m_wndStatusBar, &CRibbonStatusBar::Command, this, &CMainFrame::RouteCommand);
    return true;
}

bool CMainFrame::CreatePanes() {
    if (!CreateSelectionPane()) {
        AfxMessageBox("Internal Error !!! Unable to Create Nimbrel Selection View ...");
        return false;
    }
    m_wndOutput.SetCloseQuery([this](CDockablePane* pPane) { return OnCloseDockingPane(pPane); });
    SetPaneIcons();
    return true;
}

// The selection pane made its list and thumbnails when it was constructed; the frame only
// keeps it from closing.
bool CMainFrame::CreateSelectionPane() {
    m_wndSelectionView.SetCloseQuery(
        [this](CDockablePane* pPane) { return OnCloseDockingPane(pPane); });
    return true;
}

void CMainFrame::OnImageListStyle(bool bSmall) {
    WriteSmallThumbnails(bSmall);
    m_wndSelectionView.SetImageListStyle(bSmall);
    m_wndSelectionView.update();
}

void CMainFrame::SetPaneIcons() {
    m_wndSelectionView.setWindowIcon(style()->standardIcon(QStyle::SP_FileDialogListView));
    m_wndOutput.setWindowIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
}

void CMainFrame::LoadFrameState() {
    if (const auto geometry = ReadWindowPlacement()) {
        restoreGeometry(FromBytes(*geometry));
    } else {
        QSize size = kDefaultSize;
        if (const QScreen* pScreen = QApplication::primaryScreen()) {
            size = size.boundedTo(pScreen->availableGeometry().size() * 9 / 10);
        }
        resize(size);
    }
    if (const auto state = ReadDockingState()) {
        restoreState(FromBytes(*state));
    } else {
        resizeDocks({&m_wndOutput}, {kDefaultOutputHeight}, Qt::Vertical);
        resizeDocks({&m_wndSelectionView}, {kDefaultSelectionWidth}, Qt::Horizontal);
    }
    DockPanesOffTheScreens();
    // The selection pane never stays hidden, whatever the stored layout says.
    m_wndSelectionView.setVisible(true);
}

void CMainFrame::DockPanesOffTheScreens() {
    const struct {
        CDockablePane* pPane;
        Qt::DockWidgetArea area;
    } panes[] = {{&m_wndSelectionView, Qt::LeftDockWidgetArea},
                 {&m_wndOutput, Qt::BottomDockWidgetArea}};
    for (const auto& pane : panes) {
        if (pane.pPane->isFloating() && !CanBeGrabbed(pane.pPane->geometry())) {
            pane.pPane->setFloating(false);
            addDockWidget(pane.area, pane.pPane);
        }
    }
}

void CMainFrame::RaiseFloatingPanes() {
    QWindow* pFrameWindow = windowHandle();
    for (CDockablePane* pPane : {static_cast<CDockablePane*>(&m_wndSelectionView),
                                 static_cast<CDockablePane*>(&m_wndOutput)}) {
        if (!pPane->isFloating() || !pPane->isVisible()) {
            continue;
        }
        if (QWindow* pPaneWindow = pPane->windowHandle()) {
            pPaneWindow->setTransientParent(pFrameWindow);
        }
        pPane->raise();
    }
}

void CMainFrame::showEvent(QShowEvent* pEvent) {
    QMainWindow::showEvent(pEvent);
    RaiseFloatingPanes();
}

void CMainFrame::SaveFrameState() {
    WriteWindowPlacement(ToBytes(saveGeometry()));
    WriteDockingState(ToBytes(saveState()));
}

void CMainFrame::CreateViews(const CViewFactory& factory) {
    std::array<std::unique_ptr<CNimbrelBaseView>, kFractalCount> views;
    for (int nPosition = 0; nPosition < kFractalCount; ++nPosition) {
        if (m_apViewWindows[std::size_t(nPosition)] == nullptr && factory) {
            views[std::size_t(nPosition)] = factory(nPosition);
        }
    }
    QWidget* pClientArea = centralWidget();
    for (const CFractalInfo& info : FractalCatalog()) {
        std::unique_ptr<CNimbrelBaseView>& pView = views[std::size_t(info.nPosition)];
        if (pView == nullptr) {
            if (m_apViewWindows[std::size_t(info.nPosition)] == nullptr) {
                AfxMessageBox(std::string("Unable to Create ") + info.pszClassName +
                              " !!! Please Contact Korvat to Report Error ...");
            }
            continue;
        }
        m_apViews[std::size_t(info.nPosition)] = pView.get();
        auto* pWindow = new CViewWindow(std::move(pView), kMainWindowHosting, pClientArea);
        pWindow->setObjectName(FromAnsi(info.pszClassName));
        pWindow->setProperty("windowID", UINT(ID_FIRST_VIEW_WINDOW + info.nPosition));
        pWindow->hide();
        m_pClientLayout->addWidget(pWindow, 0, 0);
        m_apViewWindows[std::size_t(info.nPosition)] = pWindow;
        pWindow->OnInitialUpdate();
    }
    AddMessage(std::string(kProductVersionName) + " StartUp successful ..");
}

void CMainFrame::DestroyViews() {
    // Each view keeps its settings as it goes; the rest of the frame is still whole then.
    m_pActiveViewWindow = nullptr;
    m_pActiveView = m_pDefaultView;
    for (CViewWindow*& pWindow : m_apViewWindows) {
        delete pWindow;
        pWindow = nullptr;
    }
    m_apViews.fill(nullptr);
}

CViewWindow* CMainFrame::GetViewWindow(int nPosition) const {
    if (nPosition < 0 || nPosition >= kFractalCount) {
        return nullptr;
    }
    return m_apViewWindows[std::size_t(nPosition)];
}

CNimbrelBaseView* CMainFrame::GetView(int nPosition) const {
    if (nPosition < 0 || nPosition >= kFractalCount) {
        return nullptr;
    }
    return m_apViews[std::size_t(nPosition)];
}

CNimbrelBaseView* CMainFrame::GetActiveView() const {
    for (int nPosition = 0; nPosition < kFractalCount; ++nPosition) {
        if (m_apViewWindows[std::size_t(nPosition)] == m_pActiveViewWindow) {
            return GetView(nPosition);
        }
    }
    return nullptr;
}

BOOL CMainFrame::SwitchView(CViewWindow* pNewView) {
    if (pNewView == nullptr || m_pActiveView == nullptr) {
        return 0;
    }
    m_pActiveView->hide();
    // The visible view carries the main pane's identifier; the one it replaces takes the
    // identifier the new view had.
    const QVariant newID = pNewView->property("windowID");
    pNewView->setProperty("windowID", m_pActiveView->property("windowID"));
    m_pActiveView->setProperty("windowID", newID);
    pNewView->show();
    m_pActiveView = pNewView;
    m_pActiveViewWindow = pNewView;
    m_pClientLayout->activate();
    pNewView->Invalidate(true);
    UpdateRibbonCmdUI();
    return 1;
}

BOOL CMainFrame::SwitchToFractal(int nPosition) {
    CViewWindow* pWindow = GetViewWindow(nPosition);
    if (pWindow == nullptr) {
        return 0;
    }
    const BOOL bSwitched = SwitchView(pWindow);
    if (bSwitched) {
        AddMessage(FractalCatalog()[std::size_t(nPosition)].pszSwitchMessage);
    }
    return bSwitched;
}

void CMainFrame::ActivateCategory(const std::string& strName) {
    for (int i = 0; i < m_wndRibbonBar.GetCategoryCount(); ++i) {
        const std::string strCategory = m_wndRibbonBar.GetCategoryName(i);
        if (!IsFractalTabName(strCategory)) {
            continue;
        }
        if (strCategory == strName) {
            m_wndRibbonBar.ShowCategory(i, true);
            m_wndRibbonBar.SetActiveCategory(i);
        } else {
            m_wndRibbonBar.ShowCategory(i, false);
        }
    }
    m_wndRibbonBar.RecalcLayout();
    UpdateRibbonCmdUI();
}

void CMainFrame::AddMessage(const std::string& strMessage) {
    m_wndOutput.AddMessage(strMessage);
}

void CMainFrame::RouteCommand(UINT nID) {
    emit CommandRouted(nID);
    bool bHandled = false;
    if (CNimbrelBaseView* pView = GetActiveView()) {
        bHandled = pView->OnCmdMsg(nID);
    }
    if (!bHandled) {
        bHandled = OnCmdMsg(nID);
    }
    if (!bHandled && m_pApp != nullptr) {
        m_pApp->OnCmdMsg(nID);
    }
    UpdateRibbonCmdUI();
}

bool CMainFrame::RouteCmdUI(CCmdUI* pCmdUI) {
    if (CNimbrelBaseView* pView = GetActiveView()) {
        if (pView->OnUpdateCmdUI(pCmdUI)) {
            return true;
        }
    }
    if (OnUpdateCmdUI(pCmdUI)) {
        return true;
    }
    return m_pApp != nullptr && m_pApp->OnUpdateCmdUI(pCmdUI);
}

void CMainFrame::UpdateRibbonCmdUI() {
    m_wndRibbonBar.UpdateCommandUI([this](CCmdUI* pCmdUI) { return RouteCmdUI(pCmdUI); });
}

BOOL CMainFrame::OnCloseDockingPane(CDockablePane* pPane) {
    if (pPane != nullptr && pPane->GetDlgCtrlID() == ID_SELECTION_PANE) {
        AfxMessageBox("Fractal Selection View Can NOT be closed !!!");
        return 0;
    }
    return 1;
}

void CMainFrame::OnStatusLink() {
    const std::optional<std::string> strAddress = m_wndStatusBar.FindLinkAddress(ID_STATUS_LINK);
    if (strAddress && m_pApp != nullptr) {
        m_pApp->OpenWebPage(*strAddress);
    }
}

bool CMainFrame::event(QEvent* pEvent) {
    const bool bResult = QMainWindow::event(pEvent);
    if (pEvent->type() == QEvent::ApplicationFontChange) {
        m_wndOutput.UpdateFonts();
    }
    return bResult;
}

void CMainFrame::closeEvent(QCloseEvent* pEvent) {
    {
        const CSettingsSaveScope saving;
        SaveFrameState();
    }
    QMainWindow::closeEvent(pEvent);
}
