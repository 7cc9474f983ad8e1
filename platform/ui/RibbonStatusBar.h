// SPDX-License-Identifier: MIT
// The status bar: main elements on the left (a link), extended panes on the right (a
// static text whose width is set by a sample text), each with its command identifier and
// its label for the customisation list.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QStatusBar>

#include "platform/WinTypes.h"

class QLabel;

class CRibbonStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit CRibbonStatusBar(QWidget* pParent = nullptr);

    // A click on the link sends nID; texts are Windows-1252.
    void AddLink(UINT nID, const std::string& strText, const std::string& strAddress,
                 const std::string& strLabel);
    void AddSeparator();
    void AddExtendedPane(UINT nID, const std::string& strText, const std::string& strSample,
                         const std::string& strLabel);

    // Null when no element has this identifier.
    QLabel* FindElement(UINT nID) const;
    // The link of the element nID; nothing when there is no link element of that identifier.
    std::optional<std::string> FindLinkAddress(UINT nID) const;
    std::string GetElementText(UINT nID) const;
    std::string GetElementLabel(UINT nID) const;

signals:
    void Command(UINT nID);

private:
    struct CElement {
        UINT nID;
        QLabel* pLabel;
        std::string strText;
        std::string strAddress; // empty for a pane without link
        std::string strLabel;
    };

    const CElement* Find(UINT nID) const;

    std::vector<CElement> m_elements;
};
