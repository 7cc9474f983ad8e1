// SPDX-License-Identifier: MIT
// A ribbon edit element: a label beside a text box of a given width. It sends its command
// when the user ends an edit (Return, or leaving the box after a change); text set by the
// program sends nothing. The edit beside a slider applies a typed number to the slider
// instead, so the box never shows a value the picture does not have.
#pragma once

#include <QString>

#include "platform/ui/RibbonElement.h"

class CRibbonSlider;
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

    // Makes this the edit of pSlider: an ended edit moves the slider, clamped to its range,
    // and sends the slider's command; text that is not a number puts back the text in effect.
    void BindSlider(CRibbonSlider* pSlider);
    // Whether the user typed in the box since the edit last ended or the program set it.
    bool HasPendingEdit() const;
    // Ends a pending edit as Return would; nothing when there is none.
    void CommitPendingEdit();

private:
    void OnEditEnded();
    void ApplyToSlider();

    QWidget* m_pContainer;
    QLabel* m_pLabel;
    QLineEdit* m_pEdit;
    CRibbonSlider* m_pSlider = nullptr;
    // The text the program last set: the value in effect.
    QString m_strInEffect;
};
