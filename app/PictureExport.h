// SPDX-License-Identifier: MIT
// Save: the visible curve's picture as the window shows it, to a PNG of the window's pixels
// or an SVG of the same drawing calls, written whole or not at all.
#pragma once

#include <functional>
#include <string>

#include <QString>

#include "platform/gdi/Recording.h"

class QWidget;
class CMainFrame;
class CViewWindow;

enum class EPictureFormat { Png, Svg };

// The save dialog: the chosen file, empty when cancelled. pSelectedFilter comes in with the
// proposed filter and goes out with the one chosen.
using CSaveFileChooser =
    std::function<QString(QWidget* pParent, const QString& strProposed, const QString& strFilters,
                          QString* pSelectedFilter)>;
// Installs the dialog the Save command asks (tests answer it without a window) and returns the
// one installed before; an empty one brings back the file dialog.
CSaveFileChooser SetSaveFileChooser(CSaveFileChooser chooser);

// The calls the window's view makes for a picture of the window's visible size.
CRecording RecordWindowPicture(CViewWindow& window);
// Writes the window's picture; empty on success, else what went wrong, in one line.
std::string SaveWindowPicture(CViewWindow& window, const std::string& strPath,
                              EPictureFormat format);
// The Save command: proposes "<curve>.png" in the last folder used, asks, writes, and then
// logs the path or shows what went wrong. Nothing without a visible view.
void OnSavePicture(CMainFrame& frame);
