// The texts the preferences and the update check keep and compare: a
// window's rectangle as the preference file holds it, version numbers, and
// the addresses of the maker's web server.
#pragma once

#include "platform/geometry.h"

#include <optional>
#include <string>
#include <string_view>

// " 44, 0, 444, 941": top, left, bottom, right, each number with the blank
// of the sheet's number text when it is not negative.
std::string RectText(const Rect& r);
// The four integers back, blanks allowed before each; nothing when the
// text does not hold four integers that fit a coordinate.
std::optional<Rect> ReadRectText(std::string_view text);

// Compares dotted versions part by part as numbers, a missing part counting
// as 0: 1.10 > 1.9.9, 1.2.10 < 1.3, 1.2 = 1.2.0. Leading blanks are skipped
// and the version ends at the first character that is neither a digit nor a
// dot followed by a digit.
int CompareVersions(std::string_view a, std::string_view b);
// True only when `offered` starts with a digit and is newer than `own`.
bool IsNewerVersion(std::string_view offered, std::string_view own);

// The maker's server from the information dictionary: a bare host means
// HTTPS; a full base (http://127.0.0.1:8765) keeps its scheme and port.
std::string WebServerBase(std::string_view host);
