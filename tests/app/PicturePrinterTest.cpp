// SPDX-License-Identifier: MIT
// Print, Quick Print and Print Preview to a PDF file, with no printer: one page of vectors,
// and the picture centred and scaled to fit with its aspect kept.
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QtTest>

#include "app/AppTestSupport.h"
#include "app/NimbrelApp.h"
#include "app/PicturePrinter.h"
#include "platform/gdi/RecordingDC.h"
#include "platform/ui/ViewWindow.h"
#include "resources/Resource.h"

class CPicturePrinterTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void printCommandsGiveOnePdfPage_data();
    void printCommandsGiveOnePdfPage();
    void cancelledPrintDialogPrintsNothing();
    void previewShowsOnePage();
    void printCommandsInThePreview_data();
    void printCommandsInThePreview();
    void pictureIsCentredAndScaledToFit_data();
    void pictureIsCentredAndScaledToFit();
    void onePixelLinesAreSharpWithSquareEnds();

private:
    CMainFrame* Start();
    CMainFrame* Frame() const { return m_pApp->GetMainFrame(); }
    QString PdfPath() const { return m_pDir->filePath(QStringLiteral("out.pdf")); }
    QByteArray Pdf() const;
    static int PageCount(const QByteArray& pdf);

    std::unique_ptr<CGuiTestEnvironment> m_pEnvironment;
    std::unique_ptr<CNimbrelApp> m_pApp;
    std::unique_ptr<QTemporaryDir> m_pDir;
    CPrintHooks m_previous;
    int m_nDialogs = 0;
    int m_nPreviews = 0;
    // A command sent while the preview is open, and whether it closed the preview.
    UINT m_nInPreview = 0;
    bool m_bPreviewClosed = false;
    bool m_bInPreview = false;
    bool m_bAccept = true;
};

void CPicturePrinterTest::init() {
    m_pEnvironment = std::make_unique<CGuiTestEnvironment>();
    m_pDir = std::make_unique<QTemporaryDir>();
    m_nDialogs = 0;
    m_nPreviews = 0;
    m_bAccept = true;
    m_nInPreview = 0;
    m_bPreviewClosed = false;
    m_bInPreview = false;
    CPrintHooks hooks;
    hooks.fnPrepare = [this](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(PdfPath());
    };
    hooks.fnPrintDialog = [this](QPrinter&, QWidget* pParent) {
        ++m_nDialogs;
        return pParent == Frame() && m_bAccept;
    };
    hooks.fnPreview = [this](QPrintPreviewDialog& dialog) {
        ++m_nPreviews;
        auto* pPreview = dialog.findChild<QPrintPreviewWidget*>();
        QVERIFY(pPreview != nullptr);
        pPreview->updatePreview();
        QCOMPARE(pPreview->pageCount(), 1);
        m_bInPreview = IsInPrintPreview();
        if (m_nInPreview != 0) {
            QObject::connect(&dialog, &QDialog::finished, [this] { m_bPreviewClosed = true; });
            Frame()->RouteCommand(m_nInPreview);
            // Nothing printed while the preview is still open.
            QVERIFY(!QFile::exists(PdfPath()));
        }
    };
    m_previous = SetPrintHooks(std::move(hooks));
}

void CPicturePrinterTest::cleanup() {
    SetPrintHooks(std::move(m_previous));
    m_pApp.reset();
    m_pDir.reset();
    m_pEnvironment.reset();
}

CMainFrame* CPicturePrinterTest::Start() {
    m_pApp = std::make_unique<CNimbrelApp>();
    if (!m_pApp->InitInstance() || !QTest::qWaitForWindowExposed(Frame())) {
        return nullptr;
    }
    return Frame();
}

