// SPDX-License-Identifier: MIT
// The common base of the ten curve views: the parameter record every curve shares, the
// rectangles it draws in, the ribbon helpers, the shared frame, grain and clipboard
// commands, and the settings string that keeps the record between runs.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

#include "platform/crt/CrtRandom.h"
#include "platform/gdi/DC.h"
#include "platform/ui/core/CmdTarget.h"
#include "platform/ui/core/FrameLink.h"
#include "views/Background.h"

// The label the ribbon helpers give the edit element beside a slider: twelve no-break
// spaces (Windows-1252 0xA0).
extern const std::string kStandardRibbonLabel;

class CNimbrelBaseView : public CCmdTarget {
public:
    // Seconds since 1970-01-01 UTC; the clock the random pictures are seeded from.
    using CClock = std::function<std::int64_t()>;

    CNimbrelBaseView();
    ~CNimbrelBaseView() override;
    CNimbrelBaseView(const CNimbrelBaseView&) = delete;
    CNimbrelBaseView& operator=(const CNimbrelBaseView&) = delete;

    // The value name of the view's settings string ("VonKochView", ...).
    virtual const char* GetSettingsName() const = 0;

    // ResetParameters, then the curve's own defaults.
    virtual void SetDefaults() = 0;
    // Paints the background into prcBackground, then the curve inside prcDraw.
    virtual void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) = 0;

    // The window's life: initial update (loads the stored settings, shows the record on
    // the ribbon), paint, resize and show.
    virtual void OnInitialUpdate();
    virtual void OnDraw(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    virtual void OnShowWindow(bool bShow);

    void ResetParameters();
    void SetParameters(int nLevel, int nGrain, int nParam1, int nParam2, int nParam3, int nFrame,
                       COLORREF crCurve, COLORREF crFirst, COLORREF crSecond, int nFading);
    void SetFoldParameters(const std::string& strFoldCode, COLORREF crCurve, COLORREF crFirst,
                           COLORREF crSecond, int nFading);

    // Recomputes the three rectangles from the window rectangle given in client coordinates;
    // the form without arguments asks the hosting window for it.
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
    // Called by every derived destructor: a view that took part in the program (it had
    // its initial update, which loads its settings) saves them; a view drawn only for a
    // picture (renderer, thumbnail, tests) leaves the store alone.
    void SaveSettingsOnDestroy() const;
    // The settings string SaveSettings stores, and the parse LoadSettings applies.
    std::string FormatSettings(const std::string& strName) const;
    BOOL ParseSettings(const std::string& strName, const std::string& strText);

    // The hosting window; null while the view has none.
    void AttachWindow(CViewWindowLink* pWindow) { m_pWindow = pWindow; }
    CViewWindowLink* GetWindow() const { return m_pWindow; }
    // Asks the hosting window to repaint the whole view, erasing first.
    void Invalidate(bool bErase = true);

    void SetClock(CClock clock) { m_Clock = std::move(clock); }

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
    // Maps each of the given shared frame, grain and clipboard commands to its shared
    // behaviour (a frame or grain value set and a repaint, or the clipboard copy).
    void MapSharedCommands(std::initializer_list<UINT> ids);
    std::int64_t CurrentTime() const;

    CCrtRandom m_Random;

private:
    CViewWindowLink* m_pWindow = nullptr;
    CClock m_Clock;
    bool m_bKeepsSettings = false;
};
