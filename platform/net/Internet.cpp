// SPDX-License-Identifier: MIT
// Every transfer runs on a multi handle of its own, driven by the thread that calls, so an
// open can look at its root's closed flag between short waits, and a read can go on where
// the open stopped. Live handles are kept in one table: a handle closed on one thread is
// refused on another instead of being used after its end.
#include "platform/net/Internet.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <curl/curl.h>
#include <ifaddrs.h>
#include <net/if.h>

namespace {

// How long one wait for the network lasts before the closed flag is looked at again.
constexpr int kPollMilliseconds = 50;
// Bytes kept ahead of the reader before the transfer is paused.
constexpr std::size_t kBufferAhead = 64 * 1024;
// A transfer that moves less than a byte a second for this long is ended.
constexpr long kStallSeconds = 10;

struct CRootState {
    std::string strAgent;
    std::atomic<bool> bClosed{false};
};

class CTransfer {
public:
    explicit CTransfer(std::shared_ptr<CRootState> pRoot)
        : m_pRoot(std::move(pRoot)) {}
    ~CTransfer() {
        if (m_pMulti != nullptr && m_pEasy != nullptr) {
            curl_multi_remove_handle(m_pMulti, m_pEasy);
        }
        if (m_pEasy != nullptr) {
            curl_easy_cleanup(m_pEasy);
        }
        if (m_pMulti != nullptr) {
            curl_multi_cleanup(m_pMulti);
        }
        curl_slist_free_all(m_pHeaders);
    }
    CTransfer(const CTransfer&) = delete;
    CTransfer& operator=(const CTransfer&) = delete;

    bool Start(const char* pszUrl, DWORD dwFlags);
    // Runs the transfer until bStop says so, it ends, or the root handle is closed.
    template <class TStop> void RunUntil(TStop bStop);

    const std::shared_ptr<CRootState>& Root() const { return m_pRoot; }
    bool HeadersIn() const { return m_bHeadersIn; }
    bool Done() const { return m_bDone; }
    bool Failed() const { return m_bDone && m_nResult != CURLE_OK; }
    std::string& Buffer() { return m_strBuffer; }

private:
    static std::size_t OnWrite(char* pData, std::size_t nSize, std::size_t nCount, void* pUser);
    static std::size_t OnHeader(char* pData, std::size_t nSize, std::size_t nCount, void* pUser);
    static int OnProgress(void* pUser, curl_off_t, curl_off_t, curl_off_t, curl_off_t);
    void CollectDone();

