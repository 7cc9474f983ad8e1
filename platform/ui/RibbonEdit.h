// SPDX-License-Identifier: MIT
// A ribbon edit element: a label beside a text box of a given width. It sends its command
// when the user ends an edit (Return, or leaving the box after a change); text set by the
// program sends nothing.
#pragma once

#include "platform/ui/RibbonElement.h"

class QLabel;
class QLineEdit;

class CRibbonEdit : public CRibbonElement, public CRibbonEditLink {
public:
    CRibbonEdit(const CRibbonElementData& data, CCommandSink sink, QWidget* pParent);

    QWidget* GetWidget() const override;
    QLineEdit* GetLineEdit() const { return m_pEdit; }
    CRibbonEditLink* AsEdit() override { return this; }

    std::string GetEditText() const override;
    void SetEditText(const std::string& strText) override;
    void SetTextAlign(int nAlign) override;
    void SetLabel(const std::string& strLabel) override;
    void Redraw() override;
    int GetTextAlign() const;
    std::string GetLabel() const;

private:
    QWidget* m_pContainer;
    QLabel* m_pLabel;
    QLineEdit* m_pEdit;
};
