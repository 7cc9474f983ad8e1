// SPDX-License-Identifier: MIT
// The raster surface: draws into 32-bit 0x00RRGGBB pixels (the layout of a Qt RGB32 image,
// so a window shows the buffer without conversion) by the Windows drawing rules, clipped to
// the buffer whatever the coordinates.
#pragma once

#include <array>
#include <cstddef>
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
    void FillRects(const CFill* pFills, int nCount) override;
    using CDC::LineTo;
    using CDC::MoveTo;

    void Erase(COLORREF cr) override;

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    int StridePixels() const { return m_nStride; }
    const std::uint32_t* Bits() const { return m_pBits; }
    // The pixel as a COLORREF (0x00BBGGRR); 0 outside the surface.
    COLORREF GetPixel(int x, int y) const;

private:
    // One non-horizontal polygon edge, walked one scanline at a time with exact integer
    // steps: xCeil is the first pixel column at or right of the crossing.
    struct CPolygonEdge {
        std::int64_t xCeil;  // ceil of the crossing x on the current scanline
        std::int64_t nError; // xCeil * nDy - exact crossing * nDy, in [0, nDy)
        std::int64_t nStepQuotient;
        std::int64_t nStepRemainder; // in [0, nDy)
        std::int64_t nDy;
        int yFirst; // first scanline drawn (already clipped to the surface)
        int yEnd;   // scanline after the last one drawn
        int nDirection;
    };

    // The lines of a deep curve reach at most this far each way: their pixels come from a
    // table, one entry per (dx, dy), as offsets in the buffer from the start pixel.
    static constexpr int ShortReach = 3;
    static constexpr int ShortSide = 2 * ShortReach + 1;
    struct CShortLine {
        // Lines of fewer pixels repeat the start pixel's offset 0: writing the same pixel
        // twice costs less than a branch on the count.
        std::ptrdiff_t offsets[ShortReach];
        bool bEmpty; // zero length: nothing drawn
    };

    // The row runs of short wide strokes, kept per pen width (see WideShape).
    static constexpr int WideCacheReach = 32;
    static constexpr int WideCacheSide = 2 * WideCacheReach + 1;
    static constexpr int WideCacheMaxWidth = 16;
    struct CWideRun {
        int lo; // first column, from the start point's
        int hi; // last column; below lo when the row has none
        // False when a run end lies so close to a whole number that the moved stroke could
        // round it differently: lo then indexes the row's CWideNearRow.
        bool bMovesExactly;
    };
    // Such a row's runs as doubles, base[i] + lo[i] to base[i] + hi[i] for the stroke from
    // x = 0 (base[i] the x of an end point), moved and rounded for each stroke.
    struct CWideNearRow {
        double base[3];
        double lo[3];
        double hi[3];
    };
    struct CWideShape {
        enum EState { Unknown, Kept };
        int nFirstRow = 0; // from the start point's row
        int nRows = 0;
        int nStart = 0; // index of the first row's run in CWideCache::runs
        EState nState = Unknown;
    };
    struct CWideCache {
        std::vector<CWideShape> shapes; // by (dx, dy), allocated on first use
        std::vector<CWideRun> runs;
        std::vector<CWideNearRow> nearRows;
    };

    void BuildShortLines();
    void DrawLine(int x0, int y0, int x1, int y1);
    void ThinLineClipped(int x0, int y0, int x1, int y1);
    void WideLine(int x0, int y0, int x1, int y1);
    const CWideShape* WideShape(std::int64_t dx, std::int64_t dy);
    void FillPolygon(const CPoint* pPoints, int nCount);
    bool FillSmallPolygon(const CPoint* pPoints, int nCount);
    void FillSpans(int y);
    void FillRectPixels(std::int64_t left, std::int64_t top, std::int64_t right,
                        std::int64_t bottom, std::uint32_t pixel);

    std::vector<std::uint32_t> m_ownBuffer;
    std::uint32_t* m_pBits;
    int m_nWidth;
    int m_nHeight;
    int m_nStride;
    CPen m_pen = DefaultPen;
    CBrush m_brush = DefaultBrush;
    // The selected pen and brush as pixels, converted once when selected.
    std::uint32_t m_penPixel = 0;
    std::uint32_t m_brushPixel = 0x00FFFFFF;
    int m_nPenWidth = 1; // 0 and 1 both draw one-pixel lines
    int m_nPolyFillMode = ALTERNATE;
    CPoint m_ptCurrent;
    std::array<CShortLine, ShortSide * ShortSide> m_shortLines; // depends on the stride
    // Scratch space of the polygon fill, kept between calls so that a fill allocates only
    // when a polygon has more edges than any before it.
    std::vector<CPolygonEdge> m_edges;
    std::vector<CPolygonEdge*> m_active;
    // FillRects' rectangles, clipped; kept between calls like the polygon's scratch space.
    struct CClippedFill {
        std::int64_t left, top, right, bottom;
        std::uint32_t pixel;
    };
    std::vector<CClippedFill> m_clippedFills;
    // Indexed by pen width; empty until a wide pen draws. The runs depend on the pen width
    // and the shape alone, not on the buffer, so every surface of a thread shares them: the
    // window makes a surface for each paint and would otherwise compute them each time.
    static thread_local std::vector<CWideCache> s_wideCaches;
};
