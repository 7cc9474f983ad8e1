// SPDX-License-Identifier: MIT
// What the curve view tests need around a view: a window that counts repaints and
// clipboard copies, and one paint of the view onto the recording surface.
#pragma once

#include <string>
#include <vector>

#include "platform/gdi/RecordingDC.h"
#include "platform/ui/core/FrameLink.h"
#include "views/NimbrelBaseView.h"

class CCountingWindow : public CViewWindowLink {
public:
    CRect GetWindowRectInClient() const override { return {0, 0, 100, 100}; }
    void Invalidate(bool bErase) override { m_nErasingRepaints += bErase ? 1 : 0; }
    void SetScrollSizes(int, int) override {}
    void CopyToClipboard() override { ++m_nCopies; }

    int m_nErasingRepaints = 0;
    int m_nCopies = 0;
};

// One paint of the view; the background rectangle is the drawing square grown by 4 pixels
// on every side, as the view's own rectangles are.
inline std::vector<CDrawCall> PaintCalls(CNimbrelBaseView& view, CRect rcDraw) {
    CRecordingDC dc;
    CRect rcBackground{rcDraw.left - 4, rcDraw.top - 4, rcDraw.right + 4, rcDraw.bottom + 4};
    view.DrawFractal(&dc, &rcBackground, &rcDraw);
    return dc.Calls();
}

inline std::vector<std::string> PaintTrace(CNimbrelBaseView& view, CRect rcDraw) {
    std::vector<std::string> lines;
    for (const CDrawCall& call : PaintCalls(view, rcDraw)) {
        lines.push_back(TraceLine(call));
    }
    return lines;
}
