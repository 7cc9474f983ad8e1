// SPDX-License-Identifier: MIT
#include "platform/ui/RibbonEdit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

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
    QObject::connect(m_pEdit, &QLineEdit::editingFinished, m_pEdit,
                     [this] { SendCommand(GetID()); });
}

QWidget* CRibbonEdit::GetWidget() const {
    return m_pContainer;
}

std::string CRibbonEdit::GetEditText() const {
    return ToAnsi(m_pEdit->text());
}

void CRibbonEdit::SetEditText(const std::string& strText) {
    m_pEdit->setText(FromAnsi(strText));
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
