// SPDX-License-Identifier: MIT
#include "platform/ui/ColorBar.h"

#include <utility>

#include <QColorDialog>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The system palette's twenty static colours: the sixteen of the VGA, the four the system
// adds (money green, sky blue, cream, medium grey) in the middle.
constexpr COLORREF kStandard[CColorBar::kStandardColours] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128),   RGB(0, 128, 128),   RGB(192, 192, 192),
    RGB(192, 220, 192), RGB(166, 202, 240), RGB(255, 251, 240), RGB(160, 160, 164),
    RGB(128, 128, 128), RGB(255, 0, 0),     RGB(0, 255, 0),     RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255),   RGB(255, 255, 255),
};

std::optional<QColor> PickWithQtDialog(const QColor& initial, QWidget* pParent) {
    const QColor colour = QColorDialog::getColor(initial, pParent);
    if (!colour.isValid()) {
        return std::nullopt;
    }
    return colour;
}

CColorBar::CColourPicker& CurrentPicker() {
    static CColorBar::CColourPicker picker = &PickWithQtDialog;
    return picker;
}

} // namespace

QColor ColourFromColorRef(COLORREF cr) {
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

COLORREF ColorRefFromColour(const QColor& colour) {
    return RGB(BYTE(colour.red()), BYTE(colour.green()), BYTE(colour.blue()));
}

CColorBar::CColorBar(int nColumns, QWidget* pParent)
    : QWidget(pParent)
    , m_nColumns(nColumns > 0 ? nColumns : 1) {
    setFocusPolicy(Qt::StrongFocus);
}

void CColorBar::SetHorzMargin(int nMargin) {
    m_nHorzMargin = qMax(nMargin, 0);
    update();
}

void CColorBar::SetVertMargin(int nMargin) {
    m_nVertMargin = qMax(nMargin, 0);
    update();
}

void CColorBar::EnableOtherButton(const QString& text) {
    m_strOther = text;
    update();
}

void CColorBar::SetColor(COLORREF cr) {
    m_crColour = cr & 0x00FFFFFF;
    update();
}

COLORREF CColorBar::StandardColour(int nIndex) {
    if (nIndex < 0 || nIndex >= kStandardColours) {
        return 0;
    }
    return kStandard[nIndex];
}

int CColorBar::Rows() const {
    const int nPaletteRows = (kStandardColours + m_nColumns - 1) / m_nColumns;
    return m_strOther.isEmpty() ? nPaletteRows : nPaletteRows + 1;
}

int CColorBar::RowHeight() const {
    return qMax((height() - 2 * m_nVertMargin) / Rows(), 1);
}

QRect CColorBar::CellRect(int nIndex) const {
    if (nIndex < 0 || nIndex >= kStandardColours) {
        return {};
    }
    const int nWidth = qMax((width() - 2 * m_nHorzMargin) / m_nColumns, 1);
    const int nHeight = RowHeight();
    return QRect(m_nHorzMargin + (nIndex % m_nColumns) * nWidth,
                 m_nVertMargin + (nIndex / m_nColumns) * nHeight, nWidth, nHeight);
}

QRect CColorBar::OtherRect() const {
    if (m_strOther.isEmpty()) {
        return {};
    }
    const int nHeight = RowHeight();
    return QRect(m_nHorzMargin, m_nVertMargin + (Rows() - 1) * nHeight, width() - 2 * m_nHorzMargin,
                 nHeight);
}

int CColorBar::GetSelectedIndex() const {
    for (int i = 0; i < kStandardColours; ++i) {
        if (kStandard[i] == m_crColour) {
            return i;
        }
    }
    return -1;
}

CColorBar::CColourPicker CColorBar::SetColourPicker(CColourPicker picker) {
    return std::exchange(CurrentPicker(), std::move(picker));
}

void CColorBar::paintEvent(QPaintEvent* /*pEvent*/) {
    QPainter painter(this);
    const QPalette& pal = palette();
    const int nSelected = GetSelectedIndex();
    for (int i = 0; i < kStandardColours; ++i) {
        const QRect rcCell = CellRect(i);
        if (i == nSelected) {
            // The current colour: a sunken frame around its cell, as a pressed button.
            painter.fillRect(rcCell, pal.color(QPalette::Highlight));
        }
        const QRect rcSwatch = rcCell.adjusted(3, 3, -3, -3);
        painter.fillRect(rcSwatch, ColourFromColorRef(kStandard[i]));
        painter.setPen(pal.color(QPalette::Shadow));
        painter.drawRect(rcSwatch.adjusted(0, 0, -1, -1));
    }
    if (m_strOther.isEmpty()) {
        return;
    }
    const QRect rcOther = OtherRect().adjusted(1, 3, -1, -1);
    if (nSelected < 0) {
        painter.fillRect(rcOther, pal.color(QPalette::Highlight));
    }
    painter.setPen(pal.color(QPalette::Mid));
    painter.fillRect(rcOther.adjusted(2, 2, -2, -2), pal.color(QPalette::Button));
    painter.drawRect(rcOther.adjusted(2, 2, -3, -3));
    // A colour of no palette entry is shown beside the extra entry's text.
    QRect rcText = rcOther.adjusted(4, 2, -4, -2);
    if (nSelected < 0) {
        const int nSide = qMax(rcText.height() - 4, 1);
        const QRect rcSample(rcText.left(), rcText.center().y() - nSide / 2, nSide, nSide);
        painter.fillRect(rcSample, ColourFromColorRef(m_crColour));
        painter.setPen(pal.color(QPalette::Shadow));
        painter.drawRect(rcSample.adjusted(0, 0, -1, -1));
        rcText.setLeft(rcSample.right() + 4);
    }
    painter.setPen(pal.color(QPalette::ButtonText));
    painter.drawText(rcText, Qt::AlignCenter, m_strOther);
}

void CColorBar::mouseReleaseEvent(QMouseEvent* pEvent) {
    if (pEvent->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(pEvent);
        return;
    }
    const QPoint pt = pEvent->position().toPoint();
    for (int i = 0; i < kStandardColours; ++i) {
        if (CellRect(i).contains(pt)) {
            Choose(kStandard[i]);
            return;
        }
    }
    if (OtherRect().contains(pt)) {
        OnOther();
    }
}

void CColorBar::Choose(COLORREF cr) {
    SetColor(cr);
    emit colourSelected();
}

void CColorBar::OnOther() {
    const CColourPicker& picker = CurrentPicker();
    if (!picker) {
        return;
    }
    if (const std::optional<QColor> colour = picker(ColourFromColorRef(m_crColour), this)) {
        Choose(ColorRefFromColour(*colour));
    }
}
