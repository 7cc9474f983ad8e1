// SPDX-License-Identifier: MIT
// The selection pane on its own, docked in a plain main window, with a target that records
// what the pane asks of the frame: the thumbnail size from the store, clicks on items and
// on the empty part of the list, keyboard moves, refills, the thumbnails' pictures, and the
// pane's refusal of a caption menu.
#include <QApplication>
#include <QContextMenuEvent>
#include <QMainWindow>
#include <QTimer>
#include <QtTest>

#include "app/AppTestSupport.h"
#include "app/NimbrelApp.h"
#include "app/SelectionView.h"
#include "fractals/FractalCatalog.h"
#include "platform/gdi/RasterDC.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Text.h"
#include "platform/ui/Thumbnails.h"
#include "resources/Resource.h"
#include "settings/RegistryFunctions.h"

namespace {

// Keeps every request of the pane, in order, as one line each.
class CRecordingTarget : public CSelectionTarget {
public:
    void ActivateCategory(const std::string& strName) override {
        m_calls.push_back("ActivateCategory " + strName);
    }
    BOOL SwitchToFractal(int nPosition) override {
        m_calls.push_back("SwitchToFractal " + std::to_string(nPosition));
        return 1;
    }

    std::vector<std::string> m_calls;
};

std::vector<std::string> CallsFor(int nPosition) {
    return {std::string("ActivateCategory ") + FractalCatalog()[std::size_t(nPosition)].pszTabName,
            "SwitchToFractal " + std::to_string(nPosition)};
}

// The curve at cx by cy as its view draws it when asked directly, with the thumbnail's
// clock, and the mask applied: black pixels are transparent (0), all others opaque.
QImage DirectPicture(int nPosition, int cx, int cy) {
    auto pView = CreateFractalView(nPosition);
    pView->SetClock([] { return kThumbnailClock; });
    pView->ComputeDrawingRects(CRect{0, 0, cx, cy});
    CRasterDC dc(cx, cy, 0x00FFFFFF);
    pView->OnDraw(&dc);
    QImage picture(cx, cy, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < cy; ++y) {
        for (int x = 0; x < cx; ++x) {
            const QRgb colour = dc.Bits()[y * dc.StridePixels() + x] & 0x00FFFFFF;
            picture.setPixel(x, y, colour == 0 ? 0 : colour | 0xFF000000);
        }
    }
    return picture;
}

} // namespace

class CSelectionViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void storedStyleSelectsThumbnailSize_data();
    void storedStyleSelectsThumbnailSize();
    void itemsStandInPositionOrderWithTheirTabNames();
    void clickOnItemActivatesItsTabThenSwitches_data();
    void clickOnItemActivatesItsTabThenSwitches();
    void clickOnEmptyPartWithItemSelectedSwitchesAgain();
    void clickOnEmptyPartWithNothingSelectedDoesNothing();
    void keyboardSelectionSwitchesNothing();
    void returnOrSpaceSwitchesToTheHighlightedItem_data();
    void returnOrSpaceSwitchesToTheHighlightedItem();
    void changingThumbnailSizeClearsSelection();
    void thumbnailsAreTheCurvesDrawnByTheirViews_data();
    void thumbnailsAreTheCurvesDrawnByTheirViews();
    void thumbnailViewsLeaveTheStoreAlone();
    void paneHasTheCloseButton();
    void captionRightClickShowsNoMenu();
    void frameClickShowsTheCurveAndLogsEachTime();
    void iconCommandsStoreTheSizeAndRefill();

private:
    // Makes the pane after the store holds what the test wrote, docked and shown.
    void MakePane();
    CListCtrl* List() const { return m_pPane->GetListCtrl(); }
    void ClickRow(int nRow);
    // A point of the list's viewport where no item is.
    QPoint EmptyPoint() const;

    // The frame of a real start-up, for the tests of the pane in its place.
    CMainFrame* StartFrame();
    std::string LastLogMessage() const;

    std::unique_ptr<CGuiTestEnvironment> m_pEnvironment;
    std::unique_ptr<CNimbrelApp> m_pApp;
    std::unique_ptr<QMainWindow> m_pWindow;
    CSelectionView* m_pPane = nullptr;
    CRecordingTarget m_target;
};

void CSelectionViewTest::init() {
    m_pEnvironment = std::make_unique<CGuiTestEnvironment>();
    m_target.m_calls.clear();
    CreateRegistryBranch(kParameterKey);
}

