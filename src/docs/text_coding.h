// The character sets of files that come from elsewhere. The program keeps
// its texts in Mac OS Roman; spreadsheets and editors on Linux write UTF-8,
// and Windows programs write Windows-1252.
#pragma once

#include "platform/str255.h"

#include <string_view>

// The bytes after a leading UTF-8 byte-order mark, if there is one.
std::string_view WithoutByteOrderMark(std::string_view bytes);

// True when the bytes start with the UTF-8 byte-order mark, or are valid
// UTF-8 and hold at least one multi-byte sequence. Plain ASCII is false:
// it reads the same either way.
bool IsUtf8Text(std::string_view bytes);

// A text of a file in the program's character set: UTF-8 converted with
// the replacements typed text gets, ASCII and Mac OS Roman taken as they are.
Str255 ImportedText(std::string_view bytes, bool utf8);

// Windows-1252 bytes in the program's character set, with the same
// replacements.
Str255 Windows1252Text(std::string_view bytes);
