// SPDX-License-Identifier: MIT
#include "platform/gdi/Recording.h"

void Replay(const CRecording& recording, CDC* pDC) {
    for (const CDrawCall& call : recording.calls) {
        const int* a = call.a;
        switch (call.kind) {
        case CDrawCall::Pen:
            pDC->SelectObject(CPen{a[0], call.cr});
            break;
        case CDrawCall::Brush:
            pDC->SelectObject(CBrush{call.cr});
            break;
        case CDrawCall::PolyFillMode:
            pDC->SetPolyFillMode(a[0]);
            break;
        case CDrawCall::MoveTo:
            pDC->MoveTo(a[0], a[1]);
            break;
        case CDrawCall::LineTo:
            pDC->LineTo(a[0], a[1]);
            break;
        case CDrawCall::Polyline:
            pDC->Polyline(call.points.data(), int(call.points.size()));
            break;
        case CDrawCall::Polygon:
            pDC->Polygon(call.points.data(), int(call.points.size()));
            break;
        case CDrawCall::Rectangle:
            pDC->Rectangle(a[0], a[1], a[2], a[3]);
            break;
        case CDrawCall::SetPixel:
            pDC->SetPixel(a[0], a[1], call.cr);
            break;
        case CDrawCall::FillRect:
            pDC->FillRect(CRect{a[0], a[1], a[2], a[3]}, CBrush{call.cr});
            break;
        }
    }
}

namespace {

std::string Numbers(std::initializer_list<long long> values) {
    std::string text;
    for (long long v : values) {
        text += ' ';
        text += std::to_string(v);
    }
    return text;
}

std::string PointList(const std::vector<CPoint>& points) {
    std::string text;
    for (const CPoint& p : points) {
        text += Numbers({p.x, p.y});
    }
    return text;
}

} // namespace

std::string TraceLine(const CDrawCall& call) {
    const int* a = call.a;
    switch (call.kind) {
    case CDrawCall::Pen:
        return "pen" + Numbers({a[0], call.cr});
    case CDrawCall::Brush:
        return "brush" + Numbers({call.cr});
    case CDrawCall::PolyFillMode:
        return a[0] == ALTERNATE ? "polyfillmode alternate" : "polyfillmode winding";
    case CDrawCall::MoveTo:
        return "moveto" + Numbers({a[0], a[1]});
    case CDrawCall::LineTo:
        return "lineto" + Numbers({a[0], a[1]});
    case CDrawCall::Polyline:
        return "polyline" + PointList(call.points);
    case CDrawCall::Polygon:
        return "polygon" + PointList(call.points);
    case CDrawCall::Rectangle:
        return "rectangle" + Numbers({a[0], a[1], a[2], a[3]});
    case CDrawCall::SetPixel:
        return "setpixel" + Numbers({a[0], a[1], call.cr});
    case CDrawCall::FillRect:
        return "fillrect" + Numbers({a[0], a[1], a[2], a[3], call.cr});
    }
    return {};
}
