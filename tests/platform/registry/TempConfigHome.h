// SPDX-License-Identifier: MIT
// Gives a test a settings store of its own: XDG_CONFIG_HOME points at a fresh temporary
// folder for the test's lifetime, message boxes are recorded instead of shown, and the
// store's pending warning is cleared before and after.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/registry/StoreRecovery.h"
#include "platform/ui/core/MessageBox.h"

class CTempConfigHome {
public:
    CTempConfigHome() {
        std::string strTemplate =
            (std::filesystem::temp_directory_path() / "nimbrel-store-XXXXXX").string();
        m_strRoot = mkdtemp(strTemplate.data());
        if (const char* pszOld = std::getenv("XDG_CONFIG_HOME")) {
            m_strOldHome = pszOld;
        }
        setenv("XDG_CONFIG_HOME", m_strRoot.c_str(), 1);
        TakeRegistryStoreWarning();
        m_oldHandler = SetMessageBoxHandler(
            [this](const std::string& strText, const std::string&, UINT nType) {
                m_messages.push_back(strText);
                m_types.push_back(nType);
                if ((nType & MB_TYPEMASK) != MB_RETRYCANCEL) {
                    return int(IDOK);
                }
                return m_fnAnswer ? m_fnAnswer() : int(IDCANCEL);
            });
    }
    ~CTempConfigHome() {
        SetMessageBoxHandler(m_oldHandler);
        TakeRegistryStoreWarning();
        if (m_strOldHome) {
            setenv("XDG_CONFIG_HOME", m_strOldHome->c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
        // Tests may leave folders read-only; open them again so everything can go.
        std::error_code ec;
        for (auto it = std::filesystem::recursive_directory_iterator(m_strRoot, ec);
             !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
            chmod(it->path().c_str(), 0700);
        }
        std::filesystem::remove_all(m_strRoot, ec);
    }
    CTempConfigHome(const CTempConfigHome&) = delete;
    CTempConfigHome& operator=(const CTempConfigHome&) = delete;

    const std::string& Root() const { return m_strRoot; }
    std::string StoreFolder() const { return m_strRoot + "/Korvat/Korvat Nimbrel"; }
    std::string StoreFile() const { return StoreFolder() + "/registry.sqlite3"; }
    const std::vector<std::string>& Messages() const { return m_messages; }
    const std::vector<UINT>& MessageTypes() const { return m_types; }
    // How a box with Retry and Cancel is answered; Cancel when unset.
    void AnswerRetryCancel(std::function<int()> fnAnswer) { m_fnAnswer = std::move(fnAnswer); }

    static std::string ReadFile(const std::string& strPath) {
        std::ifstream file(strPath, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    static void WriteFile(const std::string& strPath, const std::string& strBytes) {
        std::filesystem::create_directories(std::filesystem::path(strPath).parent_path());
        std::ofstream(strPath, std::ios::binary | std::ios::trunc) << strBytes;
    }

private:
    std::string m_strRoot;
    std::optional<std::string> m_strOldHome;
    CMessageBoxHandler m_oldHandler;
    std::vector<std::string> m_messages;
    std::vector<UINT> m_types;
    std::function<int()> m_fnAnswer;
};
