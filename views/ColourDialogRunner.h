// SPDX-License-Identifier: MIT
// How a view's colour command reaches the colour dialog without the view knowing Qt: the
// windowed program installs a runner at start-up; the view hands it a copy of its record.
#pragma once

#include <functional>
#include <string>

#include "platform/WinTypes.h"
#include "platform/ui/core/MessageBox.h"

// What the caller copies in; on OK the dialog has edited the colours and the fading.
struct CColourChoice {
    int nCurve = -1; // the curve kind, the calling view's catalog position
    int nLevel = 0;
    int nFrame = 0;
    int nGrain = 0;
    int nParam1 = 0;
    int nParam2 = 0;
    int nParam3 = 0;
    COLORREF crCurve = 0;
    COLORREF crFirst = 0;
    COLORREF crSecond = 0;
    int nFading = 0;
    std::string strFoldCode; // the Heighway dragon's folding code, empty for the others
};

// Runs the dialog modally; answers IDOK when the user kept the choice, IDCANCEL otherwise.
using CColourDialogRunner = std::function<int(CColourChoice& choice)>;

// Without an installed runner (the renderer, the tests of the lower half) the dialog is
// cancelled at once: nothing changes.
int RunColourDialog(CColourChoice& choice);
// Installs a runner and returns the previous one.
CColourDialogRunner SetColourDialogRunner(CColourDialogRunner runner);
