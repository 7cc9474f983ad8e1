// SPDX-License-Identifier: MIT
#include "dialogs/AboutDlg.h"

#include <memory>
#include <string_view>

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "app/NimbrelApp.h"
#include "dialogs/CreditLines.h"
#include "dialogs/CreditsCtrl.h"
#include "fractals/VonKochView.h"
#include "platform/ui/LinkCtrl.h"
#include "platform/ui/RibbonImages.h"
#include "platform/ui/Text.h"
#include "platform/ui/ViewWindow.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/core/MessageBox.h"
#include "resources/AboutTemplate.h"
#include "resources/BitmapResources.h"
#include "resources/Resource.h"
#include "resources/StringTable.h"

namespace {

// The dialog font stands in for the template's 8-point "MS Shell Dlg": 11 pixels is 8 points
// at 96 dots per inch.
constexpr const char* kDialogFontFamily = "Liberation Sans";
constexpr int kDialogFontPixels = 11;
// Liberation Sans, like Arial, has 2048 units to the em and a cell of 1854 + 434 units: a
// font asked for by its cell height gets this share of it as its em.
constexpr double kEmPerCell = 2048.0 / (1854.0 + 434.0);
// Where the message box of a missing credit bitmap takes its caption from: it names none.
constexpr const char* kPlainMessageCaption = "Error";

QRect ToQRect(const CRect& rc) {
    return QRect(rc.left, rc.top, rc.Width(), rc.Height());
}

QColor ToQColor(COLORREF cr) {
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

QRect TemplateRect(const CDialogControlData& control) {
    return MapDialogRect(control.x, control.y, control.cx, control.cy, kEightPointDialogUnits);
}

// The wait cursor for as long as it lives.
class CWaitCursor {
public:
    CWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

} // namespace

CAboutDlg::CAboutDlg(QWidget* pParent, CAboutSources sources)
    : QDialog(pParent)
    , m_sources(std::move(sources)) {
    if (m_sources.credits.empty()) {
        for (const char* pszLine : CreditLines()) {
            m_sources.credits.emplace_back(pszLine);
        }
    }
    if (!m_sources.loadBitmap) {
        m_sources.loadBitmap = LoadBitmapResource;
    }
    m_creditsTimer.setInterval(kCreditsPeriodMs);
    connect(&m_creditsTimer, &QTimer::timeout, this, [this] { OnTimer(kCreditsTimer); });
    CreateControls();
    OnInitDialog();
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::CreateControls() {
    const CDialogTemplateData& data = AboutTemplate();
    setWindowTitle(FromAnsi(data.pszCaption));
    QFont font(QString::fromLatin1(kDialogFontFamily));
    font.setPixelSize(kDialogFontPixels);
    setFont(font);
    setFixedSize(MapDialogRect(0, 0, data.cx, data.cy, kEightPointDialogUnits).size());

    for (const CDialogControlData& control : data.controls) {
        const QRect rc = TemplateRect(control);
        QWidget* pControl = nullptr;
        switch (control.kind) {
        case EDialogControl::Icon: {
            auto* pIcon = new QLabel(this);
            pIcon->setPixmap(RibbonIcon(ERibbonImage::Application).pixmap(rc.width(), rc.height()));
            pControl = pIcon;
            break;
        }
        case EDialogControl::Static:
            if (control.nID == IDC_CREDITS) {
                m_pCreditsCtrl = new CCreditsCtrl(this);
                m_pCreditsCtrl->Place(rc);
                pControl = m_pCreditsCtrl;
            } else {
                // Names from the system are shown as they are, never as markup.
                auto* pLabel = new QLabel(FromAnsi(control.pszText), this);
                pLabel->setTextFormat(Qt::PlainText);
                pLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                pControl = pLabel;
            }
            break;
        case EDialogControl::Edit:
            // The one edit control of the template hosts the snowflake.
            CreateKochView(rc);
            break;
        case EDialogControl::Link: {
            auto* pLink = new CLinkCtrl(control.pszText, this);
            pLink->SetFailureHandler(
                [](int nCode) { AfxMessageBox(CNimbrelApp::ShellErrorMessage(nCode), MB_OK); });
            pControl = pLink;
            break;
        }
        case EDialogControl::DefaultButton: {
            auto* pButton = new QPushButton(FromAnsi(control.pszText), this);
            pButton->setDefault(true);
            connect(pButton, &QPushButton::clicked, this, &QDialog::accept);
            pControl = pButton;
            break;
        }
        }
        if (pControl != nullptr) {
            pControl->setGeometry(rc);
            if (control.nID != IDC_STATIC) {
                m_controls[control.nID] = pControl;
            }
        }
    }
}

void CAboutDlg::CreateKochView(const QRect& rc) {
    auto pView = std::make_unique<CVonKochView>();
    m_pKochView = pView.get();
    // The stored record, drawn; the store and the ribbon are left alone.
    auto* pHost = new CViewWindow(std::move(pView), kStoredPictureHosting, this);
    pHost->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    pHost->setGeometry(rc);
    m_controls[IDC_KOCH_VIEW] = pHost;
}

QWidget* CAboutDlg::GetDlgItem(int nID) const {
    const auto it = m_controls.find(nID);
    return it == m_controls.end() ? nullptr : it->second;
}

bool CAboutDlg::OnInitDialog() {
    GatherSystemInfo();
    // The names come from the system, in its own encoding, not the program's code page.
    const struct {
        int nID;
        const char* pszPrefix;
        const std::string& strValue;
    } lines[] = {{IDC_LOGIN_NAME, "Login Name: ", m_strLoginName},
                 {IDC_COMPUTER_NAME, "Computer Name: ", m_strComputerName},
                 {IDC_IP_ADDRESS, "TCP/IP Address: ", m_strIPAddress}};
    for (const auto& line : lines) {
        if (auto* pLabel = qobject_cast<QLabel*>(GetDlgItem(line.nID))) {
            pLabel->setText(FromAnsi(line.pszPrefix) + QString::fromLocal8Bit(line.strValue));
        }
    }
    if (auto* pMail = qobject_cast<CLinkCtrl*>(GetDlgItem(IDC_MAIL_LINK))) {
        pMail->SetURL(kMakerMailLink);
        pMail->SetURLPrefix("");
        pMail->SetTooltip("", false);
    }
    if (auto* pWeb = qobject_cast<CLinkCtrl*>(GetDlgItem(IDC_WEB_LINK))) {
        pWeb->SetURL(kMakerSite);
        pWeb->SetURLPrefix("");
        pWeb->SetTooltip("", false);
    }

    m_nLineHeight = 16;
    m_bBitmapLine = false;
    m_nCreditIndex = 0;
    m_nTick = 1;
    m_nScrolled = 0;
    m_bFirstPaint = true;

    m_rcCredits = CRect{0, 0, m_pCreditsCtrl->width(), m_pCreditsCtrl->height()};
    const QPoint topLeft = m_pCreditsCtrl->mapTo(this, QPoint(0, 0));
    m_rcCreditsInDialog = CRect{topLeft.x(), topLeft.y(), topLeft.x() + m_rcCredits.Width(),
                                topLeft.y() + m_rcCredits.Height()};
    m_creditsTimer.start();

    if (auto* pHost = static_cast<CViewWindow*>(GetDlgItem(IDC_KOCH_VIEW))) {
        pHost->OnInitialUpdate();
        m_pKochView->ComputeDrawingRects();
    }
    // The first paint: the whole credits area grey at once.
    PaintCredits();
    return true;
}

void CAboutDlg::GatherSystemInfo() {
    CWaitCursor wait;
    const CSystemInfo info = ::GatherSystemInfo(m_sources.system);
    m_strComputerName = info.strComputerName;
    m_strIPAddress = info.strIPAddress;
    m_strLoginName = info.strLoginName;
}

QFont CAboutDlg::MakeCreditFont(int nHeight, int nWeight, bool bItalic, bool bUnderline) {
    QFont font(QString::fromLatin1(kDialogFontFamily));
    font.setPixelSize(qMax(1, qRound(nHeight * kEmPerCell)));
    font.setWeight(QFont::Weight(qBound(1, nWeight, 1000)));
    font.setItalic(bItalic);
    font.setUnderline(bUnderline);
    font.setStrikeOut(false);
    return font;
}

void CAboutDlg::OnTimer(UINT nIDEvent) {
    if (nIDEvent != kCreditsTimer || m_bCreditsStopped) {
        return;
    }
    if (!m_bBitmapLine) {
        const int t = m_nTick;
        m_nTick = t + 1;
        if (t % m_nLineHeight == 0) {
            if (!m_sources.credits.empty()) {
                // The line up to its terminating zero.
                m_strCreditLine = m_sources.credits[m_nCreditIndex].c_str();
                m_imgCreditLine = QImage();
                m_nCreditIndex = (m_nCreditIndex + 1) % int(m_sources.credits.size());
            }
            m_nTick = 1;
            m_nScrolled = 0;
        }
    }
    m_pCreditsCtrl->ScrollUp();
    ++m_nScrolled;
    PaintCredits();
}

void CAboutDlg::KillTimer(UINT nIDEvent) {
    if (nIDEvent == kCreditsTimer) {
        m_creditsTimer.stop();
    }
}

void CAboutDlg::PaintCredits() {
    if (m_bCreditsStopped) {
        return;
    }
    bool bTextLine = false;
    if (!m_strCreditLine.empty()) {
        const char chFormat = m_strCreditLine.back();
        if (chFormat == kCreditBitmap) {
            if (!m_bBitmapLine) {
                const std::string strName = m_strCreditLine.substr(0, m_strCreditLine.size() - 1);
                m_bmpCredit = m_sources.loadBitmap(strName);
                if (m_bmpCredit.isNull()) {
                    StopCredits(strName);
                    return;
                }
                m_nBitmapX = m_rcCredits.right - m_rcCredits.Width() / 2 - m_bmpCredit.width() / 2;
                m_bBitmapLine = true;
            }
        } else {
            const CCreditFormat format = CreditFormatOf(chFormat);
            m_nLineHeight = format.nHeight;
            if (m_imgCreditLine.isNull()) {
                m_imgCreditLine = RenderCreditLine(format);
            }
            bTextLine = true;
        }
    }

    // The whole area the first time, then only the bottom row the last scroll uncovered.
    const bool bWhole = m_bFirstPaint;
    m_bFirstPaint = false;
    const QRect rcLine(m_rcCredits.left, m_rcCredits.bottom - m_nScrolled, m_rcCredits.Width(),
                       m_nScrolled);
    m_pCreditsCtrl->PaintRows(bWhole, [&](QPainter& painter) {
        painter.fillRect(ToQRect(m_rcCredits), ToQColor(kCreditsGrey));
        if (bTextLine) {
            painter.drawImage(rcLine.topLeft(), m_imgCreditLine,
                              QRect(0, 0, rcLine.width(), rcLine.height()));
        } else if (m_bBitmapLine && m_nScrolled <= m_bmpCredit.height()) {
            // The bitmap's first m_nScrolled rows fill the line, its last column stretched
            // over by one; the rows above were drawn on earlier ticks and scrolled up since.
            const int w = m_bmpCredit.width();
            painter.drawImage(QRect(m_nBitmapX, rcLine.top(), w, m_nScrolled), m_bmpCredit,
                              QRect(0, 0, qMax(w - 1, 1), m_nScrolled));
        }
    });
    if (m_bBitmapLine && m_nScrolled > m_bmpCredit.height()) {
        m_bmpCredit = QImage();
        m_bBitmapLine = false;
        m_nScrolled = 0;
        m_strCreditLine.clear();
        m_nTick = 1;
    }
}

QImage CAboutDlg::RenderCreditLine(const CCreditFormat& format) const {
    // The line as the credits show it, drawn once: its text without the format character,
    // centred, on a single line, top-aligned, over the credits' grey. Each tick copies the
    // row of it the tick uncovers.
    QImage line(m_rcCredits.Width(), format.nHeight, QImage::Format_RGB32);
    if (line.isNull()) {
        return line;
    }
    line.fill(ToQColor(kCreditsGrey));
    QPainter painter(&line);
    painter.setFont(MakeCreditFont(format.nHeight, format.nWeight, false, format.bUnderline));
    painter.setPen(ToQColor(format.crText));
    painter.drawText(
        line.rect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
        FromAnsi(std::string_view(m_strCreditLine).substr(0, m_strCreditLine.size() - 1)));
    return line;
}

void CAboutDlg::StopCredits(const std::string& strBitmap) {
    // Stopped before the message shows, so that no tick runs while it waits; and for good,
    // so that the message is never shown again.
    KillTimer(kCreditsTimer);
    m_bCreditsStopped = true;
    MessageBoxWithCaption("Could not find bitmap resource \"" + strBitmap +
                              "\". Be sure to assign the bitmap a QUOTED resource name",
                          kPlainMessageCaption, MB_OK);
}
