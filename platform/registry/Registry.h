// SPDX-License-Identifier: MIT
// The registry calls the program makes, with their Win32 names, types and error codes, kept
// under HKEY_CURRENT_USER in the per-user settings store (see RegistryStore.h). Every call
// is its own transaction; a key handle is a short-lived connection to the store.
#pragma once

#include <cstdint>

#include "platform/WinTypes.h"

using LONG = long;
using LSTATUS = LONG;
using REGSAM = DWORD;
using LPCSTR = const char*;
using LPSTR = char*;
using LPBYTE = BYTE*;
using LPDWORD = DWORD*;

// Opaque: a key handle is only ever passed back to these calls.
struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;
struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

// The one predefined root the program uses; its keys live in the current user's store.
inline HKEY const HKEY_CURRENT_USER = reinterpret_cast<HKEY>(std::uintptr_t(0x80000001));

enum : DWORD { REG_NONE = 0, REG_SZ = 1, REG_EXPAND_SZ = 2, REG_BINARY = 3, REG_DWORD = 4 };

// A REG_DWORD value's bytes: four, low byte first.
struct CDwordBytes {
    BYTE bytes[4];
};
constexpr CDwordBytes PackDword(DWORD dwValue) {
    return {{BYTE(dwValue), BYTE(dwValue >> 8), BYTE(dwValue >> 16), BYTE(dwValue >> 24)}};
}
constexpr DWORD UnpackDword(const BYTE (&bytes)[4]) {
    return DWORD(bytes[0]) | DWORD(bytes[1]) << 8 | DWORD(bytes[2]) << 16 | DWORD(bytes[3]) << 24;
}

enum : REGSAM {
    KEY_QUERY_VALUE = 0x0001,
    KEY_SET_VALUE = 0x0002,
    KEY_CREATE_SUB_KEY = 0x0004,
    KEY_ENUMERATE_SUB_KEYS = 0x0008,
    KEY_NOTIFY = 0x0010,
    KEY_CREATE_LINK = 0x0020,
    KEY_READ = 0x20019,
    KEY_WRITE = 0x20006,
    KEY_ALL_ACCESS = 0xF003F,
};

enum : DWORD { REG_OPTION_NON_VOLATILE = 0 };
enum : DWORD { REG_CREATED_NEW_KEY = 1, REG_OPENED_EXISTING_KEY = 2 };

enum : LSTATUS {
    ERROR_SUCCESS = 0,
    ERROR_FILE_NOT_FOUND = 2,
    ERROR_PATH_NOT_FOUND = 3,
    ERROR_ACCESS_DENIED = 5,
    ERROR_INVALID_HANDLE = 6,
    ERROR_OUTOFMEMORY = 14,
    ERROR_SHARING_VIOLATION = 32,
    ERROR_INVALID_PARAMETER = 87,
    ERROR_DISK_FULL = 112,
    ERROR_BAD_PATHNAME = 161,
    ERROR_MORE_DATA = 234,
    ERROR_NOACCESS = 998,
    ERROR_BADDB = 1009,
    ERROR_REGISTRY_IO_FAILED = 1016,
    ERROR_KEY_DELETED = 1018,
};

// Opens an existing key below hKey (a predefined root or an open key). ERROR_FILE_NOT_FOUND
// when the key does not exist.
LSTATUS RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired,
                      PHKEY phkResult);
// Opens the key, creating it and every missing parent first; lpdwDisposition (may be null)
// tells which happened. The class, options and security attributes are accepted and unused.
LSTATUS RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR lpClass, DWORD dwOptions,
                        REGSAM samDesired, LPSECURITY_ATTRIBUTES lpSecurityAttributes,
                        PHKEY phkResult, LPDWORD lpdwDisposition);
// Copies the value's type and bytes out. *lpcbData is the buffer size in, the value size out;
// ERROR_MORE_DATA (buffer left untouched) when the value does not fit; with lpData null only
// the size and type are returned.
LSTATUS RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                         LPBYTE lpData, LPDWORD lpcbData);
// Stores exactly cbData bytes of lpData under the name with the given type.
LSTATUS RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType,
                       const BYTE* lpData, DWORD cbData);
LSTATUS RegCloseKey(HKEY hKey);
