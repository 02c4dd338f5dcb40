// Rectangles in points, in the order the program's tables give them.
#pragma once

#include <cstdint>

struct Rect {
    std::int16_t top = 0;
    std::int16_t left = 0;
    std::int16_t bottom = 0;
    std::int16_t right = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Builds a rectangle from left, top, right, bottom: the order control tables use.
constexpr Rect LTRB(int left, int top, int right, int bottom)
{
    return Rect{static_cast<std::int16_t>(top), static_cast<std::int16_t>(left), static_cast<std::int16_t>(bottom),
                static_cast<std::int16_t>(right)};
}