QByteArray CPicturePrinterTest::Pdf() const {
    QFile file(PdfPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int CPicturePrinterTest::PageCount(const QByteArray& pdf) {
    // Page objects, not the page tree ("/Type /Pages").
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    int nPages = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next()) {
        ++nPages;
    }
    return nPages;
}

void CPicturePrinterTest::printCommandsGiveOnePdfPage_data() {
    QTest::addColumn<UINT>("command");
    QTest::addColumn<int>("dialogs");
    QTest::addColumn<int>("position");
    QTest::newRow("print") << UINT(ID_FILE_PRINT) << 1 << 0;
    QTest::newRow("quick print") << UINT(ID_FILE_PRINT_DIRECT) << 0 << 9;
    QTest::newRow("print, Mandelbrot") << UINT(ID_FILE_PRINT) << 1 << 1;
}

void CPicturePrinterTest::printCommandsGiveOnePdfPage() {
    QFETCH(UINT, command);
    QFETCH(int, dialogs);
    QFETCH(int, position);
    QVERIFY(Start() != nullptr);
    QVERIFY(Frame()->SwitchToFractal(position));
    Frame()->RouteCommand(command);
    QCOMPARE(m_nDialogs, dialogs);
    const QByteArray pdf = Pdf();
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(PageCount(pdf), 1);
    // Vectors: no picture embedded.
    QVERIFY(!pdf.contains("/Subtype /Image"));
    QVERIFY(m_pEnvironment->messages.m_texts.empty());
}

void CPicturePrinterTest::cancelledPrintDialogPrintsNothing() {
    QVERIFY(Start() != nullptr);
    m_bAccept = false;
    Frame()->RouteCommand(ID_FILE_PRINT);
    QCOMPARE(m_nDialogs, 1);
    QVERIFY(!QFile::exists(PdfPath()));
}

void CPicturePrinterTest::previewShowsOnePage() {
    QVERIFY(Start() != nullptr);
    Frame()->RouteCommand(ID_FILE_PRINT_PREVIEW);
    QCOMPARE(m_nPreviews, 1);
    QCOMPARE(m_nDialogs, 0);
}

void CPicturePrinterTest::printCommandsInThePreview_data() {
    QTest::addColumn<UINT>("command");
    QTest::addColumn<bool>("prints");
    QTest::newRow("print") << UINT(ID_FILE_PRINT) << true;
    QTest::newRow("quick print") << UINT(ID_FILE_PRINT_DIRECT) << true;
    QTest::newRow("print preview") << UINT(ID_FILE_PRINT_PREVIEW) << false;
}

void CPicturePrinterTest::printCommandsInThePreview() {
    QFETCH(UINT, command);
    QFETCH(bool, prints);
    QVERIFY(Start() != nullptr);
    m_nInPreview = command;
    Frame()->RouteCommand(ID_FILE_PRINT_PREVIEW);
    QVERIFY(m_bInPreview);
    QVERIFY(!IsInPrintPreview());
    // The command closed the preview; printing then goes through the print dialog.
    QVERIFY(m_bPreviewClosed);
    QCOMPARE(m_nPreviews, 1);
    QCOMPARE(m_nDialogs, prints ? 1 : 0);
    QCOMPARE(QFile::exists(PdfPath()), prints);
    if (prints) {
        QCOMPARE(PageCount(Pdf()), 1);
    }
}

void CPicturePrinterTest::pictureIsCentredAndScaledToFit_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("target");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("wide on square")
        << QSize(100, 50) << QRect(0, 0, 200, 200) << QRect(0, 50, 200, 100);
    QTest::newRow("tall on square")
        << QSize(30, 60) << QRect(0, 0, 200, 200) << QRect(50, 0, 100, 200);
    QTest::newRow("offset target")
        << QSize(40, 40) << QRect(20, 10, 100, 60) << QRect(40, 10, 60, 60);
}

void CPicturePrinterTest::pictureIsCentredAndScaledToFit() {
    QFETCH(QSize, picture);
    QFETCH(QRect, target);
    QFETCH(QRect, expected);
    CRecordingDC dc(picture.width(), picture.height(), 0x000000FF);
    dc.Erase(0x000000FF);
    QImage image(240, 240, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        PaintRecording(dc.Recording(), painter, QRectF(target));
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool bInside = expected.contains(x, y);
            const QRgb expectedColour = bInside ? qRgb(255, 0, 0) : qRgb(0, 0, 0);
            if (image.pixel(x, y) != expectedColour) {
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
    }
}

void CPicturePrinterTest::onePixelLinesAreSharpWithSquareEnds() {
    // At scale 1 a horizontal one-pixel line covers exactly its row, and its square ends
    // reach half a pixel past the end points' centres.
    CRecordingDC dc(20, 10, 0x00FFFFFF);
    dc.Erase(0x00FFFFFF);
    dc.MoveTo(2, 4);
    dc.LineTo(17, 4);
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintRecording(dc.Recording(), painter, QRectF(0, 0, 20, 10));
    }
    for (int x = 2; x <= 17; ++x) {
        QCOMPARE(image.pixel(x, 4), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(x, 3), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(x, 5), qRgb(255, 255, 255));
    }
    QCOMPARE(image.pixel(1, 4), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(18, 4), qRgb(255, 255, 255));
}

QTEST_MAIN(CPicturePrinterTest)
#include "PicturePrinterTest.moc"
