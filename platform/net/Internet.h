// SPDX-License-Identifier: MIT
// HTTP for the update check, over libcurl, in the shape of the internet calls the program
// was written against: the connection state, a root handle, opening an address, one read
// and closing. Closing a root handle also closes what was opened through it.
#pragma once

#include <cstdint>

#include "platform/WinTypes.h"

struct CInternetHandle;
using HINTERNET = CInternetHandle*;
using DWORD_PTR = std::uintptr_t;

enum : DWORD {
    // Proxies as the system is configured: libcurl's http_proxy, https_proxy, no_proxy.
    INTERNET_OPEN_TYPE_PRECONFIG = 0,
    INTERNET_FLAG_RELOAD = 0x80000000,
    INTERNET_FLAG_NO_CACHE_WRITE = 0x04000000,
    INTERNET_FLAG_PRAGMA_NOCACHE = 0x00000100,
    INTERNET_CONNECTION_LAN = 0x02,
};

// TRUE when an interface other than loopback is up; *pdwFlags (when given) then holds
// INTERNET_CONNECTION_LAN, else 0.
BOOL InternetGetConnectedState(DWORD* pdwFlags, DWORD dwReserved);

// A root handle; only the preconfigured access is known (no proxy name or bypass list of
// its own). Null on failure.
HINTERNET InternetOpenA(const char* pszAgent, DWORD dwAccessType, const char* pszProxy,
                        const char* pszProxyBypass, DWORD dwFlags);

// Connects, sends the request and returns once the answer's headers are in (or the answer
// is complete), whatever its status code: an error page is read like any other text.
// Redirects are followed between http and https addresses only. Null when the address
// cannot be opened, or when the root handle is closed meanwhile, from any thread: the open
// then gives up within a fraction of a second. Blocks the calling thread.
HINTERNET InternetOpenUrlA(HINTERNET hInternet, const char* pszUrl, const char* pszHeaders,
                           DWORD dwHeadersLength, DWORD dwFlags, DWORD_PTR dwContext);

// Reads up to dwToRead bytes of the answer's body: fewer only at its end. *pdwRead is 0 at
// the end. FALSE when the transfer failed before any byte could be given, the handle is not
// an open address, or the root handle was closed. A server that stops sending for ten
// seconds ends the transfer.
BOOL InternetReadFile(HINTERNET hFile, void* pBuffer, DWORD dwToRead, DWORD* pdwRead);

// FALSE for a handle that is not open.
BOOL InternetCloseHandle(HINTERNET hInternet);
