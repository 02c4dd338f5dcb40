#include "platform/str255.h"

#include <algorithm>
#include <cstring>
#include <ostream>

void Str255::Assign(std::string_view bytes)
{
    const std::size_t n = std::min(bytes.size(), kMax);
    if (n) std::memmove(buf_, bytes.data(), n);
    len_ = static_cast<std::uint8_t>(n);
}

Str255& Str255::operator+=(std::string_view more)
{
    const std::size_t n = std::min(more.size(), kMax - len_);
    if (n) std::memmove(buf_ + len_, more.data(), n);
    len_ = static_cast<std::uint8_t>(len_ + n);
    return *this;
}

Str255 operator+(Str255 a, std::string_view b)
{
    a += b;
    return a;
}

Str255 operator+(Str255 a, const Str255& b)
{
    a += b;
    return a;
}

std::ostream& operator<<(std::ostream& out, const Str255& s)
{
    return out << '"' << s.view() << '"';
}
