// SPDX-License-Identifier: MIT
// The internet calls against servers on 127.0.0.1 that the tests start and stop: what one
// read gives of an answer, the request the server sees, addresses that cannot be opened,
// and a root handle closed under a pending open.
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/net/Internet.h"
#include "support/LoopbackHttpServer.h"

namespace {

constexpr DWORD kOpenFlags =
    INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;

// Closes a root handle at the end of a test unless the test closed it.
class CRoot {
public:
    CRoot()
        : m_hInternet(InternetOpenA("Nimbrel", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0)) {
    }
    ~CRoot() {
        if (m_hInternet != nullptr) {
            InternetCloseHandle(m_hInternet);
        }
    }
    HINTERNET Get() const { return m_hInternet; }
    void Close() {
        EXPECT_TRUE(InternetCloseHandle(m_hInternet));
        m_hInternet = nullptr;
    }

private:
    HINTERNET m_hInternet;
};

// One read of at most nToRead bytes; nothing when the read fails.
std::optional<std::string> ReadOnce(HINTERNET hFile, DWORD nToRead) {
    std::vector<char> buffer(nToRead);
    DWORD dwRead = 0;
    if (!InternetReadFile(hFile, buffer.data(), nToRead, &dwRead)) {
        return std::nullopt;
    }
    return std::string(buffer.data(), dwRead);
}

std::string Bytes(std::size_t nCount, char cFirst) {
    std::string strBytes(nCount, '\0');
    for (std::size_t i = 0; i < nCount; ++i) {
        strBytes[i] = char(cFirst + char(i % 23));
    }
    return strBytes;
}

struct CReadCase {
    const char* pszName;
    std::string strAnswer;
    std::string strFirstRead;
};

void PrintTo(const CReadCase& c, std::ostream* pStream) {
    *pStream << c.pszName;
}

class InternetReadTest : public testing::TestWithParam<CReadCase> {};

std::string Binary() {
    std::string strBytes;
    for (int i = 0; i < 256; ++i) {
        strBytes += char(255 - i);
    }
    return strBytes;
}

const CReadCase kReadCases[] = {
    {"VersionText", CLoopbackHttpServer::HttpAnswer("2|0|1|http://example.org/\r\n"),
     "2|0|1|http://example.org/\r\n"},
    {"Exactly512", CLoopbackHttpServer::HttpAnswer(Bytes(512, 'a')), Bytes(512, 'a')},
    {"Longer", CLoopbackHttpServer::HttpAnswer(Bytes(5000, 'a')), Bytes(512, 'a')},
    {"Binary", CLoopbackHttpServer::HttpAnswer(Binary()), Binary()},
    {"ErrorPage", CLoopbackHttpServer::HttpAnswer("<html>Not Found</html>", 404, "Not Found"),
     "<html>Not Found</html>"},
    {"Empty", CLoopbackHttpServer::HttpAnswer(""), ""},
    {"NoLength", "HTTP/1.0 200 OK\r\n\r\n1|2|3|", "1|2|3|"},
};

TEST_P(InternetReadTest, OneReadGivesTheAnswersFirstBytes) {
    const CReadCase& c = GetParam();
    CLoopbackHttpServer server(c.strAnswer);
    CRoot root;
    ASSERT_NE(root.Get(), nullptr);
    HINTERNET hFile = InternetOpenUrlA(root.Get(), server.Url().c_str(), nullptr, 0, kOpenFlags, 0);
    ASSERT_NE(hFile, nullptr);
    EXPECT_EQ(ReadOnce(hFile, 512), c.strFirstRead);
    EXPECT_TRUE(InternetCloseHandle(hFile));
}

INSTANTIATE_TEST_SUITE_P(Answers, InternetReadTest, testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.pszName); });

TEST(InternetTest, ReadsGoOnWhereTheLastStoppedUntilTheEnd) {
    CLoopbackHttpServer server(CLoopbackHttpServer::HttpAnswer(Bytes(700, 'A')));
    CRoot root;
    HINTERNET hFile = InternetOpenUrlA(root.Get(), server.Url().c_str(), nullptr, 0, kOpenFlags, 0);
    ASSERT_NE(hFile, nullptr);
    const std::string strAll = Bytes(700, 'A');
    EXPECT_EQ(ReadOnce(hFile, 512), strAll.substr(0, 512));
    EXPECT_EQ(ReadOnce(hFile, 512), strAll.substr(512));
    EXPECT_EQ(ReadOnce(hFile, 512), "");
    InternetCloseHandle(hFile);
}

