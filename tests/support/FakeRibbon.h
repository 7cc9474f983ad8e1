// SPDX-License-Identifier: MIT
// A main window with a ribbon of a few sliders and edits, for the views' ribbon helpers.
#pragma once

#include <map>
#include <string>

#include "platform/ui/core/FrameLink.h"

class CFakeSlider : public CRibbonSliderLink {
public:
    CFakeSlider(int nMin, int nMax, int nPos)
        : m_nMin(nMin)
        , m_nMax(nMax)
        , m_nPos(nPos) {}
    int GetPos() const override { return m_nPos; }
    void SetPos(int nPos, bool) override {
        m_nPos = nPos < m_nMin ? m_nMin : nPos > m_nMax ? m_nMax : nPos;
    }
    void Redraw() override { ++m_nRedraws; }

    int m_nMin, m_nMax, m_nPos;
    int m_nRedraws = 0;
};

class CFakeEdit : public CRibbonEditLink {
public:
    std::string GetEditText() const override { return m_strText; }
    void SetEditText(const std::string& strText) override { m_strText = strText; }
    void SetTextAlign(int nAlign) override { m_nAlign = nAlign; }
    void SetLabel(const std::string& strLabel) override { m_strLabel = strLabel; }
    void Redraw() override { ++m_nRedraws; }

    std::string m_strText;
    std::string m_strLabel;
    int m_nAlign = ES_LEFT;
    int m_nRedraws = 0;
};

class CFakeRibbon : public CRibbonBarLink {
public:
    CRibbonSliderLink* FindSlider(UINT nID) override {
        auto it = m_sliders.find(nID);
        return it == m_sliders.end() ? nullptr : &it->second;
    }
    CRibbonEditLink* FindEdit(UINT nID) override {
        auto it = m_edits.find(nID);
        return it == m_edits.end() ? nullptr : &it->second;
    }
    void RedrawWindow(UINT nFlags) override { m_lastRedrawFlags = nFlags; }

    std::map<UINT, CFakeSlider> m_sliders;
    std::map<UINT, CFakeEdit> m_edits;
    UINT m_lastRedrawFlags = 0;
};

// Installs itself as the application's main window for its lifetime.
class CFakeMainFrame : public CMainFrameLink {
public:
    CFakeMainFrame() { AfxSetMainFrame(this); }
    ~CFakeMainFrame() override { AfxSetMainFrame(nullptr); }
    CRibbonBarLink* GetRibbonBar() override { return &m_ribbon; }

    CFakeRibbon m_ribbon;
};
