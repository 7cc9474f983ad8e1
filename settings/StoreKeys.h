// SPDX-License-Identifier: MIT
// The program's keys in the settings store, spelled once: the framework profile lives in the
// program's key, the program's own values in its "Parameters" subkey.
#pragma once

#define NIMBREL_PROGRAM_KEY "Software\\Korvat\\Korvat Nimbrel"
inline constexpr const char* kFrameworkKey = NIMBREL_PROGRAM_KEY;
inline constexpr const char* kParameterKey = NIMBREL_PROGRAM_KEY "\\Parameters";
#undef NIMBREL_PROGRAM_KEY
