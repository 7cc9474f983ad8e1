// SPDX-License-Identifier: MIT
// A surface that keeps only a digest of the calls made on it and their count, for
// comparing pictures of millions of calls without recording them.
#pragma once

#include <cstdint>

#include "platform/gdi/DC.h"

class CDigestDC : public CDC {
public:
    CPen SelectObject(const CPen& pen) override {
        Mix(1, pen.nWidth, int(pen.crColor));
        return pen;
    }
    CBrush SelectObject(const CBrush& brush) override {
        Mix(2, int(brush.crColor));
        return brush;
    }
    int SetPolyFillMode(int nMode) override {
        Mix(3, nMode);
        return ALTERNATE;
    }
    void MoveTo(int x, int y) override { Mix(4, x, y); }
    void LineTo(int x, int y) override { Mix(5, x, y); }
    void Polyline(const CPoint* pPoints, int nCount) override { MixPoints(6, pPoints, nCount); }
    void Polygon(const CPoint* pPoints, int nCount) override { MixPoints(7, pPoints, nCount); }
    void Rectangle(int left, int top, int right, int bottom) override {
        Mix(8, left, top, right, bottom);
    }
    void SetPixel(int x, int y, COLORREF cr) override { Mix(9, x, y, int(cr)); }
    void FillRect(const CRect& rc, const CBrush& brush) override {
        Mix(10, rc.left, rc.top, rc.right, rc.bottom, int(brush.crColor));
    }
    void Erase(COLORREF cr) override { Mix(11, int(cr)); }

    std::uint64_t m_nDigest = 14695981039346656037ull;
    std::uint64_t m_nCalls = 0;

private:
    template <class... Values> void Mix(int nKind, Values... values) {
        ++m_nCalls;
        MixValue(nKind);
        (MixValue(values), ...);
    }
    void MixPoints(int nKind, const CPoint* pPoints, int nCount) {
        Mix(nKind, nCount);
        for (int i = 0; i < nCount; ++i) {
            MixValue(pPoints[i].x);
            MixValue(pPoints[i].y);
        }
    }
    void MixValue(int nValue) {
        m_nDigest = (m_nDigest ^ std::uint32_t(nValue)) * 1099511628211ull;
    }
};