void CSelectionViewTest::cleanup() {
    m_pApp.reset();
    m_pWindow.reset();
    m_pPane = nullptr;
    QCOMPARE(m_pEnvironment->messages.m_texts, std::vector<std::string>{});
    m_pEnvironment.reset();
}

void CSelectionViewTest::MakePane() {
    m_pWindow = std::make_unique<QMainWindow>();
    m_pWindow->setCentralWidget(new QWidget);
    m_pPane = new CSelectionView(&m_target, m_pWindow.get());
    m_pWindow->addDockWidget(Qt::LeftDockWidgetArea, m_pPane);
    m_pWindow->resize(700, 900);
    m_pWindow->resizeDocks({m_pPane}, {400}, Qt::Horizontal);
    m_pWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pWindow.get()));
    QVERIFY(List() != nullptr);
}

void CSelectionViewTest::ClickRow(int nRow) {
    const QRect rcItem = List()->visualItemRect(List()->item(nRow));
    QVERIFY(List()->viewport()->rect().contains(rcItem.center()));
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, rcItem.center());
}

QPoint CSelectionViewTest::EmptyPoint() const {
    const QRect rcViewport = List()->viewport()->rect();
    const QPoint point(rcViewport.right() - 2, rcViewport.bottom() - 2);
    return List()->itemAt(point) == nullptr ? point : QPoint(-1, -1);
}

void CSelectionViewTest::storedStyleSelectsThumbnailSize_data() {
    QTest::addColumn<bool>("bStored");
    QTest::addColumn<uint>("dwStyle");
    QTest::addColumn<QSize>("iconSize");
    const QSize small(48, 45);
    const QSize large(150, 140);
    QTest::newRow("missing") << false << 0u << small;
    QTest::newRow("0") << true << 0u << large;
    QTest::newRow("1") << true << 1u << small;
    QTest::newRow("low byte 0") << true << 0x100u << large;
    QTest::newRow("low byte nonzero") << true << 0xFFFFFF01u << small;
}

void CSelectionViewTest::storedStyleSelectsThumbnailSize() {
    QFETCH(bool, bStored);
    QFETCH(uint, dwStyle);
    QFETCH(QSize, iconSize);
    if (bStored) {
        QCOMPARE(WriteRegistryDword(kParameterKey, "ImgListStyle", REG_DWORD, dwStyle), 0L);
    }
    MakePane();
    QCOMPARE(List()->iconSize(), iconSize);
    QCOMPARE(List()->count(), kFractalCount);
    for (int nRow = 0; nRow < kFractalCount; ++nRow) {
        QCOMPARE(List()->item(nRow)->icon().availableSizes(), QList<QSize>{iconSize});
    }
    QCOMPARE(List()->GetFirstSelectedItem(), -1);
}

void CSelectionViewTest::itemsStandInPositionOrderWithTheirTabNames() {
    MakePane();
    const char* const apszTexts[kFractalCount] = {
        "Von Koch SnowFlake", "Mandelbrot Curve", "Hilbert Curve",      "Cesaro Curve",
        "Minkowski Sausage",  "Sierpinski Curve", "Sierpinski Objects", "Peano Curve",
        "Square Curve",       "Heighway Dragon"};
    QCOMPARE(List()->count(), kFractalCount);
    for (int nRow = 0; nRow < kFractalCount; ++nRow) {
        QCOMPARE(ToAnsi(List()->item(nRow)->text()), std::string(apszTexts[nRow]));
    }
    QCOMPARE(m_pPane->windowTitle(), QStringLiteral("Selection View"));
    QCOMPARE(m_pPane->GetDlgCtrlID(), UINT(ID_SELECTION_PANE));
    QCOMPARE(List()->GetDlgCtrlID(), UINT(IDC_SELECTION_LIST));
    QCOMPARE(m_pWindow->dockWidgetArea(m_pPane), Qt::LeftDockWidgetArea);
    QCOMPARE(List()->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(List()->viewMode(), QListView::IconMode);
}

void CSelectionViewTest::clickOnItemActivatesItsTabThenSwitches_data() {
    QTest::addColumn<int>("nPosition");
    for (const CFractalInfo& info : FractalCatalog()) {
        QTest::newRow(info.pszRenderName) << info.nPosition;
    }
}

void CSelectionViewTest::clickOnItemActivatesItsTabThenSwitches() {
    QFETCH(int, nPosition);
    MakePane();
    ClickRow(nPosition);
    QCOMPARE(m_target.m_calls, CallsFor(nPosition));
    QCOMPARE(List()->GetFirstSelectedItem(), nPosition);
}

void CSelectionViewTest::clickOnEmptyPartWithItemSelectedSwitchesAgain() {
    MakePane();
    ClickRow(4);
    const QPoint empty = EmptyPoint();
    QVERIFY(empty.x() >= 0);
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, empty);
    QCOMPARE(List()->GetFirstSelectedItem(), 4);
    std::vector<std::string> expected = CallsFor(4);
    const std::vector<std::string> again = CallsFor(4);
    expected.insert(expected.end(), again.begin(), again.end());
    QCOMPARE(m_target.m_calls, expected);
}

