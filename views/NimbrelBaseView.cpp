// SPDX-License-Identifier: MIT
#include "views/NimbrelBaseView.h"

#include <chrono>
#include <cstdio>

#include "platform/ui/core/MessageBox.h"
#include "resources/Resource.h"

const std::string kStandardRibbonLabel(12, '\xA0');

namespace {

// The scroll window's total size: smaller windows show scroll bars.
constexpr int kScrollSize = 100;

struct CSharedCommand {
    UINT nID;
    enum { Frame, Grain, Clipboard } kind;
    int nValue;
};

constexpr CSharedCommand kSharedCommands[] = {
    {ID_VON_KOCH_FRAME_LINE, CSharedCommand::Frame, 2},
    {ID_MANDELBROT_FRAME_LINE, CSharedCommand::Frame, 2},
    {ID_MINKOWSKI_FRAME_LINE, CSharedCommand::Frame, 2},
    {ID_VON_KOCH_FRAME_TRIANGLE, CSharedCommand::Frame, 3},
    {ID_MINKOWSKI_FRAME_TRIANGLE, CSharedCommand::Frame, 3},
    {ID_SIERP_OBJ_FRAME_TRIANGLE, CSharedCommand::Frame, 3},
    {ID_VON_KOCH_FRAME_SQUARE, CSharedCommand::Frame, 4},
    {ID_MANDELBROT_FRAME_SQUARE, CSharedCommand::Frame, 4},
    {ID_MINKOWSKI_FRAME_SQUARE, CSharedCommand::Frame, 4},
    {ID_SIERP_OBJ_FRAME_SQUARE, CSharedCommand::Frame, 4},
    {ID_VON_KOCH_FRAME_PENTAGON, CSharedCommand::Frame, 5},
    {ID_SIERP_OBJ_FRAME_PENTAGON, CSharedCommand::Frame, 5},
    {ID_VON_KOCH_FRAME_HEXAGON, CSharedCommand::Frame, 6},
    {ID_SIERP_OBJ_FRAME_HEXAGON, CSharedCommand::Frame, 6},
    {ID_MANDELBROT_GRAIN_NORMAL, CSharedCommand::Grain, 0},
    {ID_SIERPINSKI_GRAIN_NORMAL, CSharedCommand::Grain, 0},
    {ID_SIERP_OBJ_GRAIN_NORMAL, CSharedCommand::Grain, 0},
    {ID_PEANO_GRAIN_NORMAL, CSharedCommand::Grain, 0},
    {ID_SQUARE_GRAIN_NORMAL, CSharedCommand::Grain, 0},
    {ID_VON_KOCH_GRAIN_TRG, CSharedCommand::Grain, 1},
    {ID_MANDELBROT_GRAIN_CLIPPED, CSharedCommand::Grain, 1},
    {ID_SIERPINSKI_GRAIN_FILLED, CSharedCommand::Grain, 1},
    {ID_SIERP_OBJ_GRAIN_FILLED, CSharedCommand::Grain, 1},
    {ID_PEANO_GRAIN_FILLED, CSharedCommand::Grain, 1},
    {ID_SQUARE_GRAIN__FILLED, CSharedCommand::Grain, 1},
    {ID_VON_KOCH_GRAIN_SQUARE, CSharedCommand::Grain, 2},
    {ID_SQUARE_GRAIN__OUTLINED, CSharedCommand::Grain, 2},
    {ID_VON_KOCH_CLIPBOARD, CSharedCommand::Clipboard, 0},
    {ID_MANDELBROT_CLIPBOARD, CSharedCommand::Clipboard, 0},
    {ID_HILBERT_CLIPBOARD, CSharedCommand::Clipboard, 0},
    {ID_CESARO_CLIPBOARD, CSharedCommand::Clipboard, 0},
    {ID_MINKOWSKI_CLIPBOARD, CSharedCommand::Clipboard, 0},
    {ID_SIERPINSKI_CLIPBOARD, CSharedCommand::Clipboard, 0},
    {ID_SIERP_OBJ_CLIPBOARD, CSharedCommand::Clipboard, 0},
    {ID_PEANO_CLIPBOARD, CSharedCommand::Clipboard, 0},
    {ID_SQUARE_CLIPBOARD, CSharedCommand::Clipboard, 0},
    {ID_HEIGHWAY_CLIPBOARD, CSharedCommand::Clipboard, 0},
};

CRibbonBarLink* FindRibbonBar() {
    CMainFrameLink* pFrame = AfxGetMainFrame();
    return pFrame != nullptr ? pFrame->GetRibbonBar() : nullptr;
}

void ShowOnEdit(CRibbonEditLink* pEdit, int nValue, const std::string& strLabel) {
    pEdit->SetEditText(std::to_string(nValue));
    pEdit->SetTextAlign(ES_CENTER);
    pEdit->SetLabel(strLabel);
}

} // namespace

