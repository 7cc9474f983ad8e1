// SPDX-License-Identifier: MIT
// What a view sees of the main window and its ribbon. The Qt windows implement these;
// without them (tests, the renderer) a view still draws, and its ribbon helpers behave as
// when the ribbon is missing.
#pragma once

#include <string>

#include "platform/gdi/GdiTypes.h"

enum : int { ES_LEFT = 0, ES_CENTER = 1, ES_RIGHT = 2 };
enum : UINT { RDW_INVALIDATE = 0x0001, RDW_ERASE = 0x0004, RDW_UPDATENOW = 0x0100 };

class CRibbonSliderLink {
public:
    virtual ~CRibbonSliderLink() = default;
    // Always within the slider's own range.
    virtual int GetPos() const = 0;
    // Clamps the position into the slider's range.
    virtual void SetPos(int nPos, bool bRedraw) = 0;
    virtual void Redraw() = 0;
};

class CRibbonEditLink {
public:
    virtual ~CRibbonEditLink() = default;
    virtual std::string GetEditText() const = 0;
    virtual void SetEditText(const std::string& strText) = 0;
    virtual void SetTextAlign(int nAlign) = 0;
    virtual void SetLabel(const std::string& strLabel) = 0;
    virtual void Redraw() = 0;
};

class CRibbonBarLink {
public:
    virtual ~CRibbonBarLink() = default;
    // Looks among the visible categories and the quick-access toolbar; null when no element
    // of that identifier is there or when it is not of the kind asked for.
    virtual CRibbonSliderLink* FindSlider(UINT nID) = 0;
    virtual CRibbonEditLink* FindEdit(UINT nID) = 0;
    virtual void RedrawWindow(UINT nFlags) = 0;
};

class CMainFrameLink {
public:
    virtual ~CMainFrameLink() = default;
    // Null when the frame has no ribbon.
    virtual CRibbonBarLink* GetRibbonBar() = 0;
};

// The application's main window, as the views reach it; null when there is none.
CMainFrameLink* AfxGetMainFrame();
void AfxSetMainFrame(CMainFrameLink* pFrame);
