#include "docs/text_coding.h"

#include "platform/mac_roman.h"

#include <QString>

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsAscii(std::string_view bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// Length of the UTF-8 sequence that starts at bytes[i], or 0 when it is not
// a well-formed one (overlong forms, surrogates and code points past
// U+10FFFF are not).
std::size_t SequenceLength(std::string_view bytes, std::size_t i)
{
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    std::size_t n = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF)
        n = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        n = 3, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
    else if (lead >= 0xF0 && lead <= 0xF4)
        n = 4, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
    else
        return 0;
    if (i + n > bytes.size() || at(i + 1) < low || at(i + 1) > high) return 0;
    for (std::size_t k = i + 2; k < i + n; ++k)
        if (at(k) < 0x80 || at(k) > 0xBF) return 0;
    return n;
}

// Windows-1252 at 0x80 to 0x9F; the rest of the set is Latin-1. The five
// unassigned places keep their C1 code points.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

std::string_view WithoutByteOrderMark(std::string_view bytes)
{
    return bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom ? bytes.substr(kUtf8Bom.size()) : bytes;
}

bool IsUtf8Text(std::string_view bytes)
{
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) return true;
    bool multiByte = false;
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t n = SequenceLength(bytes, i);
        if (n == 0) return false;
        multiByte = true;
        i += n;
    }
    return multiByte;
}

Str255 ImportedText(std::string_view bytes, bool utf8)
{
    if (!utf8 || IsAscii(bytes)) return Str255(bytes);
    return Utf8ToMacRoman(bytes);
}

Str255 Windows1252Text(std::string_view bytes)
{
    if (IsAscii(bytes)) return Str255(bytes);
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(QChar(b >= 0x80 && b < 0xA0 ? kWindows1252High[b - 0x80] : char16_t(b)));
    }
    return FromQString(text);
}
