// SPDX-License-Identifier: MIT
#include "platform/gdi/SvgWriter.h"

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <cstdlib>

namespace {

std::string Colour(COLORREF cr) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(cr), GetGValue(cr), GetBValue(cr));
    return text;
}

// The distance between two edges, which may not fit in an int.
std::int64_t Span(int nFrom, int nTo) {
    return std::abs(std::int64_t(nTo) - std::int64_t(nFrom));
}

// Appends the centre of pixel (x, y). Appending piece by piece, rather than prefixing a
// path command to a temporary string, also keeps GCC 12's -Wrestrict quiet in Release.
void AppendCentre(std::string& text, int x, int y) {
    text += std::to_string(x);
    text += ".5,";
    text += std::to_string(y);
    text += ".5";
}

// Collects moves and lines into one path per run of the same pen, which keeps deep curves
// (millions of segments) to a manageable file.
class CSvgBuilder {
public:
    explicit CSvgBuilder(const CRecording& recording) {
        m_text = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                 std::to_string(recording.nWidth) + "\" height=\"" +
                 std::to_string(recording.nHeight) + "\" shape-rendering=\"crispEdges\">\n";
        m_text += "<rect width=\"100%\" height=\"100%\" fill=\"" + Colour(recording.crBackground) +
                  "\"/>\n";
    }

    void Add(const CDrawCall& call) {
        const int* a = call.a;
        switch (call.kind) {
        case CDrawCall::Pen:
            ClosePath();
            m_pen = CPen{a[0], call.cr};
            break;
        case CDrawCall::Brush:
            m_brush = CBrush{call.cr};
            break;
        case CDrawCall::PolyFillMode:
            m_nFillMode = a[0];
            break;
        case CDrawCall::MoveTo:
            m_current = {a[0], a[1]};
            m_bPendingMove = true;
            break;
        case CDrawCall::LineTo:
            if (m_bPendingMove || m_path.empty()) {
                m_path += 'M';
                AppendCentre(m_path, m_current.x, m_current.y);
                m_bPendingMove = false;
            }
            m_path += 'L';
            AppendCentre(m_path, a[0], a[1]);
            m_current = {a[0], a[1]};
            break;
        case CDrawCall::Polyline:
            ClosePath();
            m_text += "<polyline fill=\"none\" " + Stroke() + " points=\"" + Points(call.points) +
                      "\"/>\n";
            break;
        case CDrawCall::Polygon:
            ClosePath();
            m_text += "<polygon fill=\"" + Colour(m_brush.crColor) + "\" fill-rule=\"" +
                      (m_nFillMode == ALTERNATE ? "evenodd" : "nonzero") + "\" " + Stroke() +
                      " points=\"" + Points(call.points) + "\"/>\n";
            break;
        case CDrawCall::Rectangle:
            ClosePath();
            // Edges may lie anywhere in int: widths are computed in 64 bits.
            m_text += "<rect x=\"";
            m_text += std::to_string(std::min(a[0], a[2]));
            m_text += ".5\" y=\"";
            m_text += std::to_string(std::min(a[1], a[3]));
            m_text += ".5\" width=\"";
            m_text += std::to_string(Span(a[0], a[2]) - 1);
            m_text += "\" height=\"";
            m_text += std::to_string(Span(a[1], a[3]) - 1);
            m_text += "\" fill=\"";
            m_text += Colour(m_brush.crColor);
            m_text += "\" ";
            m_text += Stroke();
            m_text += "/>\n";
            break;
        case CDrawCall::SetPixel:
            ClosePath();
            m_text += "<rect x=\"" + std::to_string(a[0]) + "\" y=\"" + std::to_string(a[1]) +
                      "\" width=\"1\" height=\"1\" fill=\"" + Colour(call.cr) + "\"/>\n";
            break;
        case CDrawCall::FillRect:
            ClosePath();
            if (a[2] > a[0] && a[3] > a[1]) {
                m_text += "<rect x=\"";
                m_text += std::to_string(a[0]);
                m_text += "\" y=\"";
                m_text += std::to_string(a[1]);
                m_text += "\" width=\"";
                m_text += std::to_string(Span(a[0], a[2]));
                m_text += "\" height=\"";
                m_text += std::to_string(Span(a[1], a[3]));
                m_text += "\" fill=\"";
                m_text += Colour(call.cr);
                m_text += "\"/>\n";
            }
            break;
        }
    }

    std::string Finish() {
        ClosePath();
        return m_text + "</svg>\n";
    }

private:
    std::string Stroke() const {
        const int nWidth = m_pen.nWidth < 1 ? 1 : m_pen.nWidth;
        return "stroke=\"" + Colour(m_pen.crColor) + "\" stroke-width=\"" + std::to_string(nWidth) +
               "\"" + (nWidth > 1 ? " stroke-linecap=\"round\" stroke-linejoin=\"round\"" : "");
    }

    static std::string Points(const std::vector<CPoint>& points) {
        std::string text;
        for (const CPoint& p : points) {
            if (!text.empty()) {
                text += ' ';
            }
            AppendCentre(text, p.x, p.y);
        }
        return text;
    }

    void ClosePath() {
        if (!m_path.empty()) {
            m_text += "<path fill=\"none\" " + Stroke() + " d=\"" + m_path + "\"/>\n";
            m_path.clear();
        }
        m_bPendingMove = true;
    }

    std::string m_text;
    std::string m_path;
    CPen m_pen = CDC::DefaultPen;
    CBrush m_brush = CDC::DefaultBrush;
    int m_nFillMode = ALTERNATE;
    CPoint m_current;
    bool m_bPendingMove = true;
};

} // namespace

std::string WriteSvg(const CRecording& recording) {
    CSvgBuilder builder(recording);
    for (const CDrawCall& call : recording.calls) {
        builder.Add(call);
    }
    return builder.Finish();
}
