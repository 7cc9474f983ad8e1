// SPDX-License-Identifier: MIT
#include "platform/gdi/RecordingDC.h"

#include <utility>

CRecordingDC::CRecordingDC(int nWidth, int nHeight, COLORREF crBackground) {
    m_recording.nWidth = nWidth;
    m_recording.nHeight = nHeight;
    m_recording.crBackground = crBackground;
}

void CRecordingDC::Erase(COLORREF cr) {
    m_recording.crBackground = cr;
    m_recording.calls.clear();
}

CDrawCall& CRecordingDC::Add(CDrawCall::EKind kind) {
    CDrawCall& call = m_recording.calls.emplace_back();
    call.kind = kind;
    return call;
}

CPen CRecordingDC::SelectObject(const CPen& pen) {
    CDrawCall& call = Add(CDrawCall::Pen);
    call.a[0] = pen.nWidth;
    call.cr = pen.crColor;
    return std::exchange(m_pen, pen);
}

CBrush CRecordingDC::SelectObject(const CBrush& brush) {
    Add(CDrawCall::Brush).cr = brush.crColor;
    return std::exchange(m_brush, brush);
}

int CRecordingDC::SetPolyFillMode(int nMode) {
    Add(CDrawCall::PolyFillMode).a[0] = nMode;
    return std::exchange(m_nPolyFillMode, nMode);
}

void CRecordingDC::MoveTo(int x, int y) {
    CDrawCall& call = Add(CDrawCall::MoveTo);
    call.a[0] = x;
    call.a[1] = y;
}

void CRecordingDC::LineTo(int x, int y) {
    CDrawCall& call = Add(CDrawCall::LineTo);
    call.a[0] = x;
    call.a[1] = y;
}

void CRecordingDC::Polyline(const CPoint* pPoints, int nCount) {
    Add(CDrawCall::Polyline).points.assign(pPoints, pPoints + nCount);
}

void CRecordingDC::Polygon(const CPoint* pPoints, int nCount) {
    Add(CDrawCall::Polygon).points.assign(pPoints, pPoints + nCount);
}

void CRecordingDC::Rectangle(int left, int top, int right, int bottom) {
    CDrawCall& call = Add(CDrawCall::Rectangle);
    call.a[0] = left;
    call.a[1] = top;
    call.a[2] = right;
    call.a[3] = bottom;
}

void CRecordingDC::SetPixel(int x, int y, COLORREF cr) {
    CDrawCall& call = Add(CDrawCall::SetPixel);
    call.a[0] = x;
    call.a[1] = y;
    call.cr = cr;
}

void CRecordingDC::FillRect(const CRect& rc, const CBrush& brush) {
    CDrawCall& call = Add(CDrawCall::FillRect);
    call.a[0] = rc.left;
    call.a[1] = rc.top;
    call.a[2] = rc.right;
    call.a[3] = rc.bottom;
    call.cr = brush.crColor;
}

std::vector<std::string> CRecordingDC::TraceLines() const {
    std::vector<std::string> lines;
    lines.reserve(m_recording.calls.size());
    for (const CDrawCall& call : m_recording.calls) {
        lines.push_back(TraceLine(call));
    }
    return lines;
}
