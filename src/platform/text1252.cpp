#include "platform/text1252.h"

#include <array>

namespace {
// 0x80..0x9F of Windows-1252; 0 marks the five undefined positions.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
} // namespace

namespace text1252 {

QByteArray encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(char(u));
            continue;
        }
        char mapped = '?';
        // The five undefined bytes come back from decode() as the C1
        // controls of the same number; they go out unchanged.
        if (u >= 0x80 && u < 0xA0 && high[u - 0x80] == 0) mapped = char(u);
        for (size_t i = 0; i < high.size(); ++i) {
            if (high[i] != 0 && high[i] == u) { mapped = char(0x80 + i); break; }
        }
        out.append(mapped);
    }
    return out;
}

QString decode(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0) {
            const char16_t u = high[b - 0x80];
            out.append(QChar(u ? u : char16_t(b)));
        } else {
            out.append(QChar(char16_t(b)));
        }
    }
    return out;
}

} // namespace text1252
