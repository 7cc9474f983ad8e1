// SPDX-License-Identifier: MIT
#include "platform/ui/Text.h"

namespace {

// Bytes 0x80 to 0x9F; the rest of the code page is Latin-1. Undefined bytes map to
// themselves (0x81, 0x8D, 0x8F, 0x90, 0x9D).
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t FromByte(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return kHighControls[byte - 0x80];
    }
    return char16_t(byte);
}

char ToByte(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        return char(unit);
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == unit) {
            return char(0x80 + i);
        }
    }
    return '?';
}

} // namespace

QString FromAnsi(std::string_view text) {
    QString result;
    result.reserve(qsizetype(text.size()));
    for (char c : text) {
        result.append(QChar(FromByte(static_cast<unsigned char>(c))));
    }
    return result;
}

std::string ToAnsi(const QString& text) {
    std::string result;
    result.reserve(std::size_t(text.size()));
    for (QChar c : text) {
        result.push_back(ToByte(c.unicode()));
    }
    return result;
}