CNimbrelBaseView::CNimbrelBaseView() = default;

CNimbrelBaseView::~CNimbrelBaseView() = default;

void CNimbrelBaseView::OnInitialUpdate() {
    if (m_pWindow != nullptr) {
        m_pWindow->SetScrollSizes(kScrollSize, kScrollSize);
    }
    m_pMainFrame = AfxGetMainFrame();
    if (m_pMainFrame == nullptr) {
        AfxMessageBox("Internal Error: Unable to Grab Pointer to CMainFrame");
    }
    LoadSettings(GetSettingsName());
    m_bKeepsSettings = true;
    OnShowWindow(true);
}

void CNimbrelBaseView::OnDraw(CDC* pDC) {
    DrawFractal(pDC, &m_rcBackground, &m_rcDraw);
}

void CNimbrelBaseView::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/) {
    ComputeDrawingRects();
}

void CNimbrelBaseView::OnShowWindow(bool /*bShow*/) {}

void CNimbrelBaseView::ResetParameters() {
    m_nLevel = 5;
    m_crCurve = 0;
    m_nFrame = 0;
    m_nGrain = 0;
    m_nParam1 = 0;
    m_nParam2 = 0;
    m_nParam3 = 0;
    m_strFoldCode.clear();
    m_Background.m_crFirst = 0;
    m_Background.m_crSecond = 0;
    m_Background.m_nFading = 0;
}

void CNimbrelBaseView::SetParameters(int nLevel, int nGrain, int nParam1, int nParam2, int nParam3,
                                     int nFrame, COLORREF crCurve, COLORREF crFirst,
                                     COLORREF crSecond, int nFading) {
    m_nLevel = nLevel;
    m_nGrain = nGrain;
    m_nParam1 = nParam1;
    m_nParam2 = nParam2;
    m_nParam3 = nParam3;
    m_nFrame = nFrame;
    m_crCurve = crCurve;
    m_Background.m_crFirst = crFirst;
    m_Background.m_crSecond = crSecond;
    m_Background.m_nFading = nFading;
}

void CNimbrelBaseView::SetFoldParameters(const std::string& strFoldCode, COLORREF crCurve,
                                         COLORREF crFirst, COLORREF crSecond, int nFading) {
    SetParameters(0, 0, int(strFoldCode.size()), 0, 0, 0, crCurve, crFirst, crSecond, nFading);
    m_strFoldCode = strFoldCode;
}

void CNimbrelBaseView::ComputeDrawingRects(const CRect& rcWindow) {
    m_rcWindow = rcWindow;
    m_rcBackground = {rcWindow.left + 4, rcWindow.top + 4, rcWindow.right - 4, rcWindow.bottom - 4};
    const int w = m_rcBackground.Width();
    const int h = m_rcBackground.Height();
    const int m = w < h ? w : h;
    const int dx = (w - m) / 2;
    const int dy = (h - m) / 2;
    m_rcDraw = {m_rcBackground.left + dx + 4, m_rcBackground.top + dy + 4,
                m_rcBackground.right - dx - 4, m_rcBackground.bottom - dy - 4};
}

