// SPDX-License-Identifier: MIT
// What every GUI test needs: a settings store of its own (a fresh XDG_CONFIG_HOME, set
// before anything opens the store) and message boxes that are recorded, never shown.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>
#include <QtTest>

#include <sys/stat.h>

#include "platform/ui/core/MessageBox.h"

// Failed comparisons of the program's texts show the texts.
namespace QTest {
template <> inline char* toString(const std::string& text) {
    return QTest::toString(QString::fromLatin1(text.data(), qsizetype(text.size())));
}
template <> inline char* toString(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) {
        list << QLatin1Char('"') + QString::fromLatin1(text.data(), qsizetype(text.size())) +
                    QLatin1Char('"');
    }
    return QTest::toString(QLatin1Char('{') + list.join(QStringLiteral(", ")) + QLatin1Char('}'));
}
} // namespace QTest

// Points the settings store at a fresh folder for as long as it lives.
class CFreshSettings {
public:
    CFreshSettings()
        : m_previous(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
    }
    ~CFreshSettings() { qputenv("XDG_CONFIG_HOME", m_previous); }
    CFreshSettings(const CFreshSettings&) = delete;
    CFreshSettings& operator=(const CFreshSettings&) = delete;
    QString Path() const { return m_dir.path(); }

private:
    QByteArray m_previous;
    QTemporaryDir m_dir;
};

// A stand-in desktop opener: an xdg-open in strDir that writes each address it is given into
// a pipe beside it. Answers the pipe's path, empty when the opener could not be made; a test
// puts strDir first on PATH and reads the pipe after the click.
inline QString InstallRecordingOpener(const QString& strDir) {
    const QString strFifo = strDir + QStringLiteral("/opened");
    if (mkfifo(QFile::encodeName(strFifo).constData(), 0600) != 0) {
        return {};
    }
    QFile opener(strDir + QStringLiteral("/xdg-open"));
    if (!opener.open(QIODevice::WriteOnly)) {
        return {};
    }
    opener.write(
        QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n").arg(strFifo).toLocal8Bit());
    opener.close();
    if (!opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        return {};
    }
    return strFifo;
}

// Keeps the text of every message box and answers it: OK, or for a box with Retry and
// Cancel what m_fnAnswer says (Cancel when unset).
class CMessageRecorder {
public:
    CMessageRecorder() {
        m_previous = SetMessageBoxHandler(
            [this](const std::string& text, const std::string& caption, UINT nType) {
                m_texts.push_back(text);
                m_captions.push_back(caption);
                m_types.push_back(nType);
                if ((nType & MB_TYPEMASK) != MB_RETRYCANCEL) {
                    return int(IDOK);
                }
                return m_fnAnswer ? m_fnAnswer() : int(IDCANCEL);
            });
    }
    ~CMessageRecorder() { SetMessageBoxHandler(m_previous); }
    CMessageRecorder(const CMessageRecorder&) = delete;
    CMessageRecorder& operator=(const CMessageRecorder&) = delete;

    std::vector<std::string> m_texts;
    std::vector<std::string> m_captions;
    std::vector<UINT> m_types;
    std::function<int()> m_fnAnswer;

private:
    CMessageBoxHandler m_previous;
};

// A fresh store and a recorder for one test function; made in init(), dropped in cleanup().
struct CGuiTestEnvironment {
    CFreshSettings settings;
    CMessageRecorder messages;
};
