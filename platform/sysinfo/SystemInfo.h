// SPDX-License-Identifier: MIT
// Who and where the program runs: the computer's host name, its first IPv4 address and the
// user's login name, each with the fallback the About box shows when the system cannot say.
// The system calls are replaceable so that every failure can be shown.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include <sys/types.h>

// The names are kept as the system gives them (the locale's encoding).
struct CSystemInfo {
    // "Unknown" when the host name cannot be had.
    std::string strComputerName;
    // "Unknown" when no source names the user.
    std::string strLoginName;
    // Dotted decimal; empty when there is no host name or it does not resolve.
    std::string strIPAddress;
};

// The text that stands for a name the system does not give.
inline constexpr const char* kUnknownName = "Unknown";
// The buffers the names are read into; a longer name counts as not available.
inline constexpr std::size_t kNameBufferSize = 255;

// The calls GatherSystemInfo makes; each defaults to the real one.
struct CSystemCalls {
    // gethostname: 0 on success.
    std::function<int(char*, std::size_t)> GetHostName;
    // The first IPv4 address the name resolves to; none when it does not resolve.
    std::function<std::optional<std::string>(const std::string&)> ResolveIPv4;
    // The user name of the password database entry of a user id; none without an entry.
    std::function<std::optional<std::string>(uid_t)> PasswordName;
    // getenv: null when the variable is not set.
    std::function<const char*(const char*)> GetEnv;

    CSystemCalls();
};

// The host name; none when the call fails or the name does not fit the buffer.
std::optional<std::string> ReadHostName(const CSystemCalls& calls = {});
// The login name: the password database entry of the real user id, then LOGNAME, then USER;
// an empty name or one too long for the buffer is passed over. None when nothing is left.
std::optional<std::string> ReadLoginName(const CSystemCalls& calls = {});
// All three with their fallbacks.
CSystemInfo GatherSystemInfo(const CSystemCalls& calls = {});

// The real resolver and password lookup behind CSystemCalls.
std::optional<std::string> FirstIPv4Address(const std::string& strHost);
std::optional<std::string> PasswordDatabaseName(uid_t uid);
