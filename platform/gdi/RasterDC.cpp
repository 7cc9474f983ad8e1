// SPDX-License-Identifier: MIT
// TODO: the drawing rules; this placeholder keeps state and paints only pixels and fills.
#include "platform/gdi/RasterDC.h"

#include <algorithm>
#include <utility>

namespace {

std::uint32_t ToPixel(COLORREF cr) {
    return (std::uint32_t(GetRValue(cr)) << 16) | (std::uint32_t(GetGValue(cr)) << 8) |
           GetBValue(cr);
}

} // namespace

CRasterDC::CRasterDC(int nWidth, int nHeight, COLORREF crErase)
    : m_ownBuffer(std::size_t(std::max(nWidth, 0)) * std::size_t(std::max(nHeight, 0)))
    , m_pBits(m_ownBuffer.data())
    , m_nWidth(std::max(nWidth, 0))
    , m_nHeight(std::max(nHeight, 0))
    , m_nStride(std::max(nWidth, 0)) {
    Erase(crErase);
}

CRasterDC::CRasterDC(std::uint32_t* pBits, int nWidth, int nHeight, int nStridePixels)
    : m_pBits(pBits)
    , m_nWidth(nWidth)
    , m_nHeight(nHeight)
    , m_nStride(nStridePixels) {}

CPen CRasterDC::SelectObject(const CPen& pen) { return std::exchange(m_pen, pen); }
CBrush CRasterDC::SelectObject(const CBrush& brush) { return std::exchange(m_brush, brush); }
int CRasterDC::SetPolyFillMode(int nMode) { return std::exchange(m_nPolyFillMode, nMode); }
void CRasterDC::MoveTo(int x, int y) { m_ptCurrent = {x, y}; }
void CRasterDC::LineTo(int x, int y) { m_ptCurrent = {x, y}; }
void CRasterDC::Polyline(const CPoint*, int) {}
void CRasterDC::Polygon(const CPoint*, int) {}
void CRasterDC::Rectangle(int, int, int, int) {}

void CRasterDC::SetPixel(int x, int y, COLORREF cr) {
    if (x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight) {
        m_pBits[std::size_t(y) * m_nStride + x] = ToPixel(cr);
    }
}

void CRasterDC::FillRect(const CRect& rc, const CBrush& brush) {
    const int l = std::max(rc.left, 0), r = std::min(rc.right, m_nWidth);
    const int t = std::max(rc.top, 0), b = std::min(rc.bottom, m_nHeight);
    for (int y = t; y < b; ++y) {
        std::fill(m_pBits + std::size_t(y) * m_nStride + l, m_pBits + std::size_t(y) * m_nStride + r,
                  ToPixel(brush.crColor));
    }
}

void CRasterDC::Erase(COLORREF cr) { FillRect(CRect{0, 0, m_nWidth, m_nHeight}, CBrush{cr}); }

COLORREF CRasterDC::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight) {
        return 0;
    }
    const std::uint32_t p = m_pBits[std::size_t(y) * m_nStride + x];
    return RGB(BYTE(p >> 16), BYTE(p >> 8), BYTE(p));
}
