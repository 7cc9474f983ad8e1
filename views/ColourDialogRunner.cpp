// SPDX-License-Identifier: MIT
#include "views/ColourDialogRunner.h"

#include <utility>

namespace {

CColourDialogRunner& CurrentRunner() {
    static CColourDialogRunner runner;
    return runner;
}

} // namespace

int RunColourDialog(CColourChoice& choice) {
    if (const CColourDialogRunner& runner = CurrentRunner()) {
        return runner(choice);
    }
    return IDCANCEL;
}

CColourDialogRunner SetColourDialogRunner(CColourDialogRunner runner) {
    return std::exchange(CurrentRunner(), std::move(runner));
}
