// The program's one text type: a byte string of at most 255 bytes in Mac OS
// Roman. Every joining cuts at 255 bytes, as the texts it replaces did.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

class Str255 {
public:
    static constexpr std::size_t kMax = 255;

    Str255() = default;
    // Raw Mac OS Roman bytes; anything past 255 bytes is cut.
    explicit Str255(std::string_view bytes) { Assign(bytes); }

    void Assign(std::string_view bytes);
    void Clear() { len_ = 0; }

    std::size_t size() const { return len_; }
    bool empty() const { return len_ == 0; }
    const char* data() const { return buf_; }
    std::string_view view() const { return {buf_, len_}; }
    std::string str() const { return std::string(view()); }
    unsigned char operator[](std::size_t i) const { return static_cast<unsigned char>(buf_[i]); }

    Str255& operator+=(std::string_view more);
    Str255& operator+=(const Str255& more) { return *this += more.view(); }

    friend bool operator==(const Str255& a, const Str255& b) { return a.view() == b.view(); }
    friend bool operator==(const Str255& a, std::string_view b) { return a.view() == b; }

private:
    std::uint8_t len_ = 0;
    char buf_[kMax]; // only the first len_ bytes are meaningful
};

Str255 operator+(Str255 a, std::string_view b);
Str255 operator+(Str255 a, const Str255& b);

// Prints the bytes in quotes, for test messages and debugging.
std::ostream& operator<<(std::ostream& out, const Str255& s);
