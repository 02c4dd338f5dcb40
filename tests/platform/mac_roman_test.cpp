#include "platform/mac_roman.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <vector>

TEST(MacRoman, AgreesWithIconvOnEveryByteButTheAppleLogo)
{
    iconv_t cd = iconv_open("UTF-16LE", "MACINTOSH");
    ASSERT_NE(cd, iconv_t(-1));
    for (int b = 0; b < 256; ++b) {
        if (b == 0xF0) continue; // iconv uses a private code of its own for the logo
        char in[1] = {static_cast<char>(b)};
        unsigned char out[4] = {};
        char *inp = in, *outp = reinterpret_cast<char*>(out);
        size_t inLeft = 1, outLeft = sizeof out;
        iconv(cd, &inp, &inLeft, &outp, &outLeft);
        EXPECT_EQ(MacRomanToUnicode(static_cast<unsigned char>(b)), char32_t(out[0] | (out[1] << 8))) << "byte " << b;
    }
    iconv_close(cd);
    EXPECT_EQ(MacRomanToUnicode(0xF0), char32_t(0xF8FF));
}

// Text is composed first, so e + combining acute is é; a character the set lacks gives the letters of its compatibility
// decomposition (ligature, full-width digit, superscript, accent dropped), else one "?" per character, even outside the
// BMP. The Ohm sign composes to Omega.
TEST(MacRoman, RoundTripAndCharactersTheSetLacks)
{
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b)); // NUL too
    EXPECT_EQ(QStringToMacRomanBytes(MacRomanBytesToQString(all)), all);
    EXPECT_EQ(FromQString(QString(300, QLatin1Char('a'))).size(), 255u); // typed text is cut at 255 bytes
    EXPECT_EQ(ToQString(Str255("\x8E")), QString::fromUtf8("\xC3\xA9"));
    EXPECT_EQ(Utf8ToMacRoman("Merestone Quick Start").str(), "Merestone Quick Start");
    EXPECT_EQ(MacRomanToUtf8("\xA5"), "\xE2\x80\xA2");
    const std::pair<const char*, const char*> cases[] = {
        {"é", "\x8E"}, {"e\u0301", "\x8E"}, {"5€", "5\xDB"}, {"Ω", "\xBD"}, {"\u2126", "\xBD"}, {"ŝ", "s"},
        {"ﬃ", "ffi"},  {"１２", "12"},      {"漢字", "??"},  {"🔊", "?"},    {"cm²", "cm2"},
    };
    for (const auto& [utf8, bytes] : cases) EXPECT_EQ(QStringToMacRomanBytes(QString::fromUtf8(utf8)), bytes) << utf8;
    // A typed key is looked up as it comes, uncomposed: Ohm, increment and
    // the currency sign reach Omega, Delta and the euro's place.
    EXPECT_EQ((std::vector{UnicodeToMacRoman(0x2126), UnicodeToMacRoman(0x2206), UnicodeToMacRoman(0x00A4),
                           UnicodeToMacRoman(0x0101)}),
              (std::vector{0xBD, 0xC6, 0xDB, -1}));
}

TEST(Str255, CutsEveryJoiningAt255BytesKeepsEveryByteAndComparesLengthAndBytes)
{
    EXPECT_EQ(Str255(std::string(300, 'a')).size(), 255u);
    Str255 s(std::string(250, 'x'));
    s += "0123456789";
    EXPECT_EQ(s.view(), std::string(250, 'x') + "01234");
    EXPECT_EQ((Str255("ab") + Str255(std::string(254, 'c'))).view(), "ab" + std::string(253, 'c'));
    std::string all;
    for (int b = 0; b < 255; ++b) all.push_back(static_cast<char>(b));
    const Str255 bytes(all);
    EXPECT_EQ(std::tuple(bytes.view(), bytes[0], bytes[254]), std::tuple(all, 0, 254)); // bytes read back unsigned
    EXPECT_EQ((std::vector{Str255("n/a") == Str255("n/a"), Str255("n/a") == Str255("n/a "),
                           Str255(std::string_view("a\0", 2)) == Str255("a"), Str255().empty()}),
              (std::vector{true, false, false, true}));
}
