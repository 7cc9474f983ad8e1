// SPDX-License-Identifier: MIT
// What the curve view tests need around a view: a window that counts repaints and
// clipboard copies, and one paint of the view onto the recording surface.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/gdi/RecordingDC.h"
#include "platform/ui/core/ViewHost.h"
#include "views/NimbrelBaseView.h"

// A window that drives the ribbon and leaves the store alone, as a view no host took.
class CCountingWindow : public CViewHost {
public:
    CViewHosting GetHosting() const override { return kUnhosted; }
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

// Whether the moves and lines of a picture trace one closed curve: every point is the end
// of an even number of (non-empty) segments, and all segments hang together.
inline bool IsOneClosedCurve(const std::vector<CDrawCall>& calls) {
    std::map<std::pair<int, int>, int> index;
    std::vector<int> parent;
    std::vector<int> degree;
    const auto node = [&](CPoint pt) {
        auto [it, bNew] = index.emplace(std::pair{pt.x, pt.y}, int(parent.size()));
        if (bNew) {
            parent.push_back(it->second);
            degree.push_back(0);
        }
        return it->second;
    };
    const std::function<int(int)> root = [&](int i) {
        return parent[i] == i ? i : parent[i] = root(parent[i]);
    };
    CPoint current;
    for (const CDrawCall& call : calls) {
        const CPoint pt{call.a[0], call.a[1]};
        if (call.kind == CDrawCall::LineTo && !(pt == current)) {
            const int a = node(current), b = node(pt);
            ++degree[a];
            ++degree[b];
            parent[root(a)] = root(b);
        }
        if (call.kind == CDrawCall::MoveTo || call.kind == CDrawCall::LineTo) {
            current = pt;
        }
    }
    int nRoots = 0;
    for (std::size_t i = 0; i < parent.size(); ++i) {
        if (degree[i] % 2 != 0) {
            return false;
        }
        nRoots += root(int(i)) == int(i) ? 1 : 0;
    }
    return nRoots == 1;
}

// A surface that only counts the calls of each kind, for pictures too big to record.
class CCountingDC : public CDC {
public:
    CPen SelectObject(const CPen& pen) override { return std::exchange(m_pen, pen); }
    CBrush SelectObject(const CBrush& brush) override { return std::exchange(m_brush, brush); }
    int SetPolyFillMode(int nMode) override { return Count(CDrawCall::PolyFillMode, nMode); }
    void MoveTo(int, int) override { Count(CDrawCall::MoveTo); }
    void LineTo(int, int) override { Count(CDrawCall::LineTo); }
    void Polyline(const CPoint*, int) override { Count(CDrawCall::Polyline); }
    void Polygon(const CPoint*, int) override { Count(CDrawCall::Polygon); }
    void Rectangle(int, int, int, int) override { Count(CDrawCall::Rectangle); }
    void SetPixel(int, int, COLORREF) override { Count(CDrawCall::SetPixel); }
    void FillRect(const CRect&, const CBrush&) override { Count(CDrawCall::FillRect); }
    void Erase(COLORREF) override {}

    long long m_nCounts[CDrawCall::FillRect + 1] = {};

private:
    int Count(CDrawCall::EKind kind, int nResult = 0) {
        ++m_nCounts[kind];
        return nResult;
    }
    CPen m_pen = DefaultPen;
    CBrush m_brush = DefaultBrush;
};
