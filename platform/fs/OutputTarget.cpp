// SPDX-License-Identifier: MIT
#include "platform/fs/OutputTarget.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMaxLinks = 40;

std::string KindOf(mode_t nMode) {
    if (S_ISDIR(nMode)) {
        return "a directory";
    }
    if (S_ISCHR(nMode) || S_ISBLK(nMode)) {
        return "a device";
    }
    if (S_ISFIFO(nMode)) {
        return "a FIFO";
    }
    if (S_ISSOCK(nMode)) {
        return "a socket";
    }
    return "not a regular file";
}

std::string Folder(const std::string& strPath) {
    const std::size_t nSlash = strPath.rfind('/');
    return nSlash == std::string::npos ? std::string() : strPath.substr(0, nSlash + 1);
}

} // namespace

COutputTarget ResolveOutputTarget(const std::string& strPath) {
    COutputTarget target;
    std::string strCurrent = strPath;
    for (int nLinks = 0;; ++nLinks) {
        struct stat info {};
        if (lstat(strCurrent.c_str(), &info) != 0) {
            if (errno == ENOENT) {
                // A new name: the file is made there (a missing folder fails at the write).
                target.strPath = strCurrent;
                return target;
            }
            target.strError = "cannot write " + strPath + ": " + std::strerror(errno);
            return target;
        }
        if (S_ISREG(info.st_mode)) {
            target.strPath = strCurrent;
            target.nMode = info.st_mode & 07777;
            return target;
        }
        if (!S_ISLNK(info.st_mode)) {
            target.strError = "refusing to write " + strPath + ": it is " + KindOf(info.st_mode);
            return target;
        }
        if (nLinks == kMaxLinks) {
            target.strError = "cannot write " + strPath + ": too many levels of symbolic links";
            return target;
        }
        std::vector<char> link(std::size_t(info.st_size > 0 ? info.st_size : 255) + 1);
        const ssize_t nLength = readlink(strCurrent.c_str(), link.data(), link.size());
        if (nLength <= 0 || std::size_t(nLength) >= link.size()) {
            target.strError = "cannot follow the link " + strPath;
            return target;
        }
        const std::string strLink(link.data(), std::size_t(nLength));
        strCurrent = strLink[0] == '/' ? strLink : Folder(strCurrent) + strLink;
    }
}
