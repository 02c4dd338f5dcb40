#include "platform/mac_roman.h"

#include <QHash>

namespace {

// Upper half of Mac OS Roman (0x80 to 0xFF); the lower half is ASCII.
// 0xF0 is the Apple logo, which Unicode keeps in the private use area;
// 0xC6 is Delta, as the C library's converter has it.
constexpr char16_t kHigh[128] = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, 0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5,
    0x00E7, 0x00E9, 0x00E8, 0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3, 0x00F2, 0x00F4,
    0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, 0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6,
    0x00DF, 0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8, 0x221E, 0x00B1, 0x2264, 0x2265,
    0x00A5, 0x00B5, 0x2202, 0x2211, 0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8, 0x00BF,
    0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x0394, 0x00AB, 0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5,
    0x0152, 0x0153, 0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA, 0x00FF, 0x0178, 0x2044,
    0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02, 0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1,
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4, 0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9,
    0x0131, 0x02C6, 0x02DC, 0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7,
};

const QHash<char32_t, unsigned char>& ReverseTable()
{
    static const QHash<char32_t, unsigned char> table = [] {
        QHash<char32_t, unsigned char> t;
        for (int i = 0; i < 128; ++i) t.insert(kHigh[i], static_cast<unsigned char>(0x80 + i));
        // Apple's older tables put the currency sign where the euro now is.
        t.insert(0x00A4, 0xDB);
        // Omega and Delta are also reached by their symbol forms (Ohm, increment).
        t.insert(0x2126, 0xBD);
        t.insert(0x2206, 0xC6);
        return t;
    }();
    return table;
}

// Appends the bytes for one composed character; false if it has no form.
bool AppendChar(char32_t cp, std::string& out)
{
    const int b = UnicodeToMacRoman(cp);
    if (b >= 0) {
        out.push_back(static_cast<char>(b));
        return true;
    }
    const QString decomposed = QString::fromUcs4(&cp, 1).normalized(QString::NormalizationForm_KD);
    std::string letters;
    for (char32_t part : decomposed.toUcs4()) {
        if (QChar::category(part) == QChar::Mark_NonSpacing) continue;
        const int pb = UnicodeToMacRoman(part);
        if (pb < 0) return false;
        letters.push_back(static_cast<char>(pb));
    }
    if (letters.empty()) return false;
    out += letters;
    return true;
}

} // namespace

char32_t MacRomanToUnicode(unsigned char byte)
{
    return byte < 0x80 ? char32_t(byte) : char32_t(kHigh[byte - 0x80]);
}

int UnicodeToMacRoman(char32_t cp)
{
    if (cp < 0x80) return static_cast<int>(cp);
    const auto& table = ReverseTable();
    const auto it = table.constFind(cp);
    return it == table.cend() ? -1 : *it;
}

QString MacRomanBytesToQString(std::string_view bytes)
{
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) out.append(QChar(char16_t(MacRomanToUnicode(static_cast<unsigned char>(c)))));
    return out;
}

QString ToQString(const Str255& text)
{
    return MacRomanBytesToQString(text.view());
}

std::string QStringToMacRomanBytes(const QString& text)
{
    std::string out;
    const QString composed = text.normalized(QString::NormalizationForm_C);
    for (char32_t cp : composed.toUcs4())
        if (!AppendChar(cp, out)) out.push_back('?');
    return out;
}

Str255 FromQString(const QString& text)
{
    return Str255(QStringToMacRomanBytes(text));
}

std::string MacRomanToUtf8(std::string_view bytes)
{
    return MacRomanBytesToQString(bytes).toStdString();
}

Str255 Utf8ToMacRoman(std::string_view utf8)
{
    return FromQString(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
}
