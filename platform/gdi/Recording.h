// SPDX-License-Identifier: MIT
// A list of drawing calls in order: what the recording surface keeps, what the trace
// reader returns, and what the trace and SVG writers turn into text.
#pragma once

#include <string>
#include <vector>

#include "platform/gdi/DC.h"

struct CDrawCall {
    enum EKind {
        Pen,          // a[0] width, cr colour
        Brush,        // cr colour
        PolyFillMode, // a[0] mode
        MoveTo,       // a[0] x, a[1] y
        LineTo,       // a[0] x, a[1] y
        Polyline,     // points
        Polygon,      // points
        Rectangle,    // a[0..3] left, top, right, bottom
        SetPixel,     // a[0] x, a[1] y, cr colour
        FillRect,     // a[0..3] left, top, right, bottom, cr colour
    };

    EKind kind = Pen;
    int a[4] = {};
    COLORREF cr = 0;
    std::vector<CPoint> points;

    friend bool operator==(const CDrawCall&, const CDrawCall&) = default;
};

struct CRecording {
    int nWidth = 0;
    int nHeight = 0;
    COLORREF crBackground = 0x00FFFFFF;
    std::vector<CDrawCall> calls;
};

// Plays the calls onto a surface in order.
void Replay(const CRecording& recording, CDC* pDC);

// One call as its trace line, without the line break ("lineto 5 10").
std::string TraceLine(const CDrawCall& call);
