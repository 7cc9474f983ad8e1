// SPDX-License-Identifier: MIT
// The drawing surface the curves draw on: the few device-context operations the pictures
// need. The raster surface paints pixels by the Windows rules; the recording surface keeps
// the calls for tests and for the trace and SVG writers.
#pragma once

#include "platform/gdi/GdiTypes.h"

// A solid pen. A width of 0 or 1 draws one-pixel lines.
struct CPen {
    int nWidth = 1;
    COLORREF crColor = 0;

    friend bool operator==(const CPen&, const CPen&) = default;
};

// A solid brush.
struct CBrush {
    COLORREF crColor = 0x00FFFFFF;

    friend bool operator==(const CBrush&, const CBrush&) = default;
};

enum { ALTERNATE = 1, WINDING = 2 };

class CDC {
public:
    // What a fresh paint context holds: a black one-pixel pen and a white brush.
    static constexpr CPen DefaultPen{1, 0x00000000};
    static constexpr CBrush DefaultBrush{0x00FFFFFF};

    virtual ~CDC() = default;

    // Each returns the pen or brush selected before, so that it can be selected back.
    virtual CPen SelectObject(const CPen& pen) = 0;
    virtual CBrush SelectObject(const CBrush& brush) = 0;
    virtual int SetPolyFillMode(int nMode) = 0;

    virtual void MoveTo(int x, int y) = 0;
    // Draws from the current position up to, but not including, (x, y), which becomes the
    // current position.
    virtual void LineTo(int x, int y) = 0;
    virtual void Polyline(const CPoint* pPoints, int nCount) = 0;
    // Fills the interior with the brush (by the polygon fill mode), then outlines it with
    // the pen; the figure is closed implicitly.
    virtual void Polygon(const CPoint* pPoints, int nCount) = 0;
    // Outline in the pen, interior in the brush; right and bottom edges left out.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void SetPixel(int x, int y, COLORREF cr) = 0;
    // Paints the rectangle with a solid brush, left and top edges in, right and bottom edges
    // out; an empty rectangle paints nothing. An inverted one is painted as Windows does,
    // between the same four edges with the given left and top kept and the others left out.
    virtual void FillRect(const CRect& rc, const CBrush& brush) = 0;
    // One rectangle of FillRects and the colour of its solid brush.
    struct CFill {
        CRect rc;
        COLORREF cr;
    };
    // Paints the rectangles as that many FillRect calls in this order would, a later one
    // covering an earlier one where they overlap. A surface may paint them in another order
    // that gives the same pixels (the raster surface goes row by row, so that thin upright
    // strips do not fall into cache aliasing); the recording surface records the FillRects.
    virtual void FillRects(const CFill* pFills, int nCount) {
        for (int i = 0; i < nCount; ++i) {
            FillRect(pFills[i].rc, CBrush{pFills[i].cr});
        }
    }
    // Paints the whole surface in cr, covering whatever was drawn before.
    virtual void Erase(COLORREF cr) = 0;

    void MoveTo(CPoint pt) { MoveTo(pt.x, pt.y); }
    void LineTo(CPoint pt) { LineTo(pt.x, pt.y); }
};

// Selects a pen or brush for one scope and selects the previous one back when it ends, as
// every drawing does with the objects it creates.
template <class Object> class CSelectObject {
public:
    CSelectObject(CDC* pDC, const Object& object)
        : m_pDC(pDC)
        , m_previous(pDC->SelectObject(object)) {}
    ~CSelectObject() { m_pDC->SelectObject(m_previous); }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    CDC* m_pDC;
    Object m_previous;
};

using CSelectPen = CSelectObject<CPen>;
using CSelectBrush = CSelectObject<CBrush>;
