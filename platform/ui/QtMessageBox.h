// SPDX-License-Identifier: MIT
// The windowed program's message boxes: installs the handler of the one message function
// that shows each text in a modal Qt message box over the active window.
#pragma once

void InstallQtMessageBoxHandler();
