// SPDX-License-Identifier: MIT
#include "views/NimbrelBaseView.h"

#include <chrono>
#include <cstdio>

#include "platform/ui/core/MessageBox.h"
#include "resources/Resource.h"
#include "views/ColourDialogRunner.h"

namespace {

// The scroll window's total size: smaller windows show scroll bars.
constexpr int kScrollSize = 100;

void ShowOnEdit(CRibbonEditLink* pEdit, int nValue, const std::string& strLabel) {
    pEdit->SetEditText(std::to_string(nValue));
    pEdit->SetTextAlign(ES_CENTER);
    pEdit->SetLabel(strLabel);
}

} // namespace

CNimbrelBaseView::CNimbrelBaseView(const char* pszSettingsName)
    : m_pMainFrame(AfxGetMainFrame())
    , m_pszSettingsName(pszSettingsName) {}

CNimbrelBaseView::~CNimbrelBaseView() {
    if (m_hosting.bKeepsInStore) {
        SaveSettings(m_pszSettingsName);
    }
}

void CNimbrelBaseView::AttachHost(CViewHost* pHost) {
    m_pHost = pHost;
    m_hosting = pHost != nullptr ? pHost->GetHosting() : kUnhosted;
}

void CNimbrelBaseView::DetachHost() {
    m_pHost = nullptr;
}

void CNimbrelBaseView::OnInitialUpdate() {
    if (m_pHost != nullptr) {
        m_pHost->SetScrollSizes(kScrollSize, kScrollSize);
    }
    if (m_hosting.bUsesRibbon) {
        m_pMainFrame = AfxGetMainFrame();
        if (m_pMainFrame == nullptr) {
            AfxMessageBox("Internal Error: Unable to Grab Pointer to CMainFrame");
        }
    }
    if (m_hosting.bLoadsStore) {
        LoadSettings(m_pszSettingsName);
    }
    OnShowWindow(true);
}

void CNimbrelBaseView::OnDraw(CDC* pDC) {
    DrawFractal(pDC, &m_rcBackground, &m_rcDraw);
}

void CNimbrelBaseView::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/) {
    ComputeDrawingRects();
}

void CNimbrelBaseView::OnShowWindow(bool bShow) {
    if (!bShow) {
        return;
    }
    for (const CSliderBinding& slider : m_sliders) {
        SetRibbonSlider(slider.nSliderID, slider.nEditID, this->*slider.pMember,
                        kStandardRibbonLabel);
    }
}

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
    if (m_pHost != nullptr) {
        ComputeDrawingRects(m_pHost->GetWindowRectInClient());
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
    if (m_pHost != nullptr) {
        m_pHost->CopyToClipboard();
    }
}

void CNimbrelBaseView::Invalidate(bool bErase) {
    if (m_pHost != nullptr) {
        m_pHost->Invalidate(bErase);
    }
}

CRibbonBarLink* CNimbrelBaseView::FindRibbonBar() const {
    if (!m_hosting.bUsesRibbon || m_pMainFrame == nullptr) {
        return nullptr;
    }
    return m_pMainFrame->GetRibbonBar();
}

void CNimbrelBaseView::BindSlider(UINT nSliderID, UINT nEditID, CRecordMember pMember) {
    m_sliders.push_back({nSliderID, nEditID, pMember});
    OnCommand(nSliderID, [this, nSliderID, nEditID, pMember] {
        this->*pMember = ReadRibbonSlider(nSliderID, nEditID);
        Invalidate();
    });
}

void CNimbrelBaseView::MapFrameCommands(std::initializer_list<CValueCommand> commands) {
    for (const CValueCommand& command : commands) {
        OnCommand(command.nID, [this, nFrame = command.nValue] {
            m_nFrame = nFrame;
            Invalidate();
        });
    }
}

void CNimbrelBaseView::MapGrainCommands(std::initializer_list<CValueCommand> commands) {
    for (const CValueCommand& command : commands) {
        OnCommand(command.nID, [this, nGrain = command.nValue] {
            m_nGrain = nGrain;
            Invalidate();
        });
    }
}

void CNimbrelBaseView::MapClipboardCommand(UINT nID) {
    OnCommand(nID, [this] { CopyToClipboard(); });
}

void CNimbrelBaseView::MapColourCommand(UINT nID, int nCurve) {
    OnCommand(nID, [this, nCurve] { OnColour(nCurve); });
}

void CNimbrelBaseView::OnColour(int nCurve) {
    CColourChoice choice;
    choice.nCurve = nCurve;
    choice.nLevel = m_nLevel;
    choice.nFrame = m_nFrame;
    choice.nGrain = m_nGrain;
    choice.nParam1 = m_nParam1;
    choice.nParam2 = m_nParam2;
    choice.nParam3 = m_nParam3;
    choice.crCurve = m_crCurve;
    choice.crFirst = m_Background.m_crFirst;
    choice.crSecond = m_Background.m_crSecond;
    choice.nFading = m_Background.m_nFading;
    choice.strFoldCode = m_strFoldCode;
    if (RunColourDialog(choice) != IDOK) {
        return;
    }
    m_crCurve = choice.crCurve;
    m_Background.m_crFirst = choice.crFirst;
    m_Background.m_crSecond = choice.crSecond;
    m_Background.m_nFading = choice.nFading;
    Invalidate(true);
}

std::int64_t CNimbrelBaseView::CurrentTime() const {
    if (m_Clock) {
        return m_Clock();
    }
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}
