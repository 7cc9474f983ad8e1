// SPDX-License-Identifier: MIT
// The colour dialog as the views' colour commands reach it: installed at start-up, it
// copies the calling view's record into a CSetColourDlg, runs it and copies the four
// edited values back on OK.
#pragma once

#include <functional>

class CSetColourDlg;

// How the prepared dialog is run: DoModal in the program; tests drive it through its object
// and answer IDOK or IDCANCEL themselves.
using CSetColourDlgRun = std::function<int(CSetColourDlg& dlg)>;

void InstallSetColourDlgRunner(CSetColourDlgRun run = {});
