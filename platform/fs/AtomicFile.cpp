// SPDX-License-Identifier: MIT
#include "platform/fs/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

std::string WriteFileAtomically(const std::string& strPath, const std::string& strText,
                                mode_t nMode) {
    std::string strTemp = strPath + ".XXXXXX";
    const int fd = mkstemp(strTemp.data());
    if (fd < 0) {
        return "cannot write " + strPath + ": " + std::strerror(errno);
    }
    std::size_t nDone = 0;
    while (nDone < strText.size()) {
        const ssize_t n = write(fd, strText.data() + nDone, strText.size() - nDone);
        if (n < 0) {
            const std::string strError = std::strerror(errno);
            close(fd);
            unlink(strTemp.c_str());
            return "cannot write " + strPath + ": " + strError;
        }
        nDone += std::size_t(n);
    }
    if (fchmod(fd, nMode) != 0 || close(fd) != 0 ||
        std::rename(strTemp.c_str(), strPath.c_str()) != 0) {
        const std::string strError = std::strerror(errno);
        unlink(strTemp.c_str());
        return "cannot write " + strPath + ": " + strError;
    }
    return {};
}