void CSelectionViewTest::clickOnEmptyPartWithNothingSelectedDoesNothing() {
    MakePane();
    const QPoint empty = EmptyPoint();
    QVERIFY(empty.x() >= 0);
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, empty);
    QCOMPARE(m_target.m_calls, std::vector<std::string>{});
}

void CSelectionViewTest::keyboardSelectionSwitchesNothing() {
    MakePane();
    ClickRow(0);
    m_target.m_calls.clear();
    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_Right);
    QTest::keyClick(List(), Qt::Key_Down);
    QVERIFY(List()->GetFirstSelectedItem() > 0);
    QCOMPARE(m_target.m_calls, std::vector<std::string>{});
}

void CSelectionViewTest::returnOrSpaceSwitchesToTheHighlightedItem_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void CSelectionViewTest::returnOrSpaceSwitchesToTheHighlightedItem() {
    QFETCH(int, key);
    MakePane();
    ClickRow(0);
    m_target.m_calls.clear();
    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_Right);
    const int nHighlighted = List()->currentRow();
    QVERIFY(nHighlighted > 0);
    QCOMPARE(m_target.m_calls, std::vector<std::string>{});
    QTest::keyClick(List(), Qt::Key(key));
    QCOMPARE(m_target.m_calls, CallsFor(nHighlighted));
    QCOMPARE(List()->GetFirstSelectedItem(), nHighlighted);
    // Pressed again, it switches again, as a second click does.
    m_target.m_calls.clear();
    QTest::keyClick(List(), Qt::Key(key));
    QCOMPARE(m_target.m_calls, CallsFor(nHighlighted));
}

void CSelectionViewTest::changingThumbnailSizeClearsSelection() {
    MakePane();
    const struct {
        bool bSmall;
        QSize size;
    } kSteps[] = {{false, QSize(150, 140)}, {true, QSize(48, 45)}, {true, QSize(48, 45)}};
    for (const auto& step : kSteps) {
        ClickRow(1);
        QCOMPARE(List()->GetFirstSelectedItem(), 1);
        m_pPane->SetImageListStyle(step.bSmall);
        QCOMPARE(List()->GetFirstSelectedItem(), -1);
        QCOMPARE(List()->iconSize(), step.size);
        QCOMPARE(List()->count(), kFractalCount);
    }
}

void CSelectionViewTest::thumbnailsAreTheCurvesDrawnByTheirViews_data() {
    QTest::addColumn<int>("nPosition");
    QTest::addColumn<bool>("bSmall");
    for (const CFractalInfo& info : FractalCatalog()) {
        QTest::addRow("%s small", info.pszRenderName) << info.nPosition << true;
        QTest::addRow("%s large", info.pszRenderName) << info.nPosition << false;
    }
}

void CSelectionViewTest::thumbnailsAreTheCurvesDrawnByTheirViews() {
    QFETCH(int, nPosition);
    QFETCH(bool, bSmall);
    MakePane();
    m_pPane->SetImageListStyle(bSmall);
    const CImageList& images = m_pPane->GetImageList(bSmall);
    QCOMPARE(images.GetImageCount(), kFractalCount);
    const QSize size = images.GetImageSize();
    const QImage expected = DirectPicture(nPosition, size.width(), size.height());

    const QImage thumbnail =
        images.GetImage(nPosition).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(thumbnail, expected);
    // The item shows that very picture.
    const QImage shown = List()->item(nPosition)->icon().pixmap(size).toImage().convertToFormat(
        QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(shown, expected);
    // A curve, not a blank: the picture has more colours than the white border alone.
    QSet<QRgb> colours;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            colours.insert(thumbnail.pixel(x, y));
        }
    }
    QVERIFY(colours.size() > 2);
}

void CSelectionViewTest::thumbnailViewsLeaveTheStoreAlone() {
    MakePane();
    m_pPane->SetImageListStyle(false);
    m_pWindow.reset();
    for (const CFractalInfo& info : FractalCatalog()) {
        std::string strText;
        const std::string strName = info.pfnCreate()->GetSettingsName();
        QVERIFY2(ReadRegistryString(kParameterKey, strName, strText) != 0, strName.c_str());
    }
}

