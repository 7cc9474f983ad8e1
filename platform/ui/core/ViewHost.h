// SPDX-License-Identifier: MIT
// The contract between a view and the one thing that shows it: a main-window view window,
// a thumbnail, the command-line renderer, a dialog's preview. The host hands the view its
// events and says, when it takes the view, how the view's record meets the settings store
// and the ribbon; the view never guesses how it is used.
#pragma once

#include "platform/gdi/DC.h"
#include "platform/gdi/GdiTypes.h"

// How a host uses the record of the view it shows.
struct CViewHosting {
    // The initial update loads the record from the settings store.
    bool bLoadsStore = false;
    // The record is written back to the store when the view ends.
    bool bKeepsInStore = false;
    // The view's ribbon helpers reach the main window's ribbon.
    bool bUsesRibbon = false;
};

// A view of the main window: loaded at start, kept at the end, driving its ribbon tab.
inline constexpr CViewHosting kMainWindowHosting{true, true, true};
// A view drawn only for its picture (thumbnails, the renderer, a preview): the store and the
// ribbon are left alone.
inline constexpr CViewHosting kPictureHosting{false, false, false};
// A picture of the stored record that leaves the store and the ribbon alone.
inline constexpr CViewHosting kStoredPictureHosting{true, false, false};
// A view no host has taken, as its owner uses it directly: the store is left alone, and the
// ribbon helpers reach the main window's ribbon when there is one.
inline constexpr CViewHosting kUnhosted{false, false, true};

// The kind of resize a host reports to OnSize: the only one hosts make.
enum : UINT { SIZE_RESTORED = 0 };

// The colour every host erases to before its view draws.
inline constexpr COLORREF kWindowColour = 0x00FFFFFF;

// What a view sees of its host.
class CViewHost {
public:
    virtual ~CViewHost() = default;
    virtual CViewHosting GetHosting() const = 0;
    // The host's rectangle expressed in its own client coordinates: what the view's drawing
    // rectangles are computed from.
    virtual CRect GetWindowRectInClient() const = 0;
    // Asks for a repaint of the whole view, with the background erased when bErase.
    virtual void Invalidate(bool bErase) = 0;
    virtual void SetScrollSizes(int cx, int cy) = 0;
    // Puts what the host shows on the clipboard as an image.
    virtual void CopyToClipboard() = 0;
};

// What a host sees of its view. The host attaches itself first, forwards the initial
// update once, then paint, size and show as they come, and destroys the view when it ends.
class CHostedView {
public:
    virtual ~CHostedView() = default;
    virtual void AttachHost(CViewHost* pHost) = 0;
    // The host goes away before the view; the view keeps what the host said of its record.
    virtual void DetachHost() = 0;
    virtual void OnInitialUpdate() = 0;
    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnSize(UINT nType, int cx, int cy) = 0;
    virtual void OnShowWindow(bool bShow) = 0;
};

// The one way every host paints its view: the whole surface erased to the window colour,
// then the view's OnDraw.
inline void PaintHostedView(CHostedView& view, CDC& dc) {
    dc.Erase(kWindowColour);
    view.OnDraw(&dc);
}
