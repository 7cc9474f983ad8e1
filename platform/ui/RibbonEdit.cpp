// SPDX-License-Identifier: MIT
#include "platform/ui/RibbonEdit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

#include "platform/ui/RibbonSlider.h"
#include "platform/ui/Text.h"

namespace {

// The layout's width is that of the text; the box adds its frame and margins around it.
int BoxWidth(const QLineEdit* pEdit, int nTextWidth) {
    const int nFrame = pEdit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, pEdit);
    constexpr int kTextMargins = 8;
    return nTextWidth + 2 * nFrame + kTextMargins;
}

} // namespace

CRibbonEdit::CRibbonEdit(const CRibbonElementData& data, CCommandSink sink, QWidget* pParent)
    : CRibbonElement(data, std::move(sink))
    , m_pContainer(new QWidget(pParent))
    , m_pLabel(new QLabel(FromAnsi(data.pszText), m_pContainer))
    , m_pEdit(new QLineEdit(m_pContainer)) {
    auto* pLayout = new QHBoxLayout(m_pContainer);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(4);
    pLayout->addWidget(m_pLabel);
    pLayout->addWidget(m_pEdit);
    m_pEdit->setFixedWidth(BoxWidth(m_pEdit, data.nWidth));
    m_pContainer->setToolTip(FromAnsi(data.pszText).trimmed());
    QObject::connect(m_pEdit, &QLineEdit::editingFinished, m_pEdit, [this] { OnEditEnded(); });
}

void CRibbonEdit::BindSlider(CRibbonSlider* pSlider) {
    m_pSlider = pSlider;
}

bool CRibbonEdit::HasPendingEdit() const {
    return m_pEdit->isModified();
}

void CRibbonEdit::CommitPendingEdit() {
    if (HasPendingEdit()) {
        OnEditEnded();
    }
}

void CRibbonEdit::OnEditEnded() {
    // Cleared first: the command may run other commands, which end pending edits.
    m_pEdit->setModified(false);
    if (m_pSlider != nullptr) {
        ApplyToSlider();
    } else {
        SendCommand(GetID());
    }
}

void CRibbonEdit::ApplyToSlider() {
    if (m_pEdit->text() == m_strInEffect) {
        return; // left without a change: the value stays as it is, even one beyond the range
    }
    bool bNumber = false;
    const qlonglong nTyped = m_pEdit->text().trimmed().toLongLong(&bNumber);
    if (!bNumber) {
        m_pEdit->setText(m_strInEffect);
        return;
    }
    const int nPos = int(
        qBound(qlonglong(m_pSlider->GetRangeMin()), nTyped, qlonglong(m_pSlider->GetRangeMax())));
    m_pSlider->SetPos(nPos, true);
    // Shown at once; the view's handler echoes the value it took over it.
    SetEditText(std::to_string(nPos));
    // Sent even when the slider did not move: a stored value beyond the range is then
    // replaced by the one the slider shows.
    SendCommand(m_pSlider->GetID());
}

QWidget* CRibbonEdit::GetWidget() const {
    return m_pContainer;
}

std::string CRibbonEdit::GetEditText() const {
    return ToAnsi(m_pEdit->text());
}

void CRibbonEdit::SetEditText(const std::string& strText) {
    m_strInEffect = FromAnsi(strText);
    m_pEdit->setText(m_strInEffect);
}

void CRibbonEdit::SetTextAlign(int nAlign) {
    switch (nAlign) {
    case ES_CENTER:
        m_pEdit->setAlignment(Qt::AlignCenter);
        break;
    case ES_RIGHT:
        m_pEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    default:
        m_pEdit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        break;
    }
}

void CRibbonEdit::SetLabel(const std::string& strLabel) {
    m_pLabel->setText(FromAnsi(strLabel));
}

void CRibbonEdit::Redraw() {
    m_pContainer->update();
}

int CRibbonEdit::GetTextAlign() const {
    const Qt::Alignment align = m_pEdit->alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignHCenter) {
        return ES_CENTER;
    }
    return (align & Qt::AlignRight) ? ES_RIGHT : ES_LEFT;
}

std::string CRibbonEdit::GetLabel() const {
    return ToAnsi(m_pLabel->text());
}
