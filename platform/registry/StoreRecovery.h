// SPDX-License-Identifier: MIT
// What happens to a settings store that is damaged or not one of ours: it is never deleted
// or overwritten but renamed aside under a time-stamped name, a fresh store takes its place,
// and the program tells the user through TakeRegistryStoreWarning as soon as it happens.
#pragma once

#include <functional>
#include <optional>
#include <string>

enum class CSetAsideResult {
    Moved,      // renamed aside: a fresh store can be started
    NotDamaged, // on a second look the file is fine (another program may have moved it)
    Failed,     // damaged, and it could not be renamed
};

// Renames strFile (with its -wal and -shm files) to strFile + ".damaged-YYYYMMDD-HHMMSS",
// after confirming under a lock that fnIsDamaged still says so; records the warning.
CSetAsideResult SetDamagedStoreAside(const std::string& strFile,
                                     const std::function<bool(const std::string&)>& fnIsDamaged);

// Records the warning that the store in strFolder can be read but not written, so settings
// will not be saved; once per folder and process.
void ReportReadOnlyStore(const std::string& strFolder);

// The warning about a store set aside (or one that could not be), in Windows-1252 text;
// each warning is handed out once, then nullopt until the next one.
std::optional<std::string> TakeRegistryStoreWarning();

// Called whenever a new warning is waiting, with no lock of the store held; it may come from
// inside any registry call, so the handler should only arrange for the warning to be taken
// (the program does so from its event loop). Returns the previous handler.
std::function<void()> SetRegistryStoreWarningHandler(std::function<void()> fnHandler);

// Whether this process has set the store at strFile aside and started it afresh; writes
// after a fresh start create the keys the lost store had.
bool IsRenewedRegistryStore(const std::string& strFile);
