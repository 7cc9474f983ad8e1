// SPDX-License-Identifier: MIT
// The one message function of the program. The windowed program installs a handler that
// shows a message box; tests install one that records the text and answers OK.
#pragma once

#include <functional>
#include <string>

#include "platform/WinTypes.h"

// The low four bits choose the buttons, the next four the icon.
enum : UINT {
    MB_OK = 0x0,
    MB_RETRYCANCEL = 0x5,
    MB_ICONERROR = 0x10,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
};
enum : UINT { MB_TYPEMASK = 0xF, MB_ICONMASK = 0xF0 };
enum : int { IDOK = 1, IDCANCEL = 2, IDRETRY = 4 };

// The caption of every message box that names none of its own.
inline constexpr const char* kApplicationTitle = "Nimbrel";

// text and caption are Windows-1252 text; returns the button pressed.
using CMessageBoxHandler =
    std::function<int(const std::string& text, const std::string& caption, UINT nType)>;

// Shows text in a plain message box captioned with the application title.
int AfxMessageBox(const std::string& text, UINT nType = MB_OK);
int MessageBoxWithCaption(const std::string& text, const std::string& caption, UINT nType);

// Installs a handler and returns the previous one. Without any installed handler the text
// goes to standard error and the answer is IDOK, or IDCANCEL for a box that offers it.
CMessageBoxHandler SetMessageBoxHandler(CMessageBoxHandler handler);
