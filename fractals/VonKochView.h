// SPDX-License-Identifier: MIT
// The Von Koch family: every edge of a start figure split in thirds, its middle third
// replaced by a triangular or square bump, recursively. A measuring pass finds the extremes
// of the figure, then the drawing pass fits a shrunk and shifted start figure into the square.
#pragma once

#include <cstdint>

#include "views/NimbrelBaseView.h"

// The record: m_nLevel, edge subdivisions (ribbon 1..10); m_nFrame, start figure (2 line,
// 3 triangle, 4 square, 5 pentagon, 6 hexagon); m_nGrain, bump shape (1 triangle, any other
// square); m_nParam1, orientation factor (1 outside, -1 inside, 2 random); m_nParam2,
// similarity ratio, the bump height in thousandths of the edge (ribbon 150..1000);
// m_nParam3 unused.
class CVonKochView : public CNimbrelBaseView {
public:
    // The deepest subdivision drawn. The ribbon goes up to it, and a stored level above it
    // or below 0 (which would subdivide "until pieces are shorter than 2 pixels", something
    // a square bump or a tall triangle never reaches) subdivides at most this often.
    static constexpr int kMaxLevel = 10;

    CVonKochView();

    void SetDefaults() override;
    virtual void DrawStep(CDC* pDC, int x1, int y1, int x2, int y2, int nLevel);
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;

    void MeasureStep(int x1, int y1, int x2, int y2, int nLevel);

    int m_nMinX = 0;
    int m_nMaxX = 0;
    int m_nMinY = 0;
    int m_nMaxY = 0;
    std::int64_t m_tSeed = 0;

private:
    template <class Leaf> void Subdivide(int x1, int y1, int x2, int y2, int nLevel, Leaf& leaf);
    template <class Step> void PassEdges(const CRect& rc, bool bMeasuring, Step step);
    int EffectiveLevel() const;
    void OnOrientation(int nParam1);
};