    std::shared_ptr<CRootState> m_pRoot;
    CURL* m_pEasy = nullptr;
    CURLM* m_pMulti = nullptr;
    curl_slist* m_pHeaders = nullptr;
    std::string m_strBuffer;
    bool m_bHeadersIn = false;
    bool m_bDone = false;
    bool m_bPaused = false;
    CURLcode m_nResult = CURLE_OK;
};

bool CTransfer::Start(const char* pszUrl, DWORD dwFlags) {
    m_pEasy = curl_easy_init();
    m_pMulti = curl_multi_init();
    if (m_pEasy == nullptr || m_pMulti == nullptr) {
        return false;
    }
    if (dwFlags & (INTERNET_FLAG_RELOAD | INTERNET_FLAG_PRAGMA_NOCACHE)) {
        // A fresh copy from the server, not one a proxy kept.
        m_pHeaders = curl_slist_append(m_pHeaders, "Cache-Control: no-cache");
        m_pHeaders = curl_slist_append(m_pHeaders, "Pragma: no-cache");
    }
    bool bOk = curl_easy_setopt(m_pEasy, CURLOPT_URL, pszUrl) == CURLE_OK;
    bOk =
        bOk && curl_easy_setopt(m_pEasy, CURLOPT_USERAGENT, m_pRoot->strAgent.c_str()) == CURLE_OK;
    bOk = bOk && curl_easy_setopt(m_pEasy, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK;
    bOk = bOk && curl_easy_setopt(m_pEasy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https") == CURLE_OK;
    bOk = bOk && curl_easy_setopt(m_pEasy, CURLOPT_FOLLOWLOCATION, 1L) == CURLE_OK;
    bOk = bOk && curl_easy_setopt(m_pEasy, CURLOPT_MAXREDIRS, 10L) == CURLE_OK;
    bOk = bOk && curl_easy_setopt(m_pEasy, CURLOPT_NOSIGNAL, 1L) == CURLE_OK;
    bOk = bOk && curl_easy_setopt(m_pEasy, CURLOPT_HTTPHEADER, m_pHeaders) == CURLE_OK;
    bOk = bOk && curl_easy_setopt(m_pEasy, CURLOPT_LOW_SPEED_LIMIT, 1L) == CURLE_OK;
    bOk = bOk && curl_easy_setopt(m_pEasy, CURLOPT_LOW_SPEED_TIME, kStallSeconds) == CURLE_OK;
    bOk = bOk && curl_easy_setopt(m_pEasy, CURLOPT_WRITEFUNCTION, &CTransfer::OnWrite) == CURLE_OK;
    bOk = bOk && curl_easy_setopt(m_pEasy, CURLOPT_WRITEDATA, this) == CURLE_OK;
    bOk =
        bOk && curl_easy_setopt(m_pEasy, CURLOPT_HEADERFUNCTION, &CTransfer::OnHeader) == CURLE_OK;
    bOk = bOk && curl_easy_setopt(m_pEasy, CURLOPT_HEADERDATA, this) == CURLE_OK;
    // Also stops a transfer inside a long libcurl call once the root handle is closed.
    bOk = bOk &&
          curl_easy_setopt(m_pEasy, CURLOPT_XFERINFOFUNCTION, &CTransfer::OnProgress) == CURLE_OK;
    bOk = bOk && curl_easy_setopt(m_pEasy, CURLOPT_XFERINFODATA, this) == CURLE_OK;
    bOk = bOk && curl_easy_setopt(m_pEasy, CURLOPT_NOPROGRESS, 0L) == CURLE_OK;
    return bOk && curl_multi_add_handle(m_pMulti, m_pEasy) == CURLM_OK;
}

template <class TStop> void CTransfer::RunUntil(TStop bStop) {
    while (!m_bDone && !bStop() && !m_pRoot->bClosed.load()) {
        if (m_bPaused && m_strBuffer.size() < kBufferAhead) {
            m_bPaused = false;
            curl_easy_pause(m_pEasy, CURLPAUSE_CONT);
        }
        int nRunning = 0;
        if (curl_multi_perform(m_pMulti, &nRunning) != CURLM_OK) {
            m_bDone = true;
            m_nResult = CURLE_FAILED_INIT;
            return;
        }
        CollectDone();
        if (m_bDone || bStop()) {
            return;
        }
        curl_multi_poll(m_pMulti, nullptr, 0, kPollMilliseconds, nullptr);
    }
}

void CTransfer::CollectDone() {
    int nLeft = 0;
    while (CURLMsg* pMessage = curl_multi_info_read(m_pMulti, &nLeft)) {
        if (pMessage->msg == CURLMSG_DONE && pMessage->easy_handle == m_pEasy) {
            m_bDone = true;
            m_nResult = pMessage->data.result;
        }
    }
}

std::size_t CTransfer::OnWrite(char* pData, std::size_t nSize, std::size_t nCount, void* pUser) {
    auto* pThis = static_cast<CTransfer*>(pUser);
    if (pThis->m_strBuffer.size() >= kBufferAhead) {
        pThis->m_bPaused = true;
        return CURL_WRITEFUNC_PAUSE;
    }
    pThis->m_strBuffer.append(pData, nSize * nCount);
    return nSize * nCount;
}

std::size_t CTransfer::OnHeader(char* pData, std::size_t nSize, std::size_t nCount, void* pUser) {
    auto* pThis = static_cast<CTransfer*>(pUser);
    const std::size_t nBytes = nSize * nCount;
    const bool bBlankLine =
        (nBytes == 2 && pData[0] == '\r' && pData[1] == '\n') || (nBytes == 1 && pData[0] == '\n');
    if (bBlankLine) {
        // The end of one answer's headers: final unless it is an interim answer or a
        // redirect that is about to be followed.
        long nCode = 0;
        curl_easy_getinfo(pThis->m_pEasy, CURLINFO_RESPONSE_CODE, &nCode);
        if (nCode >= 200 && (nCode < 300 || nCode >= 400)) {
            pThis->m_bHeadersIn = true;
        }
    }
    return nBytes;
}

int CTransfer::OnProgress(void* pUser, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<CTransfer*>(pUser)->m_pRoot->bClosed.load() ? 1 : 0;
}

} // namespace

struct CInternetHandle {
    std::shared_ptr<CRootState> pRoot;
    // Null for a root handle.
    std::shared_ptr<CTransfer> pTransfer;
};

namespace {

std::mutex g_handlesMutex;
std::map<CInternetHandle*, std::unique_ptr<CInternetHandle>> g_handles;

std::shared_ptr<CRootState> LiveRoot(HINTERNET hInternet) {
    std::lock_guard lock(g_handlesMutex);
    const auto it = g_handles.find(hInternet);
    if (it == g_handles.end() || it->second->pTransfer != nullptr) {
        return nullptr;
    }
    return it->second->pRoot;
}

std::shared_ptr<CTransfer> LiveTransfer(HINTERNET hFile) {
    std::lock_guard lock(g_handlesMutex);
    const auto it = g_handles.find(hFile);
    return it == g_handles.end() ? nullptr : it->second->pTransfer;
}

} // namespace

BOOL InternetGetConnectedState(DWORD* pdwFlags, DWORD) {
    bool bConnected = false;
    ifaddrs* pList = nullptr;
    if (getifaddrs(&pList) == 0) {
        for (const ifaddrs* p = pList; p != nullptr && !bConnected; p = p->ifa_next) {
            bConnected = (p->ifa_flags & IFF_UP) != 0 && (p->ifa_flags & IFF_LOOPBACK) == 0;
        }
        freeifaddrs(pList);
    }
    if (pdwFlags != nullptr) {
        *pdwFlags = bConnected ? DWORD(INTERNET_CONNECTION_LAN) : DWORD(0);
    }
    return bConnected ? 1 : 0;
}

HINTERNET InternetOpenA(const char* pszAgent, DWORD dwAccessType, const char* pszProxy,
                        const char* pszProxyBypass, DWORD) {
    if (dwAccessType != INTERNET_OPEN_TYPE_PRECONFIG || (pszProxy != nullptr && *pszProxy) ||
        (pszProxyBypass != nullptr && *pszProxyBypass)) {
        return nullptr;
    }
    static const CURLcode nInit = curl_global_init(CURL_GLOBAL_DEFAULT);
    if (nInit != CURLE_OK) {
        return nullptr;
    }
    auto pHandle = std::make_unique<CInternetHandle>();
    pHandle->pRoot = std::make_shared<CRootState>();
    pHandle->pRoot->strAgent = pszAgent != nullptr ? pszAgent : "";
    HINTERNET hInternet = pHandle.get();
    std::lock_guard lock(g_handlesMutex);
    g_handles.emplace(hInternet, std::move(pHandle));
    return hInternet;
}

HINTERNET InternetOpenUrlA(HINTERNET hInternet, const char* pszUrl, const char*, DWORD,
                           DWORD dwFlags, DWORD_PTR) {
    std::shared_ptr<CRootState> pRoot = LiveRoot(hInternet);
    if (pRoot == nullptr || pszUrl == nullptr) {
        return nullptr;
    }
    auto pTransfer = std::make_shared<CTransfer>(pRoot);
    if (!pTransfer->Start(pszUrl, dwFlags)) {
        return nullptr;
    }
    pTransfer->RunUntil([&] { return pTransfer->HeadersIn(); });
    // An answer that ended at once counts as opened; one that failed before its headers
    // does not.
    if (!pTransfer->HeadersIn() && (!pTransfer->Done() || pTransfer->Failed())) {
        return nullptr;
    }
    auto pHandle = std::make_unique<CInternetHandle>();
    pHandle->pRoot = pRoot;
    pHandle->pTransfer = std::move(pTransfer);
    HINTERNET hFile = pHandle.get();
    std::lock_guard lock(g_handlesMutex);
    // The root's close and this check share the lock: either the root's close sees this
    // handle and closes it, or this open sees the root closed and gives up.
    if (pRoot->bClosed.load() || g_handles.find(hInternet) == g_handles.end()) {
        return nullptr;
    }
    g_handles.emplace(hFile, std::move(pHandle));
    return hFile;
}

BOOL InternetReadFile(HINTERNET hFile, void* pBuffer, DWORD dwToRead, DWORD* pdwRead) {
    if (pdwRead != nullptr) {
        *pdwRead = 0;
    }
    std::shared_ptr<CTransfer> pTransfer = LiveTransfer(hFile);
    if (pTransfer == nullptr || pdwRead == nullptr || (pBuffer == nullptr && dwToRead > 0)) {
        return 0;
    }
    std::string& strBuffer = pTransfer->Buffer();
    pTransfer->RunUntil([&] { return strBuffer.size() >= dwToRead; });
    if (pTransfer->Root()->bClosed.load() || (strBuffer.empty() && pTransfer->Failed())) {
        return 0;
    }
    const std::size_t nCount = std::min<std::size_t>(dwToRead, strBuffer.size());
    if (nCount > 0) {
        std::memcpy(pBuffer, strBuffer.data(), nCount);
        strBuffer.erase(0, nCount);
    }
    *pdwRead = DWORD(nCount);
    return 1;
}

BOOL InternetCloseHandle(HINTERNET hInternet) {
    std::vector<std::unique_ptr<CInternetHandle>> closed;
    {
        std::lock_guard lock(g_handlesMutex);
        const auto it = g_handles.find(hInternet);
        if (it == g_handles.end()) {
            return 0;
        }
        std::shared_ptr<CRootState> pRoot = it->second->pRoot;
        const bool bIsRoot = it->second->pTransfer == nullptr;
        closed.push_back(std::move(it->second));
        g_handles.erase(it);
        if (bIsRoot) {
            pRoot->bClosed = true;
            for (auto child = g_handles.begin(); child != g_handles.end();) {
                if (child->second->pRoot == pRoot) {
                    closed.push_back(std::move(child->second));
                    child = g_handles.erase(child);
                } else {
                    ++child;
                }
            }
        }
    }
    // The transfers end outside the lock; one still in use on another thread ends when
    // that thread lets go of it.
    return 1;
}
