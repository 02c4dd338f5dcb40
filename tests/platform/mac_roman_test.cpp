#include "platform/mac_roman.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <string>

namespace {

// What glibc's iconv makes of one Mac OS Roman byte, as a UTF-16 unit.
char16_t IconvMacintosh(unsigned char byte)
{
    iconv_t cd = iconv_open("UTF-16LE", "MACINTOSH");
    EXPECT_NE(cd, iconv_t(-1));
    char in[1] = {static_cast<char>(byte)};
    unsigned char out[4] = {};
    char* inp = in;
    char* outp = reinterpret_cast<char*>(out);
    size_t inLeft = 1, outLeft = sizeof out;
    iconv(cd, &inp, &inLeft, &outp, &outLeft);
    iconv_close(cd);
    return char16_t(out[0] | (out[1] << 8));
}

} // namespace

TEST(MacRoman, AgreesWithIconvOnEveryByteButTheAppleLogo)
{
    for (int b = 0; b < 256; ++b) {
        if (b == 0xF0) continue; // iconv uses a private code of its own for the logo
        EXPECT_EQ(MacRomanToUnicode(static_cast<unsigned char>(b)),
                  char32_t(IconvMacintosh(static_cast<unsigned char>(b))))
            << "byte " << b;
    }
    EXPECT_EQ(MacRomanToUnicode(0xF0), char32_t(0xF8FF));
}

TEST(MacRoman, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(QStringToMacRomanBytes(MacRomanBytesToQString(all)), all);
}

TEST(MacRoman, CharactersTheSetLacks)
{
    struct Case {
        const char* utf8;
        const char* bytes;
    } cases[] = {
        {"caf\xC3\xA9", "caf\x8E"},  // é in the set
        {"cafe\xCC\x81", "caf\x8E"}, // e + combining acute composes to é
        {"\xE2\x82\xAC"
         "5",
         "\xDB"
         "5"},                              // the euro sign
        {"\xCE\xA9", "\xBD"},               // Greek Omega
        {"\xE2\x84\xA6", "\xBD"},           // the Ohm sign is the same letter
        {"\xC5\x9D", "s"},                  // s with circumflex: the set lacks it
        {"\xEF\xAC\x83", "ffi"},            // the ffi ligature
        {"\xEF\xBC\x91\xEF\xBC\x92", "12"}, // full-width digits
        {"\xE6\xBC\xA2\xE5\xAD\x97", "??"}, // one "?" per character
        {"\xF0\x9F\x94\x8A", "?"},          // outside the BMP: still one "?"
        {"cm\xC2\xB2", "cm2"},              // superscript two decomposes to 2
    };
    for (const Case& c : cases) EXPECT_EQ(QStringToMacRomanBytes(QString::fromUtf8(c.utf8)), c.bytes) << c.utf8;
    // A typed key is looked up as it comes, uncomposed: the symbol forms too.
    EXPECT_EQ(UnicodeToMacRoman(0x2126), 0xBD); // Ohm
    EXPECT_EQ(UnicodeToMacRoman(0x2206), 0xC6); // increment
    EXPECT_EQ(UnicodeToMacRoman(0x00A4), 0xDB); // currency sign
    EXPECT_EQ(UnicodeToMacRoman(0x0101), -1);
}

TEST(MacRoman, TypedTextIsCutAt255Bytes)
{
    const Str255 s = FromQString(QString(300, QLatin1Char('a')));
    EXPECT_EQ(s.size(), 255u);
    EXPECT_EQ(ToQString(Str255("\x8E")), QString::fromUtf8("\xC3\xA9"));
    EXPECT_EQ(Utf8ToMacRoman("Merestone Quick Start").str(), "Merestone Quick Start");
    EXPECT_EQ(MacRomanToUtf8("\xA5"), "\xE2\x80\xA2");
}