void CSelectionViewTest::paneHasTheCloseButton() {
    MakePane();
    QVERIFY(m_pPane->features().testFlag(QDockWidget::DockWidgetClosable));
}

void CSelectionViewTest::captionRightClickShowsNoMenu() {
    MakePane();
    // Should a menu open, it would run a loop of its own: close it from a timer and note it.
    bool bMenuShown = false;
    QTimer guard;
    connect(&guard, &QTimer::timeout, [&bMenuShown] {
        if (QWidget* pPopup = QApplication::activePopupWidget()) {
            bMenuShown = true;
            pPopup->close();
        }
    });
    guard.start(10);
    const QPoint caption(m_pPane->width() / 2, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, caption, m_pPane->mapToGlobal(caption));
    QApplication::sendEvent(m_pPane, &event);
    QVERIFY(event.isAccepted());
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QVERIFY(!bMenuShown);
}

CMainFrame* CSelectionViewTest::StartFrame() {
    m_pApp = std::make_unique<CNimbrelApp>();
    if (!m_pApp->InitInstance()) {
        return nullptr;
    }
    CMainFrame* pFrame = m_pApp->GetMainFrame();
    pFrame->resize(1100, 800);
    m_pPane = &pFrame->GetSelectionPane();
    return QTest::qWaitForWindowExposed(pFrame) ? pFrame : nullptr;
}

std::string CSelectionViewTest::LastLogMessage() const {
    const COutputWnd& output = m_pApp->GetMainFrame()->GetOutputWnd();
    const std::string strLine = output.GetLine(output.GetLineCount() - 1);
    // Past the time stamp "dd/Mon/yyyy hh:mm:ss: ".
    const std::size_t nStart = strLine.find(": ");
    return nStart == std::string::npos ? strLine : strLine.substr(nStart + 2);
}

void CSelectionViewTest::frameClickShowsTheCurveAndLogsEachTime() {
    CMainFrame* pFrame = StartFrame();
    QVERIFY(pFrame != nullptr);
    // At start-up the Von Koch view is shown while no item is selected.
    QCOMPARE(List()->GetFirstSelectedItem(), -1);
    const int nLines = pFrame->GetOutputWnd().GetLineCount();

    ClickRow(3);
    QCOMPARE(pFrame->GetActiveView(), pFrame->GetView(3));
    CRibbonBar& ribbon = pFrame->GetRibbon();
    QCOMPARE(ribbon.GetCategoryName(ribbon.GetActiveCategory()), std::string("Cesaro Curve"));
    QCOMPARE(LastLogMessage(), std::string("Switch to View of Cesaro Curve."));

    const QPoint empty = EmptyPoint();
    QVERIFY(empty.x() >= 0);
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, empty);
    QCOMPARE(pFrame->GetOutputWnd().GetLineCount(), nLines + 2);
    QCOMPARE(LastLogMessage(), std::string("Switch to View of Cesaro Curve."));
    QCOMPARE(pFrame->GetActiveView(), pFrame->GetView(3));
}

void CSelectionViewTest::iconCommandsStoreTheSizeAndRefill() {
    CMainFrame* pFrame = StartFrame();
    QVERIFY(pFrame != nullptr);
    QCOMPARE(List()->iconSize(), QSize(48, 45));
    const struct {
        UINT nCommand;
        DWORD dwStored;
        QSize size;
    } kSteps[] = {{ID_IMG_LARGE, 0, QSize(150, 140)},
                  {ID_IMG_SMALL, 1, QSize(48, 45)},
                  {ID_IMG_LARGE, 0, QSize(150, 140)}};
    for (const auto& step : kSteps) {
        ClickRow(2);
        pFrame->RouteCommand(step.nCommand);
        DWORD dwStyle = 7;
        QCOMPARE(ReadRegistryDword(kParameterKey, "ImgListStyle", dwStyle), 0L);
        QCOMPARE(dwStyle, step.dwStored);
        QCOMPARE(List()->iconSize(), step.size);
        QCOMPARE(List()->count(), kFractalCount);
        QCOMPARE(List()->GetFirstSelectedItem(), -1);
    }
    // The next run starts with the size chosen last.
    m_pApp.reset();
    pFrame = StartFrame();
    QVERIFY(pFrame != nullptr);
    QCOMPARE(List()->iconSize(), QSize(150, 140));
}

QTEST_MAIN(CSelectionViewTest)
#include "SelectionViewTest.moc"
