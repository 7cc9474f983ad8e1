// SPDX-License-Identifier: MIT
// The recording surface: keeps every call in order, for tests and for the trace and SVG
// writers. It tracks the selected pen and brush so that selecting one back returns it.
#pragma once

#include <string>
#include <vector>

#include "platform/gdi/Recording.h"

class CRecordingDC : public CDC {
public:
    CRecordingDC(int nWidth = 0, int nHeight = 0, COLORREF crBackground = 0x00FFFFFF);

    CPen SelectObject(const CPen& pen) override;
    CBrush SelectObject(const CBrush& brush) override;
    int SetPolyFillMode(int nMode) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polyline(const CPoint* pPoints, int nCount) override;
    void Polygon(const CPoint* pPoints, int nCount) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void SetPixel(int x, int y, COLORREF cr) override;
    void FillRect(const CRect& rc, const CBrush& brush) override;
    // A new background: the calls recorded so far are covered, so they are dropped.
    void Erase(COLORREF cr) override;
    using CDC::LineTo;
    using CDC::MoveTo;

    const CRecording& Recording() const { return m_recording; }
    const std::vector<CDrawCall>& Calls() const { return m_recording.calls; }
    // The calls as trace lines, without the size line: what tests compare.
    std::vector<std::string> TraceLines() const;
    void Clear() { m_recording.calls.clear(); }

private:
    CDrawCall& Add(CDrawCall::EKind kind);

    CRecording m_recording;
    CPen m_pen = DefaultPen;
    CBrush m_brush = DefaultBrush;
    int m_nPolyFillMode = ALTERNATE;
};
