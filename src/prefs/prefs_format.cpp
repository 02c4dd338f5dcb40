#include "prefs/prefs_format.h"

#include "sheet/number_format.h"

#include <algorithm>
#include <charconv>
#include <compare>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The dotted parts at the start of the text, after its blanks.
std::vector<unsigned long long> VersionParts(std::string_view text)
{
    std::size_t i = text.find_first_not_of(" \t");
    std::vector<unsigned long long> parts;
    while (i < text.size() && IsDigit(text[i])) {
        unsigned long long part = 0;
        const auto res = std::from_chars(text.data() + i, text.data() + text.size(), part);
        if (res.ec == std::errc::result_out_of_range) part = std::numeric_limits<unsigned long long>::max();
        i = std::size_t(res.ptr - text.data());
        while (i < text.size() && IsDigit(text[i])) ++i; // the rest of a part too long to hold
        parts.push_back(part);
        if (i + 1 < text.size() && text[i] == '.' && IsDigit(text[i + 1]))
            ++i;
        else
            break;
    }
    return parts;
}

} // namespace

std::string RectText(const Rect& r)
{
    std::string text;
    for (const int v : {int(r.top), int(r.left), int(r.bottom), int(r.right)})
        text += (text.empty() ? "" : ",") + NumberText(v).str();
    return text;
}

std::optional<Rect> ReadRectText(std::string_view text)
{
    std::int16_t v[4];
    std::size_t i = 0;
    for (int k = 0; k < 4; ++k) {
        if (k > 0) {
            if (i >= text.size() || text[i] != ',') return std::nullopt;
            ++i;
        }
        while (i < text.size() && text[i] == ' ') ++i;
        const auto res = std::from_chars(text.data() + i, text.data() + text.size(), v[k]);
        if (res.ec != std::errc()) return std::nullopt;
        i = std::size_t(res.ptr - text.data());
        while (i < text.size() && text[i] == ' ') ++i;
    }
    if (i != text.size()) return std::nullopt;
    return Rect{v[0], v[1], v[2], v[3]};
}

int CompareVersions(std::string_view a, std::string_view b)
{
    std::vector<unsigned long long> pa = VersionParts(a), pb = VersionParts(b);
    const std::size_t parts = std::max(pa.size(), pb.size());
    pa.resize(parts); // a missing part counts as 0: 1.2 is 1.2.0
    pb.resize(parts);
    const auto order = pa <=> pb;
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

bool IsNewerVersion(std::string_view offered, std::string_view own)
{
    return !VersionParts(offered).empty() && CompareVersions(offered, own) > 0;
}

std::string WebServerBase(std::string_view host)
{
    std::string base(host);
    while (!base.empty() && base.back() == '/') base.pop_back();
    if (base.find("://") == std::string::npos) base = "https://" + base;
    return base;
}
