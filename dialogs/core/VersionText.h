// SPDX-License-Identifier: MIT
// The published version text ("2|0|1|page", at most 512 bytes) taken apart, and the texts
// the update dialog makes of versions, outcomes and the product page's address.
#pragma once

#include <string>

#include "platform/WinTypes.h"

struct CVersionText {
    DWORD dwWebMS = 0;
    DWORD dwWebLS = 0;
    std::string strLink;
};

// The text ends at its first zero byte. Fields are separated by "|": the first three are
// numbers (leading blanks, a sign and digits; no digits gives 0; the low 16 bits kept), the
// fourth the address as it stands up to the next "|". Missing fields count as empty.
CVersionText ParseVersionText(const std::string& strText);

// The C library's conversion of leading digits, saturated to a 32-bit int as it does.
int LeadingNumber(const std::string& strField);

// "2.0" for 2.0.0, "2.0a" for 2.0.1: a third number above 0 adds the character 96 plus its
// low 8 bits (within 8 bits; a character that would be 0 adds nothing).
std::string FormatVersion(DWORD dwMS, DWORD dwLS);

// The dialog's message for an outcome of the check.
std::string UpdateResultMessage(int nStatus);

// The address with blanks and line breaks around it trimmed.
std::string TrimLink(const std::string& strLink);
// Only an http:// or https:// address of printable characters, once trimmed, may be
// opened: a server's answer must not make the desktop open a local file or run a command.
bool IsOpenableLink(const std::string& strLink);
