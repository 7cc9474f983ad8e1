// SPDX-License-Identifier: MIT
// The window around a view: the picture painted through the raster surface over a white
// erase, the rectangles recomputed on resize, show and hide passed on, scroll bars below
// 100 by 100, repaints on request, and the view destroyed with its window.
#include <QScrollBar>
#include <QtTest>

#include "app/AppTestSupport.h"
#include "platform/ui/ViewWindow.h"
#include "views/NimbrelBaseView.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

// Fills its drawing square in red and remembers what the window told it.
class CProbeView : public CNimbrelBaseView {
public:
    explicit CProbeView(bool* pbDestroyed)
        : CNimbrelBaseView("ProbeView")
        , m_pbDestroyed(pbDestroyed) {
        SetDefaults();
    }
    ~CProbeView() override { *m_pbDestroyed = true; }

    void SetDefaults() override { ResetParameters(); }
    void DrawFractal(CDC* pDC, CRect* /*prcBackground*/, CRect* prcDraw) override {
        ++m_nDraws;
        pDC->FillRect(*prcDraw, CBrush{kRed});
    }
    void OnShowWindow(bool bShow) override { m_shows.push_back(bShow); }

    int m_nDraws = 0;
    std::vector<bool> m_shows;

private:
    bool* m_pbDestroyed;
};

class CPaintCounter : public QObject {
public:
    explicit CPaintCounter(QWidget* pWidget) { pWidget->installEventFilter(this); }
    int m_nPaints = 0;

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override {
        m_nPaints += pEvent->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

COLORREF PixelAt(const QImage& image, int x, int y) {
    const QRgb rgb = image.pixel(x, y);
    return RGB(BYTE(qRed(rgb)), BYTE(qGreen(rgb)), BYTE(qBlue(rgb)));
}

} // namespace

class CViewWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void initialUpdateSetsTheScrollSize();
    void paintsTheViewOverAWhiteErase();
    void resizeRecomputesTheRectangles_data();
    void resizeRecomputesTheRectangles();
    void smallWindowShowsScrollBars();
    void showAndHideReachTheView();
    void invalidateRepaints();
    void viewDiesWithItsWindow();

private:
    std::unique_ptr<CGuiTestEnvironment> m_pEnvironment;
    bool m_bDestroyed = false;
    CProbeView* m_pView = nullptr;
    std::unique_ptr<CViewWindow> m_pWindow;
};

void CViewWindowTest::init() {
    m_pEnvironment = std::make_unique<CGuiTestEnvironment>();
    m_bDestroyed = false;
    auto pView = std::make_unique<CProbeView>(&m_bDestroyed);
    m_pView = pView.get();
    m_pWindow = std::make_unique<CViewWindow>(std::move(pView), kMainWindowHosting);
    m_pWindow->OnInitialUpdate();
    m_pWindow->resize(300, 200);
    m_pWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pWindow.get()));
}

void CViewWindowTest::cleanup() {
    m_pWindow.reset();
    m_pEnvironment.reset();
}

void CViewWindowTest::initialUpdateSetsTheScrollSize() {
    QCOMPARE(m_pWindow->GetCanvas()->minimumSize(), QSize(100, 100));
    QCOMPARE(m_pView->GetHost(), static_cast<CViewHost*>(m_pWindow.get()));
    // There is no main window in this test: the view says so and carries on.
    QCOMPARE(m_pEnvironment->messages.m_texts,
             std::vector<std::string>{"Internal Error: Unable to Grab Pointer to CMainFrame"});
}

void CViewWindowTest::paintsTheViewOverAWhiteErase() {
    const QImage image = m_pWindow->RenderImage(QSize(300, 200));
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(PixelAt(image, 0, 0), COLORREF(0x00FFFFFF));
    QCOMPARE(PixelAt(image, 57, 100), COLORREF(0x00FFFFFF));
    QCOMPARE(PixelAt(image, 58, 8), kRed);
    QCOMPARE(PixelAt(image, 241, 191), kRed);
    QCOMPARE(PixelAt(image, 242, 191), COLORREF(0x00FFFFFF));

    // The window itself shows the same picture.
    const QImage shown = m_pWindow->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(PixelAt(shown, 150, 100), kRed);
    QCOMPARE(PixelAt(shown, 2, 2), COLORREF(0x00FFFFFF));
    QVERIFY(m_pView->m_nDraws > 0);
}

void CViewWindowTest::resizeRecomputesTheRectangles_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("draw"); // left, top, width, height of m_rcDraw
    QTest::newRow("wide") << QSize(300, 200) << QRect(58, 8, 184, 184);
    QTest::newRow("tall") << QSize(150, 400) << QRect(8, 133, 134, 134);
    QTest::newRow("odd excess") << QSize(201, 200) << QRect(8, 8, 185, 184);
}

void CViewWindowTest::resizeRecomputesTheRectangles() {
    QFETCH(QSize, size);
    QFETCH(QRect, draw);
    m_pWindow->resize(size);
    QCOMPARE(m_pView->m_rcWindow, (CRect{0, 0, size.width(), size.height()}));
    QCOMPARE(m_pView->m_rcBackground, (CRect{4, 4, size.width() - 4, size.height() - 4}));
    QCOMPARE(m_pView->m_rcDraw, (CRect{draw.left(), draw.top(), draw.left() + draw.width(),
                                       draw.top() + draw.height()}));
}

void CViewWindowTest::smallWindowShowsScrollBars() {
    QVERIFY(!m_pWindow->horizontalScrollBar()->isVisible());
    m_pWindow->resize(80, 60);
    // The scroll area settles its bars on its next layout pass.
    QTRY_VERIFY(m_pWindow->horizontalScrollBar()->isVisible());
    QTRY_VERIFY(m_pWindow->verticalScrollBar()->isVisible());
    // The window rectangle takes in the scroll bars, as the window's own rectangle does.
    QCOMPARE(m_pView->m_rcWindow, (CRect{0, 0, 80, 60}));
    QCOMPARE(m_pWindow->GetCanvas()->size(), QSize(100, 100));
}

void CViewWindowTest::showAndHideReachTheView() {
    m_pView->m_shows.clear();
    m_pWindow->hide();
    m_pWindow->show();
    QCOMPARE(m_pView->m_shows, (std::vector<bool>{false, true}));
}

void CViewWindowTest::invalidateRepaints() {
    CPaintCounter paints(m_pWindow->GetCanvas());
    m_pView->Invalidate(true);
    QTRY_VERIFY(paints.m_nPaints > 0);
}

void CViewWindowTest::viewDiesWithItsWindow() {
    QVERIFY(!m_bDestroyed);
    m_pWindow.reset();
    QVERIFY(m_bDestroyed);
}

QTEST_MAIN(CViewWindowTest)
#include "ViewWindowTest.moc"
