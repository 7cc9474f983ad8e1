// SPDX-License-Identifier: MIT
// A tiny HTTP server on 127.0.0.1 and an ephemeral port, run by a test on a thread of its
// own and stopped when the object goes: it answers every request with fixed bytes, holds
// the answer until released, or accepts and never answers.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

class CLoopbackHttpServer {
public:
    enum class EMode { Answer, HoldUntilRelease, Silent };

    // A whole answer with the body and its length.
    static std::string HttpAnswer(const std::string& strBody, int nStatus = 200,
                                  const std::string& strReason = "OK") {
        return "HTTP/1.1 " + std::to_string(nStatus) + " " + strReason +
               "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(strBody.size()) +
               "\r\nConnection: close\r\n\r\n" + strBody;
    }

    // strAnswer is sent as it stands (status line and headers included).
    explicit CLoopbackHttpServer(std::string strAnswer, EMode eMode = EMode::Answer)
        : m_strAnswer(std::move(strAnswer))
        , m_eMode(eMode) {
        [[maybe_unused]] const int nStop = pipe2(m_stopPipe, O_CLOEXEC);
        [[maybe_unused]] const int nRelease = pipe2(m_releasePipe, O_CLOEXEC);
        // Whatever proxy the environment names, the test's requests go straight here.
        setenv("no_proxy", "127.0.0.1", 1);
        setenv("NO_PROXY", "127.0.0.1", 1);
        m_nListen = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        bind(m_nListen, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(m_nListen, 8);
        socklen_t nLength = sizeof address;
        getsockname(m_nListen, reinterpret_cast<sockaddr*>(&address), &nLength);
        m_nPort = ntohs(address.sin_port);
        m_thread = std::thread([this] { Run(); });
    }

    ~CLoopbackHttpServer() {
        [[maybe_unused]] const ssize_t n = write(m_stopPipe[1], "x", 1);
        m_thread.join();
        close(m_nListen);
        for (int nFd : {m_stopPipe[0], m_stopPipe[1], m_releasePipe[0], m_releasePipe[1]}) {
            close(nFd);
        }
    }
    CLoopbackHttpServer(const CLoopbackHttpServer&) = delete;
    CLoopbackHttpServer& operator=(const CLoopbackHttpServer&) = delete;

    std::uint16_t Port() const { return m_nPort; }
    std::string Url(const std::string& strPath = "/version/nimbrel_version.txt") const {
        return "http://127.0.0.1:" + std::to_string(m_nPort) + strPath;
    }

    // Lets every held answer go, now and later.
    void Release() { [[maybe_unused]] const ssize_t n = write(m_releasePipe[1], "x", 1); }

    // Blocks until a request has come in.
    void WaitForRequest() {
        std::unique_lock lock(m_mutex);
        m_requestSeen.wait(lock, [this] { return m_nRequests > 0; });
    }
    int Requests() {
        std::lock_guard lock(m_mutex);
        return m_nRequests;
    }
    std::string LastRequest() {
        std::lock_guard lock(m_mutex);
        return m_strLastRequest;
    }

    // An address on 127.0.0.1 where nothing listens: connections are refused.
    static std::string RefusingUrl() {
        const int nFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(nFd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t nLength = sizeof address;
        getsockname(nFd, reinterpret_cast<sockaddr*>(&address), &nLength);
        close(nFd);
        return "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/version.txt";
    }

private:
    // Waits until fd is readable; false when the server is stopping.
    bool WaitReadable(int nFd) {
        pollfd fds[2] = {{nFd, POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}};
        while (poll(fds, 2, -1) < 0) {
        }
        return (fds[1].revents & POLLIN) == 0;
    }

    void Run() {
        while (WaitReadable(m_nListen)) {
            const int nConnection = accept4(m_nListen, nullptr, nullptr, SOCK_CLOEXEC);
            if (nConnection < 0) {
                continue;
            }
            Serve(nConnection);
            close(nConnection);
        }
    }

    void Serve(int nConnection) {
        std::string strRequest;
        char buffer[4096];
        while (strRequest.find("\r\n\r\n") == std::string::npos) {
            if (!WaitReadable(nConnection)) {
                return;
            }
            const ssize_t n = read(nConnection, buffer, sizeof buffer);
            if (n <= 0) {
                return;
            }
            strRequest.append(buffer, std::size_t(n));
        }
        {
            std::lock_guard lock(m_mutex);
            ++m_nRequests;
            m_strLastRequest = strRequest;
        }
        m_requestSeen.notify_all();
        if (m_eMode == EMode::Silent) {
            // Until the client gives up or the server stops.
            while (WaitReadable(nConnection) && read(nConnection, buffer, sizeof buffer) > 0) {
            }
            return;
        }
        if (m_eMode == EMode::HoldUntilRelease && !WaitReadable(m_releasePipe[0])) {
            return;
        }
        std::size_t nSent = 0;
        while (nSent < m_strAnswer.size()) {
            const ssize_t n = send(nConnection, m_strAnswer.data() + nSent,
                                   m_strAnswer.size() - nSent, MSG_NOSIGNAL);
            if (n <= 0) {
                return;
            }
            nSent += std::size_t(n);
        }
        shutdown(nConnection, SHUT_WR);
    }

    std::string m_strAnswer;
    EMode m_eMode;
    int m_stopPipe[2] = {-1, -1};
    int m_releasePipe[2] = {-1, -1};
    int m_nListen = -1;
    std::uint16_t m_nPort = 0;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_requestSeen;
    int m_nRequests = 0;
    std::string m_strLastRequest;
};
