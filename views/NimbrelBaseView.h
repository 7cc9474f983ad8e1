// SPDX-License-Identifier: MIT
// The common base of the ten curve views: the parameter record every curve shares, the
// rectangles it draws in, the ribbon helpers, the command helpers each curve declares its
// own commands with, and the settings string that keeps the record between runs.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/crt/CrtRandom.h"
#include "platform/gdi/DC.h"
#include "platform/ui/core/CmdTarget.h"
#include "platform/ui/core/FrameLink.h"
#include "platform/ui/core/RibbonData.h"
#include "platform/ui/core/ViewHost.h"
#include "views/Background.h"

class CNimbrelBaseView : public CCmdTarget, public CHostedView {
public:
    // Seconds since 1970-01-01 UTC; the clock the random pictures are seeded from.
    using CClock = std::function<std::int64_t()>;

    // pszSettingsName is the value name of the view's settings string ("VonKochView", ...),
    // a string that outlives the view.
    explicit CNimbrelBaseView(const char* pszSettingsName);
    // Keeps the record in the settings store when the view's host said so.
    ~CNimbrelBaseView() override;
    CNimbrelBaseView(const CNimbrelBaseView&) = delete;
    CNimbrelBaseView& operator=(const CNimbrelBaseView&) = delete;

    const char* GetSettingsName() const { return m_pszSettingsName; }

    // ResetParameters, then the curve's own defaults.
    virtual void SetDefaults() = 0;
    // Paints the background into prcBackground, then the curve inside prcDraw.
    virtual void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) = 0;

    // The host and the view's life in it: attached first, then the initial update (loads
    // the stored settings when the host says so, shows the record on the ribbon), paint,
    // resize and show. A view no host has taken behaves as kUnhosted.
    void AttachHost(CViewHost* pHost) override;
    void DetachHost() override;
    CViewHost* GetHost() const { return m_pHost; }
    const CViewHosting& GetHosting() const { return m_hosting; }
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    void OnSize(UINT nType, int cx, int cy) override;
    // Showing the view puts the values of its bound sliders on the ribbon.
    void OnShowWindow(bool bShow) override;

    void ResetParameters();
    void SetParameters(int nLevel, int nGrain, int nParam1, int nParam2, int nParam3, int nFrame,
                       COLORREF crCurve, COLORREF crFirst, COLORREF crSecond, int nFading);
    void SetFoldParameters(const std::string& strFoldCode, COLORREF crCurve, COLORREF crFirst,
                           COLORREF crSecond, int nFading);

    // Recomputes the three rectangles from the window rectangle given in client coordinates;
    // the form without arguments asks the host for it.
    void ComputeDrawingRects(const CRect& rcWindow);
    void ComputeDrawingRects();

    int ReadRibbonSlider(UINT nSliderID, UINT nEditID);
    int ReadRibbonSlider(UINT nSliderID, UINT nEditID, const std::string& strLabel);
    void SetRibbonSlider(UINT nSliderID, UINT nEditID, int nValue, const std::string& strLabel);
    int GetFoldCodeText(std::string& strCode);
    int SetFoldCodeText(const std::string& strCode);
    void CopyToClipboard();

    // Writes the record as the settings string under strName; reads it back, leaving the
    // record unchanged and answering FALSE when the value is missing or malformed.
    void SaveSettings(const std::string& strName) const;
    BOOL LoadSettings(const std::string& strName);
    // The settings string SaveSettings stores, and the parse LoadSettings applies.
    std::string FormatSettings(const std::string& strName) const;
    BOOL ParseSettings(const std::string& strName, const std::string& strText);

    // Asks the host to repaint the whole view, erasing first.
    void Invalidate(bool bErase = true);

    void SetClock(CClock clock) { m_Clock = std::move(clock); }

    // The main window, as the view found it when it was made and again at its initial
    // update; the ribbon helpers reach the ribbon through it when the host allows.
    CMainFrameLink* m_pMainFrame = nullptr;
    CRect m_rcWindow;
    CRect m_rcBackground;
    CRect m_rcDraw;
    int m_nLevel = 0;
    COLORREF m_crCurve = 0;
    int m_nFrame = 0;
    int m_nGrain = 0;
    int m_nParam1 = 0;
    int m_nParam2 = 0;
    int m_nParam3 = 0;
    std::string m_strFoldCode;
    CBackground m_Background;

protected:
    using CRecordMember = int CNimbrelBaseView::*;
    struct CValueCommand {
        UINT nID;
        int nValue;
    };

    // A slider bound to a record member: its command reads the slider into the member and
    // repaints, and showing the view puts the member back on the slider.
    void BindSlider(UINT nSliderID, UINT nEditID, CRecordMember pMember);
    // Buttons that set the start figure or the generator variant to their value and repaint.
    void MapFrameCommands(std::initializer_list<CValueCommand> commands);
    void MapGrainCommands(std::initializer_list<CValueCommand> commands);
    void MapClipboardCommand(UINT nID);
    // The "Curve and Background Color" command: the colour dialog of curve kind nCurve
    // edits a copy of the record; on OK the curve colour, the two background colours and the
    // fading come back and the view repaints. The store is left alone.
    void MapColourCommand(UINT nID, int nCurve);
    std::int64_t CurrentTime() const;

    CCrtRandom m_Random;

private:
    struct CSliderBinding {
        UINT nSliderID;
        UINT nEditID;
        CRecordMember pMember;
    };

    CRibbonBarLink* FindRibbonBar() const;
    void OnColour(int nCurve);

    const char* m_pszSettingsName;
    CViewHost* m_pHost = nullptr;
    CViewHosting m_hosting = kUnhosted;
    std::vector<CSliderBinding> m_sliders;
    CClock m_Clock;
};
