// SPDX-License-Identifier: MIT
#include "app/PicturePrinter.h"

#include <algorithm>

#include <QAction>
#include <QDialog>
#include <QKeySequence>
#include <QPainter>
#include <QPainterPath>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/MainFrame.h"
#include "app/PictureExport.h"
#include "platform/ui/ViewWindow.h"
#include "platform/ui/core/MessageBox.h"
#include "resources/Resource.h"

namespace {

// The open preview, and whether closing it is to be followed by printing.
QPrintPreviewDialog* g_pPreview = nullptr;
bool g_bPrintAfterPreview = false;

CPrintHooks& Hooks() {
    static CPrintHooks hooks;
    return hooks;
}

QColor Colour(COLORREF cr) {
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

// Pixel centres sit at half coordinates, as in the SVG writer, so that a one-pixel line
// covers the pixels the raster surface paints.
QPointF Centre(int x, int y) {
    return QPointF(x + 0.5, y + 0.5);
}

QPolygonF Centres(const std::vector<CPoint>& points) {
    QPolygonF polygon;
    polygon.reserve(qsizetype(points.size()));
    for (const CPoint& p : points) {
        polygon << Centre(p.x, p.y);
    }
    return polygon;
}

// Replays the calls in picture coordinates; runs of moves and lines become one path.
class CPainterReplay {
public:
    explicit CPainterReplay(QPainter& painter)
        : m_painter(painter) {
        SetPen(CDC::DefaultPen);
        m_painter.setBrush(Colour(CDC::DefaultBrush.crColor));
    }

    void Add(const CDrawCall& call) {
        const int* a = call.a;
        switch (call.kind) {
        case CDrawCall::Pen:
            Flush();
            SetPen(CPen{a[0], call.cr});
            break;
        case CDrawCall::Brush:
            m_painter.setBrush(Colour(call.cr));
            break;
        case CDrawCall::PolyFillMode:
            m_fillRule = a[0] == ALTERNATE ? Qt::OddEvenFill : Qt::WindingFill;
            break;
        case CDrawCall::MoveTo:
            m_current = {a[0], a[1]};
            m_bPendingMove = true;
            break;
        case CDrawCall::LineTo:
            if (m_bPendingMove) {
                m_path.moveTo(Centre(m_current.x, m_current.y));
                m_bPendingMove = false;
            }
            m_path.lineTo(Centre(a[0], a[1]));
            m_current = {a[0], a[1]};
            break;
        case CDrawCall::Polyline:
            Flush();
            m_painter.drawPolyline(Centres(call.points));
            break;
        case CDrawCall::Polygon:
            Flush();
            m_painter.drawPolygon(Centres(call.points), m_fillRule);
            break;
        case CDrawCall::Rectangle: {
            Flush();
            const double left = std::min(a[0], a[2]);
            const double top = std::min(a[1], a[3]);
            const double width = std::abs(double(a[2]) - a[0]) - 1;
            const double height = std::abs(double(a[3]) - a[1]) - 1;
            m_painter.drawRect(QRectF(left + 0.5, top + 0.5, width, height));
            break;
        }
        case CDrawCall::SetPixel:
            Flush();
            m_painter.fillRect(QRectF(a[0], a[1], 1, 1), Colour(call.cr));
            break;
        case CDrawCall::FillRect:
            Flush();
            if (a[2] > a[0] && a[3] > a[1]) {
                m_painter.fillRect(QRectF(a[0], a[1], double(a[2]) - a[0], double(a[3]) - a[1]),
                                   Colour(call.cr));
            }
            break;
        }
    }

    void Flush() {
        if (!m_path.isEmpty()) {
            m_painter.strokePath(m_path, m_painter.pen());
            m_path.clear();
        }
        m_bPendingMove = true;
    }

private:
    void SetPen(const CPen& pen) {
        // Square caps and miter joins: the ends and corners cover what the raster pen covers.
        QPen qpen(Colour(pen.crColor), std::max(pen.nWidth, 1), Qt::SolidLine, Qt::SquareCap,
                  Qt::MiterJoin);
        m_painter.setPen(qpen);
    }

    QPainter& m_painter;
    QPainterPath m_path;
    Qt::FillRule m_fillRule = Qt::OddEvenFill;
    CPoint m_current;
    bool m_bPendingMove = true;
};

void PrepareDefault(QPrinter& printer) {
    printer.setDocName(QStringLiteral("Nimbrel"));
    if (Hooks().fnPrepare) {
        Hooks().fnPrepare(printer);
    }
}

bool PrintOrReport(const CRecording& recording, QPrinter& printer) {
    if (!PrintRecording(recording, printer)) {
        AfxMessageBox("The picture could not be printed: the printer cannot be opened.",
                      MB_OK | MB_ICONERROR);
        return false;
    }
    return true;
}

} // namespace

CPrintHooks SetPrintHooks(CPrintHooks hooks) {
    CPrintHooks previous = std::move(Hooks());
    Hooks() = std::move(hooks);
    return previous;
}

bool IsInPrintPreview() {
    return g_pPreview != nullptr;
}

void PaintRecording(const CRecording& recording, QPainter& painter, const QRectF& rcTarget) {
    if (recording.nWidth <= 0 || recording.nHeight <= 0 || rcTarget.isEmpty()) {
        return;
    }
    const double scale =
        std::min(rcTarget.width() / recording.nWidth, rcTarget.height() / recording.nHeight);
    const QSizeF size(recording.nWidth * scale, recording.nHeight * scale);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(rcTarget.center() - QPointF(size.width() / 2, size.height() / 2));
    painter.scale(scale, scale);
    const QRectF picture(0, 0, recording.nWidth, recording.nHeight);
    painter.setClipRect(picture);
    painter.fillRect(picture, Colour(recording.crBackground));
    CPainterReplay replay(painter);
    for (const CDrawCall& call : recording.calls) {
        replay.Add(call);
    }
    replay.Flush();
    painter.restore();
}

bool PrintRecording(const CRecording& recording, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRectF page(QPointF(0, 0),
                      printer.pageLayout().paintRectPixels(printer.resolution()).size());
    PaintRecording(recording, painter, page);
    return painter.end();
}

void OnPrintPicture(CMainFrame& frame, EPrintCommand command) {
    if (g_pPreview != nullptr) {
        g_bPrintAfterPreview = command != EPrintCommand::Preview;
        g_pPreview->reject();
        return;
    }
    CViewWindow* pWindow = frame.GetActiveViewWindow();
    if (pWindow == nullptr) {
        return;
    }
    const CRecording recording = RecordWindowPicture(*pWindow);
    QPrinter printer(QPrinter::HighResolution);
    PrepareDefault(printer);
    switch (command) {
    case EPrintCommand::Print: {
        bool bAccepted = false;
        if (Hooks().fnPrintDialog) {
            bAccepted = Hooks().fnPrintDialog(printer, &frame);
        } else {
            QPrintDialog dialog(&printer, &frame);
            bAccepted = dialog.exec() == QDialog::Accepted;
        }
        if (bAccepted) {
            PrintOrReport(recording, printer);
        }
        break;
    }
    case EPrintCommand::QuickPrint:
        PrintOrReport(recording, printer);
        break;
    case EPrintCommand::Preview: {
        QPrintPreviewDialog dialog(&printer, &frame);
        QObject::connect(
            &dialog, &QPrintPreviewDialog::paintRequested, &dialog,
            [&recording](QPrinter* pPrinter) {
                QPainter painter(pPrinter);
                const QRectF page(
                    QPointF(0, 0),
                    pPrinter->pageLayout().paintRectPixels(pPrinter->resolution()).size());
                PaintRecording(recording, painter, page);
            });
        // The frame's print keys reach the frame's commands while the preview has the input.
        auto* pPrint = new QAction(&dialog);
        pPrint->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
        QObject::connect(pPrint, &QAction::triggered, &frame,
                         [&frame] { frame.RouteCommand(ID_FILE_PRINT); });
        dialog.addAction(pPrint);
        g_pPreview = &dialog;
        g_bPrintAfterPreview = false;
        if (Hooks().fnPreview) {
            Hooks().fnPreview(dialog);
        } else {
            dialog.exec();
        }
        g_pPreview = nullptr;
        if (g_bPrintAfterPreview) {
            g_bPrintAfterPreview = false;
            OnPrintPicture(frame, EPrintCommand::Print);
        }
        break;
    }
    }
}
