// SPDX-License-Identifier: MIT
// The framework's link control: a flat button showing its text as an underlined link. A
// click opens its address with the desktop's opener while the control is clickable; a
// control made unclickable shows its text plain and a click does nothing. The address is
// the prefix joined to the URL, or to the text itself when no URL is set.
#pragma once

#include <functional>
#include <string>

#include <QPushButton>

class CLinkCtrl : public QPushButton {
    Q_OBJECT

public:
    // Answers the shell's result code, above 32 on success.
    using COpener = std::function<int(const std::string& strAddress)>;
    using CFailureHandler = std::function<void(int nShellCode)>;

    explicit CLinkCtrl(QWidget* pParent = nullptr);
    // strText is Windows-1252.
    CLinkCtrl(const std::string& strText, QWidget* pParent);

    // The text shown, on one line.
    void SetWindowText(const std::string& strText);
    std::string GetWindowText() const { return m_strText; }
    void SetURL(const std::string& strURL) { m_strURL = strURL; }
    void SetURLPrefix(const std::string& strPrefix) { m_strPrefix = strPrefix; }
    // An empty tooltip shows none; with bFullText the tooltip is the whole address.
    void SetTooltip(const std::string& strTooltip, bool bFullText);
    void SetClickable(bool bClickable);
    bool IsClickable() const { return m_bClickable; }
    // The desktop's opener unless replaced.
    void SetOpener(COpener opener) { m_opener = std::move(opener); }
    // Told the shell's result code of an address that could not be opened.
    void SetFailureHandler(CFailureHandler handler) { m_onFailure = std::move(handler); }

    // What a click opens.
    std::string GetAddress() const {
        return m_strPrefix + (m_strURL.empty() ? m_strText : m_strURL);
    }
    // Opens the address; the shell's result code (above 32 on success).
    int OpenLink();

private:
    void ApplyLook();

    std::string m_strText;
    std::string m_strURL;
    std::string m_strPrefix;
    bool m_bClickable = true;
    COpener m_opener;
    CFailureHandler m_onFailure;
};
