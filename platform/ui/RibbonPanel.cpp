// SPDX-License-Identifier: MIT
#include "platform/ui/RibbonPanel.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QBoxLayout>
#include <QLineEdit>
#include <QLabel>
#include <QWidget>

#include "platform/ui/RibbonButton.h"
#include "platform/ui/RibbonCheckBox.h"
#include "platform/ui/RibbonEdit.h"
#include "platform/ui/RibbonLabel.h"
#include "platform/ui/RibbonSlider.h"
#include "platform/ui/Text.h"

namespace {

// Every control of a tab is reached with the Tab key, whatever the desktop's style says of
// buttons and sliders (some styles keep them out of the focus chain); a click on a button
// still leaves the focus where it was.
void JoinFocusChain(QWidget* pElement) {
    QList<QWidget*> widgets = pElement->findChildren<QWidget*>();
    widgets.prepend(pElement);
    for (QWidget* pWidget : widgets) {
        if (qobject_cast<QAbstractButton*>(pWidget) != nullptr) {
            pWidget->setFocusPolicy(Qt::TabFocus);
        } else if (qobject_cast<QAbstractSlider*>(pWidget) != nullptr ||
                   qobject_cast<QLineEdit*>(pWidget) != nullptr) {
            pWidget->setFocusPolicy(Qt::StrongFocus);
        }
    }
}

bool TakesWholeColumn(ERibbonElementKind kind) {
    return kind == ERibbonElementKind::LargeButton || kind == ERibbonElementKind::SplitButton;
}

// A column of smaller elements, centred vertically.
QVBoxLayout* NewColumn(QHBoxLayout* pColumns) {
    auto* pColumn = new QVBoxLayout;
    pColumn->setSpacing(2);
    pColumn->addStretch(1);
    pColumns->addLayout(pColumn);
    return pColumn;
}

} // namespace

std::unique_ptr<CRibbonElement> CreateRibbonElement(const CRibbonElementData& data,
                                                    const CRibbonElement::CCommandSink& sink,
                                                    QWidget* pParent) {
    switch (data.kind) {
    case ERibbonElementKind::Slider:
        return std::make_unique<CRibbonSlider>(data, sink, pParent);
    case ERibbonElementKind::Edit:
        return std::make_unique<CRibbonEdit>(data, sink, pParent);
    case ERibbonElementKind::CheckBox:
        return std::make_unique<CRibbonCheckBox>(data, sink, pParent);
    case ERibbonElementKind::Label:
        return std::make_unique<CRibbonLabel>(data, pParent);
    default:
        return std::make_unique<CRibbonButton>(data, sink, pParent);
    }
}

CRibbonPanel::CRibbonPanel(const CRibbonPanelData& data, const CRibbonElement::CCommandSink& sink,
                           QWidget* pParent)
    : m_data(data)
    , m_pWidget(new QWidget(pParent)) {
    m_pWidget->setObjectName(QStringLiteral("RibbonPanel"));
    auto* pPanelLayout = new QVBoxLayout(m_pWidget);
    pPanelLayout->setContentsMargins(4, 2, 4, 1);
    pPanelLayout->setSpacing(1);
    auto* pColumns = new QHBoxLayout;
    pColumns->setSpacing(6);
    pPanelLayout->addLayout(pColumns, 1);

    QVBoxLayout* pColumn = nullptr;
    int nRows = 0;
    for (const CRibbonElementData& element : data.elements) {
        m_elements.push_back(CreateRibbonElement(element, sink, m_pWidget));
        // An edit right after a slider shows and sets that slider's value.
        if (m_elements.size() >= 2) {
            auto* pEdit = dynamic_cast<CRibbonEdit*>(m_elements.back().get());
            auto* pSlider = dynamic_cast<CRibbonSlider*>(m_elements[m_elements.size() - 2].get());
            if (pEdit != nullptr && pSlider != nullptr) {
                pEdit->BindSlider(pSlider);
            }
        }
        QWidget* pElement = m_elements.back()->GetWidget();
        JoinFocusChain(pElement);
        if (pElement->toolTip().isEmpty()) {
            pElement->setToolTip(FromAnsi(data.pszName));
        }
        if (TakesWholeColumn(element.kind)) {
            if (pColumn != nullptr) {
                pColumn->addStretch(1);
            }
            pColumns->addWidget(pElement);
            pColumn = nullptr;
            continue;
        }
        if (pColumn == nullptr || nRows == kRowsPerColumn) {
            if (pColumn != nullptr) {
                pColumn->addStretch(1);
            }
            pColumn = NewColumn(pColumns);
            nRows = 0;
        }
        pColumn->addWidget(pElement, 0, Qt::AlignLeft);
        ++nRows;
    }
    if (pColumn != nullptr) {
        pColumn->addStretch(1);
    }

    auto* pCaption = new QLabel(FromAnsi(data.pszName), m_pWidget);
    pCaption->setObjectName(QStringLiteral("RibbonPanelCaption"));
    pCaption->setAlignment(Qt::AlignCenter);
    QPalette palette = pCaption->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    pCaption->setPalette(palette);
    pPanelLayout->addWidget(pCaption);
}
