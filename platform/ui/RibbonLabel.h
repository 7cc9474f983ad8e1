// SPDX-License-Identifier: MIT
// A ribbon label: text only, no command.
#pragma once

#include "platform/ui/RibbonElement.h"

class QLabel;

class CRibbonLabel : public CRibbonElement {
public:
    CRibbonLabel(const CRibbonElementData& data, QWidget* pParent);

    QWidget* GetWidget() const override;

private:
    QLabel* m_pLabel;
};
