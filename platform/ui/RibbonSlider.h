// SPDX-License-Identifier: MIT
// A ribbon slider with its range. It sends its command on every change of position the
// user makes, dragging included, so the picture follows the drag; a position set by the
// program sends nothing.
#pragma once

#include "platform/ui/RibbonElement.h"

class QSlider;

class CRibbonSlider : public CRibbonElement, public CRibbonSliderLink {
public:
    // The slider's length in pixels.
    static constexpr int kWidth = 100;

    CRibbonSlider(const CRibbonElementData& data, CCommandSink sink, QWidget* pParent);

    QWidget* GetWidget() const override;
    QSlider* GetSlider() const { return m_pSlider; }
    CRibbonSliderLink* AsSlider() override { return this; }

    int GetPos() const override;
    void SetPos(int nPos, bool bRedraw) override;
    void Redraw() override;
    int GetRangeMin() const;
    int GetRangeMax() const;

private:
    QSlider* m_pSlider;
};
