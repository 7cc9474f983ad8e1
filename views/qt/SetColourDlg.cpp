// SPDX-License-Identifier: MIT
#include "views/qt/SetColourDlg.h"

#include <cstdio>

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "platform/ui/ColorBar.h"
#include "platform/ui/Text.h"
#include "platform/ui/core/MessageBox.h"
#include "resources/ColourDialogTemplate.h"
#include "views/NimbrelBaseView.h"
#include "views/qt/ColourDialogImages.h"
#include "views/qt/PreviewWnd.h"

namespace {

constexpr int kHeighwayKind = 9;
constexpr int kPaletteColumns = 5;
// The property a template control carries its identifier in.
constexpr const char* kControlId = "controlId";

// The template's font by its name; on a desktop without it, a font of its metrics (Tahoma,
// or the Arial-metric Liberation Sans the program depends on) rather than a wider default.
QFont DialogFont() {
    const QString strFamily = QString::fromLatin1(kColourDialogTemplate.pszFont);
    if (QFont::substitutes(strFamily).isEmpty()) {
        QFont::insertSubstitutions(
            strFamily,
            {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    }
    QFont font(strFamily);
    font.setPointSize(kColourDialogTemplate.nPointSize);
    return font;
}

} // namespace

CSetColourDlg::CSetColourDlg(QWidget* pParent)
    : QDialog(pParent) {
    setFont(DialogFont());
    m_baseUnits = DialogBaseUnits(font());
    setWindowTitle(FromAnsi(kColourDialogTemplate.pszCaption));
    const QRect rcClient =
        MapDialogRect(0, 0, kColourDialogTemplate.cx, kColourDialogTemplate.cy, m_baseUnits);
    setFixedSize(rcClient.size());
    DoDataExchange();
}

CSetColourDlg::~CSetColourDlg() = default;

void CSetColourDlg::DoDataExchange() {
    for (const CDialogItemData& item : kColourDialogItems) {
        QWidget* pControl = nullptr;
        const QString text = FromAnsi(item.pszText);
        switch (item.kind) {
        case CDialogItemKind::Button:
            pControl = new QPushButton(text, this);
            break;
        case CDialogItemKind::GroupBox:
            pControl = new QGroupBox(text, this);
            break;
        case CDialogItemKind::Label:
            pControl = new QLabel(text, this);
            break;
        case CDialogItemKind::Placeholder:
            // Only its rectangle counts: the colour bar is built over it.
            pControl = new QWidget(this);
            pControl->hide();
            break;
        case CDialogItemKind::Edit: {
            auto* pFrame = new QFrame(this);
            pFrame->setFrameStyle(QFrame::Box | QFrame::Plain);
            pFrame->setLineWidth(1);
            pControl = pFrame;
            break;
        }
        }
        pControl->setGeometry(MapDialogRect(item.x, item.y, item.cx, item.cy, m_baseUnits));
        if (item.nID != IDC_STATIC) {
            pControl->setProperty(kControlId, item.nID);
            m_items[item.nID] = pControl;
        }
    }
    const auto button = [this](int nID) { return static_cast<QPushButton*>(m_items.at(nID)); };
    m_wndCurveStatic = m_items.at(IDC_CURVE_BAR);
    m_wndFirstStatic = m_items.at(IDC_FIRST_BAR);
    m_wndSecondStatic = m_items.at(IDC_SECOND_BAR);
    m_btnFading0 = button(IDC_FADING_0);
    m_btnFading1 = button(IDC_FADING_1);
    m_btnFading2 = button(IDC_FADING_2);
    m_btnOK = button(IDOK);
    m_btnCancel = button(IDCANCEL);
    m_btnFading3 = button(IDC_FADING_3);
    m_btnFading4 = button(IDC_FADING_4);
    m_btnFading5 = button(IDC_FADING_5);
    m_btnFading6 = button(IDC_FADING_6);

    m_btnOK->setDefault(true);
    connect(m_btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    for (int nFading = 0; nFading < int(kFadingButtons.size()); ++nFading) {
        connect(button(kFadingButtons[std::size_t(nFading)]), &QPushButton::clicked, this,
                [this, nFading] { OnFading(nFading); });
    }
}

QWidget* CSetColourDlg::GetDlgItem(int nID) const {
    const auto it = m_items.find(nID);
    return it != m_items.end() ? it->second : nullptr;
}

void CSetColourDlg::OnInitDialog() {
    if (m_bInitialised) {
        return;
    }
    m_bInitialised = true;

    for (int nFading = 0; nFading < int(kFadingButtons.size()); ++nFading) {
        auto* pButton = static_cast<QPushButton*>(m_items.at(kFadingButtons[std::size_t(nFading)]));
        pButton->setIcon(QPixmap::fromImage(FadingPicture(nFading)));
        pButton->setIconSize(QSize(kFadingPictureSide, kFadingPictureSide));
    }
    m_btnOK->setIcon(QPixmap::fromImage(OkMark()));
    m_btnCancel->setIcon(QPixmap::fromImage(CancelMark()));
    for (QPushButton* pButton : {m_btnOK, m_btnCancel}) {
        pButton->setIconSize(QSize(kButtonMarkSide, kButtonMarkSide));
    }

    m_wndCurveBar = CreateColourBar(m_wndCurveStatic, m_crCurve);
    m_wndFirstBar = CreateColourBar(m_wndFirstStatic, m_crFirst);
    m_wndSecondBar = CreateColourBar(m_wndSecondStatic, m_crSecond);
    connect(m_wndCurveBar, &CColorBar::colourSelected, this, &CSetColourDlg::OnCurveColour);
    connect(m_wndFirstBar, &CColorBar::colourSelected, this, &CSetColourDlg::OnFirstColour);
    connect(m_wndSecondBar, &CColorBar::colourSelected, this, &CSetColourDlg::OnSecondColour);

    CreatePreview();
}

int CSetColourDlg::DoModal() {
    OnInitDialog();
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

CColorBar* CSetColourDlg::CreateColourBar(QWidget* pPlaceholder, COLORREF crCurrent) {
    auto* pBar = new CColorBar(kPaletteColumns, this);
    pBar->SetHorzMargin(0);
    pBar->SetVertMargin(0);
    pBar->EnableOtherButton(QStringLiteral("Other..."));
    pBar->setGeometry(pPlaceholder->geometry());
    const int nID = pPlaceholder->property(kControlId).toInt();
    pBar->setProperty(kControlId, nID);
    m_items[nID] = pBar;
    pBar->SetColor(crCurrent);
    pBar->show();
    return pBar;
}

void CSetColourDlg::CreatePreview() {
    QWidget* pControl = GetDlgItem(IDC_PREVIEW);
    std::unique_ptr<CNimbrelBaseView> pView = CreateFractalView(m_nCurve);
    if (pControl != nullptr && pView != nullptr) {
        m_pPreview[std::size_t(m_nCurve)] = pView.get();
        if (m_nCurve == kHeighwayKind) {
            pView->SetFoldParameters(m_strFoldCode, m_crCurve, m_crFirst, m_crSecond, m_nFading);
        } else {
            pView->SetParameters(m_nLevel, m_nGrain, m_nParam1, m_nParam2, m_nParam3, m_nFrame,
                                 m_crCurve, m_crFirst, m_crSecond, m_nFading);
        }
        // The preview paints inside the control's border, in its whole client area.
        m_pPreviewWnd = new CPreviewWnd(std::move(pView), pControl);
        m_pPreviewWnd->setGeometry(static_cast<QFrame*>(pControl)->contentsRect());
        m_pPreviewWnd->OnInitialUpdate();
        m_pPreviewWnd->show();
    }
    SetColourLabel(IDC_CURVE_VALUES, m_crCurve);
    SetColourLabel(IDC_FIRST_VALUES, m_crFirst);
    SetColourLabel(IDC_SECOND_VALUES, m_crSecond);
}

void CSetColourDlg::UpdatePreview() {
    if (m_nCurve < 0 || m_nCurve >= kFractalCount) {
        return;
    }
    CNimbrelBaseView* pView = m_pPreview[std::size_t(m_nCurve)];
    if (pView == nullptr) {
        return;
    }
    if (m_nCurve == kHeighwayKind) {
        pView->SetFoldParameters(m_strFoldCode, m_crCurve, m_crFirst, m_crSecond, m_nFading);
    } else {
        pView->SetParameters(m_nLevel, m_nGrain, m_nParam1, m_nParam2, m_nParam3, m_nFrame,
                             m_crCurve, m_crFirst, m_crSecond, m_nFading);
    }
    pView->Invalidate(true);
}

void CSetColourDlg::OnCurveColour() {
    m_crCurve = m_wndCurveBar->GetColor();
    SetColourLabel(IDC_CURVE_VALUES, m_crCurve);
    UpdatePreview();
}

void CSetColourDlg::OnFirstColour() {
    m_crFirst = m_wndFirstBar->GetColor();
    SetColourLabel(IDC_FIRST_VALUES, m_crFirst);
    UpdatePreview();
}

void CSetColourDlg::OnSecondColour() {
    m_crSecond = m_wndSecondBar->GetColor();
    SetColourLabel(IDC_SECOND_VALUES, m_crSecond);
    UpdatePreview();
}

void CSetColourDlg::OnFading(int nFading) {
    m_nFading = nFading;
    UpdatePreview();
}

void CSetColourDlg::SetColourLabel(int nID, COLORREF cr) {
    auto* pLabel = qobject_cast<QLabel*>(GetDlgItem(nID));
    if (pLabel == nullptr) {
        return;
    }
    char szText[32];
    std::snprintf(szText, sizeof szText, "RGB: %d,%d,%d", GetRValue(cr), GetGValue(cr),
                  GetBValue(cr));
    pLabel->setText(FromAnsi(szText));
    // The template's label is narrower than "RGB: 255,255,255" in most fonts: it grows to
    // the right, and moves left when it would cross the frame of its group box.
    const int nWidth = pLabel->sizeHint().width();
    if (pLabel->width() >= nWidth) {
        return;
    }
    pLabel->resize(nWidth, pLabel->height());
    for (QGroupBox* pGroup : findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
        const QRect rcGroup = pGroup->geometry();
        const int nRight = rcGroup.right() - m_baseUnits.cx;
        if (rcGroup.contains(pLabel->pos()) && pLabel->geometry().right() > nRight) {
            pLabel->move(qMax(nRight - nWidth + 1, rcGroup.left()), pLabel->y());
        }
    }
}
