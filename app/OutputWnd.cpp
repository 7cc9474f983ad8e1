// SPDX-License-Identifier: MIT
#include "app/OutputWnd.h"

#include <QApplication>

#include "app/OutputLine.h"
#include "platform/ui/Text.h"
#include "resources/Resource.h"
#include "resources/StringTable.h"

COutputWnd::COutputWnd(QWidget* pParent)
    : CDockablePane(ID_OUTPUT_PANE, FromAnsi(LoadResourceString(IDS_OUTPUT_WND)),
                    QStringLiteral("OutputPane"), pParent) {
    m_wndTabs.setObjectName(QStringLiteral("OutputTabs"));
    m_wndTabs.setTabPosition(QTabWidget::South);
    m_wndTabs.setDocumentMode(true);
    m_wndTabs.setTabsClosable(false);
    m_wndTabs.addTab(&m_wndOutputList, FromAnsi(kProductVersionName));
    setWidget(&m_wndTabs);
    UpdateFonts();
}

void COutputWnd::AddMessage(const std::string& strMessage) {
    m_wndOutputList.addItem(FromAnsi(FormatOutputLineNow(strMessage)));
    // The newest line goes to the top as far as the list lets it, which brings it into view.
    m_wndOutputList.scrollToItem(m_wndOutputList.item(m_wndOutputList.count() - 1),
                                 QAbstractItemView::PositionAtTop);
}

void COutputWnd::UpdateFonts() {
    m_wndOutputList.setFont(QApplication::font());
}

int COutputWnd::GetLineCount() const {
    return m_wndOutputList.count();
}

std::string COutputWnd::GetLine(int nIndex) const {
    const QListWidgetItem* pItem = m_wndOutputList.item(nIndex);
    return pItem != nullptr ? ToAnsi(pItem->text()) : std::string();
}
