// SPDX-License-Identifier: MIT
// The About box (dialog template 100): the version, the user's login name, the computer's
// name and address, links to the maker, a live Von Koch snowflake drawn from the stored
// settings, and credits that scroll up a pixel every 40 milliseconds.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <QDialog>
#include <QFont>
#include <QImage>
#include <QTimer>

#include "platform/gdi/GdiTypes.h"
#include "platform/sysinfo/SystemInfo.h"

class CCreditsCtrl;
struct CCreditFormat;
class CVonKochView;

// Where the box takes what it shows; each defaults to the real thing.
struct CAboutSources {
    CSystemCalls system;
    // The credit lines, each ending in its format character; empty for the program's own.
    std::vector<std::string> credits;
    // The bitmap a bitmap credit line names; null for the program's bitmap resources.
    std::function<QImage(const std::string&)> loadBitmap;
};

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr UINT kCreditsTimer = 100;
    static constexpr int kCreditsPeriodMs = 40;
    static constexpr COLORREF kCreditsGrey = 0x00D8D8D8;

    // Builds the controls of the template and initialises them (OnInitDialog); the credits
    // timer runs from then on.
    explicit CAboutDlg(QWidget* pParent = nullptr, CAboutSources sources = {});
    ~CAboutDlg() override;

    // A credits tick for timer 100; any other timer is left alone.
    void OnTimer(UINT nIDEvent);
    void KillTimer(UINT nIDEvent);
    bool IsCreditsTimerRunning() const { return m_creditsTimer.isActive(); }

    // The control of a template identifier; null when there is none.
    QWidget* GetDlgItem(int nID) const;

    // The font of a credit line: Liberation Sans (Arial's metrics) of a cell height in
    // pixels and a weight, not struck out.
    static QFont MakeCreditFont(int nHeight, int nWeight, bool bItalic, bool bUnderline);

    std::string m_strComputerName;
    std::string m_strLoginName;
    std::string m_strIPAddress;
    CRect m_rcCreditsInDialog;
    CRect m_rcCredits;
    int m_nCreditIndex = 0;
    int m_nTick = 0;
    std::string m_strCreditLine;
    bool m_bFirstPaint = true;
    int m_nScrolled = 0;
    int m_nLineHeight = 0;
    CCreditsCtrl* m_pCreditsCtrl = nullptr;
    // The bitmap of the bitmap line being revealed, a drawing surface of its own.
    QImage m_bmpCredit;
    bool m_bBitmapLine = false;
    CVonKochView* m_pKochView = nullptr;

protected:
    bool OnInitDialog();

private:
    void CreateControls();
    void CreateKochView(const QRect& rc);
    void GatherSystemInfo();
    // The credits paint after each tick: the line's font or bitmap, the uncovered bottom
    // row (the whole area the first time) in grey, then the part of the line it shows.
    void PaintCredits();
    QImage RenderCreditLine(const CCreditFormat& format) const;
    void StopCredits(const std::string& strBitmap);

    CAboutSources m_sources;
    std::map<int, QWidget*> m_controls;
    QTimer m_creditsTimer;
    // The text line being revealed, drawn whole; null until its first paint.
    QImage m_imgCreditLine;
    // Left edge of the bitmap being revealed, in the credits control.
    int m_nBitmapX = 0;
    // A missing bitmap stopped the credits for good.
    bool m_bCreditsStopped = false;
};