void CNimbrelBaseView::ComputeDrawingRects() {
    if (m_pWindow != nullptr) {
        ComputeDrawingRects(m_pWindow->GetWindowRectInClient());
    }
}

int CNimbrelBaseView::ReadRibbonSlider(UINT nSliderID, UINT nEditID) {
    return ReadRibbonSlider(nSliderID, nEditID, kStandardRibbonLabel);
}

int CNimbrelBaseView::ReadRibbonSlider(UINT nSliderID, UINT nEditID, const std::string& strLabel) {
    int nResult = 1;
    CRibbonBarLink* pRibbon = FindRibbonBar();
    if (pRibbon == nullptr) {
        return nResult;
    }
    if (CRibbonSliderLink* pSlider = pRibbon->FindSlider(nSliderID)) {
        nResult = pSlider->GetPos();
    }
    if (CRibbonEditLink* pEdit = pRibbon->FindEdit(nEditID)) {
        ShowOnEdit(pEdit, nResult, strLabel);
    }
    return nResult;
}

void CNimbrelBaseView::SetRibbonSlider(UINT nSliderID, UINT nEditID, int nValue,
                                       const std::string& strLabel) {
    CRibbonBarLink* pRibbon = FindRibbonBar();
    if (pRibbon == nullptr) {
        return;
    }
    if (CRibbonSliderLink* pSlider = pRibbon->FindSlider(nSliderID)) {
        pSlider->SetPos(nValue, true);
        pSlider->Redraw();
    }
    if (CRibbonEditLink* pEdit = pRibbon->FindEdit(nEditID)) {
        ShowOnEdit(pEdit, nValue, strLabel);
        pEdit->Redraw();
    }
    pRibbon->RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

int CNimbrelBaseView::GetFoldCodeText(std::string& strCode) {
    strCode = "11111";
    if (CRibbonBarLink* pRibbon = FindRibbonBar()) {
        if (CRibbonEditLink* pEdit = pRibbon->FindEdit(ID_HEIGHWAY_CODE)) {
            strCode = pEdit->GetEditText();
        }
    }
    return int(strCode.size());
}

int CNimbrelBaseView::SetFoldCodeText(const std::string& strCode) {
    if (CRibbonBarLink* pRibbon = FindRibbonBar()) {
        if (CRibbonEditLink* pEdit = pRibbon->FindEdit(ID_HEIGHWAY_CODE)) {
            pEdit->SetEditText(strCode);
        }
    }
    return int(strCode.size());
}

void CNimbrelBaseView::CopyToClipboard() {
    if (m_pWindow != nullptr) {
        m_pWindow->CopyToClipboard();
    }
}

void CNimbrelBaseView::SaveSettingsOnDestroy() const {
    if (m_bKeepsSettings) {
        SaveSettings(GetSettingsName());
    }
}

void CNimbrelBaseView::Invalidate(bool bErase) {
    if (m_pWindow != nullptr) {
        m_pWindow->Invalidate(bErase);
    }
}

void CNimbrelBaseView::MapSharedCommands(std::initializer_list<UINT> ids) {
    for (UINT nID : ids) {
        for (const CSharedCommand& command : kSharedCommands) {
            if (command.nID != nID) {
                continue;
            }
            switch (command.kind) {
            case CSharedCommand::Frame:
                OnCommand(nID, [this, nValue = command.nValue] {
                    m_nFrame = nValue;
                    Invalidate();
                });
                break;
            case CSharedCommand::Grain:
                OnCommand(nID, [this, nValue = command.nValue] {
                    m_nGrain = nValue;
                    Invalidate();
                });
                break;
            case CSharedCommand::Clipboard:
                OnCommand(nID, [this] { CopyToClipboard(); });
                break;
            }
        }
    }
}

std::int64_t CNimbrelBaseView::CurrentTime() const {
    if (m_Clock) {
        return m_Clock();
    }
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}
