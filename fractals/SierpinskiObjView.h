// SPDX-License-Identifier: MIT
// The Sierpinski objects: triangle, carpet, pentagon and hexagon subdivisions, drawn
// recursively or as point clouds by random iteration.
#pragma once

#include "views/NimbrelBaseView.h"

// The record: m_nLevel, recursion level (ribbon 1..8, level 1 the start figure itself);
// m_nFrame, the object (3 triangle, 4 carpet, 5 pentagon, 6 hexagon); m_nGrain, leaves
// outlined (0) or filled (1); m_nParam1, drawing mode (0 recursive figures, any other point
// clouds); m_nParam2, points in a cloud; m_nParam3, point colours (0 the curve colour, any
// other random). m_nParam1 to m_nParam3 come only from the defaults and the settings string.
class CSierpinskiObjView : public CNimbrelBaseView {
public:
    // The deepest level drawn, the ribbon's maximum: the carpet then has 8^7 = 2097152
    // leaves. A stored level above it is drawn at this level, one below 1 as 1 (the start
    // figure).
    static constexpr int kMaxLevel = 8;
    // The most points a cloud gets, whatever the stored count: 40 times the default, more
    // than the pixels of any of the four objects in a drawing square of 2000 pixels.
    static constexpr int kMaxPoints = 4000000;

    CSierpinskiObjView();

    void SetDefaults() override;
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;

    // The recursive steps: at nLevel 1 (or below) each draws its leaf, above it its parts.
    void DrawTriangleStep(CDC* pDC, int x1, int y1, int x2, int y2, int x3, int y3, int nLevel);
    void DrawCarpetStep(CDC* pDC, int left, int top, int right, int bottom, int nLevel);
    // Points bottom left, left, top, right, bottom right.
    void DrawPentagonStep(CDC* pDC, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                          int x5, int y5, int nLevel);
    // Points bottom, lower left, upper left, top, upper right, lower right.
    void DrawHexagonStep(CDC* pDC, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                         int x5, int y5, int x6, int y6, int nLevel);

    // The point clouds, seeded from the clock: m_nParam2 points (at most kMaxPoints), each
    // moved from the last toward a target picked at random.
    void ScatterTriangle(CDC* pDC, int x1, int y1, int x2, int y2, int x3, int y3);
    void ScatterCarpet(CDC* pDC, int left, int top, int right, int bottom);
    void ScatterPentagon(CDC* pDC, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                         int x5, int y5);
    void ScatterHexagon(CDC* pDC, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                        int x5, int y5, int x6, int y6);

private:
    void DrawObject(CDC* pDC, const CRect& rcDraw);
    void DrawLeaf(CDC* pDC, const CPoint* pPoints, int nCount);
    template <class Move>
    void Scatter(CDC* pDC, const CPoint* pTargets, int nTargets, CPoint ptStart, Move move);
};
