// SPDX-License-Identifier: MIT
#include "platform/ui/RibbonSlider.h"

#include <QSignalBlocker>
#include <QSlider>

#include "platform/ui/Text.h"

CRibbonSlider::CRibbonSlider(const CRibbonElementData& data, CCommandSink sink, QWidget* pParent)
    : CRibbonElement(data, std::move(sink))
    , m_pSlider(new QSlider(Qt::Horizontal, pParent)) {
    m_pSlider->setRange(data.nMin, data.nMax);
    // PageUp, PageDown and a click in the groove move a tenth of the range; the arrows
    // move by one for precision.
    m_pSlider->setSingleStep(1);
    m_pSlider->setPageStep(qMax(1, (data.nMax - data.nMin) / 10));
    m_pSlider->setFixedWidth(kWidth);
    m_pSlider->setTracking(true);
    QObject::connect(m_pSlider, &QSlider::valueChanged, m_pSlider,
                     [this] { SendCommand(GetID()); });
}

QWidget* CRibbonSlider::GetWidget() const {
    return m_pSlider;
}

int CRibbonSlider::GetPos() const {
    return m_pSlider->value();
}

void CRibbonSlider::SetPos(int nPos, bool bRedraw) {
    const QSignalBlocker blocker(m_pSlider);
    m_pSlider->setValue(nPos); // QSlider keeps the value inside its range
    if (bRedraw) {
        m_pSlider->update();
    }
}

void CRibbonSlider::Redraw() {
    m_pSlider->update();
}

int CRibbonSlider::GetRangeMin() const {
    return m_pSlider->minimum();
}

int CRibbonSlider::GetRangeMax() const {
    return m_pSlider->maximum();
}
