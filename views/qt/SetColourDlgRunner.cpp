// SPDX-License-Identifier: MIT
#include "views/qt/SetColourDlgRunner.h"

#include <QApplication>

#include "platform/ui/core/MessageBox.h"
#include "views/ColourDialogRunner.h"
#include "views/qt/SetColourDlg.h"

void InstallSetColourDlgRunner(CSetColourDlgRun run) {
    if (!run) {
        run = [](CSetColourDlg& dlg) { return dlg.DoModal(); };
    }
    SetColourDialogRunner([run = std::move(run)](CColourChoice& choice) {
        CSetColourDlg dlg(QApplication::activeWindow());
        dlg.m_nCurve = choice.nCurve;
        dlg.m_nLevel = choice.nLevel;
        dlg.m_nFrame = choice.nFrame;
        dlg.m_nGrain = choice.nGrain;
        dlg.m_nParam1 = choice.nParam1;
        dlg.m_nParam2 = choice.nParam2;
        dlg.m_nParam3 = choice.nParam3;
        dlg.m_crCurve = choice.crCurve;
        dlg.m_crFirst = choice.crFirst;
        dlg.m_crSecond = choice.crSecond;
        dlg.m_nFading = choice.nFading;
        dlg.m_strFoldCode = choice.strFoldCode;
        if (run(dlg) != IDOK) {
            return IDCANCEL;
        }
        choice.crCurve = dlg.m_crCurve;
        choice.crFirst = dlg.m_crFirst;
        choice.crSecond = dlg.m_crSecond;
        choice.nFading = dlg.m_nFading;
        return IDOK;
    });
}
