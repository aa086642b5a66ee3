#pragma once

#include <cstdint>

namespace lumina {

// A colour as the program stores and exchanges it: red in the low byte, then green, then blue.
using COLORREF = std::uint32_t;
inline constexpr COLORREF kNoColour = 0xFFFFFFFFu; // -1 as a COLORREF: "no colour"

constexpr COLORREF Rgb(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Left, top inclusive; right, bottom exclusive unless a caller says otherwise.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace lumina
