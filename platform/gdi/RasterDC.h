// SPDX-License-Identifier: MIT
// The raster surface: draws into 32-bit 0x00RRGGBB pixels (the layout of a Qt RGB32 image,
// so a window shows the buffer without conversion) by the Windows drawing rules, clipped to
// the buffer whatever the coordinates.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/DC.h"

class CRasterDC : public CDC {
public:
    // A surface with a buffer of its own, erased to crErase.
    CRasterDC(int nWidth, int nHeight, COLORREF crErase = 0x00FFFFFF);
    // A surface over a caller's buffer of nStridePixels pixels per row; the buffer must
    // outlive the surface.
    CRasterDC(std::uint32_t* pBits, int nWidth, int nHeight, int nStridePixels);

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
    using CDC::LineTo;
    using CDC::MoveTo;

    // Paints every pixel in cr.
    void Erase(COLORREF cr);

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    int StridePixels() const { return m_nStride; }
    const std::uint32_t* Bits() const { return m_pBits; }
    // The pixel as a COLORREF (0x00BBGGRR); 0 outside the surface.
    COLORREF GetPixel(int x, int y) const;

private:
    std::vector<std::uint32_t> m_ownBuffer;
    std::uint32_t* m_pBits;
    int m_nWidth;
    int m_nHeight;
    int m_nStride;
    CPen m_pen = DefaultPen;
    CBrush m_brush = DefaultBrush;
    int m_nPolyFillMode = ALTERNATE;
    CPoint m_ptCurrent;
};