TEST(InternetTest, RequestNamesTheAgentAndAsksForAFreshCopy) {
    CLoopbackHttpServer server(CLoopbackHttpServer::HttpAnswer("x"));
    CRoot root;
    HINTERNET hFile = InternetOpenUrlA(root.Get(), server.Url().c_str(), nullptr, 0, kOpenFlags, 0);
    ASSERT_NE(hFile, nullptr);
    const std::string strRequest = server.LastRequest();
    EXPECT_EQ(strRequest.rfind("GET /version/nimbrel_version.txt HTTP/1.1\r\n", 0), 0u);
    EXPECT_NE(strRequest.find("\r\nUser-Agent: Nimbrel\r\n"), std::string::npos);
    EXPECT_NE(strRequest.find("\r\nPragma: no-cache\r\n"), std::string::npos);
    EXPECT_NE(strRequest.find("\r\nCache-Control: no-cache\r\n"), std::string::npos);
    InternetCloseHandle(hFile);
}

TEST(InternetTest, RedirectsAreFollowedBetweenWebAddressesOnly) {
    CLoopbackHttpServer target(CLoopbackHttpServer::HttpAnswer("2|0|0|"));
    CLoopbackHttpServer web("HTTP/1.1 302 Found\r\nLocation: " + target.Url() +
                            "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    CLoopbackHttpServer file("HTTP/1.1 302 Found\r\nLocation: file:///etc/passwd\r\n"
                             "Content-Length: 0\r\nConnection: close\r\n\r\n");
    CRoot root;
    HINTERNET hWeb = InternetOpenUrlA(root.Get(), web.Url().c_str(), nullptr, 0, kOpenFlags, 0);
    ASSERT_NE(hWeb, nullptr);
    EXPECT_EQ(ReadOnce(hWeb, 512), "2|0|0|");
    InternetCloseHandle(hWeb);
    EXPECT_EQ(InternetOpenUrlA(root.Get(), file.Url().c_str(), nullptr, 0, kOpenFlags, 0), nullptr);
}

TEST(InternetTest, AddressesThatCannotBeOpened) {
    CRoot root;
    for (const std::string& strUrl :
         {CLoopbackHttpServer::RefusingUrl(), std::string("file:///etc/passwd"),
          std::string("ftp://127.0.0.1/x"), std::string("not an address")}) {
        EXPECT_EQ(InternetOpenUrlA(root.Get(), strUrl.c_str(), nullptr, 0, kOpenFlags, 0), nullptr)
            << strUrl;
    }
}

TEST(InternetTest, ClosingTheRootCutsAPendingOpenShort) {
    CLoopbackHttpServer server("", CLoopbackHttpServer::EMode::Silent);
    CRoot root;
    HINTERNET hFile = reinterpret_cast<HINTERNET>(1);
    std::thread worker([&] {
        hFile = InternetOpenUrlA(root.Get(), server.Url().c_str(), nullptr, 0, kOpenFlags, 0);
    });
    server.WaitForRequest();
    root.Close();
    worker.join();
    EXPECT_EQ(hFile, nullptr);
}

TEST(InternetTest, ClosingTheRootClosesWhatWasOpenedThroughIt) {
    CLoopbackHttpServer server(CLoopbackHttpServer::HttpAnswer("2|0|0|"));
    CRoot root;
    HINTERNET hFile = InternetOpenUrlA(root.Get(), server.Url().c_str(), nullptr, 0, kOpenFlags, 0);
    ASSERT_NE(hFile, nullptr);
    const HINTERNET hClosedRoot = root.Get();
    root.Close();
    EXPECT_EQ(ReadOnce(hFile, 512), std::nullopt);
    EXPECT_FALSE(InternetCloseHandle(hFile));
    EXPECT_FALSE(InternetCloseHandle(hClosedRoot));
    EXPECT_EQ(InternetOpenUrlA(hClosedRoot, server.Url().c_str(), nullptr, 0, kOpenFlags, 0),
              nullptr);
}

TEST(InternetTest, ConnectedStateAnswersAndFlagsAgree) {
    DWORD dwFlags = 0xFFFF;
    const BOOL bConnected = InternetGetConnectedState(&dwFlags, 0);
    EXPECT_EQ(dwFlags, bConnected ? DWORD(INTERNET_CONNECTION_LAN) : DWORD(0));
}

} // namespace
