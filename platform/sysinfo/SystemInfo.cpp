// SPDX-License-Identifier: MIT
#include "platform/sysinfo/SystemInfo.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A name fits when it is not empty and leaves room for its terminating zero.
std::optional<std::string> FittingName(const char* pszName) {
    if (pszName == nullptr) {
        return std::nullopt;
    }
    const std::size_t nLength = std::strlen(pszName);
    if (nLength == 0 || nLength >= kNameBufferSize) {
        return std::nullopt;
    }
    return std::string(pszName, nLength);
}

} // namespace

CSystemCalls::CSystemCalls()
    : GetHostName([](char* pszName, std::size_t nSize) { return ::gethostname(pszName, nSize); })
    , ResolveIPv4(FirstIPv4Address)
    , PasswordName(PasswordDatabaseName)
    , GetEnv([](const char* pszName) -> const char* { return std::getenv(pszName); }) {}

std::optional<std::string> ReadHostName(const CSystemCalls& calls) {
    // One byte more than the buffer the name may fill, always zero: a truncated name that
    // the call leaves without its terminating zero still ends here, and is too long.
    char szName[kNameBufferSize + 1] = {};
    if (calls.GetHostName(szName, kNameBufferSize) != 0) {
        return std::nullopt;
    }
    return FittingName(szName);
}

std::optional<std::string> ReadLoginName(const CSystemCalls& calls) {
    if (const std::optional<std::string> strEntry = calls.PasswordName(getuid())) {
        if (std::optional<std::string> strName = FittingName(strEntry->c_str())) {
            return strName;
        }
    }
    for (const char* pszVariable : {"LOGNAME", "USER"}) {
        if (std::optional<std::string> strName = FittingName(calls.GetEnv(pszVariable))) {
            return strName;
        }
    }
    return std::nullopt;
}

CSystemInfo GatherSystemInfo(const CSystemCalls& calls) {
    CSystemInfo info;
    info.strComputerName = kUnknownName;
    if (std::optional<std::string> strHost = ReadHostName(calls)) {
        info.strComputerName = *strHost;
        info.strIPAddress = calls.ResolveIPv4(*strHost).value_or(std::string());
    }
    info.strLoginName = ReadLoginName(calls).value_or(kUnknownName);
    return info;
}

std::optional<std::string> FirstIPv4Address(const std::string& strHost) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* pResult = nullptr;
    if (getaddrinfo(strHost.c_str(), nullptr, &hints, &pResult) != 0 || pResult == nullptr) {
        return std::nullopt;
    }
    std::optional<std::string> strAddress;
    for (const addrinfo* p = pResult; p != nullptr && !strAddress; p = p->ai_next) {
        if (p->ai_family != AF_INET || p->ai_addr == nullptr) {
            continue;
        }
        char szDotted[INET_ADDRSTRLEN] = {};
        const auto* pAddress = reinterpret_cast<const sockaddr_in*>(p->ai_addr);
        if (inet_ntop(AF_INET, &pAddress->sin_addr, szDotted, sizeof szDotted) != nullptr) {
            strAddress = szDotted;
        }
    }
    freeaddrinfo(pResult);
    return strAddress;
}

std::optional<std::string> PasswordDatabaseName(uid_t uid) {
    long nSize = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(nSize > 0 ? std::size_t(nSize) : 1024);
    passwd entry{};
    passwd* pEntry = nullptr;
    int nError;
    // A buffer too small for the entry is grown, up to a limit no real entry reaches.
    while ((nError = getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &pEntry)) == ERANGE &&
           buffer.size() < (1u << 20)) {
        buffer.resize(buffer.size() * 2);
    }
    if (nError != 0 || pEntry == nullptr || pEntry->pw_name == nullptr) {
        return std::nullopt;
    }
    return std::string(pEntry->pw_name);
}
