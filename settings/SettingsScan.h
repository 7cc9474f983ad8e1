// SPDX-License-Identifier: MIT
// The scan the settings strings are read with, following the standard formatted scan of
// "%d,%d,...,%d": each number may follow white space and carry a sign, each comma must come
// right after the number before it, and whatever follows the last number is ignored.
#pragma once

#include <span>
#include <string>

// Converts numbers into values in order and answers how many were converted before the
// text stopped matching. The text ends at its first zero byte, as a C string would. A
// number outside the 32-bit range stops the scan like a letter would, so a string holding
// one is rejected rather than loaded with a wrapped value.
int ScanSettingsNumbers(const std::string& strText, std::span<int> values);
