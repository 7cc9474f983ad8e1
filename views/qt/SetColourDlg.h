// SPDX-License-Identifier: MIT
// The colour dialog: palettes for the curve colour and the two background colours, the
// seven fadings as picture buttons, and a live preview drawn by a temporary instance of the
// calling view's own class. The caller copies its record in and, on OK, the four values out.
#pragma once

#include <array>
#include <map>
#include <string>

#include <QDialog>

#include "fractals/FractalCatalog.h"
#include "platform/WinTypes.h"
#include "platform/ui/DialogUnits.h"

class CColorBar;
class CNimbrelBaseView;
class CPreviewWnd;
class QPushButton;

class CSetColourDlg : public QDialog {
    Q_OBJECT

public:
    explicit CSetColourDlg(QWidget* pParent = nullptr);
    ~CSetColourDlg() override;

    // Once, after the caller has filled the values and before the dialog shows: the button
    // pictures, the three palettes over their placeholders, the preview and the labels.
    void OnInitDialog();
    // OnInitDialog when it has not run yet, then the modal run; IDOK or IDCANCEL.
    int DoModal();

    // The control of the dialog template with this identifier; null for none.
    QWidget* GetDlgItem(int nID) const;
    // The window the preview view paints in; null when there is no preview.
    CPreviewWnd* GetPreviewWnd() const { return m_pPreviewWnd; }
    CDialogBaseUnits GetBaseUnits() const { return m_baseUnits; }

    CColorBar* m_wndCurveBar = nullptr;
    CColorBar* m_wndFirstBar = nullptr;
    CColorBar* m_wndSecondBar = nullptr;
    // The preview instance of the current kind, owned by its window; the others stay null.
    std::array<CNimbrelBaseView*, kFractalCount> m_pPreview{};
    int m_nCurve = 0;
    int m_nLevel = 0;
    int m_nFrame = 0;
    int m_nGrain = 0;
    int m_nParam1 = 0;
    int m_nParam2 = 0;
    int m_nParam3 = 0;
    COLORREF m_crCurve = 0;
    COLORREF m_crFirst = 0;
    COLORREF m_crSecond = 0;
    int m_nFading = 0;
    std::string m_strFoldCode;
    QWidget* m_wndCurveStatic = nullptr;
    QWidget* m_wndFirstStatic = nullptr;
    QWidget* m_wndSecondStatic = nullptr;
    QPushButton* m_btnFading0 = nullptr;
    QPushButton* m_btnFading1 = nullptr;
    QPushButton* m_btnFading2 = nullptr;
    QPushButton* m_btnOK = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QPushButton* m_btnFading3 = nullptr;
    QPushButton* m_btnFading4 = nullptr;
    QPushButton* m_btnFading5 = nullptr;
    QPushButton* m_btnFading6 = nullptr;

private:
    // Builds the template's controls and binds the placeholders and buttons to the members.
    void DoDataExchange();
    CColorBar* CreateColourBar(QWidget* pPlaceholder, COLORREF crCurrent);
    void CreatePreview();
    void UpdatePreview();
    void OnCurveColour();
    void OnFirstColour();
    void OnSecondColour();
    void OnFading(int nFading);
    void SetColourLabel(int nID, COLORREF cr);

    CDialogBaseUnits m_baseUnits;
    std::map<int, QWidget*> m_items;
    CPreviewWnd* m_pPreviewWnd = nullptr;
    bool m_bInitialised = false;
};
