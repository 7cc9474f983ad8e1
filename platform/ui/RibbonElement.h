// SPDX-License-Identifier: MIT
// One element of the ribbon built from its layout data: what every kind shares (its
// identifier, its text, the command it sends, the state its update handlers give it).
// The widget belongs to Qt's parent chain; the element only points at it.
#pragma once

#include <functional>
#include <string>

#include "platform/ui/core/CmdTarget.h"
#include "platform/ui/core/FrameLink.h"
#include "platform/ui/core/RibbonData.h"

class QWidget;

class CRibbonElement {
public:
    // Where an element sends its command identifier.
    using CCommandSink = std::function<void(UINT nID)>;
    // Asks the update handlers for one command's state; false when none answered.
    using CCmdUIQuery = std::function<bool(CCmdUI* pCmdUI)>;

    CRibbonElement(const CRibbonElementData& data, CCommandSink sink);
    virtual ~CRibbonElement() = default;
    CRibbonElement(const CRibbonElement&) = delete;
    CRibbonElement& operator=(const CRibbonElement&) = delete;

    UINT GetID() const { return m_data.nID; }
    ERibbonElementKind GetKind() const { return m_data.kind; }
    const CRibbonElementData& GetData() const { return m_data; }
    // The element's own text from the layout (an edit's initial label); Windows-1252.
    std::string GetText() const { return m_data.pszText; }

    virtual QWidget* GetWidget() const = 0;
    virtual CRibbonSliderLink* AsSlider() { return nullptr; }
    virtual CRibbonEditLink* AsEdit() { return nullptr; }
    // Whether a menu item of this element carries nID.
    virtual bool HasItem(UINT /*nID*/) const { return false; }

    // Asks the update handlers for this element's state and shows it; the base applies
    // the enabled state only.
    virtual void UpdateCmdUI(const CCmdUIQuery& query);

protected:
    void SendCommand(UINT nID) const;
    // Runs the query for nID; answers whether a handler set the state in cmdUI.
    static bool Query(const CCmdUIQuery& query, UINT nID, CCmdUI& cmdUI);

private:
    const CRibbonElementData& m_data;
    CCommandSink m_sink;
};
