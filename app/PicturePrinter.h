// SPDX-License-Identifier: MIT
// Print, Quick Print and Print Preview: the visible curve's drawing calls replayed through a
// painter onto the printer, centred and scaled to fit the page with the aspect kept, so a
// one-pixel line stays a clean vector at any printer resolution.
#pragma once

#include <functional>

#include "platform/gdi/Recording.h"

class QPainter;
class QPrintPreviewDialog;
class QPrinter;
class QRectF;
class QWidget;
class CMainFrame;

// How the print dialog, the preview and every printer are handled; tests install their own
// so that no modal window opens and the pages go to a PDF file. An empty member keeps Qt's.
struct CPrintHooks {
    // The print dialog: true prints.
    std::function<bool(QPrinter& printer, QWidget* pParent)> fnPrintDialog;
    // Shows the preview dialog (by default, runs it).
    std::function<void(QPrintPreviewDialog& dialog)> fnPreview;
    // Called on every printer made, before the dialog or the printing.
    std::function<void(QPrinter& printer)> fnPrepare;
};
// Installs the hooks and returns the ones installed before.
CPrintHooks SetPrintHooks(CPrintHooks hooks);

// Paints the recording into rcTarget, centred, scaled with the aspect kept, clipped to it.
void PaintRecording(const CRecording& recording, QPainter& painter, const QRectF& rcTarget);
// One page holding the picture; false when the printer cannot be opened.
bool PrintRecording(const CRecording& recording, QPrinter& printer);

enum class EPrintCommand { Print, QuickPrint, Preview };
// The print commands on the visible view; nothing without one. While the preview is open,
// Print and Quick Print close it and then print through the print dialog, and Print Preview
// closes it.
void OnPrintPicture(CMainFrame& frame, EPrintCommand command);
// Whether the print preview is open.
bool IsInPrintPreview();
