// SPDX-License-Identifier: MIT
// A ribbon check box. A click sends its command; the mark it shows is the one the update
// handlers give it afterwards, never the click's own toggle.
#pragma once

#include "platform/ui/RibbonElement.h"

class QCheckBox;

class CRibbonCheckBox : public CRibbonElement {
public:
    CRibbonCheckBox(const CRibbonElementData& data, CCommandSink sink, QWidget* pParent);

    QWidget* GetWidget() const override;
    QCheckBox* GetCheckBox() const { return m_pCheckBox; }
    bool IsChecked() const;
    // Unchecked when no update handler answers.
    void UpdateCmdUI(const CCmdUIQuery& query) override;

private:
    QCheckBox* m_pCheckBox;
};
