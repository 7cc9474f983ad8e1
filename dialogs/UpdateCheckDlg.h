// SPDX-License-Identifier: MIT
// The update dialog (template 340): the local and the published version, the outcome of
// the check, the product page's link and the "do not check" box. Asked to check now, it runs
// a check when it opens, before it is shown.
#pragma once

#include <QDialog>

#include "platform/WinTypes.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class CLinkCtrl;

class CUpdateCheckDlg : public QDialog {
    Q_OBJECT

public:
    explicit CUpdateCheckDlg(QWidget* pParent = nullptr);
    ~CUpdateCheckDlg() override;

    // The "Check for Update" command: a dialog that checks at once, run modally; nothing is
    // stored afterwards. The opener's window closes only once the dialog has ended.
    static void CheckNow(QWidget* pParent);

    // OnInitDialog, then the dialog modally unless it closed itself; IDOK or IDCANCEL.
    int DoModal();
    // FALSE when the dialog closed itself (no connection).
    BOOL OnInitDialog();
    // Between the check box and m_bNoUpdate: into the member when saving, else into the box.
    void DoDataExchange(bool bSaveAndValidate);
    // Ends the dialog with a result; before it is run, it then never shows.
    void EndDialog(int nResult);
    // True once EndDialog ran.
    bool IsEnded() const { return m_bEnded; }

    // A control of the template by its identifier; null for an unknown one.
    QWidget* GetDlgItem(int nID) const;
    CLinkCtrl& GetLink() const { return *m_pLink; }

    BOOL m_bNoUpdate = 0;
    BOOL m_bCheckNow = 0;
    QPushButton* m_btnOK = nullptr;

protected:
    // Whether the system reports an internet connection.
    virtual BOOL IsInternetConnected();
    void accept() override;

private:
    void CreateControls();

    QGroupBox* m_pGroup = nullptr;
    QLineEdit* m_pLocalVersion = nullptr;
    QLineEdit* m_pWebVersion = nullptr;
    QLabel* m_pMessage = nullptr;
    CLinkCtrl* m_pLink = nullptr;
    QCheckBox* m_pNoUpdate = nullptr;
    bool m_bEnded = false;
    int m_nEndResult = 0;
};
