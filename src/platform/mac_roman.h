// Conversion between the program's Mac OS Roman texts and Qt's Unicode
// strings. Only the widget, clipboard and settings boundaries call it.
#pragma once

#include "platform/str255.h"

#include <QString>
#include <string>

// Unicode code point of a Mac OS Roman byte.
char32_t MacRomanToUnicode(unsigned char byte);

// Mac OS Roman byte for a code point, or -1 when the character set lacks it.
int UnicodeToMacRoman(char32_t cp);

QString ToQString(const Str255& text);
QString MacRomanBytesToQString(std::string_view bytes);

// Converts typed or pasted text. The text is first composed (NFC), so an
// accent typed as a separate mark joins its letter. A character that
// Mac OS Roman lacks becomes the letters of its compatibility decomposition
// when those exist in the set (a ligature, a full-width digit, an accented
// letter the set does not hold loses its accent), and "?" otherwise; one
// "?" per character, never per UTF-16 unit. The result is cut at 255 bytes.
Str255 FromQString(const QString& text);
std::string QStringToMacRomanBytes(const QString& text);

// Mac OS Roman bytes as UTF-8, for fixed texts that go to the platform.
std::string MacRomanToUtf8(std::string_view bytes);

// UTF-8 text (a dictionary value, a file name) as a program text.
Str255 Utf8ToMacRoman(std::string_view utf8);
