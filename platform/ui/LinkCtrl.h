// SPDX-License-Identifier: MIT
// The framework's link control: a flat button whose text reads as a web link. A click opens
// the text with the desktop's opener, only while the control is clickable; otherwise the
// text is shown plain and a click does nothing.
#pragma once

#include <functional>
#include <string>

#include <QPushButton>

class CLinkCtrl : public QPushButton {
    Q_OBJECT

public:
    // Answers the shell's result code, above 32 on success.
    using COpener = std::function<int(const std::string& strAddress)>;

    explicit CLinkCtrl(QWidget* pParent = nullptr);

    // The text shown; it is also what a click opens.
    void SetWindowText(const std::string& strText);
    std::string GetWindowText() const { return m_strText; }
    void SetClickable(bool bClickable);
    bool IsClickable() const { return m_bClickable; }
    // The desktop's opener unless replaced.
    void SetOpener(COpener opener) { m_opener = std::move(opener); }

private:
    void OnClicked();
    void ApplyLook();

    std::string m_strText;
    bool m_bClickable = false;
    COpener m_opener;
};
