// SPDX-License-Identifier: MIT
// A link control: a flat button showing its text as an underlined link, which opens its
// address (prefix and address joined) with the desktop's opener when clicked. The shell's
// result code of a failed start goes to the failure handler, if there is one.
#pragma once

#include <functional>
#include <string>

#include <QPushButton>

class CLinkCtrl : public QPushButton {
    Q_OBJECT

public:
    using CFailureHandler = std::function<void(int nShellCode)>;

    // strText is Windows-1252.
    explicit CLinkCtrl(const std::string& strText, QWidget* pParent = nullptr);

    void SetURL(const std::string& strURL) { m_strURL = strURL; }
    void SetURLPrefix(const std::string& strPrefix) { m_strPrefix = strPrefix; }
    // An empty tooltip shows none; with bFullText the tooltip is the whole address.
    void SetTooltip(const std::string& strTooltip, bool bFullText);
    void SetFailureHandler(CFailureHandler handler) { m_onFailure = std::move(handler); }

    // What a click opens.
    std::string GetAddress() const { return m_strPrefix + m_strURL; }
    // Opens the address; the shell's result code (above 32 on success).
    int OpenLink();

private:
    std::string m_strURL;
    std::string m_strPrefix;
    CFailureHandler m_onFailure;
};
